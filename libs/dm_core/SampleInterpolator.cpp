#include "SampleInterpolator.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kStopbandDb = 100.0;
// Time resolution: the nearest-phase rounding moves an output by at most 1/2048 of a
// sample, a phase error below −65 dB even at the band edge of two samples per symbol.
constexpr int kPhases = 1024;
// Beyond this many taps on either side a direct filter evaluation costs about as much.
constexpr int kMaxHalfTaps = 24;

// Modified Bessel function of the first kind, order 0, by its power series.
double besselI0(double x)
{
    double sum = 1.0;
    double term = 1.0;
    const double quarterSquare = x * x / 4.0;
    for (int k = 1; k < 60 && term > 1e-17 * sum; ++k) {
        term *= quarterSquare / (double(k) * double(k));
        sum += term;
    }
    return sum;
}

double sinc(double x)
{
    return std::abs(x) < 1e-12 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
}

} // namespace

bool SampleInterpolator::design(double bandEdge)
{
    // Kaiser's estimates: the window shape for the stopband, the length for the
    // transition from the band edge to its image at one minus the edge.
    const double transition = 2.0 * M_PI * (1.0 - 2.0 * bandEdge);
    if (!(transition > 0.0))
        return false;
    const double beta = 0.1102 * (kStopbandDb - 8.7);
    const double length = (kStopbandDb - 7.95) / (2.285 * transition) + 1.0;
    const int halfTaps = int(std::ceil(length / 2.0));
    if (halfTaps > kMaxHalfTaps)
        return false;
    const double halfWidth = halfTaps + 0.5;
    const double norm = besselI0(beta);
    // Grid point k is the kernel at (k − (halfTaps + 1)·phases)/phases − 1/2 samples,
    // the half sample that at() adds to its argument.
    std::vector<double> grid(size_t(2 * (halfTaps + 1) * kPhases));
    for (size_t k = 0; k < grid.size(); ++k) {
        const double x = (double(k) - (halfTaps + 1) * kPhases) / kPhases - 0.5;
        const double r = x / halfWidth;
        grid[k] = std::abs(r) >= 1.0 ? 0.0 : sinc(x) * besselI0(beta * std::sqrt(1.0 - r * r)) / norm;
    }
    m_table.build(grid, kPhases, halfTaps);
    m_table.normaliseRows();
    return true;
}
