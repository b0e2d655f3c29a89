#include "ModeAnalysis.h"

#include "CalculateDate.h"
#include "DemoSignals.h"
#include "Device.h"
#include "DeviceSignal.h"
#include "DisplayGraphicSignal.h"
#include "Graphic.h"
#include "GuiParserSignal.h"
#include "GuiSourceSetting.h"
#include "LayoutFrames.h"
#include "ModeGraphics.h"
#include "ParamSignalFactory.h"
#include "ParserSignal.h"
#include "RebornControllerGraphic.h"
#include "SelectionBarView.h"
#include "SizeHints.h"
#include "TagScanner.h"
#include "UnitText.h"
#include "WaitLoop.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QShortcut>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int g_connectionFailures = 0;  // across all modes, as the instrument is shared
constexpr int kBusyRetryMs = 2;

QString itemValue(const QString &text, const QString &key)
{
    const int at = text.indexOf(key);
    if (at < 0)
        return QString();
    const int from = at + key.size();
    const int close = text.indexOf(QLatin1Char('}'), from);
    return text.mid(from, close < 0 ? -1 : close - from);
}

// A profile text without the items that describe a recording (its clock, carrier and
// level), which only the recording's own file may set.
QString withoutRecordingItems(QString text)
{
    static const QRegularExpression recordingItems(QStringLiteral("\\{(CLOCK|FREQUENCY|POWER):[^}]*\\}"));
    return text.remove(recordingItems);
}

void takeHeader(ParamSignal *param, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        param->prepareFromFile(path, TagScanner::fromFile(file));
}
}  // namespace

ModeAnalysis::ModeAnalysis(int mode, QWidget *parent)
    : QWidget(parent), m_mode(mode), m_hub(mode), m_io(&m_hub),
      m_calculate(std::make_unique<CalculateDate>(&m_hub)),
      m_graphics(std::make_unique<ModeGraphics>(&m_hub, m_calculate.get(), &m_selection))
{
    m_selection.setManager(&m_hub);
    // The engines walk the recording frame by frame: a window may be as long as the recording.
    m_selection.setBoundByRecording(true);
    m_frames = new LayoutFrames(mode, m_graphics.get(), this);
    m_selectionBar = new SelectionBarView(this);
    m_control = new RebornControllerGraphic(this);
    m_control->unlockPlay(false);
    // Reading from an instrument is offered once the source panel chooses one.
    m_control->hideButtRead();
    m_frameWatchdog.setSingleShot(true);
    connect(&m_frameWatchdog, &QTimer::timeout, this, [this] {
        m_isFramePending = false;
        if (m_hub.isRun())
            m_selection.releaseAfter(0);
    });
    m_busyRetry.setSingleShot(true);
    connect(&m_busyRetry, &QTimer::timeout, this,
            [this] { analyseWindow(m_requestedWindow.first, m_requestedWindow.second); });
    connectParts();
}

ModeAnalysis::~ModeAnalysis()
{
    // Views and their workers go first: they read the calculator and the hub.
    delete m_frames;
    m_frames = nullptr;
    if (m_engine)
        m_engine->progress()->stop();
}

void ModeAnalysis::assemble(GuiParserSignal *panel, std::unique_ptr<ParserSignal> engine)
{
    m_panel = panel;
    m_engine = std::move(engine);
    m_engine->setManager(&m_hub);
    m_graphics->setEngine(m_engine.get());
    m_panel->setManagerSignal(&m_hub);

    auto *scroll = new QScrollArea;
    scroll->setWidget(m_panel);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(2);
    rightLayout->addWidget(m_frames, 1);
    rightLayout->addWidget(m_selectionBar);
    rightLayout->addWidget(m_control);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(scroll);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(1, 1);
    fitPanelColumn();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    // Queued into the reader's thread in the order sent: the rates reach it before the read.
    connect(m_panel, &GuiParserSignal::rawRatesChosen, &m_io, &IOSignal::setRawRates);
    connect(m_panel, &GuiParserSignal::openFile, &m_io, &IOSignal::readFile);
    connect(m_panel, &GuiParserSignal::saveFile, this, [this](const QString &path, const QString &filter) {
        QMetaObject::invokeMethod(&m_io, [io = &m_io, path, filter] {
            io->setAccuracyFromFilter(filter);
            io->writeFile(path);
        });
    });
    connect(&m_io, &IOSignal::progressLoad, m_panel, &GuiParserSignal::setProgress);
    connect(&m_io, &IOSignal::stopLoad, m_panel, &GuiParserSignal::slotLoadStopped);
    connect(m_panel, &GuiParserSignal::cancelLoad, this, [this] { m_io.cancelLoad(); });
    connect(m_panel, &GuiParserSignal::signalResetParam, this, &ModeAnalysis::slotResetParam);
    connect(m_panel, &GuiParserSignal::signalChangeParams, this, [this] {
        m_hub.refreshParamText();
        m_calculate->updateParams();
        updateParseCadre();
    });
    connect(&m_hub, &ManagerSignal::sendUpdateProfile, m_panel, &GuiParserSignal::slotChangeExternParams);
    if (GuiSourceSetting *source = m_panel->sourceSetting()) {
        connect(source, &GuiSourceSetting::sendAccuracy, this, &ModeAnalysis::slotReReadSignal);
        connect(source, &GuiSourceSetting::sendSource, this, &ModeAnalysis::slotSetSource);
        connect(source, &GuiSourceSetting::sendHideConnect, m_control, &RebornControllerGraphic::hideButtRead);
        connect(source, &GuiSourceSetting::sendShowConnect, m_control, &RebornControllerGraphic::showButtRead);
    }
    connect(m_engine.get(), &ParserSignal::sendError, this, [this](const QString &text) { showMessage(tr("Error"), text); });
    connectPanel();
    setDefaultGrid();
}

void ModeAnalysis::fitPanelColumn()
{
    // The panel's fields stay whole: the column is as wide as the panel wants.
    refreshSizeHints(m_panel);
    auto *scroll = static_cast<QScrollArea *>(m_splitter->widget(0));
    const int panelWidth = m_panel->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4;
    scroll->setMinimumWidth(panelWidth);
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_splitter->setSizes({panelWidth, total > panelWidth ? total - panelWidth : 1000});
}

void ModeAnalysis::changeEvent(QEvent *event)
{
    // The panel's captions change after this event has reached the mode: measure them then.
    if (event->type() == QEvent::LanguageChange && m_splitter)
        QTimer::singleShot(0, this, &ModeAnalysis::fitPanelColumn);
    QWidget::changeEvent(event);
}

void ModeAnalysis::connectParts()
{
    connect(&m_hub, &ManagerSignal::sendUpdateProfile, this, &ModeAnalysis::updateNameProfile);
    connect(&m_hub, &ManagerSignal::sendNewLayer, this, &ModeAnalysis::slotChangeLayers);
    connect(&m_hub, &ManagerSignal::sendNewSelected, this, &ModeAnalysis::onNewSelected);
    // The engine delivers from its own thread.
    connect(&m_hub, &ManagerSignal::sendNewSignal, this, &ModeAnalysis::selectNewFrame, Qt::QueuedConnection);
    connect(&m_hub, &ManagerSignal::sendNewSignal, this, &ModeAnalysis::refreshSelectionBar, Qt::QueuedConnection);
    connect(&m_selection, &SelectionSignal::sendSelection, this, &ModeAnalysis::analyseWindow);
    connect(&m_io, &IOSignal::load, this, &ModeAnalysis::slotLoadFile);
    connect(&m_io, &IOSignal::startRead, this, &ModeAnalysis::stopRun);
    connect(&m_io, &IOSignal::sendMessage, this, &ModeAnalysis::showMessage);

    connect(m_frames, &LayoutFrames::sendCurrentGrid, m_control,
            [this](int rows, int columns) { m_control->setGrig(rows, columns, false); });
    connect(m_control, &RebornControllerGraphic::signalSetGrid, this,
            [this](int rows, int columns) { slotFormFrames(columns, rows); });
    connect(m_control, &RebornControllerGraphic::signalSendSamples, &m_selection, &SelectionSignal::setSizeSelection);
    connect(m_control, &RebornControllerGraphic::increaseSamples, &m_selection, &SelectionSignal::increaseSelection);
    connect(m_control, &RebornControllerGraphic::deacreaseSamples, &m_selection, &SelectionSignal::deacreaseSelection);
    connect(&m_selection, &SelectionSignal::sendSizeSelection, m_control, &RebornControllerGraphic::setSamples);
    connect(&m_selection, &SelectionSignal::sendSizeSelection, this,
            [this](int size) { m_hub.slotChangeSizeSelection(size, true); });

    connect(&m_selection, &SelectionSignal::signalRun, &m_pacer, &SimpleEngine::begin);
    connect(&m_selection, &SelectionSignal::signalStop, &m_pacer, &SimpleEngine::end);
    connect(&m_selection, &SelectionSignal::selected, &m_pacer, &SimpleEngine::runNextCadre);
    connect(&m_selection, &SelectionSignal::signalRun, m_control, &RebornControllerGraphic::showFPS);
    connect(&m_selection, &SelectionSignal::signalStop, m_control, &RebornControllerGraphic::hideFPS);
    connect(&m_selection, &SelectionSignal::signalRun, m_control, [this] { m_control->setPlaying(true); });
    connect(&m_selection, &SelectionSignal::signalStop, m_control, [this] { m_control->setPlaying(false); });
    connect(m_control, &RebornControllerGraphic::pausePlay, this, &ModeAnalysis::slotPausePlay);
    connect(m_control, &RebornControllerGraphic::hideGuiSignal, this, &ModeAnalysis::slotHideGuiSignal);
    connect(m_control, &RebornControllerGraphic::hideMenu, this, &ModeAnalysis::slotHideMenu);
    connect(m_control, &RebornControllerGraphic::decreaseFPS, &m_pacer, &SimpleEngine::decreaseFPS);
    connect(m_control, &RebornControllerGraphic::increaseFPS, &m_pacer, &SimpleEngine::increaseFPS);
    connect(&m_pacer, &SimpleEngine::changeFPS, m_control, &RebornControllerGraphic::setFPS);
    connect(&m_pacer, &SimpleEngine::useOptimize, this, &ModeAnalysis::slotOptimize);
    connect(&m_pacer, &SimpleEngine::nextCadre, this, &ModeAnalysis::nextParseCadreCheck);
    connect(m_control, &RebornControllerGraphic::runCont, this, &ModeAnalysis::run);
    connect(m_control, &RebornControllerGraphic::stopRun, this, &ModeAnalysis::stopRun);
    connect(m_control, &RebornControllerGraphic::stopRead, this, &ModeAnalysis::stopRead);
    // The read button takes one block from the instrument.
    connect(m_control, &RebornControllerGraphic::runRead, this, [this] {
        stopRun();
        requestRead();
    });
    connect(&m_hub, &ManagerSignal::sendNewSourceSignal, this, &ModeAnalysis::slotDeviceBlock);
    connect(m_control, &RebornControllerGraphic::runSingle, this, [this] {
        stopRun();
        nextParseCadre();
    });
    connect(m_selectionBar, &SelectionBarView::startRequested, this, &ModeAnalysis::slotStartRequested);
    connect(m_control, &RebornControllerGraphic::requestChangeLayer, this, &ModeAnalysis::slotRequestChangeLayer);
    // Space plays and pauses, F10 analyses one window, as on the run bar.
    auto *playShortcut = new QShortcut(QKeySequence(Qt::Key_Space), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(playShortcut, &QShortcut::activated, this, [this] { m_selection.isRunning() ? slotPausePlay(true) : run(); });
    auto *stepShortcut = new QShortcut(QKeySequence(Qt::Key_F10), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(stepShortcut, &QShortcut::activated, m_control, &RebornControllerGraphic::runSingle);
}

int ModeAnalysis::viewLength() const
{
    return m_selection.size();
}

void ModeAnalysis::setViewLength(int samples)
{
    m_selection.setSizeSelection(samples);
    m_control->setSamples(m_selection.size());
}

QString ModeAnalysis::defaultGrid() const
{
    return QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}");
}

QString ModeAnalysis::defaultProfileText() const
{
    return QStringLiteral("{PathSignal:}") + ParamSignalFactory::create(m_mode)->text(ParamSignal::FormProfile)
           + defaultGrid() + QStringLiteral("{LengthView:%1}").arg(SelectionSignal::kDefaultSize);
}

void ModeAnalysis::setDefaultGrid()
{
    m_frames->setGrid(defaultGrid());
}

int ModeAnalysis::countReportingViews() const
{
    int count = 0;
    for (const DisplayGraphicSignal *view : findChildren<DisplayGraphicSignal *>()) {
        if (view->graphic() && view->graphic()->isVisible())
            ++count;
    }
    return count;
}

// ---------------------------------------------------------------- play

void ModeAnalysis::run()
{
    if (isInstrumentSource()) {
        startAcquisition();
        return;
    }
    if (!m_selection.isRunning() && !m_isBlockContPlay)
        m_selection.run();
}

void ModeAnalysis::stopRun()
{
    m_isRunAfterBlock = false;
    if (m_selection.isRunning())
        m_selection.stop();
}

void ModeAnalysis::stopRead()
{
    if (isInstrumentSource())
        stopRun();
}

void ModeAnalysis::autoConnectDevice()
{
    if (m_device)
        m_device->reconnect();
}

void ModeAnalysis::nextParseCadre()
{
    // Live acquisition: the next frame is the next block from the instrument.
    if (isInstrumentSource() && m_device && m_device->isConnected()) {
        requestRead();
        return;
    }
    // The window is released by its views once drawn, not when it is sent.
    m_selection.setCompletionCount(unsigned(std::max(1, countReportingViews())));
    m_selection.nextSelection();
}

void ModeAnalysis::nextParseCadreCheck()
{
    if (m_hub.isRun() && !m_isFramePending)
        nextParseCadre();
}

void ModeAnalysis::updateParseCadre()
{
    analyseWindow(m_selection.start(), viewLength());
}

void ModeAnalysis::analyseWindow(int start, int length)
{
    m_requestedWindow = qMakePair(start, length);
    if (!m_engine || m_hub.countSourceSignals() == 0)
        return;
    if (m_engine->isBusy()) {
        if (!m_busyRetry.isActive())
            m_busyRetry.start(kBusyRetryMs);
        return;
    }
    // The hub's size first: the views must hear of a new size before the frame of that size arrives.
    if (length != m_hub.sizeSelection())
        m_hub.slotChangeSizeSelection(length, true);
    m_isFramePending = true;
    m_engine->captureSettings();
    QMetaObject::invokeMethod(m_engine.get(), [engine = m_engine.get(), start, length] {
        engine->slotParseWindow(start, length);
    }, Qt::QueuedConnection);
    // If no window follows (an empty result), play must not stall.
    m_frameWatchdog.start(kFrameWatchdogMs);
}

void ModeAnalysis::selectNewFrame()
{
    m_hub.slotSelectFrame(analysedWindow().first, shownFrameLength());
}

bool ModeAnalysis::isFrameOverloaded() const
{
    // An instrument says itself whether its input was overloaded; a recording is judged by its peak.
    if (isInstrumentSource() && m_isDeviceInHub)
        return m_isDeviceOverload;
    return SignalInformation::peak(m_hub.selection(m_hub.currentSignals().value(0, 1)).toVector()) >= kOverloadLevel;
}

int ModeAnalysis::windowLimit() const
{
    return m_hub.sourceSignal(0).size();
}

void ModeAnalysis::onNewSelected()
{
    m_frameWatchdog.stop();
    m_isFramePending = false;
    const int views = countReportingViews();
    m_selection.setCompletionCount(unsigned(views));
    // Every visible view reports its drawing; a view that never does only delays play.
    m_selection.releaseAfter(views == 0 ? 0 : kFrameWatchdogMs);
    const bool isOverload = isFrameOverloaded();
    for (DisplayGraphicSignal *view : findChildren<DisplayGraphicSignal *>())
        view->setOverload(m_isShowOverload && isOverload);
}

void ModeAnalysis::slotPausePlay(bool isPause)
{
    if (m_isBlockContPlay)
        return;
    if (isPause) {
        m_wasRunningBeforePause = m_hub.isRun();
        if (!m_wasRunningBeforePause)
            return;
        if (m_hub.readySignalLength(0) <= kQuickPauseSamples)
            QCoreApplication::processEvents();
        else
            WaitLoop::wait(kPauseWaitMs);
        m_selection.stop();
    } else if (m_wasRunningBeforePause) {
        QCoreApplication::processEvents();
        m_selection.run();
    }
}

void ModeAnalysis::stopParsing()
{
    if (m_engine)
        m_engine->progress()->stop();
}

void ModeAnalysis::slotBlockContPlay(bool isBlock)
{
    m_isBlockContPlay = isBlock;
    if (isBlock)
        stopRun();
    m_control->unlockPlay(!isBlock && m_hub.countSourceSignals() > 0);
}

void ModeAnalysis::slotRunAfterLoad()
{
    if (m_mode == ParamSignal::Mode4G || m_mode == ParamSignal::Mode5G)
        return;
    m_selection.setMaxSelection(windowLimit());
    m_control->setMaxPoints(windowLimit());
    m_selection.firstSelection();  // sends the first window, which the engine analyses
}

// ---------------------------------------------------------------- files and profiles

void ModeAnalysis::slotLoadFile()
{
    m_isExternalInHub = false;
    m_isDeviceInHub = false;
    takeSignalParams();
    m_control->unlockPlay(!m_isBlockContPlay);
    m_panel->slotLoadFile();
    m_hub.refreshParamText();
    m_calculate->updateParams();
    m_hub.slotSetStateReadFileSignal(false);
    slotUpdateNumLayers();
    slotRunAfterLoad();
}

void ModeAnalysis::openDemoFile(int n)
{
    const QString path = DemoSignals::path(n);
    if (path.isEmpty()) {
        showMessage(tr("Error"), tr("The demo recording %1 is not available.").arg(n));
        return;
    }
    m_panel->openSignal(path);
}

QString ModeAnalysis::profileText()
{
    // While the instrument or another mode fills the hub, the set's clock, carrier and
    // level are theirs: the remembered recording then comes back with its own.
    QString params = m_hub.param()->text(ParamSignal::FormProfile);
    if (m_isDeviceInHub || m_isExternalInHub)
        params = withoutRecordingItems(params);
    return QStringLiteral("{PathSignal:%1}").arg(m_io.getFileReg()) + params + m_frames->gridText()
           + QStringLiteral("{LengthView:%1}").arg(viewLength());
}

bool ModeAnalysis::restoreProfile(const QString &text)
{
    if (text.isEmpty())
        return false;
    if (!m_frames->setGrid(text))
        setDefaultGrid();
    const QString length = itemValue(text, QStringLiteral("LengthView:")).remove(QLatin1Char(' '));
    bool isNumber = false;
    const int samples = length.toInt(&isNumber);
    if (isNumber && samples > 0)
        setViewLength(samples);
    const QString path = itemValue(text, QStringLiteral("PathSignal:"));
    if (!path.isEmpty() && QFile::exists(path)) {
        // The profile's rates describe its own file: they are taken only together with it,
        // and the file becomes the mode's remembered one, so that both are saved together.
        // A profile saved while the instrument filled the hub holds no rates of the
        // file: its header gives them, as when it was first opened.
        const bool hasFileRates = withoutRecordingItems(text) != text;
        readAgain(path, [hub = &m_hub, text, path, hasFileRates](IOSignal *io) {
            if (!hasFileRates)
                takeHeader(hub->param(), path);
            hub->param()->parseText(text, false);
            io->defineFormatRead(text);
            io->writeRegFile(path);
        });
        return true;
    }
    // A recording already on hand keeps the rates of its own header.
    const bool hasRecording = m_hub.countSourceSignals() > 0;
    m_hub.param()->parseText(hasRecording ? withoutRecordingItems(text) : text, false);
    takeSignalParams();
    m_panel->getParams();
    m_hub.refreshParamText();
    m_calculate->updateParams();
    if (hasRecording)
        updateParseCadre();
    return true;
}

void ModeAnalysis::slotRestoredSignal()
{
    disconnect(&m_hub, &ManagerSignal::sendNewSourceSignal, this, &ModeAnalysis::slotRestoredSignal);
    m_isDeviceInHub = false;
    m_panel->slotLoadStopped();
    m_hub.slotSetStateReadFileSignal(false);
    takeSignalParams();
    m_control->unlockPlay(!m_isBlockContPlay);
    m_panel->slotChangeExternParams();
    m_hub.refreshParamText();
    m_calculate->updateParams();
    slotUpdateNumLayers();
    slotRunAfterLoad();
}

void ModeAnalysis::slotReReadSignal(bool isSingle)
{
    if (m_hub.isReadFile())
        return;
    const QString path = m_io.getFileReg();
    // These formats carry one precision only.
    if (path.isEmpty() || SignalFileKind::hasFixedPrecision(SignalFileKind::of(path)))
        return;
    stopRun();
    m_panel->showLoadProgress();
    readAgain(path, [isSingle](IOSignal *io) { io->setReadDouble(!isSingle); });
}

void ModeAnalysis::readAgain(const QString &path, const std::function<void(IOSignal *)> &setFormat)
{
    m_isExternalInHub = false;
    // In the reader's thread; the hub's next source then finishes like a load.
    QMetaObject::invokeMethod(&m_io, [io = &m_io, path, setFormat] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;  // a remembered file that no longer opens is skipped
        setFormat(io);
        io->progress()->reset();
        io->readSignal(file, false, true);
    }, Qt::QueuedConnection);
    connect(&m_hub, &ManagerSignal::sendNewSourceSignal, this, &ModeAnalysis::slotRestoredSignal,
            Qt::UniqueConnection);
}

void ModeAnalysis::startMode()
{
    m_hub.slotSetStateReadFileSignal(false);
    m_hub.slotChangeSizeSelection(viewLength(), false);
}

// ---------------------------------------------------------------- layers

void ModeAnalysis::slotChangeLayers()
{
    m_control->showLayers(m_hub.currentSignals());
    updateParseCadre();
}

void ModeAnalysis::slotRequestChangeLayer()
{
    const int layer = m_control->currentLayer();
    if (layer == 0) {
        QVector<int> all;
        for (int n = 1; n <= m_hub.countSourceSignals(); ++n)
            all.append(n);
        m_hub.setCurrentSignals(all);
    } else {
        m_hub.setCurrentSignal(layer);
    }
}

void ModeAnalysis::slotFormLayers()
{
    m_control->setLayerCount(m_hub.countSourceSignals());
    // A new recording is analysed from its first layer on.
    m_control->showLayers(m_hub.currentSignals());
}

void ModeAnalysis::slotUpdateNumLayers()
{
    slotFormLayers();
}

// ---------------------------------------------------------------- drawing options

void ModeAnalysis::slotOptimize(bool isUse)
{
    // Simplified drawing: no antialiasing while the rate cannot keep up.
    for (DisplayGraphicSignal *view : findChildren<DisplayGraphicSignal *>()) {
        if (view->graphic())
            view->graphic()->setRenderHint(QPainter::Antialiasing, !isUse);
    }
}

void ModeAnalysis::setOpacityGraphics(double opacity)
{
    auto *effect = new QGraphicsOpacityEffect(m_frames);
    effect->setOpacity(qBound(0.0, opacity, 1.0));
    m_frames->setGraphicsEffect(effect);
}

void ModeAnalysis::slotHideGuiSignal(bool isHide)
{
    if (m_splitter && m_splitter->count() > 0)
        m_splitter->widget(0)->setVisible(!isHide);
}

void ModeAnalysis::slotHideMenu(bool isHide)
{
    emit sendHideMenu(isHide);  // the menu belongs to the main window
}

void ModeAnalysis::slotFormFrames(int l, int h)
{
    m_frames->formFrames(l, h);
}

void ModeAnalysis::slotUpdateGraphs()
{
    for (DisplayGraphicSignal *view : findChildren<DisplayGraphicSignal *>())
        view->slotRepaint();
}

void ModeAnalysis::slotResetParam()
{
    m_hub.param()->reset();
    m_panel->getParams();
    m_hub.refreshParamText();
    m_calculate->updateParams();
    updateParseCadre();
}

void ModeAnalysis::slotSetShowOverload(bool isShowO)
{
    m_isShowOverload = isShowO;
}

void ModeAnalysis::slotStopRead()
{
    stopRead();
}

void ModeAnalysis::slotStartNextRead()
{
    requestRead();
}

void ModeAnalysis::slotSetDeviceCarrierFreq(double value)
{
    if (m_device)
        emit m_device->device()->signalSetSourceCarrierFreq(value);
}

// ---------------------------------------------------------------- messages

void ModeAnalysis::showMessage(const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ModeAnalysis::setExternalSource(const Signal &record, const QString &paramText)
{
    m_externalRecord = record;
    m_externalParamText = paramText;
    if (m_source == GuiSourceSetting::SourceVectorAnalysis)
        analyseExternalSource(true);
}

void ModeAnalysis::slotSetSource(int source)
{
    applySource(source, false);
}

void ModeAnalysis::restoreSource(int source)
{
    applySource(source, true);
}

void ModeAnalysis::applySource(int source, bool isQuiet)
{
    // Vector analysis analyses its own files or the instrument, never itself.
    if (m_mode == ParamSignal::ModeVA && source == GuiSourceSetting::SourceVectorAnalysis)
        return;
    if (source == GuiSourceSetting::SourceSignalAnalyzer && !(m_device && m_device->canAcquire()))
        return;
    if (source != m_source)
        stopRun();
    m_source = source;
    QTimer::singleShot(0, this, &ModeAnalysis::fitPanelColumn);  // the instrument's rows come and go
    if (GuiSourceSetting *panelSource = m_panel->sourceSetting())
        panelSource->setSource(source);
    if (source == GuiSourceSetting::SourceVectorAnalysis) {
        analyseExternalSource(isQuiet);
        return;
    }
    if (source == GuiSourceSetting::SourceSignalAnalyzer)
        return;
    // Back to the mode's own file, read with the rates of its own header.
    const QString own = m_io.getFileReg();
    if ((m_isExternalInHub || m_isDeviceInHub) && !own.isEmpty() && QFile::exists(own)) {
        m_isDeviceInHub = false;
        m_panel->openSignal(own);
    }
}

QString ModeAnalysis::externalSourceName()
{
    return tr("Vector Analysis");
}

void ModeAnalysis::analyseExternalSource(bool isQuiet)
{
    if (m_externalRecord.isEmpty()) {
        if (!isQuiet)
            showMessage(tr("Vector Analysis"), tr("The vector-analysis mode holds no recording to analyse."));
        return;
    }
    if (m_isExternalInHub && m_hub.sourceSignal(0) == m_externalRecord)
        return;
    stopRun();
    m_hub.param()->parseText(m_externalParamText, false);
    connect(&m_hub, &ManagerSignal::sendNewSourceSignal, this, &ModeAnalysis::slotRestoredSignal,
            Qt::UniqueConnection);
    m_isExternalInHub = true;
    m_isDeviceInHub = false;
    m_hub.slotSetSignal(QVector<Signal>{m_externalRecord}, externalSourceName(), true);
}

int ModeAnalysis::connectionFailures()
{
    return g_connectionFailures;
}

void ModeAnalysis::resetConnectionFailures()
{
    g_connectionFailures = 0;
}

void ModeAnalysis::slotConnectionError()
{
    if (!isVisible())
        return;
    ++g_connectionFailures;
    if (g_connectionFailures == 1) {
        auto *box = new QMessageBox(QMessageBox::Question, tr("Error Connection"), tr("Restart Connection?"),
                                    QMessageBox::Yes | QMessageBox::No, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::finished, this, [this](int result) {
            if (result == QMessageBox::Yes)
                autoConnectDevice();
        });
        box->open();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Error Connection"), tr("Error Connection to Device!"),
                                QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(kConnectionBoxMs, box, &QMessageBox::close);
    box->open();
}

void ModeAnalysis::refreshSelectionBar()
{
    const int total = m_hub.sourceSignal(0).size();
    const QPair<int, int> window = analysedWindow();
    m_selectionBar->showWindow(window.first, window.second, total);
}

QPair<int, int> ModeAnalysis::analysedWindow() const
{
    if (m_engine && m_engine->frameLength() > 0)
        return qMakePair(m_engine->lastFrameStart(), m_engine->frameLength());
    return qMakePair(m_selection.start(), m_selection.size());
}

void ModeAnalysis::slotStartRequested(int start)
{
    m_selection.slotSetStartSelection(start);
}

// ---------------------------------------------------------------- instrument

bool ModeAnalysis::isInstrumentSource() const
{
    return m_source == GuiSourceSetting::SourceSignalAnalyzer;
}

void ModeAnalysis::setDevice(DeviceSignal *device)
{
    m_device = device;
    Device *d = device->device();
    GuiSourceSetting *source = m_panel->sourceSetting();
    connect(d, &Device::sendOverload, this, [this](bool isOver) { m_isDeviceOverload = isOver; });
    connect(d, &Device::sendError, this, &ModeAnalysis::showDeviceError);
    connect(d, &Device::signalErrorConnect, this, &ModeAnalysis::slotConnectionError);
    connect(d, &Device::isConnected2SA, this, &ModeAnalysis::slotDeviceConnected);
    if (!source)
        return;
    source->setSourceOffered(GuiSourceSetting::SourceSignalAnalyzer, device->canAcquire());
    if (device->canAcquire())
        source->setSourceChoiceVisible(true);
    source->setConnected(false, d->deviceName());
    connect(source, &GuiSourceSetting::sendConnect, this, &ModeAnalysis::connectInstrument);
    connect(source, &GuiSourceSetting::sendDisconnect, device, &DeviceSignal::slotDisconect);
    connect(source, &GuiSourceSetting::sendResetValues, this, &ModeAnalysis::slotResetSourceValues);
    // Edits reach the instrument while it is the source; otherwise they describe the recording.
    connect(source, &GuiSourceSetting::sendSampleRate, this, [this, d](double v) {
        if (!isInstrumentSource())
            return;
        QMetaObject::invokeMethod(d, [d, v] { d->setSourceSampleRate(v); }, Qt::QueuedConnection);
        readAfterSettingChange();
    });
    connect(source, &GuiSourceSetting::sendCarrierFreq, this, [this](double v) {
        if (!isInstrumentSource())
            return;
        slotSetDeviceCarrierFreq(v);
        readAfterSettingChange();
    });
    connect(source, &GuiSourceSetting::sendRefLevel, this, [this, d](double v) {
        if (!isInstrumentSource())
            return;
        QMetaObject::invokeMethod(d, [d, v] { d->setSourceRefLevel(v); }, Qt::QueuedConnection);
        readAfterSettingChange();
    });
    connect(source, &GuiSourceSetting::sendNumPts, this, [this](int points) {
        m_device->setPoints(points);
        if (isInstrumentSource())
            readAfterSettingChange();
    });
    connect(source, &GuiSourceSetting::sendPathCompens, this, [d](const QString &path) {
        QMetaObject::invokeMethod(d, [d, path] { d->slotSetPathCompens(path); }, Qt::QueuedConnection);
    });
    const auto sendSync = [this, source] { m_device->setExtSync(source->isExtSync(), source->extSyncFrequency()); };
    connect(source, &GuiSourceSetting::sendExtSyncEnbl, this, sendSync);
    connect(source, &GuiSourceSetting::sendExtSync, this, sendSync);
    connect(d, &Device::sendRefLvlMinMax, source, &GuiSourceSetting::setRefLvlMinMax);
    connect(d, &Device::sendParams, source, &GuiSourceSetting::setDeviceValues);
}

void ModeAnalysis::connectInstrument()
{
    if (!m_device)
        return;
    // The panel's values are what the instrument is to take on connection.
    if (GuiSourceSetting *source = m_panel->sourceSetting()) {
        const QMap<QString, QString> values = source->values();
        m_device->setSourceSettings({UnitText::toDouble(values.value(QStringLiteral("FREQUENCY"))),
                                     UnitText::toDouble(values.value(QStringLiteral("CLOCK"))),
                                     UnitText::toDouble(values.value(QStringLiteral("POWER")))});
        m_device->setPoints(source->points());
        m_device->setExtSync(source->isExtSync(), source->extSyncFrequency());
    }
    m_device->openDevices();
}

void ModeAnalysis::slotDeviceConnected(bool isConnected)
{
    m_hub.slotSetStateReadDeviceSignal(isConnected);
    if (GuiSourceSetting *source = m_panel->sourceSetting())
        source->setConnected(isConnected, isConnected ? m_device->device()->deviceName() : QString());
    QTimer::singleShot(0, this, &ModeAnalysis::fitPanelColumn);
    if (!isConnected) {
        m_pendingReads = 0;
        if (isInstrumentSource())
            stopRun();
    } else if (isInstrumentSource() && isVisible()) {
        resetConnectionFailures();
        requestRead();  // the first picture at once
    }
}

void ModeAnalysis::startAcquisition()
{
    if (!m_device || !m_device->isConnected()) {
        showMessage(tr("Signal Analyzer"), tr("Connect to an instrument first: Source, Connect."));
        return;
    }
    if (m_selection.isRunning())
        return;
    if (m_isDeviceInHub && m_hub.countSourceSignals() > 0) {
        m_selection.run();
        return;
    }
    m_isRunAfterBlock = true;
    requestRead();
}

void ModeAnalysis::requestRead()
{
    if (!m_device || !m_device->isConnected() || !isInstrumentSource())
        return;
    ++m_pendingReads;
    m_device->setManager(&m_hub);
    m_device->slotStartRead();
}

void ModeAnalysis::readAfterSettingChange()
{
    // Queued behind the setting, so the block is taken with it; a run takes it anyway.
    if (!m_selection.isRunning() && !m_isRunAfterBlock)
        requestRead();
}

void ModeAnalysis::slotDeviceBlock()
{
    if (m_pendingReads == 0)
        return;
    --m_pendingReads;
    m_isDeviceInHub = true;
    m_isExternalInHub = false;
    // A block taken with new settings changed the parameter set: the views follow it.
    if (m_hub.paramText() != m_lastDeviceParamText) {
        m_lastDeviceParamText = m_hub.paramText();
        takeSignalParams();
        m_calculate->updateParams();
    }
    const int length = m_hub.sourceSignal(0).size();
    m_control->unlockPlay(!m_isBlockContPlay);
    if (length != m_lastBlockLength) {
        m_lastBlockLength = length;
        m_selection.setMaxSelection(length);
        m_control->setMaxPoints(length);
        setViewLength(length);
    }
    analyseWindow(0, std::min(viewLength(), length));
    if (m_isRunAfterBlock) {
        m_isRunAfterBlock = false;
        m_selection.run();
    }
}

void ModeAnalysis::slotResetSourceValues()
{
    GuiSourceSetting *source = m_panel->sourceSetting();
    if (!source)
        return;
    // The recording's own header values where it has them, else the defaults.
    const SignalInformation &info = m_hub.fileInformation();
    QMap<QString, QString> values{{QStringLiteral("CLOCK"), QStringLiteral("1 MHz")},
                                  {QStringLiteral("FREQUENCY"), QStringLiteral("0 GHz")},
                                  {QStringLiteral("POWER"), QStringLiteral("0 dBm")}};
    if (!isInstrumentSource() && !info.tag(QStringLiteral("CLOCK")).isEmpty())
        values.insert(QStringLiteral("CLOCK"), info.tag(QStringLiteral("CLOCK")));
    source->setValues(values);
    source->setPoints(GuiSourceSetting::kDefaultPoints);
    m_panel->slotChangeParam();
    if (isInstrumentSource() && m_device && m_device->isConnected()) {
        m_device->setSourceSettings({UnitText::toDouble(values.value(QStringLiteral("FREQUENCY"))),
                                     UnitText::toDouble(values.value(QStringLiteral("CLOCK"))),
                                     UnitText::toDouble(values.value(QStringLiteral("POWER")))});
        m_device->setPoints(GuiSourceSetting::kDefaultPoints);
    }
}

void ModeAnalysis::showDeviceError(const QString &text)
{
    if (!isVisible())
        return;
    // A failed read reports its reason and its code one after the other: one box for both.
    m_deviceErrors.append(text);
    if (m_deviceErrors.size() > 1)
        return;
    QTimer::singleShot(0, this, [this] {
        showMessage(tr("Signal Analyzer"), m_deviceErrors.join(QLatin1Char('\n')));
        m_deviceErrors.clear();
    });
}
