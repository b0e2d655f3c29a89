#pragma once

#include <QElapsedTimer>
#include <QThread>

// Paces continuous play: measures the frames per second, waits a user-chosen delay
// between frames, and asks the displays for simplified drawing when even no delay
// is too slow. Lives in its own thread; every slot runs there.
class SimpleEngine : public QThread
{
    Q_OBJECT
public:
    SimpleEngine();
    ~SimpleEngine() override;

    // Milliseconds added or removed by one request, chosen by the measured rate.
    static unsigned delayStep(int fps);

    // For tests and displays; read in the engine's thread or after it is idle.
    int fps() const { return m_fps; }
    unsigned delay() const { return m_delay; }
    bool isRunning() const { return m_isRunning; }
    bool isOptimize() const { return m_isOptimize; }
    bool isQuickMeasure() const { return m_isQuickMeasure; }

signals:
    void changeFPS(int FPS);
    void nextCadre();
    void useOptimize(bool isUse);

public slots:
    void begin();
    void end();
    void runNextCadre();
    void resetFPS();
    void increaseFPS();
    void decreaseFPS();

private:
    void step();
    void measure();
    void setOptimize(bool isOptimize);

    int m_fps = 0;
    unsigned m_frames = 0;
    unsigned m_delay = 0;
    QElapsedTimer m_timer;
    bool m_isRunning = false;
    bool m_isOptimize = true;
    bool m_isQuickMeasure = false;
};
