#include "ManagerSignal.h"
#include "SelectionSignal.h"

#include <QtTest>

class tst_SelectionSignal : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowPastTheEndWrapsToTheStart();
    void resizingKeepsTheWindowCentred();
    void resizingWhilePlayingOnlyMovesTheStart();
    void stepsFollowTheSize_data();
    void stepsFollowTheSize();
    void sizeStaysWithinItsBounds();
    void lowerMaximumShrinksAndAnnouncesTheSize();
    void firstSelectionBoundsTheSizeByTheSignal();
    void completionBarrierReleasesOnTheLastReport();
    void delayedReleaseUnlessRestored();
    void reportsReleaseOnceThoughAFallbackWaits();
    void runNeedsASignalAndTogglesTheHubFlag();
    void newDataReSendsTheWindowThroughTheHub();
    void framesCutByTheEngineAreBoundByTheRecording();

private:
    void loadSignal(int length);
    ManagerSignal *m_hub = nullptr;
    SelectionSignal *m_selection = nullptr;
};

void tst_SelectionSignal::init()
{
    m_hub = new ManagerSignal(ParamSignal::ModeVA);
    m_selection = new SelectionSignal;
    m_selection->setManager(m_hub);
}

void tst_SelectionSignal::cleanup()
{
    delete m_selection;
    delete m_hub;
}

void tst_SelectionSignal::loadSignal(int length)
{
    IQVector samples(length);
    for (int i = 0; i < length; ++i)
        samples[i] = IQ(i, 0);
    m_hub->slotSetSignal(Signal(samples), QStringLiteral("a.owv"));
    m_hub->slotSetSignalReady(Signal(samples), false);
}

void tst_SelectionSignal::windowPastTheEndWrapsToTheStart()
{
    loadSignal(10000);
    m_selection->setSizeSelection(2000);
    QSignalSpy spy(m_selection, &SelectionSignal::sendSelection);
    m_selection->slotSetStartSelection(9000);
    QCOMPARE(spy.last(), (QList<QVariant>{0, 2000}));
    QCOMPARE(m_selection->start(), 0);
    // The hub cut that very window.
    QCOMPARE(m_hub->selection(1).startIndex, 0);
    QCOMPARE(m_hub->selection(1).size(), 2000);
}

void tst_SelectionSignal::resizingKeepsTheWindowCentred()
{
    loadSignal(100000);
    m_selection->setSizeSelection(2000);
    m_selection->slotSetStartSelection(4000);
    QSignalSpy spy(m_selection, &SelectionSignal::sendSelection);
    QSignalSpy sizeSpy(m_selection, &SelectionSignal::sendSizeSelection);
    m_selection->setSizeSelection(2500);
    QCOMPARE(m_selection->start(), 3750);
    QCOMPARE(spy.last(), (QList<QVariant>{3750, 2500}));
    QCOMPARE(sizeSpy.last().first().toInt(), 2500);
    m_selection->setSizeSelection(1500);
    QCOMPARE(m_selection->start(), 4250);
}

void tst_SelectionSignal::resizingWhilePlayingOnlyMovesTheStart()
{
    loadSignal(100000);
    m_selection->slotSetStartSelection(4000);
    m_selection->run();
    QVERIFY(m_selection->isRunning());
    QSignalSpy spy(m_selection, &SelectionSignal::sendSelection);
    m_selection->setSizeSelection(2500);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_selection->start(), 3750);
}

void tst_SelectionSignal::stepsFollowTheSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("increased");
    QTest::addColumn<int>("decreased");
    QTest::newRow("50") << 50 << 150 << 40;
    QTest::newRow("500") << 500 << 600 << 400;
    QTest::newRow("1000") << 1000 << 1500 << 900;
    QTest::newRow("2000") << 2000 << 2500 << 1500;
}

void tst_SelectionSignal::stepsFollowTheSize()
{
    QFETCH(int, size);
    QFETCH(int, increased);
    QFETCH(int, decreased);
    loadSignal(100000);
    m_selection->setSizeSelection(size);
    m_selection->increaseSelection();
    QCOMPARE(m_selection->size(), increased);
    m_selection->setSizeSelection(size);
    m_selection->deacreaseSelection();
    QCOMPARE(m_selection->size(), decreased);
}

void tst_SelectionSignal::sizeStaysWithinItsBounds()
{
    loadSignal(100000);
    m_selection->setSizeSelection(2);
    QCOMPARE(m_selection->size(), 5);
    m_selection->deacreaseSelection();
    QCOMPARE(m_selection->size(), 5);
    m_selection->setSizeSelection(5000000);
    QCOMPARE(m_selection->size(), 999999);
    m_selection->increaseSelection();
    QCOMPARE(m_selection->size(), 999999);
}

void tst_SelectionSignal::lowerMaximumShrinksAndAnnouncesTheSize()
{
    loadSignal(100000);
    m_selection->setSizeSelection(2000);
    QSignalSpy sizeSpy(m_selection, &SelectionSignal::sendSizeSelection);
    m_selection->setMaxSelection(1500);
    QCOMPARE(m_selection->size(), 1500);
    QCOMPARE(sizeSpy.last().first().toInt(), 1500);

    m_selection->run();
    QSignalSpy stopSpy(m_selection, &SelectionSignal::signalStop);
    QSignalSpy allSpy(m_selection, &SelectionSignal::sendAllSelection);
    m_selection->setMaxSelection(0);  // nothing left to show a window of: stop and show all
    QCOMPARE(stopSpy.count(), 1);
    QCOMPARE(allSpy.count(), 1);
    QVERIFY(!m_hub->isRun());
    m_selection->setMaxSelection(800);  // from a size of 0 back to the largest allowed
    QCOMPARE(m_selection->size(), 800);
    m_selection->setMaxSelection(0);
    m_selection->setMaxSelection(5000);
    QCOMPARE(m_selection->size(), 2000);
}

void tst_SelectionSignal::firstSelectionBoundsTheSizeByTheSignal()
{
    loadSignal(1200);
    m_selection->setSizeSelection(2000);  // before the bounds know the signal
    m_selection->slotSetStartSelection(300);
    m_selection->firstSelection();
    QCOMPARE(m_selection->start(), 0);
    QCOMPARE(m_selection->maximum(), 1200);
    QCOMPARE(m_selection->size(), 1200);
}

void tst_SelectionSignal::completionBarrierReleasesOnTheLastReport()
{
    loadSignal(10000);
    m_selection->setCompletionCount(3);
    QSignalSpy selectedSpy(m_selection, &SelectionSignal::selected);
    m_selection->nextSelection();
    QCOMPARE(selectedSpy.count(), 0);  // held
    m_selection->slotReport();
    m_selection->slotReport();
    QCOMPARE(selectedSpy.count(), 0);
    m_selection->slotReport();
    QCOMPARE(selectedSpy.count(), 1);
    m_selection->slotReport();  // counting restarts for the next window
    QCOMPARE(selectedSpy.count(), 1);
    m_selection->setCompletionCount(0);
    m_selection->slotReport();
    QCOMPARE(selectedSpy.count(), 1);
    m_selection->nextSelection();
    QCOMPARE(selectedSpy.count(), 2);
}

void tst_SelectionSignal::delayedReleaseUnlessRestored()
{
    QSignalSpy selectedSpy(m_selection, &SelectionSignal::selected);
    m_selection->releaseAfter(20);
    QVERIFY(selectedSpy.wait(1000));
    m_selection->releaseAfter(20);
    m_selection->restore();
    QVERIFY(!selectedSpy.wait(100));
    QCOMPARE(selectedSpy.count(), 1);
}

void tst_SelectionSignal::reportsReleaseOnceThoughAFallbackWaits()
{
    QSignalSpy selectedSpy(m_selection, &SelectionSignal::selected);
    m_selection->setCompletionCount(2);
    m_selection->releaseAfter(50);  // in case a view never reports
    m_selection->slotReport();
    m_selection->slotReport();
    QCOMPARE(selectedSpy.count(), 1);
    QVERIFY(!selectedSpy.wait(150));  // one window, one release
}

void tst_SelectionSignal::runNeedsASignalAndTogglesTheHubFlag()
{
    QSignalSpy runSpy(m_selection, &SelectionSignal::signalRun);
    QSignalSpy stopSpy(m_selection, &SelectionSignal::signalStop);
    m_selection->run();
    QCOMPARE(runSpy.count(), 0);
    QCOMPARE(stopSpy.count(), 1);
    loadSignal(1000);
    m_selection->run();
    QCOMPARE(runSpy.count(), 1);
    QVERIFY(m_hub->isRun());
    m_selection->run();  // a second run while running stops
    QCOMPARE(stopSpy.count(), 2);
    QVERIFY(!m_hub->isRun());
}

void tst_SelectionSignal::newDataReSendsTheWindowThroughTheHub()
{
    loadSignal(10000);
    m_selection->slotSetStartSelection(1000);
    QSignalSpy selectedSpy(m_hub, &ManagerSignal::sendNewSelected);
    m_hub->slotSetSignalReady(m_hub->sourceSignal(0));  // announces new ready signals
    QVERIFY(selectedSpy.wait(1000));  // the selection listens through a queued connection
    QCOMPARE(m_hub->selection(1).startIndex, 1000);
    QCOMPARE(m_hub->selection(1).first->real(), 1000.0);

    m_selection->setFollowNewData(false);
    m_hub->slotSetSignalReady(m_hub->sourceSignal(0));
    QVERIFY(selectedSpy.wait(1000));
    QCOMPARE(m_hub->selection(1).size(), 10000);  // the whole signal
}

void tst_SelectionSignal::framesCutByTheEngineAreBoundByTheRecording()
{
    m_hub->slotSetSignal(Signal(IQVector(50000)), QStringLiteral("long.owv"));
    m_hub->slotSetSignalReady(Signal(IQVector(2000)), false);  // the engine's last frame
    m_selection->firstSelection();
    m_selection->setSizeSelection(4096);
    QCOMPARE(m_selection->size(), 2000);  // bound by what was cut
    m_selection->setBoundByRecording(true);
    m_selection->firstSelection();
    m_selection->setSizeSelection(4096);
    QCOMPARE(m_selection->size(), 4096);
    QCOMPARE(m_selection->maximum(), 50000);
}

QTEST_GUILESS_MAIN(tst_SelectionSignal)
#include "tst_SelectionSignal.moc"
