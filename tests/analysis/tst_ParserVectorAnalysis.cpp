#include "FilterCatalogue.h"
#include "FilterChain.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "ParserVectorAnalysis.h"

#include <QtTest>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;

IQVector tone(int n, double cyclesPerSample)
{
    IQVector s(n);
    for (int i = 0; i < n; ++i)
        s[i] = std::polar(1.0, 2.0 * kPi * cyclesPerSample * i);
    return s;
}

// Frequency (cycles per sample, -0.5..0.5) of the strongest bin of a direct DFT.
double peakFrequency(const IQVector &s)
{
    const int n = s.size();
    int best = 0;
    double bestPower = -1.0;
    for (int k = 0; k < n; ++k) {
        IQ acc(0.0, 0.0);
        for (int i = 0; i < n; ++i)
            acc += s[i] * std::polar(1.0, -2.0 * kPi * k * i / n);
        if (std::norm(acc) > bestPower) {
            bestPower = std::norm(acc);
            best = k;
        }
    }
    return (best > n / 2 ? best - n : best) / double(n);
}

struct Bench
{
    ManagerSignal hub{ParamSignal::ModeVA};
    ParserVectorAnalysis engine;
    ParamVectorAnalysis *param() { return static_cast<ParamVectorAnalysis *>(hub.param()); }
    Bench(const IQVector &samples)
    {
        engine.setManager(&hub);
        hub.slotSetSignal(Signal(samples), QStringLiteral("t.owv"));
        param()->setSourceValue(QStringLiteral("CLOCK"), QStringLiteral("8 kHz"));
    }
    // As the mode does: the settings are copied in this (the hub's) thread first.
    void pass(int num, bool isNext = true)
    {
        engine.captureSettings();
        QMetaObject::invokeMethod(&engine, [this, num, isNext] { engine.slotParser(num, isNext); },
                                  Qt::BlockingQueuedConnection);
    }
    void correctAll(bool isAll)
    {
        engine.captureSettings();
        QMetaObject::invokeMethod(&engine, [this, isAll] { engine.slotCorrectionAllSignal(isAll); },
                                  Qt::BlockingQueuedConnection);
    }
};
}  // namespace

class tst_ParserVectorAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void framesWalkTheRecordingAndWrapAtItsEnd();
    void rewindNeverGoesBelowZero();
    void decimationOneDoesNoFiltering();
    void decimationKeepsEveryDthFilteredSample();
    void frequencyShiftMovesAToneByTheShift();
    void wholeSignalCorrectionReplacesFrameCorrection();
    void blockedEngineGivesEmptyFrames();
    void wholeSignalProgressEndsAtHundred();
    void settingsEditedDuringPassesReachTheNextPass();
};

void tst_ParserVectorAnalysis::framesWalkTheRecordingAndWrapAtItsEnd()
{
    IQVector ramp(1000);
    for (int i = 0; i < ramp.size(); ++i)
        ramp[i] = IQ(i, 0);
    Bench b(ramp);
    b.pass(300);
    QCOMPARE(b.hub.readySignal(0).samples().first().real(), 0.0);
    b.pass(300);
    QCOMPARE(b.hub.readySignal(0).samples().first().real(), 300.0);
    b.pass(300);
    QCOMPARE(b.hub.readySignal(0).samples().first().real(), 600.0);
    QCOMPARE(b.engine.framePosition(), 0);  // a frame at 900 would pass the end of 1000
    b.pass(300);
    QCOMPARE(b.hub.readySignal(0).samples().first().real(), 0.0);
}

void tst_ParserVectorAnalysis::rewindNeverGoesBelowZero()
{
    Bench b(IQVector(1000));
    b.pass(300);
    b.pass(300, false);
    QCOMPARE(b.engine.framePosition(), 300);  // rewound to 0, analysed, then advanced
    b.pass(300, false);
    b.pass(300, false);
    QCOMPARE(b.engine.framePosition(), 300);
}

void tst_ParserVectorAnalysis::decimationOneDoesNoFiltering()
{
    const IQVector input = tone(512, 0.1);
    Bench b(input);
    b.param()->setAnalysisValue(QStringLiteral("Decimation"), QStringLiteral("1"));
    b.pass(512);
    QCOMPARE(b.engine.frameLength(), 512);
    QCOMPARE(b.hub.readySignal(0).samples(), input);
}

void tst_ParserVectorAnalysis::decimationKeepsEveryDthFilteredSample()
{
    const int d = 4;
    const IQVector input = tone(4096, 0.01);
    Bench b(input);
    b.param()->setAnalysisValue(QStringLiteral("Decimation"), QString::number(d));
    b.pass(100);
    QCOMPARE(b.engine.frameLength(), (100 + 49) * d);
    FilterChain filter;
    filter.setType(FilterLowpass2, {});
    filter.setTaps(32 * d);
    IQVector frame = input.mid(0, (100 + 49) * d);
    const IQVector filtered = filter.apply(frame);
    const IQVector out = b.hub.readySignal(0).samples();
    QCOMPARE(out.size(), filtered.size() / d);
    for (int k = 0; k < out.size(); ++k)
        QVERIFY(std::abs(out[k] - filtered[d - 1 + k * d]) < 1e-12);
}

void tst_ParserVectorAnalysis::frequencyShiftMovesAToneByTheShift()
{
    Bench b(tone(256, 1.0 / 16));
    b.param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("1 kHz"));  // Fs/8 at 8 kHz
    b.pass(256);
    QCOMPARE(peakFrequency(b.hub.readySignal(0).samples()), 1.0 / 16 + 1.0 / 8);
}

void tst_ParserVectorAnalysis::wholeSignalCorrectionReplacesFrameCorrection()
{
    Bench b(tone(256, 0.0));
    b.param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("2 kHz"));
    QSignalSpy done(&b.engine, &ParserVectorAnalysis::finishAllCorrection);
    b.correctAll(true);
    QCOMPARE(done.count(), 1);
    QVERIFY(b.engine.hasCorrectedLayers());
    b.param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("0 kHz"));  // the stored correction holds
    b.pass(64);
    QCOMPARE(peakFrequency(b.hub.readySignal(0).samples()), 0.25);
    b.correctAll(false);
    QVERIFY(!b.engine.hasCorrectedLayers());
}

void tst_ParserVectorAnalysis::blockedEngineGivesEmptyFrames()
{
    Bench b(IQVector(100, IQ(1, 0)));
    b.engine.setBlocked(true);
    b.pass(50);
    QVERIFY(b.hub.readySignal(0).isEmpty());
}

void tst_ParserVectorAnalysis::wholeSignalProgressEndsAtHundred()
{
    Bench b(tone(200000, 0.01));
    b.param()->setAnalysisValue(QStringLiteral("Decimation"), QStringLiteral("4"));
    QList<int> percents;
    connect(&b.engine, &ParserSignal::sendProgress, this, [&](int p) { percents.append(p); }, Qt::DirectConnection);
    b.correctAll(true);
    QVERIFY(percents.size() > 3);
    for (int i = 0; i < percents.size(); ++i) {
        QVERIFY2(percents.at(i) <= 100, qPrintable(QString::number(percents.at(i))));
        if (i > 0)
            QVERIFY2(percents.at(i) >= percents.at(i - 1), "progress went backwards");
    }
    QCOMPARE(percents.last(), 100);
}

void tst_ParserVectorAnalysis::settingsEditedDuringPassesReachTheNextPass()
{
    // The panel edits the set while passes run in the engine's thread: each pass works
    // on the copy taken when it was asked for (ThreadSanitizer watches this one).
    Bench b(tone(4096, 0.0));
    QSignalSpy ready(&b.hub, &ManagerSignal::sendNewSignal);
    const int passes = 40;
    for (int i = 0; i < passes; ++i) {
        b.param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("%1 Hz").arg(i * 10));
        b.param()->setAnalysisValue(QStringLiteral("Decimation"), QString::number(1 + i % 3));
        b.engine.captureSettings();
        QMetaObject::invokeMethod(&b.engine, [&b] { b.engine.slotParseWindow(0, 64); }, Qt::QueuedConnection);
    }
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), passes, 20000);
    // A pass asked for after the burst works with the latest edit.
    b.param()->setAnalysisValue(QStringLiteral("Decimation"), QStringLiteral("1"));
    b.param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("1 kHz"));
    b.pass(256);
    QCOMPARE(b.engine.settings().decimation, 1);
    QCOMPARE(peakFrequency(b.hub.readySignal(0).samples()), 1.0 / 8);
}

QTEST_GUILESS_MAIN(tst_ParserVectorAnalysis)
#include "tst_ParserVectorAnalysis.moc"
