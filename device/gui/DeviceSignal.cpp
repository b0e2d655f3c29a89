#include "DeviceSignal.h"

#include "Device.h"
#include "GuiDeviceInfo.h"

#include <QStringList>

DeviceSignal::DeviceSignal(QWidget *window, const QString &libraryName, QObject *parent)
    : QObject(parent), m_device(new Device(libraryName)), m_info(new GuiDeviceInfo(window))
{
    m_info->setDimmedWindow(window);
    connect(m_device, &Device::isConnected2SA, this, &DeviceSignal::slotSaveStatus);
    connect(m_device, &Device::sendDeviceList, m_info, &GuiDeviceInfo::showDeviceData);
    connect(m_device, &Device::sendBlurWindow, m_info, &GuiDeviceInfo::setBlurWindow);
    connect(m_info, &GuiDeviceInfo::sendDeviceID, m_device, &Device::connect2ID);
    connect(m_device, &Device::disconnectSA, m_device, &Device::slotDisconnect);
    connect(m_info, &GuiDeviceInfo::sendRefresh, m_device, &Device::slotRefreshDevData);
    connect(this, &DeviceSignal::signalGetSampleRate, m_device, &Device::updateSampleRate);
}

DeviceSignal::~DeviceSignal()
{
    delete m_device;
}

bool DeviceSignal::canAcquire() const
{
    return m_device->canAcquire();
}

void DeviceSignal::setManager(ManagerSignal *hub)
{
    m_device->setManager(hub);
}

void DeviceSignal::openDevices()
{
    if (canAcquire())
        QMetaObject::invokeMethod(m_device, &Device::slotConnect, Qt::QueuedConnection);
}

void DeviceSignal::reconnect()
{
    if (canAcquire())
        QMetaObject::invokeMethod(m_device, [d = m_device] { d->connect2ID(-1); }, Qt::QueuedConnection);
}

void DeviceSignal::slotDisconect()
{
    if (m_isConnected)
        emit m_device->disconnectSA();
}

void DeviceSignal::slotStartRead()
{
    if (m_isReadBlocked)
        return;
    emit signalRunRead();
    emit m_device->signalRunRead();
}

void DeviceSignal::slotEnableStartRead(bool isEnable)
{
    m_isReadBlocked = !isEnable;
}

void DeviceSignal::slotSaveStatus(bool connected)
{
    m_isConnected = connected;
    emit m_device->changeButName(connected);
    if (connected) {
        m_info->closeFrame();
        emit signalConnect();
    }
}

void DeviceSignal::stopAcquisition()
{
    m_isReadBlocked = true;
    m_device->quit();
    m_device->wait();
}

void DeviceSignal::setSourceSettings(Params param)
{
    QMetaObject::invokeMethod(m_device, [d = m_device, param] { d->setSourceSettings(param); }, Qt::QueuedConnection);
}

void DeviceSignal::setPoints(int points)
{
    QMetaObject::invokeMethod(m_device, [d = m_device, points] { d->slotSetNumPts(points); }, Qt::QueuedConnection);
}

void DeviceSignal::setExtSync(bool isOn, double hz)
{
    m_isExtSync = isOn;
    m_extSyncHz = hz;
    QMetaObject::invokeMethod(m_device, [d = m_device, isOn, hz] {
        d->slotSetExtSync(hz);
        d->slotSetExtSyncEnbl(isOn);
    }, Qt::QueuedConnection);
}

QString DeviceSignal::profileText(int source) const
{
    const Params p = m_device->currentParams();
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(p.carrierFreq, 0, 'g', 15)
        .arg(p.sampleRate, 0, 'g', 15)
        .arg(p.refLevel, 0, 'g', 15)
        .arg(source)
        .arg(m_device->numPoints())
        .arg(m_isExtSync ? 1 : 0)
        .arg(m_extSyncHz, 0, 'g', 15);
}

void DeviceSignal::restoreProfileText(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok[3] = {false, false, false};
    const Params p{fields.value(0).toDouble(&ok[0]), fields.value(1).toDouble(&ok[1]), fields.value(2).toDouble(&ok[2])};
    if (ok[0] && ok[1] && ok[2] && p.sampleRate > 0)
        setSourceSettings(p);
    bool isNumber = false;
    const int points = fields.value(4).toInt(&isNumber);
    if (isNumber && points > 0)
        setPoints(points);
    bool isSync = false;
    bool isHz = false;
    const int sync = fields.value(5).toInt(&isSync);
    const double hz = fields.value(6).toDouble(&isHz);
    if (isSync && isHz && hz > 0)
        setExtSync(sync != 0, hz);
}
