#include "CalculateDateParams.h"

#include <QMutexLocker>
#include <algorithm>

double CalculateDateParams::unitFactor() const
{
    QMutexLocker lock(&m_mutex);
    return m_unitFactor;
}

void CalculateDateParams::setUnitFactor(double factor)
{
    QMutexLocker lock(&m_mutex);
    m_unitFactor = factor;
}

double CalculateDateParams::sampleRate() const
{
    QMutexLocker lock(&m_mutex);
    return m_sampleRate;
}

int CalculateDateParams::mode() const
{
    QMutexLocker lock(&m_mutex);
    return m_mode;
}

void CalculateDateParams::setSignalInfo(double sampleRate, int mode)
{
    QMutexLocker lock(&m_mutex);
    m_sampleRate = sampleRate;
    m_mode = mode;
}

double CalculateDateParams::carrierFreq() const
{
    QMutexLocker lock(&m_mutex);
    return m_carrierFreq;
}

void CalculateDateParams::setCarrierFreq(double hz)
{
    QMutexLocker lock(&m_mutex);
    m_carrierFreq = hz;
}

void CalculateDateParams::setStrobe(int offset, int samplesPerSymbol)
{
    QMutexLocker lock(&m_mutex);
    m_strobeOffset = std::max(0, offset);
    m_samplesPerSymbol = std::max(1, samplesPerSymbol);
}

int CalculateDateParams::strobeOffset() const
{
    QMutexLocker lock(&m_mutex);
    return m_strobeOffset;
}

int CalculateDateParams::samplesPerSymbol() const
{
    QMutexLocker lock(&m_mutex);
    return m_samplesPerSymbol;
}

unsigned CalculateDateParams::displayMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_displayMode;
}

void CalculateDateParams::setDisplayMode(unsigned mode)
{
    QMutexLocker lock(&m_mutex);
    m_displayMode = mode;
}

double CalculateDateParams::loadResistance() const
{
    QMutexLocker lock(&m_mutex);
    return m_loadResistance;
}

void CalculateDateParams::setLoadResistance(double ohms)
{
    QMutexLocker lock(&m_mutex);
    m_loadResistance = ohms;
}

bool CalculateDateParams::isThinning() const
{
    QMutexLocker lock(&m_mutex);
    return m_isThinning;
}

void CalculateDateParams::setThinning(bool isThinning)
{
    QMutexLocker lock(&m_mutex);
    m_isThinning = isThinning;
}
