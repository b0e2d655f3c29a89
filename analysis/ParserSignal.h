#pragma once

#include "Signal.h"
#include "progressGenerate.h"

#include <QMutex>
#include <QThread>

class ManagerSignal;

// Base of every analysis engine: takes the hub's current layers, analyses each (in
// parallel over the layers) and hands one result per layer back to the hub. Lives
// in its own thread; one pass holds the engine mutex from start to end.
class ParserSignal : public QThread
{
    Q_OBJECT
public:
    ParserSignal();
    ~ParserSignal() override;

    virtual int engineType() const { return 0; }
    virtual void prepareSource() {}
    // In the hub's thread, before a pass is asked for: an engine copies the parameters
    // it reads during its passes, since the set itself is the hub thread's alone.
    virtual void captureSettings() {}
    virtual IQVector parseLayer(int num, int layer);
    virtual void setFrameLength(int num) { Q_UNUSED(num) }
    virtual void advanceFrame() {}
    virtual void rewindFrame() {}
    // Engines that cut their frames from the recording themselves: the next frame
    // starts here (in the engine's thread), and where the last one lay.
    virtual void setFrameStart(int start) { Q_UNUSED(start) }
    virtual int lastFrameStart() const { return 0; }
    // Input samples of the last frame; 0 for engines that do not cut frames.
    virtual int frameLength() const { return 0; }

    // Binds the engine to its hub; a new source reaches prepareSource() in the hub's thread.
    void setManager(ManagerSignal *hub);
    ManagerSignal *manager() const { return m_hub; }
    // True while a pass holds the engine mutex.
    bool isBusy();
    progressGenerate *progress() { return &m_progress; }

signals:
    void sendProgress(int percent);
    void sendChangeSourceSignal();
    void sendError(QString error);

public slots:
    void slotGetSourceSignal();
    // One pass over the current layers; num is what the mode asks for (symbols or samples).
    void slotParser(int num, bool isNext = true);
    // One pass over the frame that starts at `start` in the recording, without moving on.
    void slotParseWindow(int start, int num);

protected:
    bool isStopped() const { return m_progress.isStopped(); }

    ManagerSignal *m_hub = nullptr;  // not owned
    progressGenerate m_progress;

private:
    // Analyses the current layers at the frame set up and hands the results to the
    // hub; false when stopped. Call with the engine mutex held.
    bool parseCurrentLayers(int num);

    QMutex m_mutex;  // held for one whole analysis pass
};
