#pragma once

#include "DeviceData.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QTableWidget;

// The "Device List" dialog: the instruments that the acquisition library can reach,
// with their type, serial number, address and state. Clicking a row or choosing it
// asks for a connection to that row; the main window is dimmed while it is open.
class GuiDeviceInfo : public QDialog
{
    Q_OBJECT
public:
    explicit GuiDeviceInfo(QWidget *parent = nullptr);

    int rowCount() const;
    QString cellText(int row, int column) const;
    // The window that is dimmed while the dialog is open (the dialog's parent's window by default).
    void setDimmedWindow(QWidget *window) { m_dimmedWindow = window; }

signals:
    void sendDeviceID(int ID);
    void sendRefresh(bool isRefresh);

public slots:
    void showDeviceData(std::vector<DeviceData> list);
    void setBlurWindow(bool isBlured);
    void tableRowClicked(int rowIndex, int columnIndex);
    void tableChooseClicked();
    void closeFrame();

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    void retranslate();

    QTableWidget *m_table;
    QLabel *m_status;
    QPushButton *m_butRefresh;
    QPushButton *m_butChoose;
    QPushButton *m_butClose;
    std::vector<DeviceData> m_list;
    QPointer<QWidget> m_dimmedWindow;
    QPointer<QWidget> m_shade;
};
