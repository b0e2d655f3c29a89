#include "DemoSignals.h"
#include "DisplayITime.h"
#include "FrameSettingsPanel.h"
#include "Spectrogram.h"
#include "GraphicCatalogue.h"
#include "GuiMenuMarkerData.h"
#include "MarkersInfo.h"
#include "DisplayWaterfall.h"
#include "Graphic.h"
#include "DisplayFrequency.h"
#include "FrameGraphicSignal.h"
#include "autoLimitOY.h"
#include "GuiParserVecAnalysis.h"
#include "GuiSourceSetting.h"
#include "IOSignal.h"
#include "LayoutFrames.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "ParserVectorAnalysis.h"
#include "RebornControllerGraphic.h"
#include "TestEnvironment.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;

QString writeTone(const TestEnvironment &env, const QString &name, int n, double cyclesPerSample)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    auto *param = static_cast<ParamVectorAnalysis *>(hub.param());
    param->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("8 kHz"));
    IOSignal io(&hub, env.path());
    io.setAccuracy(IOSignal::AccuracyDouble);
    IQVector s(n);
    for (int i = 0; i < n; ++i)
        s[i] = 0.5 * std::polar(1.0, 2.0 * kPi * cyclesPerSample * i);
    Signal record(s);
    const QString path = env.filePath(name);
    io.writeFile(path, {&record});
    return path;
}

QAction *actionWithText(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Answers the menu that opens next as a user with the mouse would: each caption in
// turn is clicked, which opens a submenu or triggers the entry (through the menu's
// own code, not QAction::trigger).
void pickFromNextMenu(const QStringList &captions)
{
    QTimer::singleShot(50, [captions] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *action = menu ? actionWithText(menu, captions.first()) : nullptr;
        if (!action) {
            if (menu)
                menu->close();
            return;
        }
        const QPoint at = menu->actionGeometry(action).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
        if (captions.size() > 1)
            pickFromNextMenu(captions.mid(1));
    });
}

// Right-click in the middle of a plot and choose from its menu.
void chooseFromPlotMenu(DisplayGraphicSignal *view, const QString &caption)
{
    QWidget *viewport = view->graphic()->viewport();
    const QPoint centre = viewport->rect().center();
    pickFromNextMenu({caption});
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, viewport->mapToGlobal(centre));
    QApplication::sendEvent(viewport, &event);
}

// The grid button of the run bar, then the cell of `rows` x `columns` in its picker.
void chooseGrid(ModeAnalysis &mode, int rows, int columns)
{
    auto *button = mode.control()->findChild<QToolButton *>(QStringLiteral("butGrid"));
    QVERIFY(button);
    QTimer::singleShot(50, [rows, columns] {
        QWidget *popup = QApplication::activePopupWidget();
        QWidget *cell = popup ? popup->findChild<QWidget *>(QStringLiteral("wgt%1%2").arg(rows).arg(columns)) : nullptr;
        if (cell)
            QTest::mouseClick(cell, Qt::LeftButton);
        else if (popup)
            popup->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
}

// The frame's menu button, then the captions through its menus.
void chooseFromFrameMenu(FrameGraphicSignal *frame, const QStringList &captions)
{
    auto *button = frame->findChild<QToolButton *>(QStringLiteral("butFrameMenu"));
    QVERIFY(button);
    pickFromNextMenu(captions);
    QTest::mouseClick(button, Qt::LeftButton);
}

template <typename View>
View *viewIn(FrameGraphicSignal *frame)
{
    return frame->graphic()->findChild<View *>();
}

bool waitForFrame(ModeAnalysis &mode)
{
    QSignalSpy selected(mode.hub(), &ManagerSignal::sendNewSelected);
    return selected.wait(10000);
}
}  // namespace

class tst_ModeVecAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void startsWithTheDefaultGridAndPanelTexts();
    void openingAFileFillsTheViews();
    void decimationAndShiftNarrowAndMoveTheFrame();
    void profileTextRoundTripsAndRemovesBlanksFromTheLength();
    void profileWithABadGridFallsBackToTheDefault();
    void playStepsThroughTheRecordingAndStops();
    void reReadingADatFileDoesNothing();
    void secondConnectionFailureNeedsNoAnswer();
    void frameSettingsReachTheView();
    void frameMenusOfferOnlyWhatTheModeDraws();
    void changingAGraphicInANewGridWithAMarkerShown();
    void framesThatStayKeepTheirMarkersAndEffect();
    void spectrogramShowsTimeAndWholeLevelsWithLimitsFromItsSettings();
    void tickLabelsStandApartAtAnySize();
    void frameSettingsStayWholeInASmallFrame();

private:
    TestEnvironment m_env;
};

void tst_ModeVecAnalysis::startsWithTheDefaultGridAndPanelTexts()
{
    ModeVecAnalysis mode;
    QCOMPARE(mode.frames()->gridText(), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1) }"));
    QCOMPARE(mode.hub()->param()->mode(), int(ParamSignal::ModeVA));
    QCOMPARE(mode.engine()->engineType(), 2);
}

void tst_ModeVecAnalysis::openingAFileFillsTheViews()
{
    ModeVecAnalysis mode;
    mode.resize(1200, 800);
    mode.show();
    const QString path = writeTone(m_env, QStringLiteral("tone.owv"), 20000, 0.125);
    mode.panel()->openSignal(path);
    QVERIFY(waitForFrame(mode));
    QCOMPARE(mode.hub()->countSourceSignals(), 1);
    QCOMPARE(mode.hub()->profile(), QStringLiteral("tone.owv"));
    QCOMPARE(mode.hub()->selection(1).size(), mode.viewLength());
    QVERIFY(mode.control()->isEnabled());
    // The first frame shown is the recording's first.
    QTest::qWait(200);
    QCOMPARE(static_cast<ParserVectorAnalysis *>(mode.engine())->lastFrameStart(), 0);
}

void tst_ModeVecAnalysis::decimationAndShiftNarrowAndMoveTheFrame()
{
    ModeVecAnalysis mode;
    const QString path = writeTone(m_env, QStringLiteral("tone2.owv"), 50000, 0.0);
    mode.panel()->openSignal(path);
    QVERIFY(waitForFrame(mode));
    auto *param = static_cast<ParamVectorAnalysis *>(mode.hub()->param());
    param->parseText(QStringLiteral("{Decimation:4}{Freq:500 Hz}"), false);
    emit mode.panel()->signalChangeParams();
    QVERIFY(waitForFrame(mode));
    QCOMPARE(param->analysisValue(QStringLiteral("SampleRate")), QStringLiteral("2 kHz"));
    const IQVector frame = mode.hub()->readySignal(0).samples();
    QVERIFY2(frame.size() >= mode.viewLength(), qPrintable(QStringLiteral("%1 < %2").arg(frame.size()).arg(mode.viewLength())));
    // The tone at 0 Hz now turns at +500 Hz: a quarter turn per sample at 2 kHz.
    const IQ step = frame.at(101) / frame.at(100);
    QVERIFY2(std::abs(std::arg(step) - kPi / 2) < 0.05, qPrintable(QString::number(std::arg(step))));
}

void tst_ModeVecAnalysis::profileTextRoundTripsAndRemovesBlanksFromTheLength()
{
    ModeVecAnalysis mode;
    const QString text = QStringLiteral("{PathSignal:}{CLOCK:2 MHz}{FREQUENCY:1 GHz}"
                                        "{GRID:Distribution(2) I_Time(1,1) Q_Time(1,1)}{LengthView: 4 096}");
    QVERIFY(mode.restoreProfile(text));
    QCOMPARE(mode.viewLength(), 4096);
    QCOMPARE(static_cast<ParamVectorAnalysis *>(mode.hub()->param())->sourceValue(QStringLiteral("CLOCK")),
             QStringLiteral("2 MHz"));
    const QString written = mode.profileText();
    QVERIFY2(written.startsWith(QLatin1String("{PathSignal:")), qPrintable(written));
    QVERIFY(written.contains(QLatin1String("{GRID:Distribution(2) I_Time(1,1) Q_Time(1,1) }")));
    QVERIFY(written.endsWith(QLatin1String("{LengthView:4096}")));
    QVERIFY(!written.contains(QLatin1String("{MODE:")));
    QVERIFY(!mode.restoreProfile(QString()));
}

void tst_ModeVecAnalysis::profileWithABadGridFallsBackToTheDefault()
{
    ModeVecAnalysis mode;
    mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(1) I_Time(1,1)}"));
    QVERIFY(mode.restoreProfile(QStringLiteral("{PathSignal:/no/such/file.owv}{LengthView:3000}")));
    QCOMPARE(mode.frames()->gridText(), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1) }"));
    QCOMPARE(mode.viewLength(), 3000);
}

void tst_ModeVecAnalysis::playStepsThroughTheRecordingAndStops()
{
    ModeVecAnalysis mode;
    mode.resize(1000, 700);
    mode.show();
    const QString path = writeTone(m_env, QStringLiteral("tone3.owv"), 30000, 0.01);
    mode.panel()->openSignal(path);
    QVERIFY(waitForFrame(mode));
    auto *engine = static_cast<ParserVectorAnalysis *>(mode.engine());
    QSignalSpy frames(mode.hub(), &ManagerSignal::sendNewSelected);
    mode.run();
    QVERIFY(mode.hub()->isRun());
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 20, 15000);  // 2000-sample frames wrap around 30 000 samples
    mode.stopRun();
    QVERIFY(!mode.hub()->isRun());
    QTest::qWait(100);
    const int afterStop = frames.count();
    QTest::qWait(300);
    QVERIFY(frames.count() <= afterStop + 1);
    QVERIFY(engine->lastFrameStart() >= 0 && engine->lastFrameStart() + 2000 <= 30000);
}

void tst_ModeVecAnalysis::reReadingADatFileDoesNothing()
{
    ModeVecAnalysis mode;
    ManagerSignal hub(ParamSignal::ModeVA);
    IOSignal io(&hub, m_env.path());
    Signal record(IQVector(5000, IQ(0.5, 0.5)));
    const QString dat = m_env.filePath(QStringLiteral("r.dat"));
    QVERIFY(io.writeFile(dat, {&record}));
    mode.panel()->openSignal(dat);
    QVERIFY(waitForFrame(mode));
    QSignalSpy source(mode.hub(), &ManagerSignal::sendNewSourceSignal);
    auto *accuracy = mode.panel()->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboAccuracy"));
    QVERIFY(accuracy);
    QSignalSpy asked(mode.panel()->sourceSetting(), &GuiSourceSetting::sendAccuracy);
    QTest::keyClick(accuracy, Qt::Key_Down);  // "64-bit float (double)"
    QCOMPARE(asked.count(), 1);
    QTest::qWait(200);
    QCOMPARE(source.count(), 0);
    QVERIFY(!mode.panel()->isLoading());
}

void tst_ModeVecAnalysis::secondConnectionFailureNeedsNoAnswer()
{
    ModeVecAnalysis mode;
    mode.show();
    ModeAnalysis::resetConnectionFailures();
    mode.slotConnectionError();
    auto boxes = mode.findChildren<QMessageBox *>();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->text(), QStringLiteral("Restart Connection?"));
    boxes.first()->done(QMessageBox::No);
    QTRY_COMPARE(mode.findChildren<QMessageBox *>().size(), 0);
    mode.slotConnectionError();
    boxes = mode.findChildren<QMessageBox *>();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->text(), QStringLiteral("Error Connection to Device!"));
    QCOMPARE(ModeAnalysis::connectionFailures(), 2);
    // Nobody answers: the box goes by itself after ten seconds.
    QTRY_VERIFY_WITH_TIMEOUT(mode.findChildren<QMessageBox *>().isEmpty(), 12000);
}

void tst_ModeVecAnalysis::frameSettingsReachTheView()
{
    ModeVecAnalysis mode;
    QVERIFY(mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(1) Spectrum(1,1)}")));
    GraphicSignal *graphic = mode.frames()->frames().first()->graphic();
    emit graphic->signalSetColor(QColor(Qt::red));
    auto *spectrum = graphic->findChild<DisplayFrequency *>();
    QVERIFY(spectrum);
    QCOMPARE(spectrum->lineSeries()->pen().color(), QColor(Qt::red));
    emit graphic->signalSendAutoMax(false);
    QVERIFY(!spectrum->autoLimit()->isAutoMax());
    graphic->setEffect(QStringLiteral("Spectrogram"));
    QVERIFY(graphic->findChild<DisplayWaterfall *>());
    QVERIFY(!graphic->findChild<DisplayFrequency *>());
    QCOMPARE(mode.frames()->gridText(), QStringLiteral("{GRID:Distribution(1) Spectrum(1,1) }"));
}

void tst_ModeVecAnalysis::frameMenusOfferOnlyWhatTheModeDraws()
{
    ModeVecAnalysis mode;
    FrameGraphicSignal *frame = mode.frames()->frames().first();
    QMenu *menu = nullptr;
    for (QToolButton *button : frame->findChildren<QToolButton *>()) {
        if (button->menu())
            menu = button->menu();
    }
    QVERIFY(menu);
    QMenu *change = menu->actions().first()->menu();
    QVERIFY(change);
    QStringList offered;
    for (QAction *action : change->actions()) {
        if (!action->isSeparator())
            offered.append(action->text());
    }
    // The I/Q diagrams of the samples, but no error vector: vector analysis decides no symbols.
    QCOMPARE(offered, (QStringList{QStringLiteral("I Time"), QStringLiteral("Q Time"), QStringLiteral("Vector Diagram"),
                                   QStringLiteral("Spectrum"), QStringLiteral("Constellation Diagram"),
                                   QStringLiteral("Power"), QStringLiteral("File Information"), QStringLiteral("No Data")}));
    // A grid that names a result table, as an ACLR profile does, gives a plain empty frame here.
    QVERIFY(mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(1) Result(1,1)}")));
    GraphicSignal *graphic = mode.frames()->frames().first()->graphic();
    QCOMPARE(graphic->name(), QStringLiteral("NoGraph"));
    QCOMPARE(graphic->findChild<QLabel *>(QStringLiteral("lblNoData"))->text(), QStringLiteral("No Data"));
}

void tst_ModeVecAnalysis::changingAGraphicInANewGridWithAMarkerShown()
{
    // A marker on the spectrum, a 2 x 2 grid, then another graphic from the menu of
    // a new frame: the frame menu rebuilt itself under its own running action.
    ModeVecAnalysis mode;
    mode.resize(1280, 720);
    mode.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mode));
    auto *spectrum = viewIn<DisplayFrequency>(mode.frames()->frames().at(0));
    QVERIFY(spectrum);
    chooseFromPlotMenu(spectrum, QStringLiteral("Add Marker"));
    QCOMPARE(spectrum->markers()->markers().size(), 1);
    chooseGrid(mode, 2, 2);
    QCOMPARE(mode.frames()->distribution(), (QVector<int>{2, 2}));
    FrameGraphicSignal *bottomLeft = mode.frames()->frames().at(2);
    QCOMPARE(bottomLeft->graphicName(), QStringLiteral("NoGraph"));
    auto *menuButton = bottomLeft->findChild<QToolButton *>(QStringLiteral("butFrameMenu"));
    const QPointer<QMenu> menu = menuButton->menu();
    chooseFromFrameMenu(bottomLeft, {QStringLiteral("Change Graphic"), QStringLiteral("I Time")});
    QCOMPARE(bottomLeft->graphicName(), QStringLiteral("i time"));
    QVERIFY(viewIn<DisplayITime>(bottomLeft));
    QVERIFY2(menu, "the frame menu is gone after its own entry ran");
    // The same menu works again.
    chooseFromFrameMenu(bottomLeft, {QStringLiteral("Change Graphic"), QStringLiteral("Q Time")});
    QCOMPARE(bottomLeft->graphicName(), QStringLiteral("q time"));
}

void tst_ModeVecAnalysis::framesThatStayKeepTheirMarkersAndEffect()
{
    ModeVecAnalysis mode;
    mode.resize(1280, 720);
    mode.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mode));
    FrameGraphicSignal *first = mode.frames()->frames().at(0);
    FrameGraphicSignal *second = mode.frames()->frames().at(1);
    auto *spectrum = viewIn<DisplayFrequency>(first);
    chooseFromPlotMenu(spectrum, QStringLiteral("Add Marker"));
    spectrum->markers()->panel()->butChannelPower()->click();
    QCOMPARE(spectrum->markers()->markers().size(), 2);
    chooseFromFrameMenu(second, {QStringLiteral("Change Graphic"), QStringLiteral("Spectrum")});
    auto *effect = second->findChild<QComboBox *>(QStringLiteral("comboEffect"));
    effect->setCurrentIndex(effect->findData(QStringLiteral("Spectrogram")));
    emit effect->activated(effect->currentIndex());
    QVERIFY(viewIn<DisplayWaterfall>(second));

    for (const QPair<int, int> &grid : {qMakePair(2, 1), qMakePair(2, 2), qMakePair(1, 2)}) {
        chooseGrid(mode, grid.first, grid.second);
        QCOMPARE(mode.frames()->distribution(), QVector<int>(grid.first, grid.second));
        QCOMPARE(viewIn<DisplayFrequency>(mode.frames()->frames().at(0)), spectrum);
        QCOMPARE(spectrum->markers()->markers().size(), 2);
        QVERIFY(spectrum->markers()->isChannelPower());
        QVERIFY(viewIn<DisplayWaterfall>(mode.frames()->frames().at(1)));
        QCOMPARE(mode.frames()->frames().at(1)->graphic()->effect(), int(GraphicCatalogue::EffectSpectrogram));
    }
    // A grid of one frame keeps the first and lets the spectrogram go.
    chooseGrid(mode, 1, 1);
    QCOMPARE(mode.frames()->frames().size(), 1);
    QCOMPARE(spectrum->markers()->markers().size(), 2);
}

void tst_ModeVecAnalysis::spectrogramShowsTimeAndWholeLevelsWithLimitsFromItsSettings()
{
    ModeVecAnalysis mode;
    mode.resize(1280, 720);
    mode.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mode));
    mode.openDemoFile(DemoSignals::QpskRrc);
    QVERIFY(waitForFrame(mode));
    FrameGraphicSignal *frame = mode.frames()->frames().at(0);
    auto *effect = frame->findChild<QComboBox *>(QStringLiteral("comboEffect"));
    effect->setCurrentIndex(effect->findData(QStringLiteral("Spectrogram")));
    emit effect->activated(effect->currentIndex());
    auto *view = viewIn<DisplayWaterfall>(frame);
    QVERIFY(view);
    // The frame settings show the colour bar's levels and set them.
    auto *settings = frame->findChild<FrameSettingsPanel *>();
    QCOMPARE(settings->shownMax(), 0.0);
    QCOMPARE(settings->shownMin(), -140.0);
    settings->findChild<QDoubleSpinBox *>(QStringLiteral("spinMinimum"))->setValue(-100.0);
    QTRY_COMPARE(view->lowLabel()->text(), QStringLiteral("-100 dB"));
    QCOMPARE(view->spectrogram()->scale().lowLevel(), -100.0);
    view->setMinOy(-140.0);
    QCOMPARE(settings->shownMin(), -140.0);
    // Time runs up the y axis, from the newest row (0) into the past.
    QVERIFY(view->axisY()->labelsVisible());
    QVERIFY2(view->axisY()->titleText().startsWith(QLatin1String("Time (")), qPrintable(view->axisY()->titleText()));
    QCOMPARE(view->axisY()->max(), 0.0);
    QVERIFY(view->axisY()->min() < 0.0);
    // The level labels stay whole in every frame width the grid gives them.
    for (int width : {700, 800, 900, 1280}) {
        mode.resize(width, 720);
        QTest::qWait(50);
        for (QLabel *label : {view->highLabel(), view->lowLabel()}) {
            QVERIFY2(label->geometry().right() < view->graphic()->width(),
                     qPrintable(QStringLiteral("%1 at %2: %3 > %4").arg(label->text()).arg(width)
                                    .arg(label->geometry().right()).arg(view->graphic()->width())));
        }
    }
}

void tst_ModeVecAnalysis::tickLabelsStandApartAtAnySize()
{
    // The QPSK demo at 1 GHz: x labels like "0.9996" are long for their plot.
    ModeVecAnalysis mode;
    mode.resize(1280, 720);
    mode.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mode));
    mode.openDemoFile(DemoSignals::QpskRrc);
    QVERIFY(waitForFrame(mode));
    auto ticksOf = [](const QValueAxis *axis) {
        return int(std::floor((axis->max() - axis->min()) / axis->tickInterval() + 1e-9)) + 1;
    };
    auto widestLabel = [](const QValueAxis *axis) {
        const QFontMetrics metrics(axis->labelsFont());
        const QByteArray format = axis->labelFormat().toLatin1();
        int widest = 0;
        for (double v = std::ceil(axis->min() / axis->tickInterval()) * axis->tickInterval(); v <= axis->max();
             v += axis->tickInterval())
            widest = std::max(widest, metrics.horizontalAdvance(QString::asprintf(format.constData(), v)));
        return widest;
    };
    const QList<QPair<int, int>> grids = {{1, 1}, {2, 2}, {3, 3}};
    int ticksAlone = 0;
    for (const QPair<int, int> &grid : grids) {
        chooseGrid(mode, grid.first, grid.second);
        chooseFromFrameMenu(mode.frames()->frames().at(0), {QStringLiteral("Change Graphic"), QStringLiteral("Spectrum")});
        QTest::qWait(100);
        auto *spectrum = viewIn<DisplayFrequency>(mode.frames()->frames().at(0));
        QVERIFY(spectrum);
        const QRectF plot = spectrum->graphic()->plotRect();
        const QValueAxis *x = spectrum->axisX();
        const QValueAxis *y = spectrum->axisY();
        QVERIFY2(ticksOf(x) * widestLabel(x) < plot.width(),
                 qPrintable(QStringLiteral("%1 x labels of %2 px on %3 px").arg(ticksOf(x)).arg(widestLabel(x)).arg(plot.width())));
        QVERIFY(ticksOf(y) * QFontMetrics(y->labelsFont()).height() < plot.height());
        QVERIFY(ticksOf(x) >= 2);
        // Axis titles are whole (a small plot keeps only the unit), never cut to "Am...".
        for (const QValueAxis *axis : {x, y}) {
            const int room = int(axis == x ? plot.width() : plot.height());
            QVERIFY2(QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()) <= room,
                     qPrintable(QStringLiteral("\"%1\" on %2 px").arg(axis->titleText()).arg(room)));
            QVERIFY(axis->titleText().contains(axis == x ? QLatin1String("Hz") : QLatin1String("dBm")));
        }
        if (grid.first == 1)
            ticksAlone = ticksOf(x);
    }
    // A plot with room gets more ticks than the fixed five.
    QVERIFY2(ticksAlone > 5, qPrintable(QString::number(ticksAlone)));
}

void tst_ModeVecAnalysis::frameSettingsStayWholeInASmallFrame()
{
    ModeVecAnalysis mode;
    mode.resize(1280, 720);
    mode.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mode));
    chooseGrid(mode, 2, 2);
    FrameGraphicSignal *frame = mode.frames()->frames().at(0);
    QTest::mouseClick(frame->findChild<QToolButton *>(QStringLiteral("butFrameSettings")), Qt::LeftButton);
    auto *settings = frame->findChild<FrameSettingsPanel *>();
    QTRY_VERIFY(settings->isVisible());
    // Every caption and field lies whole inside the frame, at its full width.
    for (QWidget *field : settings->findChildren<QWidget *>()) {
        if (!field->isVisibleTo(settings) || !(qobject_cast<QLabel *>(field) || qobject_cast<QAbstractSpinBox *>(field)))
            continue;
        const QRect inFrame(field->mapTo(frame, QPoint(0, 0)), field->size());
        const QString name = QStringLiteral("%1 \"%2\"").arg(QLatin1String(field->metaObject()->className()),
                                                              field->property("text").toString());
        QVERIFY2(frame->rect().contains(inFrame), qPrintable(name));
        QVERIFY2(field->width() >= field->minimumSizeHint().width(), qPrintable(name));
    }
    // The plot keeps its width under the settings, which lie over it.
    QVERIFY(viewIn<DisplayFrequency>(frame)->graphic()->width() > frame->width() / 2);
}

QTEST_MAIN(tst_ModeVecAnalysis)
#include "tst_ModeVecAnalysis.moc"
