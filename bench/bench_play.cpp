// Continuous play of a 2 M-sample recording in the vector-analysis mode with I, Q,
// spectrum and power frames and a 100 000-sample window: the time per frame shown,
// against the floor of one frame's work done directly in the GUI thread (the four
// series computed for the next window and handed to four views of the same size,
// each repainted once). Play runs of a second alternate with floor runs of ten
// frames; each side keeps its fastest run. Also reported: the longest GUI-thread
// handler during play.
//   build/bin/bench_play [runs] [window] [markers [PNG]]   (run under Xvfb or QT_QPA_PLATFORM=offscreen)
// With "markers" every view gets a marker on its maximum, and the spectrum two
// more with channel power, occupied bandwidth and RMS; PNG keeps a picture of the end.
// Also reported: chart repaints per frame shown, which overlays must not raise above 1.
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "DirectFrames.h"
#include "CalculateDate.h"
#include "DisplayGraphicSignal.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "LayoutFrames.h"
#include "LineConnection.h"
#include "MarkersInfo.h"
#include "ModeVecAnalysis.h"

#include <QApplication>
#include <QEventLoop>
#include <memory>
#include <QThread>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kRecordingSamples = 2'000'000;
constexpr int kPlayRunMs = 1000;
constexpr int kFloorFrames = 10;
constexpr double kLimit = 2.0;

QString writeRecording(const QString &folder)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, folder);
    IQVector samples(kRecordingSamples);
    for (int i = 0; i < kRecordingSamples; ++i)
        samples[i] = 0.4 * std::polar(1.0, 0.3 * i + 1e-6 * double(i) * i) + IQ(0.05 * std::sin(0.001 * i), 0.0);
    Signal record(samples);
    const QString path = folder + QStringLiteral("/play.owv");
    io.writeFile(path, {&record});
    return path;
}

// Counts the paint events of the chart views.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void addMarkers(ModeVecAnalysis &mode)
{
    for (DisplayGraphicSignal *view : mode.findChildren<DisplayGraphicSignal *>()) {
        MarkersInfo *markers = view->markers();
        markers->addMarker(view->axisX()->min())->setMode(MarkerMath::ModeMaximum);
        if (qobject_cast<DisplayFrequency *>(view)) {
            markers->setChannelPower(true);
            markers->setModeOBW(true);
            markers->setRms(true);
        }
    }
}
}  // namespace

// Times every event the GUI thread handles, to name the slowest one.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        QElapsedTimer timer;
        timer.start();
        const bool result = QApplication::notify(receiver, event);
        const qint64 ms = timer.elapsed();
        if (isTiming && ms > slowestMs && thread() == QThread::currentThread()) {
            slowestMs = ms;
            slowest = QStringLiteral("%1 to %2").arg(int(event->type())).arg(QString::fromLatin1(receiver->metaObject()->className()));
        }
        return result;
    }
    bool isTiming = false;
    qint64 slowestMs = 0;
    QString slowest;
};

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv,
                              "[runs] [window] [markers [PNG]]\n  play of a 2 M-sample recording in four views against "
                              "the same frames fed to four views directly\n",
                              4);
    const int runs = args.number(0, kMinimumRuns, kMinimumRuns);
    const int window = args.number(1, 100000, 16);
    const bool isMarkers = args.word(2) == "markers";
    if (!args.word(2).empty() && !isMarkers)
        return std::fprintf(stderr, "bench_play: error: the third argument can only be \"markers\"\n"), 2;
    const QString picture = QString::fromStdString(args.word(3));
    TimedApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = writeRecording(dir.path());

    ModeVecAnalysis mode;
    mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(2,2) I_Time(1,1) Q_Time(1,1) Spectrum(1,1) Power(1,1)}"));
    mode.resize(1600, 900);
    mode.show();
    QEventLoop loop;
    QObject::connect(mode.io(), &IOSignal::load, &loop, &QEventLoop::quit);
    mode.panel()->openSignal(path);
    loop.exec();
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    mode.selection()->setSizeSelection(window);
    if (isMarkers)
        addMarkers(mode);
    PaintCounter counter;
    int shown = 0;
    QSize viewSize;
    for (DisplayGraphicSignal *view : mode.findChildren<DisplayGraphicSignal *>()) {
        view->graphic()->viewport()->installEventFilter(&counter);
        QObject::connect(view, &DisplayGraphicSignal::dataShown, &mode, [&shown] { ++shown; });
        viewSize = view->graphic()->size();
    }
    ManagerSignal directHub(ParamSignal::ModeVA);
    directHub.slotSetSignal(mode.hub()->sourceSignals(), QStringLiteral("play.owv"));
    directHub.slotSetSignalReady(directHub.sourceSignals(), false);
    DirectFrames direct(directHub, viewSize, window);
    int directStart = 0;

    int frames = 0;
    QObject::connect(mode.hub(), &ManagerSignal::sendNewSelected, &mode, [&frames] { ++frames; });
    const auto playRun = [&] {
        frames = 0;
        mode.run();
        app.isTiming = true;
        QElapsedTimer timer;
        timer.start();
        QTimer::singleShot(kPlayRunMs, &loop, &QEventLoop::quit);
        loop.exec();
        const double perFrame = elapsedMs(timer) / std::max(1, frames);
        app.isTiming = false;
        mode.stopRun();
        QTimer::singleShot(200, &loop, &QEventLoop::quit);  // let the last frame finish
        loop.exec();
        return perFrame;
    };
    const auto floorRun = [&] {
        QElapsedTimer timer;
        timer.start();
        for (int f = 0; f < kFloorFrames; ++f) {
            directStart = (directStart + window) % (kRecordingSamples - window);
            direct.show(directStart);
        }
        return elapsedMs(timer) / kFloorFrames;
    };
    floorRun();
    BenchRatio r{1e300, 1e300};
    const int paintsBefore = counter.paints, shownBefore = shown;
    for (int i = 0; i < runs; ++i) {
        r.floorMs = std::min(r.floorMs, floorRun());
        r.measuredMs = std::min(r.measuredMs, playRun());
    }
    if (!picture.isEmpty())
        mode.grab().save(picture);

    std::printf("window %d samples (shown: %d), minimum of %d interleaved runs each (play %d ms, floor %d frames)\n",
                window, mode.hub()->selection(1).size(), runs, kPlayRunMs, kFloorFrames);
    std::printf("  play %.1f frames/s; %.2f chart repaints per view update\n", 1000.0 / r.measuredMs,
                shown > shownBefore ? double(counter.paints - paintsBefore) / (shown - shownBefore) : 0.0);
    std::printf("  slowest GUI-thread handler during play %lld ms: event type %s\n",
                static_cast<long long>(app.slowestMs), qPrintable(app.slowest));
    return printRatio("time per frame, play vs direct:", r, kLimit) ? 0 : 1;
}
