// Times aclr_core's measurement of 2^21 samples (a 20 MHz LTE-like carrier at
// 30.72 MHz, single carrier, custom channels) against its floor: the FFTs the
// measurement needs (the same number of transforms of the same length, through
// the same FFTW plan), without windowing, power sums or band integration.
// Measured and floor runs alternate; the minimum of each is reported.
//
//   bench_aclr_core [runs]

#include "BenchArguments.h"
#include "BenchTiming.h"

#include "ACLRRecords.h"
#include "FftwLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {
constexpr int kSamples = 1 << 21;
constexpr int kFftLength = 8192;  // the library's transform for blocks this long
constexpr int kSegments = (kSamples - kFftLength) / (kFftLength / 2) + 1;  // half overlap
constexpr double kLimit = 2.0;
constexpr int kDefaultRuns = 7;

using Measurement = void (*)(const double *, const double *, double, const int32_t *, double, const double *,
                             const int16_t *, const int16_t *, const double *, ACLRCarrierRecord *,
                             ACLRChannelRecord *, ACLRStatusBlock *, ACLROutputArray *);
}  // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv, "[runs]\n  aclr_core on 2^21 samples against the FFTs it needs\n", 1);
    const int runs = args.number(0, kDefaultRuns, 5);
    QCoreApplication app(argc, argv);
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("aclr_core")));
    auto measure = reinterpret_cast<Measurement>(library.resolve("ACLRMeasurement"));
    if (!measure)
        return std::fprintf(stderr, "aclr_core: %s\n", qPrintable(library.errorString())), 1;

    std::mt19937 rng(5);
    std::normal_distribution<double> gauss;
    std::vector<double> i(kSamples), q(kSamples);
    // Noise through a one-pole low-pass: a carrier with skirts, enough for timing.
    double si = 0.0, sq = 0.0;
    for (int n = 0; n < kSamples; ++n) {
        si = 0.7 * si + gauss(rng);
        sq = 0.7 * sq + gauss(rng);
        i[size_t(n)] = 0.01 * si;
        q[size_t(n)] = 0.01 * sq;
    }
    const int32_t modes[5] = {ACLRStandardCustom, ACLRSingleCarrier, 0, 2, 10};
    const double offsets[2] = {0.0, 0.0};
    const int16_t codes[2] = {0, 0}, spacings[2] = {0, 0};
    const double channels[4] = {5e6, 10e6, 3.84e6, 3.84e6};
    ACLRCarrierRecord carriers[kACLRCarrierRecords];
    ACLRChannelRecord table[kACLRChannelRecords];
    ACLRStatusBlock status;
    std::vector<double> trace(kACLROutputCapacity);
    int32_t traceSize = 0;
    ACLROutputArray output{trace.data(), &traceSize, kACLROutputCapacity, 1, false};

    FftwLibrary fftw(QStringLiteral("fftw3"), 3);
    FftwLibrary::Lease plan = fftw.acquire(kFftLength);
    if (!plan.isValid())
        return std::fprintf(stderr, "%s\n", qPrintable(fftw.errorString())), 1;
    for (int n = 0; n < kFftLength; ++n)
        plan.in()[n] = {i[size_t(n)], q[size_t(n)]};

    const BenchRatio ratio = interleavedMinimumMs(
        runs,
        [&] {
            for (int s = 0; s < kSegments; ++s)
                plan.execute();
        },
        [&] { measure(i.data(), q.data(), 30.72e6, modes, 3.84e6, offsets, codes, spacings, channels, carriers, table, &status, &output); });
    if (status.status != ACLRStatusOk || status.samplesMeasured != kSamples)
        return std::fprintf(stderr, "aclr_core did not measure: status %d\n", status.status), 1;
    std::printf("aclr_core, %d samples (%d FFTs of %d), ADJ-L %.2f dBc:\n", kSamples, kSegments, kFftLength, table[0].dbc);
    return printRatio("measurement vs its FFTs", ratio, kLimit) ? 0 : 1;
}
