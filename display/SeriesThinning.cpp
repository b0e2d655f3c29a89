#include "SeriesThinning.h"

#include <omp.h>

#include <algorithm>

namespace {
// Writes max then min of points[first .. first + size); ties keep the earlier point.
// Tracking both independently equals "else if": no point can lie above the
// running maximum and below the running minimum at once. Written without branches,
// because the comparisons of noisy data are unpredictable.
void appendExtremes(const QPointF *points, qint64 first, int size, QPointF *out)
{
    const QPointF *group = points + first;
    double maxY = group[0].y(), minY = maxY;
    int maxAt = 0, minAt = 0;
    for (int i = 1; i < size; ++i) {
        const double y = group[i].y();
        const bool isAbove = y > maxY;
        maxY = isAbove ? y : maxY;
        maxAt = isAbove ? i : maxAt;
        const bool isBelow = y < minY;
        minY = isBelow ? y : minY;
        minAt = isBelow ? i : minAt;
    }
    out[0] = group[maxAt];
    out[1] = group[minAt];
}
}  // namespace

QVector<QPointF> SeriesThinning::thin(const QVector<QPointF> &series, int width)
{
    const int n = series.size();
    if (width <= 0)
        return series;
    const int groupSize = n / width;
    if (groupSize < kMinGroupSize)
        return series;
    const int groups = n / groupSize;
    const int remainder = n - groups * groupSize;
    const QPointF *points = series.constData();

    // Each thread owns the output range of its contiguous chunk of groups, so the
    // threads' vectors are joined in thread order simply by writing in place.
    QVector<QPointF> thinned(2 * groups + remainder);
    QPointF *out = thinned.data();
#pragma omp parallel
    {
        const int threads = omp_get_num_threads();
        const int chunk = (groups + threads - 1) / threads;
        const int begin = omp_get_thread_num() * chunk;
        const int end = std::min(groups, begin + chunk);
        for (int g = begin; g < end; ++g)
            appendExtremes(points, qint64(g) * groupSize, groupSize, out + 2 * g);
    }
    std::copy(points + qint64(groups) * groupSize, points + n, out + 2 * groups);
    return thinned;
}
