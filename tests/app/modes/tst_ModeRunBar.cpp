#include "DisplayGraphicSignal.h"
#include "FrameGraphicSignal.h"
#include "GraphicSunset.h"
#include "LayoutFrames.h"
#include "Graphic.h"
#include "GuiParserSignal.h"
#include "GuiSourceSetting.h"
#include "IOSignal.h"
#include "Mode4G.h"
#include "Mode5G.h"
#include "ModeACLR.h"
#include "ModeDM.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "ParserSignal.h"
#include "RebornControllerGraphic.h"
#include "SelectionBarView.h"
#include "TestEnvironment.h"

#include <QComboBox>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

using ModeMaker = std::function<ModeAnalysis *()>;
Q_DECLARE_METATYPE(ModeMaker)

namespace {
// A recording whose sample k is (k, 0) in every layer, so a frame tells where it was cut.
// Q is the layer's index plus qOffset in every sample of it.
QString writeRamp(const TestEnvironment &env, const QString &name, int length, int layers = 1, double qOffset = 0.0)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    QVector<Signal> records;
    for (int layer = 0; layer < layers; ++layer) {
        IQVector samples(length);
        for (int k = 0; k < length; ++k)
            samples[k] = IQ(k * 1e-5, layer + qOffset);
        records.append(Signal(samples));
    }
    hub.slotSetSignal(records, name);
    IOSignal io(&hub, env.path());
    io.setAccuracy(IOSignal::AccuracyDouble);
    const QString path = env.filePath(name);
    io.writeFile(path);
    return path;
}

QToolButton *runBarButton(ModeAnalysis &mode, const char *name)
{
    return mode.control()->findChild<QToolButton *>(QLatin1String(name));
}
}  // namespace

class tst_ModeRunBar : public QObject
{
    Q_OBJECT
private slots:
    void readSamplesAsReReadsTheFile_data();
    void readSamplesAsReReadsTheFile();
    void selectionBarShowsAndMovesTheWindow_data() { modes(); }
    void selectionBarShowsAndMovesTheWindow();
    void playStepsByTheIncreaseStepAndWraps_data() { modes(); }
    void playStepsByTheIncreaseStepAndWraps();
    void playButtonPausesWhilePlaying();
    void runBarOffersOnlyWhatWorks();
    void frameSettingsOfferSunsetAndTheAveragingLimit();
    void changingTheGraphicWarnsOfNothing();
    void layersFollowTheRunBarAndTheRecording_data() { modes(); }
    void layersFollowTheRunBarAndTheRecording();

private:
    void modes();
    // Opens the file through the panel and waits for its first frame on screen.
    bool open(ModeAnalysis &mode, const QString &path);

    TestEnvironment m_env;
};

void tst_ModeRunBar::modes()
{
    QTest::addColumn<ModeMaker>("make");
    QTest::newRow("vector analysis") << ModeMaker([] { return new ModeVecAnalysis; });
    QTest::newRow("LTE") << ModeMaker([] { return new Mode4G; });
    QTest::newRow("5G") << ModeMaker([] { return new Mode5G; });
    QTest::newRow("ACLR") << ModeMaker([] { return new ModeACLR; });
}

bool tst_ModeRunBar::open(ModeAnalysis &mode, const QString &path)
{
    QSignalSpy loaded(mode.hub(), &ManagerSignal::sendNewSourceSignal);
    mode.panel()->openSignal(path);
    if (!loaded.wait(10000))
        return false;
    // The LTE and 5G modes wait for play before their first frame; one step shows it.
    QSignalSpy frame(mode.hub(), &ManagerSignal::sendNewSelected);
    if (frame.wait(2000))
        return true;
    runBarButton(mode, "butRunSingle")->click();
    if (frame.isEmpty() && !frame.wait(10000))
        return false;
    // On a busy machine the load's own frame may have been late, not absent: then the step
    // brings a second one, which must arrive before a test counts the frames it asks for.
    while (frame.wait(1000)) {
    }
    return true;
}

void tst_ModeRunBar::readSamplesAsReReadsTheFile_data()
{
    modes();
}

void tst_ModeRunBar::readSamplesAsReReadsTheFile()
{
    QFETCH(ModeMaker, make);
    std::unique_ptr<ModeAnalysis> mode(make());
    mode->show();
    QVERIFY(open(*mode, writeRamp(m_env, QStringLiteral("reread.owv"), 8000)));
    // Whatever the mode might pop up (a file dialog) is counted and closed.
    int dialogs = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&dialogs] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    closer.start(20);
    auto *accuracy = mode->panel()->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboAccuracy"));
    QVERIFY(accuracy);
    QSignalSpy source(mode->hub(), &ManagerSignal::sendNewSourceSignal);
    accuracy->setFocus();
    QTest::keyClick(accuracy, Qt::Key_Down);  // "64-bit float (double)"
    QTRY_COMPARE_WITH_TIMEOUT(source.count(), 1, 5000);
    QVERIFY(mode->io()->isReadDouble());
    QTest::keyClick(accuracy, Qt::Key_Up);  // "16-bit (single)"
    QTRY_COMPARE_WITH_TIMEOUT(source.count(), 2, 5000);
    QVERIFY(!mode->io()->isReadDouble());
    QCOMPARE(dialogs, 0);
    QTRY_VERIFY(!mode->panel()->isLoading());
    QVERIFY(!mode->hub()->isReadFile());
}

void tst_ModeRunBar::selectionBarShowsAndMovesTheWindow()
{
    QFETCH(ModeMaker, make);
    std::unique_ptr<ModeAnalysis> mode(make());
    // ACLR starts on longer windows: every mode is put on the same 2000 samples, as a profile would.
    mode->restoreProfile(QStringLiteral("{LengthView:2000}"));
    mode->resize(1000, 700);
    mode->show();
    QVERIFY(open(*mode, writeRamp(m_env, QStringLiteral("bar.owv"), 30000)));
    auto *bar = mode->findChild<SelectionBarView *>();
    QVERIFY(bar);
    const int first = mode->hub()->selection(1).startIndex;
    QTRY_COMPARE(bar->readout(), QStringLiteral("Start %1   Width 2000   Stop %2   of 30000").arg(first).arg(first + 1999));
    runBarButton(*mode, "butRunCont")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bar->readout().startsWith(QStringLiteral("Start %1 ").arg(first)), 10000);
    runBarButton(*mode, "butStop")->click();
    QVERIFY(!mode->hub()->isRun());
    // The end key moves the window to the recording's end, and the frame follows.
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_End);
    QTRY_COMPARE_WITH_TIMEOUT(bar->readout(), QStringLiteral("Start 28000   Width 2000   Stop 29999   of 30000"), 5000);
    QTRY_COMPARE(mode->hub()->selection(1).startIndex, 28000);
    QTRY_COMPARE_WITH_TIMEOUT(mode->hub()->selection(1).first->real(), 28000 * 1e-5, 5000);
    // A drag of the window to the track's middle stays there.
    const int y = 8;
    const int windowX = bar->width() - 10;
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(windowX, y));
    for (int x = windowX; x >= bar->width() / 2; x -= 40) {
        // QTest's moves carry no button in Qt 5: a dragging move is sent as the system would.
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::qWait(5);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, y));
    QTest::qWait(300);
    const int dropped = mode->hub()->selection(1).startIndex;
    QVERIFY2(dropped > 12000 && dropped < 18000, qPrintable(QString::number(dropped)));
    QTRY_VERIFY(bar->readout().startsWith(QStringLiteral("Start %1 ").arg(dropped)));
}

void tst_ModeRunBar::playStepsByTheIncreaseStepAndWraps()
{
    QFETCH(ModeMaker, make);
    std::unique_ptr<ModeAnalysis> mode(make());
    // ACLR starts on longer windows: every mode is put on the same 2000 samples, as a profile would.
    mode->restoreProfile(QStringLiteral("{LengthView:2000}"));
    mode->resize(1000, 700);
    mode->show();
    QVERIFY(open(*mode, writeRamp(m_env, QStringLiteral("play.owv"), 5000)));
    QCOMPARE(mode->viewLength(), 2000);  // its increase step is 500
    QVector<int> starts;
    connect(mode->hub(), &ManagerSignal::sendNewSelected, this,
            [&] { starts.append(mode->hub()->selection(1).startIndex); });
    const int first = mode->hub()->selection(1).startIndex;
    runBarButton(*mode, "butRunSingle")->click();
    QTRY_COMPARE(starts.size(), 1);
    QCOMPARE(starts.first(), first + 500);
    runBarButton(*mode, "butRunCont")->click();
    QTRY_VERIFY_WITH_TIMEOUT(starts.size() >= 9, 10000);
    runBarButton(*mode, "butStop")->click();
    // Each step moves by 500; as 3500 + 2000 would pass the end of 5000 samples, 3000 is followed by 0.
    for (int i = 1; i < 9; ++i)
        QCOMPARE(starts.at(i), starts.at(i - 1) == 3000 ? 0 : starts.at(i - 1) + 500);
    QVERIFY(starts.contains(0));
    // The in-plot readout follows the window.
    auto *view = mode->findChild<DisplayGraphicSignal *>();
    QVERIFY(view);
    const int last = mode->hub()->selection(1).startIndex;
    QTRY_COMPARE(view->readoutTexts().value(0), QStringLiteral("Start - %1").arg(last));
}

void tst_ModeRunBar::playButtonPausesWhilePlaying()
{
    ModeVecAnalysis mode;
    mode.resize(1000, 700);
    mode.show();
    QVERIFY(open(mode, writeRamp(m_env, QStringLiteral("pause.owv"), 30000)));
    QToolButton *play = runBarButton(mode, "butRunCont");
    QCOMPARE(play->toolTip(), QStringLiteral("Play continuously"));
    play->click();
    QVERIFY(mode.hub()->isRun());
    QCOMPARE(play->text(), QStringLiteral("\u275A\u275A"));
    QCOMPARE(play->toolTip(), QStringLiteral("Pause"));
    QTest::qWait(200);
    play->click();
    QVERIFY(!mode.hub()->isRun());
    QCOMPARE(play->text(), QStringLiteral("\u25B6"));
    // Play goes on from where it paused.
    QTest::qWait(100);
    const int paused = mode.hub()->selection(1).startIndex;
    QSignalSpy frames(mode.hub(), &ManagerSignal::sendNewSelected);
    play->click();
    QVERIFY(frames.wait(5000));
    QCOMPARE(mode.hub()->selection(1).startIndex, paused + 500 > 28000 ? 0 : paused + 500);
    runBarButton(mode, "butStop")->click();
}

void tst_ModeRunBar::runBarOffersOnlyWhatWorks()
{
    ModeDM mode;
    mode.resize(1200, 700);
    mode.show();
    RebornControllerGraphic *bar = mode.control();
    // Nothing reads from an instrument yet.
    QVERIFY(!runBarButton(mode, "butRunRead")->isVisible());
    for (QToolButton *button : bar->findChildren<QToolButton *>())
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
    // The rate appears while playing without moving the buttons beside it.
    QToolButton *faster = runBarButton(mode, "butIncreaseFPS");
    const int x = faster->x();
    bar->showFPS();
    bar->setFPS(25);
    QTest::qWait(10);
    QCOMPARE(faster->x(), x);
    // Plots only: the panel goes and the main window is asked to hide its menu.
    QSignalSpy menu(&mode, &ModeAnalysis::sendHideMenu);
    QWidget *panelColumn = mode.findChild<QScrollArea *>();
    QVERIFY(panelColumn && panelColumn->isVisible());
    runBarButton(mode, "butPlotsOnly")->click();
    QVERIFY(!panelColumn->isVisible());
    QCOMPARE(menu.last().first().toBool(), true);
    runBarButton(mode, "butPlotsOnly")->click();
    QVERIFY(panelColumn->isVisible());
    QCOMPARE(menu.last().first().toBool(), false);
}

void tst_ModeRunBar::frameSettingsOfferSunsetAndTheAveragingLimit()
{
    ModeVecAnalysis mode;
    mode.resize(1000, 700);
    mode.show();
    QVERIFY(mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(1) Spectrum(1,1)}")));
    QVERIFY(open(mode, writeRamp(m_env, QStringLiteral("sunset.owv"), 30000)));
    FrameGraphicSignal *frame = mode.frames()->frames().first();
    // Averaging cuts the window into segments of at least 16 samples: 2000 / 16.
    auto *average = frame->findChild<QSpinBox *>(QStringLiteral("spinAverage"));
    QVERIFY(average);
    QTRY_COMPARE(average->maximum(), 125);
    mode.control()->setSamples(4000);
    emit mode.control()->signalSendSamples(4000);
    QTRY_COMPARE(average->maximum(), 250);
    auto *effect = frame->findChild<QComboBox *>(QStringLiteral("comboEffect"));
    QVERIFY(effect);
    const int sunset = effect->findData(QStringLiteral("Sunset"));
    QVERIFY(sunset >= 0);
    QCOMPARE(effect->itemText(sunset), QStringLiteral("Sunset"));
    emit effect->activated(sunset);
    auto *view = frame->graphic()->findChild<DisplayGraphicSignal *>();
    QVERIFY(view && view->sunset());
    QCOMPARE(mode.frames()->gridText(), QStringLiteral("{GRID:Distribution(1) Spectrum(1,1) }"));
    // The fading traces are drawn under the plot.
    QTRY_VERIFY_WITH_TIMEOUT(!view->graphic()->image().isNull(), 5000);
}

namespace {
QStringList g_warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // The headless test platform's own notes are no fault of the program.
    if (type != QtDebugMsg && type != QtInfoMsg && !text.startsWith(QLatin1String("This plugin does not support")))
        g_warnings.append(text);
}
}  // namespace

void tst_ModeRunBar::changingTheGraphicWarnsOfNothing()
{
    ModeVecAnalysis mode;
    mode.resize(1000, 700);
    mode.show();
    QVERIFY(open(mode, writeRamp(m_env, QStringLiteral("change.owv"), 30000)));
    FrameGraphicSignal *frame = mode.frames()->frames().first();
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
    QToolButton *menuButton = nullptr;
    for (QToolButton *button : frame->findChildren<QToolButton *>()) {
        if (button->menu())
            menuButton = button;
    }
    QVERIFY(menuButton);
    for (const char *caption : {"I Time", "Power", "File Information", "Spectrum"}) {
        // Choose the graphic in the frame menu while it is open, as a user does.
        QTimer::singleShot(50, [caption] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QMenu *change = menu->actions().first()->menu();
            for (QAction *action : change->actions()) {
                if (action->text() == QLatin1String(caption))
                    action->trigger();
            }
            if (QApplication::activePopupWidget())
                QApplication::activePopupWidget()->close();
        });
        menuButton->click();
        QTest::qWait(50);
        QCOMPARE(frame->graphic()->name(), QString(QLatin1String(caption)).toLower());
    }
    qInstallMessageHandler(previous);
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
}

namespace {
// The Q level that a Q-time series shows, or NaN while it shows nothing.
double levelOf(const QVector<QPointF> &points)
{
    return points.isEmpty() ? std::nan("") : points.at(points.size() / 2).y();
}

void chooseLayer(RebornControllerGraphic *bar, int layer)
{
    auto *combo = bar->findChild<QComboBox *>(QStringLiteral("comboLayer"));
    QVERIFY(combo && combo->isVisible());
    const int index = combo->findData(layer);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
}  // namespace

void tst_ModeRunBar::layersFollowTheRunBarAndTheRecording()
{
    QFETCH(ModeMaker, make);
    std::unique_ptr<ModeAnalysis> mode(make());
    mode->resize(1000, 700);
    mode->show();
    QVERIFY(mode->frames()->setGrid(QStringLiteral("{GRID:Distribution(1) Q_Time(1,1)}")));
    QVERIFY(open(*mode, writeRamp(m_env, QStringLiteral("layers.owv"), 30000, 2)));
    QCOMPARE(mode->hub()->countSourceSignals(), 2);
    FrameGraphicSignal *frame = mode->frames()->frames().first();
    auto *view = frame->graphic()->findChild<DisplayGraphicSignal *>();
    QVERIFY(view);
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 0.0);

    // One layer chosen in the run bar: every plot shows it, and play keeps its pace.
    chooseLayer(mode->control(), 2);
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 1.0);
    QCOMPARE(view->readoutTexts().value(0).isEmpty(), false);
    QSignalSpy frames(mode->hub(), &ManagerSignal::sendNewSelected);
    runBarButton(*mode, "butRunCont")->click();
    QTest::qWait(1000);
    runBarButton(*mode, "butStop")->click();
    QVERIFY2(frames.count() >= 5, qPrintable(QStringLiteral("%1 frames in a second").arg(frames.count())));
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 1.0);

    // All layers: the frame's own layer and the other one over it, named in a legend.
    chooseLayer(mode->control(), 0);
    QTRY_COMPARE(view->overlayLayers(), QVector<int>{2});
    QTRY_COMPARE(levelOf(view->overlaySeries().first()->pointsVector()), 1.0);
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 0.0);
    QVERIFY(view->chart()->legend()->isVisible());
    auto *layerSpin = frame->findChild<QSpinBox *>(QStringLiteral("spinLayer"));
    QVERIFY(layerSpin);
    QCOMPARE(layerSpin->maximum(), 2);
    layerSpin->setValue(2);
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 1.0);
    QCOMPARE(view->overlayLayers(), QVector<int>{1});

    // A recording of one layer: the frame's choice cannot outlive the layers.
    QVERIFY(open(*mode, writeRamp(m_env, QStringLiteral("one.owv"), 30000, 1, 5.0)));
    QCOMPARE(layerSpin->maximum(), 1);
    QCOMPARE(layerSpin->value(), 1);
    QVERIFY(!mode->control()->findChild<QComboBox *>(QStringLiteral("comboLayer"))->isVisible());
    QTRY_COMPARE(levelOf(view->lineSeries()->pointsVector()), 5.0);
    QVERIFY(view->overlayLayers().isEmpty());
    QVERIFY(!view->chart()->legend()->isVisible());
}

QTEST_MAIN(tst_ModeRunBar)
#include "tst_ModeRunBar.moc"
