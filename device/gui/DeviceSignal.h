#pragma once

#include "Params.h"

#include <QObject>
#include <QString>

class Device;
class GuiDeviceInfo;
class ManagerSignal;
class QWidget;

// The front through which the program drives acquisition: it owns the
// acquisition thread and the device list dialog, wires them together, and starts
// one read per request unless reads are held.
class DeviceSignal : public QObject
{
    Q_OBJECT
public:
    // libraryName: the bare name of the acquisition library in the program's library folder.
    explicit DeviceSignal(QWidget *window, const QString &libraryName = QStringLiteral("acq_bridge"),
                          QObject *parent = nullptr);
    ~DeviceSignal() override;

    Device *device() const { return m_device; }
    GuiDeviceInfo *deviceInfo() const { return m_info; }
    bool isConnected() const { return m_isConnected; }
    bool isReadBlocked() const { return m_isReadBlocked; }
    // Whether an instrument can be offered at all (the library and its exports are there).
    bool canAcquire() const;
    void setManager(ManagerSignal *hub);

    // The settings in the profile's device text: carrier, sample rate and reference
    // level, the signal source, points per read, external sync on/off and its frequency.
    QString profileText(int source) const;
    void restoreProfileText(const QString &text);
    // The stored settings without connecting (they are applied on connection).
    void setPoints(int points);
    void setExtSync(bool isOn, double hz);
    // Ends the acquisition thread after the read under way; no read or block follows.
    // For shutdown, before the hubs that receive the blocks are destroyed.
    void stopAcquisition();

signals:
    void signalConnect();
    void signalRunRead();
    void signalGetSampleRate();
    void signalBlockRead();

public slots:
    void openDevices();
    void slotDisconect();
    void slotStartRead();
    void slotEnableStartRead(bool isEnable);
    void slotSaveStatus(bool connected);
    void setSourceSettings(Params param);
    // Connects again to the instrument last chosen.
    void reconnect();

private:
    Device *m_device;
    GuiDeviceInfo *m_info;
    bool m_isConnected = false;
    bool m_isReadBlocked = false;
    bool m_isExtSync = false;
    double m_extSyncHz = 10e6;
};
