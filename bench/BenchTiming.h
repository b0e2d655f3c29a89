#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <utility>
#include <vector>

// Median wall time in milliseconds of `runs` calls of `work`, after one warm-up call.
template <typename Work>
double medianMs(int runs, Work work)
{
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Medians of `a` and `b` timed in alternation, so that a busy machine slows both alike.
template <typename WorkA, typename WorkB>
std::pair<double, double> pairedMedianMs(int runs, WorkA a, WorkB b)
{
    a();
    b();
    std::vector<double> timesA, timesB;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        a();
        timesA.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        b();
        timesB.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(timesA.begin(), timesA.end());
    std::sort(timesB.begin(), timesB.end());
    return {timesA[timesA.size() / 2], timesB[timesB.size() / 2]};
}
