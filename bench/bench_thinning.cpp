// Times min/max thinning of a 10 M-point series to 1920 pixels against one read
// pass over the same series.
//   bench_thinning [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "SeriesThinning.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr int kPoints = 10'000'000;
constexpr int kPixels = 1920;
constexpr double kLimit = 2.0;
}

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv, "[runs]\n  min/max thinning of 10 M points to 1920 px against one read pass\n", 1);
    const int runs = args.number(0, 9, kMinimumRuns);
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
    const BenchRatio r = interleavedMinimumMs(runs, readPass, [&] { size = SeriesThinning::thin(series, kPixels).size(); });
    std::printf("thinning %d points to %d px (%d points), minimum of %d interleaved runs each\n", kPoints, kPixels, size,
                runs);
    return printRatio("SeriesThinning vs one read pass:", r, kLimit) ? 0 : 1;
}
