// The ACLR parameter set, its block for the library, and the engine that measures
// each frame of the hub's first signal and logs the block it used.
#include "AclrTestSignal.h"
#include "ManagerSignal.h"
#include "ParamACLR.h"
#include "ParserACLR.h"
#include "TestEnvironment.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

class tst_ParserACLR : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void blockFollowsTheStandardAndConfiguration_data();
    void blockFollowsTheStandardAndConfiguration();
    void textRoundTripsAndNamesTheStandard();
    void logHoldsTheBlockOnTwoLines();
    void engineMeasuresEachFrameAndRewritesTheLog();
    void statusSaysWhatWasLeftOut();
    void missingLibraryLeavesTheTableEmptyWithAMessage();

private:
    TestEnvironment m_env;
};

void tst_ParserACLR::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_env.path()));
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
    ParamACLR::registerSet();
}

void tst_ParserACLR::blockFollowsTheStandardAndConfiguration_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("modes");
    QTest::addColumn<QVector<double>>("doubles");  // rate, carrier bandwidth, offsets, channels
    QTest::addColumn<QVector<int>>("shorts");      // codes, spacings
    QTest::newRow("LTE single, preset")
        << "{CLOCK:30.72 MHz}{Mode:LTE 4G}{BandwidthCC1_LTE:20 MHz}{OffsetCC1_LTE:1 MHz}"
        << QVector<int>{2, 1, 0, 2, 10} << QVector<double>{30.72e6, 3.84e6, 1e6, 20e6, 0, 0, 0, 0}
        << QVector<int>{200, 200, 0, 0};
    QTest::newRow("NR single uses SCS_NR")
        << "{CLOCK:245.76 MHz}{Mode:5G NR ACLR}{BandwidthCC1_NR:100 MHz}{SCS_NR:15 kHz}{SCS_CC1_NR:60 kHz}"
        << QVector<int>{3, 1, 0, 2, 10} << QVector<double>{245.76e6, 3.84e6, 0, 20e6, 0, 0, 0, 0}
        << QVector<int>{1000, 200, 15, 15};
    QTest::newRow("NR multi-carrier uses SCS_CCn_NR")
        << "{CLOCK:245.76 MHz}{Mode:NR 5G}{CarrierConfig:Multi-Carrier}{SCS_CC1_NR:60 kHz}{SCS_CC2_NR:15 kHz}"
        << QVector<int>{3, 2, 0, 2, 10} << QVector<double>{245.76e6, 3.84e6, 0, 20e6, 0, 0, 0, 0}
        << QVector<int>{200, 200, 60, 15};
    QTest::newRow("LTE custom channels")
        << "{CLOCK:1 MHz}{Mode:LTE 4G}{Channels:Custom}{CarrierConfig:Multiple Band}{OffsetCh1:7 MHz}"
        << QVector<int>{2, 3, 0, 2, 10} << QVector<double>{1e6, 3.84e6, 0, 20e6, 7e6, 10e6, 3.84e6, 3.84e6}
        << QVector<int>{200, 200, 0, 0};
    QTest::newRow("custom always gives its channels")
        << "{CLOCK:1 MHz}{Mode:CUSTOM}{BandwidthCarrier:1.2288 MHz}{OffsetCC2_CUSTOM:-2.5 MHz}"
        << QVector<int>{1, 1, 0, 2, 10} << QVector<double>{1e6, 1.2288e6, 0, -2.5e6, 5e6, 10e6, 3.84e6, 3.84e6}
        << QVector<int>{0, 0, 0, 0};
}

void tst_ParserACLR::blockFollowsTheStandardAndConfiguration()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, modes);
    QFETCH(QVector<double>, doubles);
    QFETCH(QVector<int>, shorts);
    ParamACLR param;
    param.parseText(text, false);
    const ACLRParameterBlock block = param.parameterBlock();
    QCOMPARE(QVector<int>(block.modes, block.modes + 5), modes);
    QCOMPARE(block.padding, 0);
    const QVector<double> got{block.sampleRate, block.carrierBandwidth, block.carrierOffsets[0], block.carrierOffsets[1],
                              block.channels[0], block.channels[1], block.channels[2], block.channels[3]};
    QCOMPARE(got, doubles);
    QCOMPARE((QVector<int>{block.bandwidthCodes[0], block.bandwidthCodes[1], block.spacings[0], block.spacings[1]}), shorts);
}

void tst_ParserACLR::textRoundTripsAndNamesTheStandard()
{
    ParamACLR param;
    param.parseText(QStringLiteral("{Mode:4G LTE ACLR}{CarrierConfig:Multi-Carrier}{OffsetCC2_LTE:-15 MHz}{Unknown:1}"), false);
    QCOMPARE(param.standard(), ParamACLR::kLTE);
    ParamACLR copy;
    QVERIFY(copy.parseText(param.text(ParamSignal::FormProfile), false));
    QCOMPARE(copy.text(), param.text());
    QVERIFY(param.text(ParamSignal::FormProfile).contains(QLatin1String("{Mode:LTE 4G}")));
    QVERIFY(!param.text().contains(QLatin1String("Unknown")));
    QCOMPARE(ParamACLR::standardOf(QStringLiteral("5G NR ACLR")), ParamACLR::kNR);
    QCOMPARE(ParamACLR::standardOf(QStringLiteral("CUSTOM")), ParamACLR::kCustom);
    param.reset();
    QCOMPARE(param.standard(), ParamACLR::kCustom);
    QCOMPARE(ManagerSignal(ParamSignal::ModeACLR).param()->text(ParamSignal::FormProfile), ParamACLR().text(ParamSignal::FormProfile));
}

void tst_ParserACLR::logHoldsTheBlockOnTwoLines()
{
    ParamACLR param;
    param.parseText(QStringLiteral("{CLOCK:30.72 MHz}{Mode:LTE 4G}{BandwidthCC1_LTE:20 MHz}"), false);
    const QStringList lines = ParserACLR::logText(param.parameterBlock()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("30720000 2 1 0 2 10"));
    QCOMPARE(lines.at(1), QStringLiteral("3840000 0 20000000 200 200 0 0 0 0 0 0"));
}

void tst_ParserACLR::engineMeasuresEachFrameAndRewritesTheLog()
{
    const double fs = 30.72e6;
    const IQVector x = AclrTestSignal::bandNoise(1 << 16, fs, {{-2.25e6, 2.25e6, 0.5}, {2.75e6, 7.25e6, 0.5e-4}});
    ManagerSignal hub(ParamSignal::ModeACLR);
    ParserACLR engine;
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(x), QStringLiteral("t.owv"));
    hub.param()->parseText(QStringLiteral("{CLOCK:30.72 MHz}{Mode:LTE 4G}{BandwidthCC1_LTE:5 MHz}"), false);
    QSignalSpy results(&engine, &ParserACLR::sendResults);
    QSignalSpy status(&engine, &ParserACLR::sendStatus);
    QFile::remove(ParserACLR::logPath());
    QMetaObject::invokeMethod(&engine, [&engine] { engine.slotParseWindow(0, 1 << 15); }, Qt::BlockingQueuedConnection);
    QCOMPARE(results.count(), 1);
    const ACLRResults first = results.takeFirst().at(0).value<ACLRResults>();
    QCOMPARE(first.status.samplesMeasured, 1 << 15);
    QCOMPARE(first.rows.size(), 4);
    QCOMPARE(first.rows.at(1).name, QStringLiteral("ADJ-U"));
    QVERIFY2(std::abs(first.rows.at(1).dbc + 40) < 0.3, qPrintable(QString::number(first.rows.at(1).dbc)));
    QCOMPARE(status.takeFirst().at(0).toString(), QString());
    QFile log(ParserACLR::logPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().startsWith("30720000 2 1 0 2 10\n3840000 0 20000000 50 200"));
    log.close();
    // The frame goes on to the hub unchanged, for the time views.
    QCOMPARE(hub.readySignal(0).size(), 1 << 15);
    QCOMPARE(hub.readySignal(0).samples().at(5), x.at(5));

    hub.param()->parseText(QStringLiteral("{BandwidthCC1_LTE:10 MHz}"), false);
    QMetaObject::invokeMethod(&engine, [&engine] { engine.slotParseWindow(1 << 15, 1 << 15); }, Qt::BlockingQueuedConnection);
    QCOMPARE(results.count(), 1);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains(" 100 200 "));
}

void tst_ParserACLR::statusSaysWhatWasLeftOut()
{
    ACLRResults results;
    results.isMeasured = true;
    QCOMPARE(ParserACLR::statusText(results, 1000, QString()), QString());
    ACLRChannelRow outside;
    outside.name = QStringLiteral("ALT-U");
    outside.dbc = outside.dbm = std::nan("");
    results.rows << outside;
    const QString text = ParserACLR::statusText(results, (1 << 21) + 5, QString());
    QVERIFY2(text.contains(QLatin1String("2097152")) && text.contains(QLatin1String("ALT-U")), qPrintable(text));
    results.status.status = ACLRStatusNoSignal;
    QVERIFY(ParserACLR::statusText(results, 10, QString()).contains(QLatin1String("too short")));
    QCOMPARE(ParserACLR::statusText(results, 10, QStringLiteral("gone")), QStringLiteral("gone"));
}

void tst_ParserACLR::missingLibraryLeavesTheTableEmptyWithAMessage()
{
    ManagerSignal hub(ParamSignal::ModeACLR);
    ACLRLibrary::setDefaultFolder(m_env.path());
    ParserACLR engine;
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
    QVERIFY(!engine.isLibraryLoaded());
    engine.setManager(&hub);
    hub.slotSetSignal(Signal(IQVector(5000, IQ(0.5, 0.5))), QStringLiteral("t.owv"));
    QSignalSpy results(&engine, &ParserACLR::sendResults);
    QSignalSpy status(&engine, &ParserACLR::sendStatus);
    QMetaObject::invokeMethod(&engine, [&engine] { engine.slotParseWindow(0, 4000); }, Qt::BlockingQueuedConnection);
    QCOMPARE(results.count(), 1);
    QVERIFY(results.at(0).at(0).value<ACLRResults>().rows.isEmpty());
    QVERIFY(status.at(0).at(0).toString().contains(QLatin1String("aclr_core")));
    QCOMPARE(hub.readySignal(0).size(), 4000);  // the time views still get their frame
}

QTEST_GUILESS_MAIN(tst_ParserACLR)
#include "tst_ParserACLR.moc"
