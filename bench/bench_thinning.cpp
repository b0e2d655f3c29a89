// Times min/max thinning of a 10 M-point series to 1920 pixels against one read
// pass over the same series.
#include "BenchTiming.h"
#include "SeriesThinning.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr int kPoints = 10'000'000;
constexpr int kPixels = 1920;
constexpr int kRuns = 15;
}

int main()
{
    QVector<QPointF> series(kPoints);
    for (int i = 0; i < kPoints; ++i)
        series[i] = QPointF(i, std::sin(i * 1e-3) + 1e-3 * (i % 17));
    volatile double sink = 0.0;
    int size = 0;
    const auto readPass = [&] {
        double sum = 0.0;
        for (const QPointF &p : series)
            sum += p.x() + p.y();
        sink = sum;
    };
    const auto [readMs, thinMs] =
        pairedMedianMs(kRuns, readPass, [&] { size = SeriesThinning::thin(series, kPixels).size(); });
    std::printf("thinning %d points to %d px (%d points)\n", kPoints, kPixels, size);
    std::printf("  one read pass:   %8.2f ms\n", readMs);
    std::printf("  SeriesThinning:  %8.2f ms  (%.2fx the read pass; limit 2x)\n", thinMs, thinMs / readMs);
    return thinMs <= 2.0 * readMs ? 0 : 1;
}
