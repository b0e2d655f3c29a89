#pragma once

#include <QWidget>

class ManagerSignal;
class QTableWidget;

// "File Information": what the hub holds (source name, layers, samples, rates) and
// the header tags of the file it came from. Follows every new source.
class DisplayFileInfo : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayFileInfo(ManagerSignal *hub, QWidget *parent = nullptr);

    // The rows shown, as (caption, value) pairs.
    QVector<QPair<QString, QString>> rows() const;

public slots:
    void updateInfo();

protected:
    void changeEvent(QEvent *event) override;

private:
    ManagerSignal *m_hub;  // not owned
    QTableWidget *m_table;
};
