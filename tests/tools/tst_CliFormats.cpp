// tarnwick-cli with the files of other SDR tools: raw I/Q by suffix and SigMF
// recordings, through info, convert and measure.
#include "CliRun.h"
#include "ForeignIqFiles.h"
#include "IOSignal.h"
#include "ManagerSignal.h"
#include "TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cmath>

using namespace ForeignIq;

namespace {
IQVector samplesOf(const QString &path)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, QFileInfo(path).path());
    io.setRegisterEnabled(false);
    io.setRawRates(1e6, 0.0);
    return io.readFile(path) ? hub.sourceSignal(0).samples() : IQVector();
}

double maxDifference(const IQVector &a, const IQVector &b)
{
    if (a.size() != b.size() || a.isEmpty())
        return qInf();
    double worst = 0.0;
    for (int k = 0; k < a.size(); ++k)
        worst = std::max({worst, std::abs(a[k].real() - b[k].real()), std::abs(a[k].imag() - b[k].imag())});
    return worst;
}

// A sweep over the whole range of every format, ends included.
IQVector testSamples()
{
    IQVector samples;
    for (int k = 0; k <= 400; ++k)
        samples.append(IQ(-1.0 + k / 200.0, std::sin(k * 0.37) * 0.999));
    return samples;
}

QJsonObject infoJson(const QStringList &args)
{
    const CliRun run = runCli(QStringList{QStringLiteral("info")} + args + QStringList{QStringLiteral("--json")});
    return run.exitCode == 0 ? QJsonDocument::fromJson(run.out.toUtf8()).object() : QJsonObject();
}
}  // namespace

class tst_CliFormats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void convertRoundTripsEveryRawFormat_data();
    void convertRoundTripsEveryRawFormat();
    void convertRoundTripsEverySigmfDatatype_data();
    void convertRoundTripsEverySigmfDatatype();
    void annotationsAndRatesSurviveASigmfRoundTrip();
    void rawRatesComeFromOptionsOrTheName();
    void measureReadsTheCarrierOfASigmfRecording();

private:
    QString path(const QString &name) const { return m_env.filePath(name); }
    TestEnvironment m_env;
    QString m_source;
};

void tst_CliFormats::initTestCase()
{
    QVERIFY(QFileInfo::exists(qEnvironmentVariable("TW_TEST_BIN_DIR") + QStringLiteral("/tarnwick-cli")));
    m_source = path(QStringLiteral("source.owv"));
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, m_env.path());
    io.setRegisterEnabled(false);
    io.setAccuracy(IOSignal::AccuracyDouble);
    Signal record(testSamples());
    QVERIFY(io.writeFile(m_source, {&record}));
}

void tst_CliFormats::convertRoundTripsEveryRawFormat_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<double>("step");  // half a code: the most that rounding may move a value
    QTest::addColumn<QString>("datatype");
    QTest::newRow("cf32") << "cf32" << 6e-8 << "cf32_le";
    QTest::newRow("cfile") << "cfile" << 6e-8 << "cf32_le";
    QTest::newRow("fc32") << "fc32" << 6e-8 << "cf32_le";
    QTest::newRow("cf64") << "cf64" << 0.0 << "cf64_le";
    QTest::newRow("cs16") << "cs16" << 0.5 / 32767 << "ci16_le";
    QTest::newRow("sc16") << "sc16" << 0.5 / 32767 << "ci16_le";
    QTest::newRow("cs8") << "cs8" << 0.5 / 127 << "ci8";
    QTest::newRow("sc8") << "sc8" << 0.5 / 127 << "ci8";
    QTest::newRow("cu8") << "cu8" << 0.5 / 127.5 << "cu8";
}

void tst_CliFormats::convertRoundTripsEveryRawFormat()
{
    QFETCH(QString, suffix);
    QFETCH(double, step);
    QFETCH(QString, datatype);
    const QString raw = path(QStringLiteral("round.") + suffix);
    const QString back = path(QStringLiteral("back-") + suffix + QStringLiteral(".owv"));
    QCOMPARE(runCli({QStringLiteral("convert"), m_source, raw}).exitCode, 0);
    const CliRun run = runCli({QStringLiteral("convert"), raw, back, QStringLiteral("--double"), QStringLiteral("--rate"),
                               QStringLiteral("2.4 MHz"), QStringLiteral("--frequency"), QStringLiteral("433.92e6")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errorLines.isEmpty(), qPrintable(run.errorLines.join('\n')));
    const double worst = maxDifference(samplesOf(back), testSamples());
    QVERIFY2(worst <= step + 1e-15, qPrintable(QStringLiteral("off by %1 codes").arg(step > 0 ? worst / step / 2 : worst)));
    const QJsonObject back64 = infoJson({back});
    QCOMPARE(back64.value(QStringLiteral("sample_rate")).toDouble(), 2.4e6);
    QCOMPARE(back64.value(QStringLiteral("frequency")).toDouble(), 433.92e6);
    QCOMPARE(infoJson({raw}).value(QStringLiteral("precision")).toString(), datatype);
}

void tst_CliFormats::convertRoundTripsEverySigmfDatatype_data()
{
    QTest::addColumn<QString>("datatype");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("step");
    const std::vector<std::pair<double, double>> values{{0.5, -0.25}, {-0.999, 0.75}, {0.001, 0.0}};
    for (const bool big : {false, true}) {
        const QString order = big ? QStringLiteral("_be") : QStringLiteral("_le");
        for (const int bits : {32, 64}) {
            const QString type = QStringLiteral("cf%1").arg(bits) + order;
            QTest::newRow(qPrintable(type)) << type << pairs('f', bits, big, values) << (bits == 32 ? 6e-8 : 0.0);
        }
        for (const int bits : {8, 16, 32}) {
            const double full = std::ldexp(1.0, bits - 1) - 1.0;
            std::vector<std::pair<double, double>> codes;
            for (const auto &v : values)
                codes.push_back({std::round(v.first * full), std::round(v.second * full)});
            const QString type = QStringLiteral("ci%1").arg(bits) + order;
            QTest::newRow(qPrintable(type)) << type << pairs('i', bits, big, codes) << 0.5 / full;
        }
    }
    std::vector<std::pair<double, double>> codes;
    for (const auto &v : values)
        codes.push_back({std::round(v.first * 127.5 + 127.5), std::round(v.second * 127.5 + 127.5)});
    QTest::newRow("cu8") << QStringLiteral("cu8") << pairs('u', 8, false, codes) << 0.5 / 127.5;
}

// Read by the CLI, written as SigMF in both precisions, and read back as doubles:
// each step stays within the quantisation of the formats it passes.
void tst_CliFormats::convertRoundTripsEverySigmfDatatype()
{
    QFETCH(QString, datatype);
    QFETCH(QByteArray, data);
    QFETCH(double, step);
    const QString base = path(datatype);
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-data"), data));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-meta"),
                      QStringLiteral(R"({"global": {"core:datatype": "%1", "core:version": "1.0.0",
                          "core:sample_rate": 1e6}, "captures": [{"core:sample_start": 0, "core:frequency": 2.4e9}],
                          "annotations": []})").arg(datatype).toUtf8()));
    const IQVector expected{{0.5, -0.25}, {-0.999, 0.75}, {0.001, 0.0}};
    const struct { const char *name; const char *precision; double step; } outputs[] = {
        {"-d.sigmf-meta", "--double", 6e-8}, {"-s.sigmf", "--single", 0.5 / 32767}, {"-x.cf64", "--double", 0.0}};
    for (const auto &out : outputs) {
        const QString target = base + QLatin1String(out.name);
        QCOMPARE(runCli({QStringLiteral("convert"), base + QStringLiteral(".sigmf-meta"), target, QLatin1String(out.precision)}).exitCode, 0);
        const IQVector back = samplesOf(target);
        QVERIFY2(maxDifference(back, expected) <= step + out.step + 1e-15,
                 qPrintable(QStringLiteral("%1: off by %2").arg(target).arg(maxDifference(back, expected))));
    }
    const QJsonObject json = infoJson({base + QStringLiteral("-s.sigmf")});
    QCOMPARE(json.value(QStringLiteral("precision")).toString(), QStringLiteral("ci16_le"));
    QCOMPARE(json.value(QStringLiteral("frequency")).toDouble(), 2.4e9);
}

void tst_CliFormats::annotationsAndRatesSurviveASigmfRoundTrip()
{
    const QString base = path(QStringLiteral("marked"));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-data"), pairs('f', 32, false, std::vector<std::pair<double, double>>(100, {0.1, 0.2}))));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-meta"), R"({
        "global": {"core:datatype": "cf32_le", "core:version": "1.0.0", "core:sample_rate": 250000},
        "captures": [{"core:sample_start": 0, "core:frequency": 162.025e6, "core:datetime": "2022-05-01T12:00:00Z"}],
        "annotations": [{"core:sample_start": 10, "core:sample_count": 40, "core:freq_lower_edge": 162.0e6,
                         "core:freq_upper_edge": 162.05e6, "core:label": "AIS", "core:comment": "ship 1"}]})"));
    const QString archive = path(QStringLiteral("again.sigmf"));
    QCOMPARE(runCli({QStringLiteral("convert"), base + QStringLiteral(".sigmf-data"), archive}).exitCode, 0);
    const QJsonObject json = infoJson({archive});
    QCOMPARE(json.value(QStringLiteral("format")).toString(), QStringLiteral("sigmf"));
    QCOMPARE(json.value(QStringLiteral("sample_rate")).toDouble(), 250e3);
    QCOMPARE(json.value(QStringLiteral("frequency")).toDouble(), 162.025e6);
    QCOMPARE(json.value(QStringLiteral("tags")).toObject().value(QStringLiteral("DATE")).toString(),
             QStringLiteral("2022-05-01T12:00:00Z"));
    const QJsonArray annotations = json.value(QStringLiteral("annotations")).toArray();
    QCOMPARE(annotations.size(), 1);
    const QJsonObject ais = annotations.first().toObject();
    QCOMPARE(ais.value(QStringLiteral("start")).toDouble(), 10.0);
    QCOMPARE(ais.value(QStringLiteral("count")).toDouble(), 40.0);
    QCOMPARE(ais.value(QStringLiteral("freq_lower_edge")).toDouble(), 162.0e6);
    QCOMPARE(ais.value(QStringLiteral("freq_upper_edge")).toDouble(), 162.05e6);
    QCOMPARE(ais.value(QStringLiteral("label")).toString(), QStringLiteral("AIS"));
    QCOMPARE(ais.value(QStringLiteral("comment")).toString(), QStringLiteral("ship 1"));
    const CliRun text = runCli({QStringLiteral("info"), archive});
    QVERIFY2(text.out.contains(QStringLiteral("samples 10 to 49, 162 MHz to 162.05 MHz: AIS (ship 1)")), qPrintable(text.out));
}

void tst_CliFormats::rawRatesComeFromOptionsOrTheName()
{
    const QString named = path(QStringLiteral("fob_2.4MSps_433.92MHz_.cu8"));
    QVERIFY(writeFile(named, QByteArray(200, '\x80')));
    QJsonObject json = infoJson({named});
    QCOMPARE(json.value(QStringLiteral("sample_rate")).toDouble(), 2.4e6);
    QCOMPARE(json.value(QStringLiteral("frequency")).toDouble(), 433.92e6);
    QCOMPARE(json.value(QStringLiteral("samples")).toArray().first().toInt(), 100);

    const QString bare = path(QStringLiteral("bare.cs8"));
    QVERIFY(writeFile(bare, QByteArray(20, '\x01')));
    json = infoJson({QStringLiteral("--rate"), QStringLiteral("250 kHz"), bare, QStringLiteral("--frequency"), QStringLiteral("-1e3")});
    QCOMPARE(json.value(QStringLiteral("sample_rate")).toDouble(), 250e3);
    QCOMPARE(json.value(QStringLiteral("frequency")).toDouble(), -1e3);
    // Without them the reader says what it assumed.
    const CliRun assumed = runCli({QStringLiteral("info"), bare});
    QCOMPARE(assumed.exitCode, 0);
    QVERIFY2(assumed.errorLines.filter(QStringLiteral("does not say its sample rate")).size() == 1,
             qPrintable(assumed.errorLines.join('\n')));
    const CliRun bad = runCli({QStringLiteral("info"), bare, QStringLiteral("--rate"), QStringLiteral("fast")});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY2(bad.errorLines.size() == 1 && bad.errorLines.first().contains(QStringLiteral("--rate")),
             qPrintable(bad.errorLines.join('\n')));
}

void tst_CliFormats::measureReadsTheCarrierOfASigmfRecording()
{
    // A tone 250 kHz above a 100 MHz centre, at 2 MS/s.
    std::vector<std::pair<double, double>> tone;
    for (int k = 0; k < 8192; ++k)
        tone.push_back({0.5 * std::cos(2 * M_PI * 0.125 * k), 0.5 * std::sin(2 * M_PI * 0.125 * k)});
    const QString base = path(QStringLiteral("tone"));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-data"), pairs('f', 32, true, tone)));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-meta"), R"({"global": {"core:datatype": "cf32_be", "core:version": "1.0.0",
        "core:sample_rate": 2e6}, "captures": [{"core:sample_start": 0, "core:frequency": 100e6}], "annotations": []})"));
    const CliRun run = runCli({QStringLiteral("measure"), base + QStringLiteral(".sigmf-meta"), QStringLiteral("--peak"),
                               QStringLiteral("--length"), QStringLiteral("4096")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("PEAK: 100.25 MHz")), qPrintable(run.out));
}

QTEST_GUILESS_MAIN(tst_CliFormats)
#include "tst_CliFormats.moc"
