#include "PowerSpectrum.h"

#include "FftwLibrary.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
// 4-term Blackman-Harris: side lobes below -92 dB, so a carrier's window leakage
// stays far under a -60 dBc adjacent channel two megahertz away.
constexpr double kA0 = 0.35875, kA1 = 0.48829, kA2 = 0.14128, kA3 = 0.01168;
}  // namespace

int PowerSpectrum::lengthFor(int count)
{
    if (count < kMinLength)
        return 0;
    int length = kMaxLength;
    while (length > count)
        length /= 2;
    return length;
}

void PowerSpectrum::prepareWindow(int length)
{
    if (int(m_window.size()) == length)
        return;
    m_window.resize(size_t(length));
    double sum = 0.0, energy = 0.0;
    for (int n = 0; n < length; ++n) {
        const double x = 2.0 * kPi * n / length;  // periodic form: exact half overlap
        const double w = kA0 - kA1 * std::cos(x) + kA2 * std::cos(2 * x) - kA3 * std::cos(3 * x);
        m_window[size_t(n)] = w;
        sum += w;
        energy += w * w;
    }
    m_windowEnergy = energy;
    m_noiseBandwidthBins = length * energy / (sum * sum);
}

bool PowerSpectrum::compute(const double *i, const double *q, int count)
{
    m_bins.clear();
    m_segments = 0;
    const int length = lengthFor(count);
    if (length == 0)
        return false;
    FftwLibrary::Lease plan = m_fftw.acquire(length);
    if (!plan.isValid())
        return false;
    prepareWindow(length);
    std::vector<double> sum(size_t(length), 0.0);
    const int hop = length / 2;
    const int segments = (count - length) / hop + 1;
    for (int s = 0; s < segments; ++s) {
        const double *si = i + size_t(s) * hop;
        const double *sq = q + size_t(s) * hop;
        std::complex<double> *in = plan.in();
        for (int n = 0; n < length; ++n)
            in[n] = std::complex<double>(si[n] * m_window[size_t(n)], sq[n] * m_window[size_t(n)]);
        plan.execute();
        const std::complex<double> *out = plan.out();
        for (int k = 0; k < length; ++k)
            sum[size_t(k)] += std::norm(out[k]);
    }
    // E|X_k|² = σ²·Σw² for white noise of power σ²; the L bins then sum to σ².
    const double scale = 1.0 / (double(segments) * length * m_windowEnergy);
    m_bins.resize(size_t(length));
    const int half = length / 2;
    for (int k = 0; k < length; ++k)
        m_bins[size_t(k)] = sum[size_t((k + half) % length)] * scale;
    m_segments = segments;
    return true;
}

double PowerSpectrum::bandPower(double fLow, double fHigh, double fs) const
{
    const int length = this->length();
    if (length == 0 || fHigh <= fLow)
        return 0.0;
    const double binWidth = fs / length;
    // In bin units, with bin k covering [k - 1/2, k + 1/2).
    const double a = fLow / binWidth + length / 2;
    const double b = fHigh / binWidth + length / 2;
    const int first = std::max(0, int(std::floor(a + 0.5)));
    const int last = std::min(length - 1, int(std::floor(b + 0.5)));
    double power = 0.0;
    for (int k = first; k <= last; ++k) {
        const double overlap = std::min(b, k + 0.5) - std::max(a, k - 0.5);
        if (overlap > 0.0)
            power += m_bins[size_t(k)] * std::min(1.0, overlap);
    }
    return power;
}
