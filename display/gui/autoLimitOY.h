#pragma once

#include <QObject>
#include <QPointF>
#include <QVector>

#include <QChart>
#include <QValueAxis>

QT_CHARTS_USE_NAMESPACE

// Automatic y range of a chart: widens the axis to every new series (plus a
// margin) while the series keeps its length, and fits it afresh when the length
// changes. With both switches off it leaves the axis alone.
class autoLimitOY : public QObject
{
    Q_OBJECT
public:
    static constexpr double kDefaultMarginPercent = 10.0;

    // `axis` belongs to `chart`; both outlive this object (it is the chart's child).
    autoLimitOY(QChart *chart, QValueAxis *axis);

    void setAutoMin(bool isAuto) { m_isAutoMin = isAuto; }
    void setAutoMax(bool isAuto) { m_isAutoMax = isAuto; }
    bool isAutoMin() const { return m_isAutoMin; }
    bool isAutoMax() const { return m_isAutoMax; }
    void setMarginPercent(double percent) { m_marginPercent = percent; }
    // Forget the last length, so that the next series is fitted afresh.
    void reset() { m_lastCount = -1; }

signals:
    void sendMin(double value);
    void sendMax(double value);

public slots:
    void setData(const QVector<QPointF> &data);

private:
    QVector<QPointF> chartPoints() const;

    QChart *m_chart;
    QValueAxis *m_axis;
    bool m_isAutoMin = true;
    bool m_isAutoMax = true;
    double m_marginPercent = kDefaultMarginPercent;
    int m_lastCount = -1;
};
