#pragma once

#include <QMutex>
#include <QObject>
#include <QTimer>

class ManagerSignal;

// Decides which window of the recording is analysed and shown (start and length in
// samples), steps it through the recording during play, and tells the frame pacer
// when a window has been handled. Lives in the GUI thread.
class SelectionSignal : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCap = 999999;
    static constexpr int kMinimum = 5;
    static constexpr int kDefaultSize = 2000;

    explicit SelectionSignal(QObject *parent = nullptr);

    void setManager(ManagerSignal *hub);
    // Windows follow the standard's frame grid in some modes: fixed bounds and one step.
    void setFixedSteps(int minimum, int maximum, int step);
    // N > 0: selected() waits for N completion reports per window; 0: it does not wait.
    void setCompletionCount(unsigned count);
    void setFollowNewData(bool isFollow);
    // Where the engine cuts each window from the recording itself (frame by frame),
    // the window may be as long as the recording, not only as the last result, and
    // lies in the recording: sendSelection then asks for a frame instead of cutting
    // the hub's ready signal.
    void setBoundByRecording(bool isBound);
    // selected() after this many milliseconds, unless restore() comes first.
    void releaseAfter(int milliseconds);
    void restore();

    int start() const { return m_start; }
    int size() const { return m_size; }
    int maximum() const { return m_maximum; }
    int minimum() const { return m_minimum; }
    int increaseStep() const { return m_increaseStep; }
    int decreaseStep() const { return m_decreaseStep; }
    bool isRunning() const { return m_isRunning; }
    // Length of the signal that windows are cut from.
    int signalLength() const;
    // Length that bounds the window: the recording's or the cut signal's.
    int boundLength() const;

signals:
    void sendSelection(int start, int length);
    void sendAllSelection(int numPosition);
    void sendSizeSelection(int size);
    void selected();
    void selectedAfterSuspend(int codeSuspend);
    void signalRestore();
    void signalRun();
    void signalStop();

public slots:
    void run();
    void stop();
    void firstSelection();
    void nextSelection();
    void showAllSignal();
    void setSizeSelection(int size);
    void setMaxSelection(int max);
    void increaseSelection();
    void deacreaseSelection();
    void slotSendSelection();
    void slotSetStartSelection(int startSelection);
    void slotUpdateData();
    // One consumer has finished with the current window.
    void slotReport();

private:
    void sendWindow(int oldSize, int newSize);
    void recomputeSteps();
    void resetBounds();
    void emitSelectedUnlessHeld();
    void stopPlay();

    ManagerSignal *m_hub = nullptr;  // not owned
    int m_cap = kCap;
    int m_maximum = kCap;
    int m_minimum = kMinimum;
    int m_start = 0;
    bool m_isRunning = false;
    int m_size = kDefaultSize;
    int m_increaseStep = 500;
    int m_decreaseStep = 500;
    unsigned m_completionCount = 0;
    unsigned m_reports = 0;  // guarded by m_reportMutex
    bool m_isHeld = false;
    QMutex m_reportMutex;
    bool m_isFollowNewData = true;
    bool m_isFixedSteps = false;
    bool m_isBoundByRecording = false;
    QTimer m_releaseTimer;
};
