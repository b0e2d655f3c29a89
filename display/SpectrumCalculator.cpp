#include "SpectrumCalculator.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxCachedWindows = 8;

double clampLevel(double level)
{
    if (level < SpectrumCalculator::kLowestLevel || std::isnan(level))
        return SpectrumCalculator::kLowestDrawn;
    return std::min(level, SpectrumCalculator::kHighestLevel);
}
}  // namespace

QVector<double> SpectrumCalculator::blackmanWindow(int length)
{
    static QMutex mutex;  // guards cache
    static QHash<int, QVector<double>> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(length);
    if (it != cache.constEnd())
        return *it;
    lock.unlock();
    QVector<double> w(std::max(0, length));
    if (length == 1)
        w[0] = 1.0;  // a one-point window would divide by L - 1 = 0
    const double step = length > 1 ? 2.0 * kPi / (length - 1) : 0.0;
    for (int n = 0; n < length && length > 1; ++n)
        w[n] = 0.42 - 0.5 * std::cos(step * n) + 0.08 * std::cos(2.0 * step * n);
    lock.relock();
    if (cache.size() >= kMaxCachedWindows)
        cache.clear();
    cache.insert(length, w);
    return w;
}

void SpectrumCalculator::addSegmentLevels(FftwLibrary::Lease &plan, const IQ *segment,
                                          const QVector<double> &window, double *levels, bool isFirst) const
{
    const int length = window.size();
    std::complex<double> *in = plan.in();
    const double *w = window.constData();
    for (int n = 0; n < length; ++n)
        in[n] = segment[n] * w[n];
    plan.execute();
    const std::complex<double> *out = plan.out();
    const double offset = kWindowCorrectionDb - 20.0 * std::log10(double(length));
#pragma omp parallel for schedule(static, kBinChunk)
    for (int k = 0; k < length; ++k) {
        const double level = 10.0 * std::log10(std::norm(out[k])) + offset;
        levels[k] = isFirst ? level : levels[k] + level;
    }
}

QVector<double> SpectrumCalculator::averagedLevels(const IQ *samples, int count, int average) const
{
    if (average < 1 || count <= 0)
        return {};
    const int length = count / average;
    if (length == 0)
        return {};
    FftwLibrary::Lease plan = m_fftw.acquire(length);
    if (!plan.isValid())
        return {};
    const QVector<double> window = blackmanWindow(length);
    QVector<double> levels(length);
    for (int a = 0; a < average; ++a)
        addSegmentLevels(plan, samples + qint64(a) * length, window, levels.data(), a == 0);
    if (average > 1) {
        const double scale = 1.0 / average;
        for (double &level : levels)
            level *= scale;
    }
    return levels;
}

QVector<QPointF> SpectrumCalculator::series(const QVector<double> &levels, const Axis &axis)
{
    const int length = levels.size();
    if (length == 0)
        return {};
    const double d = axis.sampleRate / length / axis.unitFactor;
    const double centre = axis.carrier / axis.unitFactor;
    const double f0 = centre - (length / 2) * d;
    const int split = (length + 1) / 2;  // first bin of the negative frequencies
    const int negative = length - split;
    const double correction = -10.0 * std::log10(axis.loadResistance);
    QVector<QPointF> points(length + 1);
    QPointF *out = points.data();
    const double *level = levels.constData();
#pragma omp parallel for schedule(static, 4096)
    for (int j = 0; j < length; ++j) {
        const bool isNegative = j < negative;
        const int bin = isNegative ? split + j : j - negative;
        const double x = isNegative ? f0 + j * d : centre + (j - negative) * d;
        out[j] = QPointF(x, clampLevel(level[bin] + correction));
    }
    out[length] = QPointF(centre + split * d, out[0].y());
    return points;
}

QVector<QPointF> SpectrumCalculator::compute(const IQ *samples, int count, int average, const Axis &axis) const
{
    return series(averagedLevels(samples, count, average), axis);
}
