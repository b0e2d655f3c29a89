// Throughput of FilterChain::apply (1024 taps, 1 M complex samples) in multiply-adds
// per second, against a floor: the same convolution written as a plain vectorisable
// dot product per output, run on all cores. Also reports the speed-up of apply from
// one thread to all threads and the CPU time per wall time, to show both cores work.
//
//   bench_filter [samples] [repetitions]

#include "FilterChain.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <omp.h>
#include <random>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kTaps = 1024;
constexpr int kDefaultSamples = 1 << 20;
constexpr int kDefaultRepetitions = 3;

using Clock = std::chrono::steady_clock;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + 1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

struct Timing
{
    double wall = 1e300;
    double cpuPerWall = 0.0;
};

template <typename Work>
Timing best(int repetitions, Work work)
{
    Timing result;
    for (int r = 0; r < repetitions; ++r) {
        const double cpu0 = cpuSeconds();
        const auto t0 = Clock::now();
        work();
        const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
        if (wall < result.wall)
            result = {wall, (cpuSeconds() - cpu0) / wall};
    }
    return result;
}

IQVector noise(int samples)
{
    std::mt19937 rng(7);
    std::normal_distribution<double> gauss;
    IQVector x(samples);
    for (IQ &s : x)
        s = IQ(gauss(rng), gauss(rng));
    return x;
}

// Multiply-adds done by apply(): two components, each output n of the evaluated range
// [taps/2, len − taps/2) a dot product over the part of its window inside the signal.
double multiplyAdds(int samples, int coefficients)
{
    double total = 0.0;
    for (int n = kTaps / 2; n < samples - kTaps / 2; ++n)
        total += std::min(coefficients, n + 1);
    return 2.0 * total;
}

// The floor: one plain dot product per output, outputs spread over all threads.
void plainConvolution(const std::vector<double> &x, const std::vector<double> &h, std::vector<double> &y)
{
    const int length = int(x.size());
    const int taps = int(h.size());
#pragma omp parallel for schedule(static)
    for (int n = taps - 1; n < length; ++n) {
        const double *window = x.data() + n - taps + 1;
        double sum = 0.0;
#pragma omp simd reduction(+ : sum)
        for (int j = 0; j < taps; ++j)
            sum += window[j] * h[size_t(j)];
        y[size_t(n)] = sum;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int samples = argc > 1 ? std::atoi(argv[1]) : kDefaultSamples;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : kDefaultRepetitions;
    const int threads = omp_get_max_threads();

    const IQVector input = noise(samples);
    FilterChain chain;
    chain.setTaps(kTaps);
    const int coefficients = chain.coefficients().size();
    const double macs = multiplyAdds(samples, coefficients);

    auto runApply = [&] {
        IQVector signal = input;
        chain.apply(signal);
    };
    omp_set_num_threads(1);
    const Timing single = best(repetitions, runApply);
    omp_set_num_threads(threads);
    const Timing all = best(repetitions, runApply);

    std::vector<double> x(static_cast<size_t>(samples));
    std::vector<double> y(static_cast<size_t>(samples));
    for (int k = 0; k < samples; ++k)
        x[size_t(k)] = input.at(k).real();
    const QVector<double> hq = chain.coefficients();
    const std::vector<double> h(hq.cbegin(), hq.cend());
    const double floorMacs = double(samples - coefficients + 1) * coefficients;
    const Timing floor = best(repetitions, [&] { plainConvolution(x, h, y); });

    const double applyRate = macs / all.wall;
    const double floorRate = floorMacs / floor.wall;
    std::printf("samples %d, taps %d, coefficients %d, threads %d\n", samples, kTaps, coefficients, threads);
    std::printf("apply, 1 thread : %8.3f s  %6.2f GMAC/s\n", single.wall, macs / single.wall * 1e-9);
    std::printf("apply, %d threads: %8.3f s  %6.2f GMAC/s  (CPU/wall %.2f, speed-up %.2f)\n", threads,
                all.wall, applyRate * 1e-9, all.cpuPerWall, single.wall / all.wall);
    std::printf("floor, %d threads: %8.3f s  %6.2f GMAC/s  (CPU/wall %.2f)\n", threads, floor.wall,
                floorRate * 1e-9, floor.cpuPerWall);
    std::printf("apply / floor   : %.2f\n", applyRate / floorRate);

    return 0;
}
