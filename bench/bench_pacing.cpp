// Frame pacing with zero delay and a trivial frame: the engine thread asks for the
// next frame, the GUI thread answers at once, as play does with nothing to draw.
//   build/bin/bench_pacing [seconds]
#include "SimpleEngine.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 3;
    SimpleEngine engine;
    int best = 0;
    QObject frameHandler;  // lives in the GUI thread, like the selection bar
    QObject::connect(&engine, &SimpleEngine::nextCadre, &frameHandler,
                     [&engine] { QMetaObject::invokeMethod(&engine, &SimpleEngine::runNextCadre, Qt::QueuedConnection); });
    QObject::connect(&engine, &SimpleEngine::changeFPS, &frameHandler, [&best](int fps) {
        best = std::max(best, fps);
        std::printf("%d FPS\n", fps);
    });
    QMetaObject::invokeMethod(&engine, &SimpleEngine::begin, Qt::QueuedConnection);
    QTimer::singleShot(seconds * 1000 + 100, &app, [&] {
        QMetaObject::invokeMethod(&engine, &SimpleEngine::end, Qt::BlockingQueuedConnection);
        app.quit();
    });
    app.exec();
    std::printf("best %d frames per second (limit: at least 1000)\n", best);
    return best >= 1000 ? 0 : 1;
}
