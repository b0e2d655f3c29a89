#include "InterfaceDisplayData.h"

#include <QMutexLocker>

InterfaceDisplayData::InterfaceDisplayData()
{
    moveToThread(this);
    start(InheritPriority);
}

InterfaceDisplayData::~InterfaceDisplayData() { stopThread(); }

void InterfaceDisplayData::stopThread()
{
    quit();
    wait();
}

void InterfaceDisplayData::requestRepaint()
{
    if (m_isRepaintQueued.testAndSetOrdered(0, 1))
        QMetaObject::invokeMethod(this, &InterfaceDisplayData::slotRepaint, Qt::QueuedConnection);
}

void InterfaceDisplayData::setView(Graphic *view)
{
    QMutexLocker lock(&m_mutex);
    m_view = view;
}

void InterfaceDisplayData::setColor(const QColor &color)
{
    QMutexLocker lock(&m_mutex);
    m_color = color;
}

QColor InterfaceDisplayData::color() const
{
    QMutexLocker lock(&m_mutex);
    return m_color;
}

void InterfaceDisplayData::slotRepaint()
{
    m_isRepaintQueued.storeRelease(0);
    compute();
    slotSendPixmap();
}

void InterfaceDisplayData::slotSendPixmap()
{
    if (!m_image.isNull())
        emit sendPixmap(m_image);
}
