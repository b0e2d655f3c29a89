// The export table: plain functions around one DmReceiver. Nothing thrown inside
// leaves a function; a failure shows as an empty result and error code 1.

#include "dm_core.h"

#include "DmReceiver.h"

namespace {

DmReceiver &receiver()
{
    static DmReceiver instance;
    return instance;
}

template <typename Result, typename Work>
Result guarded(Work work, Result fallback = Result())
{
    try {
        return work();
    } catch (...) {
        return fallback;
    }
}

} // namespace

extern "C" {

void setSignal(const QVector<std::complex<double>> *iq, double sampleRate, double symbolRate,
               const QString *modulation, int mode, const QString *filter, double filterParameter)
{
    (void)mode;
    guarded<int>([&] {
        receiver().setSignal(iq ? *iq : QVector<std::complex<double>>(), sampleRate, symbolRate,
                             modulation ? *modulation : QString(), filter ? *filter : QString(), filterParameter);
        return 0;
    });
}

QVector<std::complex<double>> analysis(int num)
{
    try {
        return receiver().analysis(num);
    } catch (...) {
        receiver().markBadSignal();
        return {};
    }
}

DataAnalysis getCurrStatistic()
{
    return guarded<DataAnalysis>([] { return receiver().result().statistics; });
}

DataAnalysis getAverStatistic()
{
    return guarded<DataAnalysis>([] { return receiver().averageStatistics(); });
}

void setAverage(int restart)
{
    (void)restart;
    guarded<int>([] {
        receiver().restartAverage();
        return 0;
    });
}

QVector<int> getDemodSymbols()
{
    return guarded<QVector<int>>([] { return receiver().result().symbols; });
}

int getOversampling()
{
    return guarded<int>([] { return receiver().oversampling(); }, 1);
}

int getTime4Sampling()
{
    return 0;
}

int getStartPoint()
{
    return guarded<int>([] { return receiver().result().startSample; });
}

int getErrorCode()
{
    return guarded<int>([] { return receiver().errorCode(); }, 1);
}

int getMaxNumOfSymb()
{
    return guarded<int>([] { return receiver().maxSymbols(); });
}

QVector<double> getEVMvsSymb()
{
    return guarded<QVector<double>>([] { return receiver().result().evmPerSymbol; });
}

} // extern "C"
