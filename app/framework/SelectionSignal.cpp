#include "SelectionSignal.h"

#include "ManagerSignal.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <algorithm>

SelectionSignal::SelectionSignal(QObject *parent) : QObject(parent)
{
    recomputeSteps();
    m_releaseTimer.setSingleShot(true);
    connect(&m_releaseTimer, &QTimer::timeout, this, [this] {
        {
            QMutexLocker lock(&m_reportMutex);
            m_reports = 0;
        }
        emit selected();
    });
}

void SelectionSignal::setManager(ManagerSignal *hub)
{
    if (m_hub) {
        disconnect(m_hub, nullptr, this, nullptr);
        disconnect(this, nullptr, m_hub, nullptr);
    }
    m_hub = hub;
    if (!hub)
        return;
    connect(hub, &ManagerSignal::sendStartSignal, this, &SelectionSignal::slotSetStartSelection);
    // Where the engine cuts each window from the recording, the window goes to the
    // engine (through the mode), and what the engine delivers is selected whole.
    if (m_isBoundByRecording)
        return;
    if (m_isFollowNewData)
        connect(hub, &ManagerSignal::sendNewSignal, this, &SelectionSignal::slotUpdateData, Qt::QueuedConnection);
    else
        connect(hub, &ManagerSignal::sendNewSignal, this, &SelectionSignal::showAllSignal, Qt::QueuedConnection);
    connect(this, &SelectionSignal::sendSelection, hub, &ManagerSignal::slotSelectPartSignal, Qt::UniqueConnection);
    connect(this, &SelectionSignal::sendAllSelection, hub, &ManagerSignal::slotSelectAllSignal, Qt::UniqueConnection);
}

void SelectionSignal::setFollowNewData(bool isFollow)
{
    m_isFollowNewData = isFollow;
    setManager(m_hub);
}

void SelectionSignal::setBoundByRecording(bool isBound)
{
    m_isBoundByRecording = isBound;
    setManager(m_hub);
}

void SelectionSignal::setFixedSteps(int minimum, int maximum, int step)
{
    m_isFixedSteps = true;
    m_minimum = minimum;
    m_maximum = maximum;
    m_cap = maximum;
    m_increaseStep = step;
    m_decreaseStep = step;
}

void SelectionSignal::setCompletionCount(unsigned count)
{
    QMutexLocker lock(&m_reportMutex);
    m_completionCount = count;
    m_isHeld = count > 0;
    m_reports = 0;
}

void SelectionSignal::slotReport()
{
    {
        QMutexLocker lock(&m_reportMutex);
        if (!m_isHeld || ++m_reports < m_completionCount)
            return;
        m_reports = 0;
    }
    m_releaseTimer.stop();  // released by the reports: the fallback must not release again
    emit selected();
}

void SelectionSignal::releaseAfter(int milliseconds)
{
    m_releaseTimer.start(std::max(0, milliseconds));
}

void SelectionSignal::restore()
{
    m_releaseTimer.stop();
    emit signalRestore();
}

int SelectionSignal::signalLength() const
{
    return m_hub ? m_hub->readySignalLength(0) : 0;
}

int SelectionSignal::boundLength() const
{
    if (m_isBoundByRecording && m_hub && m_hub->countSourceSignals() > 0)
        return m_hub->sourceSignal(0).size();
    return signalLength();
}

void SelectionSignal::recomputeSteps()
{
    if (m_isFixedSteps)
        return;
    if (m_size < 100) {
        m_increaseStep = 100;
        m_decreaseStep = 10;
    } else if (m_size < 1000) {
        m_increaseStep = 100;
        m_decreaseStep = 100;
    } else if (m_size == 1000) {
        m_increaseStep = 500;
        m_decreaseStep = 100;
    } else {
        m_increaseStep = 500;
        m_decreaseStep = 500;
    }
}

void SelectionSignal::resetBounds()
{
    m_minimum = kMinimum;
    m_maximum = m_cap;
    const int length = boundLength();
    if (length > 0)
        m_maximum = std::min(m_maximum, length);
}

void SelectionSignal::sendWindow(int oldSize, int newSize)
{
    const int length = boundLength();
    if (length == 0)
        return;
    if (oldSize != newSize) {
        // Keep the window centred on what the user was looking at.
        m_start = std::max(0, m_start - (newSize - oldSize) / 2);
        if (m_isRunning)
            return;
    }
    if (qint64(m_start) + m_size > length)
        m_start = 0;
    emit sendSelection(m_start, m_size);
}

void SelectionSignal::slotSendSelection()
{
    sendWindow(m_size, m_size);
}

void SelectionSignal::slotSetStartSelection(int startSelection)
{
    m_start = std::max(0, startSelection);
    sendWindow(m_size, m_size);
}

void SelectionSignal::setSizeSelection(int size)
{
    const int oldSize = m_size;
    m_size = std::clamp(size, std::min(m_minimum, m_maximum), m_maximum);
    recomputeSteps();
    if (m_isFollowNewData)
        sendWindow(oldSize, m_size);
    emit sendSizeSelection(m_size);
}

void SelectionSignal::increaseSelection()
{
    if (m_size < m_maximum)
        setSizeSelection(std::min(m_maximum, m_size + m_increaseStep));
}

void SelectionSignal::deacreaseSelection()
{
    if (m_size > m_minimum)
        setSizeSelection(std::max(m_minimum, m_size - m_decreaseStep));
}

void SelectionSignal::setMaxSelection(int max)
{
    if (!m_isFixedSteps)
        m_cap = std::min(max, kCap);
    m_maximum = m_cap;
    const bool wasZero = m_size == 0;
    if (m_size > m_maximum) {
        m_size = m_maximum;
        recomputeSteps();
        emit sendSizeSelection(m_size);
        if (m_size <= 0) {
            stopPlay();
            emit sendAllSelection(0);
        }
    }
    if (wasZero) {
        m_size = m_maximum >= kDefaultSize ? kDefaultSize : m_maximum;
        recomputeSteps();
        emit sendSizeSelection(m_size);
    }
}

void SelectionSignal::firstSelection()
{
    if (m_isRunning)
        stopPlay();
    m_start = 0;
    if (!m_isFixedSteps) {
        resetBounds();
        recomputeSteps();
    }
    setSizeSelection(std::min(m_maximum, m_size));
}

void SelectionSignal::nextSelection()
{
    const int length = boundLength();
    m_start += m_increaseStep;
    if (length == 0 || m_start >= length)
        m_start = 0;
    sendWindow(m_size, m_size);
    emitSelectedUnlessHeld();
}

void SelectionSignal::showAllSignal()
{
    if (signalLength() == 0)
        return;
    emit sendAllSelection(0);
    emitSelectedUnlessHeld();
}

void SelectionSignal::slotUpdateData()
{
    if (!m_isFixedSteps) {
        resetBounds();
        if (m_size > m_maximum) {
            m_size = m_maximum;
            recomputeSteps();
            emit sendSizeSelection(m_size);
        }
    }
    sendWindow(m_size, m_size);
}

void SelectionSignal::emitSelectedUnlessHeld()
{
    bool isHeld = false;
    {
        QMutexLocker lock(&m_reportMutex);
        isHeld = m_isHeld;
    }
    if (!isHeld)
        emit selected();
}

void SelectionSignal::run()
{
    if (m_hub && m_hub->countSourceSignals() > 0 && !m_isRunning) {
        m_isRunning = true;
        m_hub->slotRunSignal(true);
        emit signalRun();
        return;
    }
    m_isRunning = false;
    emit signalStop();
    if (m_hub)
        m_hub->slotRunSignal(false);
    QCoreApplication::processEvents();
}

void SelectionSignal::stop()
{
    stopPlay();
}

void SelectionSignal::stopPlay()
{
    m_isRunning = false;
    emit signalStop();
    if (m_hub)
        m_hub->slotRunSignal(false);
}
