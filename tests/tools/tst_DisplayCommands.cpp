#include "CliRun.h"
#include "TestEnvironment.h"

#include <QImage>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <complex>

namespace {
constexpr double kPi = 3.14159265358979323846;
using IQ = std::complex<double>;

using Run = CliRun;

Run cli(const QStringList &args)
{
    return runCli(args);
}

QVector<QPointF> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QVector<QPointF> points;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> xy = line.split(',');
        if (xy.size() == 2)
            points << QPointF(xy[0].toDouble(), xy[1].toDouble());
    }
    return points;
}
}  // namespace

class TestDisplayCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A .txt recording (1 MHz, carrier 0 as raw formats are): a tone at +Fs/4
        // with some second tone so that no two bins agree by accident.
        QFile file(m_env.filePath("tone.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int k = 0; k < kSamples; ++k) {
            m_samples << std::polar(1.0, 2 * kPi * 0.25 * k) + std::polar(0.01, 2 * kPi * 0.1 * k + 0.3);
            file.write(QByteArray::number(m_samples.last().real(), 'g', 17) + ' '
                       + QByteArray::number(m_samples.last().imag(), 'g', 17) + '\n');
        }
    }

    void seriesWritesTheTimeSeriesAtFullPrecision()
    {
        const QString csv = m_env.filePath("i.csv");
        const Run run = cli({"series", m_env.filePath("tone.txt"), "--kind", "i", "--start", "8", "--length", "100", "--csv", csv});
        QCOMPARE(run.exitCode, 0);
        const QVector<QPointF> points = readCsv(csv);
        QCOMPARE(points.size(), 100);
        for (int k = 0; k < 100; ++k)
            QCOMPARE(points[k], QPointF(k, m_samples[8 + k].real()));
    }

    // The spectrum of samples 5..68 averaged over two segments, worked out here by a
    // direct DFT. 1e-6 dB: bins 130 dB below the tone carry its rounding noise,
    // which differs between FFTW's butterflies and the plain sum.
    void seriesSpectrumAgreesWithADirectDft()
    {
        const QString csv = m_env.filePath("spectrum.csv");
        const Run run = cli({"series", m_env.filePath("tone.txt"), "--kind", "spectrum", "--start", "5", "--length", "64",
                             "--avg", "2", "--carrier", "2e6", "--csv", csv});
        QCOMPARE(run.exitCode, 0);
        const QVector<QPointF> points = readCsv(csv);
        const int length = 32;
        QCOMPARE(points.size(), length + 1);
        QVector<double> levels(length, 0.0);
        for (int a = 0; a < 2; ++a) {
            for (int k = 0; k < length; ++k) {
                IQ sum = 0;
                for (int n = 0; n < length; ++n) {
                    const double w = 0.42 - 0.5 * std::cos(2 * kPi * n / (length - 1)) + 0.08 * std::cos(4 * kPi * n / (length - 1));
                    sum += m_samples[5 + a * length + n] * w * std::polar(1.0, -2 * kPi * k * n / length);
                }
                levels[k] += (10 * std::log10(std::norm(sum)) - 20 * std::log10(length) + 7.5) / 2;
            }
        }
        // Bins the window leaves empty are below -200 dB on both sides (rounding
        // noise) and are drawn at -199.9.
        for (double &level : levels)
            level = level < -200.0 ? -199.9 : level;
        // Carrier 2 MHz + 0.5 MHz picks MHz; bins 1/32 MHz apart from 1.5 MHz.
        for (int j = 0; j < length; ++j) {
            const int bin = (j + length / 2) % length;
            QVERIFY2(std::abs(points[j].x() - (1.5 + j / 32.0)) < 1e-12, qPrintable(QString::number(j)));
            QVERIFY2(std::abs(points[j].y() - levels[bin]) < 1e-6, qPrintable(QStringLiteral("%1: %2 %3").arg(j).arg(points[j].y()).arg(levels[bin])));
        }
        QCOMPARE(points[length], QPointF(2.5, points[0].y()));
        const auto peak = std::max_element(points.cbegin(), points.cend(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QCOMPARE(peak->x(), 2.25);  // Fc + Fs/4
    }

    void seriesThinsToTheGivenWidth()
    {
        const QString csv = m_env.filePath("power.csv");
        QCOMPARE(cli({"series", m_env.filePath("tone.txt"), "--kind", "power", "--width", "100", "--csv", csv}).exitCode, 0);
        QCOMPARE(readCsv(csv).size(), 2 * (kSamples / (kSamples / 100)) + kSamples % (kSamples / 100));
    }

    void badArgumentsGiveOneLineAndAFailingExit_data()
    {
        QTest::addColumn<QStringList>("args");
        const QString file = m_env.filePath("tone.txt");
        const QString csv = m_env.filePath("bad.csv");
        QTest::newRow("unknown kind") << QStringList{"series", file, "--kind", "phase", "--csv", csv};
        QTest::newRow("negative start") << QStringList{"series", file, "--kind", "i", "--start", "-1", "--csv", csv};
        QTest::newRow("past the end") << QStringList{"series", file, "--kind", "i", "--start", "4000", "--length", "97", "--csv", csv};
        QTest::newRow("not a number") << QStringList{"series", file, "--kind", "q", "--length", "ten", "--csv", csv};
        QTest::newRow("no value") << QStringList{"series", file, "--kind", "q", "--csv", csv, "--avg"};
        QTest::newRow("no layer 2") << QStringList{"series", file, "--kind", "q", "--layer", "2", "--csv", csv};
        QTest::newRow("no such file") << QStringList{"series", file + "x", "--kind", "q", "--csv", csv};
        QTest::newRow("unknown view") << QStringList{"render", file, "--view", "eye", "--png", csv};
        QTest::newRow("bad size") << QStringList{"render", file, "--view", "i", "--size", "wide", "--png", csv};
    }
    void badArgumentsGiveOneLineAndAFailingExit()
    {
        QFETCH(QStringList, args);
        const Run run = cli(args);
        QVERIFY2(run.exitCode > 0, qPrintable(QString::number(run.exitCode)));
        QCOMPARE(run.errorLines.size(), 1);
        QVERIFY(run.errorLines.first().startsWith(QLatin1String("tarnwick-cli: error: ")));
        QVERIFY(!QFile::exists(m_env.filePath("bad.csv")));
    }

    void renderDrawsTheViewIntoAPngOfTheGivenSize()
    {
        for (const QString view : {"i", "spectrum", "spectrogram"}) {
            const QString png = m_env.filePath(view + ".png");
            const Run run = cli({"render", m_env.filePath("tone.txt"), "--view", view, "--size", "640x360", "--png", png});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.errorLines.isEmpty(), qPrintable(run.errorLines.join('\n')));
            const QImage image(png);
            QCOMPARE(image.size(), QSize(640, 360));
            QVERIFY(image.pixel(320, 180) != image.pixel(2, 2));  // something drawn in the middle
        }
    }

    void iqViewsDrawTheSamplesOverTheIdealPoints()
    {
        const QString png = m_env.filePath("vector.png");
        Run run = cli({"render", m_env.filePath("tone.txt"), "--view", "vector", "--modulation", "QPSK", "--size",
                       "500x500", "--png", png});
        QCOMPARE(run.exitCode, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(500, 500));
        // The ideal points are drawn in their own colour.
        int referencePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                referencePixels += QColor(image.pixel(x, y)) == QColor(0xff, 0x53, 0x47);
        }
        QVERIFY(referencePixels > 4);
        run = cli({"render", m_env.filePath("tone.txt"), "--view", "constellation", "--modulation", "nonsense", "--png",
                   png});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errorLines.size(), 1);
    }

private:
    static constexpr int kSamples = 4096;
    TestEnvironment m_env;
    QVector<IQ> m_samples;
};

QTEST_GUILESS_MAIN(TestDisplayCommands)
#include "tst_DisplayCommands.moc"
