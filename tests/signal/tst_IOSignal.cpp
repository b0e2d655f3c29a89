#include "IOSignal.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"

#include <QtEndian>
#include <QtTest>

namespace {
IQVector samplesOf(std::initializer_list<IQ> values) { return IQVector(values); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray int16Pair(qint16 i, qint16 q)
{
    QByteArray b(4, '\0');
    qToLittleEndian(i, b.data());
    qToLittleEndian(q, b.data() + 2);
    return b;
}

QByteArray datHeader(quint32 rate, quint8 layers, qint32 perLayer, double peak)
{
    QByteArray h(18, '\0');
    qToLittleEndian(rate, h.data());
    h[4] = char(layers);
    qToLittleEndian(perLayer, h.data() + 5);
    qToLittleEndian(peak, h.data() + 9);
    return h;
}
}  // namespace

class tst_IOSignal : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void singlePrecisionNativeFileHasTheTagsInOrderAndExactCodes();
    void doublePrecisionNativeFileRoundTripsExactly();
    void accuracyTagOverridesTheType();
    void layerTagSplitsTheBlockAndDropsTheRest();
    void badLayerCountsGiveNoRecording_data();
    void badLayerCountsGiveNoRecording();
    void damagedNativeFilesGiveNoRecording_data();
    void damagedNativeFilesGiveNoRecording();
    void binaryFileIsASampleBlockReadAsSixteenBit();
    void textFileRules();
    void datFileHeaderAndScaling();
    void datFileOfZerosStoresPeakZero();
    void truncatedDatFileIsReadToItsEndWithAWarning();
    void datHeaderPromisingTooMuchStaysBounded();
    void allWritesThreeFiles();
    void allWritesAllThreeOrNone();
    void layerCountsBeyondTheCapAreRefusedBeforeAnyLayerIsBuilt();
    void unwritablePathWritesNothing();
    void layersOfDifferentLengthsAreRefused();
    void registerRemembersFileAndParameters();
    void defineFormatReadRules_data();
    void defineFormatReadRules();
    void cancelledReadDeliversNothing();
    void quickSavedFilesAreListedAndDeleted();
    void readThroughTheWorkerThreadReachesTheHub();

private:
    TestEnvironment *m_env = nullptr;
    ManagerSignal *m_hub = nullptr;
    IOSignal *m_io = nullptr;
    QString path(const QString &name) const { return m_env->filePath(name); }
    bool write(const QString &name, const IQVector &samples, int accuracy);
};

void tst_IOSignal::init()
{
    m_env = new TestEnvironment;
    m_hub = new ManagerSignal(ParamSignal::ModeVA);
    m_io = new IOSignal(m_hub, m_env->filePath(QStringLiteral("quick")));
}

void tst_IOSignal::cleanup()
{
    delete m_io;
    delete m_hub;
    delete m_env;
}

bool tst_IOSignal::write(const QString &name, const IQVector &samples, int accuracy)
{
    Signal record(samples);
    m_io->setAccuracy(accuracy);
    return m_io->writeFile(path(name), {&record});
}

void tst_IOSignal::singlePrecisionNativeFileHasTheTagsInOrderAndExactCodes()
{
    auto *param = static_cast<ParamVectorAnalysis *>(m_hub->param());
    param->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("2 MHz"));
    param->setAnalysisValue(QStringLiteral("Freq"), QStringLiteral("1 GHz"));
    QSignalSpy saveSpy(m_io, &IOSignal::save);
    QVERIFY(write(QStringLiteral("a.owv"), samplesOf({{1.0, -1.0}, {0.5, -0.5}, {0.25, 0.0}}), IOSignal::AccuracySingle));
    QCOMPARE(saveSpy.count(), 1);
    const QByteArray bytes = readAll(path(QStringLiteral("a.owv")));
    const QRegularExpression header(QStringLiteral(
        "^\\{TYPE:OWV\\}\\{DATE:\\d{4}-\\d\\d-\\d\\d;\\d\\d:\\d\\d:\\d\\d\\}\\{RMS:[^}]+\\}\\{SCALING FACTOR:1\\}"
        "\\{SAMPLES:3\\}\\{LAYERS:1\\}\\{MODE:VA\\}\\{CLOCK:2 MHz\\}\\{FREQUENCY:1 GHz\\}\\{WAVEFORM-13:#$"));
    const int hash = bytes.indexOf('#');
    QVERIFY2(header.match(QString::fromLatin1(bytes.left(hash + 1))).hasMatch(), bytes.left(hash + 1).constData());
    QCOMPARE(bytes.mid(hash + 1), int16Pair(32767, -32767) + int16Pair(16383, -16383) + int16Pair(8191, 0) + '}');

    QVERIFY(m_io->readFile(path(QStringLiteral("a.owv"))));
    QVERIFY(!m_io->isReadDouble());
    const IQVector back = m_hub->sourceSignal(0).samples();
    QCOMPARE(back.size(), 3);
    QVERIFY(back[0] == IQ(1.0, -1.0));  // 32767 reads back as exactly 1.0
    QCOMPARE(back[1].real(), 16383 / 32767.0);
    QCOMPARE(param->sourceValue(QStringLiteral("CLOCK")), QStringLiteral("2 MHz"));
    QCOMPARE(m_hub->fileInformation().tag(QStringLiteral("SCALING FACTOR")), QStringLiteral("1"));
}

void tst_IOSignal::doublePrecisionNativeFileRoundTripsExactly()
{
    const IQVector samples = samplesOf({{0.1, -0.2}, {3.5, 1e-9}, {-0.7, 0.3333333333333333}});
    QVERIFY(write(QStringLiteral("d.owv"), samples, IOSignal::AccuracyDouble));
    const QByteArray bytes = readAll(path(QStringLiteral("d.owv")));
    QVERIFY(bytes.startsWith("{TYPE:OWVD}"));
    QVERIFY(bytes.contains("{WAVEFORM-49:#"));
    QSignalSpy loadSpy(m_io, &IOSignal::load);
    QVERIFY(m_io->readFile(path(QStringLiteral("d.owv"))));
    QVERIFY(m_io->isReadDouble() && m_io->isReadNative());
    QCOMPARE(m_hub->sourceSignal(0).samples(), samples);
    QCOMPARE(loadSpy.count(), 1);
    QCOMPARE(m_hub->profile(), QStringLiteral("d.owv"));
}

void tst_IOSignal::accuracyTagOverridesTheType()
{
    writeBytes(path(QStringLiteral("s.owv")),
               "{TYPE:OWVD}{Accuracy:Single}{WAVEFORM-9:#" + int16Pair(32767, 0) + int16Pair(0, -32767) + '}');
    QVERIFY(m_io->readFile(path(QStringLiteral("s.owv"))));
    QVERIFY(!m_io->isReadDouble());
    QCOMPARE(m_hub->sourceSignal(0).samples(), samplesOf({{1.0, 0.0}, {0.0, -1.0}}));
}

void tst_IOSignal::layerTagSplitsTheBlockAndDropsTheRest()
{
    QByteArray block;
    for (int i = 0; i < 10; ++i)
        block += int16Pair(qint16(i), 0);
    writeBytes(path(QStringLiteral("l.owv")), "{TYPE:OWV}{LAYERS:3}{WAVEFORM-41:#" + block + '}');
    QVERIFY(m_io->readFile(path(QStringLiteral("l.owv"))));
    QCOMPARE(m_hub->countSourceSignals(), 3);
    for (int layer = 0; layer < 3; ++layer) {
        const IQVector s = m_hub->sourceSignal(layer).samples();
        QCOMPARE(s.size(), 3);
        QCOMPARE(s.first().real() * 32767.0, double(layer * 3));
    }
}

void tst_IOSignal::badLayerCountsGiveNoRecording_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::newRow("zero") << QByteArray("{LAYERS:0}");
    QTest::newRow("negative") << QByteArray("{LAYERS:-4}");
    QTest::newRow("more layers than samples") << QByteArray("{LAYERS:2000000000}");
    QTest::newRow("beyond 64 bits") << QByteArray("{LAYERS:99999999999999999999999}");
    QTest::newRow("not a number") << QByteArray("{LAYERS:x}");
}

void tst_IOSignal::badLayerCountsGiveNoRecording()
{
    QFETCH(QByteArray, tag);
    writeBytes(path(QStringLiteral("bad.owv")), "{TYPE:OWV}" + tag + "{WAVEFORM-9:#" + int16Pair(1, 2) + int16Pair(3, 4) + '}');
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QSignalSpy stopSpy(m_io, &IOSignal::stopLoad);
    QVERIFY(!m_io->readFile(path(QStringLiteral("bad.owv"))));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.first().at(0).toString(), QStringLiteral("Error"));
    const QString text = messages.first().at(1).toString();
    QVERIFY2(text.startsWith(QLatin1String("Error Read File!\nbad.owv: the ")), qPrintable(text));
    QCOMPARE(stopSpy.count(), 1);
    QCOMPARE(m_hub->countSourceSignals(), 0);
    QVERIFY(!m_hub->isReadFile());
}

void tst_IOSignal::damagedNativeFilesGiveNoRecording_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no hash after the waveform tag") << QByteArray("{TYPE:OWV}{WAVEFORM-9:\x01\x02\x03\x04");
    QTest::newRow("no waveform tag") << QByteArray("{TYPE:OWV}{SAMPLES:3}");
    QTest::newRow("header only") << QByteArray("{TYPE:OWV}{WAVEFORM-9:#");
    QTest::newRow("less than one sample") << QByteArray("{TYPE:OWVD}{WAVEFORM-17:#\x01\x02\x03}");
}

void tst_IOSignal::damagedNativeFilesGiveNoRecording()
{
    QFETCH(QByteArray, bytes);
    writeBytes(path(QStringLiteral("damaged.owv")), bytes);
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(!m_io->readFile(path(QStringLiteral("damaged.owv"))));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(m_hub->countSourceSignals(), 0);
}

void tst_IOSignal::binaryFileIsASampleBlockReadAsSixteenBit()
{
    QVERIFY(write(QStringLiteral("b.bin"), samplesOf({{0.5, -0.25}, {1.0, 0.0}}), IOSignal::AccuracySingle));
    QCOMPARE(readAll(path(QStringLiteral("b.bin"))), int16Pair(16383, -8191) + int16Pair(32767, 0));
    auto *param = static_cast<ParamVectorAnalysis *>(m_hub->param());
    param->setSourceValue(QStringLiteral("CLOCK"), QStringLiteral("7 MHz"));
    QVERIFY(m_io->readFile(path(QStringLiteral("b.bin"))));
    QCOMPARE(param->sourceValue(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));  // reset, no header
    QCOMPARE(m_hub->sourceSignal(0).size(), 2);

    // A double-precision .bin is still read as 16-bit unless told otherwise.
    QVERIFY(write(QStringLiteral("d.bin"), samplesOf({{0.5, 0.5}}), IOSignal::AccuracyDouble));
    QVERIFY(m_io->readFile(path(QStringLiteral("d.bin"))));
    QCOMPARE(m_hub->sourceSignal(0).size(), 4);
}

void tst_IOSignal::textFileRules()
{
    writeBytes(path(QStringLiteral("t.txt")), "0,5 -0,25\n1 2 3\n7\n0 1\n0.0 1\n 1 2\nabc 1\n2e-1   3\r\n");
    QVERIFY(m_io->readFile(path(QStringLiteral("t.txt"))));
    QCOMPARE(m_hub->sourceSignal(0).samples(), samplesOf({{0.5, -0.25}, {0.0, 1.0}, {0.2, 3.0}}));

    writeBytes(path(QStringLiteral("none.txt")), "1 2 3\nhello\n");
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(!m_io->readFile(path(QStringLiteral("none.txt"))));
    QCOMPARE(messages.count(), 1);
}

void tst_IOSignal::datFileHeaderAndScaling()
{
    auto *param = static_cast<ParamVectorAnalysis *>(m_hub->param());
    param->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("2.5 MHz"));
    const IQVector a = samplesOf({{0.2, -0.4}, {0.1, 0.0}});
    const IQVector b = samplesOf({{0.0, 0.3}, {-0.05, 0.4}});
    Signal la(a), lb(b);
    QVERIFY(m_io->writeFile(path(QStringLiteral("x.dat")), {&la, &lb}));
    const QByteArray bytes = readAll(path(QStringLiteral("x.dat")));
    QCOMPARE(bytes.size(), 18 + 2 * 2 * 4);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData()), 2500000u);
    QCOMPARE(int(quint8(bytes[4])), 2);
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 5), 2);
    QCOMPARE(qFromLittleEndian<double>(bytes.constData() + 9), 0.4);
    QCOMPARE(bytes[17], '\0');
    // 0.2 * 32767 / 0.4 = 16383.5, truncated toward zero.
    QCOMPARE(bytes.mid(18, 4), int16Pair(16383, -32767));
    QCOMPARE(bytes.mid(18 + 8, 4), int16Pair(0, 24575));

    param->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("1 MHz"));
    QVERIFY(m_io->readFile(path(QStringLiteral("x.dat"))));
    QCOMPARE(m_hub->countSourceSignals(), 2);
    QCOMPARE(m_hub->sourceSignal(1).samples().at(1).imag(), 32767 * 0.4 / 32767);
    QCOMPARE(m_hub->sourceSignal(0).samples().at(0).real(), 16383 * (0.4 / 32767));
    QCOMPARE(param->sampleRate(), 2.5e6);
    QCOMPARE(param->sourceValue(QStringLiteral("CLOCK")), QStringLiteral("2500000 Hz"));
}

void tst_IOSignal::datFileOfZerosStoresPeakZero()
{
    QVERIFY(write(QStringLiteral("z.dat"), IQVector(4, IQ(0.0, 0.0)), IOSignal::AccuracyDouble));
    const QByteArray bytes = readAll(path(QStringLiteral("z.dat")));
    QCOMPARE(qFromLittleEndian<double>(bytes.constData() + 9), 0.0);
    QCOMPARE(bytes.size(), 18 + 16);  // always 16-bit, whatever the accuracy
    QVERIFY(m_io->readFile(path(QStringLiteral("z.dat"))));
    QCOMPARE(m_hub->sourceSignal(0).samples(), IQVector(4, IQ(0.0, 0.0)));
}

void tst_IOSignal::truncatedDatFileIsReadToItsEndWithAWarning()
{
    writeBytes(path(QStringLiteral("t.dat")), datHeader(1000, 2, 3, 1.0) + int16Pair(32767, 0) + int16Pair(1, 1)
                                                  + int16Pair(2, 2) + int16Pair(3, 3) + "\x01");
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(m_io->readFile(path(QStringLiteral("t.dat"))));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.first().at(0).toString(), QStringLiteral("Warning"));
    QCOMPARE(m_hub->countSourceSignals(), 2);
    QCOMPARE(m_hub->sourceSignal(0).size(), 3);
    QCOMPARE(m_hub->sourceSignal(1).size(), 1);
    QCOMPARE(m_hub->sourceSignal(0).samples().first(), IQ(1.0, 0.0));

    writeBytes(path(QStringLiteral("short.dat")), QByteArray(17, '\x01'));
    QVERIFY(!m_io->readFile(path(QStringLiteral("short.dat"))));
    writeBytes(path(QStringLiteral("nolayers.dat")), datHeader(1000, 0, 3, 1.0) + int16Pair(1, 1));
    QVERIFY(!m_io->readFile(path(QStringLiteral("nolayers.dat"))));
    writeBytes(path(QStringLiteral("nan.dat")), datHeader(1000, 1, 1, qQNaN()) + int16Pair(1, 1));
    QVERIFY(!m_io->readFile(path(QStringLiteral("nan.dat"))));
}

void tst_IOSignal::datHeaderPromisingTooMuchStaysBounded()
{
    writeBytes(path(QStringLiteral("huge.dat")), datHeader(1000, 64, 0x7FFFFFFF, 1.0) + int16Pair(5, 5));
    QVERIFY(m_io->readFile(path(QStringLiteral("huge.dat"))));
    QCOMPARE(m_hub->countSourceSignals(), 1);
    QCOMPARE(m_hub->sourceSignal(0).size(), 1);
    writeBytes(path(QStringLiteral("neg.dat")), datHeader(1000, 1, -5, 1.0) + int16Pair(5, 5));
    QVERIFY(!m_io->readFile(path(QStringLiteral("neg.dat"))));
}

void tst_IOSignal::allWritesThreeFiles()
{
    // The folder's name holds ".all" too: only the file's own suffix is replaced.
    QVERIFY(QDir().mkpath(path(QStringLiteral("a.all.d"))));
    QSignalSpy saved(m_io, &IOSignal::save);
    QVERIFY(write(QStringLiteral("a.all.d/rec.all"), samplesOf({{0.5, 0.5}}), IOSignal::AccuracySingle));
    for (const char *suffix : {"owv", "dat", "bin"})
        QVERIFY2(QFileInfo::exists(path(QStringLiteral("a.all.d/rec.") + QLatin1String(suffix))), suffix);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("a.all.d/rec.all"))));
    QCOMPARE(saved.count(), 1);
}

void tst_IOSignal::allWritesAllThreeOrNone()
{
    const QString dir = path(QStringLiteral("set"));
    QVERIFY(QDir().mkpath(dir));
    const QByteArray old("an older recording");
    writeBytes(dir + QStringLiteral("/rec.owv"), old);
    // The .bin (written last) cannot be written: a folder holds its name.
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/rec.bin")));
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QSignalSpy saved(m_io, &IOSignal::save);
    QVERIFY(!write(QStringLiteral("set/rec.all"), samplesOf({{0.5, 0.5}}), IOSignal::AccuracySingle));
    QCOMPARE(readAll(dir + QStringLiteral("/rec.owv")), old);
    QVERIFY(!QFileInfo::exists(dir + QStringLiteral("/rec.dat")));
    QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral("rec.bin"), QStringLiteral("rec.owv")}));  // no temporary left
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().at(1).toString().contains(QLatin1String("rec.bin")));
    QCOMPARE(saved.count(), 0);
}

// A small file that claims a million layers would cost a record per layer.
void tst_IOSignal::layerCountsBeyondTheCapAreRefusedBeforeAnyLayerIsBuilt()
{
    const int layers = IOSignal::kMaxLayers + 1;
    QByteArray block;
    for (int i = 0; i < layers; ++i)
        block += int16Pair(qint16(i), 0);
    for (const QByteArray &tag : {QByteArray::number(layers), QByteArray("1048576")}) {
        writeBytes(path(QStringLiteral("many.owv")), "{TYPE:OWV}{LAYERS:" + tag + "}{WAVEFORM-9:#" + block + '}');
        QSignalSpy messages(m_io, &IOSignal::sendMessage);
        QVERIFY(!m_io->readFile(path(QStringLiteral("many.owv"))));
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.first().at(1).toString().contains(QLatin1String("at most 64")),
                 qPrintable(messages.first().at(1).toString()));
    }
    writeBytes(path(QStringLiteral("many.dat")), datHeader(1000, quint8(layers), 1, 1.0) + block);
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(!m_io->readFile(path(QStringLiteral("many.dat"))));
    QVERIFY(messages.first().at(1).toString().contains(QLatin1String("at most 64")));
    // The cap holds for writing too: what is written can be read back.
    QVector<Signal> records(layers, Signal(IQVector(2)));
    QVector<Signal *> pointers;
    for (Signal &record : records)
        pointers.append(&record);
    QVERIFY(!m_io->writeFile(path(QStringLiteral("many2.owv")), pointers));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("many2.owv"))));
    pointers.resize(IOSignal::kMaxLayers);
    QVERIFY(m_io->writeFile(path(QStringLiteral("many2.owv")), pointers));
    QVERIFY(m_io->readFile(path(QStringLiteral("many2.owv"))));
    QTRY_COMPARE(m_hub->countSourceSignals(), IOSignal::kMaxLayers);
}

void tst_IOSignal::unwritablePathWritesNothing()
{
    const QString target = path(QStringLiteral("missing-folder/a.owv"));
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QSignalSpy saved(m_io, &IOSignal::save);
    QVERIFY(!write(QStringLiteral("missing-folder/a.owv"), samplesOf({{0.5, 0.5}}), IOSignal::AccuracySingle));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(saved.count(), 0);
    QVERIFY(!m_io->readFile(path(QStringLiteral("no-such-file.owv"))));
    QVERIFY(!m_io->writeFile(path(QStringLiteral("nothing.owv"))));  // the hub holds no layer
}

void tst_IOSignal::layersOfDifferentLengthsAreRefused()
{
    Signal a(IQVector(3)), b(IQVector(2));
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(!m_io->writeFile(path(QStringLiteral("two.owv")), {&a, &b}));
    QCOMPARE(messages.count(), 1);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("two.owv"))));
}

void tst_IOSignal::registerRemembersFileAndParameters()
{
    auto *param = static_cast<ParamVectorAnalysis *>(m_hub->param());
    param->setSourceValue(QStringLiteral("CLOCK"), QStringLiteral("3 MHz"));
    QVERIFY(write(QStringLiteral("r.owv"), samplesOf({{0.5, 0.5}, {0.25, 0.0}}), IOSignal::AccuracySingle));
    QVERIFY(m_io->readFile(path(QStringLiteral("r.owv"))));
    QCOMPARE(m_io->getFileReg(), path(QStringLiteral("r.owv")));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("/File VA")).toString(), path(QStringLiteral("r.owv")));
    param->setSourceValue(QStringLiteral("POWER"), QStringLiteral("-10 dBm"));
    m_io->writeReg();
    const QString remembered = settings.value(QStringLiteral("/Params VA")).toString();
    QVERIFY2(remembered.startsWith(QLatin1String("{TYPE:OWV}{MODE:VA}{CLOCK:")), qPrintable(remembered));
    QVERIFY(remembered.contains(QLatin1String("{POWER:-10 dBm}")));

    ManagerSignal otherHub(ParamSignal::ModeVA);
    IOSignal other(&otherHub, m_env->filePath(QStringLiteral("quick")));
    QSignalSpy loadSpy(&other, &IOSignal::load);
    other.readReg();
    QCOMPARE(otherHub.countSourceSignals(), 1);
    QCOMPARE(otherHub.sourceSignal(0).size(), 2);
    QCOMPARE(static_cast<ParamVectorAnalysis *>(otherHub.param())->sourceValue(QStringLiteral("POWER")),
             QStringLiteral("-10 dBm"));
    QCOMPARE(loadSpy.count(), 0);  // a restored file is not a user's load
}

void tst_IOSignal::defineFormatReadRules_data()
{
    QTest::addColumn<QString>("params");
    QTest::addColumn<bool>("isDouble");
    QTest::addColumn<bool>("isNative");
    QTest::newRow("native double") << "{TYPE:OWVD}{MODE:VA}" << true << true;
    QTest::newRow("native single") << "{TYPE:OWV}" << false << false;
    QTest::newRow("accuracy single wins") << "{TYPE:OWVD}{Accuracy:Single}" << false << true;
    QTest::newRow("accuracy double") << "{TYPE:BIN}{Accuracy:Double}" << true << false;
    QTest::newRow("bin") << "{TYPE:BIN}" << false << false;
}

void tst_IOSignal::defineFormatReadRules()
{
    QFETCH(QString, params);
    QFETCH(bool, isDouble);
    QFETCH(bool, isNative);
    m_io->setReadDouble(!isDouble);
    m_io->defineFormatRead(params);
    QCOMPARE(m_io->isReadDouble(), isDouble);
    QCOMPARE(m_io->isReadNative(), isNative);
}

void tst_IOSignal::cancelledReadDeliversNothing()
{
    QVERIFY(write(QStringLiteral("long.owv"), IQVector(100000, IQ(0.1, 0.1)), IOSignal::AccuracySingle));
    QList<int> percents;
    connect(m_io, &IOSignal::progressLoad, this, [&](int percent) {
        percents.append(percent);
        if (percent >= 30)
            m_io->cancelLoad();
    }, Qt::DirectConnection);
    QSignalSpy stopSpy(m_io, &IOSignal::stopLoad);
    QSignalSpy messages(m_io, &IOSignal::sendMessage);
    QVERIFY(!m_io->readFile(path(QStringLiteral("long.owv"))));
    QCOMPARE(stopSpy.count(), 1);
    QCOMPARE(messages.count(), 0);  // the user asked for it: no error box
    QCOMPARE(m_hub->countSourceSignals(), 0);
    QVERIFY(!percents.isEmpty() && percents.last() < 100);

    percents.clear();
    disconnect(m_io, &IOSignal::progressLoad, this, nullptr);
    connect(m_io, &IOSignal::progressLoad, this, [&](int percent) { percents.append(percent); }, Qt::DirectConnection);
    QVERIFY(m_io->readFile(path(QStringLiteral("long.owv"))));  // a new read starts uncancelled
    QCOMPARE(percents.last(), 100);
}

void tst_IOSignal::quickSavedFilesAreListedAndDeleted()
{
    Signal record(samplesOf({{0.5, 0.5}}));
    QVERIFY(m_io->writeFile(QStringLiteral("first.owv"), {&record}));
    QVERIFY(m_io->writeFile(QStringLiteral("second.owv"), {&record}));
    QCOMPARE(m_io->updateListQuickSaved(), (QList<QString>{QStringLiteral("first"), QStringLiteral("second")}));
    m_io->deleteFile(QStringLiteral("first"));
    QCOMPARE(m_io->updateListQuickSaved(), QList<QString>{QStringLiteral("second")});
    QVERIFY(m_io->defaultDirectory().endsWith(QDir::separator()));
}

void tst_IOSignal::readThroughTheWorkerThreadReachesTheHub()
{
    QVERIFY(write(QStringLiteral("w.owv"), samplesOf({{0.5, 0.5}, {0.25, 0.0}}), IOSignal::AccuracySingle));
    QSignalSpy sourceSpy(m_hub, &ManagerSignal::sendNewSourceSignal);
    QSignalSpy loadSpy(m_io, &IOSignal::load);
    const QString file = path(QStringLiteral("w.owv"));
    QMetaObject::invokeMethod(m_io, [this, file] { m_io->readFile(file); }, Qt::QueuedConnection);
    QVERIFY(sourceSpy.wait(5000));
    QCOMPARE(m_hub->sourceSignal(0).size(), 2);
    QTRY_COMPARE(loadSpy.count(), 1);
    QVERIFY(m_io->thread() == m_io);
}

QTEST_GUILESS_MAIN(tst_IOSignal)
#include "tst_IOSignal.moc"
