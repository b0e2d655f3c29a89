#pragma once

#include "IOSignal.h"
#include "ManagerSignal.h"
#include "SelectionSignal.h"
#include "SimpleEngine.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class CalculateDate;
class DeviceSignal;
class DisplayGraphicSignal;
class GuiParserSignal;
class LayoutFrames;
class ModeGraphics;
class ParserSignal;
class QSplitter;
class RebornControllerGraphic;
class SelectionBarView;

// One analysis mode: its hub, file reader, engine, display calculator, grid of
// frames, selection bar, frame pacer, run control and control panel. Subclasses
// supply the parameter set (by mode number), the panel, the engine and the default
// grid, and override the hooks below where they differ.
class ModeAnalysis : public QWidget
{
    Q_OBJECT
public:
    // Pausing waits for the running frame unless the frame is this short.
    static constexpr int kQuickPauseSamples = 60000;
    static constexpr int kPauseWaitMs = 200;
    // Play goes on even if a view never reports its frame drawn.
    static constexpr int kFrameWatchdogMs = 500;
    static constexpr int kConnectionBoxMs = 10000;
    // Samples at or above this magnitude mean the recording clips.
    static constexpr double kOverloadLevel = 0.999;

    ModeAnalysis(int mode, QWidget *parent = nullptr);
    ~ModeAnalysis() override;

    int mode() const { return m_mode; }
    ManagerSignal *hub() { return &m_hub; }
    IOSignal *io() { return &m_io; }
    SelectionSignal *selection() { return &m_selection; }
    SimpleEngine *pacer() { return &m_pacer; }
    CalculateDate *calculate() const { return m_calculate.get(); }
    // What the frames can show; a mode adds its own graphics here before assemble().
    ModeGraphics *graphics() const { return m_graphics.get(); }
    GuiParserSignal *panel() const { return m_panel; }
    LayoutFrames *frames() const { return m_frames; }
    RebornControllerGraphic *control() const { return m_control; }
    ParserSignal *engine() const { return m_engine.get(); }
    int viewLength() const;

    // Virtual operations in slot order.
    virtual void firstModeHook() {}
    virtual void secondModeHook() {}
    virtual bool restoreProfile(const QString &text);
    virtual QString profileText();
    virtual void slotUpdateNumLayers();
    virtual void slotLoadFile();
    virtual void connectPanel() {}
    virtual void setDefaultGrid();
    virtual void startMode();

    // The default grid text of this mode.
    virtual QString defaultGrid() const;
    // The profile text of this mode as the program starts without a profile: no file,
    // the parameter defaults, the default grid and view length.
    virtual QString defaultProfileText() const;

    // Another mode's recording offered as this mode's source, by value, with the
    // parameter text that describes it ("{Source:Vector Analysis}{CLOCK:...}..."). A mode
    // whose source is that mode analyses it at once.
    void setExternalSource(const Signal &record, const QString &paramText);
    QString externalParamText() const { return m_externalParamText; }
    // Where the recording comes from (GuiSourceSetting::Source).
    int source() const { return m_source; }
    // The source named by a profile: the handed-over record may still be on its way.
    void restoreSource(int source);
    // The hub's source name while it analyses the handed-over record.
    static QString externalSourceName();

    // The program's one acquisition object, shared by the modes: the source panel
    // connects and configures the instrument, and run reads it block after block.
    void setDevice(DeviceSignal *device);
    DeviceSignal *device() const { return m_device; }
    // The source is the instrument (and the hub holds its last block).
    bool isInstrumentSource() const;

    // The number of connection failures seen while a mode was visible (all modes).
    static int connectionFailures();
    static void resetConnectionFailures();

signals:
    void updateNameProfile();
    // The run bar asks for the plots alone on screen: the menu hides or comes back.
    void sendHideMenu(bool isHide);

public slots:
    void run();
    void stopRun();
    void stopRead();
    void autoConnectDevice();
    void slotOptimize(bool isUse);
    void setOpacityGraphics(double opacity);
    void slotHideGuiSignal(bool isHide);
    void slotHideMenu(bool isHide);
    void slotFormFrames(int l, int h);
    void slotUpdateGraphs();
    void slotReReadSignal(bool isSingle);
    void slotChangeLayers();
    void slotRequestChangeLayer();
    void slotFormLayers();
    void slotResetParam();
    void slotStopRead();
    void slotStartNextRead();
    void slotSetDeviceCarrierFreq(double value);
    void slotSetShowOverload(bool isShowO);
    void slotRunAfterLoad();
    void slotPausePlay(bool isPause);
    void nextParseCadre();
    void nextParseCadreCheck();
    void updateParseCadre();
    void stopParsing();
    void slotBlockContPlay(bool isBlock);
    void openDemoFile(int n);
    // The acquisition reported an error while this mode is visible.
    void slotConnectionError();
    // The user moved the window on the selection bar.
    void slotStartRequested(int start);
    // The user chose to read from a file, or to analyse the record handed over by
    // vector analysis (told plainly when there is none).
    void slotSetSource(int source);

protected:
    void changeEvent(QEvent *event) override;
    // A warning box over the mode that closes with OK and does not block.
    void showMessage(const QString &title, const QString &text);
    // Called by the subclass constructor once its panel and engine exist.
    void assemble(GuiParserSignal *panel, std::unique_ptr<ParserSignal> engine);
    void setViewLength(int samples);
    // The hub's parameter set now describes a newly delivered recording (loaded,
    // restored or handed over): derived values and the display calculator follow it.
    virtual void takeSignalParams() {}
    virtual void onNewSelected();
    // Start and length of the analysed window within the recording, for the selection bar.
    QPair<int, int> analysedWindow() const;
    // The largest window a loaded recording allows, in the run bar's unit (samples here).
    virtual int windowLimit() const;
    // How much of each delivered frame the views show (the window's length here).
    virtual int shownFrameLength() const { return viewLength(); }
    // Whether the recording clips in the frame just shown (here: the shown samples reach full scale).
    virtual bool isFrameOverloaded() const;

private:
    void connectParts();
    // Asks the engine for the frame of the recording at start; a request made while
    // the engine is busy waits, and only the latest one is kept.
    void analyseWindow(int start, int length);
    // The engine delivered a frame: the hub selects it, marked with its place in the recording.
    void selectNewFrame();
    // Sizes the panel's column to the panel's captions and fields.
    void fitPanelColumn();
    int countReportingViews() const;
    void refreshSelectionBar();
    void slotRestoredSignal();
    // Reads a remembered file again without a load signal; setFormat sets the read flags first.
    void readAgain(const QString &path, const std::function<void(IOSignal *)> &setFormat);

    const int m_mode;
    ManagerSignal m_hub;
    SelectionSignal m_selection;
    SimpleEngine m_pacer;
    IOSignal m_io;
    std::unique_ptr<CalculateDate> m_calculate;
    std::unique_ptr<ModeGraphics> m_graphics;
    std::unique_ptr<ParserSignal> m_engine;
    GuiParserSignal *m_panel = nullptr;          // child widget
    LayoutFrames *m_frames = nullptr;            // child widget
    RebornControllerGraphic *m_control = nullptr;  // child widget; also the view-length control
    SelectionBarView *m_selectionBar = nullptr;  // child widget
    QSplitter *m_splitter = nullptr;
    bool m_isBlockContPlay = false;
    bool m_wasRunningBeforePause = false;
    bool m_isFramePending = false;
    bool m_isShowOverload = true;
    QPair<int, int> m_requestedWindow;
    QTimer m_busyRetry;
    QTimer m_frameWatchdog;  // runs while a requested frame has not arrived
    QString m_externalParamText;
    Signal m_externalRecord;
    int m_source = 0;  // GuiSourceSetting::SourceFile
    bool m_isExternalInHub = false;

    // Puts the handed-over record into the hub; quietly waits when there is none yet.
    void analyseExternalSource(bool isQuiet);
    void applySource(int source, bool isQuiet);

    // Instrument acquisition.
    void connectInstrument();
    void startAcquisition();
    void requestRead();
    // A source setting changed: while connected but not running, one fresh block shows it.
    void readAfterSettingChange();
    // The hub received a block that this mode asked the instrument for.
    void slotDeviceBlock();
    void slotDeviceConnected(bool isConnected);
    void slotResetSourceValues();
    void showDeviceError(const QString &text);

    DeviceSignal *m_device = nullptr;  // the main window's
    bool m_isDeviceOverload = false;
    int m_pendingReads = 0;  // blocks asked for and not yet in the hub
    bool m_isRunAfterBlock = false;
    bool m_isDeviceInHub = false;
    int m_lastBlockLength = 0;
    QString m_lastDeviceParamText;
    QStringList m_deviceErrors;
};
