// Loading and writing a single-precision .owv through IOSignal, against the floor:
// for the read, the same bytes read into memory and converted to complex doubles in
// a tight loop; for the write, the samples converted to 16-bit codes in a tight loop
// and written with one QSaveFile write. IOSignal saves through QSaveFile (a
// temporary file, synced to disk, then renamed) so that a crash never leaves half a
// recording, so its floor carries that sync too.
//   bench_io [samples] [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "IOSignal.h"
#include "ManagerSignal.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {
constexpr double kReadLimit = 3.0;
constexpr double kWriteLimit = 3.0;

IQVector testSignal(int n)
{
    IQVector samples(n);
    for (int i = 0; i < n; ++i)
        samples[i] = IQ(((i * 7919) % 65535 - 32767) / 32768.0, ((i * 104729) % 65535 - 32767) / 32768.0);
    return samples;
}

// The floor of a read: bytes into memory, then a plain conversion loop.
IQVector floorRead(const QString &path, qint64 dataOffset)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const int n = int((bytes.size() - dataOffset) / 4);
    IQVector out(n);
    const char *p = bytes.constData() + dataOffset;
    for (int i = 0; i < n; ++i, p += 4)
        out[i] = IQ(qFromLittleEndian<qint16>(p) / 32767.0, qFromLittleEndian<qint16>(p + 2) / 32767.0);
    return out;
}

void floorWrite(const QString &path, const QByteArray &header, const IQVector &samples)
{
    std::vector<qint16> codes(2 * size_t(samples.size()));
    for (int i = 0; i < samples.size(); ++i) {
        codes[2 * size_t(i)] = qToLittleEndian(qint16(samples[i].real() * 32767.0));
        codes[2 * size_t(i) + 1] = qToLittleEndian(qint16(samples[i].imag() * 32767.0));
    }
    QSaveFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(header);
    out.write(reinterpret_cast<const char *>(codes.data()), qint64(codes.size() * sizeof(qint16)));
    out.write("}", 1);
    out.commit();
}
}  // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv,
                              "[samples] [runs]\n  read and write of a 16-bit .owv (default 10 000 000 samples) "
                              "against plain reads and writes of its bytes\n",
                              2);
    const int samples = args.number(0, 10'000'000);
    const int runs = args.number(1, kMinimumRuns, kMinimumRuns);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.owv"));
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, dir.path());
    io.setRegisterEnabled(false);
    Signal record(testSignal(samples));
    if (!io.writeFile(path, {&record}))
        return std::fprintf(stderr, "bench_io: cannot write into %s\n", qPrintable(dir.path())), 1;
    QFile written(path);
    written.open(QIODevice::ReadOnly);
    const QByteArray bytes = written.readAll();
    const qint64 dataOffset = bytes.indexOf('#') + 1;

    const BenchRatio write = interleavedMinimumMs(
        runs, [&] { floorWrite(dir.filePath(QStringLiteral("floor.owv")), bytes.left(dataOffset), record.samples()); },
        [&] { io.writeFile(path, {&record}); });
    volatile double sink = 0.0;
    const BenchRatio read = interleavedMinimumMs(
        runs, [&] { sink = sink + floorRead(path, dataOffset).last().real(); },
        [&] {
            io.readFile(path);
            sink = sink + hub.sourceSignal(0).samples().last().real();
        });
    if (hub.sourceSignal(0).size() != samples) {
        std::fprintf(stderr, "bench_io: read %d samples, expected %d\n", hub.sourceSignal(0).size(), samples);
        return 1;
    }
    std::printf("samples %d, file %.1f MB, minimum of %d interleaved runs each\n", samples, bytes.size() / 1e6, runs);
    const bool isReadMet = printRatio("read: IOSignal vs bytes + loop:", read, kReadLimit);
    const bool isWriteMet = printRatio("write: IOSignal vs loop + QSaveFile:", write, kWriteLimit);
    return isReadMet && isWriteMet ? 0 : 1;
}
