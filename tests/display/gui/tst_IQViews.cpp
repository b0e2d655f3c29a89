// The vector diagram, the constellation and the error-vector view, fed through the
// display calculator as in a mode.

#include "CalculateDate.h"
#include "DisplayConstellationDiagramm.h"
#include "DisplayEvm.h"
#include "DisplayVectorDiagramm.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "MarkersInfo.h"
#include "ParamSignalFactory.h"
#include "ParamSource.h"

#include <QApplication>
#include <QMutex>
#include <QtTest>
#include <cmath>
#include <complex>

namespace {
// A digital-modulation parameter set as an analysis leaves it: a modulation and
// one error per symbol.
class AnalysedParam : public ParamSource
{
public:
    AnalysedParam() : ParamSource(ParamSignal::ModeDM) {}
    QString modulationName() const override { return s_modulation; }
    QVector<double> symbolErrors() const override { return s_errors; }
    static QString s_modulation;
    static QVector<double> s_errors;
};
QString AnalysedParam::s_modulation;
QVector<double> AnalysedParam::s_errors;

void deliver(ManagerSignal &hub, const IQVector &samples)
{
    hub.slotSetSignal(Signal(samples), QStringLiteral("test.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotSelectAllSignal(0);
}

bool showAndWait(DisplayGraphicSignal &view)
{
    QSignalSpy shown(&view, &DisplayGraphicSignal::dataShown);
    view.graphic()->resize(600, 500);
    view.graphic()->show();
    view.slotRepaint();
    return shown.wait(10000);
}

double angleOf(const QPointF &p) { return std::atan2(p.y(), p.x()); }
}  // namespace

class TestIQViews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ParamSignalFactory::registerCreator(ParamSignal::ModeDM, [] { return std::make_unique<AnalysedParam>(); });
    }

    void referencePointsListRotatingPskSymbolsTwice()
    {
        QCOMPARE(DisplayVectorDiagramm::referencePoints(QStringLiteral("QAM16")).size(), 16);
        QCOMPARE(DisplayVectorDiagramm::referencePoints(QStringLiteral("8PSK")).size(), 8);
        QCOMPARE(DisplayVectorDiagramm::referencePoints(QStringLiteral("QPSK")).size(), 4);
        // π/4-DQPSK: each of the 4 symbols unrotated and rotated by π/4, 8 points on a circle.
        const QVector<QPointF> dqpsk = DisplayVectorDiagramm::referencePoints(QStringLiteral("π/4-DQPSK"));
        QCOMPARE(dqpsk.size(), 8);
        for (int s = 0; s < 4; ++s) {
            double step = angleOf(dqpsk.at(2 * s + 1)) - angleOf(dqpsk.at(2 * s));
            step = std::remainder(step, 2.0 * M_PI);
            QVERIFY2(std::abs(step - M_PI / 4.0) < 1e-9, qPrintable(QString::number(step)));
        }
        // 8PSK EDGE is the other rotating scheme beyond the π ones: 16 points.
        QCOMPARE(DisplayVectorDiagramm::referencePoints(QStringLiteral("8PSK EDGE")).size(), 16);
        // No points in the IQ plane for FSK, nor for an unknown name.
        QVERIFY(DisplayVectorDiagramm::referencePoints(QStringLiteral("2FSK")).isEmpty());
        QVERIFY(DisplayVectorDiagramm::referencePoints(QStringLiteral("nonsense")).isEmpty());
    }

    void vectorDiagramDrawsTheTrajectoryOverTheParamModulation()
    {
        AnalysedParam::s_modulation = QStringLiteral("QAM16");
        ManagerSignal hub(ParamSignal::ModeDM);
        IQVector samples(400);
        for (int k = 0; k < samples.size(); ++k)
            samples[k] = std::polar(0.8, 0.05 * k);
        deliver(hub, samples);
        CalculateDate calculate(&hub);
        DisplayVectorDiagramm view(&hub, &calculate);
        QCOMPARE(view.chart()->title(), QStringLiteral("Vector Diagram"));
        QCOMPARE(view.axisX()->titleText(), QStringLiteral("I - channel (V)"));
        QCOMPARE(view.axisY()->titleText(), QStringLiteral("Q - channel (V)"));
        QCOMPARE(view.referenceSeries()->count(), 16);
        QVERIFY(showAndWait(view));
        QCOMPARE(view.lineSeries()->count(), samples.size());
        QCOMPARE(view.lineSeries()->at(10), QPointF(samples.at(10).real(), samples.at(10).imag()));
        // I and Q share one symmetric range.
        QCOMPARE(view.axisX()->min(), view.axisY()->min());
        QCOMPARE(view.axisX()->max(), -view.axisY()->min());

        QCOMPARE(view.modeActionText(), QStringLiteral("Show Only Reference Points"));
        view.switchEnabledGraphic();
        QVERIFY(!view.lineSeries()->isVisible());
        QVERIFY(view.referenceSeries()->isVisible());
        QCOMPARE(view.modeActionText(), QStringLiteral("Show Full Mode"));
        view.switchEnabledGraphic();
        QVERIFY(view.lineSeries()->isVisible());

        // A new modulation in the parameter set brings its own points.
        AnalysedParam::s_modulation = QStringLiteral("BPSK");
        view.updateAxes();
        QCOMPARE(view.referenceSeries()->count(), 2);
    }

    void constellationTakesTheSamplesAtTheStrobes()
    {
        AnalysedParam::s_modulation = QStringLiteral("QPSK");
        ManagerSignal hub(ParamSignal::ModeDM);
        IQVector samples(40);
        for (int k = 0; k < samples.size(); ++k)
            samples[k] = IQ(0.01 * k, -0.01 * k);
        deliver(hub, samples);
        CalculateDate calculate(&hub);
        calculate.setStrobe(2, 4);  // symbol k at sample 2 + 4k
        DisplayConstellationDiagramm view(&hub, &calculate);
        QCOMPARE(view.chart()->title(), QStringLiteral("Constellation Diagram"));
        QVERIFY(showAndWait(view));
        QCOMPARE(view.pointSeries()->count(), 10);
        QCOMPARE(view.pointSeries()->at(0), QPointF(0.02, -0.02));
        QCOMPARE(view.pointSeries()->at(9), QPointF(0.38, -0.38));
        QCOMPARE(view.lineSeries()->count(), 0);
        QCOMPARE(view.referenceSeries()->count(), 4);
        // The next strobe lies 2 behind the end: 4 − 1 + 2.
        QCOMPARE(calculate.strobeOffset(), 5);
    }

    void longSelectionsDrawTheirFirstPointsOnly()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, IQVector(100000, IQ(0.5, 0.5)));
        CalculateDate calculate(&hub);
        DisplayConstellationDiagramm dots(&hub, &calculate);
        DisplayVectorDiagramm trajectory(&hub, &calculate);
        QVERIFY(showAndWait(dots));
        QVERIFY(showAndWait(trajectory));
        QCOMPARE(dots.pointSeries()->count(), DisplayConstellationDiagramm::kMaxDots);
        QCOMPARE(trajectory.lineSeries()->count(), DisplayVectorDiagramm::kMaxTrajectoryPoints);
    }

    void errorVectorViewSpreadsTheSymbolErrorsOverTheSelection()
    {
        AnalysedParam::s_errors = {1.0, 2.0, 4.0, 8.0};
        ManagerSignal hub(ParamSignal::ModeDM);
        deliver(hub, IQVector(16, IQ(1.0, 0.0)));
        CalculateDate calculate(&hub);
        DisplayEvm view(&hub, &calculate);
        QCOMPARE(view.chart()->title(), QStringLiteral("Error Vector Time"));
        QCOMPARE(view.axisX()->titleText(), QStringLiteral("Symbols"));
        QCOMPARE(view.axisY()->titleText(), QStringLiteral("Evm (%)"));
        QVERIFY(showAndWait(view));
        // x = k·W/M with W the hub's selection size (symbols in this mode) and M = 4 errors.
        const double step = hub.sizeSelection() / 4.0;
        QCOMPARE(view.lineSeries()->pointsVector(),
                 QVector<QPointF>({{0.0, 1.0}, {step, 2.0}, {2 * step, 4.0}, {3 * step, 8.0}}));
        hub.slotChangeSizeSelection(600, true);
        QCOMPARE(view.axisX()->max(), 599.0);

        // A marker reads the error at its symbol from the full series.
        LineConnection *marker = view.markers()->addMarker(2 * step);
        view.markers()->slotNewData();
        QVERIFY2(marker->textY().startsWith(QStringLiteral("4")), qPrintable(marker->textY()));
    }
};

QTEST_MAIN(TestIQViews)
#include "tst_IQViews.moc"
