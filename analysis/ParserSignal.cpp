#include "ParserSignal.h"

#include "ManagerSignal.h"

#include <QMutexLocker>
#include <omp.h>

ParserSignal::ParserSignal()
{
    registerSignalMetaTypes();
    connect(&m_progress, &progressGenerate::currentProgress, this, &ParserSignal::sendProgress);
    m_progress.moveToThread(this);
    moveToThread(this);
    start(QThread::InheritPriority);
}

ParserSignal::~ParserSignal()
{
    m_progress.stop();
    quit();
    wait();
}

IQVector ParserSignal::parseLayer(int, int)
{
    return IQVector();
}

void ParserSignal::setManager(ManagerSignal *hub)
{
    if (m_hub)
        disconnect(m_hub, nullptr, this, nullptr);
    m_hub = hub;
    if (hub)
        connect(hub, &ManagerSignal::sendNewSourceSignal, this, &ParserSignal::slotGetSourceSignal,
                Qt::DirectConnection);
}

bool ParserSignal::isBusy()
{
    if (!m_mutex.tryLock())
        return true;
    m_mutex.unlock();
    return false;
}

void ParserSignal::slotGetSourceSignal()
{
    prepareSource();
}

void ParserSignal::slotParser(int num, bool isNext)
{
    if (isStopped() || !m_hub || m_hub->countSourceSignals() == 0)
        return;
    QMutexLocker lock(&m_mutex);
    // A repeated frame is taken again from where it began, at the length asked for
    // now, so that changed settings (a window length, a decimation) apply at once.
    if (!isNext)
        rewindFrame();
    setFrameLength(num);
    if (parseCurrentLayers(num))
        advanceFrame();
}

void ParserSignal::slotParseWindow(int start, int num)
{
    if (isStopped() || !m_hub || m_hub->countSourceSignals() == 0)
        return;
    QMutexLocker lock(&m_mutex);
    setFrameLength(num);
    setFrameStart(start);
    parseCurrentLayers(num);
}

bool ParserSignal::parseCurrentLayers(int num)
{
    const QVector<int> layers = m_hub->currentSignals();
    QVector<IQVector> results(layers.size());
    if (!isStopped()) {
#pragma omp parallel if (layers.size() > 1)
        {
            const int threads = omp_get_num_threads();
            for (int i = omp_get_thread_num(); i < layers.size(); i += threads)
                results[i] = parseLayer(num, layers.at(i) - 1);
        }
    }
    if (isStopped())
        return false;
    QVector<Signal> ready;
    ready.reserve(results.size());
    for (const IQVector &result : qAsConst(results))
        ready.append(Signal(result));
    m_hub->slotSetSignalReady(ready);
    return true;
}
