#pragma once

// Shared by the program and the dm_core library, which fills it: the layout is binding.

#include <QMetaType>

// Statistics of one analysis; 13 doubles in this binding order (the program reads the
// record as it is laid out here). Units are those the error summary shows. For FSK
// the errors are those of the frequency levels (deviation normalised to ±1): phase,
// gain imbalance and quadrature error read 0, the IQ offset is the mean of the samples;
// for ASK and BPSK (points on one axis) gain imbalance and quadrature error read 0.
struct DataAnalysis
{
    double mer = 0.0;             // modulation error ratio, dB
    double freqError = 0.0;       // carrier frequency offset, Hz
    double iqOffset = 0.0;        // IQ (DC) offset relative to the mean signal power, dB
    double evm = 0.0;             // RMS error vector magnitude, % of the RMS ideal symbol
    double evmPeak = 0.0;         // largest error vector magnitude, same reference, %
    double gainImbalance = 0.0;   // I gain over Q gain, dB
    double reserved6 = 0.0;       // symbol-clock error, ppm (the program does not show it)
    double magnitudeError = 0.0;  // RMS magnitude error relative to the RMS ideal symbol, dB
    double phaseError = 0.0;      // RMS phase error, degrees
    double quadratureError = 0.0; // angle between the Q and I axes minus 90°, degrees
    double power = 0.0;           // amplitude factor k: the display shows P0 − 20·log10(k) dBm
    double snr = 0.0;             // signal to noise ratio after removing every fitted impairment, dB
    double symbolRate = 0.0;      // measured symbol rate, Hz
};
static_assert(sizeof(DataAnalysis) == 13 * sizeof(double), "DataAnalysis is 13 packed doubles");

Q_DECLARE_METATYPE(DataAnalysis)
