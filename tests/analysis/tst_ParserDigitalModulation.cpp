// The digital-modulation engine against stand-ins of its library (whole, lacking
// exports, absent) and against the real receiver.
#include "DmTestSignal.h"
#include "FakeDmState.h"
#include "ManagerSignal.h"
#include "ParamDigitalModulation.h"
#include "ParserDigitalModulation.h"

#include <QtTest>
#include <cmath>

namespace {
QString fakeName(const char *kind)
{
    return QStringLiteral("fake_dm_") + QLatin1String(kind);
}

QString testFolder()
{
    return QCoreApplication::applicationDirPath();
}

// The engine loads its library by bare name from the program's library folder.
QString nameInFolder(const QString &name, const QString &folder)
{
    ParserDigitalModulation::setLibraryFolder(folder);
    return name;
}

IQVector ramp(int n)
{
    IQVector s(n);
    for (int i = 0; i < n; ++i)
        s[i] = IQ(i, 1.0);
    return s;
}

// A hub of mode 1 with an engine on a given library in a given folder.
struct Rig
{
    ManagerSignal hub{ParamSignal::ModeDM};
    ParserDigitalModulation engine;
    QLibrary control;
    const FakeDmState *state = nullptr;

    explicit Rig(const QString &library, const QString &folder = testFolder())
        : engine(nameInFolder(library, folder)), control(QDir(folder).filePath(library))
    {
        engine.setManager(&hub);
        if (control.load()) {
            using StateFn = const void *(*)();
            if (auto fn = reinterpret_cast<StateFn>(control.resolve("fakeState")))
                state = static_cast<const FakeDmState *>(fn());
        }
    }
    ParamDigitalModulation *param() { return static_cast<ParamDigitalModulation *>(hub.param()); }
    void answer(int errorCode, int maxSymbols)
    {
        using AnswerFn = void (*)(int, int);
        reinterpret_cast<AnswerFn>(control.resolve("fakeSetAnswers"))(errorCode, maxSymbols);
    }
    void load(const IQVector &samples) { hub.slotSetSignal(Signal(samples), QStringLiteral("t.owv")); }
    void window(int start, int symbols)
    {
        engine.captureSettings();  // as the mode does before each pass
        QMetaObject::invokeMethod(&engine, [this, start, symbols] { engine.slotParseWindow(start, symbols); },
                                  Qt::BlockingQueuedConnection);
    }
};
}  // namespace

class tst_ParserDigitalModulation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void absentLibraryIsNeverCalled();
    void missingExportsAreNamedAndNeverCalled();
    void newSourceGivesTheWholeFirstLayerAndItsLimit();
    void windowsAreCutFromTheRecordingAndGivenOnce();
    void resultsReachSignalsAndTheParameterSet();
    void errorCodesGiveTheirMessages_data();
    void errorCodesGiveTheirMessages();
    void aRepeatedErrorIsReportedOnce();
    void averagingRestartsTheLibraryAverage();
    void settingsEditedDuringPassesReachTheNextPass();
    void realReceiverMeasuresSixteenQam();

};

void tst_ParserDigitalModulation::initTestCase()
{
    QVERIFY2(QLibrary(QDir(testFolder()).filePath(fakeName("full"))).load(), "the stand-in library is built beside the test");
}

void tst_ParserDigitalModulation::absentLibraryIsNeverCalled()
{
    Rig rig(fakeName("absent"));
    QVERIFY(!rig.engine.isAvailable());
    QVERIFY(rig.engine.unavailableText().startsWith(QLatin1String("Demodulation is unavailable: the library")));
    QVERIFY(rig.engine.unavailableText().contains(QLatin1String("could not be loaded")));
    QCOMPARE(rig.engine.missingExports().size(), 12);
    QSignalSpy data(&rig.engine, &ParserDigitalModulation::sendData);
    QSignalSpy ready(&rig.hub, &ManagerSignal::sendNewSignal);
    rig.load(ramp(4000));
    rig.window(0, 100);
    // The pass still ends: the views hear of an empty frame, nothing crashes.
    QCOMPARE(ready.count(), 1);
    QVERIFY(rig.hub.readySignal(0).isEmpty());
    QCOMPARE(data.count(), 0);
    rig.engine.setAveraging(true);
    QCOMPARE(rig.engine.getOversampling(), 1);
    // A name with a folder in it is refused though the file is there: the library
    // comes from the program's folder alone.
    ParserDigitalModulation byPath(QDir(testFolder()).filePath(fakeName("full")));
    QVERIFY(!byPath.isAvailable());
    QVERIFY(byPath.unavailableText().contains(QLatin1String("only a bare library name")));
}

void tst_ParserDigitalModulation::missingExportsAreNamedAndNeverCalled()
{
    Rig rig(fakeName("partial"));
    QVERIFY(rig.state);
    QVERIFY(!rig.engine.isAvailable());
    QCOMPARE(rig.engine.missingExports(), (QStringList{"analysis", "getErrorCode"}));
    const QString text = rig.engine.unavailableText();
    QVERIFY2(text.startsWith(QLatin1String("Demodulation is unavailable: the library "))
                 && text.contains(QLatin1String("fake_dm_partial"))
                 && text.endsWith(QLatin1String(" lacks analysis, getErrorCode.")),
             qPrintable(text));
    QSignalSpy errors(&rig.engine, &ParserSignal::sendError);
    rig.load(ramp(4000));
    rig.window(0, 100);
    QCOMPARE(errors.count(), 0);
    QVERIFY(rig.hub.readySignal(0).isEmpty());
}

void tst_ParserDigitalModulation::newSourceGivesTheWholeFirstLayerAndItsLimit()
{
    Rig rig(fakeName("full"));
    QVERIFY(rig.engine.isAvailable());
    QVERIFY(QMetaType::type("QVectorInt") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("DataAnalysis") != QMetaType::UnknownType);
    rig.answer(0, 777);
    rig.param()->parseText(QStringLiteral("{MODULATION:QAM16}{CLOCK:4 MHz}{SYMBOLRATE:500 kHz}{FILTER:R.Nyquist}"
                                          "{FPARAMETER:0.22}"),
                           false);
    QSignalSpy max(&rig.engine, &ParserDigitalModulation::sendMaxSymbols);
    const int before = rig.state->setSignalCalls;
    rig.hub.slotSetSignal(QVector<Signal>{Signal(ramp(5000)), Signal(IQVector(300))}, QStringLiteral("t.owv"));
    QCOMPARE(rig.state->setSignalCalls, before + 1);
    QCOMPARE(rig.state->lastSize, 5000);
    QCOMPARE(rig.state->lastSampleRate, 4e6);
    QCOMPARE(rig.state->lastSymbolRate, 500e3);
    QCOMPARE(rig.state->lastModulation, QStringLiteral("QAM16"));
    QCOMPARE(rig.state->lastMode, 0);
    QCOMPARE(rig.state->lastFilter, QStringLiteral("Root Nyquist"));
    QCOMPARE(rig.state->lastFilterParameter, 0.22);
    QCOMPARE(max.count(), 1);
    QCOMPARE(max.first().first().toInt(), 777);
}

void tst_ParserDigitalModulation::windowsAreCutFromTheRecordingAndGivenOnce()
{
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.param()->parseText(QStringLiteral("{CLOCK:4 MHz}{SYMBOLRATE:1 MHz}"), false);
    rig.load(ramp(40000));
    const int before = rig.state->setSignalCalls;
    rig.window(1000, 200);
    // 4 samples per symbol: the requested symbols and a margin on both sides.
    const int expected = int(std::ceil((200 * ParserDigitalModulation::kFrameClockRoom
                                        + 2 * ParserDigitalModulation::kFrameMarginSymbols) * 4));
    QCOMPARE(rig.state->lastSize, expected);
    QCOMPARE(rig.state->lastFirstSample, 1000.0);
    QCOMPARE(rig.engine.lastFrameStart(), 1000);
    QCOMPARE(rig.engine.frameLength(), expected);
    QCOMPARE(rig.state->setSignalCalls, before + 1);
    rig.window(1000, 200);
    QCOMPARE(rig.state->setSignalCalls, before + 1);  // the library still holds that frame

    // A window running past the end is moved back so that it ends with the recording.
    rig.window(39990, 200);
    QCOMPARE(rig.engine.lastFrameStart(), 40000 - expected);
    QCOMPARE(rig.state->lastFirstSample, double(40000 - expected));

    // New settings reach the library at the next pass, with a new limit for the recording.
    QSignalSpy max(&rig.engine, &ParserDigitalModulation::sendMaxSymbols);
    rig.param()->setModulation(QStringLiteral("8PSK"));
    rig.window(0, 200);
    QCOMPARE(rig.state->lastModulation, QStringLiteral("8PSK"));
    QCOMPARE(max.count(), 1);
}

void tst_ParserDigitalModulation::resultsReachSignalsAndTheParameterSet()
{
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.load(ramp(40000));
    QSignalSpy data(&rig.engine, &ParserDigitalModulation::sendData);
    QSignalSpy aver(&rig.engine, &ParserDigitalModulation::sendAverData);
    QSignalSpy symbols(&rig.engine, &ParserDigitalModulation::sendDemodSymbols);
    rig.window(0, 100);
    QCOMPARE(rig.hub.readySignal(0).size(), 400);
    QCOMPARE(data.count(), 1);
    QCOMPARE(data.first().first().value<DataAnalysis>().evm, 1.5);
    QCOMPARE(aver.count(), 0);  // averaging is off
    QCOMPARE(symbols.first().first().value<QVector<int>>(), (QVector<int>{3, 1, 2}));
    QCOMPARE(rig.param()->evmVector(), (QVector<double>{0.5, 1.0, 1.5}));
    QCOMPARE(rig.engine.lastOversampling(), 4);
}

void tst_ParserDigitalModulation::errorCodesGiveTheirMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("isNewLimit");
    QTest::newRow("1") << 1 << "Error Signal. Change File." << false;
    QTest::newRow("2") << 2 << "High Symbol Rate. Reduce." << false;
    QTest::newRow("3") << 3 << "" << true;
    QTest::newRow("4") << 4 << "" << true;
    QTest::newRow("5") << 5 << "" << true;
    QTest::newRow("6") << 6 << "Sample rate lower than Symbol rate." << false;
    QTest::newRow("7") << 7 << "Too short signal. Change signal." << true;
    QTest::newRow("0") << 0 << "Unknow Error." << false;
    QTest::newRow("8") << 8 << "Unknow Error." << false;
}

void tst_ParserDigitalModulation::errorCodesGiveTheirMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(bool, isNewLimit);
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.load(ramp(40000));
    // Code 0 with an empty result: the fake fails only for a non-zero code, so ask for none.
    rig.answer(code == 0 ? 0 : code, 5000);
    QSignalSpy errors(&rig.engine, &ParserSignal::sendError);
    QSignalSpy max(&rig.engine, &ParserDigitalModulation::sendMaxSymbols);
    QSignalSpy ready(&rig.hub, &ManagerSignal::sendNewSignal);
    rig.window(0, code == 0 ? 0 : 100);
    QCOMPARE(errors.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(errors.first().first().toString(), message);
    QCOMPARE(max.count(), isNewLimit ? 1 : 0);
    // The empty result is still the layer's result.
    QCOMPARE(ready.count(), 1);
    QVERIFY(rig.hub.readySignal(0).isEmpty());
}

void tst_ParserDigitalModulation::aRepeatedErrorIsReportedOnce()
{
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.load(ramp(40000));
    rig.answer(2, 5000);
    QSignalSpy errors(&rig.engine, &ParserSignal::sendError);
    for (int start : {0, 500, 1000})
        rig.window(start, 100);
    QCOMPARE(errors.count(), 1);
    rig.answer(0, 5000);
    rig.window(0, 100);
    rig.answer(2, 5000);
    rig.window(500, 100);
    QCOMPARE(errors.count(), 2);  // after a good frame the complaint is news again
}

void tst_ParserDigitalModulation::averagingRestartsTheLibraryAverage()
{
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.load(ramp(40000));
    const int before = rig.state->setAverageCalls;
    rig.engine.setAveraging(true);
    QCOMPARE(rig.state->setAverageCalls, before + 1);
    QCOMPARE(rig.state->lastSetAverage, 1);
    QSignalSpy aver(&rig.engine, &ParserDigitalModulation::sendAverData);
    rig.window(0, 100);
    QCOMPARE(aver.count(), 1);
    QCOMPARE(aver.first().first().value<DataAnalysis>().evm, 2.5);
    rig.engine.setAveraging(false);
    QCOMPARE(rig.state->setAverageCalls, before + 1);
    rig.window(500, 100);
    QCOMPARE(aver.count(), 1);
}

void tst_ParserDigitalModulation::settingsEditedDuringPassesReachTheNextPass()
{
    // The panel edits the set while passes run in the engine's thread: each pass works
    // on the copy taken when it was asked for (ThreadSanitizer watches this one).
    Rig rig(fakeName("full"));
    rig.answer(0, 5000);
    rig.param()->parseText(QStringLiteral("{CLOCK:4 MHz}{SYMBOLRATE:1 MHz}"), false);
    rig.load(ramp(40000));
    QSignalSpy data(&rig.engine, &ParserDigitalModulation::sendData);
    const int passes = 40;
    const QStringList schemes{QStringLiteral("QPSK"), QStringLiteral("8PSK"), QStringLiteral("QAM16")};
    for (int i = 0; i < passes; ++i) {
        rig.param()->setModulation(schemes.at(i % schemes.size()));
        rig.engine.captureSettings();
        QMetaObject::invokeMethod(&rig.engine, [&rig, i] { rig.engine.slotParseWindow(i * 10, 100); },
                                  Qt::QueuedConnection);
    }
    QTRY_COMPARE_WITH_TIMEOUT(data.count(), passes, 20000);
    QCOMPARE(rig.state->lastModulation, schemes.at((passes - 1) % schemes.size()));
    // An edit after the burst reaches the next pass asked for.
    rig.param()->setModulation(QStringLiteral("QAM64"));
    rig.window(0, 100);
    QCOMPARE(rig.state->lastModulation, QStringLiteral("QAM64"));
}

void tst_ParserDigitalModulation::realReceiverMeasuresSixteenQam()
{
    // 16QAM at 6 samples per symbol, α 0.35, 28 dB SNR and a carrier offset of 0.4 % of
    // the symbol rate, analysed at two places of the recording: each frame's EVM is within
    // 0.5 dB of −SNR and its frequency error within 0.5 % of the offset.
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QAM16");
    signal.samplesPerSymbol = 6.0;
    signal.rollOff = 0.35;
    signal.symbols = 6000;
    signal.impairments.snrDb = 28.0;
    signal.impairments.carrierOffset = 0.004;
    signal.impairments.phase = 1.1;
    signal.impairments.startSymbols = 0.37;
    signal.generate();
    Rig rig(QStringLiteral("dm_core"), qEnvironmentVariable("TW_TEST_BIN_DIR"));
    QVERIFY2(rig.engine.isAvailable(), qPrintable(rig.engine.unavailableText()));
    rig.param()->parseText(QStringLiteral("{MODULATION:QAM16}{CLOCK:6 MHz}{SYMBOLRATE:1 MHz}{FILTER:Root Nyquist}"
                                          "{FPARAMETER:0.35}"),
                           false);
    QSignalSpy max(&rig.engine, &ParserDigitalModulation::sendMaxSymbols);
    rig.load(signal.iq);
    QCOMPARE(max.count(), 1);
    QVERIFY(max.first().first().toInt() > 5000);
    QSignalSpy data(&rig.engine, &ParserDigitalModulation::sendData);
    for (int start : {0, 17003}) {
        rig.window(start, 1000);
        QCOMPARE(rig.engine.lastFrameStart(), start);
        QCOMPARE(rig.hub.readySignal(0).size(), 1000 * rig.engine.lastOversampling());
    }
    QCOMPARE(data.count(), 2);
    for (const QList<QVariant> &emitted : data) {
        const DataAnalysis d = emitted.first().value<DataAnalysis>();
        QVERIFY2(std::abs(20.0 * std::log10(d.evm / 100.0) + 28.0) < 0.5, qPrintable(QString::number(d.evm)));
        QVERIFY2(std::abs(d.freqError - 4000.0) < 20.0, qPrintable(QString::number(d.freqError)));
    }
}

QTEST_GUILESS_MAIN(tst_ParserDigitalModulation)
#include "tst_ParserDigitalModulation.moc"
