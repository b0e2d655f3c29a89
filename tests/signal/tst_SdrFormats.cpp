// Reading and writing the files of other SDR tools through IOSignal: raw I/Q by
// suffix, SigMF recordings (metadata beside data, and tar archives).
#include "ForeignIqFiles.h"
#include "IOSignal.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "SigmfArchive.h"
#include "SignalFileKind.h"
#include "TestEnvironment.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace ForeignIq;

namespace {
// A SigMF recording as other tools write one: one channel of
// cf32_le, a capture with its centre frequency and time, two annotations.
const char kExampleOne[] = R"({
    "global": {
        "core:datatype": "cf32_le",
        "core:sample_rate": 2000000,
        "core:version": "1.0.0",
        "core:description": "ISM band capture",
        "core:author": "Jane Roe <jane@example.org>",
        "core:recorder": "gr-sigmf"
    },
    "captures": [
        { "core:sample_start": 0, "core:frequency": 915000000, "core:datetime": "2021-03-10T17:03:33.042Z" }
    ],
    "annotations": [
        { "core:sample_start": 2, "core:sample_count": 3, "core:freq_lower_edge": 914875000,
          "core:freq_upper_edge": 915125000, "core:label": "LoRa", "core:comment": "uplink burst" },
        { "core:sample_start": 6, "core:label": "tail" }
    ]
})";

// The second: a non-conforming dataset of two interleaved ci16_be channels whose
// indexes count from core:offset, two captures each behind 4 header bytes, and 2
// trailing bytes.
const char kExampleTwo[] = R"({
    "global": {
        "core:datatype": "ci16_be",
        "core:sample_rate": 48000.0,
        "core:version": "1.2.0",
        "core:num_channels": 2,
        "core:offset": 1000,
        "core:trailing_bytes": 2
    },
    "captures": [
        { "core:sample_start": 1003, "core:frequency": 14.074e6, "core:header_bytes": 4 },
        { "core:sample_start": 1000, "core:frequency": 14.070e6, "core:header_bytes": 4,
          "core:datetime": "2020-01-01T00:00:00Z" }
    ],
    "annotations": [
        { "core:sample_start": 1001, "core:sample_count": 3, "core:comment": "FT8" }
    ]
})";
}  // namespace

class tst_SdrFormats : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void rawFilesReadTheirLayoutBySuffix_data();
    void rawFilesReadTheirLayoutBySuffix();
    void rawFileNamesCarryRateAndFrequency_data();
    void rawFileNamesCarryRateAndFrequency();
    void givenRatesWinOverTheNameAndLastOneRead();
    void sigmfDatatypesReadInBothByteOrders_data();
    void sigmfDatatypesReadInBothByteOrders();
    void handWrittenExampleOneOpensWithRateFrequencyAndAnnotations();
    void handWrittenExampleTwoInAnArchiveOpensAsChannels();
    void badSigmfRecordingsNameTheField_data();
    void badSigmfRecordingsNameTheField();
    void sigmfWritingCarriesHashRatesAndAnnotations_data();
    void sigmfWritingCarriesHashRatesAndAnnotations();
    void layersAreWrittenAsChannels();

private:
    QString path(const QString &name) const { return m_env->filePath(name); }
    ParamVectorAnalysis *param() const { return static_cast<ParamVectorAnalysis *>(m_hub->param()); }
    bool read(const QString &name) { return m_io->readFile(path(name)); }
    IQVector samples(int layer = 0) const { return m_hub->sourceSignal(layer).samples(); }
    void writeSigmf(const QString &base, const QByteArray &meta, const QByteArray &data)
    {
        QVERIFY(writeFile(path(base + QStringLiteral(".sigmf-meta")), meta));
        QVERIFY(writeFile(path(base + QStringLiteral(".sigmf-data")), data));
    }

    TestEnvironment *m_env = nullptr;
    ManagerSignal *m_hub = nullptr;
    IOSignal *m_io = nullptr;
    QStringList m_messages;
};

void tst_SdrFormats::init()
{
    m_env = new TestEnvironment;
    m_hub = new ManagerSignal(ParamSignal::ModeVA);
    m_io = new IOSignal(m_hub, m_env->filePath(QStringLiteral("quick")));
    m_io->setRegisterEnabled(false);
    m_messages.clear();
    connect(m_io, &IOSignal::sendMessage, this, [this](const QString &title, const QString &text) {
        m_messages << title + QStringLiteral(": ") + text;
    }, Qt::DirectConnection);
}

void tst_SdrFormats::cleanup()
{
    delete m_io;
    delete m_hub;
    delete m_env;
}

void tst_SdrFormats::rawFilesReadTheirLayoutBySuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("i");  // of the second sample
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("tolerance");
    const auto two = [](char kind, int bits, double i, double q) {
        return pairs(kind, bits, false, {{0, 0}, {i, q}});
    };
    QTest::newRow("cf32") << "a.cf32" << two('f', 32, 0.25, -0.75) << 0.25 << -0.75 << 0.0;
    QTest::newRow("cfile (GNU Radio)") << "a.cfile" << two('f', 32, 0.5, 1.5) << 0.5 << 1.5 << 0.0;
    QTest::newRow("fc32") << "a.fc32" << two('f', 32, -0.125, 0.0) << -0.125 << 0.0 << 0.0;
    QTest::newRow("cf64") << "a.cf64" << two('f', 64, 0.1, -0.2) << 0.1 << -0.2 << 0.0;
    QTest::newRow("cs16 full scale") << "a.cs16" << two('i', 16, 32767, -32767) << 1.0 << -1.0 << 0.0;
    QTest::newRow("sc16") << "a.sc16" << two('i', 16, 16384, -8192) << 16384 / 32767.0 << -8192 / 32767.0 << 1e-15;
    QTest::newRow("cs8") << "a.cs8" << two('i', 8, 127, -64) << 1.0 << -64 / 127.0 << 1e-15;
    QTest::newRow("sc8 most negative") << "a.sc8" << two('i', 8, -128, 0) << -128 / 127.0 << 0.0 << 1e-15;
    // rtl_sdr's offset binary: 127 and 128 lie either side of zero, 0 and 255 at full scale.
    QTest::newRow("cu8 near zero") << "a.cu8" << two('u', 8, 127, 128) << -1 / 255.0 << 1 / 255.0 << 1e-15;
    QTest::newRow("cu8 full scale") << "a.cu8" << two('u', 8, 255, 0) << 1.0 << -1.0 << 1e-15;
}

void tst_SdrFormats::rawFilesReadTheirLayoutBySuffix()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(double, i);
    QFETCH(double, q);
    QFETCH(double, tolerance);
    QVERIFY(writeFile(path(name), bytes + QByteArray(1, '\x7f')));  // a stray byte at the end
    QVERIFY(read(name));
    QCOMPARE(samples().size(), 2);
    QVERIFY2(std::abs(samples()[1].real() - i) <= tolerance && std::abs(samples()[1].imag() - q) <= tolerance,
             qPrintable(QStringLiteral("%1 %2").arg(samples()[1].real(), 0, 'g', 17).arg(samples()[1].imag(), 0, 'g', 17)));
    QVERIFY2(m_messages.filter(QStringLiteral("1 bytes do not make a whole sample")).size() == 1, qPrintable(m_messages.join('\n')));
}

void tst_SdrFormats::rawFileNamesCarryRateAndFrequency_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("frequency");
    QTest::newRow("MSps and MHz") << "rtl_2.4MSps_433.92MHz_.cu8" << 2.4e6 << 433.92e6;
    QTest::newRow("Hz figures: centre, then rate") << "cap_433.92MHz_2400000Hz.cs8" << 2.4e6 << 433.92e6;
    QTest::newRow("rate in sps, lower case") << "x-250ksps-100.1mhz.cf32" << 250e3 << 100.1e6;
    QTest::newRow("GHz") << "wifi_20MSps_2.412GHz.cs16" << 20e6 << 2.412e9;
    QTest::newRow("no figures") << "capture.cu8" << 0.0 << 0.0;
    QTest::newRow("a figure glued to a word is none") << "band433MHz_x.cu8" << 0.0 << 0.0;
}

void tst_SdrFormats::rawFileNamesCarryRateAndFrequency()
{
    QFETCH(QString, name);
    QFETCH(double, rate);
    QFETCH(double, frequency);
    double gotRate = -1.0, gotFrequency = -1.0;
    SignalFileKind::ratesFromName(QStringLiteral("/some.folder_9MHz/") + name, gotRate, gotFrequency);
    QCOMPARE(gotRate, rate);
    QCOMPARE(gotFrequency, frequency);
    QCOMPARE(IOSignal::needsRawRates(name), rate == 0.0 || frequency == 0.0);
    QVERIFY(writeFile(path(name), QByteArray(64, '\0')));
    QVERIFY(read(name));
    QCOMPARE(param()->sourceSampleRate(), rate > 0.0 ? rate : 1e6);
    QCOMPARE(param()->sourceFrequency(), frequency);
    QCOMPARE(param()->sampleRate(), rate > 0.0 ? rate : 1e6);
    QCOMPARE(m_messages.filter(QStringLiteral("does not say its sample rate")).size(), rate > 0.0 ? 0 : 1);
}

void tst_SdrFormats::givenRatesWinOverTheNameAndLastOneRead()
{
    QVERIFY(writeFile(path(QStringLiteral("b_1MSps_100MHz.cf32")), QByteArray(80, '\0')));
    m_io->setRawRates(3.2e6, 868e6);
    QVERIFY(read(QStringLiteral("b_1MSps_100MHz.cf32")));
    QCOMPARE(param()->sourceSampleRate(), 3.2e6);
    QCOMPARE(param()->sourceFrequency(), 868e6);
    QCOMPARE(samples().size(), 10);
    // The given rates were for that read only.
    QVERIFY(read(QStringLiteral("b_1MSps_100MHz.cf32")));
    QCOMPARE(param()->sourceSampleRate(), 1e6);
    QCOMPARE(param()->sourceFrequency(), 100e6);
}

void tst_SdrFormats::sigmfDatatypesReadInBothByteOrders_data()
{
    QTest::addColumn<QString>("datatype");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("step");  // one quantisation step of the datatype
    const std::vector<std::pair<double, double>> values{{0.5, -0.25}, {-1.0, 0.75}, {0.001, -0.999}};
    for (const bool big : {false, true}) {
        const char *order = big ? "_be" : "_le";
        for (const int bits : {32, 64}) {
            QTest::newRow(qPrintable(QStringLiteral("cf%1%2").arg(bits).arg(order)))
                << QStringLiteral("cf%1%2").arg(bits).arg(order) << pairs('f', bits, big, values) << (bits == 32 ? 1e-7 : 0.0);
        }
        for (const int bits : {8, 16, 32}) {
            const double full = std::ldexp(1.0, bits - 1) - 1.0;
            std::vector<std::pair<double, double>> codes;
            for (const auto &v : values)
                codes.push_back({std::round(v.first * full), std::round(v.second * full)});
            QTest::newRow(qPrintable(QStringLiteral("ci%1%2").arg(bits).arg(order)))
                << QStringLiteral("ci%1%2").arg(bits).arg(order) << pairs('i', bits, big, codes) << 0.5 / full;
        }
    }
    std::vector<std::pair<double, double>> codes;
    for (const auto &v : values)
        codes.push_back({std::round(v.first * 127.5 + 127.5), std::round(v.second * 127.5 + 127.5)});
    QTest::newRow("cu8") << QStringLiteral("cu8") << pairs('u', 8, false, codes) << 0.5 / 127.5;
    QTest::newRow("cu8_le (byte order of one byte)") << QStringLiteral("cu8_le") << pairs('u', 8, false, codes) << 0.5 / 127.5;
}

void tst_SdrFormats::sigmfDatatypesReadInBothByteOrders()
{
    QFETCH(QString, datatype);
    QFETCH(QByteArray, data);
    QFETCH(double, step);
    const QByteArray meta = QStringLiteral(R"({"global": {"core:datatype": "%1", "core:version": "1.0.0"},
        "captures": [{"core:sample_start": 0}], "annotations": []})").arg(datatype).toUtf8();
    writeSigmf(QStringLiteral("t"), meta, data);
    // Either file of the pair opens the recording.
    for (const char *suffix : {".sigmf-data", ".sigmf-meta"}) {
        QVERIFY2(read(QStringLiteral("t") + QLatin1String(suffix)), qPrintable(m_messages.join('\n')));
        const IQVector got = samples();
        QCOMPARE(got.size(), 3);
        const IQ expected[] = {{0.5, -0.25}, {-1.0, 0.75}, {0.001, -0.999}};
        for (int k = 0; k < 3; ++k) {
            QVERIFY2(std::abs(got[k].real() - expected[k].real()) <= step + 1e-12
                         && std::abs(got[k].imag() - expected[k].imag()) <= step + 1e-12,
                     qPrintable(QStringLiteral("sample %1: %2 %3").arg(k).arg(got[k].real()).arg(got[k].imag())));
        }
    }
}

void tst_SdrFormats::handWrittenExampleOneOpensWithRateFrequencyAndAnnotations()
{
    writeSigmf(QStringLiteral("ism"), kExampleOne, pairs('f', 32, false, std::vector<std::pair<double, double>>(8, {0.5, -0.5})));
    QVERIFY2(read(QStringLiteral("ism.sigmf-meta")), qPrintable(m_messages.join('\n')));
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QCOMPARE(samples().size(), 8);
    QCOMPARE(param()->sourceSampleRate(), 2e6);
    QCOMPARE(param()->sourceFrequency(), 915e6);
    QCOMPARE(param()->sampleRate(), 2e6);
    const SignalInformation &info = m_hub->fileInformation();
    QCOMPARE(info.tag(QStringLiteral("DATE")), QStringLiteral("2021-03-10T17:03:33.042Z"));
    QCOMPARE(info.annotations().size(), 2);
    const SignalAnnotation lora = info.annotations().at(0);
    QCOMPARE(lora.start, 2);
    QCOMPARE(lora.count, 3);
    QVERIFY(lora.hasFrequencies);
    QCOMPARE(lora.lowerEdge, 914.875e6);
    QCOMPARE(lora.upperEdge, 915.125e6);
    QCOMPARE(lora.label, QStringLiteral("LoRa"));
    QCOMPARE(lora.comment, QStringLiteral("uplink burst"));
    // Without a sample count an annotation runs to the end of the recording.
    QCOMPARE(info.annotations().at(1).start, 6);
    QCOMPARE(info.annotations().at(1).count, 2);
    QVERIFY(!info.annotations().at(1).hasFrequencies);
}

void tst_SdrFormats::handWrittenExampleTwoInAnArchiveOpensAsChannels()
{
    // Dataset index d of channel c holds (d, -c): headers "HDR0"/"HDR1" before each capture.
    QByteArray data = "HDR0";
    for (int d = 0; d < 6; ++d) {
        if (d == 3)
            data += "HDR1";
        for (int c = 0; c < 2; ++c)
            data += pairs('i', 16, true, {{100.0 * d, -100.0 * c}});
    }
    data += "..";
    const QByteArray archive = tarOf({{QStringLiteral("ft8/ft8.sigmf-data"), data},
                                      {QStringLiteral("ft8/ft8.sigmf-meta"), kExampleTwo}});
    QVERIFY(writeFile(path(QStringLiteral("ft8.sigmf")), archive));
    QVERIFY2(read(QStringLiteral("ft8.sigmf")), qPrintable(m_messages.join('\n')));
    QCOMPARE(m_hub->countSourceSignals(), 2);
    QCOMPARE(samples(0).size(), 6);
    for (int d = 0; d < 6; ++d) {
        QCOMPARE(samples(0)[d], IQ(100.0 * d / 32767.0, 0.0));
        QCOMPARE(samples(1)[d], IQ(100.0 * d / 32767.0, -100.0 / 32767.0));
    }
    QCOMPARE(param()->sourceSampleRate(), 48e3);
    // The captures are taken in the order of their starts: the first one is at 14.070 MHz.
    QCOMPARE(param()->sourceFrequency(), 14.070e6);
    QCOMPARE(m_hub->fileInformation().tag(QStringLiteral("DATE")), QStringLiteral("2020-01-01T00:00:00Z"));
    QCOMPARE(m_hub->fileInformation().annotations().size(), 1);
    QCOMPARE(m_hub->fileInformation().annotations().first().start, 1);  // counted from core:offset
    QCOMPARE(m_hub->fileInformation().annotations().first().caption(), QStringLiteral("FT8"));
}

void tst_SdrFormats::badSigmfRecordingsNameTheField_data()
{
    QTest::addColumn<QByteArray>("meta");
    QTest::addColumn<int>("dataSamples");
    QTest::addColumn<bool>("isRead");
    QTest::addColumn<QString>("message");
    const QByteArray ok = R"("core:version": "1.0.0")";
    QTest::newRow("malformed JSON") << QByteArray(R"({"global": {"core:datatype": "cf32_le",}})") << 4 << false
                                    << "not valid JSON";
    QTest::newRow("no global") << QByteArray(R"({"captures": []})") << 4 << false << "\"global\" is missing";
    QTest::newRow("no datatype") << QByteArray("{\"global\": {" + ok + "}}") << 4 << false
                                 << "global core:datatype is missing";
    QTest::newRow("real datatype") << QByteArray("{\"global\": {\"core:datatype\": \"rf32_le\", " + ok + "}}") << 4
                                   << false << "global core:datatype \"rf32_le\" is not a datatype this program reads";
    QTest::newRow("no byte order") << QByteArray("{\"global\": {\"core:datatype\": \"ci16\", " + ok + "}}") << 4
                                   << false << "global core:datatype";
    QTest::newRow("rate is a text") << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\", \"core:sample_rate\": \"1e6\"}}")
                                    << 4 << false << "global core:sample_rate is \"1e6\", not a number";
    QTest::newRow("negative channels") << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\", \"core:num_channels\": 0}}")
                                       << 4 << false << "global core:num_channels is 0";
    QTest::newRow("annotation without start")
        << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}, \"annotations\": [{\"core:sample_count\": 2}]}")
        << 4 << false << "annotations[0] core:sample_start is missing";
    QTest::newRow("capture start not whole")
        << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}, \"captures\": [{\"core:sample_start\": 1.5}]}") << 4
        << false << "captures[0] core:sample_start is 1.5";
    QTest::newRow("no data") << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}}") << -1 << false
                             << "bad.sigmf-data cannot be opened";
    QTest::newRow("empty data") << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}}") << 0 << false
                                << "no whole sample";
    QTest::newRow("annotation behind the data")
        << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}, \"annotations\": [{\"core:sample_start\": 1, "
                      "\"core:sample_count\": 9}, {\"core:sample_start\": 7}]}")
        << 4 << true << "annotations[0] reaches sample 10, behind the 4 samples of the data";
    QTest::newRow("capture behind the data")
        << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\"}, \"captures\": [{\"core:sample_start\": 0}, "
                      "{\"core:sample_start\": 9}]}")
        << 4 << true << "the data file ends before captures[1] core:sample_start (9)";
    QTest::newRow("more trailing bytes than data")
        << QByteArray("{\"global\": {\"core:datatype\": \"cf32_le\", \"core:trailing_bytes\": 99}}") << 4 << false
        << "global core:trailing_bytes (99)";
}

void tst_SdrFormats::badSigmfRecordingsNameTheField()
{
    QFETCH(QByteArray, meta);
    QFETCH(int, dataSamples);
    QFETCH(bool, isRead);
    QFETCH(QString, message);
    QVERIFY(writeFile(path(QStringLiteral("bad.sigmf-meta")), meta));
    if (dataSamples >= 0)
        QVERIFY(writeFile(path(QStringLiteral("bad.sigmf-data")), QByteArray(8 * dataSamples, '\0')));
    QCOMPARE(read(QStringLiteral("bad.sigmf-meta")), isRead);
    QVERIFY2(m_messages.filter(message).size() == 1, qPrintable(m_messages.join('\n')));
    QVERIFY(m_messages.filter(QStringLiteral("bad.sigmf-meta")).size() >= 1);
    if (!isRead)
        QVERIFY(m_messages.last().contains(QStringLiteral("Error Read File!")));
}

void tst_SdrFormats::sigmfWritingCarriesHashRatesAndAnnotations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("datatype");
    QTest::addColumn<double>("step");
    QTest::newRow("pair, double: cf32_le") << "w.sigmf-data" << int(IOSignal::AccuracyDouble) << "cf32_le" << 1e-7;
    QTest::newRow("archive, single: ci16_le") << "w.sigmf" << int(IOSignal::AccuracySingle) << "ci16_le" << 0.5 / 32767;
}

void tst_SdrFormats::sigmfWritingCarriesHashRatesAndAnnotations()
{
    QFETCH(QString, name);
    QFETCH(int, accuracy);
    QFETCH(QString, datatype);
    QFETCH(double, step);
    IQVector values;
    for (int k = 0; k < 1000; ++k)
        values.append(IQ(std::sin(k * 0.1) * 0.9, std::cos(k * 0.1) * 0.9));
    m_hub->slotSetSignal(Signal(values), QString());
    param()->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("2.4 MHz"));
    param()->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("433.92 MHz"));
    SignalAnnotation burst{100, 50, true, 433.9e6, 433.94e6, QStringLiteral("key fob"), QStringLiteral("OOK")};
    m_hub->fileInformation().setAnnotations({burst, SignalAnnotation{900, 100, false, 0, 0, QString(), QStringLiteral("end")}});
    m_io->setAccuracy(accuracy);
    QVERIFY(m_io->writeFile(path(name)));

    QByteArray metaText, data;
    if (name.endsWith(QLatin1String(".sigmf"))) {
        const QByteArray archive = readFile(path(name));
        QVector<SigmfArchive::Member> members;
        QString error;
        QVERIFY2(SigmfArchive::members(archive.constData(), archive.size(), members, error), qPrintable(error));
        for (const SigmfArchive::Member &m : members) {
            (m.name == QLatin1String("w/w.sigmf-meta") ? metaText : data) = archive.mid(int(m.offset), int(m.size));
        }
        QCOMPARE(members.size(), 2);
    } else {
        metaText = readFile(path(QStringLiteral("w.sigmf-meta")));
        data = readFile(path(QStringLiteral("w.sigmf-data")));
    }
    const QJsonObject root = QJsonDocument::fromJson(metaText).object();
    const QJsonObject global = root.value(QStringLiteral("global")).toObject();
    QCOMPARE(global.value(QStringLiteral("core:datatype")).toString(), datatype);
    QVERIFY(global.value(QStringLiteral("core:version")).toString().startsWith(QLatin1String("1.")));
    QCOMPARE(global.value(QStringLiteral("core:sample_rate")).toDouble(), 2.4e6);
    QCOMPARE(global.value(QStringLiteral("core:sha512")).toString(),
             QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha512).toHex()));
    const QJsonObject capture = root.value(QStringLiteral("captures")).toArray().first().toObject();
    QCOMPARE(capture.value(QStringLiteral("core:frequency")).toDouble(), 433.92e6);
    QVERIFY(QDateTime::fromString(capture.value(QStringLiteral("core:datetime")).toString(), Qt::ISODate).isValid());
    QCOMPARE(data.size(), 1000 * (datatype == QLatin1String("cf32_le") ? 8 : 4));

    // Read back into a fresh hub: samples within one step, rates and annotations kept.
    delete m_io;
    delete m_hub;
    m_hub = new ManagerSignal(ParamSignal::ModeVA);
    m_io = new IOSignal(m_hub, m_env->filePath(QStringLiteral("quick")));
    QVERIFY(m_io->readFile(path(name)));
    QCOMPARE(samples().size(), 1000);
    for (int k = 0; k < 1000; ++k)
        QVERIFY(std::abs(samples()[k] - values[k]) <= step * 1.5);
    QCOMPARE(param()->sourceSampleRate(), 2.4e6);
    QCOMPARE(param()->sourceFrequency(), 433.92e6);
    QCOMPARE(m_hub->fileInformation().annotations().size(), 2);
    QVERIFY(m_hub->fileInformation().annotations().first() == burst);
}

void tst_SdrFormats::layersAreWrittenAsChannels()
{
    Signal a(IQVector{{0.5, 0.25}, {0.125, 0.0}}), b(IQVector{{-0.5, -0.25}, {-0.125, 1.0}});
    m_io->setAccuracy(IOSignal::AccuracyDouble);
    QVERIFY(m_io->writeFile(path(QStringLiteral("two.sigmf-meta")), {&a, &b}));
    QCOMPARE(readFile(path(QStringLiteral("two.sigmf-data"))),
             pairs('f', 32, false, {{0.5, 0.25}, {-0.5, -0.25}, {0.125, 0.0}, {-0.125, 1.0}}));
    QVERIFY(read(QStringLiteral("two.sigmf-meta")));
    QCOMPARE(m_hub->countSourceSignals(), 2);
    QVERIFY(m_hub->sourceSignal(0) == a);
    QVERIFY(m_hub->sourceSignal(1) == b);
}

QTEST_GUILESS_MAIN(tst_SdrFormats)
#include "tst_SdrFormats.moc"
