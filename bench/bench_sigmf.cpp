// Loading a cf32_le SigMF recording through IOSignal, against the floor: the same
// data bytes read into memory and converted to complex doubles in a tight loop.
// The recording is made in a temporary folder at start and removed at the end.
//   bench_sigmf [samples] [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "IOSignal.h"
#include "ManagerSignal.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr double kReadLimit = 3.0;

// Writes `samples` cf32_le samples of a slow chirp in blocks, and the metadata beside them.
bool writeRecording(const QString &base, int samples)
{
    QFile data(base + QStringLiteral(".sigmf-data"));
    if (!data.open(QIODevice::WriteOnly))
        return false;
    constexpr int kBlock = 1 << 20;
    std::vector<float> block(2 * size_t(kBlock));
    for (int first = 0; first < samples; first += kBlock) {
        const int count = std::min(kBlock, samples - first);
        for (int i = 0; i < count; ++i) {
            const double phase = 1e-7 * double(first + i) * double(first + i);
            block[2 * size_t(i)] = qToLittleEndian(float(0.7 * std::cos(phase)));
            block[2 * size_t(i) + 1] = qToLittleEndian(float(0.7 * std::sin(phase)));
        }
        const qint64 bytes = qint64(count) * 8;
        if (data.write(reinterpret_cast<const char *>(block.data()), bytes) != bytes)
            return false;
    }
    QFile meta(base + QStringLiteral(".sigmf-meta"));
    return meta.open(QIODevice::WriteOnly)
           && meta.write(R"({"global": {"core:datatype": "cf32_le", "core:version": "1.0.0", "core:sample_rate": 20000000},
               "captures": [{"core:sample_start": 0, "core:frequency": 2.4e9}],
               "annotations": [{"core:sample_start": 1000, "core:sample_count": 5000, "core:label": "burst"}]})")
                  > 0;
}

// The floor of a read: the data bytes into memory, then a plain conversion loop.
IQVector floorRead(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const int n = int(bytes.size() / 8);
    IQVector out(n);
    const char *p = bytes.constData();
    for (int i = 0; i < n; ++i, p += 8)
        out[i] = IQ(qFromLittleEndian<float>(p), qFromLittleEndian<float>(p + 4));
    return out;
}
}  // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv,
                              "[samples] [runs]\n  loading a cf32_le SigMF recording (default 50 000 000 samples) "
                              "against a plain read and conversion of its data bytes\n",
                              2);
    const int samples = args.number(0, 50'000'000);
    const int runs = args.number(1, kMinimumRuns, kMinimumRuns);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("bench"));
    if (!writeRecording(base, samples))
        return std::fprintf(stderr, "bench_sigmf: cannot write into %s\n", qPrintable(dir.path())), 1;
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, dir.path());
    io.setRegisterEnabled(false);
    const QString metaPath = base + QStringLiteral(".sigmf-meta");
    const QString dataPath = base + QStringLiteral(".sigmf-data");

    volatile double sink = 0.0;
    const BenchRatio read = interleavedMinimumMs(
        runs, [&] { sink = sink + floorRead(dataPath).last().real(); },
        [&] {
            io.readFile(metaPath);
            sink = sink + hub.sourceSignal(0).samples().last().real();
        });
    if (hub.sourceSignal(0).size() != samples || hub.fileInformation().annotations().size() != 1) {
        std::fprintf(stderr, "bench_sigmf: read %d samples, expected %d\n", hub.sourceSignal(0).size(), samples);
        return 1;
    }
    std::printf("samples %d, data %.1f MB, minimum of %d interleaved runs each\n", samples, samples * 8 / 1e6, runs);
    return printRatio("SigMF cf32 load vs bytes + loop:", read, kReadLimit) ? 0 : 1;
}
