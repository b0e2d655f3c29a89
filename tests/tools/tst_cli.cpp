#include "TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
}  // namespace

class tst_cli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void infoReportsTheDemoRecordingAsJson();
    void convertKeepsSamplesAndRatesAcrossFormats();
    void badInputGivesOneLineErrorsAndNonZeroStatus_data();
    void badInputGivesOneLineErrorsAndNonZeroStatus();

private:
    Result cli(const QStringList &args);
    QString m_bin;
    TestEnvironment m_env;
};

void tst_cli::initTestCase()
{
    m_bin = qEnvironmentVariable("TW_TEST_BIN_DIR");
    QVERIFY2(QFileInfo::exists(m_bin + QStringLiteral("/tarnwick-cli")), "TW_TEST_BIN_DIR must hold tarnwick-cli");
}

Result tst_cli::cli(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_env.path());  // the tool must not need the user's folders
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.start(m_bin + QStringLiteral("/tarnwick-cli"), args);
    Result result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void tst_cli::infoReportsTheDemoRecordingAsJson()
{
    const Result r = cli({QStringLiteral("info"), m_bin + QStringLiteral("/demo/demo-qpsk-rrc.owv"), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(json.value(QStringLiteral("format")).toString(), QStringLiteral("owv"));
    QCOMPARE(json.value(QStringLiteral("layers")).toInt(), 1);
    QCOMPARE(json.value(QStringLiteral("samples")).toArray().first().toInt(), 262144);
    QCOMPARE(json.value(QStringLiteral("sample_rate")).toDouble(), 1e6);
    QCOMPARE(json.value(QStringLiteral("frequency")).toDouble(), 1e9);
    QCOMPARE(json.value(QStringLiteral("tags")).toObject().value(QStringLiteral("TYPE")).toString(), QStringLiteral("OWV"));
    const double peak = json.value(QStringLiteral("peak")).toArray().first().toDouble();
    QVERIFY2(peak > 0.89 && peak <= 0.9, qPrintable(QString::number(peak)));
    const double rms = json.value(QStringLiteral("rms_dbfs")).toArray().first().toDouble();
    QVERIFY2(rms < -1.0 && rms > -6.0, qPrintable(QString::number(rms)));
}

void tst_cli::convertKeepsSamplesAndRatesAcrossFormats()
{
    const QString demo = m_bin + QStringLiteral("/demo/demo-two-tone.owv");
    const QString dat = m_env.filePath(QStringLiteral("two.dat"));
    const QString owv = m_env.filePath(QStringLiteral("two.owv"));
    QCOMPARE(cli({QStringLiteral("convert"), demo, dat}).exitCode, 0);
    QCOMPARE(cli({QStringLiteral("convert"), dat, owv, QStringLiteral("--double")}).exitCode, 0);
    const QJsonObject before = QJsonDocument::fromJson(cli({QStringLiteral("info"), demo, QStringLiteral("--json")}).out).object();
    const QJsonObject after = QJsonDocument::fromJson(cli({QStringLiteral("info"), owv, QStringLiteral("--json")}).out).object();
    QCOMPARE(after.value(QStringLiteral("precision")).toString(), QStringLiteral("64-bit float"));
    QCOMPARE(after.value(QStringLiteral("sample_rate")).toDouble(), 1e6);
    QCOMPARE(after.value(QStringLiteral("samples")), before.value(QStringLiteral("samples")));
    const double rmsBefore = before.value(QStringLiteral("rms_dbfs")).toArray().first().toDouble();
    const double rmsAfter = after.value(QStringLiteral("rms_dbfs")).toArray().first().toDouble();
    QVERIFY2(std::abs(rmsBefore - rmsAfter) < 0.01, qPrintable(QStringLiteral("%1 vs %2").arg(rmsBefore).arg(rmsAfter)));
}

void tst_cli::badInputGivesOneLineErrorsAndNonZeroStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::newRow("no command") << QStringList() << QByteArray();
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << QByteArray();
    QTest::newRow("missing file") << QStringList{QStringLiteral("info"), QStringLiteral("/no/such/file.owv")} << QByteArray();
    QTest::newRow("empty file") << QStringList{QStringLiteral("info"), QStringLiteral("@file.owv")} << QByteArray("");
    QTest::newRow("truncated header") << QStringList{QStringLiteral("info"), QStringLiteral("@file.owv")}
                                      << QByteArray("{TYPE:OWV}{LAYERS:1}{WAVEF");
    QTest::newRow("absurd layer count") << QStringList{QStringLiteral("info"), QStringLiteral("@file.owv")}
                                        << QByteArray("{LAYERS:999999999999}{WAVEFORM-5:#\x01\x02\x03\x04}");
    QTest::newRow("text without samples") << QStringList{QStringLiteral("info"), QStringLiteral("@file.txt")}
                                          << QByteArray("hello world again\n");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("info"), QStringLiteral("@file.txt"), QStringLiteral("--xml")}
                                    << QByteArray("1 2\n");
    QTest::newRow("convert to unknown format") << QStringList{QStringLiteral("convert"), QStringLiteral("@file.txt"), QStringLiteral("/tmp/x.wav")}
                                               << QByteArray("1 2\n");
    QTest::newRow("convert into a missing folder")
        << QStringList{QStringLiteral("convert"), QStringLiteral("@file.txt"), QStringLiteral("/no/such/dir/x.owv")}
        << QByteArray("0.5 0.5\n");
}

void tst_cli::badInputGivesOneLineErrorsAndNonZeroStatus()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, fileBytes);
    for (QString &arg : args) {
        if (arg.startsWith(QLatin1Char('@'))) {
            arg = m_env.filePath(arg.mid(1));
            QFile file(arg);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fileBytes);
        }
    }
    const Result r = cli(args);
    QVERIFY2(r.exitCode > 0, qPrintable(QStringLiteral("exit %1: %2").arg(r.exitCode).arg(QString::fromUtf8(r.err))));
    QVERIFY2(!r.err.trimmed().isEmpty(), "no message on standard error");
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
