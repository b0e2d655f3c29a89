#include "ManagerSignal.h"

#include "ParamSignalFactory.h"

#include <QMutexLocker>
#include <cmath>

ManagerSignal::ManagerSignal(int mode, QObject *parent)
    : QObject(parent), m_param(ParamSignalFactory::create(mode))
{
    registerSignalMetaTypes();
    qRegisterMetaType<Marker>("Marker");
}

ManagerSignal::~ManagerSignal() = default;

void ManagerSignal::refreshParamText()
{
    const int form = m_param->mode() == ParamSignal::ModeDM ? ParamSignal::FormShort
                                                            : ParamSignal::FormLong;
    m_paramText = m_param->text(form);
}

int ManagerSignal::countSourceSignals() const
{
    QMutexLocker lock(&m_mutex);
    return m_source.size();
}

Signal ManagerSignal::sourceSignal(int index) const
{
    QMutexLocker lock(&m_mutex);
    return m_source.value(index);
}

QVector<Signal> ManagerSignal::sourceSignals() const
{
    QMutexLocker lock(&m_mutex);
    return m_source;
}

QVector<int> ManagerSignal::currentSignals() const
{
    QMutexLocker lock(&m_mutex);
    return m_currentLayers;
}

Signal ManagerSignal::readySignal(int index) const
{
    if (m_currentLayers.isEmpty())
        return Signal();
    return m_ready.value(index);
}

int ManagerSignal::readySignalLength(int index) const
{
    QMutexLocker lock(&m_mutex);
    return readySignal(index).size();
}

void ManagerSignal::setMarker(const Marker &marker, bool isSendSignal)
{
    m_marker = marker;
    if (isSendSignal)
        emit sendUpdateMarker(m_marker);
}

void ManagerSignal::clearMarker()
{
    if (!m_marker.isSet)
        return;
    // The selected records belong to whoever picked them; the hub only lets go.
    m_selectedRecords.clear();
    m_marker = Marker();
    emit sendUpdateMarker();
}

void ManagerSignal::setReadyHistoryCapacity(int capacity)
{
    QMutexLocker lock(&m_mutex);
    m_readyHistoryCapacity = std::max(0, capacity);
    while (m_readyHistory.size() > m_readyHistoryCapacity)
        m_readyHistory.removeFirst();
}

QVector<QVector<Signal>> ManagerSignal::readyHistory() const
{
    QMutexLocker lock(&m_mutex);
    return m_readyHistory;
}

IQVector ManagerSignal::quantize16(const IQVector &samples, double peak)
{
    if (!(peak > 0.0))
        return samples;
    constexpr double kFullScale = 32767.0;
    IQVector out(samples.size());
    const double toCode = kFullScale / peak;
    for (int i = 0; i < samples.size(); ++i) {
        const IQ &s = samples.at(i);
        out[i] = IQ(std::round(s.real() * toCode) / kFullScale, std::round(s.imag() * toCode) / kFullScale);
    }
    return out;
}

void ManagerSignal::takeSource(const QVector<Signal> &signals_)
{
    refreshParamText();
    // Scaled on a copy: engines may be copying the layers in place right now.
    QVector<Signal> source = m_source.isSharedWith(signals_) ? m_source : signals_;
    applyScaling(source);
    QMutexLocker lock(&m_mutex);
    m_currentLayers = {1};
    m_source.swap(source);
}

void ManagerSignal::applyScaling(QVector<Signal> &layers) const
{
    const double factor = m_param->scalingFactor();
    if (factor == 0.0 || qFuzzyCompare(1.0, factor))
        return;
    for (Signal &layer : layers) {
        for (IQ &s : layer.mutableSamples())
            s = IQ(s.real() / factor, s.imag() / factor);
    }
}

void ManagerSignal::slotSetSignal(Signal signalSource, QString profile, bool isSendSignal)
{
    if (signalSource.isEmpty())
        signalSource = Signal(IQVector(kEmptySourceLength, IQ(0.0, 0.0)));
    slotSetSignal(QVector<Signal>{signalSource}, profile, isSendSignal);
}

void ManagerSignal::slotSetSignal(Signal signalSource, bool isSendSignal)
{
    takeSource(QVector<Signal>{signalSource});
    clearHistory();
    if (isSendSignal)
        emit sendNewSourceSignal();
}

void ManagerSignal::slotSetSignal(QVector<Signal> signals_, QString profile, bool isSendSignal)
{
    takeSource(signals_);
    {
        QMutexLocker lock(&m_mutex);
        m_selections.clear();
    }
    m_profile = profile.mid(profile.lastIndexOf(QLatin1Char('/')) + 1);
    if (isSendSignal)
        emit sendUpdateProfile();
    clearHistory();
    if (isSendSignal)
        emit sendNewSourceSignal();
}

void ManagerSignal::clearHistory()
{
    QMutexLocker lock(&m_mutex);
    m_readyHistory.clear();
}

void ManagerSignal::pushHistory(const QVector<Signal> &ready)
{
    QMutexLocker lock(&m_mutex);
    if (m_readyHistoryCapacity <= 0)
        return;
    m_readyHistory.append(ready);
    while (m_readyHistory.size() > m_readyHistoryCapacity)
        m_readyHistory.removeFirst();
}

void ManagerSignal::slotSetSignalReady(Signal signalReady, bool isSendSignal)
{
    slotSetSignalReady(QVector<Signal>{signalReady}, isSendSignal);
}

void ManagerSignal::slotSetSignalReady(QVector<Signal> signalReady, bool isSendSignal)
{
    {
        QMutexLocker lock(&m_mutex);
        m_ready = signalReady;
    }
    if (!signalReady.isEmpty())
        pushHistory(signalReady);
    if (isSendSignal)
        emit sendNewSignal();
}

void ManagerSignal::slotSelectPartSignal(int nSample, int length)
{
    selectParts(nSample, length, nSample);
}

void ManagerSignal::slotSelectFrame(int startIndex, int length)
{
    selectParts(0, length, startIndex);
}

void ManagerSignal::selectParts(int nSample, int length, int startIndex)
{
    // Display workers copy the selected samples under this lock.
    QMutexLocker lock(&m_mutex);
    m_selections.clear();
    m_selectedParts.clear();
    for (int i = 0; i < m_currentLayers.size(); ++i) {
        const IQVector ready = readySignal(i).samples();
        const int first = qBound(0, nSample, ready.size());
        const int count = qBound(0, length, ready.size() - first);
        m_selectedParts.append(Signal(ready.mid(first, count)));
        const IQVector &part = m_selectedParts.last().samples();
        m_selections.insert(m_currentLayers.at(i),
                            SignalSelection{part.constData(), part.constData() + part.size(), startIndex});
    }
    lock.unlock();
    emit sendNewSelected();
}

void ManagerSignal::slotSelectAllSignal(int numPosition)
{
    QMutexLocker lock(&m_mutex);
    m_selections.clear();
    for (int i = 0; i < m_currentLayers.size() && i < m_ready.size(); ++i) {
        const IQVector &ready = m_ready.at(i).samples();
        m_selections.insert(m_currentLayers.at(i),
                            SignalSelection{ready.constData(), ready.constData() + ready.size(), numPosition});
    }
    lock.unlock();
    emit sendNewSelected();
}

void ManagerSignal::slotSetSelectedSignal(Signal *signal)
{
    m_selectedRecords = {signal};
}

void ManagerSignal::slotSetSelectedSignal(QVector<Signal *> signal)
{
    m_selectedRecords = signal;
}

void ManagerSignal::slotRunSignal(bool isRun)
{
    m_isRun = isRun;
    emit sendRunSignal(isRun);
}

void ManagerSignal::slotChangeSizeSelection(int size, bool isTest)
{
    if (m_param->ownsSelectionSize()) {
        const int clamped = m_param->clampSelectionSize(size);
        m_selectionSize = clamped == 0 ? size : clamped;
        if (isTest)
            emit sendChangeSizeSelection(m_selectionSize);
        return;
    }
    m_selectionSize = size;
    QMutexLocker lock(&m_mutex);
    const bool isAlreadySized = readySignal(0).size() == size && !m_currentLayers.isEmpty();
    lock.unlock();
    if (isTest && isAlreadySized)
        return;
    emit sendChangeSizeSelection(size);
}

void ManagerSignal::slotSetStateReadFileSignal(bool isSetRead)
{
    m_isReadFile = isSetRead;
}

void ManagerSignal::slotSetProfile(QString profile)
{
    m_profile = profile.mid(profile.lastIndexOf(QLatin1Char('/')) + 1);
    emit sendUpdateProfile();
}

void ManagerSignal::slotSetStateReadDeviceSignal(bool isSetRead)
{
    m_isDeviceConnected = isSetRead;
    emit sendDeviceConnect(isSetRead);
}

void ManagerSignal::setCurrentSignal(int n, bool isSendAlert)
{
    {
        QMutexLocker lock(&m_mutex);
        m_currentLayers = {n};
    }
    if (isSendAlert)
        emit sendNewLayer(n);
}

void ManagerSignal::setCurrentSignals(QVector<int> n, bool isSendAlert)
{
    {
        QMutexLocker lock(&m_mutex);
        m_currentLayers = n;
    }
    if (isSendAlert)
        emit sendNewLayer(-1);
}
