#include "CalculateDate.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "NiceAxis.h"
#include "ParamVectorAnalysis.h"
#include "SeriesThinning.h"
#include "TestEnvironment.h"
#include "autoLimitOY.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {
IQVector ramp(int n, double scale = 1.0)
{
    IQVector x(n);
    for (int k = 0; k < n; ++k)
        x[k] = IQ(scale * std::sin(0.01 * k), scale * std::cos(0.013 * k));
    return x;
}

void deliver(ManagerSignal &hub, const IQVector &samples)
{
    hub.slotSetSignal(Signal(samples), QStringLiteral("test.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotSelectAllSignal(0);
}

// Shows the view offscreen and waits for its worker's next series.
bool showAndWait(DisplayGraphicSignal &view)
{
    QSignalSpy shown(&view, &DisplayGraphicSignal::dataShown);
    view.graphic()->resize(800, 400);
    view.graphic()->show();
    view.slotRepaint();
    return shown.wait(10000);
}
}  // namespace

class TestDisplayViews : public QObject
{
    Q_OBJECT
private slots:
    void timeViewsTitleTheirAxesByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("iTitle");
        QTest::addColumn<double>("iMax");
        QTest::addColumn<QString>("powerTitle");
        QTest::addColumn<double>("powerMax");
        QTest::newRow("DM") << int(ParamSignal::ModeDM) << "Symbols" << 1999.0 << "Symbols" << 1999.0;
        QTest::newRow("VA") << int(ParamSignal::ModeVA) << "Points" << 1999.0 << "Points" << 1999.0;
        QTest::newRow("5G") << int(ParamSignal::Mode5G) << "Time (ms)" << 10.0 << "Time (ms)" << 9.0;
        QTest::newRow("LTE") << int(ParamSignal::Mode4G) << "Time (ms)" << 10.0 << "Symbols" << 1999.0;
    }
    void timeViewsTitleTheirAxesByMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, iTitle);
        QFETCH(double, iMax);
        QFETCH(QString, powerTitle);
        QFETCH(double, powerMax);
        ManagerSignal hub(mode);
        CalculateDate calculate(&hub);
        DisplayITime i(&hub, &calculate);
        DisplayQTime q(&hub, &calculate);
        DisplayPowerDiagram power(&hub, &calculate);
        QCOMPARE(i.chart()->title(), QStringLiteral("I Time"));
        QCOMPARE(q.chart()->title(), QStringLiteral("Q Time"));
        QCOMPARE(power.chart()->title(), QStringLiteral("Power"));
        QCOMPARE(i.axisY()->titleText(), QStringLiteral("I - channel (V)"));
        QCOMPARE(q.axisY()->titleText(), QStringLiteral("Q - channel (V)"));
        QCOMPARE(power.axisY()->titleText(), QStringLiteral("Power (dBm)"));
        QCOMPARE(i.axisX()->titleText(), iTitle);
        QCOMPARE(q.axisX()->titleText(), iTitle);
        QCOMPARE(i.axisX()->max(), iMax);
        QCOMPARE(power.axisX()->titleText(), powerTitle);
        QCOMPARE(power.axisX()->max(), powerMax);
        QCOMPARE(i.axisX()->labelFormat(), QString(iMax == 10.0 ? "%.2g" : "%.0f"));
        QCOMPARE(i.axisY()->min(), -1.1);
        QCOMPARE(power.axisY()->min(), -176.0);
        QCOMPARE(power.axisY()->max(), 20.0);
        QVERIFY(!i.chart()->legend()->isVisible());
        QCOMPARE(i.graphic()->minimumSize(), QSize(30, 50));
    }

    void viewsDrawInTheGuiThreadWhatTheWorkerComputedElsewhere()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, ramp(50000));
        CalculateDate calculate(&hub);
        DisplayITime view(&hub, &calculate);
        QVERIFY(view.worker()->thread() != QThread::currentThread());
        QThread *drawingThread = nullptr;
        connect(&view, &DisplayGraphicSignal::dataShown, this,
                [&] { drawingThread = QThread::currentThread(); }, Qt::DirectConnection);
        QVERIFY(showAndWait(view));
        QCOMPARE(drawingThread, QThread::currentThread());
        const int width = int(view.graphic()->plotRect().width());
        QCOMPARE(view.lineSeries()->pointsVector(), calculate.requestSeries(1, CalculateDateSlot::KindI, width));
        QVERIFY(view.lineSeries()->count() < 3 * width);  // thinned to about two points a pixel
    }

    void newSelectionIsRedrawnFromTheHub()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, ramp(100));
        CalculateDate calculate(&hub);
        DisplayQTime view(&hub, &calculate);
        QVERIFY(showAndWait(view));
        QCOMPARE(view.readoutTexts(), QStringList({"Start - 0", "Width - 100", "Stop - 99"}));
        hub.slotSetSignalReady(QVector<Signal>{Signal(IQVector(100, IQ(0.0, 150.0)))});
        hub.slotSelectPartSignal(10, 5);
        // A frame of the old selection may still be on its way; the new one follows.
        QTRY_COMPARE_WITH_TIMEOUT(view.lineSeries()->count(), 5, 10000);
        QCOMPARE(view.lineSeries()->at(0).y(), 100.0);  // Q of 150 is drawn at 100
        QCOMPARE(view.readoutTexts(), QStringList({"Start - 10", "Width - 5", "Stop - 14"}));
    }

    void readoutsGiveWayInANarrowPlot()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, ramp(100));
        CalculateDate calculate(&hub);
        DisplayQTime view(&hub, &calculate);
        QVERIFY(showAndWait(view));
        QCOMPARE(view.readoutTexts().size(), 3);
        // Narrower than the three readouts: the last ones give way instead of running off the chart.
        view.graphic()->resize(230, 300);
        QTRY_VERIFY(view.readoutTexts().size() < 3);
        QVERIFY(!view.readoutTexts().isEmpty());
        for (const QLabel *label : view.graphic()->findChildren<QLabel *>()) {
            if (label->isVisible() && label->text().contains(QLatin1String(" - ")))
                QVERIFY2(label->geometry().right() < view.graphic()->width(), qPrintable(label->text()));
        }
        view.graphic()->resize(800, 400);
        QTRY_COMPARE(view.readoutTexts().size(), 3);
    }

    void overloadLabelFollowsTheFlag()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calculate(&hub);
        DisplayPowerDiagram view(&hub, &calculate);
        view.graphic()->resize(600, 300);
        view.graphic()->show();
        QCOMPARE(view.readoutTexts(), QStringList({"Start - 0", "Width - 2000"}));  // no selection yet
        QCOMPARE(view.overloadLabel()->text(), QStringLiteral("Overload!"));
        QCOMPARE(view.overloadLabel()->styleSheet(), QStringLiteral("color: rgb(255,83,71);"));
        QVERIFY(!view.overloadLabel()->isVisible());
        view.setOverload(true);
        QVERIFY(view.overloadLabel()->isVisible());
        QVERIFY(view.overloadLabel()->geometry().intersects(view.graphic()->rect()));
        view.setOverload(false);
        QVERIFY(!view.overloadLabel()->isVisible());
        const bool before = view.graphic()->renderHints().testFlag(QPainter::Antialiasing);
        view.slotSwitchAntialiasing();
        QCOMPARE(view.graphic()->renderHints().testFlag(QPainter::Antialiasing), !before);
    }

    void autoLimitWidensWhileTheLengthHoldsAndRefitsWhenItChanges()
    {
        QChart chart;
        auto *series = new QLineSeries;
        chart.addSeries(series);
        chart.createDefaultAxes();
        auto *axis = qobject_cast<QValueAxis *>(chart.axes(Qt::Vertical).first());
        autoLimitOY limit(&chart, axis);
        limit.setMarginPercent(10.0);
        QSignalSpy mins(&limit, &autoLimitOY::sendMin);
        limit.setData({{0, -1}, {1, 1}});  // new length: fitted to [-1.2, 1.2]
        QCOMPARE(axis->min(), -1.2);
        QCOMPARE(axis->max(), 1.2);
        limit.setData({{0, -0.5}, {1, 0.5}});  // same length, narrower: kept
        QCOMPARE(axis->min(), -1.2);
        limit.setData({{0, -2}, {1, 0}});  // same length, lower: widened downwards only
        QCOMPARE(axis->min(), -2.2);
        QCOMPARE(axis->max(), 1.2);
        limit.setData({{0, 0}, {1, 1}, {2, 2}});  // new length: refitted
        QCOMPARE(axis->min(), -0.2);
        QCOMPARE(axis->max(), 2.2);
        QCOMPARE(mins.count(), 3);
        limit.setAutoMin(false);
        limit.setAutoMax(false);
        limit.setData({{0, -50}, {1, 50}});
        QCOMPARE(axis->max(), 2.2);
    }

    void spectrumTitleGivesWayToItsReadoutsInANarrowView()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calculate(&hub);
        DisplayFrequency view(&hub, &calculate);
        view.graphic()->resize(900, 400);
        view.graphic()->show();
        QTRY_VERIFY(view.isTitleShown());
        view.graphic()->resize(250, 300);
        QTRY_VERIFY(!view.isTitleShown());
        view.graphic()->resize(900, 400);
        QTRY_VERIFY(view.isTitleShown());
        QCOMPARE(view.chart()->title(), QStringLiteral("Spectrum"));
    }

    void spectrumShowsRbwSpanAndAbsoluteFrequency()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calculate(&hub);
        DisplayFrequency view(&hub, &calculate);
        QCOMPARE(view.chart()->title(), QStringLiteral("Spectrum"));
        QCOMPARE(view.axisY()->titleText(), QStringLiteral("Amplitude (dBm)"));
        QCOMPARE(view.axisX()->titleText(), QStringLiteral("Frequency (MHz)"));
        QCOMPARE(view.axisX()->min(), -45.0);
        QCOMPARE(view.axisY()->min(), -176.0);
        // Span = 1 MHz; RBW = A * 1.7 * 1 MHz / 2000.
        QCOMPARE(view.lblRBW()->text(), QStringLiteral("RBW: 850 Hz"));
        QCOMPARE(view.lblSpan()->text(), QStringLiteral("Span: 1 MHz"));
        view.slotSetAverageSpectrum(4);
        QCOMPARE(view.lblRBW()->text(), QStringLiteral("RBW: 3.4 kHz"));
        view.updateInfo(3000);
        QCOMPARE(view.lblRBW()->text(), QStringLiteral("RBW: 2.2666666667 kHz"));
        view.slotSetAverageSpectrum(1);

        static_cast<ParamVectorAnalysis *>(hub.param())->setAnalysisValue("SampleRate", "4 MHz");
        calculate.setCarrierFreq(2.4e9);
        deliver(hub, ramp(4096));
        QVERIFY(showAndWait(view));
        QCOMPARE(view.axisX()->titleText(), QStringLiteral("Frequency (GHz)"));
        QVERIFY(std::abs(view.axisX()->min() - 2.398) < 1e-12);
        QVERIFY(std::abs(view.axisX()->max() - 2.402) < 1e-12);
        // Ticks at most 1 MHz apart, on a plot this wide, and labels with just their decimals.
        QVERIFY(view.axisX()->tickInterval() <= 0.001 + 1e-12);
        QCOMPARE(view.axisX()->labelFormat(), NiceAxis::labelFormat(view.axisX()->tickInterval()));
        QCOMPARE(view.lblSpan()->text(), QStringLiteral("Span: 4 MHz"));
        // Below the calculator's point limit the spectrum keeps its 4097 points there;
        // the plot draws their extremes per pixel column.
        const QVector<QPointF> full = calculate.fullSeries(1, CalculateDateSlot::KindSpectrum);
        QCOMPARE(full.size(), 4097);
        const int width = int(view.graphic()->plotRect().width());
        QVERIFY(4097 >= 3 * width);
        // The view may still be drawing for the width it had before its layout settled.
        QTRY_COMPARE(view.lineSeries()->pointsVector(),
                     SeriesThinning::thin(full, int(view.graphic()->plotRect().width())));

        // Changed main parameters reach the axes after the calculator has re-read them.
        static_cast<ParamVectorAnalysis *>(hub.param())->setAnalysisValue("SampleRate", "10 MHz");
        emit hub.sendChangeMainParam();
        QTRY_VERIFY(std::abs(view.axisX()->max() - 2.405) < 1e-12);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestEnvironment environment;
    TestDisplayViews test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_DisplayViews.moc"
