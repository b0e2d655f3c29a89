// Live acquisition from the simulated analyser into the vector-analysis mode with I,
// Q, spectrum and power frames: blocks of 10 000 points (at 10 MHz, so that a capture
// lasts 1 ms) read, analysed and drawn one after the other. Against the floor of the
// same work done directly in the GUI thread (a block read from the library, its four
// series computed and handed to four views of the same size, each repainted once).
// Acquisition runs of a second alternate with floor runs of ten blocks; each side
// keeps its fastest run.
//   build/bin/bench_acquisition [runs] [points]   (run under Xvfb or QT_QPA_PLATFORM=offscreen)
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "Device.h"
#include "DeviceSignal.h"
#include "DirectFrames.h"
#include "GuiSourceSetting.h"
#include "LayoutFrames.h"
#include "ModeVecAnalysis.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int kRunMs = 1000;
constexpr int kFloorBlocks = 10;
constexpr double kLimit = 2.0;
constexpr double kRequiredBlocksPerSecond = 30.0;
constexpr double kSampleRate = 10e6;
constexpr double kCarrier = 1e9;

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The library's read, called directly as the floor's source of blocks.
class DirectReader
{
public:
    explicit DirectReader(const QString &path) : m_library(path)
    {
        m_getData = reinterpret_cast<GetData>(m_library.resolve("getData"));
    }
    bool isValid() const { return m_getData != nullptr; }
    Signal read()
    {
        IQVector samples;
        m_getData(&samples);
        return Signal(samples);
    }

private:
    using GetData = void (*)(QVector<std::complex<double>> *);
    QLibrary m_library;
    GetData m_getData = nullptr;
};
}  // namespace

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv,
                              "[runs] [points]\n  live acquisition from the simulated analyser in four views against "
                              "the same blocks fed to four views directly\n",
                              2);
    const int runs = args.number(0, kMinimumRuns, kMinimumRuns);
    const int points = args.number(1, 10000, 100);
    QApplication app(argc, argv);

    const QString library = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("acq_bridge"));
    ModeVecAnalysis mode;
    DeviceSignal device(&mode, QStringLiteral("acq_bridge"));
    if (!device.canAcquire())
        return std::fprintf(stderr, "bench_acquisition: %s\n", qPrintable(device.device()->libraryError())), 1;
    mode.setDevice(&device);
    device.setManager(mode.hub());
    mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(2,2) I_Time(1,1) Q_Time(1,1) Spectrum(1,1) Power(1,1)}"));
    mode.resize(1600, 900);
    mode.show();
    mode.restoreSource(GuiSourceSetting::SourceSignalAnalyzer);
    device.setSourceSettings({kCarrier, kSampleRate, 0.0});
    device.setPoints(points);
    QMetaObject::invokeMethod(device.device(), [d = device.device()] {
        d->slotRefreshDevData();
        d->connect2ID(0);
    }, Qt::BlockingQueuedConnection);
    waitMs(300);
    if (!device.isConnected())
        return std::fprintf(stderr, "bench_acquisition: the simulated analyser does not connect\n"), 1;

    int blocks = 0;
    QObject::connect(mode.hub(), &ManagerSignal::sendNewSelected, &mode, [&blocks] { ++blocks; });
    QSize viewSize;
    for (DisplayGraphicSignal *view : mode.findChildren<DisplayGraphicSignal *>())
        viewSize = view->graphic()->size();
    ManagerSignal directHub(ParamSignal::ModeVA);
    DirectFrames direct(directHub, viewSize, points);
    DirectReader reader(library);  // the same library instance: it reads from the connected simulator

    const auto liveRun = [&] {
        blocks = 0;
        mode.run();
        QElapsedTimer timer;
        timer.start();
        waitMs(kRunMs);
        const double perBlock = elapsedMs(timer) / std::max(1, blocks);
        mode.stopRun();
        waitMs(200);  // let the last block finish
        return perBlock;
    };
    const auto floorRun = [&] {
        QElapsedTimer timer;
        timer.start();
        for (int b = 0; b < kFloorBlocks; ++b) {
            directHub.slotSetSignal(reader.read(), false);
            directHub.slotSetSignalReady(directHub.sourceSignals(), false);
            direct.show(0);
        }
        return elapsedMs(timer) / kFloorBlocks;
    };
    // The floor reads in this thread while the acquisition thread is idle between runs.
    floorRun();
    BenchRatio r{1e300, 1e300};
    for (int i = 0; i < std::max(runs, kMinimumRuns); ++i) {
        r.floorMs = std::min(r.floorMs, floorRun());
        r.measuredMs = std::min(r.measuredMs, liveRun());
    }
    const double blocksPerSecond = 1000.0 / r.measuredMs;
    std::printf("blocks of %d points at %.0f MHz, minimum of %d interleaved runs each (live %d ms, floor %d blocks)\n",
                points, kSampleRate / 1e6, std::max(runs, kMinimumRuns), kRunMs, kFloorBlocks);
    std::printf("  live acquisition %.1f blocks/s (required %.0f)\n", blocksPerSecond, kRequiredBlocksPerSecond);
    const bool isWithin = printRatio("time per block, live vs direct:", r, kLimit);
    return isWithin && blocksPerSecond >= kRequiredBlocksPerSecond ? 0 : 1;
}
