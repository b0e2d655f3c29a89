#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

// Benches compare the code under test with a floor (the least work that gives the
// same answer), not with a clock. On a busy machine any one run may lose its core
// for a while; a run that kept its core is the fastest one, so each side keeps its
// minimum, and the two sides alternate run by run so that they see the same load.
constexpr int kMinimumRuns = 5;

struct BenchRatio
{
    double floorMs = 0.0;
    double measuredMs = 0.0;
    double ratio() const { return floorMs > 0.0 ? measuredMs / floorMs : 0.0; }
};

inline double elapsedMs(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

// One warm-up of each, then `runs` (at least kMinimumRuns) alternations: floor,
// measured, floor, measured ...; the minimum time of each side.
template <typename Floor, typename Measured>
BenchRatio interleavedMinimumMs(int runs, Floor floor, Measured measured)
{
    floor();
    measured();
    BenchRatio best{1e300, 1e300};
    for (int i = 0; i < std::max(runs, kMinimumRuns); ++i) {
        QElapsedTimer timer;
        timer.start();
        floor();
        best.floorMs = std::min(best.floorMs, elapsedMs(timer));
        timer.restart();
        measured();
        best.measuredMs = std::min(best.measuredMs, elapsedMs(timer));
    }
    return best;
}

// "  <what>: floor 12.34 ms, measured 15.67 ms, ratio 1.27 (limit 1.5)"; true when within the limit.
inline bool printRatio(const char *what, const BenchRatio &r, double limit)
{
    std::printf("  %-34s floor %9.3f ms, measured %9.3f ms, ratio %5.2f (limit %.2f)\n", what, r.floorMs,
                r.measuredMs, r.ratio(), limit);
    return r.ratio() <= limit;
}
