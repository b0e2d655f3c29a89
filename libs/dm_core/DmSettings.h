#pragma once

#include <QString>

// What setSignal() was told, parsed once: the scheme's catalogue id, the receive
// filter kind and the rates.
struct DmSettings
{
    enum class Pulse { RootRaisedCosine, RaisedCosine, Gaussian, None };

    int modulationId = 0;
    Pulse pulse = Pulse::None;
    double filterParameter = 0.35; // roll-off, or BT of the Gaussian
    double sampleRate = 0.0;
    double symbolRate = 0.0;

    static DmSettings parse(const QString &modulation, const QString &filter, double filterParameter,
                            double sampleRate, double symbolRate);

    double samplesPerSymbol() const { return sampleRate / symbolRate; }
    bool isFrequencyKeyed() const;
    // Roll-off used to size the receive filter; a sensible default when the caller gave none.
    double rollOff() const;
};
