#include "DmTestSignal.h"

#include "FSK.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "Nyquist.h"
#include "Sqr_Nyquist.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

namespace {

using Complex = std::complex<double>;

// Symbols transmitted before the first and after the last sample, so that the
// recording starts and ends in the middle of the stream.
constexpr int kGuardSymbols = 20;
// The pulse spans ±16 symbols and is tabulated 64 times finer than the samples;
// linear interpolation between table points then errs by less than −100 dB.
constexpr int kPulseHalfSpan = 16;
constexpr int kPulseFineness = 64;

bool isDifferential(int id)
{
    return id == ModPi2DBPSK || id == ModPi4DQPSK || id == ModPi8D8PSK || id == ModD8PSK;
}

// The (root-)raised-cosine of the filter classes, read at any time (in symbols).
class Pulse
{
public:
    Pulse(bool root, double rollOff, double samplesPerSymbol)
        : m_oversampling(samplesPerSymbol * kPulseFineness)
        , m_taps(int(std::lround(2 * kPulseHalfSpan * m_oversampling)))
        , m_table(root ? Sqr_Nyquist().coefficients(m_taps, m_oversampling, {rollOff})
                       : Nyquist().coefficients(m_taps, m_oversampling, {rollOff}))
    {
    }
    double at(double t) const
    {
        const double position = (t + m_taps / (2.0 * m_oversampling)) * m_oversampling;
        const int k = int(std::floor(position));
        if (k < 0 || k + 1 >= m_taps)
            return 0.0;
        const double f = position - k;
        return m_table.at(k) * (1 - f) + m_table.at(k + 1) * f;
    }

private:
    double m_oversampling;
    int m_taps;
    QVector<double> m_table;
};

// Differential schemes send phase steps: each symbol turns the carrier by
// value·2π/M plus the odd-symbol rotation. Returns the catalogue values that place
// the resulting absolute phases.
QVector<int> absoluteSymbols(const Modulation &scheme, const QVector<int> &steps)
{
    const int order = 1 << scheme.bitsPerSymbol();
    const double step = 2 * M_PI / order;
    const double rotation = scheme.parameters().value(0);
    const double offset = scheme.parameters().value(1);
    QVector<int> absolute(steps.size());
    double phase = offset + steps.value(0) * step;
    for (int k = 0; k < steps.size(); ++k) {
        if (k > 0)
            phase += steps.at(k) * step + rotation;
        const double index = (phase - offset - (k % 2 == 1 ? rotation : 0.0)) / step;
        absolute[k] = ((int(std::lround(index)) % order) + order) % order;
    }
    return absolute;
}

} // namespace

void DmTestSignal::generate()
{
    const int id = modulationId(modulation);
    std::unique_ptr<Modulation> scheme = createModulation(id);
    if (auto *fsk = dynamic_cast<FSK *>(scheme.get()))
        fsk->setMirror(false);
    const int order = scheme->table().isEmpty() ? 1 << scheme->bitsPerSymbol() : scheme->table().size();
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> value(0, order - 1);

    const int transmitted = symbols + 2 * kGuardSymbols;
    sent.resize(transmitted);
    for (int &s : sent)
        s = value(rng);
    const QVector<Complex> points = scheme->modulate(isDifferential(id) ? absoluteSymbols(*scheme, sent) : sent);

    const Impairments &imp = impairments;
    const double sps = samplesPerSymbol;
    symbolPeriod = sps / (1.0 + imp.clockPpm * 1e-6);
    firstSymbolTime = -(kGuardSymbols + imp.startSymbols) * sps;
    const int length = int(std::lround(symbols * sps));
    iq.fill(Complex(), length);

    if (modulationFamily(id) == QLatin1String("FSK")) {
        // Phase-continuous keying, modulation index 1 between neighbouring levels (MSK 0.5).
        const double deviation = (order - 1) / 2.0 * (id == ModMSK ? 0.5 : 1.0) / sps; // cycles per sample at level 1
        double phase = 0.0;
        for (int n = 0; n < length; ++n) {
            const int k = int(std::floor((n - firstSymbolTime + symbolPeriod / 2) / symbolPeriod));
            iq[n] = std::polar(1.0, phase);
            phase += 2 * M_PI * deviation * points.at(k).real();
        }
    } else {
        const Pulse pulse(rootPulse, rollOff, sps);
        const bool staggered = id == ModOQPSK;
        for (int k = 0; k < transmitted; ++k) {
            const double centre = firstSymbolTime + k * symbolPeriod;
            const double qCentre = centre + (staggered ? symbolPeriod / 2 : 0.0);
            const int first = std::max(0, int(std::ceil(centre - (kPulseHalfSpan + 1) * sps)));
            const int last = std::min(length - 1, int(std::floor(centre + (kPulseHalfSpan + 1) * sps)));
            for (int n = first; n <= last; ++n) {
                iq[n] += Complex(points.at(k).real() * pulse.at((n - centre) / sps),
                                 points.at(k).imag() * pulse.at((n - qCentre) / sps));
            }
        }
    }

    double power = 0.0;
    for (const Complex &x : iq)
        power += std::norm(x);
    power /= length;
    std::normal_distribution<double> gauss;
    const double noiseSigma = std::isfinite(imp.snrDb) ? std::sqrt(power * sps / std::pow(10.0, imp.snrDb / 10) / 2) : 0.0;
    const double gainI = std::pow(10.0, imp.gainImbalanceDb / 40);
    const double gainQ = std::pow(10.0, -imp.gainImbalanceDb / 40);
    const double skew = imp.quadratureDeg * M_PI / 180;
    const Complex dc = std::isfinite(imp.iqOffsetDbc) ? std::polar(std::sqrt(power * std::pow(10.0, imp.iqOffsetDbc / 10)), 0.6)
                                                      : Complex();
    for (int n = 0; n < length; ++n) {
        Complex x = iq[n] * std::polar(1.0, 2 * M_PI * imp.carrierOffset * n / sps + imp.phase);
        x += noiseSigma * Complex(gauss(rng), gauss(rng));
        // The receiver's IQ mixer: the I axis scaled by gainI, the Q axis by gainQ and
        // turned by the quadrature error.
        x = gainI * x.real() + gainQ * x.imag() * Complex(-std::sin(skew), std::cos(skew));
        iq[n] = x + dc;
    }
}

void DmTestSignal::normalisePeak()
{
    double peak = 0.0;
    for (const auto &x : iq)
        peak = std::max({peak, std::abs(x.real()), std::abs(x.imag())});
    for (auto &x : iq)
        x *= 0.9 / peak;
}
