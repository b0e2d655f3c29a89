#include "ManagerSignal.h"
#include "ParserSignal.h"

#include <QtTest>
#include <atomic>

namespace {
// Returns each layer reversed, and records the frame hooks in the order called.
class ReversingEngine : public ParserSignal
{
public:
    IQVector parseLayer(int, int layer) override
    {
        IQVector s = m_hub->sourceSignal(layer).samples();
        std::reverse(s.begin(), s.end());
        ++parsed;
        return s;
    }
    void setFrameLength(int num) override { hooks.append(QStringLiteral("length %1").arg(num)); }
    void advanceFrame() override { hooks.append(QStringLiteral("advance")); }
    void rewindFrame() override { hooks.append(QStringLiteral("rewind")); }
    void prepareSource() override { preparedIn = QThread::currentThread(); }

    QStringList hooks;
    std::atomic<int> parsed{0};
    QThread *preparedIn = nullptr;
};

void runPass(ParserSignal &engine, int num, bool isNext)
{
    QMetaObject::invokeMethod(&engine, [&] { engine.slotParser(num, isNext); }, Qt::BlockingQueuedConnection);
}
}  // namespace

class tst_ParserSignal : public QObject
{
    Q_OBJECT
private slots:
    void passWithoutLayersDoesNothing();
    void passAnalysesEveryCurrentLayerInOrder();
    void rewindPassUsesTheRewindHook();
    void stoppedEngineHandsNothingOver();
    void newSourceIsPreparedInTheHubsThread();
    void busyWhileAPassHoldsTheMutex();
};

void tst_ParserSignal::passWithoutLayersDoesNothing()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    ReversingEngine engine;
    engine.setManager(&hub);
    QSignalSpy spy(&hub, &ManagerSignal::sendNewSignal);
    runPass(engine, 100, true);
    QCOMPARE(spy.count(), 0);
    QVERIFY(engine.hooks.isEmpty());
}

void tst_ParserSignal::passAnalysesEveryCurrentLayerInOrder()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    ReversingEngine engine;
    engine.setManager(&hub);
    QVector<Signal> layers;
    for (int l = 0; l < 5; ++l)
        layers.append(Signal(IQVector{IQ(l, 0), IQ(l, 1), IQ(l, 2)}));
    hub.slotSetSignal(layers, QStringLiteral("x"));
    hub.setCurrentSignals({5, 2, 3});
    QSignalSpy spy(&hub, &ManagerSignal::sendNewSignal);
    runPass(engine, 7, true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(engine.hooks, (QStringList{QStringLiteral("length 7"), QStringLiteral("advance")}));
    QCOMPARE(hub.countReadySignals(), 3);
    QCOMPARE(hub.readySignal(0).samples().first(), IQ(4, 2));  // layer number 5 is index 4
    QCOMPARE(hub.readySignal(1).samples().first(), IQ(1, 2));
    QCOMPARE(hub.readySignal(2).samples().last(), IQ(2, 0));
    QCOMPARE(engine.parsed.load(), 3);
}

void tst_ParserSignal::rewindPassUsesTheRewindHook()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    ReversingEngine engine;
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(IQVector(4)), QStringLiteral("x"));
    runPass(engine, 4, false);
    QCOMPARE(engine.hooks, (QStringList{QStringLiteral("rewind"), QStringLiteral("length 4"), QStringLiteral("advance")}));
}

void tst_ParserSignal::stoppedEngineHandsNothingOver()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    ReversingEngine engine;
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(IQVector(4)), QStringLiteral("x"));
    engine.progress()->stop();
    QSignalSpy spy(&hub, &ManagerSignal::sendNewSignal);
    runPass(engine, 4, true);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(engine.parsed.load(), 0);
}

void tst_ParserSignal::newSourceIsPreparedInTheHubsThread()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    ReversingEngine engine;
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(IQVector(4)), QStringLiteral("x"));
    QCOMPARE(engine.preparedIn, QThread::currentThread());
    QVERIFY(engine.thread() == &engine);
}

void tst_ParserSignal::busyWhileAPassHoldsTheMutex()
{
    class SlowEngine : public ParserSignal
    {
    public:
        IQVector parseLayer(int, int) override
        {
            started.store(true);
            while (!released.load())
                QThread::msleep(1);
            return IQVector(1);
        }
        std::atomic<bool> started{false};
        std::atomic<bool> released{false};
    };
    ManagerSignal hub(ParamSignal::ModeVA);
    SlowEngine engine;
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(IQVector(4)), QStringLiteral("x"));
    QVERIFY(!engine.isBusy());
    QMetaObject::invokeMethod(&engine, [&] { engine.slotParser(1, true); }, Qt::QueuedConnection);
    QTRY_VERIFY(engine.started.load());
    QVERIFY(engine.isBusy());
    engine.released.store(true);
    QTRY_VERIFY(!engine.isBusy());
}

QTEST_GUILESS_MAIN(tst_ParserSignal)
#include "tst_ParserSignal.moc"
