// Times dm_core's analysis of 10 000 QAM16 symbols at 8 samples per symbol (root
// raised cosine, α 0.35, a carrier offset and 30 dB SNR) against the floor: one
// matched-filter pass over the same samples (I and Q convolved with the receiver's
// 257 root-raised-cosine taps, a plain vectorised dot product per output).
// Measured and floor runs alternate; the minimum of each is reported.
//
//   OMP_NUM_THREADS=1 bench_dm_core [runs]

#include "dm_core.h"

#include "BenchArguments.h"

#include "FilterChain.h"
#include "FilterCatalogue.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibrary>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <omp.h>
#include <random>
#include <vector>

namespace {

constexpr int kSymbols = 10000;
constexpr int kSamplesPerSymbol = 8;
constexpr double kRollOff = 0.35;
constexpr double kSymbolRate = 1e6;
// The receiver's matched filter spans ±16 symbols.
constexpr int kMatchedTaps = 2 * 16 * kSamplesPerSymbol + 1;
constexpr int kDefaultRuns = 7;

using Complex = std::complex<double>;

IQVector testSignal()
{
    const int margin = 60; // symbols on either side beyond what the receiver needs
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> value(0, 15);
    QVector<int> symbols(kSymbols + 2 * margin);
    for (int &s : symbols)
        s = value(rng);
    const IQVector points = createModulation(ModQAM16)->modulate(symbols);
    IQVector impulses(symbols.size() * kSamplesPerSymbol);
    for (int k = 0; k < points.size(); ++k)
        impulses[k * kSamplesPerSymbol] = points.at(k);
    FilterChain shaping;
    shaping.setType(FilterRootNyquist, {kRollOff});
    shaping.setOversampling(kSamplesPerSymbol);
    shaping.setTaps(32 * kSamplesPerSymbol);
    IQVector signal = shaping.apply(impulses);
    std::normal_distribution<double> gauss;
    double power = 0.0;
    for (const Complex &x : signal)
        power += std::norm(x);
    const double sigma = std::sqrt(power / signal.size() * kSamplesPerSymbol / 1000.0 / 2);
    for (int n = 0; n < signal.size(); ++n)
        signal[n] = signal[n] * std::polar(1.0, 2 * M_PI * 0.003 * n / kSamplesPerSymbol) + sigma * Complex(gauss(rng), gauss(rng));
    return signal;
}

// The floor: y[n] = Σ x[n − j]·h[j] for I and Q over every sample.
void matchedFilterPass(const std::vector<double> &re, const std::vector<double> &im, const std::vector<double> &h,
                       std::vector<double> &outRe, std::vector<double> &outIm)
{
    const int length = int(re.size());
    const int taps = int(h.size());
    for (int n = taps - 1; n < length; ++n) {
        const double *xr = re.data() + n - taps + 1;
        const double *xi = im.data() + n - taps + 1;
        double sr = 0.0, si = 0.0;
#pragma omp simd reduction(+ : sr, si)
        for (int j = 0; j < taps; ++j) {
            sr += xr[j] * h[size_t(j)];
            si += xi[j] * h[size_t(j)];
        }
        outRe[size_t(n)] = sr;
        outIm[size_t(n)] = si;
    }
}

double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv,
                              "[runs]\n  dm_core's analysis of 10 000 QAM16 symbols against one matched-filter pass\n", 1);
    const int runs = args.number(0, kDefaultRuns, 5);
    QCoreApplication app(argc, argv);
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dm_core")));
    auto setSignalFn = reinterpret_cast<decltype(&setSignal)>(library.resolve("setSignal"));
    auto analysisFn = reinterpret_cast<decltype(&analysis)>(library.resolve("analysis"));
    auto statisticFn = reinterpret_cast<decltype(&getCurrStatistic)>(library.resolve("getCurrStatistic"));
    if (!setSignalFn || !analysisFn || !statisticFn)
        return std::fprintf(stderr, "dm_core: %s\n", qPrintable(library.errorString())), 1;

    const IQVector signal = testSignal();
    const QString modulation = QStringLiteral("QAM16");
    const QString filter = QStringLiteral("Root Nyquist");
    setSignalFn(&signal, kSymbolRate * kSamplesPerSymbol, kSymbolRate, &modulation, 0, &filter, kRollOff);

    std::vector<double> re(size_t(signal.size())), im(size_t(signal.size()));
    for (int n = 0; n < signal.size(); ++n) {
        re[size_t(n)] = signal.at(n).real();
        im[size_t(n)] = signal.at(n).imag();
    }
    FilterChain matched;
    matched.setType(FilterRootNyquist, {kRollOff});
    matched.setOversampling(kSamplesPerSymbol);
    matched.setTaps(kMatchedTaps);
    const QVector<double> hq = matched.coefficients();
    const std::vector<double> h(hq.cbegin(), hq.cend());
    std::vector<double> outRe(re.size()), outIm(im.size());

    double best = 1e300, floor = 1e300;
    int analysedPoints = 0;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        analysedPoints = analysisFn(kSymbols).size();
        best = std::min(best, elapsedMs(timer));
        timer.restart();
        matchedFilterPass(re, im, h, outRe, outIm);
        floor = std::min(floor, elapsedMs(timer));
    }
    const DataAnalysis stats = statisticFn();
    std::printf("dm_core analysis of %d QAM16 symbols at %d samples per symbol, %d threads, min of %d runs\n",
                kSymbols, kSamplesPerSymbol, omp_get_max_threads(), runs);
    std::printf("  output points %d, EVM %.3f %%, MER %.2f dB (signal at 30 dB SNR)\n", analysedPoints, stats.evm, stats.mer);
    std::printf("analysis            : %8.2f ms\n", best);
    std::printf("floor (one %d-tap matched-filter pass over %d samples): %8.2f ms\n", int(h.size()), signal.size(), floor);
    std::printf("analysis / floor    : %.2f\n", best / floor);
    return 0;
}
