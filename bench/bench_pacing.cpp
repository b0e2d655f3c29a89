// Frame pacing with zero delay and a trivial frame: the pacer's thread asks for the
// next frame, the GUI thread answers at once, as play does with nothing to draw.
// The floor is the same round trip without the pacer: a bare object in its own
// thread that signals the GUI thread, which calls it back queued.
//   bench_pacing [frames] [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "SimpleEngine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <cstdio>

namespace {
constexpr double kLimit = 2.0;

// The floor's worker: asks for a frame whenever it is called back.
class PingWorker : public QObject
{
    Q_OBJECT
signals:
    void next();
public slots:
    void step() { emit next(); }
};

}  // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv, "[frames] [runs]\n  zero-delay frame pacing against a bare thread round trip\n", 2);
    // Many short runs: on a busy machine the scheduler may keep the two threads on
    // one core for a while, and a short run soon sees them placed apart again.
    const int frames = args.number(0, 1000, 10);
    const int runs = args.number(1, 15, kMinimumRuns);
    QCoreApplication app(argc, argv);

    // Each side answers its worker in this thread and quits the loop after `frames`.
    QEventLoop loop;
    int count = 0;
    const auto answer = [&](auto callBack) {
        if (++count >= frames)
            loop.quit();
        else
            callBack();
    };

    SimpleEngine engine;
    QObject engineAnswerer;
    QObject::connect(&engine, &SimpleEngine::nextCadre, &engineAnswerer, [&] {
        answer([&] { QMetaObject::invokeMethod(&engine, &SimpleEngine::runNextCadre, Qt::QueuedConnection); });
    });
    const auto paced = [&] {
        count = 0;
        QMetaObject::invokeMethod(&engine, &SimpleEngine::begin, Qt::QueuedConnection);
        loop.exec();
        QMetaObject::invokeMethod(&engine, &SimpleEngine::end, Qt::BlockingQueuedConnection);
    };

    QThread workerThread;
    PingWorker worker;
    worker.moveToThread(&workerThread);
    workerThread.start();
    QObject workerAnswerer;
    QObject::connect(&worker, &PingWorker::next, &workerAnswerer, [&] {
        answer([&] { QMetaObject::invokeMethod(&worker, &PingWorker::step, Qt::QueuedConnection); });
    });
    const auto bare = [&] {
        count = 0;
        QMetaObject::invokeMethod(&worker, &PingWorker::step, Qt::QueuedConnection);
        loop.exec();
    };

    const BenchRatio r = interleavedMinimumMs(runs, bare, paced);
    workerThread.quit();
    workerThread.wait();
    std::printf("%d frames per run, minimum of %d interleaved runs each: paced %.0f frames/s, bare %.0f round trips/s\n",
                frames, runs, frames / r.measuredMs * 1e3, frames / r.floorMs * 1e3);
    return printRatio("pacer vs bare round trip:", r, kLimit) ? 0 : 1;
}

#include "bench_pacing.moc"
