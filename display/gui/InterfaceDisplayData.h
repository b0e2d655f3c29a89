#pragma once

#include <QAtomicInt>
#include <QColor>
#include <QImage>
#include <QMutex>
#include <QThread>

class Graphic;

// A display worker: a thread that starts itself at construction (with the
// creator's priority) and moves itself into that thread, so that its slots run
// there. It computes away from the GUI thread and hands results over by queued
// signals carrying copies; it never touches a widget.
//
// Owner's duty: call stopThread() from the owner's thread before deleting, so
// that no slot of a derived class still runs while its part is destroyed.
class InterfaceDisplayData : public QThread
{
    Q_OBJECT
public:
    InterfaceDisplayData();
    ~InterfaceDisplayData() override;

    // quit() and wait(); safe to call more than once.
    void stopThread();
    // Thread-safe: queues one slotRepaint(); requests made while one is queued
    // are folded into it, so a busy plot never builds up a backlog.
    void requestRepaint();

    virtual void setView(Graphic *view);
    virtual void setColor(const QColor &color);
    QColor color() const;

signals:
    // A finished frame. Images are implicitly shared: the receiver turns the copy
    // into a pixmap in the GUI thread, where pixmaps belong.
    void sendPixmap(QImage image);

public slots:
    void slotRepaint();
    virtual void slotSendPixmap();

protected:
    // The work of one frame, in the worker thread.
    virtual void compute() {}

    QImage m_image;          // the rendered frame; only touched in the worker thread
    mutable QMutex m_mutex;  // guards m_color and what subclasses name beside it
    QColor m_color;
    Graphic *m_view = nullptr;  // identifies the target; never dereferenced here

private:
    QAtomicInt m_isRepaintQueued;
};
