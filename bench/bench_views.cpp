// GUI-thread time of one update of the spectrum, I, Q and power views for a
// 100 k-sample selection, offscreen: handing the worker's series to the view and
// repainting it, as happens at every frame.
#include "BenchTiming.h"
#include "CalculateDate.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplaySpectrum.h"
#include "Graphic.h"
#include "ManagerSignal.h"

#include <QApplication>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {
constexpr int kSamples = 100'000;
constexpr int kRuns = 21;
constexpr double kLimitMs = 20.0;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    IQVector samples(kSamples);
    for (int k = 0; k < kSamples; ++k)
        samples[k] = std::polar(0.8, 0.05 * k) + IQ(0.05 * std::sin(0.31 * k), 0.05 * std::cos(0.17 * k));
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(samples), QStringLiteral("bench.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotChangeSizeSelection(kSamples, false);
    hub.slotSelectAllSignal(0);
    CalculateDate calculate(&hub);
    calculate.setCarrierFreq(1e9);

    struct Entry { const char *name; std::unique_ptr<DisplayGraphicSignal> view; unsigned kind; };
    Entry entries[] = {{"spectrum", std::make_unique<DisplaySpectrum>(&hub, &calculate), CalculateDateSlot::KindSpectrum},
                       {"I", std::make_unique<DisplayITime>(&hub, &calculate), CalculateDateSlot::KindI},
                       {"Q", std::make_unique<DisplayQTime>(&hub, &calculate), CalculateDateSlot::KindQ},
                       {"power", std::make_unique<DisplayPowerDiagram>(&hub, &calculate), CalculateDateSlot::KindPower}};
    bool isMet = true;
    std::printf("GUI-thread update of a view, %d-sample selection, 1280x720 offscreen (limit %.0f ms)\n", kSamples,
                kLimitMs);
    for (Entry &entry : entries) {
        Graphic *graphic = entry.view->graphic();
        graphic->resize(1280, 720);
        graphic->show();
        QApplication::processEvents();
        const int width = int(graphic->plotRect().width());
        const QVector<QPointF> series = calculate.requestSeries(1, entry.kind, width, 1);
        const double ms = medianMs(kRuns, [&] {
            entry.view->slotSetData(series);
            graphic->viewport()->repaint();
        });
        std::printf("  %-8s %6d points  %6.2f ms\n", entry.name, series.size(), ms);
        isMet = isMet && ms < kLimitMs;
    }
    return isMet ? 0 : 1;
}
