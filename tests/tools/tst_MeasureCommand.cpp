#include "CliRun.h"
#include "TestEnvironment.h"

#include <QProcess>
#include <QtTest>
#include <cmath>
#include <complex>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kSamples = 1000;  // 1 kHz bins at the 1 MHz that raw text recordings read with
using IQ = std::complex<double>;

using Run = CliRun;

Run cli(const QStringList &args)
{
    Run run = runCli(args);
    run.out = run.out.trimmed();
    return run;
}

bool writeTone(const QString &path, double cyclesPerSample)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int k = 0; k < kSamples; ++k) {
        const IQ s = std::polar(1.0, 2 * kPi * cyclesPerSample * k);
        file.write(QByteArray::number(s.real(), 'g', 17) + ' ' + QByteArray::number(s.imag(), 'g', 17) + '\n');
    }
    return true;
}

// The number after `label` and before the unit.
double valueAfter(const QString &line, const QString &label)
{
    return line.mid(label.size()).section(QLatin1Char(' '), 0, 0).toDouble();
}
}  // namespace

class TestMeasureCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(writeTone(m_env.filePath("quarter.txt"), 0.25));  // a full-scale tone at +Fs/4
        QVERIFY(writeTone(m_env.filePath("centre.txt"), 0.0));
    }

    void peakAndRmsOfAFullScaleTone()
    {
        const Run rms = cli({"measure", m_env.filePath("quarter.txt"), "--rms"});
        QCOMPARE(rms.exitCode, 0);
        QCOMPARE(rms.out, QStringLiteral("RMS: 0 dBm"));
        // A stretch of the selection: still the same tone.
        QCOMPARE(cli({"measure", m_env.filePath("quarter.txt"), "--start", "100", "--length", "33", "--rms"}).out,
                 QStringLiteral("RMS: 0 dBm"));

        const Run peak = cli({"measure", m_env.filePath("quarter.txt"), "--peak"});
        QCOMPARE(peak.exitCode, 0);
        QVERIFY2(peak.out.startsWith(QLatin1String("PEAK: 250 kHz, ")), qPrintable(peak.out));
        QVERIFY(peak.out.endsWith(QLatin1String(" dBm")));
        // Blackman's coherent gain with the +7.5 dB correction leaves the tone within 0.1 dB of 0 dB.
        QVERIFY2(std::abs(peak.out.section(QStringLiteral(", "), 1).section(' ', 0, 0).toDouble()) < 0.1, qPrintable(peak.out));
    }

    // Over the whole span every bin counts once: the mean linear power of the
    // spectrum that the series command writes.
    void channelPowerTakesFrequenciesInHertz()
    {
        const QString csv = m_env.filePath("spectrum.csv");
        QCOMPARE(cli({"series", m_env.filePath("quarter.txt"), "--kind", "spectrum", "--csv", csv}).exitCode, 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        double sum = 0.0;
        int count = 0;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.contains(',')) {
                sum += std::pow(10.0, line.split(',').at(1).toDouble() / 10.0);
                ++count;
            }
        }
        QCOMPARE(count, kSamples + 1);
        const Run whole = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "-500000", "500 kHz"});
        QCOMPARE(whole.exitCode, 0);
        QVERIFY2(whole.out.startsWith(QLatin1String("POWER: ")) && whole.out.endsWith(QLatin1String(" dBm")), qPrintable(whole.out));
        QVERIFY2(std::abs(valueAfter(whole.out, "POWER: ") - 10 * std::log10(sum / count)) < 0.001, qPrintable(whole.out));

        // A band round the tone holds its power; one away from it only the window's leakage.
        const Run tone = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "260e3", "240 kHz"});
        const Run away = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "-300e3", "-200e3"});
        QVERIFY2(valueAfter(tone.out, "POWER: ") > valueAfter(away.out, "POWER: ") + 60, qPrintable(tone.out + " / " + away.out));
    }

    // The span of a 1 MHz recording at 0 Hz is -500 kHz to +500 kHz.
    void channelPowerOutsideTheSpanSaysSo()
    {
        const Run outside = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "2 MHz", "3 MHz"});
        QCOMPARE(outside.exitCode, 1);
        QVERIFY(outside.out.isEmpty());
        QCOMPARE(outside.errorLines, QStringList{"tarnwick-cli: error: the band 2 MHz to 3 MHz lies outside the span "
                                                 "-500 kHz to 500 kHz"});
        const Run below = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "-900e3", "-600e3"});
        QCOMPARE(below.exitCode, 1);

        const Run across = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "200 kHz", "900 kHz"});
        QCOMPARE(across.exitCode, 0);
        QCOMPARE(across.errorLines.size(), 1);
        QVERIFY2(across.errorLines.first().contains(QLatin1String("beyond the span")), qPrintable(across.errorLines.first()));
        const Run inside = cli({"measure", m_env.filePath("quarter.txt"), "--channel-power", "200 kHz", "500 kHz"});
        QCOMPARE(across.out, inside.out);
        QVERIFY2(std::isfinite(valueAfter(across.out, "POWER: ")), qPrintable(across.out));
    }

    // A tone at the centre: the band stops a few 1 kHz bins either side of it.
    void occupiedBandwidthOfACentredTone()
    {
        const Run obw = cli({"measure", m_env.filePath("centre.txt"), "--obw"});
        QCOMPARE(obw.exitCode, 0);
        QVERIFY2(obw.out.startsWith(QLatin1String("OBW: ")) && obw.out.endsWith(QLatin1String(" kHz")), qPrintable(obw.out));
        const double khz = valueAfter(obw.out, "OBW: ");
        QVERIFY2(khz >= 2.0 && khz <= 8.0, qPrintable(obw.out));
        QCOMPARE(std::fmod(khz, 2.0), 0.0);  // grown symmetrically: an even number of bins
    }

    void badArgumentsFailWithOneLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no measurement") << QStringList{"measure", "FILE"};
        QTest::newRow("two measurements") << QStringList{"measure", "FILE", "--peak", "--rms"};
        QTest::newRow("one frequency") << QStringList{"measure", "FILE", "--channel-power", "1e3"};
        QTest::newRow("bad frequency") << QStringList{"measure", "FILE", "--channel-power", "low", "2e3"};
        QTest::newRow("unknown option") << QStringList{"measure", "FILE", "--peak", "--fast"};
        QTest::newRow("no file") << QStringList{"measure", "--obw"};
        QTest::newRow("missing file") << QStringList{"measure", "nowhere.txt", "--obw"};
        QTest::newRow("average too large") << QStringList{"measure", "FILE", "--obw", "--avg", "5000"};
    }
    void badArgumentsFailWithOneLine()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings(QRegularExpression("^FILE$"), m_env.filePath("quarter.txt"));
        args.replaceInStrings(QRegularExpression("^nowhere"), m_env.filePath("nowhere"));
        const Run run = cli(args);
        QVERIFY(run.exitCode != 0);
        QCOMPARE(run.errorLines.size(), 1);
        QVERIFY(run.out.isEmpty());
    }

private:
    TestEnvironment m_env;
};

QTEST_GUILESS_MAIN(TestMeasureCommand)
#include "tst_MeasureCommand.moc"
