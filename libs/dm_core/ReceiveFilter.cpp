#include "ReceiveFilter.h"

#include "Sqr_Nyquist.h"

#include <algorithm>
#include <cmath>

namespace {

// Grid resolution: the nearest-phase rounding moves an output by at most half a grid
// step, 1/(2·phases·sps) symbol; 4096 grid points per symbol keep that below −65 dB of ISI.
constexpr double kGridPointsPerSymbol = 4096.0;
constexpr int kMaxPhases = 512;
// Beyond the roll-off band the lowpass for non-root pulses leaves this much room, in
// symbol rates, so that its Blackman transition does not touch the signal band.
constexpr double kLowpassMargin = 0.25;

// Raised-cosine, Gaussian and unfiltered signals are already free of (or not designed
// against) intersymbol interference: they get a flat lowpass over the signal band.
double lowpassCutoff(const DmSettings &settings)
{
    return (settings.pulse == DmSettings::Pulse::RaisedCosine ? (1.0 + settings.rollOff()) / 2.0 : 1.0)
        + kLowpassMargin;
}

double blackman(double t, double halfSpan)
{
    const double x = (t / halfSpan + 1.0) / 2.0; // 0 … 1 across the span
    if (x <= 0.0 || x >= 1.0)
        return 0.0;
    return 0.42 - 0.5 * std::cos(2 * M_PI * x) + 0.08 * std::cos(4 * M_PI * x);
}

double sinc(double x)
{
    return std::abs(x) < 1e-12 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
}

// The root-raised-cosine's value at t = ±1/(4β), where its formula is 0/0. The filter
// class tabulates it for the common roll-offs only.
double rootRaisedCosineLimit(double beta)
{
    const double a = M_PI / (4.0 * beta);
    return beta / std::sqrt(2.0) * ((1.0 + 2.0 / M_PI) * std::sin(a) + (1.0 - 2.0 / M_PI) * std::cos(a));
}

// Highest frequency of the receive filter's passband and transition, in symbol rates:
// the roll-off band of the Nyquist pulses; for the lowpass, its cutoff and the half
// width of its Blackman transition (about 5.5 over the span).
double bandEdgeSymbols(const DmSettings &settings, int halfSpanSymbols)
{
    if (settings.pulse == DmSettings::Pulse::RootRaisedCosine)
        return (1.0 + settings.rollOff()) / 2.0;
    return lowpassCutoff(settings) + 2.75 / (2.0 * halfSpanSymbols);
}

} // namespace

std::vector<double> ReceiveFilter::prototype(const DmSettings &settings, int gridTaps, double gridOversampling) const
{
    const double halfSpan = gridTaps / (2.0 * gridOversampling);
    std::vector<double> h(static_cast<size_t>(gridTaps));
    if (settings.pulse == DmSettings::Pulse::RootRaisedCosine) {
        // Plainly truncated, like the transmitter's: a window would mismatch the pulse.
        const double beta = settings.rollOff();
        const QVector<double> c = Sqr_Nyquist().coefficients(gridTaps, gridOversampling, {beta});
        for (int k = 0; k < gridTaps; ++k) {
            const double t = -halfSpan + k / gridOversampling;
            const bool singular = std::abs(1.0 - std::pow(4.0 * beta * t, 2)) < 1e-9;
            h[size_t(k)] = singular ? rootRaisedCosineLimit(beta) : c.at(k);
        }
        return h;
    }
    const double cutoff = lowpassCutoff(settings);
    for (int k = 0; k < gridTaps; ++k) {
        const double t = -halfSpan + k / gridOversampling;
        h[size_t(k)] = 2.0 * cutoff * sinc(2.0 * cutoff * t) * blackman(t, halfSpan);
    }
    return h;
}

void ReceiveFilter::design(const DmSettings &settings, int halfSpanSymbols)
{
    const double sps = settings.samplesPerSymbol();
    const int phases = std::clamp(int(std::ceil(kGridPointsPerSymbol / sps)), 8, kMaxPhases);
    const int halfTaps = int(std::ceil(halfSpanSymbols * sps));
    const int gridTaps = 2 * (halfTaps + 1) * phases;
    m_table.build(prototype(settings, gridTaps, sps * phases), phases, halfTaps);
    m_dcGain = 0.0;
    for (double tap : m_table.row(0))
        m_dcGain += tap;
    m_bandEdge = bandEdgeSymbols(settings, halfSpanSymbols) / sps;
}
