#include "CalculateDate.h"

#include "ManagerSignal.h"
#include "SeriesThinning.h"
#include "UnitPrefix.h"

#include <cmath>

CalculateDate::CalculateDate(ManagerSignal *hub, QObject *parent) : QObject(parent), m_params(hub)
{
    for (int i = 1; i <= kSlotCount; ++i)
        m_slots.push_back(std::make_unique<CalculateDateSlot>(&m_params, i, &m_spectrum));
    connect(hub, &ManagerSignal::sendNewSelected, this, qOverload<>(&CalculateDate::clearData));
    connect(hub, &ManagerSignal::sendNewSourceSignal, this, &CalculateDate::updateParams, Qt::QueuedConnection);
    connect(hub, &ManagerSignal::sendChangeMainParam, this, &CalculateDate::updateParams, Qt::QueuedConnection);
    updateParams();
}

CalculateDate::~CalculateDate() = default;

QVector<QPointF> CalculateDate::requestSeries(int index, unsigned kind, int width, int average,
                                              const IQVector &block)
{
    if (index < 1 || index > kSlotCount)
        return {};
    return m_slots[size_t(index - 1)]->series(kind, width, average, block);
}

QVector<QPointF> CalculateDate::requestPlotSeries(int index, unsigned kind, int width, int average,
                                                  const IQVector &block)
{
    const QVector<QPointF> series = requestSeries(index, kind, width, average, block);
    if (!isThinning() || !CalculateDateSlot::isLine(kind))
        return series;
    return SeriesThinning::thin(series, width);
}

QVector<QPointF> CalculateDate::fullSeries(int index, unsigned kind) const
{
    if (index < 1 || index > kSlotCount)
        return {};
    return m_slots[size_t(index - 1)]->fullSeries(kind);
}

void CalculateDate::updateParams()
{
    const ParamSignal *param = hub()->param();
    const double sampleRate = m_frameRate > 0.0 ? m_frameRate : param->sampleRate();
    m_params.setSignalInfo(sampleRate, param->mode());
    m_params.setUnitFactor(UnitPrefix::large(m_params.carrierFreq() + sampleRate / 2.0).factor);
}

void CalculateDate::setFrameRate(double hz)
{
    const double rate = hz > 0.0 && std::isfinite(hz) ? hz : 0.0;
    if (rate == m_frameRate)
        return;
    m_frameRate = rate;
    updateParams();
}

void CalculateDate::setCarrierFreq(double value)
{
    m_params.setCarrierFreq(value);
    updateParams();
}

void CalculateDate::clearData(int type)
{
    for (auto &slot : m_slots)
        slot->clear(unsigned(type));
}

void CalculateDate::clearData()
{
    for (auto &slot : m_slots)
        slot->clearAll();
}
