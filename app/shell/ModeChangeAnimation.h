#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QPropertyAnimation;
class QWidget;

// The picture of the mode being left slides away and fades over the new mode;
// finish() reports that the change may complete.
class ModeChangeAnimation : public QObject
{
    Q_OBJECT
public:
    explicit ModeChangeAnimation(int durationMs, QObject *parent = nullptr);

    bool isRunning() const;

signals:
    void finish();

public slots:
    // Takes a picture of `from` (which the caller then hides) and animates it.
    void start(QWidget *from);

private:
    const int m_durationMs;
    QPointer<QLabel> m_picture;
    QPointer<QPropertyAnimation> m_animation;
};
