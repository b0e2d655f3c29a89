// Times a kind-3 (spectrum) request of CalculateDate over a 1 Mi-sample selection
// with one segment against the floor: the Blackman window multiply plus one
// execute of an already made FFTW plan of the same size.
//   bench_fft [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "CalculateDate.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kSize = 1 << 20;
constexpr int kPlotWidth = 1920;
constexpr double kLimit = 1.5;
}

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv, "[runs]\n  a 1 Mi-point spectrum request against window + fftw_execute\n", 1);
    const int runs = args.number(0, 21, kMinimumRuns);
    QCoreApplication app(argc, argv);
    if (!FftwLibrary::instance().isAvailable())
        return std::fprintf(stderr, "%s\n", qPrintable(FftwLibrary::instance().errorString())), 1;
    IQVector samples(kSize);
    for (int k = 0; k < kSize; ++k)
        samples[k] = std::polar(1.0, 0.3 * k) + IQ(1e-3 * std::sin(k * 0.7), 0.0);

    // Floor: window multiply and execute on a plan that already exists.
    FftwLibrary::Lease plan = FftwLibrary::instance().acquire(kSize);
    const QVector<double> window = AveragedFft::blackmanWindow(kSize);
    const auto bareFft = [&] {
        std::complex<double> *in = plan.in();
        for (int n = 0; n < kSize; ++n)
            in[n] = samples[n] * window[n];
        plan.execute();
    };

    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(samples), QStringLiteral("bench.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotSelectAllSignal(0);
    CalculateDate calculate(&hub);
    calculate.setCarrierFreq(1e9);
    QElapsedTimer first;
    first.start();
    const int points = calculate.requestSeries(1, CalculateDateSlot::KindSpectrum, kPlotWidth, 1).size();
    const double firstMs = elapsedMs(first);
    const BenchRatio r = interleavedMinimumMs(runs, bareFft, [&] {
        calculate.requestSeries(1, CalculateDateSlot::KindSpectrum, kPlotWidth, 1);
    });
    std::printf("spectrum of %d samples, A = 1, thinned to %d px (%d points), minimum of %d interleaved runs each\n",
                kSize, kPlotWidth, points, runs);
    const bool isMet = printRatio("kind-3 request vs window + execute:", r, kLimit);
    std::printf("  first request, plan made on the way: %.2f ms\n", firstMs);
    return isMet ? 0 : 1;
}
