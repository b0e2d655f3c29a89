// Throughput of FilterChain::apply (1024 taps, 1 M complex samples) in multiply-adds
// per second, against a floor: the same convolution written as a plain vectorisable
// dot product per output, run on all cores, timed in alternation with apply. Also reports the speed-up of apply from
// one thread to all threads and the CPU time per wall time, to show both cores work.
//
//   bench_filter [samples] [runs]

#include "BenchArguments.h"
#include "BenchTiming.h"
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
constexpr double kLimit = 1.5;

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
    const BenchArguments args(argc, argv,
                              "[samples] [runs]\n  FilterChain::apply (1024 taps) against a plain parallel convolution\n", 2);
    const int samples = args.number(0, kDefaultSamples, 2 * kTaps);
    const int runs = args.number(1, kMinimumRuns, kMinimumRuns);
    QCoreApplication app(argc, argv);
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
    std::vector<double> x(static_cast<size_t>(samples));
    std::vector<double> y(static_cast<size_t>(samples));
    for (int k = 0; k < samples; ++k)
        x[size_t(k)] = input.at(k).real();
    const QVector<double> hq = chain.coefficients();
    const std::vector<double> h(hq.cbegin(), hq.cend());
    const double floorMacs = double(samples - coefficients + 1) * coefficients;
    // The floor does floorMacs multiply-adds, apply does macs: the floor's time is
    // scaled to apply's count, so the ratio compares the time per multiply-add.
    BenchRatio r = interleavedMinimumMs(runs, [&] { plainConvolution(x, h, y); }, runApply);
    const double floorRawMs = r.floorMs;
    r.floorMs *= macs / floorMacs;

    omp_set_num_threads(1);
    const Timing single = best(kMinimumRuns, runApply);
    omp_set_num_threads(threads);
    const Timing all = best(kMinimumRuns, runApply);

    std::printf("samples %d, taps %d, coefficients %d, threads %d, minimum of %d interleaved runs each\n", samples,
                kTaps, coefficients, threads, runs);
    std::printf("  apply %.3f GMAC/s, floor %.3f GMAC/s (floor %.3f ms for its %.3g MAC)\n", macs / r.measuredMs * 1e-6,
                floorMacs / floorRawMs * 1e-6, floorRawMs, floorMacs);
    std::printf("  apply, 1 thread %.3f s; %d threads %.3f s (CPU/wall %.2f, speed-up %.2f)\n", single.wall, threads,
                all.wall, all.cpuPerWall, single.wall / all.wall);
    return printRatio("apply vs plain convolution, per MAC:", r, kLimit) ? 0 : 1;
}
