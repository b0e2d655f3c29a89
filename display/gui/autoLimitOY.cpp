#include "autoLimitOY.h"

#include "NiceAxis.h"
#include <QXYSeries>
#include <algorithm>

autoLimitOY::autoLimitOY(QChart *chart, QValueAxis *axis) : QObject(chart), m_chart(chart), m_axis(axis) {}

QVector<QPointF> autoLimitOY::chartPoints() const
{
    const QList<QAbstractSeries *> series = m_chart->series();
    auto *xy = series.isEmpty() ? nullptr : qobject_cast<QXYSeries *>(series.first());
    return xy ? xy->pointsVector() : QVector<QPointF>();
}

void autoLimitOY::setData(const QVector<QPointF> &data)
{
    if (!m_isAutoMin && !m_isAutoMax)
        return;
    const QVector<QPointF> points = data.isEmpty() ? chartPoints() : data;
    if (points.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(points.cbegin(), points.cend(),
                                                 [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
    const double ymin = low->y(), ymax = high->y();
    const double margin = (ymax - ymin) * m_marginPercent * 0.01;
    const bool isNewLength = points.size() != m_lastCount;
    m_lastCount = points.size();
    if (m_isAutoMin && (ymin - margin < m_axis->min() || isNewLength)) {
        NiceAxis::setMin(m_axis, ymin - margin);
        emit sendMin(ymin - margin);
    }
    if (m_isAutoMax && (ymax + margin > m_axis->max() || isNewLength)) {
        NiceAxis::setMax(m_axis, ymax + margin);
        emit sendMax(ymax + margin);
    }
}
