// tarnwick-cli demod: the engine and receiver library from the command line.
#include "CliRun.h"
#include "DmTestSignal.h"
#include "RecordingFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cmath>

namespace {
QJsonObject jsonOf(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

double evmDb(const QJsonObject &o)
{
    return 20.0 * std::log10(o.value(QStringLiteral("evm")).toDouble() / 100.0);
}

// Where `part` lies in `whole`, or -1.
int indexOf(const QVector<int> &whole, const QVector<int> &part)
{
    for (int i = 0; i + part.size() <= whole.size(); ++i) {
        if (std::equal(part.cbegin(), part.cend(), whole.cbegin() + i))
            return i;
    }
    return -1;
}
}  // namespace

class tst_DemodCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void demoRecordingGivesItsSignalToNoise();
    void impairedSixteenQamIsMeasuredAndDecided();
    void startMovesIntoTheRecording();
    void badRequestsSayWhy_data();
    void badRequestsSayWhy();
    void renderDrawsTheDemodulatedWindow();

private:
    TestEnvironment m_env;
    DmTestSignal m_qam;
    QString m_qamPath;
};

void tst_DemodCommand::initTestCase()
{
    m_qam.modulation = QStringLiteral("QAM16");
    m_qam.samplesPerSymbol = 5.0;
    m_qam.rollOff = 0.25;
    m_qam.symbols = 5000;
    m_qam.seed = 7;
    m_qam.impairments.snrDb = 26.0;
    m_qam.impairments.carrierOffset = 0.006;
    m_qam.impairments.phase = 0.3;  // within 45° of the constellation: the labels come out as sent
    m_qam.impairments.gainImbalanceDb = 0.5;
    m_qam.generate();
    m_qam.normalisePeak();
    // The sample rate is 5 MHz; the header's clock is left wrong on purpose (--sample-rate wins).
    m_qamPath = writeRecording(m_env, QStringLiteral("qam16.owv"), QStringLiteral("1 MHz"), QStringLiteral("1 GHz"),
                               m_qam.iq);
    QVERIFY(!m_qamPath.isEmpty());
}

void tst_DemodCommand::demoRecordingGivesItsSignalToNoise()
{
    // QPSK, root-raised-cosine 0.35, 250 ksymbol/s at 1 MHz.
    const QString demo = qEnvironmentVariable("TW_TEST_BIN_DIR") + QStringLiteral("/demo/demo-qpsk-rrc.owv");
    const CliRun run = runCli({"demod", demo, "--modulation", "qpsk", "--symbol-rate", "250 kHz", "--filter",
                               "Root Nyquist", "--alpha", "0.35", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject o = jsonOf(run);
    for (const char *key : {"evm", "evm_peak", "magnitude_error", "phase_error", "frequency_error", "mer", "iq_offset",
                            "gain_imbalance", "quadrature_error", "snr", "symbol_rate", "power", "symbol_count",
                            "symbols"})
        QVERIFY2(o.contains(QLatin1String(key)), key);
    // 30 dB per sample in the 1 MHz band; the matched filter keeps a quarter of the noise.
    QVERIFY2(std::abs(o.value("mer").toDouble() - 36.0) < 0.5, qPrintable(run.out.left(400)));
    QVERIFY(std::abs(evmDb(o) + 36.0) < 0.5);
    QVERIFY(std::abs(o.value("symbol_rate").toDouble() - 250e3) < 25.0);
    QCOMPARE(o.value("symbol_count").toInt(), 2000);
    QCOMPARE(o.value("symbols").toArray().size(), 2000);

    // The text form gives the error summary's rows with their units.
    const CliRun text = runCli({"demod", demo, "--modulation", "QPSK", "--symbol-rate", "250000", "--filter",
                                "R.Nyquist", "--symbols", "500"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.startsWith(QLatin1String("EVM: ")));
    QVERIFY(text.out.contains(QLatin1String("\nPower: ")) && text.out.contains(QLatin1String(" dBm\n")));
    QVERIFY(text.out.contains(QLatin1String("Symbols: 500")));
}

void tst_DemodCommand::impairedSixteenQamIsMeasuredAndDecided()
{
    const CliRun run = runCli({"demod", m_qamPath, "--modulation", "QAM16", "--symbol-rate", "1e6", "--sample-rate",
                               "5 MHz", "--filter", "Root Nyquist", "--alpha", "0.25", "--symbols", "3000", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject o = jsonOf(run);
    // The noise alone is 26 dB below the signal; the gain imbalance adds to the error vector.
    QVERIFY2(std::abs(o.value("snr").toDouble() - 26.0) < 0.5, qPrintable(run.out.left(600)));
    QVERIFY(o.value("mer").toDouble() < 26.0);
    QVERIFY(std::abs(o.value("frequency_error").toDouble() - 6000.0) < 30.0);
    QVERIFY(std::abs(o.value("gain_imbalance").toDouble() - 0.5) < 0.05);
    // Every decided symbol is one that was sent, in order.
    QVector<int> decided;
    for (const QJsonValue &v : o.value("symbols").toArray())
        decided.append(v.toInt());
    QCOMPARE(decided.size(), 3000);
    QVERIFY2(indexOf(m_qam.sent, decided) >= 0, "the decided symbols are not the sent ones");
}

void tst_DemodCommand::startMovesIntoTheRecording()
{
    const QStringList common{"demod", m_qamPath, "--modulation", "qam16", "--symbol-rate", "1 MHz", "--sample-rate",
                             "5e6", "--filter", "Root Nyquist", "--alpha", "0.25", "--symbols", "200", "--json"};
    QVector<int> first, later;
    for (const auto &[start, symbols] : {std::pair<int, QVector<int> *>{0, &first}, {10000, &later}}) {
        const CliRun run = runCli(common + QStringList{"--start", QString::number(start)});
        QCOMPARE(run.exitCode, 0);
        for (const QJsonValue &v : jsonOf(run).value("symbols").toArray())
            symbols->append(v.toInt());
    }
    const int a = indexOf(m_qam.sent, first);
    const int b = indexOf(m_qam.sent, later);
    QVERIFY(a >= 0 && b >= 0);
    // 10 000 samples are 2000 symbols at 5 samples per symbol.
    QVERIFY2(std::abs(b - a - 2000) <= 2, qPrintable(QStringLiteral("%1 then %2").arg(a).arg(b)));
}

void tst_DemodCommand::badRequestsSayWhy_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown scheme") << QStringList{"--modulation", "QAM 16", "--symbol-rate", "1e6"} << 2
                                    << "unknown modulation: QAM 16";
    QTest::newRow("no symbol rate") << QStringList{"--modulation", "QPSK"} << 2 << "--symbol-rate are required";
    QTest::newRow("symbol rate above the clock")
        << QStringList{"--modulation", "QPSK", "--symbol-rate", "2 MHz"} << 1 << "Sample rate lower than Symbol rate.";
    QTest::newRow("too many symbols") << QStringList{"--modulation", "QPSK", "--symbol-rate", "100 kHz", "--symbols",
                                                     "900000"}
                                      << 1 << "the recording holds at most";
    QTest::newRow("start behind the end") << QStringList{"--modulation", "QPSK", "--symbol-rate", "100 kHz", "--start",
                                                         "9999999"}
                                          << 2 << "lies behind the recording";
}

void tst_DemodCommand::badRequestsSayWhy()
{
    QFETCH(QStringList, extra);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const CliRun run = runCli(QStringList{"demod", m_qamPath} + extra);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errorLines.join(QLatin1Char('\n')).contains(message), qPrintable(run.errorLines.join(QLatin1Char('\n'))));
    QVERIFY(run.out.isEmpty());
}

// The PNG's size from its header (IHDR: width and height, big-endian, at byte 16).
QSize pngSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG"))
        return {};
    const auto word = [&head](int at) {
        return int((uchar(head[at]) << 24) | (uchar(head[at + 1]) << 16) | (uchar(head[at + 2]) << 8) | uchar(head[at + 3]));
    };
    return QSize(word(16), word(20));
}

void tst_DemodCommand::renderDrawsTheDemodulatedWindow()
{
    const QStringList demod{"--modulation", "QAM16", "--symbol-rate", "1 MHz", "--sample-rate", "5 MHz",
                            "--filter", "Root Nyquist", "--alpha", "0.25", "--symbols", "800", "--start", "5000"};
    for (const char *view : {"evm", "vector", "constellation", "spectrum"}) {
        const QString png = m_env.filePath(QStringLiteral("%1.png").arg(QLatin1String(view)));
        const CliRun run = runCli(QStringList{"render", m_qamPath, "--view", view, "--size", "640x400", "--png", png} + demod);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errorLines.join(QLatin1Char('\n'))));
        QCOMPARE(pngSize(png), QSize(640, 400));
    }
    // The error-vector view needs a demodulation; its options are read as demod reads them.
    const QString png = m_env.filePath(QStringLiteral("bad.png"));
    CliRun run = runCli({"render", m_qamPath, "--view", "evm", "--png", png});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errorLines.join(QLatin1Char('\n')).contains(QLatin1String("--symbol-rate are required")));
    run = runCli({"render", m_qamPath, "--view", "evm", "--png", png, "--modulation", "QPSK", "--symbol-rate=1e6",
                  "--symbols", "0"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errorLines.join(QLatin1Char('\n')).contains(QLatin1String("bad --symbols: 0")));
    QVERIFY(!QFile::exists(png));
}

QTEST_GUILESS_MAIN(tst_DemodCommand)
#include "tst_DemodCommand.moc"
