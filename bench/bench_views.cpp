// GUI-thread time of one update of the spectrum, I, Q and power views for a
// 100 k-sample selection, offscreen: handing the worker's series to the view and
// repainting it, as happens at every frame. The floor is a repaint of the view as
// it stands, holding the same points: what a frame adds is the hand-over. For
// scale, the time QPainter takes to draw the points as one polyline is shown too.
//   bench_views [runs]
#include "BenchArguments.h"
#include "BenchTiming.h"
#include "CalculateDate.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "ManagerSignal.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {
constexpr int kSamples = 100'000;
constexpr double kLimit = 2.0;

void drawPolyline(QImage &image, const QVector<QPointF> &series, const QRectF &bounds)
{
    image.fill(Qt::black);
    QPainter painter(&image);
    QPen pen(Qt::yellow, 1.0);
    pen.setCosmetic(true);  // one pixel wide whatever the scale, as a chart's line
    painter.setPen(pen);
    // The series' own units onto the image, as a chart maps them onto its plot area.
    painter.setTransform(QTransform::fromScale(image.width() / bounds.width(), -image.height() / bounds.height())
                         * QTransform::fromTranslate(-bounds.left() * image.width() / bounds.width(),
                                                     bounds.bottom() * image.height() / bounds.height()));
    painter.drawPolyline(series.constData(), series.size());
}

QRectF boundsOf(const QVector<QPointF> &series)
{
    QRectF bounds(series.first(), QSizeF(0, 0));
    for (const QPointF &p : series)
        bounds |= QRectF(p, QSizeF(1e-9, 1e-9));
    return bounds;
}
}

int main(int argc, char **argv)
{
    const BenchArguments args(argc, argv, "[runs]\n  one update of four views against repainting them unchanged\n", 1);
    const int runs = args.number(0, 11, kMinimumRuns);
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
    Entry entries[] = {{"spectrum", std::make_unique<DisplayFrequency>(&hub, &calculate), CalculateDateSlot::KindSpectrum},
                       {"I", std::make_unique<DisplayITime>(&hub, &calculate), CalculateDateSlot::KindI},
                       {"Q", std::make_unique<DisplayQTime>(&hub, &calculate), CalculateDateSlot::KindQ},
                       {"power", std::make_unique<DisplayPowerDiagram>(&hub, &calculate), CalculateDateSlot::KindPower}};
    bool isMet = true;
    std::printf("GUI-thread update of a view, %d-sample selection, 1280x720 offscreen, minimum of %d interleaved runs "
                "each\n", kSamples, runs);
    for (Entry &entry : entries) {
        Graphic *graphic = entry.view->graphic();
        graphic->resize(1280, 720);
        graphic->show();
        QApplication::processEvents();
        const int width = int(graphic->plotRect().width());
        const QVector<QPointF> series = calculate.requestSeries(1, entry.kind, width, 1);
        QImage image(graphic->plotRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
        const QRectF bounds = boundsOf(series);
        const auto update = [&] {
            entry.view->slotSetData(series);
            graphic->viewport()->repaint();
        };
        update();
        const BenchRatio r = interleavedMinimumMs(runs, [&] { graphic->viewport()->repaint(); }, update);
        const BenchRatio polyline = interleavedMinimumMs(kMinimumRuns, [&] { drawPolyline(image, series, bounds); }, [] {});
        const QString what = QStringLiteral("%1 (%2 points):").arg(QLatin1String(entry.name)).arg(series.size());
        isMet = printRatio(qPrintable(what), r, kLimit) && isMet;
        std::printf("  %-34s QPainter polyline alone %.3f ms\n", "", polyline.floorMs);
    }
    return isMet ? 0 : 1;
}
