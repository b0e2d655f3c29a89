#include "AnnotationOverlay.h"
#include "CalculateDate.h"
#include "DisplayITime.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "TestEnvironment.h"

#include <QtTest>
#include <cmath>

namespace {
SignalAnnotation marked(qint64 start, qint64 count, const QString &label)
{
    SignalAnnotation a;
    a.start = start;
    a.count = count;
    a.label = label;
    return a;
}

SignalAnnotation band(qint64 start, qint64 count, double low, double high)
{
    SignalAnnotation a = marked(start, count, QStringLiteral("band"));
    a.hasFrequencies = true;
    a.lowerEdge = low;
    a.upperEdge = high;
    return a;
}

bool isBoxColour(QRgb pixel) { return qRed(pixel) > 230 && qGreen(pixel) > 150 && qGreen(pixel) < 200 && qBlue(pixel) < 40; }
}  // namespace

class tst_AnnotationOverlay : public QObject
{
    Q_OBJECT
private slots:
    void timeViewsBoxTheAnnotatedSamplesOfTheWindow();
    void spectrogramBoxesRowsAndFrequencyEdges();
    void timeViewDrawsTheBoxWhereTheSamplesAre();
};

void tst_AnnotationOverlay::timeViewsBoxTheAnnotatedSamplesOfTheWindow()
{
    const QRectF plot(100, 50, 800, 400);
    // Window of 2000 samples from 10000 on an axis of 0 .. 2000: 0.4 pixel a sample.
    const auto boxes = AnnotationOverlay::timeBoxes(
        {marked(10500, 500, QStringLiteral("inside")), marked(9000, 1200, QStringLiteral("from before")),
         marked(12000, 100, QStringLiteral("behind")), marked(0, 10000, QStringLiteral("ends at the start"))},
        10000, 2000, 1.0, 0.0, 2000.0, plot);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0].rect, QRectF(300, 50, 200, 400));
    QCOMPARE(boxes[0].caption, QStringLiteral("inside"));
    QCOMPARE(boxes[1].rect, QRectF(100, 50, 80, 400));  // cut at the plot's left edge
    // An axis that shows part of the window (zoomed) moves the box with it.
    const auto zoomed = AnnotationOverlay::timeBoxes({marked(10500, 500, QString())}, 10000, 2000, 1.0, 400.0, 800.0, plot);
    QCOMPARE(zoomed.size(), 1);
    QCOMPARE(zoomed[0].rect, QRectF(300, 50, 600, 400));
}

void tst_AnnotationOverlay::spectrogramBoxesRowsAndFrequencyEdges()
{
    const QRectF plot(0, 0, 1000, 500);
    // Newest window 20000 .. 21999 in the bottom row; rows 500 samples apart, 2 pixels high;
    // 99 .. 101 MHz across the width.
    const auto boxes = AnnotationOverlay::waterfallBoxes(
        {band(19000, 500, 100.5e6, 100.6e6), marked(22000, 10, QStringLiteral("not played")),
         band(19000, 500, 90e6, 95e6), marked(15000, 1000, QStringLiteral("all band"))},
        20000, 2000, 500, 100e6, 2e6, 2, plot);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0].rect, QRectF(750, 494, 50, 2));
    QCOMPARE(boxes[1].rect, QRectF(0, 478, 1000, 4));
    QCOMPARE(boxes[1].caption, QStringLiteral("all band"));
    // Older than the image holds: gone.
    QVERIFY(AnnotationOverlay::waterfallBoxes({marked(0, 1000, QString())}, 1000000, 2000, 500, 100e6, 2e6, 1, plot).isEmpty());
}

void tst_AnnotationOverlay::timeViewDrawsTheBoxWhereTheSamplesAre()
{
    TestEnvironment env;
    ManagerSignal hub(ParamSignal::ModeVA);
    IQVector samples(2000);
    for (int k = 0; k < samples.size(); ++k)
        samples[k] = IQ(0.5 * std::sin(0.05 * k), 0.0);
    hub.slotSetSignal(Signal(samples), QStringLiteral("marked.sigmf-meta"));
    hub.fileInformation().setAnnotations({marked(1000, 500, QStringLiteral("burst"))});
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotSelectAllSignal(0);
    CalculateDate calculate(&hub);
    DisplayITime view(&hub, &calculate);
    QSignalSpy shown(&view, &DisplayGraphicSignal::dataShown);
    view.graphic()->resize(900, 400);
    view.graphic()->show();
    view.slotRepaint();
    QVERIFY(shown.wait(10000));
    const QImage image = view.graphic()->grab().toImage();
    const QRectF plot = view.graphic()->plotRect();
    const double perSample = plot.width() / (view.axisX()->max() - view.axisX()->min());
    const int left = int(plot.left() + (1000 - view.axisX()->min()) * perSample);
    const int right = int(plot.left() + (1500 - view.axisX()->min()) * perSample);
    const int y = int(plot.center().y()) + 37;
    QVector<int> edges;
    for (int x = int(plot.left()); x < int(plot.right()); ++x) {
        if (isBoxColour(image.pixel(x, y)))
            edges.append(x);
    }
    QVERIFY2(edges.size() >= 2, qPrintable(QStringLiteral("no box edge in row %1").arg(y)));
    QVERIFY2(std::abs(edges.first() - left) <= 2 && std::abs(edges.last() - right) <= 2,
             qPrintable(QStringLiteral("edges %1 .. %2, expected %3 .. %4").arg(edges.first()).arg(edges.last()).arg(left).arg(right)));
}

QTEST_MAIN(tst_AnnotationOverlay)
#include "tst_AnnotationOverlay.moc"
