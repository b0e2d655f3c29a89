#include "SimpleEngine.h"

#include "WaitLoop.h"

#include <cmath>

namespace {
constexpr qint64 kMeasureWindowMs = 1000;
constexpr unsigned kQuickMeasureFrames = 3;
}

SimpleEngine::SimpleEngine()
{
    moveToThread(this);
    start(QThread::InheritPriority);
}

SimpleEngine::~SimpleEngine()
{
    quit();
    wait();
}

unsigned SimpleEngine::delayStep(int fps)
{
    if (fps > 100) return 1;
    if (fps >= 71) return 3;
    if (fps >= 39) return 5;
    if (fps >= 13) return 7;
    if (fps >= 9) return 20;
    if (fps >= 6) return 25;
    if (fps == 5) return 32;
    if (fps == 4) return 43;
    if (fps == 3) return 65;
    return 150;
}

void SimpleEngine::begin()
{
    if (m_isRunning)
        return;
    m_fps = 0;
    m_frames = 0;
    m_delay = 0;
    m_isRunning = true;
    m_timer.restart();
    step();
}

void SimpleEngine::end()
{
    m_isRunning = false;
    setOptimize(true);
}

void SimpleEngine::runNextCadre()
{
    if (m_isRunning)
        step();
}

void SimpleEngine::step()
{
    measure();
    WaitLoop::wait(int(m_delay), true);
    // A stop that arrived during the wait ends play before another frame starts.
    if (m_isRunning)
        emit nextCadre();
}

void SimpleEngine::measure()
{
    ++m_frames;
    const qint64 elapsed = m_timer.elapsed();
    if (m_isQuickMeasure) {
        if (m_frames < kQuickMeasureFrames)
            return;
        m_fps = int(kQuickMeasureFrames * 1000 / std::max<qint64>(1, elapsed));
        emit changeFPS(m_fps);
        m_isQuickMeasure = false;
    } else {
        if (elapsed < kMeasureWindowMs)
            return;
        m_fps = int(std::lround(m_frames * 1000.0 / elapsed));
        if (m_fps > 0)
            emit changeFPS(m_fps);
        else
            increaseFPS();
    }
    m_frames = 0;
    m_timer.restart();
}

void SimpleEngine::resetFPS()
{
    m_delay = 0;
    setOptimize(false);
}

void SimpleEngine::increaseFPS()
{
    if (!m_isRunning)
        return;
    if (m_delay == 0 && !m_isOptimize) {
        setOptimize(true);
        return;
    }
    const unsigned step = delayStep(m_fps);
    m_delay = m_delay > step ? m_delay - step : 0;
}

void SimpleEngine::decreaseFPS()
{
    if (!m_isRunning)
        return;
    if (m_isOptimize) {
        setOptimize(false);
        return;
    }
    if (m_fps == 1)
        return;
    m_delay += delayStep(m_fps);
    if (!m_isQuickMeasure) {
        m_isQuickMeasure = true;
        m_frames = 0;
        m_timer.restart();
    }
}

void SimpleEngine::setOptimize(bool isOptimize)
{
    m_isOptimize = isOptimize;
    emit useOptimize(isOptimize);
}
