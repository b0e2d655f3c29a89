#include "DemoSignals.h"

#include "IOSignal.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>
#include <cstdint>

namespace {
constexpr int kDemoLength = 262144;  // 2^18 samples, about a quarter of a second at 1 MHz
constexpr double kPi = 3.14159265358979323846;

// xorshift64*: a fixed, library-independent sequence, so that the demos are the
// same bytes whatever the platform's standard library.
class DemoRandom
{
public:
    explicit DemoRandom(uint64_t seed) : m_state(seed) {}
    uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1DULL;
    }
    double uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    double gaussian()  // Box-Muller
    {
        const double u1 = 1.0 - uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

private:
    uint64_t m_state;
};

// Root-raised-cosine impulse response at t symbols from its centre.
double rootRaisedCosine(double t, double beta)
{
    if (std::abs(t) < 1e-12)
        return 1.0 - beta + 4.0 * beta / kPi;
    if (std::abs(std::abs(4.0 * beta * t) - 1.0) < 1e-12) {
        return beta / std::sqrt(2.0)
               * ((1.0 + 2.0 / kPi) * std::sin(kPi / (4.0 * beta)) + (1.0 - 2.0 / kPi) * std::cos(kPi / (4.0 * beta)));
    }
    const double numerator = std::sin(kPi * t * (1.0 - beta)) + 4.0 * beta * t * std::cos(kPi * t * (1.0 + beta));
    return numerator / (kPi * t * (1.0 - 16.0 * beta * beta * t * t));
}

void addNoise(IQVector &samples, double rms, DemoRandom &random)
{
    const double sigma = rms / std::sqrt(2.0);
    for (IQ &s : samples)
        s += IQ(sigma * random.gaussian(), sigma * random.gaussian());
}

void normalisePeak(IQVector &samples, double target)
{
    const double peak = SignalInformation::peak(samples);
    if (peak > 0.0) {
        for (IQ &s : samples)
            s *= target / peak;
    }
}

// QPSK at 250 ksymbol/s, 4 samples per symbol, root-raised-cosine with roll-off
// 0.35 over 16 symbols, 30 dB signal-to-noise ratio.
IQVector qpskRrc()
{
    constexpr int samplesPerSymbol = 4;
    constexpr int spanSymbols = 16;
    constexpr double rollOff = 0.35;
    DemoRandom random(0x5157504B53ULL);
    const int symbols = kDemoLength / samplesPerSymbol + spanSymbols;
    IQVector impulses(symbols * samplesPerSymbol);
    const double a = 1.0 / std::sqrt(2.0);
    for (int k = 0; k < symbols; ++k) {
        const uint64_t bits = random.next() >> 62;
        impulses[k * samplesPerSymbol] = IQ((bits & 1) ? -a : a, (bits & 2) ? -a : a);
    }
    const int taps = spanSymbols * samplesPerSymbol + 1;
    QVector<double> h(taps);
    for (int i = 0; i < taps; ++i)
        h[i] = rootRaisedCosine(double(i - taps / 2) / samplesPerSymbol, rollOff);
    IQVector out(kDemoLength);
    const int delay = taps - 1;  // drop the filter's start-up so every sample is fully formed
    for (int n = 0; n < kDemoLength; ++n) {
        IQ acc(0.0, 0.0);
        for (int i = 0; i < taps; ++i)
            acc += impulses[n + delay - i] * h[i];
        out[n] = acc;
    }
    normalisePeak(out, 1.0);
    const double rms = std::sqrt(std::pow(10.0, SignalInformation::rmsDbfs(out) / 10.0));
    addNoise(out, rms * std::pow(10.0, -30.0 / 20.0), random);
    normalisePeak(out, 0.9);
    return out;
}

// Two equal tones at +100 kHz and -200 kHz over a -70 dBFS noise floor.
IQVector twoTone()
{
    constexpr double rate = 1e6;
    constexpr double amplitude = 0.45;
    DemoRandom random(0x54574F544F4EULL);
    IQVector out(kDemoLength);
    for (int n = 0; n < kDemoLength; ++n) {
        const double t = n / rate;
        out[n] = amplitude * std::polar(1.0, 2.0 * kPi * 100e3 * t)
                 + amplitude * std::polar(1.0, 2.0 * kPi * -200e3 * t + 0.7);
    }
    addNoise(out, std::pow(10.0, -70.0 / 20.0), random);
    return out;
}
}  // namespace

QString DemoSignals::fileName(int n)
{
    switch (n) {
    case QpskRrc: return QStringLiteral("demo-qpsk-rrc.owv");
    case TwoTone: return QStringLiteral("demo-two-tone.owv");
    default: return QString();
    }
}

QString DemoSignals::title(int n)
{
    switch (n) {
    case QpskRrc: return QStringLiteral("QPSK, root-raised-cosine 0.35, 250 ksym/s");
    case TwoTone: return QStringLiteral("Two tones, +100 kHz and -200 kHz");
    default: return QString();
    }
}

Signal DemoSignals::generate(int n)
{
    switch (n) {
    case QpskRrc: return Signal(qpskRrc());
    case TwoTone: return Signal(twoTone());
    default: return Signal();
    }
}

bool DemoSignals::write(int n, const QString &folder)
{
    if (n < 0 || n >= Count || !QDir().mkpath(folder))
        return false;
    ManagerSignal hub(ParamSignal::ModeVA);
    auto *param = static_cast<ParamVectorAnalysis *>(hub.param());
    param->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("1 MHz"));
    param->setAnalysisValue(QStringLiteral("Freq"), n == QpskRrc ? QStringLiteral("1 GHz") : QStringLiteral("100 MHz"));
    IOSignal writer(&hub, folder);
    writer.setAccuracy(IOSignal::AccuracySingle);
    Signal demo = generate(n);
    return writer.writeFile(QDir(folder).filePath(fileName(n)), {&demo});
}

QString DemoSignals::path(int n)
{
    if (n < 0 || n >= Count)
        return QString();
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/demo/") + fileName(n);
    if (QFileInfo::exists(beside))
        return beside;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/demo");
    const QString cached = cache + QLatin1Char('/') + fileName(n);
    if (QFileInfo::exists(cached) || write(n, cache))
        return cached;
    return QString();
}
