#include "CarrierEstimator.h"

#include <algorithm>
#include <cmath>

namespace {

// Zero padding of the power-law spectrum: finer bins make the parabolic peak
// interpolation nearly unbiased.
constexpr int kPadding = 2;
// Enough symbols for a clear line even for cross QAM; the decision-directed stages
// take the estimate the rest of the way.
constexpr int kMaxSpectrumSymbols = 8192;
constexpr int kBlockLength = 128;

std::complex<double> power(std::complex<double> z, int exponent)
{
    std::complex<double> result = 1.0;
    for (int i = 0; i < exponent; ++i)
        result *= z;
    return result;
}

// Least-squares line through (x, y) pairs: returns {value at x = 0, slope}.
struct Line
{
    double sx = 0, sy = 0, sxx = 0, sxy = 0, weight = 0;
    void add(double x, double y, double w = 1.0)
    {
        sx += w * x;
        sy += w * y;
        sxx += w * x * x;
        sxy += w * x * y;
        weight += w;
    }
    CarrierEstimator::Carrier solve() const
    {
        CarrierEstimator::Carrier c;
        const double det = weight * sxx - sx * sx;
        c.frequency = det > 0 ? (weight * sxy - sx * sy) / det : 0.0;
        c.phase = weight > 0 ? (sy - c.frequency * sx) / weight : 0.0;
        return c;
    }
};

double wrapToPi(double a)
{
    return a - 2 * M_PI * std::round(a / (2 * M_PI));
}

} // namespace

double CarrierEstimator::coarseFrequency(const std::vector<std::complex<double>> &samples, int exponent)
{
    const int count = std::min(int(samples.size()), kMaxSpectrumSymbols);
    const int size = Fft::nextPowerOfTwo(count * kPadding);
    m_spectrum.assign(size_t(size), {});
    for (int k = 0; k < count; ++k)
        m_spectrum[size_t(k)] = power(samples[size_t(k)], exponent);
    m_fft.forward(m_spectrum);
    int peak = 0;
    for (int k = 1; k < size; ++k) {
        if (std::norm(m_spectrum[size_t(k)]) > std::norm(m_spectrum[size_t(peak)]))
            peak = k;
    }
    const double left = std::abs(m_spectrum[size_t((peak + size - 1) % size)]);
    const double centre = std::abs(m_spectrum[size_t(peak)]);
    const double right = std::abs(m_spectrum[size_t((peak + 1) % size)]);
    const double curvature = left - 2 * centre + right;
    const double shift = curvature < 0 ? 0.5 * (left - right) / curvature : 0.0;
    double bin = peak + shift;
    if (bin > size / 2.0)
        bin -= size;
    return 2 * M_PI * bin / size / exponent;
}

CarrierEstimator::Carrier CarrierEstimator::blockFit(const std::vector<std::complex<double>> &samples, int exponent,
                                                     std::complex<double> reference)
{
    const int count = int(samples.size());
    const double period = 2 * M_PI / exponent;
    Line line;
    double previous = 0.0;
    bool first = true;
    for (int start = 0; start < count; start += kBlockLength) {
        const int end = std::min(count, start + kBlockLength);
        std::complex<double> sum;
        for (int k = start; k < end; ++k)
            sum += power(samples[size_t(k)], exponent);
        double phase = std::arg(sum * std::conj(reference)) / exponent;
        if (!first)
            phase -= period * std::round((phase - previous) / period);
        first = false;
        previous = phase;
        line.add((start + end - 1) / 2.0, phase, end - start);
    }
    return line.solve();
}

CarrierEstimator::Carrier CarrierEstimator::decisionFit(const std::vector<std::complex<double>> &samples,
                                                        const std::vector<std::complex<double>> &decisions)
{
    Line line;
    double previous = 0.0;
    bool first = true;
    for (size_t k = 0; k < samples.size(); ++k) {
        if (std::norm(decisions[k]) < 1e-12)
            continue; // a point at the origin carries no phase
        double phase = std::arg(samples[k] * std::conj(decisions[k]));
        if (!first)
            phase = previous + wrapToPi(phase - previous);
        first = false;
        previous = phase;
        line.add(double(k), phase, std::norm(decisions[k]));
    }
    return line.solve();
}
