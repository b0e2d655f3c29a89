#pragma once

#include "Marker.h"
#include "ParamSignal.h"
#include "Signal.h"
#include "SignalInformation.h"
#include "SignalSelection.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QVector>
#include <atomic>
#include <memory>

// The one place where a mode's recording lives. Sources deliver into it, the
// engine hands back ready signals, and consumers read after a notification.
// Lives in the GUI thread, which alone writes it. What other threads read (the
// source layers, the current layers, the ready signals, the selections and the
// history) is written under the hub's mutex; engines and display workers read it
// through the accessors below, which copy under that mutex (the copies share their
// samples), or hold lock() themselves where a comment says so. The selection size
// is a single atomic value.
class ManagerSignal : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultSelectionSize = 2000;
    static constexpr int kEmptySourceLength = 10;  // zeros stored for an empty delivery

    explicit ManagerSignal(int mode, QObject *parent = nullptr);
    ~ManagerSignal() override;

    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }
    QMutex *mutex() { return &m_mutex; }

    ParamSignal *param() const { return m_param.get(); }
    // The set's text with its mode tag, as cached when the last source arrived.
    QString paramText() const { return m_paramText; }
    void refreshParamText();
    // Parameter texts remembered by the mode (e.g. before a reset), by name.
    void saveParamText(const QString &name, const QString &text) { m_savedParamTexts.insert(name, text); }
    QString savedParamText(const QString &name) const { return m_savedParamTexts.value(name); }

    // Any thread; each takes the hub's mutex (do not hold lock() around them).
    int countSourceSignals() const;
    Signal sourceSignal(int index) const;
    QVector<Signal> sourceSignals() const;
    QVector<int> currentSignals() const;
    // A copy of ready signal i; empty without a current layer or for a bad index.
    // Callers in other threads hold lock() around it.
    Signal readySignal(int index) const;
    int countReadySignals() const { return m_ready.size(); }
    // Length of ready signal i (0 when absent); takes the hub's mutex itself.
    int readySignalLength(int index) const;
    // GUI thread, or other threads holding lock() (the selections point into the hub's vectors).
    SignalSelection selection(int layerNumber) const { return m_selections.value(layerNumber); }
    QMap<int, SignalSelection> selections() const { return m_selections; }
    Signal *selectedSignal(int index) const { return m_selectedRecords.value(index, nullptr); }

    QString profile() const { return m_profile; }
    bool isRun() const { return m_isRun; }
    bool isReadFile() const { return m_isReadFile; }
    bool isDeviceConnected() const { return m_isDeviceConnected; }
    int sizeSelection() const { return m_selectionSize.load(std::memory_order_relaxed); }
    Marker marker() const { return m_marker; }
    void setMarker(const Marker &marker, bool isSendSignal = true);
    void clearMarker();

    SignalInformation &fileInformation() { return m_fileInformation; }
    const SignalInformation &fileInformation() const { return m_fileInformation; }

    // History of ready results (used by the spectrogram). Capacity 0 disables it.
    void setReadyHistoryCapacity(int capacity);
    QVector<QVector<Signal>> readyHistory() const;

    static double peak(const IQVector &samples) { return SignalInformation::peak(samples); }
    // Each value v becomes round(v / peak * 32767) / 32767; unchanged for a zero peak.
    static IQVector quantize16(const IQVector &samples, double peak);

signals:
    void sendChangeMainParam();
    void sendNewSourceSignal();
    void sendNewSignal();
    void sendNewSelected();
    void sendStartSignal(int value);
    void sendUpdateProfile();
    void sendRunSignal(bool isRun);
    void sendChangeSizeSelection(int size);
    void sendNewLayer(int n);
    void sendDeviceConnect(bool isConnect);
    void sendUpdateMarker(Marker marker);
    void sendUpdateMarker();

public slots:
    void slotSetSignal(Signal signalSource, QString profile, bool isSendSignal = true);
    void slotSetSignal(Signal signalSource, bool isSendSignal = true);
    void slotSetSignal(QVector<Signal> signals_, QString profile, bool isSendSignal = true);
    void slotSetSignalReady(Signal signalReady, bool isSendSignal = true);
    void slotSetSignalReady(QVector<Signal> signalReady, bool isSendSignal = true);
    void slotSelectPartSignal(int nSample, int length);
    // The first `length` samples of each ready signal, which an engine cut from the
    // recording at `startIndex`: the selections carry the recording's index.
    void slotSelectFrame(int startIndex, int length);
    void slotSelectAllSignal(int numPosition);
    void slotSetSelectedSignal(Signal *signal);
    void slotSetSelectedSignal(QVector<Signal *> signal);
    void slotRunSignal(bool isRun);
    void slotChangeSizeSelection(int size, bool isTest = true);
    void slotSetStateReadFileSignal(bool isSetRead = false);
    void slotSetStateReadDeviceSignal(bool isSetRead = false);
    // The source's name alone (an instrument's, while it delivers): the profile changes, the samples stay.
    void slotSetProfile(QString profile);
    void setCurrentSignal(int n, bool isSendAlert = true);
    void setCurrentSignals(QVector<int> n, bool isSendAlert = true);

private:
    // Copies samples nSample … nSample + length − 1 of each ready signal as the selections, marked startIndex.
    void selectParts(int nSample, int length, int startIndex);
    void takeSource(const QVector<Signal> &signals_);
    void applyScaling(QVector<Signal> &layers) const;
    void pushHistory(const QVector<Signal> &ready);
    void clearHistory();

    QVector<Signal> m_source;  // written under m_mutex
    QVector<Signal> m_ready;   // guarded by m_mutex
    QVector<Signal> m_selectedParts;  // written under m_mutex
    QMap<int, SignalSelection> m_selections;  // written under m_mutex
    QVector<Signal *> m_selectedRecords;  // not owned
    QString m_profile;
    bool m_isRun = false;
    bool m_isReadFile = false;
    bool m_isDeviceConnected = false;
    Marker m_marker;
    QVector<int> m_currentLayers;  // written under m_mutex
    std::unique_ptr<ParamSignal> m_param;
    QString m_paramText;
    QMap<QString, QString> m_savedParamTexts;
    SignalInformation m_fileInformation;
    QVector<QVector<Signal>> m_readyHistory;  // guarded by m_mutex
    int m_readyHistoryCapacity = 0;
    std::atomic<int> m_selectionSize{kDefaultSelectionSize};
    mutable QMutex m_mutex;

    Q_DISABLE_COPY(ManagerSignal)
};
