#include "IOSignal.h"
#include "LayoutFrames.h"
#include "MainWindow.h"
#include "Mode4G.h"
#include "Mode5G.h"
#include "ModeDM.h"
#include "ModeVecAnalysis.h"
#include "ProfileStore.h"
#include "ShellResources.h"
#include "StartupSettings.h"
#include "TestEnvironment.h"
#include "VerticalMenu.h"
#include "FrameGraphicSignal.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startsInVectorAnalysisWithTheModesInOrder();
    void switchingToTheVisibleModeChangesNothing();
    void currentModeChangesWhenTheAnimationFinishes();
    void russianIsLoadedBeforeTheFirstModeIsShown();
    void profileRoundTripRestoresModesAndTitle();
    void autoSaveIsWrittenOnCloseAndReadAtStart();
    void acquisitionFollowsTheModeOnScreen();
    void pendingModesSayTheirAnalysisIsNotAvailable();
    void switchingLanguageWhileRunningRetranslatesTheModes();

private:
    TestEnvironment m_env;
};

void tst_MainWindow::initTestCase()
{
    ShellResources::init();
    ProfileStore::setBaseFolder(m_env.filePath(QStringLiteral("documents")));
}

void tst_MainWindow::init()
{
    QSettings().clear();
    QFile::remove(ProfileStore::defaultPath());
}

void tst_MainWindow::startsInVectorAnalysisWithTheModesInOrder()
{
    MainWindow window;
    QCOMPARE(window.currentMode(), window.modeVecAnalysis());
    QVERIFY(window.modeVecAnalysis()->isVisibleTo(&window));
    QCOMPARE(window.modes().size(), 5);
    QCOMPARE(window.modes().first()->mode(), int(ParamSignal::ModeDM));
    for (ModeAnalysis *mode : window.modes()) {
        if (mode != window.modeVecAnalysis())
            QVERIFY(!mode->isVisibleTo(&window));
    }
}

void tst_MainWindow::switchingToTheVisibleModeChangesNothing()
{
    MainWindow window;
    window.show();
    window.switchOnLTE();
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.mode4G()));
    QSignalSpy finished(window.modeChangeAnimation(), &ModeChangeAnimation::finish);
    window.switchOnLTE(QString());
    QVERIFY(!finished.wait(600));
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.mode4G()));
}

void tst_MainWindow::currentModeChangesWhenTheAnimationFinishes()
{
    MainWindow window;
    window.show();
    window.switchOnDigitalStandard();
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeDM()));
    QSignalSpy finished(window.modeChangeAnimation(), &ModeChangeAnimation::finish);
    window.switchOn5G();
    QVERIFY(!window.modeDM()->isVisible());  // hidden at once
    QVERIFY(window.mode5G()->isVisible());
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeDM()));
    QVERIFY(finished.wait(2000));
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.mode5G()));
}

void tst_MainWindow::russianIsLoadedBeforeTheFirstModeIsShown()
{
    StartupSettings::setLanguage(QStringLiteral("russian"));
    MainWindow window;
    QVERIFY(window.isRussian());
    auto *russian = window.menu()->findChild<QPushButton *>(QStringLiteral("RUSSIAN"));
    QVERIFY(russian && russian->isChecked());
    StartupSettings::setLanguage(QStringLiteral("english"));
    MainWindow english;
    QVERIFY(!english.isRussian());
}

void tst_MainWindow::profileRoundTripRestoresModesAndTitle()
{
    const QString profile = m_env.filePath(QStringLiteral("bench.xml"));
    const QString recording = m_env.filePath(QStringLiteral("rec.owv"));
    {
        ManagerSignal hub(ParamSignal::ModeVA);
        IOSignal io(&hub, m_env.path());
        Signal record(IQVector(20000, IQ(0.5, -0.25)));
        QVERIFY(io.writeFile(recording, {&record}));
    }
    {
        MainWindow window;
        window.show();
        ModeVecAnalysis *va = window.modeVecAnalysis();
        QSignalSpy loaded(va->io(), &IOSignal::load);
        QMetaObject::invokeMethod(va->io(), [va, recording] { va->io()->readFile(recording); });
        QVERIFY(loaded.wait(5000));
        QTRY_COMPARE(window.windowTitle(), QStringLiteral("Orvane Tarnwick Studio  [rec.owv]"));
        va->frames()->setGrid(QStringLiteral("{GRID:Distribution(2) I_Time(1,1) Q_Time(1,1)}"));
        va->selection()->setSizeSelection(4096);
        window.switchOn5G();
        QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.mode5G()));
        window.saveProfile(profile);
    }
    MainWindow restored;
    restored.show();
    restored.openProfile(profile);
    QTRY_COMPARE(restored.currentMode(), static_cast<ModeAnalysis *>(restored.mode5G()));
    ModeVecAnalysis *va = restored.modeVecAnalysis();
    QCOMPARE(va->frames()->gridText(), QStringLiteral("{GRID:Distribution(2) I_Time(1,1) Q_Time(1,1) }"));
    QCOMPARE(va->viewLength(), 4096);
    QTRY_COMPARE_WITH_TIMEOUT(va->hub()->profile(), QStringLiteral("rec.owv"), 5000);
}

void tst_MainWindow::autoSaveIsWrittenOnCloseAndReadAtStart()
{
    {
        MainWindow window;
        window.show();
        window.switchOnACLR();
        QTRY_COMPARE(window.currentMode(), window.modes().last());
    }
    QVERIFY(QFile::exists(ProfileStore::defaultPath()));
    MainWindow again;
    QCOMPARE(again.currentMode(), again.modes().last());
}

void tst_MainWindow::acquisitionFollowsTheModeOnScreen()
{
    MainWindow window;
    window.show();
    QCOMPARE(window.acquisitionTarget(), window.modeVecAnalysis()->hub());
    window.switchOnLTE();
    QCOMPARE(window.acquisitionTarget(), window.mode4G()->hub());
}

void tst_MainWindow::pendingModesSayTheirAnalysisIsNotAvailable()
{
    MainWindow window;
    for (ModeAnalysis *mode : window.modes()) {
        if (mode == window.modeVecAnalysis())
            continue;
        auto *notice = mode->findChild<QLabel *>(QStringLiteral("lblAnalysisNotAvailable"));
        QVERIFY2(notice && notice->text().contains(QLatin1String("not available")), mode->metaObject()->className());
    }
    QCOMPARE(window.modeDM()->frames()->frames().size(), 4);
}

void tst_MainWindow::switchingLanguageWhileRunningRetranslatesTheModes()
{
    MainWindow window;
    window.show();
    ModeVecAnalysis *va = window.modeVecAnalysis();
    auto frameTitle = [va] { return va->frames()->frames().first()->findChild<QLabel *>(QStringLiteral("lblFrameTitle"))->text(); };
    auto openButton = [va] { return va->findChild<QPushButton *>(QStringLiteral("butOpenFile"))->text(); };
    QCOMPARE(frameTitle(), QStringLiteral("Spectrum"));
    window.slotSwitchLanguage(QStringLiteral("russian"));
    QTRY_COMPARE(frameTitle(), QStringLiteral("Спектр"));
    QVERIFY(openButton().contains(QStringLiteral("Открыть")));
    auto *notice = window.modeDM()->findChild<QLabel *>(QStringLiteral("lblAnalysisNotAvailable"));
    QVERIFY(notice->text().startsWith(QStringLiteral("Анализ")));
    window.slotSwitchLanguage(QStringLiteral("english"));
    QTRY_COMPARE(frameTitle(), QStringLiteral("Spectrum"));
    QVERIFY(notice->text().startsWith(QLatin1String("The digital modulation analysis")));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
