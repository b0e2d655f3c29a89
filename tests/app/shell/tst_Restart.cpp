// A session, the window closed (which writes the automatic profile), and the next
// start as the program makes it: a new main window, then the start request.
#include "CalculateDate.h"
#include "DemoSignals.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "MainWindow.h"
#include "Mode4G.h"
#include "Mode5G.h"
#include "ModeACLR.h"
#include "ModeDM.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "ProfileStore.h"
#include "ShellResources.h"
#include "RecordingFile.h"
#include "TestEnvironment.h"
#include "RebornControllerGraphic.h"
#include "LayoutFrames.h"
#include "VerticalMenu.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>

#include <QPushButton>
#include <QSettings>
#include <QValueAxis>
#include <QtTest>

namespace {
constexpr int kLoadMs = 20000;

// A tone recording, its header giving the clock and the carrier.
QString writeRecording(const TestEnvironment &env, const QString &name, const QString &clock, const QString &carrier,
                       int samples)
{
    IQVector iq(samples);
    for (int i = 0; i < samples; ++i)
        iq[i] = std::polar(0.5, 0.3 * i);
    return ::writeRecording(env, name, clock, carrier, iq);
}

// The centre of the spectrum's frequency axis, in Hz, as the user reads it.
double spectrumCentreHz(ModeAnalysis *mode)
{
    auto *spectrum = mode->findChild<DisplayFrequency *>();
    if (!spectrum)
        return -1.0;
    return (spectrum->axisX()->min() + spectrum->axisX()->max()) / 2.0 * mode->calculate()->unitFactor();
}

void answerProfileDialogsWith(MainWindow &window, const QString &path)
{
    window.menu()->setSlideDuration(0);
    window.menu()->setFileChooser([path](QWidget *, const QString &, const QString &, bool) { return path; });
}
}  // namespace

class tst_Restart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void modeWithoutAFileComesBackAndTheDemoOpensBehindIt();
    void largeFileComesBackInsteadOfTheDemo();
    void restoredFileIsDrawnAroundItsCarrier();
    void profileBringsItsFileWithItsOwnRates();
    void modeAnalysingVectorAnalysisComesBackWithIt();
    void playAskedAtStartPlaysThatRecordingOnly();
    void sessionInEachModeComesBack_data();
    void sessionInEachModeComesBack();

private:
    TestEnvironment m_env;
};

void tst_Restart::initTestCase()
{
    ShellResources::init();
    ProfileStore::setBaseFolder(m_env.filePath(QStringLiteral("documents")));
}

void tst_Restart::init()
{
    QSettings().clear();
    QFile::remove(ProfileStore::defaultPath());
}

void tst_Restart::modeWithoutAFileComesBackAndTheDemoOpensBehindIt()
{
    {
        MainWindow window;
        window.show();
        window.menu()->setSlideDuration(0);
        window.menu()->clickMenu(QStringLiteral("ACLR"));
        window.menu()->clickMenu(QStringLiteral("G4_ACLR"));
        QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));
    }
    MainWindow window;
    window.show();
    window.openAtStart({});
    const QString demo = QFileInfo(DemoSignals::path(0)).fileName();
    QTRY_COMPARE_WITH_TIMEOUT(window.modeVecAnalysis()->hub()->profile(), demo, kLoadMs);
    QTest::qWait(MainWindow::kModeChangeMs + 100);
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));
    QVERIFY(window.modeACLR()->isVisible());
    QVERIFY(!window.modeVecAnalysis()->isVisible());
    QVERIFY(window.menu()->button(QStringLiteral("ACLR"))->isChecked());
    QVERIFY(window.menu()->button(QStringLiteral("G4_ACLR"))->isChecked());
}

void tst_Restart::largeFileComesBackInsteadOfTheDemo()
{
    const QString large = writeRecording(m_env, QStringLiteral("large.owv"), QStringLiteral("1 MHz"),
                                         QStringLiteral("1 GHz"), 4000000);
    QVERIFY(!large.isEmpty());
    {
        MainWindow window;
        window.show();
        QSignalSpy loaded(window.modeVecAnalysis()->io(), &IOSignal::load);
        window.modeVecAnalysis()->panel()->openSignal(large);
        QVERIFY(loaded.wait(kLoadMs));
    }
    MainWindow window;
    window.show();
    window.openAtStart({});
    ManagerSignal *hub = window.modeVecAnalysis()->hub();
    QTRY_COMPARE_WITH_TIMEOUT(hub->profile(), QStringLiteral("large.owv"), kLoadMs);
    // Long enough for a demo read queued behind the restore to arrive.
    QTest::qWait(1500);
    QCOMPARE(hub->profile(), QStringLiteral("large.owv"));
    QCOMPARE(hub->sourceSignal(0).size(), 4000000);
}

void tst_Restart::restoredFileIsDrawnAroundItsCarrier()
{
    const QString path = writeRecording(m_env, QStringLiteral("carrier.owv"), QStringLiteral("1 MHz"),
                                        QStringLiteral("1 GHz"), 50000);
    {
        MainWindow window;
        window.show();
        QSignalSpy loaded(window.modeVecAnalysis()->io(), &IOSignal::load);
        window.modeVecAnalysis()->panel()->openSignal(path);
        QVERIFY(loaded.wait(kLoadMs));
        QTRY_VERIFY(qAbs(spectrumCentreHz(window.modeVecAnalysis()) - 1e9) < 1e5);
    }
    MainWindow window;
    window.show();
    window.openAtStart({});
    ModeVecAnalysis *va = window.modeVecAnalysis();
    QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), QStringLiteral("carrier.owv"), kLoadMs);
    QTRY_VERIFY2(qAbs(spectrumCentreHz(va) - 1e9) < 1e5, qPrintable(QString::number(spectrumCentreHz(va))));
    QCOMPARE(va->calculate()->sampleRate(), 1e6);
}

void tst_Restart::profileBringsItsFileWithItsOwnRates()
{
    const QString wide = writeRecording(m_env, QStringLiteral("wlan.owv"), QStringLiteral("10 MHz"),
                                        QStringLiteral("2.4 GHz"), 50000);
    const QString profile = m_env.filePath(QStringLiteral("wlan.xml"));
    {
        MainWindow window;
        window.show();
        QSignalSpy loaded(window.modeVecAnalysis()->io(), &IOSignal::load);
        window.modeVecAnalysis()->panel()->openSignal(wide);
        QVERIFY(loaded.wait(kLoadMs));
        answerProfileDialogsWith(window, profile);
        window.menu()->clickMenu(QStringLiteral("SAVE"));
        QVERIFY(QFile::exists(profile));
    }
    QFile::remove(ProfileStore::defaultPath());
    const QString twoTone = QFileInfo(DemoSignals::path(DemoSignals::TwoTone)).fileName();
    {
        MainWindow window;
        window.show();
        MainWindow::StartRequest request;
        request.demo = DemoSignals::TwoTone;
        window.openAtStart(request);
        ModeVecAnalysis *va = window.modeVecAnalysis();
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), twoTone, kLoadMs);
        QTRY_VERIFY(qAbs(spectrumCentreHz(va) - 100e6) < 1e4);
        answerProfileDialogsWith(window, profile);
        window.menu()->clickMenu(QStringLiteral("OPEN"));
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), QStringLiteral("wlan.owv"), kLoadMs);
        QTRY_VERIFY2(qAbs(spectrumCentreHz(va) - 2.4e9) < 1e5, qPrintable(QString::number(spectrumCentreHz(va))));
        QCOMPARE(va->calculate()->sampleRate(), 10e6);
    }
    // The automatic profile pairs the profile's file with its rates.
    MainWindow window;
    window.show();
    window.openAtStart({});
    ModeVecAnalysis *va = window.modeVecAnalysis();
    QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), QStringLiteral("wlan.owv"), kLoadMs);
    QTRY_VERIFY(qAbs(spectrumCentreHz(va) - 2.4e9) < 1e5);
    QCOMPARE(va->calculate()->sampleRate(), 10e6);

    // A profile whose file is gone leaves the recording on hand with its own rates.
    QVERIFY(QFile::remove(wide));
    MainWindow::StartRequest request;
    request.demo = DemoSignals::TwoTone;
    window.openAtStart(request);
    QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), twoTone, kLoadMs);
    QTRY_VERIFY(qAbs(spectrumCentreHz(va) - 100e6) < 1e4);
    answerProfileDialogsWith(window, profile);
    window.menu()->clickMenu(QStringLiteral("OPEN"));
    QTest::qWait(500);
    QCOMPARE(va->hub()->profile(), twoTone);
    QTRY_VERIFY(qAbs(spectrumCentreHz(va) - 100e6) < 1e4);
    QCOMPARE(va->calculate()->sampleRate(), 1e6);
}

void tst_Restart::modeAnalysingVectorAnalysisComesBackWithIt()
{
    const QString path = writeRecording(m_env, QStringLiteral("shared.owv"), QStringLiteral("2 MHz"),
                                        QStringLiteral("900 MHz"), 30000);
    {
        MainWindow window;
        window.show();
        window.menu()->setSlideDuration(0);
        QSignalSpy loaded(window.modeVecAnalysis()->io(), &IOSignal::load);
        window.modeVecAnalysis()->panel()->openSignal(path);
        QVERIFY(loaded.wait(kLoadMs));
        window.menu()->clickMenu(QStringLiteral("ACLR"));
        window.menu()->clickMenu(QStringLiteral("CUSTOM_ACLR"));
        QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));
        auto *source = window.modeACLR()->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"));
        QTest::keyClick(source, Qt::Key_End);  // "Vector Analysis", after "File" and "Signal Analyzer"
        QTRY_COMPARE(window.modeACLR()->hub()->countSourceSignals(), 1);
    }
    MainWindow window;
    window.show();
    window.openAtStart({});
    ModeAnalysis *aclr = window.modeACLR();
    QTRY_COMPARE(window.currentMode(), aclr);
    QCOMPARE(aclr->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"))->currentText(),
             QStringLiteral("Vector Analysis"));
    // The vector-analysis file arrives after the profile is read; the mode follows it, and
    // nobody is told that there is nothing to analyse.
    QTRY_COMPARE_WITH_TIMEOUT(aclr->hub()->sourceSignal(0).size(), 30000, kLoadMs);
    QCOMPARE(aclr->calculate()->carrierFreq(), 900e6);
    QVERIFY(window.findChildren<QMessageBox *>().isEmpty());
}

void tst_Restart::playAskedAtStartPlaysThatRecordingOnly()
{
    const QString first = writeRecording(m_env, QStringLiteral("play.owv"), QStringLiteral("1 MHz"),
                                         QStringLiteral("1 GHz"), 200000);
    const QString later = writeRecording(m_env, QStringLiteral("later.owv"), QStringLiteral("1 MHz"),
                                         QStringLiteral("1 GHz"), 200000);
    MainWindow window;
    window.show();
    MainWindow::StartRequest request;
    request.file = first;
    request.isPlay = true;
    window.openAtStart(request);
    ModeVecAnalysis *va = window.modeVecAnalysis();
    QTRY_VERIFY_WITH_TIMEOUT(va->selection()->isRunning(), kLoadMs);
    va->stopRun();
    QSignalSpy loaded(va->io(), &IOSignal::load);
    va->panel()->openSignal(later);
    QVERIFY(loaded.wait(kLoadMs));
    QTest::qWait(MainWindow::kPlayAfterLoadMs + 300);
    QVERIFY(!va->selection()->isRunning());

    // --play alone plays the built-in demo that a first start opens.
    MainWindow fresh;
    fresh.show();
    MainWindow::StartRequest playOnly;
    playOnly.isPlay = true;
    fresh.openAtStart(playOnly);
    QTRY_VERIFY_WITH_TIMEOUT(fresh.modeVecAnalysis()->selection()->isRunning(), kLoadMs);
    QVERIFY(fresh.modeVecAnalysis()->hub()->sourceSignal(0).size() > 0);
    fresh.modeVecAnalysis()->stopRun();
}

void tst_Restart::sessionInEachModeComesBack_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("menuPresses");
    QTest::addColumn<QString>("measurementShown");
    QTest::addColumn<QString>("menuMark");
    QTest::newRow("vector analysis") << int(ParamSignal::ModeVA) << QStringList{"VectorAnalysis"} << QString()
                                     << "VectorAnalysis";
    QTest::newRow("digital modulation") << int(ParamSignal::ModeDM) << QStringList{"STANDARD", "QAM_standard"}
                                        << "QAM16" << "QAM_standard";
    QTest::newRow("LTE") << int(ParamSignal::Mode4G) << QStringList{"LTE"} << "Measurement: Downlink" << "LTE";
    QTest::newRow("5G NR") << int(ParamSignal::Mode5G) << QStringList{"G5", "uplink"} << "Measurement: Uplink"
                           << "uplink";
    QTest::newRow("ACLR") << int(ParamSignal::ModeACLR) << QStringList{"ACLR", "G4_ACLR"}
                          << "Measurement: 4G LTE ACLR" << "G4_ACLR";
}

void tst_Restart::sessionInEachModeComesBack()
{
    QFETCH(int, mode);
    QFETCH(QStringList, menuPresses);
    QFETCH(QString, measurementShown);
    QFETCH(QString, menuMark);
    const QString name = QStringLiteral("session%1.owv").arg(mode);
    const QString path = writeRecording(m_env, name, QStringLiteral("2 MHz"), QStringLiteral("900 MHz"), 30000);
    auto modeOf = [mode](MainWindow &window) {
        for (ModeAnalysis *each : window.modes()) {
            if (each->mode() == mode)
                return each;
        }
        return static_cast<ModeAnalysis *>(nullptr);
    };
    // The pending modes name their measurement; digital modulation shows its scheme.
    auto measurementLabel = [](ModeAnalysis *shown) {
        if (auto *scheme = shown->findChild<QComboBox *>(QStringLiteral("dmSet_ComboModulation")))
            return scheme->currentText();
        auto *label = shown->findChild<QLabel *>(QStringLiteral("lblMeasurement"));
        return label ? label->text() : QString();
    };
    QString grid;
    {
        MainWindow window;
        window.show();
        window.menu()->setSlideDuration(0);
        window.openAtStart({});
        QTRY_VERIFY_WITH_TIMEOUT(!window.modeVecAnalysis()->hub()->profile().isEmpty(), kLoadMs);
        for (const QString &press : menuPresses)
            window.menu()->clickMenu(press);
        ModeAnalysis *chosen = modeOf(window);
        QTRY_COMPARE(window.currentMode(), chosen);
        QSignalSpy loaded(chosen->io(), &IOSignal::load);
        chosen->panel()->openSignal(path);
        QVERIFY(loaded.wait(kLoadMs));
        chosen->control()->setGrig(1, 2);
        grid = chosen->frames()->gridText();
        QCOMPARE(chosen->frames()->frames().size(), 2);
        QCOMPARE(measurementLabel(chosen), measurementShown);
    }
    MainWindow window;
    window.show();
    window.openAtStart({});
    ModeAnalysis *restored = modeOf(window);
    QTRY_COMPARE(window.currentMode(), restored);
    QTRY_COMPARE_WITH_TIMEOUT(restored->hub()->profile(), name, kLoadMs);
    QCOMPARE(restored->frames()->gridText(), grid);
    QCOMPARE(measurementLabel(restored), measurementShown);
    QVERIFY(window.menu()->button(menuMark)->isChecked());
    QTRY_VERIFY(qAbs(restored->calculate()->carrierFreq() - 900e6) < 1.0);
}

QTEST_MAIN(tst_Restart)
#include "tst_Restart.moc"
