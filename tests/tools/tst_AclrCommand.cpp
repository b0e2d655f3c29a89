// tarnwick-cli aclr: the ACLR measurement of a recording through the program's
// wrapper and aclr_core, as text and as JSON.
#include "AclrTestSignal.h"
#include "CliRun.h"
#include "RecordingFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cmath>

class tst_AclrCommand : public QObject
{
    Q_OBJECT
private slots:
    void ltePresetGivesCarrierAndChannelsAsJson();
    void channelsOutsideTheRecordingAreSaidToBe();
    void customChannelsAndTwoCarriers();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();

private:
    QJsonObject runJson(const QStringList &args);
    TestEnvironment m_env;
};

QJsonObject tst_AclrCommand::runJson(const QStringList &args)
{
    const CliRun run = runCli(QStringList{QStringLiteral("aclr")} + args + QStringList{QStringLiteral("--json")});
    if (run.exitCode != 0)
        qWarning() << run.errorLines << run.out;
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

void tst_AclrCommand::ltePresetGivesCarrierAndChannelsAsJson()
{
    // Powers well under full scale: the recording stores 16-bit samples.
    const double fs = 122.88e6, mbw = 18e6, p = 0.01;
    const IQVector x = AclrTestSignal::bandNoise(1 << 17, fs,
        {{-mbw / 2, mbw / 2, p}, {20e6 - mbw / 2, 20e6 + mbw / 2, p * std::pow(10.0, -4.5)}});
    const QString path = writeRecording(m_env, QStringLiteral("lte20.owv"), QStringLiteral("122.88 MHz"), QStringLiteral("1 GHz"), x);
    QVERIFY(!path.isEmpty());
    const QJsonObject json = runJson({path, QStringLiteral("--standard"), QStringLiteral("lte"), QStringLiteral("--bandwidth"),
                                      QStringLiteral("20e6")});
    const QJsonArray carriers = json.value(QStringLiteral("carriers")).toArray();
    QCOMPARE(carriers.size(), 1);
    const QJsonObject cc1 = carriers.at(0).toObject();
    QCOMPARE(cc1.value(QStringLiteral("name")).toString(), QStringLiteral("CC1"));
    QCOMPARE(cc1.value(QStringLiteral("centre")).toDouble(), 0.0);
    QCOMPARE(cc1.value(QStringLiteral("bandwidth")).toDouble(), 18e6);
    QVERIFY(std::abs(cc1.value(QStringLiteral("level_dbm")).toDouble() + 20.0) < 0.3);
    const QJsonArray channels = json.value(QStringLiteral("channels")).toArray();
    QCOMPARE(channels.size(), 4);
    const QJsonObject adjU = channels.at(1).toObject();
    QCOMPARE(adjU.value(QStringLiteral("name")).toString(), QStringLiteral("ADJ-U"));
    QCOMPARE(adjU.value(QStringLiteral("offset")).toInt(), 20000000);
    QCOMPARE(adjU.value(QStringLiteral("bandwidth")).toInt(), 18000000);
    QCOMPARE(adjU.value(QStringLiteral("reference")).toString(), QStringLiteral("CC1"));
    QVERIFY2(std::abs(adjU.value(QStringLiteral("aclr_dbc")).toDouble() + 45.0) < 0.3,
             qPrintable(QString::number(adjU.value(QStringLiteral("aclr_dbc")).toDouble())));
    QVERIFY(std::abs(adjU.value(QStringLiteral("power_dbm")).toDouble() + 65.0) < 0.3);
    QCOMPARE(channels.at(3).toObject().value(QStringLiteral("offset")).toInt(), 40000000);

    // The text form names the columns of the result table.
    const CliRun text = runCli({QStringLiteral("aclr"), path, QStringLiteral("--standard"), QStringLiteral("lte"),
                                QStringLiteral("--bandwidth"), QStringLiteral("20 MHz")});
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.out.contains(QLatin1String("ACP (dBc)")) && text.out.contains(QLatin1String("ADJ-U")), qPrintable(text.out));
}

void tst_AclrCommand::channelsOutsideTheRecordingAreSaidToBe()
{
    const IQVector x = AclrTestSignal::bandNoise(1 << 16, 30.72e6, {{-9e6, 9e6, 0.02}});
    const QString path = writeRecording(m_env, QStringLiteral("lte20_3072.owv"), QStringLiteral("30.72 MHz"), QStringLiteral("0 Hz"), x);
    const QJsonObject json = runJson({path, QStringLiteral("--standard"), QStringLiteral("lte"), QStringLiteral("--bandwidth"),
                                      QStringLiteral("20 MHz")});
    const QJsonArray channels = json.value(QStringLiteral("channels")).toArray();
    QCOMPARE(channels.size(), 4);
    for (const QJsonValue &value : channels) {
        const QJsonObject channel = value.toObject();
        QVERIFY(!channel.value(QStringLiteral("in_band")).toBool());
        QVERIFY(channel.value(QStringLiteral("aclr_dbc")).isNull());
        QVERIFY(channel.value(QStringLiteral("power_dbm")).isNull());
    }
    const QString messages = json.value(QStringLiteral("messages")).toArray().at(0).toString();
    QVERIFY2(messages.contains(QLatin1String("ADJ-L")) && messages.contains(QLatin1String("ALT-U")), qPrintable(messages));
    QVERIFY(std::abs(json.value(QStringLiteral("carriers")).toArray().at(0).toObject().value(QStringLiteral("level_dbm")).toDouble()
                     + 16.9897) < 0.3);
}

void tst_AclrCommand::customChannelsAndTwoCarriers()
{
    const double fs = 61.44e6, bw = 3.84e6;
    const IQVector x = AclrTestSignal::bandNoise(1 << 16, fs,
        {{-4e6 - bw / 2, -4e6 + bw / 2, 0.01}, {4e6 - bw / 2, 4e6 + bw / 2, 0.01}, {-9e6 - bw / 2, -9e6 + bw / 2, 1e-6}});
    const QString path = writeRecording(m_env, QStringLiteral("two.owv"), QStringLiteral("61.44 MHz"), QStringLiteral("0 Hz"), x);
    const QJsonObject json = runJson({path, QStringLiteral("--standard"), QStringLiteral("custom"), QStringLiteral("--bandwidth"),
                                      QStringLiteral("3.84e6"), QStringLiteral("--carriers"), QStringLiteral("2"),
                                      QStringLiteral("--carrier-offset"), QStringLiteral("-4e6"), QStringLiteral("--carrier-offset"),
                                      QStringLiteral("4e6"), QStringLiteral("--channel"), QStringLiteral("5e6,3.84e6")});
    QCOMPARE(json.value(QStringLiteral("carriers")).toArray().size(), 2);
    const QJsonArray channels = json.value(QStringLiteral("channels")).toArray();
    QCOMPARE(channels.size(), 2);  // one custom channel on each side
    const QJsonObject lower = channels.at(0).toObject();
    QCOMPARE(lower.value(QStringLiteral("reference")).toString(), QStringLiteral("CC1"));
    QCOMPARE(channels.at(1).toObject().value(QStringLiteral("reference")).toString(), QStringLiteral("CC2"));
    QVERIFY(std::abs(lower.value(QStringLiteral("aclr_dbc")).toDouble() + 40.0) < 0.3);
}

void tst_AclrCommand::badArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no standard") << QStringList{"x.owv", "--bandwidth", "20e6"};
    QTest::newRow("bad standard") << QStringList{"x.owv", "--standard", "gsm", "--bandwidth", "20e6"};
    QTest::newRow("no bandwidth") << QStringList{"x.owv", "--standard", "lte"};
    QTest::newRow("bad bandwidth") << QStringList{"x.owv", "--standard", "lte", "--bandwidth", "wide"};
    QTest::newRow("three carriers") << QStringList{"x.owv", "--standard", "lte", "--bandwidth", "20e6", "--carriers", "3"};
    QTest::newRow("bad channel") << QStringList{"x.owv", "--standard", "custom", "--bandwidth", "1e6", "--channel", "5e6"};
    QTest::newRow("custom without channel") << QStringList{"x.owv", "--standard", "custom", "--bandwidth", "1e6"};
    QTest::newRow("unknown option") << QStringList{"x.owv", "--standard", "lte", "--bandwidth", "20e6", "--fast"};
}

void tst_AclrCommand::badArgumentsAreRefused()
{
    QFETCH(QStringList, args);
    const CliRun run = runCli(QStringList{QStringLiteral("aclr")} + args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.errorLines.size(), 1);
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(tst_AclrCommand)
#include "tst_AclrCommand.moc"
