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
    // Raised-cosine, Gaussian and unfiltered signals are already free of (or not
    // designed against) intersymbol interference: a flat lowpass over the signal band.
    const double cutoff = (settings.pulse == DmSettings::Pulse::RaisedCosine ? (1.0 + settings.rollOff()) / 2.0 : 1.0)
        + kLowpassMargin;
    for (int k = 0; k < gridTaps; ++k) {
        const double t = -halfSpan + k / gridOversampling;
        h[size_t(k)] = 2.0 * cutoff * sinc(2.0 * cutoff * t) * blackman(t, halfSpan);
    }
    return h;
}

void ReceiveFilter::design(const DmSettings &settings, int halfSpanSymbols)
{
    const double sps = settings.samplesPerSymbol();
    m_phases = std::clamp(int(std::ceil(kGridPointsPerSymbol / sps)), 8, kMaxPhases);
    m_halfTaps = int(std::ceil(halfSpanSymbols * sps));
    m_rowLength = 2 * m_halfTaps + 1;
    // Grid index k of time (k − (halfTaps+1)·phases)/(sps·phases): row p, tap i (input
    // offset m = i − halfTaps) reads the pulse at (p/phases − m)/sps.
    const int gridTaps = 2 * (m_halfTaps + 1) * m_phases;
    const std::vector<double> h = prototype(settings, gridTaps, sps * m_phases);
    m_rows.assign(size_t(m_phases) * size_t(m_rowLength), 0.0);
    for (int p = 0; p < m_phases; ++p) {
        for (int i = 0; i < m_rowLength; ++i) {
            const int m = i - m_halfTaps;
            const int k = p - m * m_phases + (m_halfTaps + 1) * m_phases;
            m_rows[size_t(p) * size_t(m_rowLength) + size_t(i)] = h[size_t(k)];
        }
    }
    m_dcGain = 0.0;
    for (int i = 0; i < m_rowLength; ++i)
        m_dcGain += m_rows[size_t(i)];
}

std::complex<double> ReceiveFilter::at(const double *re, const double *im, int size, double t, int limitTaps) const
{
    int centre = int(std::floor(t));
    int phase = int(std::lround((t - centre) * m_phases));
    if (phase == m_phases) {
        phase = 0;
        ++centre;
    }
    const int half = std::min(limitTaps, m_halfTaps);
    int first = centre - half;
    int last = centre + half; // inclusive
    const double *row = m_rows.data() + size_t(phase) * size_t(m_rowLength) + (m_halfTaps - half);
    // Near the ends only the part of the window inside the signal contributes.
    const int skipped = std::max(0, -first);
    last = std::min(last, size - 1);
    first += skipped;
    row += skipped;
    const int count = last - first + 1;
    double sumRe = 0.0;
    double sumIm = 0.0;
    const double *xr = re + first;
    const double *xi = im + first;
#pragma omp simd reduction(+ : sumRe, sumIm)
    for (int i = 0; i < count; ++i) {
        sumRe += xr[i] * row[i];
        sumIm += xi[i] * row[i];
    }
    return {sumRe, sumIm};
}
