#include "ManagerSignal.h"
#include "ParamSignalFactory.h"

#include <QThread>
#include <QtTest>

#include <atomic>

namespace {
IQVector ramp(int n)
{
    IQVector v(n);
    for (int i = 0; i < n; ++i)
        v[i] = IQ(i, -i);
    return v;
}

// A parameter set that bounds the selection size, as the 5G set does.
class BoundingParam : public ParamSignal
{
public:
    BoundingParam() : ParamSignal(ModeNone + 7) {}
    bool ownsSelectionSize() const override { return true; }
    int clampSelectionSize(int size) const override { return qBound(0, size, 1000); }
};
}  // namespace

class tst_ManagerSignal : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty();
    void scalingFactorDividesUnlessNearOneOrZero_data();
    void scalingFactorDividesUnlessNearOneOrZero();
    void emptyDeliveryBecomesTenZeros();
    void newSourceResetsLayersSelectionsAndHistory();
    void deliveryWithoutProfileKeepsProfileAndSelections();
    void wholeSelectionPointsIntoTheReadySignal();
    void partSelectionCopiesTheRequestedSamples();
    void selectionsWithoutACurrentLayerAreEmptyButAnnounced();
    void layerChoiceAnnouncesTheLayer();
    void selectionSizeIsQuietWhenAlreadyRight();
    void boundingParameterSetClampsTheSelectionSize();
    void readyHistoryKeepsTheLastResults();
    void markerClearingLetsGoOfSelectedRecords();
    void quantizingRoundsToSixteenBits();
    void enginesAndWorkersReadWholeValuesWhileTheGuiThreadChangesThem();
};

void tst_ManagerSignal::startsEmpty()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    QCOMPARE(hub.countSourceSignals(), 0);
    QVERIFY(hub.currentSignals().isEmpty());
    QCOMPARE(hub.sizeSelection(), 2000);
    QVERIFY(!hub.isRun() && !hub.isReadFile() && !hub.isDeviceConnected());
    QVERIFY(hub.readySignal(0).isEmpty());
    QCOMPARE(hub.selectedSignal(0), nullptr);
    QCOMPARE(hub.param()->mode(), int(ParamSignal::ModeVA));
    QCOMPARE(ManagerSignal(ParamSignal::ModeACLR).param()->mode(), int(ParamSignal::ModeACLR));
}

void tst_ManagerSignal::scalingFactorDividesUnlessNearOneOrZero_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("divides");
    QTest::newRow("two halves") << 2.0 << true;
    QTest::newRow("within 1e-12 of one") << 1.0000000000001 << false;
    QTest::newRow("zero is ignored") << 0.0 << false;
    QTest::newRow("just outside the tolerance") << 1.00001 << true;
}

void tst_ManagerSignal::scalingFactorDividesUnlessNearOneOrZero()
{
    QFETCH(double, factor);
    QFETCH(bool, divides);
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.param()->setScalingFactor(factor);
    hub.slotSetSignal(QVector<Signal>{Signal(ramp(4)), Signal(ramp(3))}, QStringLiteral("a.owv"));
    for (int layer = 0; layer < 2; ++layer) {
        const IQVector s = hub.sourceSignal(layer).samples();
        for (int i = 0; i < s.size(); ++i) {
            const double expected = divides ? i / factor : double(i);
            QVERIFY2(s[i].real() == expected && s[i].imag() == -expected, qPrintable(QString::number(s[i].real())));
        }
    }
}

void tst_ManagerSignal::emptyDeliveryBecomesTenZeros()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(), QStringLiteral("empty.owv"));
    QCOMPARE(hub.countSourceSignals(), 1);
    QCOMPARE(hub.sourceSignal(0).samples(), IQVector(10, IQ(0.0, 0.0)));
}

void tst_ManagerSignal::newSourceResetsLayersSelectionsAndHistory()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.setReadyHistoryCapacity(4);
    QSignalSpy profileSpy(&hub, &ManagerSignal::sendUpdateProfile);
    QSignalSpy sourceSpy(&hub, &ManagerSignal::sendNewSourceSignal);
    hub.setCurrentSignals({1, 2});
    hub.slotSetSignalReady(QVector<Signal>{Signal(ramp(8))});
    QCOMPARE(hub.readyHistory().size(), 1);
    hub.slotSetSignal(QVector<Signal>{Signal(ramp(8))}, QStringLiteral("C:/data/run1.owv"));
    QCOMPARE(hub.profile(), QStringLiteral("run1.owv"));
    QCOMPARE(hub.currentSignals(), QVector<int>{1});
    QVERIFY(hub.selections().isEmpty());
    QVERIFY(hub.readyHistory().isEmpty());
    QCOMPARE(profileSpy.count(), 1);
    QCOMPARE(sourceSpy.count(), 1);
    QCOMPARE(hub.paramText(), hub.param()->text(ParamSignal::FormLong));

    hub.slotSetSignal(QVector<Signal>{Signal(ramp(8))}, QStringLiteral("quiet.owv"), false);
    QCOMPARE(profileSpy.count(), 1);
    QCOMPARE(sourceSpy.count(), 1);
}

void tst_ManagerSignal::deliveryWithoutProfileKeepsProfileAndSelections()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(QVector<Signal>{Signal(ramp(8))}, QStringLiteral("/x/file.owv"));
    hub.slotSetSignalReady(Signal(ramp(8)));
    hub.slotSelectAllSignal(0);
    QSignalSpy sourceSpy(&hub, &ManagerSignal::sendNewSourceSignal);
    hub.slotSetSignal(Signal(ramp(5)));
    QCOMPARE(hub.profile(), QStringLiteral("file.owv"));
    QCOMPARE(hub.selections().size(), 1);
    QCOMPARE(hub.sourceSignal(0).size(), 5);
    QCOMPARE(sourceSpy.count(), 1);
}

void tst_ManagerSignal::wholeSelectionPointsIntoTheReadySignal()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(ramp(50)), QStringLiteral("a"));
    const Signal ready(ramp(50));
    hub.slotSetSignalReady(ready);
    QSignalSpy spy(&hub, &ManagerSignal::sendNewSelected);
    hub.slotSelectAllSignal(100);
    QCOMPARE(spy.count(), 1);
    const SignalSelection selection = hub.selection(1);
    QCOMPARE(selection.size(), 50);
    QCOMPARE(selection.startIndex, 100);
    QCOMPARE(selection.first, ready.samples().constData());  // no copy
}

void tst_ManagerSignal::partSelectionCopiesTheRequestedSamples()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(ramp(50)), QStringLiteral("a"));
    hub.slotSetSignalReady(Signal(ramp(50)));
    hub.slotSelectPartSignal(10, 5);
    const SignalSelection selection = hub.selection(1);
    QCOMPARE(selection.startIndex, 10);
    QCOMPARE(selection.toVector(), ramp(50).mid(10, 5));
    // A request past the end is cut at the end rather than read beyond it.
    hub.slotSelectPartSignal(48, 10);
    QCOMPARE(hub.selection(1).size(), 2);
}

void tst_ManagerSignal::selectionsWithoutACurrentLayerAreEmptyButAnnounced()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    QSignalSpy spy(&hub, &ManagerSignal::sendNewSelected);
    hub.slotSelectAllSignal(0);
    hub.slotSelectPartSignal(0, 10);
    QCOMPARE(spy.count(), 2);
    QVERIFY(hub.selections().isEmpty());
}

void tst_ManagerSignal::layerChoiceAnnouncesTheLayer()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    QSignalSpy spy(&hub, &ManagerSignal::sendNewLayer);
    hub.setCurrentSignals({1, 3});
    hub.setCurrentSignal(2);
    hub.setCurrentSignal(4, false);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).first().toInt(), -1);
    QCOMPARE(spy.at(1).first().toInt(), 2);
    QCOMPARE(hub.currentSignals(), QVector<int>{4});
}

void tst_ManagerSignal::selectionSizeIsQuietWhenAlreadyRight()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignal(Signal(ramp(4096)), QStringLiteral("a"));
    hub.slotSetSignalReady(Signal(ramp(4096)));
    QSignalSpy spy(&hub, &ManagerSignal::sendChangeSizeSelection);
    hub.slotChangeSizeSelection(4096, true);
    QCOMPARE(spy.count(), 0);
    hub.slotChangeSizeSelection(4096, false);
    hub.slotChangeSizeSelection(1024, true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().first().toInt(), 1024);
    QCOMPARE(hub.sizeSelection(), 1024);
}

void tst_ManagerSignal::boundingParameterSetClampsTheSelectionSize()
{
    ParamSignalFactory::registerCreator(7, [] { return std::make_unique<BoundingParam>(); });
    ManagerSignal hub(7);
    QSignalSpy spy(&hub, &ManagerSignal::sendChangeSizeSelection);
    hub.slotChangeSizeSelection(5000, true);
    QCOMPARE(hub.sizeSelection(), 1000);
    QCOMPARE(spy.last().first().toInt(), 1000);
    hub.slotChangeSizeSelection(0, false);  // a clamp to 0 keeps the request, and says nothing
    QCOMPARE(hub.sizeSelection(), 0);
    QCOMPARE(spy.count(), 1);
}

void tst_ManagerSignal::readyHistoryKeepsTheLastResults()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.slotSetSignalReady(Signal(ramp(1)));
    QVERIFY(hub.readyHistory().isEmpty());  // disabled until a mode sets a capacity
    hub.setReadyHistoryCapacity(2);
    for (int n = 1; n <= 3; ++n)
        hub.slotSetSignalReady(QVector<Signal>{Signal(ramp(n))});
    const auto history = hub.readyHistory();
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.first().first().size(), 2);
    QCOMPARE(history.last().first().size(), 3);
}

void tst_ManagerSignal::markerClearingLetsGoOfSelectedRecords()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    Signal picked(ramp(3));
    hub.slotSetSelectedSignal(&picked);
    QCOMPARE(hub.selectedSignal(0), &picked);
    QSignalSpy spy(&hub, qOverload<>(&ManagerSignal::sendUpdateMarker));
    hub.clearMarker();  // no marker set: nothing happens
    QCOMPARE(hub.selectedSignal(0), &picked);
    Marker marker;
    marker.isSet = true;
    marker.x = 5.0;
    hub.setMarker(marker);
    hub.clearMarker();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(hub.selectedSignal(0), nullptr);
    QVERIFY(!hub.marker().isSet);
    QCOMPARE(picked.size(), 3);  // the hub never owned it
}

void tst_ManagerSignal::quantizingRoundsToSixteenBits()
{
    const IQVector samples{IQ(1.0, -1.0), IQ(0.5, 0.25), IQ(1.0 / 65534.0 * 1.01, 0.0)};
    QCOMPARE(ManagerSignal::peak(samples), 1.0);
    QCOMPARE(ManagerSignal::peak(IQVector()), 0.0);
    const IQVector q = ManagerSignal::quantize16(samples, 1.0);
    QCOMPARE(q[0], IQ(1.0, -1.0));
    QCOMPARE(q[1].real(), 16384.0 / 32767.0);  // 16383.5 rounds away from zero
    QCOMPARE(q[2].real(), 1.0 / 32767.0);
    QCOMPARE(ManagerSignal::quantize16(samples, 0.0), samples);
}

// An engine thread reads the source and current layers, a display worker the
// selection size under the hub's lock, while the hub's thread delivers recordings,
// changes layers and the selection size. Every read must see a whole value (under
// ThreadSanitizer: no report).
void tst_ManagerSignal::enginesAndWorkersReadWholeValuesWhileTheGuiThreadChangesThem()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    hub.param()->setScalingFactor(2.0);  // scaling rewrites the delivered samples
    std::atomic<bool> isDone{false};
    std::atomic<int> torn{0}, reads{0};
    QThread *engine = QThread::create([&] {
        while (!isDone) {
            const QVector<int> layers = hub.currentSignals();
            for (int layer : layers) {
                const IQVector samples = hub.sourceSignal(layer - 1).samples();
                // Each delivered layer k holds n copies of k + 1, halved by the scaling.
                for (const IQ &s : samples)
                    torn += s != samples.first();
            }
            const QVector<Signal> all = hub.sourceSignals();
            torn += all.size() == 2 || all.size() > 3 ? 1 : 0;
            ++reads;
        }
    });
    QThread *worker = QThread::create([&] {
        while (!isDone) {
            hub.lock();
            const int size = hub.sizeSelection();
            hub.unlock();
            torn += size != 2000 && size != 4096 ? 1 : 0;
        }
    });
    engine->start();
    worker->start();
    for (int round = 0; round < 300; ++round) {
        QVector<Signal> layers;
        for (int k = 0; k < 1 + 2 * (round % 2); ++k)
            layers.append(Signal(IQVector(64 + round, IQ(k + 1, -(k + 1)))));
        hub.slotSetSignal(layers, QStringLiteral("run%1.owv").arg(round));
        hub.setCurrentSignals(round % 2 ? QVector<int>{1, 2, 3} : QVector<int>{1});
        hub.setCurrentSignal(1, false);
        hub.slotChangeSizeSelection(round % 2 ? 4096 : 2000, false);
    }
    while (reads < 10)
        QThread::yieldCurrentThread();
    isDone = true;
    engine->wait();
    worker->wait();
    delete engine;
    delete worker;
    QCOMPARE(torn.load(), 0);
    QCOMPARE(hub.sourceSignal(0).samples().first(), IQ(0.5, -0.5));
}

QTEST_GUILESS_MAIN(tst_ManagerSignal)
#include "tst_ManagerSignal.moc"
