// Opening recordings the way the user does: the panel's open path in the
// vector-analysis mode, through the mode's file reader, to the hub and the
// messages the user sees.
#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "OpenThroughPanel.h"
#include "TestEnvironment.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QtEndian>
#include <QtTest>

namespace {
IQVector ramp(int n)
{
    IQVector s(n);
    for (int i = 0; i < n; ++i)
        s[i] = IQ(0.001 * (i % 997) - 0.4, 0.3 - 0.0007 * (i % 503));
    return s;
}

bool writeRecording(const QString &path, const IQVector &samples, const QString &rate = QStringLiteral("8 kHz"))
{
    ManagerSignal hub(ParamSignal::ModeVA);
    static_cast<ParamVectorAnalysis *>(hub.param())->setAnalysisValue(QStringLiteral("SampleRate"), rate);
    IOSignal io(&hub, QFileInfo(path).path());
    io.setAccuracy(IOSignal::AccuracyDouble);
    Signal record(samples);
    return QDir().mkpath(QFileInfo(path).path()) && io.writeFile(path, {&record});
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The texts of the message boxes the mode has shown, newest last; closes them.
QStringList takeMessages(ModeVecAnalysis &mode)
{
    QTest::qWait(100);  // the reader's messages arrive queued
    QCoreApplication::processEvents();
    QStringList texts;
    for (QMessageBox *box : mode.findChildren<QMessageBox *>()) {
        texts << box->windowTitle() + QStringLiteral(" | ") + box->text();
        delete box;
    }
    return texts;
}
}  // namespace

class tst_ModeFiles : public QObject
{
    Q_OBJECT
private slots:
    void aRecordingIsReadByItsOwnNameNotItsFolder();
    void readSamplesAsFollowsTheFileNotItsFolder();
    void datSamplesAreTheCodeTimesPeakOver32767();
    void damagedFilesNameTheFileAndWhatIsWrong_data();
    void damagedFilesNameTheFileAndWhatIsWrong();
    void unusableRateFallsBackToTheDefaultWithAMessage();
    void skippedTextLinesAreCountedInAMessage();
    void openDialogFiltersMatchFileSuffixes();

private:
    TestEnvironment m_env;
};

void tst_ModeFiles::aRecordingIsReadByItsOwnNameNotItsFolder()
{
    const IQVector samples = ramp(3000);
    for (const char *folder : {"run.dat.d", "notes.txt.d", "take.all.d"}) {
        const QString path = m_env.filePath(QLatin1String(folder) + QStringLiteral("/rec.owv"));
        QVERIFY(writeRecording(path, samples));
        ModeVecAnalysis mode;
        QVERIFY2(openThroughThePanel(mode, path), folder);
        QVERIFY2(mode.hub()->sourceSignal(0).samples() == samples, folder);
        QVERIFY2(takeMessages(mode).isEmpty(), folder);
    }
    // A .dat file with an upper-case suffix is still a .dat file.
    const QString upper = m_env.filePath(QStringLiteral("UPPER.DAT"));
    QVERIFY(writeRecording(upper, samples));
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, upper));
    QCOMPARE(mode.hub()->sourceSignal(0).size(), samples.size());
    QVERIFY(std::abs(mode.hub()->sourceSignal(0).samples().at(5).real() - samples.at(5).real()) < 1e-4);
}

void tst_ModeFiles::readSamplesAsFollowsTheFileNotItsFolder()
{
    const QString path = m_env.filePath(QStringLiteral("old.dat.d/rec.owv"));
    const IQVector samples = ramp(4000);
    QVERIFY(writeRecording(path, samples));
    ModeVecAnalysis mode;
    mode.show();
    QVERIFY(openThroughThePanel(mode, path));
    auto *accuracy = mode.panel()->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboAccuracy"));
    QVERIFY(accuracy);
    QSignalSpy delivered(mode.hub(), &ManagerSignal::sendNewSourceSignal);
    accuracy->setFocus();
    QTest::keyClick(accuracy, Qt::Key_Down);  // "64-bit float (double)"
    QTRY_COMPARE_WITH_TIMEOUT(delivered.count(), 1, 10000);
    QVERIFY(mode.hub()->sourceSignal(0).samples() == samples);
    QTRY_VERIFY(!mode.hub()->isReadFile());
    QTest::keyClick(accuracy, Qt::Key_Up);  // "16-bit (single)"
    QTRY_COMPARE_WITH_TIMEOUT(delivered.count(), 2, 10000);
    // 64-bit floats read as 16-bit pairs: four samples for each one.
    QCOMPARE(mode.hub()->sourceSignal(0).size(), 4 * samples.size());
}

void tst_ModeFiles::datSamplesAreTheCodeTimesPeakOver32767()
{
    // Every 16-bit code once, under a peak for which code / 32767 * peak rounds
    // differently from code * (peak / 32767) for many codes.
    const double peak = 0.9;
    QByteArray bytes(18, '\0');
    qToLittleEndian(quint32(1000000), bytes.data());
    bytes[4] = 1;
    qToLittleEndian(qint32(65536), bytes.data() + 5);
    qToLittleEndian(peak, bytes.data() + 9);
    for (int code = -32768; code < 32768; ++code) {
        char pair[4];
        qToLittleEndian(qint16(code), pair);
        qToLittleEndian(qint16(-1 - code), pair + 2);
        bytes.append(pair, 4);
    }
    const QString path = m_env.filePath(QStringLiteral("codes.dat"));
    writeBytes(path, bytes);
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, path));
    const IQVector samples = mode.hub()->sourceSignal(0).samples();
    QCOMPARE(samples.size(), 65536);
    const double step = peak / 32767.0;
    int wrong = 0;
    for (int k = 0; k < samples.size(); ++k) {
        const int code = k - 32768;
        wrong += samples.at(k) != IQ(code * step, (-1 - code) * step);
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 of 65536 samples are not code * peak / 32767").arg(wrong)));
}

void tst_ModeFiles::damagedFilesNameTheFileAndWhatIsWrong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << "empty.owv" << QByteArray() << "Error" << "empty";
    QTest::newRow("header cut before the samples") << "cut.owv" << QByteArray("{TYPE:OWV}{LAYERS:1}{WAVEF") << "Error"
                                                   << "WAVEFORM";
    QTest::newRow("layer count not a number") << "layers.owv"
                                              << QByteArray("{TYPE:OWV}{LAYERS:x}{WAVEFORM-9:#") + QByteArray(8, '\1') + '}'
                                              << "Error" << "\"x\"";
    QTest::newRow("dat header cut") << "short.dat" << QByteArray(10, '\1') << "Error" << "18-byte";
    QByteArray truncated("{TYPE:OWV}{WAVEFORM-4001:#");
    truncated.append(QByteArray(2000, '\1'));
    QTest::newRow("samples cut") << "truncated.owv" << truncated << "Warning" << "500 of the 1000 samples";
    QByteArray shortDat(18, '\0');
    qToLittleEndian(quint32(1000), shortDat.data());
    shortDat[4] = 2;
    qToLittleEndian(qint32(100), shortDat.data() + 5);
    qToLittleEndian(1.0, shortDat.data() + 9);
    shortDat.append(QByteArray(4 * 150, '\2'));
    QTest::newRow("dat shorter than its header says") << "partial.dat" << shortDat << "Warning" << "150 of the 200";
}

void tst_ModeFiles::damagedFilesNameTheFileAndWhatIsWrong()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    const QString path = m_env.filePath(name);
    writeBytes(path, bytes);
    ModeVecAnalysis mode;
    const bool isLoaded = openThroughThePanel(mode, path);
    QCOMPARE(isLoaded, title == QLatin1String("Warning"));
    const QStringList messages = takeMessages(mode);
    QCOMPARE(messages.size(), 1);
    const QString message = messages.first();
    QVERIFY2(message.startsWith(title + QStringLiteral(" | ")), qPrintable(message));
    if (!isLoaded)
        QVERIFY2(message.contains(QLatin1String("Error Read File!")), qPrintable(message));
    QVERIFY2(message.contains(name) && message.contains(reason), qPrintable(message));
}

void tst_ModeFiles::unusableRateFallsBackToTheDefaultWithAMessage()
{
    const QString good = m_env.filePath(QStringLiteral("good.owv"));
    QVERIFY(writeRecording(good, ramp(2000), QStringLiteral("2 MHz")));
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const char *clock : {"abc", "0 Hz", "-5 kHz", ""}) {
        QByteArray damaged = bytes;
        damaged.replace("{CLOCK:2 MHz}", "{CLOCK:" + QByteArray(clock) + "}");
        const QString path = m_env.filePath(QStringLiteral("clock.owv"));
        writeBytes(path, damaged);
        ModeVecAnalysis mode;
        QVERIFY(openThroughThePanel(mode, path));
        const auto *param = static_cast<const ParamVectorAnalysis *>(mode.hub()->param());
        QCOMPARE(param->sourceValue(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
        QCOMPARE(param->sourceSampleRate(), 1e6);
        QVERIFY2(param->sampleRate() > 0.0, clock);
        const QStringList messages = takeMessages(mode);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QLatin1String("clock.owv")) && messages.first().contains(QLatin1String("1 MHz")),
                 qPrintable(messages.first()));
    }
    // A .dat file that stores a rate of 0 Hz.
    QByteArray dat(18, '\0');
    dat[4] = 1;
    qToLittleEndian(qint32(2), dat.data() + 5);
    qToLittleEndian(1.0, dat.data() + 9);
    dat.append(QByteArray(8, '\1'));
    writeBytes(m_env.filePath(QStringLiteral("norate.dat")), dat);
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, m_env.filePath(QStringLiteral("norate.dat"))));
    QCOMPARE(mode.hub()->param()->sampleRate(), 1e6);
    const QStringList messages = takeMessages(mode);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QLatin1String("norate.dat: CLOCK \"0 Hz\"")), qPrintable(messages.first()));
}

void tst_ModeFiles::skippedTextLinesAreCountedInAMessage()
{
    // Only "0" counts as zero: "0.00000" skips its line, and the user is told.
    QByteArray text;
    for (int k = 0; k < 50; ++k)
        text += k % 5 == 0 ? "0.00000 0.5\n" : "0,25 -0.5\n";
    text += "1 2 3\n0 1\n";
    const QString path = m_env.filePath(QStringLiteral("notes.txt"));
    writeBytes(path, text);
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, path));
    QCOMPARE(mode.hub()->sourceSignal(0).size(), 41);
    QCOMPARE(mode.hub()->sourceSignal(0).samples().last(), IQ(0.0, 1.0));
    const QStringList messages = takeMessages(mode);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QLatin1String("notes.txt: 11 of 52 lines skipped")), qPrintable(messages.first()));
    QVERIFY2(messages.first().contains(QLatin1String("10 with a zero not written as 0")), qPrintable(messages.first()));

    // Nothing skipped, nothing said.
    writeBytes(path, "0 1\n0.5 0\n");
    ModeVecAnalysis clean;
    QVERIFY(openThroughThePanel(clean, path));
    QVERIFY(takeMessages(clean).isEmpty());
}

void tst_ModeFiles::openDialogFiltersMatchFileSuffixes()
{
    ModeVecAnalysis mode;
    mode.show();
    QStringList filters;
    QTimer::singleShot(300, &mode, [&filters] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        filters = dialog->nameFilters();
        dialog->reject();
    });
    mode.panel()->openSignal(QString());
    QVERIFY(!filters.isEmpty());
    QVERIFY2(filters.first().contains(QLatin1String("*.dat")), qPrintable(filters.first()));
    const QRegularExpression bareSuffix(QStringLiteral("\\*[a-z]"));
    for (const QString &filter : qAsConst(filters))
        QVERIFY2(!bareSuffix.match(filter).hasMatch(), qPrintable(filter));
}

QTEST_MAIN(tst_ModeFiles)
#include "tst_ModeFiles.moc"
