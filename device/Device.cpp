#include "Device.h"

#include "ManagerSignal.h"
#include "UnitText.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QTimer>
#include <cmath>

void registerDeviceMetaTypes()
{
    qRegisterMetaType<DeviceData>("DeviceData");
    qRegisterMetaType<std::vector<DeviceData>>("std::vector<DeviceData>");
    qRegisterMetaType<Params>("Params");
    registerSignalMetaTypes();
}

Device::Device(const QString &libraryName) : m_library(libraryName, LibraryLoader::ProgramFolder)
{
    registerDeviceMetaTypes();
    m_deviceName = tr("Disconnected");
    resolveExports();
    start(QThread::InheritPriority);
    moveToThread(this);
    connect(this, &Device::signalRunRead, this, &Device::slotGetData);
    connect(this, &Device::signalSetSourceCarrierFreq, this, &Device::setSourceCarrierFreq);
}

Device::~Device()
{
    quit();
    wait();
    // The thread has ended: the library is reached from here alone now.
    if (isConnected() && m_setDisconnect)
        m_setDisconnect();
}

void Device::resolveExports()
{
    static const char *const names[] = {"getStatus", "setConnect", "setDisconnect", "setParam", "setNumPts",
                                        "getDevList", "getParameters", "getError", "getNumPTS", "getData",
                                        "getCurSampleRate", "setExtSyncState", "setExtSyncFreq"};
    QStringList exports;
    for (const char *name : names)
        exports << QLatin1String(name);
    // Every export optional here: what is missing is named, and never called.
    if (!m_library.load({}, exports)) {
        m_libraryError = m_library.errorString();
        return;
    }
    auto resolve = [this](auto &pointer, const char *name) {
        pointer = m_library.function<std::remove_reference_t<decltype(pointer)>>(name);
        if (!pointer)
            m_libraryError += (m_libraryError.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1String(name);
    };
    resolve(m_getStatus, "getStatus");
    resolve(m_setConnect, "setConnect");
    resolve(m_setDisconnect, "setDisconnect");
    resolve(m_setParam, "setParam");
    resolve(m_setNumPts, "setNumPts");
    resolve(m_getDevList, "getDevList");
    resolve(m_getParameters, "getParameters");
    resolve(m_getError, "getError");
    resolve(m_getNumPts, "getNumPTS");
    resolve(m_getData, "getData");
    resolve(m_getCurSampleRate, "getCurSampleRate");
    resolve(m_setExtSyncState, "setExtSyncState");
    resolve(m_setExtSyncFreq, "setExtSyncFreq");
    if (!m_libraryError.isEmpty())
        m_libraryError = tr("%1 lacks: %2").arg(m_library.fileName(), m_libraryError);
}

bool Device::canAcquire() const
{
    return m_getStatus && m_setConnect && m_getDevList && m_getData;
}

QString Device::deviceName() const
{
    QMutexLocker lock(&m_mutex);
    return m_deviceName;
}

Params Device::currentParams() const
{
    QMutexLocker lock(&m_mutex);
    return m_params;
}

int Device::numPoints() const
{
    QMutexLocker lock(&m_mutex);
    return m_points;
}

std::vector<DeviceData> Device::deviceList() const
{
    QMutexLocker lock(&m_mutex);
    return m_deviceList;
}

DeviceData Device::currentDevice() const
{
    QMutexLocker lock(&m_mutex);
    return m_current;
}

void Device::setManager(ManagerSignal *hub)
{
    QMutexLocker lock(&m_mutex);
    m_hub = hub;
}

void Device::setDeviceName(const QString &name)
{
    QPointer<ManagerSignal> hub;
    {
        QMutexLocker lock(&m_mutex);
        m_deviceName = name;
        hub = m_hub;
    }
    if (hub)
        QMetaObject::invokeMethod(hub.data(), [hub, name] { hub->slotSetProfile(name); }, Qt::QueuedConnection);
}

int Device::readStatus()
{
    const int status = m_getStatus ? m_getStatus() : 1;
    m_status.storeRelaxed(status);
    return status;
}

// ---------------------------------------------------------------- device list

void Device::slotConnect()
{
    if (!m_getDevList)
        return;
    emit sendDeviceList(deviceList());
    emit sendBlurWindow(true);
    // The search may take a moment: the dialog shows the last list meanwhile.
    QTimer::singleShot(kRefreshDelayMs, this, [this] {
        const std::vector<DeviceData> list = m_getDevList();
        {
            QMutexLocker lock(&m_mutex);
            m_deviceList = list;
        }
        emit sendDeviceList(list);
    });
}

void Device::slotRefreshDevData()
{
    if (!m_getDevList)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_deviceList.clear();
    }
    const std::vector<DeviceData> list = m_getDevList();
    {
        QMutexLocker lock(&m_mutex);
        m_deviceList = list;
    }
    emit sendDeviceList(list);
}

// ---------------------------------------------------------------- connection

void Device::connect2ID(int ID)
{
    if (!m_setConnect || !m_getStatus)
        return;
    DeviceData device;
    Params params;
    int points = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (ID != -1 && ID >= 0 && ID < int(m_deviceList.size()))
            m_current = m_deviceList[size_t(ID)];
        device = m_current;
        params = m_params;
        points = m_points;
    }
    m_setConnect(device);
    if (readStatus() != 0) {
        emit signalErrorConnect();
        emit changeButName(false);
        return;
    }
    m_isConnected.storeRelaxed(1);
    setDeviceName(QString::fromStdString(device.type) + QLatin1Char(' ') + QString::fromStdString(device.serial));
    if (m_setParam)
        m_setParam(params);
    if (m_setNumPts)
        m_setNumPts(points);
    if (m_getParameters) {
        const Params upper = m_getParameters(1);
        const Params lower = m_getParameters(0);
        emit sendRefLvlMinMax(int(lower.refLevel), int(upper.refLevel));
    }
    emit isConnected2SA(true);
    m_isSettingsChanged = true;
    // The values in force, which the instrument may have brought within its limits.
    getParams();
}

void Device::slotDisconnect()
{
    if (!isConnected())
        return;
    if (m_setDisconnect)
        m_setDisconnect();
    m_isConnected.storeRelaxed(0);
    emit isConnected2SA(false);
    setDeviceName(tr("Disconnected"));
}

// ---------------------------------------------------------------- settings

void Device::setSourceSettings(Params param)
{
    {
        // Kept while disconnected too: connecting applies them.
        QMutexLocker lock(&m_mutex);
        m_params = param;
    }
    if (!isConnected() || !m_setParam)
        return;
    m_setParam(param);
    const int status = readStatus();
    if (status != 0)
        failSettings(status);
    readBackSettings();
}

void Device::setSourceCarrierFreq(double value)
{
    Params p = currentParams();
    p.carrierFreq = value;
    setSourceSettings(p);
}

void Device::setSourceSampleRate(double value)
{
    Params p = currentParams();
    p.sampleRate = value;
    setSourceSettings(p);
}

void Device::setSourceRefLevel(double value)
{
    Params p = currentParams();
    p.refLevel = value;
    setSourceSettings(p);
}

void Device::slotSetNumPts(int numPts)
{
    {
        QMutexLocker lock(&m_mutex);
        m_points = numPts;
    }
    if (!isConnected() || !m_setNumPts)
        return;
    m_setNumPts(numPts);
    const int status = readStatus();
    if (status != 0)
        failSettings(status);
    readBackSettings();
}

void Device::slotSetExtSync(double extSyncFreq)
{
    if (m_setExtSyncFreq)
        m_setExtSyncFreq(extSyncFreq);
}

void Device::slotSetExtSyncEnbl(bool isEnbl)
{
    if (m_setExtSyncState)
        m_setExtSyncState(isEnbl);
}

void Device::failSettings(int status)
{
    slotDisconnect();
    emit sendError(tr("Set Source Settings Error, status:") + QString::number(status));
}

void Device::readBackSettings()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_getParameters)
            m_params = m_getParameters(2);
        if (m_getNumPts)
            m_points = m_getNumPts(2);
    }
    emit sendUpdateMaxPoints(numPoints());
    m_isSettingsChanged = true;
    m_isPointsChanged = true;
    emitSettings();
}

void Device::getParams()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_getParameters)
            m_params = m_getParameters(2);
        if (m_getNumPts)
            m_points = m_getNumPts(2);
    }
    emitSettings();
}

void Device::emitSettings()
{
    const Params p = currentParams();
    const int points = numPoints();
    emit sendSampleRate(p.sampleRate);
    emit sendCarrierFreq(p.carrierFreq);
    emit sendReferenceLevel(p.refLevel);
    emit sendNumberOfPoints(points);
    emit sendParams(p.carrierFreq, p.sampleRate, p.refLevel, points);
    emit sendParam(p);
    emit sendNumPts(points);
}

void Device::updateSampleRate()
{
    if (!m_getCurSampleRate)
        return;
    const double rate = m_getCurSampleRate();
    QMutexLocker lock(&m_mutex);
    m_params.sampleRate = rate;
}

void Device::slotSetPathCompens(QString path)
{
    if (path.isEmpty()) {
        m_compensation.clear();
        return;
    }
    QString why;
    if (!m_compensation.load(path, &why))
        emit sendError(tr("The compensation file %1 cannot be used: %2").arg(path, why));
}

// ---------------------------------------------------------------- reading

void Device::slotGetData()
{
    if (!isConnected() || !m_getData)
        return;
    m_isReading.storeRelaxed(1);
    emit signalStartRead();
    m_buffer.resize(0);
    m_getData(&m_buffer);
    if (m_buffer.isEmpty()) {
        const QVector<DeviceError> errors = m_getError ? m_getError() : QVector<DeviceError>();
        if (!errors.isEmpty() && errors.first().code == kStatusOverload) {
            m_buffer.fill(std::complex<double>(0.0, 0.0), kOverloadEmptyBlock);
        } else {
            const int code = errors.isEmpty() ? readStatus() : errors.first().code;
            if (!errors.isEmpty()) {
                emit sendError(errors.first().text
                               + tr(", reconnect to the instrument and reduce the number of requested points."));
            }
            if (code == kStatusLost)
                slotDisconnect();
            emit sendError(QString::number(code));
            slotDisconnect();
            endRead(false);
            return;
        }
    }
    const int status = readStatus();
    if (status == 0) {
        emit sendOverload(false);
    } else if (status == kStatusOverload) {
        emit sendOverload(true);
    } else {
        slotDisconnect();
        emit sendError(tr("Set Source Settings Error, status:") + QString::number(status));
    }
    const bool isNewSettings = m_isSettingsChanged;
    deliverBlock(isNewSettings);
    if (isNewSettings) {
        getParams();
        m_isSettingsChanged = false;
    }
    endRead(isNewSettings);
}

void Device::endRead(bool isNewSettings)
{
    m_isReading.storeRelaxed(0);
    emit signalEndRead(isNewSettings);
}

void Device::deliverBlock(bool isNewSettings)
{
    QPointer<ManagerSignal> hub;
    Params p;
    {
        QMutexLocker lock(&m_mutex);
        hub = m_hub;
        p = m_params;
    }
    if (!hub)
        return;
    Signal block(m_buffer);
    if (!m_compensation.isEmpty()) {
        // The loss before the input is given back at the carrier.
        const double gain = std::pow(10.0, -m_compensation.gainDb(p.carrierFreq) / 20.0);
        for (std::complex<double> &s : block.mutableSamples())
            s *= gain;
    }
    // A block taken with new settings carries them: the hub's parameter set describes it.
    const QString settings = isNewSettings ? QStringLiteral("{CLOCK:%1}{FREQUENCY:%2}{POWER:%3 dBm}")
                                                 .arg(UnitText::format(p.sampleRate, QStringLiteral("Hz")),
                                                      UnitText::format(p.carrierFreq, QStringLiteral("Hz")),
                                                      QString::number(p.refLevel))
                                           : QString();
    QMetaObject::invokeMethod(hub.data(), [hub, block, settings] {
        if (!settings.isEmpty())
            hub->param()->parseText(settings, false);
        hub->slotSetSignal(block, true);
    }, Qt::QueuedConnection);
}
