#include "DmReceiver.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this many symbols neither the timing line nor the carrier fit means anything.
constexpr int kMinSymbols = 20;
// The matched filter reads this many symbols on either side of an output.
constexpr double kFilterMarginSymbols = 17.0;
// Room for the symbol-clock error between the nominal and the measured symbol grid.
constexpr double kClockTolerance = 2e-3;
constexpr int kMinOutputOversampling = 2;
constexpr int kMaxOutputOversampling = 32;
constexpr double kMinSamplesPerSymbol = 2.0;

} // namespace

void DmReceiver::setSignal(const QVector<Complex> &iq, double sampleRate, double symbolRate,
                           const QString &modulation, const QString &filter, double filterParameter)
{
    m_signal = iq;
    m_settings = DmSettings::parse(modulation, filter, filterParameter, sampleRate, symbolRate);
    m_hasSignal = true;
    m_result = DmResult();
    if (!settingsUsable() || m_settings.samplesPerSymbol() < kMinSamplesPerSymbol)
        return;
    if (m_settings.isFrequencyKeyed())
        m_fsk.configure(m_settings);
    else
        m_linear.configure(m_settings);
}

bool DmReceiver::settingsUsable() const
{
    const DmSettings &s = m_settings;
    return m_hasSignal && s.modulationId > 0 && std::isfinite(s.sampleRate) && std::isfinite(s.symbolRate)
        && s.sampleRate > 0.0 && s.symbolRate > 0.0;
}

double DmReceiver::marginSymbols() const
{
    return m_settings.isFrequencyKeyed() ? 2.0 : kFilterMarginSymbols;
}

int DmReceiver::maxSymbols() const
{
    if (!settingsUsable())
        return 0;
    const double sps = m_settings.samplesPerSymbol();
    const double usable = m_signal.size() / sps - 2 * marginSymbols() - 2;
    return std::max(0, int(usable / (1.0 + kClockTolerance)));
}

int DmReceiver::oversampling() const
{
    if (!settingsUsable())
        return 1;
    return std::clamp(int(std::lround(m_settings.samplesPerSymbol())), kMinOutputOversampling,
                      kMaxOutputOversampling);
}

DmReceiver::Error DmReceiver::check(int count) const
{
    if (!settingsUsable() || m_signal.isEmpty())
        return BadSignal;
    if (m_settings.sampleRate < m_settings.symbolRate)
        return SampleRateBelowSymbolRate;
    if (m_settings.samplesPerSymbol() < kMinSamplesPerSymbol)
        return SymbolRateTooHigh;
    if (maxSymbols() < kMinSymbols)
        return SignalTooShort;
    if (count < kMinSymbols)
        return TooFewSymbolsRequested;
    if (count > maxSymbols())
        return MoreSymbolsThanSignal;
    const bool silent = std::all_of(m_signal.cbegin(), m_signal.cend(), [](const Complex &x) { return x == Complex(); });
    const bool finite = std::all_of(m_signal.cbegin(), m_signal.cend(),
                                    [](const Complex &x) { return std::isfinite(x.real()) && std::isfinite(x.imag()); });
    return silent || !finite ? BadSignal : NoError;
}

QVector<DmReceiver::Complex> DmReceiver::analysis(int count)
{
    m_error = check(count);
    if (m_error != NoError)
        return {};
    DmResult result;
    const int code = m_settings.isFrequencyKeyed() ? m_fsk.run(m_signal, count, oversampling(), result)
                                                   : m_linear.run(m_signal, count, oversampling(), result);
    m_error = code;
    if (code != NoError)
        return {};
    m_result = result;
    m_average.add(m_result.statistics);
    return m_result.corrected;
}
