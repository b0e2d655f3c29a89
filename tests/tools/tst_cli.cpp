#include "IOSignal.h"
#include "ManagerSignal.h"
#include "SignalInformation.h"
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

// The samples of a recording, read the way the tool reads them.
IQVector samplesOf(const QString &path)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, QFileInfo(path).path());
    io.setRegisterEnabled(false);
    return io.readFile(path) ? hub.sourceSignal(0).samples() : IQVector();
}

double maxDifference(const IQVector &a, const IQVector &b)
{
    if (a.size() != b.size())
        return qInf();
    double worst = 0.0;
    for (int k = 0; k < a.size(); ++k)
        worst = std::max({worst, std::abs(a[k].real() - b[k].real()), std::abs(a[k].imag() - b[k].imag())});
    return worst;
}
}  // namespace

class tst_cli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void infoReportsTheDemoRecordingAsJson();
    void convertKeepsSamplesAndRatesAcrossFormats();
    void readerWarningsNameTheFile_data();
    void readerWarningsNameTheFile();
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
    const QString bin = m_env.filePath(QStringLiteral("two.bin"));
    QCOMPARE(cli({QStringLiteral("convert"), demo, dat}).exitCode, 0);
    QCOMPARE(cli({QStringLiteral("convert"), dat, owv, QStringLiteral("--double")}).exitCode, 0);
    QCOMPARE(cli({QStringLiteral("convert"), demo, bin, QStringLiteral("--single")}).exitCode, 0);
    const QJsonObject after = QJsonDocument::fromJson(cli({QStringLiteral("info"), owv, QStringLiteral("--json")}).out).object();
    QCOMPARE(after.value(QStringLiteral("precision")).toString(), QStringLiteral("64-bit float"));
    QCOMPARE(after.value(QStringLiteral("sample_rate")).toDouble(), 1e6);

    const IQVector original = samplesOf(demo);
    QCOMPARE(original.size(), 262144);
    const double peak = SignalInformation::peak(original);
    // .dat stores codes of peak / 32767, truncated toward zero: less than one step off.
    QVERIFY2(maxDifference(samplesOf(dat), original) < peak / 32767.0,
             qPrintable(QString::number(maxDifference(samplesOf(dat), original) * 32767.0 / peak)));
    // 64-bit floats keep the .dat's values exactly.
    QCOMPARE(maxDifference(samplesOf(owv), samplesOf(dat)), 0.0);
    // 16-bit again: within one code of 1 / 32767.
    QVERIFY(maxDifference(samplesOf(bin), original) <= 1.0 / 32767.0);
}

void tst_cli::readerWarningsNameTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("samples");
    QByteArray text;
    for (int k = 0; k < 5000; ++k)
        text += k % 5 == 0 ? "0.00000 0.5\n" : "0.5 -0.5\n";
    QTest::newRow("zeros not written as 0")
        << text << "notes.txt" << "notes.txt: 1000 of 5000 lines skipped (1000 with a zero not written as 0)." << 1e6
        << 4000;
    const QByteArray block = QByteArray(4 * 10, '\1');
    QTest::newRow("clock not a number")
        << "{TYPE:OWV}{LAYERS:1}{CLOCK:abc}{WAVEFORM-41:#" + block + '}' << "clock.owv"
        << "clock.owv: CLOCK \"abc\" is not a positive rate; 1 MHz is used instead." << 1e6 << 10;
    QTest::newRow("cut short")
        << "{TYPE:OWV}{CLOCK:2 MHz}{WAVEFORM-81:#" + block << "cut.owv"
        << "cut.owv: the file ends after 10 of the 20 samples its header announces; the samples present were read."
        << 2e6 << 10;
}

void tst_cli::readerWarningsNameTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, warning);
    QFETCH(double, rate);
    QFETCH(int, samples);
    QFile file(m_env.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Result r = cli({QStringLiteral("info"), file.fileName(), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(r.err).trimmed(), QStringLiteral("tarnwick-cli: warning: ") + warning);
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(json.value(QStringLiteral("sample_rate")).toDouble(), rate);
    QCOMPARE(json.value(QStringLiteral("samples")).toArray().first().toInt(), samples);
}

void tst_cli::badInputGivesOneLineErrorsAndNonZeroStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::newRow("no command") << QStringList() << QByteArray();
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << QByteArray();
    QTest::newRow("missing file") << QStringList{QStringLiteral("info"), QStringLiteral("/no/such/file.owv")} << QByteArray();
    QTest::newRow("empty file") << QStringList{QStringLiteral("info"), QStringLiteral("@file.owv")} << QByteArray("");
    QTest::newRow("convert to text") << QStringList{QStringLiteral("convert"), QStringLiteral("@file.txt"), QStringLiteral("/tmp/x.txt")}
                                     << QByteArray("1 2\n");
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
