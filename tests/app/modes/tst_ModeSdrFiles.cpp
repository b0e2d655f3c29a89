// Opening the files of other SDR tools the way the user does: the raw-file question
// of the open path, and a SigMF recording reaching the vector-analysis mode.
#include "ForeignIqFiles.h"
#include "GuiParserSignal.h"
#include "GuiRawRatesDialog.h"
#include "IOSignal.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "OpenThroughPanel.h"
#include "TestEnvironment.h"
#include "UnitLineEdit.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace ForeignIq;

namespace {
const ParamVectorAnalysis *paramOf(ModeVecAnalysis &mode)
{
    return static_cast<const ParamVectorAnalysis *>(mode.hub()->param());
}

void type(QWidget *field, const QString &text)
{
    auto *edit = static_cast<QLineEdit *>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
}  // namespace

class tst_ModeSdrFiles : public QObject
{
    Q_OBJECT
private slots:
    void rawRatesDialogStartsFromTheNameAndTheLastAnswers();
    void rawFileOpensWithTheAnsweredRates();
    void sigmfRecordingOpensWithItsRatesAndAnnotations();
    void saveAsWritesTheChosenFormatWithItsSuffix();
    void recordingCentreLeavesTheFrequencyShiftAlone();

private:
    TestEnvironment m_env;
};

void tst_ModeSdrFiles::rawRatesDialogStartsFromTheNameAndTheLastAnswers()
{
    QSettings(QStringLiteral("Orvane"), QStringLiteral("Tarnwick Studio")).setValue(QStringLiteral("RawSampleRate"), QStringLiteral("3.2 MHz"));
    GuiRawRatesDialog dialog(QStringLiteral("/data/fob_433.92MHz.cu8"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.rateField()->text(), QStringLiteral("3.2 MHz"));
    QCOMPARE(dialog.frequencyField()->text(), QStringLiteral("433.92 MHz"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.rateField()));
    // A rate that is no number keeps the dialog open.
    type(dialog.rateField(), QStringLiteral("fast"));
    QTest::keyClick(dialog.rateField(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    type(dialog.rateField(), QStringLiteral("250 kHz"));
    QTest::keyClick(dialog.rateField(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.sampleRate(), 250e3);
    QCOMPARE(dialog.frequency(), 433.92e6);
    // Remembered for the next raw file whose name says nothing.
    GuiRawRatesDialog next(QStringLiteral("/data/capture.cs8"));
    QCOMPARE(next.rateField()->text(), QStringLiteral("250 kHz"));
    QCOMPARE(next.frequencyField()->text(), QStringLiteral("433.92 MHz"));
}

void tst_ModeSdrFiles::rawFileOpensWithTheAnsweredRates()
{
    const QString bare = m_env.filePath(QStringLiteral("capture.cu8"));
    QVERIFY(writeFile(bare, QByteArray(4000, '\x80')));
    ModeVecAnalysis mode;
    int asked = 0;
    bool isCancelled = true;
    mode.panel()->setRawRatesAsker([&](QWidget *, const QString &path, double &rate, double &frequency) {
        ++asked;
        rate = 1.5e6;
        frequency = 868.3e6;
        return !path.isEmpty() && !isCancelled;
    });
    QSignalSpy opened(mode.panel(), &GuiParserSignal::openFile);
    mode.panel()->openSignal(bare);
    QCOMPARE(asked, 1);
    QCOMPARE(opened.count(), 0);  // cancelled: nothing is read

    isCancelled = false;
    QVERIFY(openThroughThePanel(mode, bare));
    QCOMPARE(asked, 2);
    QCOMPARE(mode.hub()->sourceSignal(0).size(), 2000);
    QCOMPARE(paramOf(mode)->sourceSampleRate(), 1.5e6);
    QCOMPARE(paramOf(mode)->sourceFrequency(), 868.3e6);

    // A profile brings the raw file back with the rates it was opened with, unasked.
    const QString profile = mode.profileText();
    ModeVecAnalysis restored;
    restored.panel()->setRawRatesAsker([&](QWidget *, const QString &, double &, double &) { return ++asked > 0; });
    QSignalSpy delivered(restored.hub(), &ManagerSignal::sendNewSourceSignal);
    QVERIFY(restored.restoreProfile(profile));
    QVERIFY(delivered.wait(10000));
    QCOMPARE(asked, 2);
    QCOMPARE(restored.hub()->sourceSignal(0).size(), 2000);
    QCOMPARE(paramOf(restored)->sourceSampleRate(), 1.5e6);
    QCOMPARE(paramOf(restored)->sourceFrequency(), 868.3e6);

    // A name that says both is not asked about.
    const QString named = m_env.filePath(QStringLiteral("fob_2.4MSps_433.92MHz.cs8"));
    QVERIFY(writeFile(named, QByteArray(4000, '\0')));
    QVERIFY(openThroughThePanel(mode, named));
    QCOMPARE(asked, 2);
    QCOMPARE(paramOf(mode)->sourceSampleRate(), 2.4e6);
    QCOMPARE(paramOf(mode)->sourceFrequency(), 433.92e6);
}

void tst_ModeSdrFiles::sigmfRecordingOpensWithItsRatesAndAnnotations()
{
    const QString base = m_env.filePath(QStringLiteral("ism"));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-data"), pairs('i', 8, false, std::vector<std::pair<double, double>>(5000, {10, -10}))));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-meta"), R"({"global": {"core:datatype": "ci8", "core:version": "1.0.0",
        "core:sample_rate": 1e6}, "captures": [{"core:sample_start": 0, "core:frequency": 915e6}],
        "annotations": [{"core:sample_start": 100, "core:sample_count": 200, "core:label": "ping"}]})"));
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, base + QStringLiteral(".sigmf-meta")));
    QCOMPARE(mode.hub()->sourceSignal(0).size(), 5000);
    QCOMPARE(paramOf(mode)->sourceSampleRate(), 1e6);
    QCOMPARE(paramOf(mode)->sourceFrequency(), 915e6);
    QCOMPARE(mode.hub()->fileInformation().annotations().size(), 1);
    QCOMPARE(mode.hub()->fileInformation().annotations().first().label, QStringLiteral("ping"));
}

void tst_ModeSdrFiles::saveAsWritesTheChosenFormatWithItsSuffix()
{
    const QString base = m_env.filePath(QStringLiteral("src"));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-data"), pairs('f', 32, false, std::vector<std::pair<double, double>>(3000, {0.25, -0.5}))));
    QVERIFY(writeFile(base + QStringLiteral(".sigmf-meta"), R"({"global": {"core:datatype": "cf32_le", "core:version": "1.0.0",
        "core:sample_rate": 250e3}, "captures": [{"core:sample_start": 0, "core:frequency": 162e6}],
        "annotations": [{"core:sample_start": 10, "core:sample_count": 20, "core:label": "AIS"}]})"));
    ModeVecAnalysis mode;
    mode.show();
    QVERIFY(openThroughThePanel(mode, base + QStringLiteral(".sigmf-meta")));
    const QString target = m_env.filePath(QStringLiteral("saved"));  // typed without a suffix
    QStringList filters;
    // The dialog answers once it is up; a dialog of another kind is closed, not waited on.
    QTimer answer;
    connect(&answer, &QTimer::timeout, &mode, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        answer.stop();
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog) {
            filters = dialog->nameFilters();
            dialog->selectNameFilter(QStringLiteral("SigMF Archive (*.sigmf - Double Precision)"));
            // Typed as a user types it: selectFile() may leave the name field empty while the
            // dialog's folder model is still loading, and accepting a folder never closes.
            dialog->setDirectory(QFileInfo(target).absolutePath());
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(QFileInfo(target).fileName());
            else
                dialog->selectFile(target);
        }
        QMetaObject::invokeMethod(modal, dialog ? "accept" : "reject");
    });
    answer.start(50);
    QSignalSpy saved(mode.io(), &IOSignal::save);
    mode.panel()->findChild<QPushButton *>(QStringLiteral("butSaveFile"))->click();
    QVERIFY(saved.wait(10000));
    QVERIFY2(filters.filter(QStringLiteral("*.cu8")).size() == 1, qPrintable(filters.join('\n')));
    const QByteArray archive = readFile(target + QStringLiteral(".sigmf"));
    QVERIFY(archive.contains("\"core:datatype\": \"cf32_le\""));
    ModeVecAnalysis again;
    QVERIFY(openThroughThePanel(again, target + QStringLiteral(".sigmf")));
    QCOMPARE(again.hub()->sourceSignal(0).size(), 3000);
    QCOMPARE(again.hub()->sourceSignal(0).samples().first(), IQ(0.25, -0.5));
    QCOMPARE(paramOf(again)->sourceFrequency(), 162e6);
    QCOMPARE(again.hub()->fileInformation().annotations().size(), 1);
}

// The centre frequency of an SDR recording is the recording's; the analysis's frequency
// shift stays the user's. Taken as a shift, 433.92 MHz at 2 MS/s would move every tone
// by an aliased 80 kHz.
void tst_ModeSdrFiles::recordingCentreLeavesTheFrequencyShiftAlone()
{
    const QString path = m_env.filePath(QStringLiteral("fob_2MSps_433.92MHz.cf32"));
    std::vector<std::pair<double, double>> tone;
    for (int n = 0; n < 4000; ++n)  // +100 kHz at 2 MS/s: 1/20 of a turn per sample
        tone.emplace_back(0.5 * std::cos(2 * M_PI * n / 20.0), 0.5 * std::sin(2 * M_PI * n / 20.0));
    QVERIFY(writeFile(path, pairs('f', 32, false, tone)));
    ModeVecAnalysis mode;
    QVERIFY(openThroughThePanel(mode, path));
    QCOMPARE(paramOf(mode)->sourceFrequency(), 433.92e6);
    QCOMPARE(paramOf(mode)->analysisValue(QStringLiteral("Freq")), QStringLiteral("0 MHz"));
    QTRY_VERIFY_WITH_TIMEOUT(mode.hub()->readySignal(0).size() > 100, 10000);
    const IQVector ready = mode.hub()->readySignal(0).samples();
    const IQVector source = mode.hub()->sourceSignal(0).samples();
    for (int n = 1; n < 100; ++n)  // the phase still turns by 1/20 of a turn per sample
        QVERIFY2(std::abs(std::arg(ready.at(n) / ready.at(n - 1)) - 2 * M_PI / 20.0) < 1e-4, qPrintable(QString::number(n)));
    QVERIFY(std::abs(ready.first() - source.first()) < 1e-6);
}

QTEST_MAIN(tst_ModeSdrFiles)
#include "tst_ModeSdrFiles.moc"
