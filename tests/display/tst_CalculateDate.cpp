#include "CalculateDate.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"

#include <QtTest>
#include <cmath>

namespace {
using Kind = CalculateDateSlot::Kind;

IQVector ramp(int n)
{
    IQVector x(n);
    for (int k = 0; k < n; ++k)
        x[k] = IQ(std::sin(0.01 * k), std::cos(0.013 * k));
    return x;
}

// A hub holding `samples` as the ready signal of layer 1, wholly selected, as
// the engine and the selection bar would leave it.
void deliver(ManagerSignal &hub, const IQVector &samples)
{
    hub.slotSetSignal(Signal(samples), QStringLiteral("test.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotSelectAllSignal(0);
}

void setSampleRate(ManagerSignal &hub, const QString &rate)
{
    static_cast<ParamVectorAnalysis *>(hub.param())->setAnalysisValue(QStringLiteral("SampleRate"), rate);
}
}  // namespace

class TestCalculateDate : public QObject
{
    Q_OBJECT
private slots:
    void timeSeriesPlaceSampleKAtKTimesWOverN()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        const IQVector x = ramp(500);
        deliver(hub, x);
        hub.slotChangeSizeSelection(2000, false);  // W = 2000 over N = 500: x advances by 4
        CalculateDate calc(&hub);
        const QVector<QPointF> i = calc.requestSeries(1, Kind::KindI, 100);
        const QVector<QPointF> q = calc.requestSeries(1, Kind::KindQ, 100);
        QCOMPARE(i.size(), 500);
        for (int k : {0, 1, 250, 499}) {
            QCOMPARE(i[k], QPointF(4.0 * k, x[k].real()));
            QCOMPARE(q[k], QPointF(4.0 * k, x[k].imag()));
        }
    }

    void levelsAreClampedBeforeDrawing()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, {IQ(150.0, -150.0), IQ(1e-15, 0.0), IQ(1e4, 0.0), IQ(0.0, 0.0), IQ(0.1, 0.0)});
        CalculateDate calc(&hub);
        QCOMPARE(calc.requestSeries(1, Kind::KindI, 10)[0].y(), 100.0);
        QCOMPARE(calc.requestSeries(1, Kind::KindQ, 10)[0].y(), -100.0);
        const QVector<QPointF> power = calc.requestSeries(1, Kind::KindPower, 10);
        QCOMPARE(power[1].y(), -200.0);  // -300 dB
        QCOMPARE(power[2].y(), 60.0);    // +80 dB
        QCOMPARE(power[3].y(), -200.0);  // no power at all
        QVERIFY(std::abs(power[4].y() + 20.0) < 1e-12);
        calc.setLoadResistance(100.0);
        calc.clearData();
        QVERIFY(std::abs(calc.requestSeries(1, Kind::KindPower, 10)[4].y() + 40.0) < 1e-12);
    }

    void keepsSeriesUntilTheSelectionChanges()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, ramp(100));
        CalculateDate calc(&hub);
        const QVector<QPointF> first = calc.requestSeries(1, Kind::KindI, 10);
        // New ready samples without a new selection: the cache must not notice.
        hub.slotSetSignalReady(QVector<Signal>{Signal(IQVector(100, IQ(0.5, 0.5)))}, false);
        QCOMPARE(calc.requestSeries(1, Kind::KindI, 10), first);  // still cached
        QCOMPARE(calc.fullSeries(1, Kind::KindI), first);
        hub.slotSelectAllSignal(0);  // sendNewSelected drops the caches
        QVERIFY(calc.fullSeries(1, Kind::KindI).isEmpty());
        QCOMPARE(calc.requestSeries(1, Kind::KindI, 10)[7].y(), 0.5);
    }

    void thinsEachKindFromItsOwnLimit()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calc(&hub);
        struct Case { unsigned kind; int atLimit; };
        for (const Case &c : {Case{Kind::KindI, 15000}, Case{Kind::KindQ, 15000}, Case{Kind::KindPower, 4000}}) {
            deliver(hub, ramp(c.atLimit - 1));
            QCOMPARE(calc.requestSeries(1, c.kind, 1000).size(), c.atLimit - 1);
            deliver(hub, ramp(c.atLimit));
            const int g = c.atLimit / 1000;
            QCOMPARE(calc.requestSeries(1, c.kind, 1000).size(), 2 * (c.atLimit / g) + c.atLimit % g);
            QCOMPARE(calc.fullSeries(1, c.kind).size(), c.atLimit);  // the cache keeps full resolution
        }
        // The spectrum is thinned only above the limit: 15000 samples give 15001 points.
        deliver(hub, ramp(14999));
        QCOMPARE(calc.requestSeries(1, Kind::KindSpectrum, 1000).size(), 15000);
        deliver(hub, ramp(15000));
        QVERIFY(calc.requestSeries(1, Kind::KindSpectrum, 1000).size() < 3000);
        calc.setThinning(false);
        QCOMPARE(calc.requestSeries(1, Kind::KindSpectrum, 1000).size(), 15001);
        QCOMPARE(calc.requestSeries(1, Kind::KindI, 1000).size(), 15000);
        // I/Q pairs are never thinned.
        calc.setThinning(true);
        QCOMPARE(calc.requestSeries(1, Kind::KindIQ, 10).size(), 15000);
        QCOMPARE(calc.requestSeries(1, Kind::KindVector, 10).size(), 15000);
    }

    void spectrumUsesRateCarrierAndUnitOfTheHub()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        setSampleRate(hub, QStringLiteral("4 MHz"));
        IQVector x(1000);
        for (int k = 0; k < 1000; ++k)
            x[k] = std::polar(1.0, 2 * M_PI * 0.25 * k);
        deliver(hub, x);
        CalculateDate calc(&hub);
        calc.setCarrierFreq(2.4e9);
        QCOMPARE(calc.unitFactor(), 1e9);  // 2.4 GHz + 2 MHz
        const QVector<QPointF> s = calc.requestSeries(1, Kind::KindSpectrum, 500);
        QCOMPARE(s.size(), 1001);
        QVERIFY(std::abs(s.first().x() - 2.398) < 1e-12 && std::abs(s.last().x() - 2.402) < 1e-12);
        const auto peak = std::max_element(s.cbegin(), s.cend(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QVERIFY(std::abs(peak->x() - 2.401) < 1e-12);
        // Averaging takes effect at the next request: A = 4 gives 250 bins.
        QCOMPARE(calc.requestSeries(1, Kind::KindSpectrum, 500, 4).size(), 251);
        QCOMPARE(calc.fullSeries(1, Kind::KindSpectrum).size(), 251);
        calc.setCarrierFreq(0.0);
        QCOMPARE(calc.unitFactor(), 1e6);
    }

    void oneShotBlockServesOneSpectrumOnly()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, ramp(64));
        CalculateDate calc(&hub);
        QCOMPARE(calc.requestSeries(1, Kind::KindSpectrum, 100, 1, IQVector(16, IQ(1, 0))).size(), 17);
        QCOMPARE(calc.requestSeries(1, Kind::KindSpectrum, 100).size(), 65);
    }

    void aclrModeHasNoSpectrumHere()
    {
        ManagerSignal hub(ParamSignal::ModeACLR);
        deliver(hub, ramp(64));
        CalculateDate calc(&hub);
        QVERIFY(calc.requestSeries(1, Kind::KindSpectrum, 100).isEmpty());
        QCOMPARE(calc.requestSeries(1, Kind::KindI, 100).size(), 64);
    }

    void constellationTakesEveryStrobeAndCarriesTheOffsetOn()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        const IQVector x = ramp(10);
        deliver(hub, x);
        CalculateDate calc(&hub);
        calc.setStrobe(-3, 4);
        QCOMPARE(calc.strobeOffset(), 0);
        const QVector<QPointF> c = calc.requestSeries(1, Kind::KindConstellation, 10);
        QCOMPARE(c.size(), 3);  // samples 0, 4, 8
        QCOMPARE(c[2], QPointF(x[8].real(), x[8].imag()));
        QCOMPARE(calc.strobeOffset(), 3 + 2);  // next strobe at 12, two behind the end
    }

    void emptyOrUnknownRequestsGiveEmptySeries()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calc(&hub);
        QVERIFY(calc.requestSeries(1, Kind::KindI, 100).isEmpty());
        QVERIFY(calc.requestSeries(1, Kind::KindSpectrum, 100).isEmpty());
        deliver(hub, ramp(10));
        QVERIFY(calc.requestSeries(2, Kind::KindI, 100).isEmpty());  // no layer 2
        QVERIFY(calc.requestSeries(1, 4, 100).isEmpty());
        QVERIFY(calc.requestSeries(31, Kind::KindI, 100).isEmpty());
        QVERIFY(calc.requestSeries(1, Kind::KindSpectrum, 100, 11).isEmpty());  // A > N
    }

    void servesConcurrentWorkersWhileTheSelectionMoves()
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        const IQVector x = ramp(40000);
        deliver(hub, x);
        CalculateDate calc(&hub);
        std::atomic<bool> stop{false};
        std::atomic<int> bad{0};
        QVector<QThread *> workers;
        for (unsigned kind : {0u, 1u, 3u, 7u}) {
            workers << QThread::create([&, kind] {
                while (!stop) {
                    const QVector<QPointF> s = calc.requestSeries(1, kind, 800);
                    if (!s.isEmpty() && s.size() > 4000)
                        ++bad;  // every one of these is thinned to about two points a pixel
                }
            });
            workers.last()->start();
        }
        for (int i = 0; i < 200; ++i) {
            hub.slotSelectPartSignal(i * 100, 20000);
            QCoreApplication::processEvents();
        }
        stop = true;
        for (QThread *w : workers) {
            w->wait();
            delete w;
        }
        QCOMPARE(bad.load(), 0);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestEnvironment environment;
    TestCalculateDate test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_CalculateDate.moc"
