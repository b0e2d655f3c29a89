#include "SimpleEngine.h"
#include "WaitLoop.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
// Calls a slot in the engine's thread and waits for it to return.
void call(SimpleEngine &engine, void (SimpleEngine::*slot)())
{
    QMetaObject::invokeMethod(&engine, slot, Qt::BlockingQueuedConnection);
}
}  // namespace

class tst_SimpleEngine : public QObject
{
    Q_OBJECT
private slots:
    void delayStepTable();
    void firstRateComesAfterASecondOfFrames();
    void beginWhileRunningKeepsTheMeasurement();
    void slowerFirstLeavesSimplifiedDrawingThenAddsDelay();
    void slowerAtOneFrameDoesNothing();
    void fasterAtZeroDelaySwitchesSimplifiedDrawingOn();
    void endStopsFramesAndAsksForSimplifiedDrawing();
    void waitKeepsEventsFlowing();
};

void tst_SimpleEngine::delayStepTable()
{
    const QVector<QPair<int, unsigned>> table{{150, 1}, {101, 1}, {100, 3}, {71, 3}, {70, 5}, {39, 5}, {38, 7},
                                              {13, 7},  {12, 20}, {9, 20},  {8, 25}, {6, 25}, {5, 32},  {4, 43},
                                              {3, 65},  {2, 150}, {0, 150}, {-1, 150}};
    for (const auto &row : table)
        QVERIFY2(SimpleEngine::delayStep(row.first) == row.second, qPrintable(QString::number(row.first)));
}

void tst_SimpleEngine::firstRateComesAfterASecondOfFrames()
{
    SimpleEngine engine;
    QSignalSpy fpsSpy(&engine, &SimpleEngine::changeFPS);
    // Each frame is answered at once: the engine runs as fast as the event loop allows.
    connect(&engine, &SimpleEngine::nextCadre, &engine, &SimpleEngine::runNextCadre, Qt::QueuedConnection);
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(&engine, &SimpleEngine::begin, Qt::QueuedConnection);
    QVERIFY(fpsSpy.wait(5000));
    QVERIFY2(timer.elapsed() >= 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(fpsSpy.first().first().toInt() > 0);
    call(engine, &SimpleEngine::end);
}

void tst_SimpleEngine::beginWhileRunningKeepsTheMeasurement()
{
    SimpleEngine engine;
    call(engine, &SimpleEngine::begin);
    call(engine, &SimpleEngine::decreaseFPS);  // optimize off
    call(engine, &SimpleEngine::resetFPS);
    call(engine, &SimpleEngine::decreaseFPS);  // adds a delay of 150 (no rate measured yet)
    QCOMPARE(engine.delay(), 150u);
    call(engine, &SimpleEngine::begin);
    QCOMPARE(engine.delay(), 150u);
    call(engine, &SimpleEngine::end);
}

void tst_SimpleEngine::slowerFirstLeavesSimplifiedDrawingThenAddsDelay()
{
    SimpleEngine engine;
    QSignalSpy optimizeSpy(&engine, &SimpleEngine::useOptimize);
    call(engine, &SimpleEngine::begin);
    QVERIFY(engine.isOptimize());
    call(engine, &SimpleEngine::decreaseFPS);
    QVERIFY(!engine.isOptimize());
    QCOMPARE(optimizeSpy.last().first().toBool(), false);
    QCOMPARE(engine.delay(), 0u);
    call(engine, &SimpleEngine::decreaseFPS);
    QCOMPARE(engine.delay(), 150u);
    QVERIFY(engine.isQuickMeasure());
    call(engine, &SimpleEngine::increaseFPS);
    QCOMPARE(engine.delay(), 0u);  // never below zero
    call(engine, &SimpleEngine::end);
}

void tst_SimpleEngine::slowerAtOneFrameDoesNothing()
{
    SimpleEngine engine;
    QSignalSpy fpsSpy(&engine, &SimpleEngine::changeFPS);
    call(engine, &SimpleEngine::begin);
    call(engine, &SimpleEngine::decreaseFPS);  // leaves simplified drawing
    for (int i = 0; i < 6; ++i)
        call(engine, &SimpleEngine::decreaseFPS);  // 150 ms each while no rate is known; quick measure starts
    QCOMPARE(engine.delay(), 900u);
    for (int frame = 0; frame < 3; ++frame)
        call(engine, &SimpleEngine::runNextCadre);  // the third frame comes 1.8 s after the first
    QCOMPARE(fpsSpy.count(), 1);
    QCOMPARE(fpsSpy.last().first().toInt(), 1);
    call(engine, &SimpleEngine::decreaseFPS);
    QCOMPARE(engine.delay(), 900u);
    call(engine, &SimpleEngine::end);
}

void tst_SimpleEngine::fasterAtZeroDelaySwitchesSimplifiedDrawingOn()
{
    SimpleEngine engine;
    call(engine, &SimpleEngine::increaseFPS);  // not running: ignored
    call(engine, &SimpleEngine::begin);
    call(engine, &SimpleEngine::resetFPS);
    QVERIFY(!engine.isOptimize());
    QSignalSpy optimizeSpy(&engine, &SimpleEngine::useOptimize);
    call(engine, &SimpleEngine::increaseFPS);
    QVERIFY(engine.isOptimize());
    QCOMPARE(optimizeSpy.count(), 1);
    QCOMPARE(engine.delay(), 0u);
    call(engine, &SimpleEngine::end);
}

void tst_SimpleEngine::endStopsFramesAndAsksForSimplifiedDrawing()
{
    SimpleEngine engine;
    QSignalSpy frames(&engine, &SimpleEngine::nextCadre);
    QSignalSpy optimizeSpy(&engine, &SimpleEngine::useOptimize);
    call(engine, &SimpleEngine::begin);
    QCOMPARE(frames.count(), 1);
    call(engine, &SimpleEngine::end);
    call(engine, &SimpleEngine::runNextCadre);
    QCOMPARE(frames.count(), 1);
    QVERIFY(!engine.isRunning());
    QCOMPARE(optimizeSpy.last().first().toBool(), true);
}

void tst_SimpleEngine::waitKeepsEventsFlowing()
{
    bool isFired = false;
    QTimer::singleShot(10, this, [&] { isFired = true; });
    QElapsedTimer timer;
    timer.start();
    WaitLoop::wait(60);
    QVERIFY(isFired);
    QVERIFY(timer.elapsed() >= 55);
    timer.restart();
    WaitLoop::wait(0);
    QVERIFY(timer.elapsed() < 20);
}

QTEST_GUILESS_MAIN(tst_SimpleEngine)
#include "tst_SimpleEngine.moc"
