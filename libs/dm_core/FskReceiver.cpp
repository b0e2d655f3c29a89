#include "FskReceiver.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLevelPasses = 3;
constexpr double kFloorDb = -150.0;

double toDb(double ratio)
{
    return ratio > 0.0 ? std::max(kFloorDb, 10.0 * std::log10(ratio)) : kFloorDb;
}

// Mean of the smallest `share` of the values (largest when `fromTop`).
double tailMean(std::vector<double> values, double share, bool fromTop)
{
    std::sort(values.begin(), values.end());
    const size_t take = std::max<size_t>(1, size_t(share * double(values.size())));
    double sum = 0.0;
    for (size_t i = 0; i < take; ++i)
        sum += fromTop ? values[values.size() - 1 - i] : values[i];
    return sum / double(take);
}

} // namespace

void FskReceiver::configure(const DmSettings &settings)
{
    m_settings = settings;
    m_constellation.build(settings.modulationId);
    m_average = std::max(1, int(std::lround(settings.samplesPerSymbol())));
}

// m_frequency[m] is the mean of the phase steps from sample m to sample m + L: the
// frequency around position m + L/2.
void FskReceiver::discriminate(const QVector<Complex> &input)
{
    const int size = input.size();
    const int outputs = std::max(0, size - m_average);
    m_frequency.resize(size_t(outputs));
    const Complex *x = input.constData();
    double sum = 0.0;
    std::vector<double> steps(size_t(std::max(0, size - 1)));
    for (int n = 0; n + 1 < size; ++n)
        steps[size_t(n)] = std::arg(x[n + 1] * std::conj(x[n]));
    for (int n = 0; n < m_average && n < int(steps.size()); ++n)
        sum += steps[size_t(n)];
    for (int m = 0; m < outputs; ++m) {
        m_frequency[size_t(m)] = sum / m_average;
        if (m + m_average < int(steps.size()))
            sum += steps[size_t(m + m_average)] - steps[size_t(m)];
    }
}

double FskReceiver::frequencyAt(double t) const
{
    const double position = std::clamp(t - m_average / 2.0, 0.0, double(m_frequency.size() - 1));
    const int m = std::min(int(position), int(m_frequency.size()) - 2);
    const double fraction = position - m;
    return m_frequency[size_t(m)] * (1 - fraction) + m_frequency[size_t(m + 1)] * fraction;
}

FskReceiver::Levels FskReceiver::initialLevels() const
{
    double lowest = 1e300, highest = -1e300;
    for (int s = 0; s < m_constellation.size(); ++s) {
        lowest = std::min(lowest, m_constellation.point(s, false).real());
        highest = std::max(highest, m_constellation.point(s, false).real());
    }
    // The outer levels each hold 1/M of random symbols; half of that share sits well
    // inside their clusters.
    const double share = 0.5 / std::max(2, m_constellation.size());
    const double low = tailMean(m_samples, share, false);
    const double high = tailMean(m_samples, share, true);
    Levels levels;
    levels.scale = (high - low) / std::max(1e-12, highest - lowest);
    levels.offset = high - levels.scale * highest;
    return levels;
}

void FskReceiver::decide(const Levels &levels)
{
    const size_t count = m_samples.size();
    m_decided.resize(count);
    m_ideal.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const double u = (m_samples[k] - levels.offset) / levels.scale;
        m_decided[k] = m_constellation.decide(Complex(u, 0.0), false);
        m_ideal[k] = m_constellation.point(m_decided[k], false).real();
    }
}

// Least-squares line samples = scale·level + offset.
FskReceiver::Levels FskReceiver::fitLevels() const
{
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = double(m_samples.size());
    for (size_t k = 0; k < m_samples.size(); ++k) {
        sx += m_ideal[k];
        sy += m_samples[k];
        sxx += m_ideal[k] * m_ideal[k];
        sxy += m_ideal[k] * m_samples[k];
    }
    Levels levels;
    const double det = n * sxx - sx * sx;
    levels.scale = det > 0 ? (n * sxy - sx * sy) / det : 1.0;
    levels.offset = (sy - levels.scale * sx) / n;
    return levels;
}

void FskReceiver::measure(const Levels &levels, const QVector<Complex> &input, DataAnalysis &stats)
{
    double idealPower = 0.0, errorPower = 0.0, peak = 0.0, magnitudeSquares = 0.0;
    const size_t count = m_samples.size();
    m_evm.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const double u = (m_samples[k] - levels.offset) / levels.scale;
        const double error = u - m_ideal[k];
        idealPower += m_ideal[k] * m_ideal[k];
        errorPower += error * error;
        peak = std::max(peak, std::abs(error));
        magnitudeSquares += std::pow(std::abs(u) - std::abs(m_ideal[k]), 2);
        m_evm[k] = std::abs(error);
    }
    const double rmsIdeal = std::sqrt(idealPower / double(count));
    for (double &e : m_evm)
        e *= 100.0 / rmsIdeal;
    stats.mer = toDb(idealPower / errorPower);
    stats.snr = stats.mer;
    stats.evm = 100.0 * std::sqrt(errorPower / idealPower);
    stats.evmPeak = 100.0 * peak / rmsIdeal;
    stats.magnitudeError = toDb(magnitudeSquares / idealPower);
    stats.freqError = levels.offset * m_settings.sampleRate / (2 * M_PI);
    stats.symbolRate = m_settings.sampleRate / m_period;
    stats.reserved6 = (m_settings.samplesPerSymbol() / m_period - 1.0) * 1e6;

    const int first = std::max(0, int(m_first));
    const int last = std::min(input.size(), int(m_first + count * m_period));
    Complex mean;
    double power = 0.0;
    for (int n = first; n < last; ++n) {
        mean += input.at(n);
        power += std::norm(input.at(n));
    }
    const int samples = std::max(1, last - first);
    mean /= double(samples);
    power /= samples;
    stats.iqOffset = toDb(std::norm(mean) / std::max(1e-300, power - std::norm(mean)));
    stats.power = std::sqrt(1.0 / std::max(1e-300, power));
}

int FskReceiver::run(const QVector<Complex> &input, int count, int outputOversampling, DmResult &result)
{
    constexpr int kTooFewRecovered = 5;
    const double sps = m_settings.samplesPerSymbol();
    discriminate(input);
    const int span = std::min(int(m_frequency.size()), int((count + 2) * sps));
    if (span < 4 * sps)
        return kTooFewRecovered;
    double mean = 0.0;
    for (int m = 0; m < span; ++m)
        mean += m_frequency[size_t(m)];
    mean /= span;
    m_linePower.resize(size_t(span));
    for (int m = 0; m < span; ++m)
        m_linePower[size_t(m)] = std::pow(m_frequency[size_t(m)] - mean, 2);
    const SymbolTiming::Estimate timing = m_timing.fromPower(m_linePower, sps);
    if (!timing.valid)
        return kTooFewRecovered;
    m_first = timing.firstInstant + m_average / 2.0;
    m_period = timing.symbolPeriod;
    if (m_first + (count + 1) * m_period >= m_frequency.size() + m_average / 2.0)
        return kTooFewRecovered;

    m_samples.resize(size_t(count));
    for (int k = 0; k < count; ++k)
        m_samples[size_t(k)] = frequencyAt(m_first + k * m_period);
    Levels levels = initialLevels();
    for (int pass = 0; pass < kLevelPasses; ++pass) {
        decide(levels);
        levels = fitLevels();
    }
    decide(levels);

    result.statistics = DataAnalysis();
    measure(levels, input, result.statistics);
    result.symbols = QVector<int>(m_decided.cbegin(), m_decided.cend());
    result.evmPerSymbol = QVector<double>(m_evm.cbegin(), m_evm.cend());
    result.startSample = int(std::lround(m_first));
    const int points = count * outputOversampling;
    result.corrected.resize(points);
    for (int j = 0; j < points; ++j) {
        const double f = frequencyAt(m_first + j * m_period / outputOversampling);
        result.corrected[j] = Complex((f - levels.offset) / levels.scale, 0.0);
    }
    return 0;
}
