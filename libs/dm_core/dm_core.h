#pragma once

// dm_core: the digital-modulation receiver, loaded by the program at run time with
// QLibrary("dm_core") and driven through the plain functions below. The library holds
// one signal and its settings (setSignal), analyses a number of symbols of it on
// request (analysis) and keeps the results of the last analysis for the getters.
// No exception leaves the library; failures are reported by getErrorCode().
// The functions are meant to be called from one thread at a time.

#include <QString>
#include <QVector>

#include <complex>

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

#ifdef __cplusplus
extern "C" {
#endif

// Keeps a copy of the signal and the settings for the following calls.
//   iq          complex baseband samples (I real, Q imaginary), any scale
//   sampleRate  samples per second of iq
//   symbolRate  nominal symbols per second
//   modulation  catalogue name or key ("QPSK", "qam16", "π/4-DQPSK", "2FSK")
//   mode        reserved, pass 0
//   filter      shaping filter: "Root Nyquist" / "R.Nyquist" (root raised cosine),
//               "Nyquist" (raised cosine), "Gaussian", "None"
//   filterParameter  roll-off α of the Nyquist filters, BT of the Gaussian
Q_DECL_EXPORT void setSignal(const QVector<std::complex<double>> *iq, double sampleRate, double symbolRate,
                             const QString *modulation, int mode, const QString *filter,
                             double filterParameter);

// Demodulates `num` symbols from the start of the signal. Returns the corrected signal
// (carrier, phase, timing, IQ offset and gain removed) at getOversampling() samples per
// symbol, symbol k at index getTime4Sampling() + k·getOversampling(), scaled so that
// ideal symbols land on the catalogue's points (FSK: frequency levels on the I axis
// from −1 to +1). An empty vector means failure; see getErrorCode().
Q_DECL_EXPORT QVector<std::complex<double>> analysis(int num);

// Statistics of the last successful analysis.
Q_DECL_EXPORT DataAnalysis getCurrStatistic();

// Statistics averaged over the analyses since averaging was last restarted: EVM as an
// RMS over analyses, EVM peak as the largest, every other field as the mean.
Q_DECL_EXPORT DataAnalysis getAverStatistic();

// Restarts the averaging (the argument is 1 by convention and otherwise unused).
Q_DECL_EXPORT void setAverage(int restart);

// Decided symbol values of the last analysis, one per symbol: the catalogue's symbol
// value (for rotating PSK the value within its current point set); for differential
// PSK the phase step, (Δφ − odd-symbol rotation)/(2π/M) modulo M, the first symbol
// carrying its absolute value.
Q_DECL_EXPORT QVector<int> getDemodSymbols();

// Samples per symbol of the vector returned by analysis().
Q_DECL_EXPORT int getOversampling();

// Index in the analysed vector of the first symbol instant (0: the vector starts there).
Q_DECL_EXPORT int getTime4Sampling();

// Index in the signal of the sample nearest the first analysed symbol instant.
Q_DECL_EXPORT int getStartPoint();

// Reason of the last failure: 0 none, 1 bad signal or settings, 2 symbol rate too high
// for the sample rate (below 2 samples per symbol), 3 fewer symbols requested than the
// receiver needs, 4 more symbols requested than the signal holds, 5 too few symbols
// recovered, 6 sample rate below the symbol rate, 7 signal too short for any analysis.
Q_DECL_EXPORT int getErrorCode();

// The largest symbol count analysis() accepts for the current signal.
Q_DECL_EXPORT int getMaxNumOfSymb();

// Error vector magnitude of each symbol of the last analysis, % of the RMS ideal symbol.
Q_DECL_EXPORT QVector<double> getEVMvsSymb();

#ifdef __cplusplus
}
#endif
