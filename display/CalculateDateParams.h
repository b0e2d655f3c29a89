#pragma once

#include <QMutex>

class ManagerSignal;

// The parameter block that all 30 slots of a CalculateDate share. The GUI thread
// writes it while display workers read it, so every field sits behind one mutex.
class CalculateDateParams
{
public:
    explicit CalculateDateParams(ManagerSignal *hub) : m_hub(hub) {}

    ManagerSignal *hub() const { return m_hub; }

    double unitFactor() const;
    void setUnitFactor(double factor);
    // The hub's sample rate and mode number, copied by CalculateDate::updateParams()
    // in the GUI thread so that workers never read the parameter set itself.
    double sampleRate() const;
    int mode() const;
    void setSignalInfo(double sampleRate, int mode);
    double carrierFreq() const;
    void setCarrierFreq(double hz);
    // Offset never below 0, samples per symbol never below 1.
    void setStrobe(int offset, int samplesPerSymbol);
    int strobeOffset() const;
    int samplesPerSymbol() const;
    unsigned displayMode() const;
    void setDisplayMode(unsigned mode);
    double loadResistance() const;
    void setLoadResistance(double ohms);
    bool isThinning() const;
    void setThinning(bool isThinning);

private:
    ManagerSignal *const m_hub;  // not owned
    mutable QMutex m_mutex;      // guards every field below
    double m_unitFactor = 1.0;
    double m_carrierFreq = 0.0;
    double m_sampleRate = 1.0;
    int m_mode = 0;
    int m_strobeOffset = 0;
    int m_samplesPerSymbol = 1;
    unsigned m_displayMode = 0;
    double m_loadResistance = 1.0;
    bool m_isThinning = true;

    Q_DISABLE_COPY(CalculateDateParams)
};
