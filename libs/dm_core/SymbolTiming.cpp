#include "SymbolTiming.h"

#include "Rotator.h"

#include <algorithm>
#include <cmath>

namespace {

// Blocks long enough to average the pattern jitter of the line, short enough that a
// clock error of 1000 ppm moves the instant by well under half a symbol per block.
constexpr int kBlockSymbols = 128;
constexpr int kMinBlocksForDrift = 4;

template <typename Sample, typename Weight>
std::complex<double> line(const std::vector<Sample> &series, int first, int last, double perSymbol, Weight weight)
{
    std::complex<double> sum;
    const double step = -2.0 * M_PI / perSymbol;
    Rotator phasor(step * first, step);
    for (int j = first; j < last; ++j, phasor.next())
        sum += weight(series[size_t(j)], phasor.value());
    return sum;
}

} // namespace

SymbolTiming::Estimate SymbolTiming::fromPower(const std::vector<double> &power, double perSymbol)
{
    m_blocks.clear();
    const int count = int(power.size());
    const int blockLength = std::max(1, std::min(int(kBlockSymbols * perSymbol), count));
    for (int first = 0; first + blockLength <= count; first += blockLength) {
        const std::complex<double> x = line(power, first, first + blockLength, perSymbol,
                                            [](double p, std::complex<double> w) { return p * w; });
        m_blocks.push_back({first + blockLength / 2.0, -std::arg(x) * perSymbol / (2 * M_PI)});
    }
    return fit(perSymbol, perSymbol);
}

SymbolTiming::Estimate SymbolTiming::fromSquare(const std::vector<std::complex<double>> &square, double perSymbol)
{
    m_blocks.clear();
    const int count = int(square.size());
    const int blockLength = std::max(1, std::min(int(kBlockSymbols * perSymbol), count));
    for (int first = 0; first + blockLength <= count; first += blockLength) {
        const std::complex<double> upper = line(square, first, first + blockLength, perSymbol,
                                                [](std::complex<double> s, std::complex<double> w) { return s * w; });
        const std::complex<double> lower = line(square, first, first + blockLength, perSymbol,
                                                [](std::complex<double> s, std::complex<double> w) { return s * std::conj(w); });
        m_blocks.push_back({first + blockLength / 2.0, -std::arg(upper * std::conj(lower)) * perSymbol / (4 * M_PI)});
    }
    return fit(perSymbol, perSymbol / 2.0);
}

// Unwraps the block instants (each known modulo `period`) and fits a line: its value
// at index 0 is the first instant, its slope σ the drift per sample, and the symbol
// period is perSymbol/(1 − σ).
SymbolTiming::Estimate SymbolTiming::fit(double perSymbol, double period)
{
    Estimate estimate;
    if (m_blocks.empty())
        return estimate;
    for (size_t b = 1; b < m_blocks.size(); ++b) {
        const double step = m_blocks[b].instant - m_blocks[b - 1].instant;
        m_blocks[b].instant -= period * std::round(step / period);
    }
    double slope = 0.0;
    double meanCentre = 0.0;
    double meanInstant = 0.0;
    for (const Block &b : m_blocks) {
        meanCentre += b.centre;
        meanInstant += b.instant;
    }
    meanCentre /= double(m_blocks.size());
    meanInstant /= double(m_blocks.size());
    if (int(m_blocks.size()) >= kMinBlocksForDrift) {
        double sxy = 0.0;
        double sxx = 0.0;
        for (const Block &b : m_blocks) {
            sxy += (b.centre - meanCentre) * (b.instant - meanInstant);
            sxx += (b.centre - meanCentre) * (b.centre - meanCentre);
        }
        slope = sxy / sxx;
    }
    estimate.symbolPeriod = perSymbol / (1.0 - slope);
    const double atZero = (meanInstant - slope * meanCentre) / (1.0 - slope);
    // The instant nearest index 0 from above, on the grid of the measured period.
    estimate.firstInstant = atZero - estimate.symbolPeriod * std::floor(atZero / estimate.symbolPeriod);
    estimate.valid = std::isfinite(estimate.firstInstant) && std::isfinite(estimate.symbolPeriod);
    return estimate;
}
