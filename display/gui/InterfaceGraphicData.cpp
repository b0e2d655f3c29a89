#include "InterfaceGraphicData.h"

#include "CalculateDate.h"

#include <QMutexLocker>

InterfaceGraphicData::InterfaceGraphicData(CalculateDate *calculate, unsigned kind, int signalIndex)
    : m_calculate(calculate), m_kind(kind), m_signalIndex(signalIndex)
{
    qRegisterMetaType<QVector<QPointF>>("QVector<QPointF>");
}

void InterfaceGraphicData::setSignal(Signal *record)
{
    QMutexLocker lock(&m_mutex);
    m_record = record;
}

void InterfaceGraphicData::setPlotGeometry(const PlotGeometry &geometry)
{
    QMutexLocker lock(&m_mutex);
    m_geometry = geometry;
}

InterfaceGraphicData::PlotGeometry InterfaceGraphicData::plotGeometry() const
{
    QMutexLocker lock(&m_mutex);
    return m_geometry;
}

QVector<QPointF> InterfaceGraphicData::requestSeries(int width, const IQVector &block) const
{
    return m_calculate->requestSeries(m_signalIndex, m_kind, width, m_average, block);
}

void InterfaceGraphicData::compute()
{
    const int width = plotGeometry().plotSize.width();
    if (width <= 0)
        return;  // not laid out yet: a full-resolution series would swamp the view
    const QVector<QPointF> series = m_calculate->requestPlotSeries(m_signalIndex, m_kind, width, m_average);
    if (series.isEmpty())
        return;
    beforeSend();
    beforeSend(series);
    emit sendData(series);
}
