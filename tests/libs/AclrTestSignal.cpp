#include "AclrTestSignal.h"

#include "FftwLibrary.h"

#include <cmath>
#include <random>

namespace {
double binFrequency(int k, int n, double fs)
{
    return (k < n / 2 ? k : k - n) * fs / n;
}

std::vector<std::complex<double>> forward(const std::vector<std::complex<double>> &x)
{
    FftwLibrary::Lease plan = FftwLibrary::instance().acquire(int(x.size()));
    std::copy(x.begin(), x.end(), plan.in());
    plan.execute();
    return std::vector<std::complex<double>>(plan.out(), plan.out() + x.size());
}
}  // namespace

namespace AclrTestSignal {

IQVector bandNoise(int samples, double sampleRate, const QVector<Band> &bands, unsigned seed)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> gauss;
    std::vector<std::complex<double>> spectrum(static_cast<size_t>(samples));
    for (const Band &band : bands) {
        double sum = 0.0;
        std::vector<int> bins;
        for (int k = 0; k < samples; ++k) {
            const double f = binFrequency(k, samples, sampleRate);
            if (f >= band.low && f < band.high) {
                spectrum[size_t(k)] = {gauss(rng), gauss(rng)};
                sum += std::norm(spectrum[size_t(k)]);
                bins.push_back(k);
            }
        }
        // Parseval: the band's mean power is Σ|X_k|² / N².
        const double scale = sum > 0.0 ? std::sqrt(band.power * double(samples) * samples / sum) : 0.0;
        for (int k : bins)
            spectrum[size_t(k)] *= scale;
    }
    // The inverse DFT through the forward one: x = conj(DFT(conj X)) / N.
    for (auto &value : spectrum)
        value = std::conj(value);
    const std::vector<std::complex<double>> time = forward(spectrum);
    IQVector x(samples);
    for (int n = 0; n < samples; ++n)
        x[n] = std::conj(time[size_t(n)]) / double(samples);
    return x;
}

double bandPower(const IQVector &samples, double sampleRate, double low, double high)
{
    const int n = samples.size();
    const std::vector<std::complex<double>> spectrum = forward(std::vector<std::complex<double>>(samples.begin(), samples.end()));
    double sum = 0.0;
    for (int k = 0; k < n; ++k) {
        const double f = binFrequency(k, n, sampleRate);
        if (f >= low && f < high)
            sum += std::norm(spectrum[size_t(k)]);
    }
    return sum / (double(n) * n);
}

double toDb(double power)
{
    return 10.0 * std::log10(power);
}

}  // namespace AclrTestSignal
