// Continuous play of a 2 M-sample recording in the vector-analysis mode with I, Q,
// spectrum and power frames and a 100 000-sample window: the frame rate the FPS
// readout reports, and the longest stretch the GUI thread could not answer.
//   build/bin/bench_play [seconds] [window] [markers [PNG]]   (run under Xvfb or QT_QPA_PLATFORM=offscreen)
// With "markers" every view gets a marker on its maximum, and the spectrum two
// more with channel power, occupied bandwidth and RMS; PNG keeps a picture of the end.
// Also reported: chart repaints per frame shown, which overlays must not raise above 1.
#include "DisplayGraphicSignal.h"
#include "DisplaySpectrum.h"
#include "Graphic.h"
#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "LayoutFrames.h"
#include "LineConnection.h"
#include "MarkersInfo.h"
#include "ModeVecAnalysis.h"

#include <QApplication>
#include <QThread>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kRecordingSamples = 2'000'000;

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
        if (qobject_cast<DisplaySpectrum *>(view)) {
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
    TimedApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 8;
    const int window = argc > 2 ? std::atoi(argv[2]) : 100000;
    const bool isMarkers = argc > 3 && QLatin1String(argv[3]) == QLatin1String("markers");
    const QString picture = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    QTemporaryDir dir;
    const QString path = writeRecording(dir.path());

    ModeVecAnalysis mode;
    mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(2,2) I_Time(1,1) Q_Time(1,1) Spectrum(1,1) Power(1,1)}"));
    mode.resize(1600, 900);
    mode.show();
    QVector<int> rates;
    QObject::connect(mode.pacer(), &SimpleEngine::changeFPS, &mode, [&rates](int fps) { rates.append(fps); });

    // The GUI thread's answer time: a 2 ms timer that notes how late it fires.
    qint64 worstGapMs = 0;
    QElapsedTimer clock;
    QTimer probe;
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, &mode, [&] {
        worstGapMs = std::max(worstGapMs, clock.restart());
    });

    QObject::connect(mode.io(), &IOSignal::load, &mode, [&] {
        QTimer::singleShot(300, &mode, [&] {
            mode.selection()->setSizeSelection(window);
            if (isMarkers)
                addMarkers(mode);
            QTimer::singleShot(300, &mode, [&] {
                mode.run();
                app.isTiming = true;
                clock.start();
                probe.start();
                QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
            });
        });
    });
    mode.panel()->openSignal(path);
    PaintCounter counter;
    int frames = 0;
    for (DisplayGraphicSignal *view : mode.findChildren<DisplayGraphicSignal *>()) {
        view->graphic()->viewport()->installEventFilter(&counter);
        QObject::connect(view, &DisplayGraphicSignal::dataShown, &mode, [&frames] { ++frames; });
    }
    app.exec();
    mode.stopRun();
    if (!picture.isEmpty())
        mode.grab().save(picture);

    std::sort(rates.begin(), rates.end());
    const int median = rates.isEmpty() ? 0 : rates.at(rates.size() / 2);
    std::printf("window %d samples (shown: %d), %d FPS readouts:", window, mode.hub()->selection(1).size(),
                int(rates.size()));
    for (int fps : rates)
        std::printf(" %d", fps);
    std::printf("\n%.2f chart repaints per frame shown", frames > 0 ? double(counter.paints) / frames : 0.0);
    std::printf("\nmedian %d frames per second (need at least 30); longest GUI-thread stall %lld ms\n",
                median, static_cast<long long>(worstGapMs));
    std::printf("slowest GUI-thread handler %lld ms (limit 50): event type %s\n",
                static_cast<long long>(app.slowestMs), qPrintable(app.slowest));
    // The stall also counts time the GUI thread waited for a core on a busy machine;
    // the handler time is what the program itself spends.
    return median >= 30 && app.slowestMs <= 50 ? 0 : 1;
}
