#include "CalculateDate.h"
#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "ModeACLR.h"
#include "ParamVectorAnalysis.h"
#include "RebornControllerGraphic.h"
#include "LayoutFrames.h"
#include "MainWindow.h"
#include "Mode4G.h"
#include "Mode5G.h"
#include "ModeDM.h"
#include "ModeVecAnalysis.h"
#include "ProfileStore.h"
#include "ShellResources.h"
#include "StartupSettings.h"
#include "RecordingFile.h"
#include "TestEnvironment.h"
#include "VerticalMenu.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "ThemeStyle.h"
#include "FrameGraphicSignal.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {
// WCAG relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The colour that covers most of a rectangle of an image: a plot area's background.
QColor dominantColour(const QImage &image, const QRect &rect)
{
    QHash<QRgb, int> counts;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return QColor(best);
}
}  // namespace

namespace {
// A recording of a constant sample, its header giving the clock and the carrier.
QString writeRecording(const TestEnvironment &env, const QString &name, const QString &clock, const QString &carrier,
                       int samples)
{
    return ::writeRecording(env, name, clock, carrier, IQVector(samples, IQ(0.5, -0.25)));
}

bool loadThroughThePanel(ModeAnalysis *mode, const QString &path)
{
    QSignalSpy loaded(mode->io(), &IOSignal::load);
    mode->panel()->openSignal(path);
    return loaded.wait(30000);  // seen to need more than 10 s once, with CI and a build sharing two cores
}
}  // namespace

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
    void menuBringsEachModeOnScreenAndPointsTheAcquisitionAtIt();
    void aModeAnalysesTheVectorAnalysisSignalWhenThatIsItsSource();
    void profileDeviceFieldSelectsTheSource_data();
    void profileDeviceFieldSelectsTheSource();
    void defaultInTheMenuRestoresTheBuiltInProfile();
    void defaultThatCannotBeWrittenSaysWhy();
    void pendingModesSayTheirAnalysisIsNotAvailable();
    void switchingLanguageWhileRunningRetranslatesTheModes();
    void plotsFollowTheTheme_data();
    void plotsFollowTheTheme();

    void plotsOnlyHidesThePanelAndTheMenu();

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
        QVERIFY(loaded.wait(20000));  // a checked build on a busy machine reads slowly
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

void tst_MainWindow::menuBringsEachModeOnScreenAndPointsTheAcquisitionAtIt()
{
    MainWindow window;
    window.show();
    window.menu()->setSlideDuration(0);
    QCOMPARE(window.acquisitionTarget(), window.modeVecAnalysis()->hub());
    const QList<QPair<QStringList, ModeAnalysis *>> presses = {
        {{"LTE"}, window.mode4G()},
        {{"STANDARD", "PSK_standard"}, window.modeDM()},
        {{"G5", "downlink"}, window.mode5G()},
        {{"ACLR", "CUSTOM_ACLR"}, window.modeACLR()},
        {{"VectorAnalysis"}, window.modeVecAnalysis()},
    };
    for (const auto &press : presses) {
        for (const QString &button : press.first)
            window.menu()->clickMenu(button);
        QTRY_COMPARE(window.currentMode(), press.second);
        QVERIFY(press.second->isVisible());
        QCOMPARE(window.acquisitionTarget(), press.second->hub());
        for (ModeAnalysis *other : window.modes())
            QVERIFY(other == press.second || !other->isVisible());
    }
}

void tst_MainWindow::aModeAnalysesTheVectorAnalysisSignalWhenThatIsItsSource()
{
    const QString first = writeRecording(m_env, QStringLiteral("first.owv"), QStringLiteral("2 MHz"),
                                         QStringLiteral("900 MHz"), 30000);
    const QString second = writeRecording(m_env, QStringLiteral("second.owv"), QStringLiteral("5 MHz"),
                                          QStringLiteral("1.8 GHz"), 12000);
    const QString own = writeRecording(m_env, QStringLiteral("own.owv"), QStringLiteral("1 MHz"),
                                       QStringLiteral("100 MHz"), 8000);
    MainWindow window;
    window.show();
    window.menu()->setSlideDuration(0);
    ModeVecAnalysis *va = window.modeVecAnalysis();
    QVERIFY(loadThroughThePanel(va, first));
    window.menu()->clickMenu(QStringLiteral("STANDARD"));
    window.menu()->clickMenu(QStringLiteral("QAM_standard"));
    ModeDM *dm = window.modeDM();
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(dm));
    QVERIFY(loadThroughThePanel(dm, own));
    auto *source = dm->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"));
    QVERIFY(source && source->isVisibleTo(dm));
    QCOMPARE(source->currentText(), QStringLiteral("File"));
    // Vector analysis offers its files and the instrument, never itself.
    QCOMPARE(va->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"))->findText(QStringLiteral("Vector Analysis")), -1);

    QCOMPARE(source->itemText(1), QStringLiteral("Signal Analyzer"));
    QTest::keyClick(source, Qt::Key_End);
    QCOMPARE(source->currentText(), QStringLiteral("Vector Analysis"));
    QTRY_COMPARE(dm->hub()->sourceSignal(0), va->hub()->sourceSignal(0));
    QCOMPARE(dm->calculate()->carrierFreq(), 900e6);
    QCOMPARE(dm->calculate()->sampleRate(), 2e6);
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Orvane Tarnwick Studio  [Vector Analysis]"));

    // A new recording in vector analysis reaches the mode that analyses it.
    QVERIFY(loadThroughThePanel(va, second));
    QTRY_COMPARE(dm->hub()->sourceSignal(0).size(), 12000);
    QCOMPARE(dm->calculate()->carrierFreq(), 1.8e9);

    // Back to the file: the mode's own recording with its own rates.
    QTest::keyClick(source, Qt::Key_Home);
    QTRY_COMPARE_WITH_TIMEOUT(dm->hub()->profile(), QStringLiteral("own.owv"), 10000);
    QCOMPARE(dm->hub()->sourceSignal(0).size(), 8000);
    QTRY_COMPARE(dm->calculate()->carrierFreq(), 100e6);
}

void tst_MainWindow::profileDeviceFieldSelectsTheSource_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("sourceShown");
    QTest::newRow("fourth field names vector analysis") << "0 1000000000 0 2" << "Vector Analysis";
    QTest::newRow("extra blanks") << "  0   1000000000 0   2 9" << "Vector Analysis";
    QTest::newRow("fourth field names the file") << "0 1000000000 0 0" << "File";
    QTest::newRow("three fields") << "TCPIP 10.0.0.2 2" << "File";
    QTest::newRow("not a number") << "a b c d" << "File";
    QTest::newRow("empty") << "" << "File";
}

void tst_MainWindow::profileDeviceFieldSelectsTheSource()
{
    QFETCH(QString, device);
    QFETCH(QString, sourceShown);
    const QString recording = writeRecording(m_env, QStringLiteral("va.owv"), QStringLiteral("2 MHz"),
                                             QStringLiteral("900 MHz"), 20000);
    const QString profile = m_env.filePath(QStringLiteral("source.xml"));
    ProfileStore written;
    written.setModeName(QStringLiteral("ModeACLR"));
    written.setDeviceText(device);
    written.setModeText(ParamSignal::ModeACLR, QStringLiteral("{Mode:CUSTOM}"));
    QVERIFY(written.save(profile));

    MainWindow window;
    window.show();
    window.menu()->setSlideDuration(0);
    QVERIFY(loadThroughThePanel(window.modeVecAnalysis(), recording));
    window.menu()->setFileChooser([profile](QWidget *, const QString &, const QString &, bool) { return profile; });
    window.menu()->clickMenu(QStringLiteral("OPEN"));
    ModeACLR *aclr = window.modeACLR();
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(aclr));
    QCOMPARE(aclr->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"))->currentText(), sourceShown);
    const bool isFromVectorAnalysis = sourceShown == QLatin1String("Vector Analysis");
    QCOMPARE(aclr->hub()->countSourceSignals() > 0, isFromVectorAnalysis);

    // The source of the mode on screen is saved in the same field.
    window.saveProfile(profile);
    ProfileStore read;
    QCOMPARE(read.load(profile), ProfileStore::Loaded);
    QCOMPARE(read.deviceText().split(QLatin1Char(' ')).value(3), isFromVectorAnalysis ? QStringLiteral("2") : QStringLiteral("0"));
}

void tst_MainWindow::defaultInTheMenuRestoresTheBuiltInProfile()
{
    const QString recording = writeRecording(m_env, QStringLiteral("keep.owv"), QStringLiteral("2 MHz"),
                                             QStringLiteral("900 MHz"), 20000);
    MainWindow window;
    window.show();
    window.menu()->setSlideDuration(0);
    window.menu()->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    ModeVecAnalysis *va = window.modeVecAnalysis();
    const QString defaultGrid = va->frames()->gridText();
    QVERIFY(loadThroughThePanel(va, recording));
    va->control()->setGrig(2, 2);
    va->selection()->setSizeSelection(4096);
    window.menu()->clickMenu(QStringLiteral("ACLR"));
    window.menu()->clickMenu(QStringLiteral("G5_ACLR"));
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));

    window.menu()->clickMenu(QStringLiteral("DEFAULT"));
    QVERIFY(QFile::exists(ProfileStore::resetPath()));
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(va));
    QCOMPARE(va->frames()->gridText(), defaultGrid);
    QCOMPARE(va->viewLength(), 2000);
    // The recording stays, drawn with its own rates.
    QCOMPARE(va->hub()->profile(), QStringLiteral("keep.owv"));
    QTRY_COMPARE(va->calculate()->carrierFreq(), 900e6);
    QCOMPARE(va->calculate()->sampleRate(), 2e6);
    // The measurements go back to their defaults too.
    QCOMPARE(window.modeACLR()->findChild<QLabel *>(QStringLiteral("lblMeasurement"))->text(),
             QStringLiteral("Measurement: CUSTOM"));
    QVERIFY(window.findChildren<QMessageBox *>().isEmpty());
}

void tst_MainWindow::defaultThatCannotBeWrittenSaysWhy()
{
    // A file where the profile folder should be: nothing can be written there.
    const QString blocked = m_env.filePath(QStringLiteral("blocked"));
    {
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ProfileStore::setBaseFolder(blocked);
    MainWindow window;
    window.show();
    window.menu()->setSlideDuration(0);
    window.menu()->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    window.menu()->clickMenu(QStringLiteral("ACLR"));
    window.menu()->clickMenu(QStringLiteral("CUSTOM_ACLR"));
    QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));
    window.menu()->clickMenu(QStringLiteral("DEFAULT"));
    const QList<QMessageBox *> boxes = window.findChildren<QMessageBox *>();
    ProfileStore::setBaseFolder(m_env.filePath(QStringLiteral("documents")));
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first()->text().startsWith(QLatin1String("The default profile cannot be restored")),
             qPrintable(boxes.first()->text()));
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(window.modeACLR()));
}

void tst_MainWindow::pendingModesSayTheirAnalysisIsNotAvailable()
{
    MainWindow window;
    for (ModeAnalysis *mode : window.modes()) {
        if (mode == window.modeVecAnalysis() || mode == window.modeACLR() || mode == window.modeDM())
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
    auto *notice = window.mode4G()->findChild<QLabel *>(QStringLiteral("lblAnalysisNotAvailable"));
    QVERIFY(notice->text().startsWith(QStringLiteral("Анализ")));
    window.slotSwitchLanguage(QStringLiteral("english"));
    QTRY_COMPARE(frameTitle(), QStringLiteral("Spectrum"));
    QVERIFY(notice->text().startsWith(QLatin1String("The LTE")));
}

void tst_MainWindow::plotsFollowTheTheme_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("isDark");
    QTest::newRow("dark") << QStringLiteral("ThemeDark") << true;
    QTest::newRow("light") << QStringLiteral("ThemeLight") << false;
    QTest::newRow("classic") << QStringLiteral("ThemeDefault") << false;
}

void tst_MainWindow::plotsFollowTheTheme()
{
    QFETCH(QString, button);
    QFETCH(bool, isDark);
    MainWindow window;
    window.resize(1280, 720);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // From another theme to this one while the plots are on screen.
    window.menu()->clickMenu(isDark ? QStringLiteral("ThemeLight") : QStringLiteral("ThemeDark"));
    window.menu()->clickMenu(button);
    QCOMPARE(ThemeStyle::current(), ThemeStyle::fromText(button));
    auto *spectrum = window.modeVecAnalysis()->findChild<DisplayFrequency *>();
    QVERIFY(spectrum);
    QTest::qWait(50);
    const QImage image = spectrum->graphic()->grab().toImage();
    const QColor plotArea = dominantColour(image, spectrum->graphic()->plotRect().toRect().adjusted(2, 2, -2, -2));
    QVERIFY2(isDark ? luminance(plotArea) < 0.05 : luminance(plotArea) > 0.7, qPrintable(plotArea.name()));
    const QColor text = spectrum->axisX()->labelsBrush().color();
    QVERIFY2(contrast(text, plotArea) >= 4.5, qPrintable(text.name() + QLatin1Char('/') + plotArea.name()));
    QVERIFY(contrast(spectrum->axisY()->titleBrush().color(), spectrum->chart()->backgroundBrush().color()) >= 4.5);
    QVERIFY(contrast(spectrum->chart()->titleBrush().color(), spectrum->chart()->backgroundBrush().color()) >= 4.5
            || spectrum->chart()->titleBrush().color().alpha() == 0);
    // Grid lines stand out from the plot area, but less than the text.
    const QColor grid = spectrum->axisX()->gridLineColor();
    QVERIFY(contrast(grid, plotArea) > 1.1 && contrast(grid, plotArea) < contrast(text, plotArea));
    // The readouts over the chart ("Start - 0") read on its background.
    for (QLabel *label : spectrum->graphic()->findChildren<QLabel *>()) {
        if (label->text().startsWith(QLatin1String("Start"))) {
            const QColor colour = label->palette().color(QPalette::WindowText);
            QVERIFY2(contrast(colour, spectrum->chart()->backgroundBrush().color()) >= 4.5, qPrintable(colour.name()));
        }
    }
}

void tst_MainWindow::plotsOnlyHidesThePanelAndTheMenu()
{
    MainWindow window;
    window.show();
    auto *menu = window.findChild<VerticalMenu *>();
    QVERIFY(menu && menu->isVisible());
    QToolButton *plotsOnly = window.currentMode()->control()->findChild<QToolButton *>(QStringLiteral("butPlotsOnly"));
    QVERIFY(plotsOnly);
    plotsOnly->click();
    QVERIFY(!menu->isVisible());
    QVERIFY(!window.currentMode()->panel()->isVisible());
    plotsOnly->click();
    QVERIFY(menu->isVisible());
    QVERIFY(window.currentMode()->panel()->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
