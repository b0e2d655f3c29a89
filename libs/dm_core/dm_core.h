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

#include "DataAnalysis.h"

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
