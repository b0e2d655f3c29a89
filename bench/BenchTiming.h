#pragma once

#include <QElapsedTimer>
#include <algorithm>
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
