#pragma once

#include "DeviceData.h"
#include "DeviceError.h"
#include "InputCompensation.h"
#include "LibraryLoader.h"
#include "Params.h"

#include <QAtomicInt>
#include <QMutex>
#include <QPointer>
#include <QThread>
#include <QVector>
#include <complex>
#include <vector>

class ManagerSignal;

// Registers "std::vector<DeviceData>", "DeviceData" and "Params" for queued connections.
void registerDeviceMetaTypes();

// The acquisition thread: owns the acquisition library, connects to one of the
// instruments it lists, applies the settings and reads blocks of IQ samples, which
// it hands to the signal hub it points at. Starts its own thread at construction and
// lives in it, so every library call runs there; the user interface reaches it only
// through queued signals and slots.
class Device : public QThread
{
    Q_OBJECT
public:
    static constexpr int kDefaultPoints = 10000;
    static constexpr int kRefreshDelayMs = 300;
    static constexpr int kOverloadEmptyBlock = 100;  // zero samples delivered for an empty overloaded read
    static constexpr int kStatusOverload = -12;
    static constexpr int kStatusLost = 404;

    // libraryName: the bare name of the library in the program's library folder.
    explicit Device(const QString &libraryName = QStringLiteral("acq_bridge"));
    ~Device() override;

    // Whether the library offers what connecting and reading need; without it the
    // program offers no instrument. The reason is in libraryError().
    bool canAcquire() const;
    QString libraryError() const { return m_libraryError; }

    // Thread-safe reads for the user interface.
    bool isConnected() const { return m_isConnected.loadRelaxed() != 0; }
    bool isReading() const { return m_isReading.loadRelaxed() != 0; }
    QString deviceName() const;
    Params currentParams() const;
    int numPoints() const;
    int lastStatus() const { return m_status.loadRelaxed(); }
    std::vector<DeviceData> deviceList() const;
    DeviceData currentDevice() const;

    // The hub that receives the blocks: the mode on screen. Thread-safe.
    void setManager(ManagerSignal *hub);

signals:
    void signalRunRead();
    void signalStartRead();
    void signalEndRead(bool isNewSettings);
    void signalSetSourceCarrierFreq(double value);
    void signalReadyConnected();
    void isConnected2SA(bool status);
    void sendDeviceList(std::vector<DeviceData> deviceList);
    void sendTest(QString text);
    void sendBlurWindow(bool isBlur);
    void sendSampleRate(double value);
    void sendCarrierFreq(double value);
    void sendReferenceLevel(double value);
    void sendNumberOfPoints(int value);
    void sendUpdateMaxPoints(int max);
    void sendParams(double carrier, double sampleRate, double refLevel, int pts);
    void sendRefLvlMinMax(int min_refLvl, int max_refLvl);
    void sendError(QString error);
    void sendOverload(bool isOver);
    void connect2SA(bool isConnect = true);
    void changeButName(bool isConnected);
    void disconnectSA();
    void sendParam(Params param);
    void sendNumPts(int numPts);
    void signalErrorConnect();

public slots:
    void slotConnect();
    void connect2ID(int ID = -1);
    void slotDisconnect();
    void slotRefreshDevData();
    void setSourceSettings(Params param);
    void setSourceCarrierFreq(double value);
    void setSourceSampleRate(double value);
    void setSourceRefLevel(double value);
    void slotSetNumPts(int numPts);
    void slotSetExtSync(double extSyncFreq);
    void slotSetExtSyncEnbl(bool isEnbl);
    void slotGetData();
    void getParams();
    void updateSampleRate();
    // The input compensation file (.s2p or .csv); an empty path ends the compensation.
    void slotSetPathCompens(QString path);

private:
    using GetStatus = int (*)();
    using SetConnect = void (*)(DeviceData);
    using SetDisconnect = void (*)();
    using SetParam = void (*)(Params);
    using SetNumPts = void (*)(int);
    using GetDevList = std::vector<DeviceData> (*)();
    using GetParameters = Params (*)(int);
    using GetError = QVector<DeviceError> (*)();
    using GetNumPts = int (*)(int);
    using GetData = void (*)(QVector<std::complex<double>> *);
    using GetCurSampleRate = double (*)();
    using SetExtSyncState = void (*)(bool);
    using SetExtSyncFreq = void (*)(double);

    void resolveExports();
    int readStatus();
    // A failed settings change or read: disconnect and say so with the status.
    void failSettings(int status);
    // Reads the values in force back and passes them on.
    void readBackSettings();
    void emitSettings();
    void deliverBlock(bool isNewSettings);
    void setDeviceName(const QString &name);
    void endRead(bool isNewSettings);

    LibraryLoader m_library;
    QString m_libraryError;
    GetStatus m_getStatus = nullptr;
    SetConnect m_setConnect = nullptr;
    SetDisconnect m_setDisconnect = nullptr;
    SetParam m_setParam = nullptr;
    SetNumPts m_setNumPts = nullptr;
    GetDevList m_getDevList = nullptr;
    GetParameters m_getParameters = nullptr;
    GetError m_getError = nullptr;
    GetNumPts m_getNumPts = nullptr;
    GetData m_getData = nullptr;
    GetCurSampleRate m_getCurSampleRate = nullptr;
    SetExtSyncState m_setExtSyncState = nullptr;
    SetExtSyncFreq m_setExtSyncFreq = nullptr;

    mutable QMutex m_mutex;  // guards the fields below that the user interface reads
    std::vector<DeviceData> m_deviceList;
    DeviceData m_current;
    Params m_params{0.0, 1e9, 0.0};
    int m_points = kDefaultPoints;
    QString m_deviceName;
    QPointer<ManagerSignal> m_hub;

    QAtomicInt m_status{1};
    QAtomicInt m_isConnected{0};
    QAtomicInt m_isReading{0};
    bool m_isSettingsChanged = false;
    bool m_isPointsChanged = false;
    QVector<std::complex<double>> m_buffer;
    InputCompensation m_compensation;
};
