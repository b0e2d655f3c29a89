#include "AveragedFft.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxCachedWindows = 8;
// 10 log10(x) as one natural logarithm and a multiply: log10 itself costs a
// logarithm and more, and this loop runs once per bin of every spectrum.
constexpr double kDbPerNeper = 4.342944819032518;  // 10 / ln 10

double powerDb(const std::complex<double> &x) { return kDbPerNeper * std::log(std::norm(x)); }

double clampLevel(double level)
{
    if (level < AveragedFft::kLowestLevel || std::isnan(level))
        return AveragedFft::kLowestDrawn;
    return std::min(level, AveragedFft::kHighestLevel);
}
}  // namespace

QVector<double> AveragedFft::blackmanWindow(int length)
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

void AveragedFft::addLevels(const std::complex<double> *spectrum, int length, double *levels, bool isFirst)
{
    const double offset = kWindowCorrectionDb - 20.0 * std::log10(double(length));
#pragma omp parallel for schedule(static, kBinChunk)
    for (int k = 0; k < length; ++k) {
        const double level = powerDb(spectrum[k]) + offset;
        levels[k] = isFirst ? level : levels[k] + level;
    }
}

AveragedFft::Staged AveragedFft::stage(const IQ *samples, int count, int average) const
{
    const int length = average >= 1 && count > 0 ? count / average : 0;
    if (length == 0)
        return Staged();
    Staged staged{m_fftw.acquire(length), {}, length, average};
    if (!staged.plan.isValid())
        return staged;
    const QVector<double> window = blackmanWindow(length);
    const double *w = window.constData();
    std::complex<double> *in = staged.plan.in();
    for (int n = 0; n < length; ++n)
        in[n] = samples[n] * w[n];
    staged.others.resize(size_t(average - 1) * size_t(length));
    for (int a = 1; a < average; ++a) {
        const IQ *segment = samples + qint64(a) * length;
        std::complex<double> *out = staged.others.data() + qint64(a - 1) * length;
        for (int n = 0; n < length; ++n)
            out[n] = segment[n] * w[n];
    }
    return staged;
}

QVector<double> AveragedFft::levels(Staged staged) const
{
    if (!staged.plan.isValid())
        return {};
    const int length = staged.length;
    QVector<double> levels(length);
    staged.plan.execute();
    addLevels(staged.plan.out(), length, levels.data(), true);
    for (int a = 1; a < staged.average; ++a) {
        const std::complex<double> *segment = staged.others.data() + qint64(a - 1) * length;
        std::copy(segment, segment + length, staged.plan.in());
        staged.plan.execute();
        addLevels(staged.plan.out(), length, levels.data(), false);
    }
    if (staged.average > 1) {
        const double scale = 1.0 / staged.average;
        for (double &level : levels)
            level *= scale;
    }
    return levels;
}

QVector<double> AveragedFft::averagedLevels(const IQ *samples, int count, int average) const
{
    return levels(stage(samples, count, average));
}

QVector<QPointF> AveragedFft::series(const QVector<double> &levels, const Axis &axis)
{
    const double *level = levels.constData();
    return layOut(levels.size(), axis, [level](int bin) { return level[bin]; });
}

QVector<QPointF> AveragedFft::series(Staged staged, const Axis &axis, QVector<QPointF> reuse) const
{
    if (!staged.plan.isValid())
        return {};
    if (staged.average > 1)
        return series(levels(std::move(staged)), axis);
    staged.plan.execute();
    const std::complex<double> *spectrum = staged.plan.out();
    const double offset = kWindowCorrectionDb - 20.0 * std::log10(double(staged.length));
    return layOut(staged.length, axis, [spectrum, offset](int bin) { return powerDb(spectrum[bin]) + offset; },
                  std::move(reuse));
}

template <typename LevelOf>
QVector<QPointF> AveragedFft::layOut(int length, const Axis &axis, LevelOf levelOf, QVector<QPointF> points)
{
    if (length == 0)
        return {};
    const double d = axis.sampleRate / length / axis.unitFactor;
    const double centre = axis.carrier / axis.unitFactor;
    const double f0 = centre - (length / 2) * d;
    const int split = (length + 1) / 2;  // first bin of the negative frequencies
    const int negative = length - split;
    const double correction = -10.0 * std::log10(axis.loadResistance);
    // Writing into a shared vector would first copy it: only a sole owner is reused.
    if (points.size() != length + 1 || !points.isDetached())
        points = QVector<QPointF>(length + 1);
    QPointF *out = points.data();
#pragma omp parallel for schedule(static, 4096)
    for (int j = 0; j < length; ++j) {
        const bool isNegative = j < negative;
        const int bin = isNegative ? split + j : j - negative;
        const double x = isNegative ? f0 + j * d : centre + (j - negative) * d;
        out[j] = QPointF(x, clampLevel(levelOf(bin) + correction));
    }
    out[length] = QPointF(centre + split * d, out[0].y());
    return points;
}

QVector<QPointF> AveragedFft::compute(const IQ *samples, int count, int average, const Axis &axis) const
{
    return series(stage(samples, count, average), axis);
}
