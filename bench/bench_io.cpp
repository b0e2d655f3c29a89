// Loading and writing a 50 M-sample single-precision .owv through IOSignal, against
// the floor: the same bytes read into memory and converted to complex doubles in a
// tight loop, and the same bytes written with one call. IOSignal saves through
// QSaveFile (a temporary file, synced to disk, then renamed) so that a crash never
// leaves half a recording; the write is also compared with one QSaveFile write of
// the same bytes, which carries that same sync.
//   build/bin/bench_io [samples] [repeats]
#include "IOSignal.h"
#include "ManagerSignal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
double bestSeconds(int repeats, const std::function<void()> &work)
{
    double best = 1e30;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() * 1e-9);
    }
    return best;
}

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
}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 50'000'000;
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.owv"));
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, dir.path());
    io.setRegisterEnabled(false);
    Signal record(testSignal(samples));

    const double ours = bestSeconds(repeats, [&] { io.writeFile(path, {&record}); });
    QFile written(path);
    written.open(QIODevice::ReadOnly);
    const QByteArray bytes = written.readAll();
    const qint64 dataOffset = bytes.indexOf('#') + 1;
    const double writeFloor = bestSeconds(repeats, [&] {
        QFile out(dir.filePath(QStringLiteral("floor.owv")));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    });
    const double safeWriteFloor = bestSeconds(repeats, [&] {
        QSaveFile out(dir.filePath(QStringLiteral("safe-floor.owv")));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
    });

    volatile double sink = 0.0;
    const double readFloor = bestSeconds(repeats, [&] { sink = sink + floorRead(path, dataOffset).last().real(); });
    const double readOurs = bestSeconds(repeats, [&] {
        io.readFile(path);
        sink = sink + hub.sourceSignal(0).samples().last().real();
    });
    if (hub.sourceSignal(0).size() != samples) {
        std::fprintf(stderr, "bench_io: read %d samples, expected %d\n", hub.sourceSignal(0).size(), samples);
        return 1;
    }
    std::printf("samples %d, file %.1f MB, best of %d\n", samples, bytes.size() / 1e6, repeats);
    std::printf("read : IOSignal %.3f s, floor %.3f s, ratio %.2f (limit 3)\n", readOurs, readFloor, readOurs / readFloor);
    std::printf("write: IOSignal %.3f s, floor %.3f s, ratio %.2f (limit 3)\n", ours, writeFloor, ours / writeFloor);
    std::printf("write: IOSignal %.3f s, synced floor %.3f s, ratio %.2f\n", ours, safeWriteFloor, ours / safeWriteFloor);
    return 0;
}
