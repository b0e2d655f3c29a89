// A stand-in for the receiver library with the same exports, whose answers the test
// sets through extra functions, and which counts how it is called. Built twice: whole,
// and without "analysis" and "getErrorCode" (FAKE_DM_PARTIAL).
#include "DataAnalysis.h"
#include "FakeDmState.h"

#include <QString>
#include <QVector>
#include <complex>

namespace {
FakeDmState g;
}  // namespace

extern "C" {
Q_DECL_EXPORT void setSignal(const QVector<std::complex<double>> *iq, double sampleRate, double symbolRate,
                             const QString *modulation, int mode, const QString *filter, double filterParameter)
{
    ++g.setSignalCalls;
    g.lastSize = iq->size();
    g.lastFirstSample = iq->isEmpty() ? -1.0 : iq->first().real();
    g.lastSampleRate = sampleRate;
    g.lastSymbolRate = symbolRate;
    g.lastModulation = *modulation;
    g.lastMode = mode;
    g.lastFilter = *filter;
    g.lastFilterParameter = filterParameter;
}
#ifndef FAKE_DM_PARTIAL
Q_DECL_EXPORT QVector<std::complex<double>> analysis(int num)
{
    if (g.errorCode != 0)
        return {};
    return QVector<std::complex<double>>(num * 4, std::complex<double>(g.lastFirstSample, 0.0));
}
Q_DECL_EXPORT int getErrorCode() { return g.errorCode; }
#endif
Q_DECL_EXPORT DataAnalysis getCurrStatistic()
{
    DataAnalysis d;
    d.evm = 1.5;
    return d;
}
Q_DECL_EXPORT DataAnalysis getAverStatistic()
{
    DataAnalysis d;
    d.evm = 2.5;
    return d;
}
Q_DECL_EXPORT void setAverage(int restart)
{
    ++g.setAverageCalls;
    g.lastSetAverage = restart;
}
Q_DECL_EXPORT QVector<int> getDemodSymbols() { return {3, 1, 2}; }
Q_DECL_EXPORT int getOversampling() { return 4; }
Q_DECL_EXPORT int getTime4Sampling() { return 0; }
Q_DECL_EXPORT int getStartPoint() { return 0; }
Q_DECL_EXPORT int getMaxNumOfSymb() { return g.maxSymbols; }
Q_DECL_EXPORT QVector<double> getEVMvsSymb() { return {0.5, 1.0, 1.5}; }

// Control and inspection for the test.
Q_DECL_EXPORT void fakeSetAnswers(int errorCode, int maxSymbols)
{
    g.errorCode = errorCode;
    g.maxSymbols = maxSymbols;
}
Q_DECL_EXPORT const void *fakeState() { return &g; }
}
