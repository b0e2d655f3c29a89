#pragma once

#include "DmResult.h"
#include "DmSettings.h"
#include "FskReceiver.h"
#include "LinearReceiver.h"
#include "StatisticsAverage.h"

#include <QString>
#include <QVector>

#include <complex>

// The library's state behind its export table: the signal and settings of the last
// setSignal(), the checks that turn unusable requests into error codes, the receiver
// for the scheme's family, the results of the last analysis and their average.
class DmReceiver
{
public:
    using Complex = std::complex<double>;

    enum Error {
        NoError = 0,
        BadSignal = 1,
        SymbolRateTooHigh = 2,
        TooFewSymbolsRequested = 3,
        MoreSymbolsThanSignal = 4,
        TooFewSymbolsRecovered = 5,
        SampleRateBelowSymbolRate = 6,
        SignalTooShort = 7,
    };

    void setSignal(const QVector<Complex> &iq, double sampleRate, double symbolRate, const QString &modulation,
                   const QString &filter, double filterParameter);
    QVector<Complex> analysis(int count);

    const DmResult &result() const { return m_result; }
    DataAnalysis averageStatistics() const { return m_average.average(); }
    void restartAverage() { m_average.restart(); }
    int errorCode() const { return m_error; }
    // For the export shell when something was thrown: the analysis failed on the signal.
    void markBadSignal() { m_error = BadSignal; }
    int maxSymbols() const;
    int oversampling() const;

private:
    Error check(int count) const;
    bool settingsUsable() const;
    double marginSymbols() const;

    QVector<Complex> m_signal;
    DmSettings m_settings;
    bool m_hasSignal = false;
    LinearReceiver m_linear;
    FskReceiver m_fsk;
    DmResult m_result;
    StatisticsAverage m_average;
    int m_error = NoError;
};
