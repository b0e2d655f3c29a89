#include "CalculateDate.h"
#include "GraphicPixmap.h"
#include "GraphicSunset.h"
#include "ManagerSignal.h"
#include "Spectrogram.h"
#include "SpectrogramScale.h"
#include "TestEnvironment.h"
#include "WgtColor.h"

#include <QApplication>
#include <QtTest>
#include <cmath>

namespace {
IQVector tone(int n, double cyclesPerSample)
{
    IQVector x(n);
    for (int k = 0; k < n; ++k)
        x[k] = std::polar(1.0, 2 * M_PI * cyclesPerSample * k);
    return x;
}

// Aliased drawing may put a point on either neighbour of a pixel edge.
bool isRedNear(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.valid(x + dx, y + dy) && qRed(image.pixel(x + dx, y + dy)) == 255)
                return true;
        }
    }
    return false;
}

int brightestColumn(const QImage &image, int y)
{
    int best = 0;
    for (int x = 1; x < image.width(); ++x) {
        if (qGreen(image.pixel(x, y)) > qGreen(image.pixel(best, y)))
            best = x;
    }
    return best;
}
}  // namespace

class TestRenderers : public QObject
{
    Q_OBJECT
private slots:
    void sunsetFadesAFullTraceOutInFFrames()
    {
        QImage image(4, 3, QImage::Format_ARGB32);
        image.fill(qRgba(10, 20, 30, 255));
        image.setPixel(1, 1, qRgba(1, 2, 3, 0));
        GraphicSunset sunset(nullptr, 0, 5);
        sunset.stopThread();
        QCOMPARE(sunset.fadeStep(), 51.0);
        for (int frame = 1; frame <= 5; ++frame) {
            GraphicSunset::fade(image, sunset.fadeStep());
            QCOMPARE(qAlpha(image.pixel(0, 0)), 255 - 51 * frame);
        }
        QCOMPARE(image.pixel(3, 2), qRgba(10, 20, 30, 0));  // gone, colour kept
        QCOMPARE(image.pixel(1, 1), qRgba(1, 2, 3, 0));     // never below 0
    }

    void pixmapMapsPointsThroughTheAxisRanges()
    {
        GraphicPixmap renderer(nullptr, 0);
        renderer.stopThread();
        renderer.setColor(Qt::red);
        QImage image(101, 51, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        InterfaceGraphicData::PlotGeometry geometry;
        geometry.x0 = -1.0, geometry.x1 = 1.0, geometry.y0 = 0.0, geometry.y1 = 10.0;
        renderer.setLineMode(false);
        renderer.drawSeries(image, {{0.0, 5.0}, {-1.0, 10.0}}, geometry);
        // x 0 of [-1, 1] is column 50.5, y 5 of [0, 10] row 25.5; (-1, 10) is the top-left corner.
        QVERIFY(isRedNear(image, 50, 25));
        QVERIFY(isRedNear(image, 0, 0));
        QVERIFY(!isRedNear(image, 75, 40));
        // In range mode x spans the series itself: its first point lands at the left edge.
        image.fill(Qt::transparent);
        renderer.setRangeMode(true);
        renderer.drawSeries(image, {{0.0, 5.0}, {0.5, 5.0}, {1.0, 5.0}}, geometry);
        QVERIFY(isRedNear(image, 0, 25));
        QVERIFY(isRedNear(image, 50, 25));
        QVERIFY(!isRedNear(image, 50, 10));
    }

    void colourScaleMapsLevelsLinearlyAndClampsOutside()
    {
        SpectrogramScale scale;
        QCOMPARE(scale.colorOf(-200.0), qRgb(40, 40, 40));
        QCOMPARE(scale.colorOf(-140.0), qRgb(40, 40, 40));
        QCOMPARE(scale.colorOf(30.0), qRgb(179, 244, 167));
        // -70 dB, half way: 40 + 139/2, 40 + 204/2, 40 + 127/2, truncated.
        QCOMPARE(scale.colorOf(-70.0), qRgb(109, 142, 103));
        for (double level = -150.0; level <= 10.0; level += 0.37) {
            const QRgb exact = scale.colorOf(level), table = scale.lookup(level);
            QVERIFY(std::abs(qRed(exact) - qRed(table)) <= 1 && std::abs(qGreen(exact) - qGreen(table)) <= 1);
        }
        QVERIFY(!scale.setLowLevel(-140.0 * (1 + 1e-14)));  // the same within 1e-12
        QVERIFY(scale.setLowLevel(-120.0));
        QCOMPARE(scale.colorOf(-130.0), qRgb(40, 40, 40));
    }

    void spectrogramRowScrollsUpAndPaintsTheBottom()
    {
        SpectrogramScale scale;
        QImage image(8, 4, QImage::Format_ARGB32);
        image.fill(qRgb(1, 2, 3));
        image.setPixel(0, 3, qRgb(7, 7, 7));
        // Sixteen points on eight columns: the higher level of each pair shows.
        QVector<QPointF> spectrum(16, QPointF(0, -500.0));
        spectrum[5] = QPointF(0, 50.0);
        Spectrogram::addRow(image, spectrum, scale, 2);
        QCOMPARE(image.pixel(0, 1), qRgb(7, 7, 7));  // moved up by the row height
        for (int y : {2, 3}) {
            QCOMPARE(image.pixel(2, y), qRgb(179, 244, 167));
            QCOMPARE(image.pixel(3, y), qRgb(40, 40, 40));
        }
    }

    void spectrogramRebuildsFromTheReadyHistoryAndIgnoresRepeatedLevels()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        hub.slotSetSignal(Signal(tone(256, 0.0)), QStringLiteral("t.owv"));
        hub.setReadyHistoryCapacity(3);
        for (double f : {-0.25, 0.0, 0.25})
            hub.slotSetSignalReady(QVector<Signal>{Signal(tone(256, f))});
        hub.slotSelectAllSignal(0);
        CalculateDate calculate(&hub);
        Spectrogram spectrogram(&calculate);
        InterfaceGraphicData::PlotGeometry geometry;
        geometry.plotSize = QSize(256, 10);
        spectrogram.setPlotGeometry(geometry);
        QSignalSpy frames(&spectrogram, &InterfaceDisplayData::sendPixmap);
        spectrogram.requestRepaint();
        QVERIFY(frames.wait(10000));
        const QImage image = frames.takeFirst().at(0).value<QImage>();
        QCOMPARE(image.size(), QSize(256, 10));
        // Oldest at the top, newest at the bottom: -Fs/4, 0, +Fs/4 of a 257-point spectrum.
        QVERIFY(std::abs(brightestColumn(image, 7) - 64) <= 1);
        QVERIFY(std::abs(brightestColumn(image, 8) - 128) <= 1);
        QVERIFY(std::abs(brightestColumn(image, 9) - 192) <= 1);
        QCOMPARE(image.pixel(10, 0), qRgb(40, 40, 40));  // rows without history stay low
        QVERIFY(!spectrogram.isRedrawPending());
        spectrogram.setLowLevel(-140.0);
        QVERIFY(!spectrogram.isRedrawPending());
        spectrogram.setLowLevel(-100.0);
        QVERIFY(spectrogram.isRedrawPending());
        spectrogram.stopThread();
    }

    void colourBarIsAVerticalGradientFromHighToLow()
    {
        WgtColor bar;
        bar.setColors(QColor(179, 244, 167), QColor(40, 40, 40));
        QCOMPARE(bar.styleSheet(),
                 QStringLiteral("QWidget { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,stop:0 rgb(179, 244, 167) "
                                "stop:1 rgb(40, 40, 40));}"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestEnvironment environment;
    TestRenderers test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Renderers.moc"
