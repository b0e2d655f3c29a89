#include "SelectionBarView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

SelectionBarView::SelectionBarView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(34);
    setToolTip(tr("Drag the window, or use the arrow keys, to choose what is analysed"));
}

void SelectionBarView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setToolTip(tr("Drag the window, or use the arrow keys, to choose what is analysed"));
        update();  // the painted readout
    }
    QWidget::changeEvent(event);
}

QSize SelectionBarView::sizeHint() const
{
    return QSize(600, 34);
}

QString SelectionBarView::readout() const
{
    return tr("Start %1   Width %2   Stop %3   of %4")
        .arg(m_start)
        .arg(m_length)
        .arg(m_start + m_length - 1)
        .arg(m_total);
}

void SelectionBarView::showWindow(int start, int length, int total)
{
    m_start = start;
    m_length = length;
    m_total = total;
    update();
}

QRect SelectionBarView::trackRect() const
{
    return QRect(6, 4, std::max(1, width() - 12), 10);
}

int SelectionBarView::sampleAt(int x) const
{
    const QRect track = trackRect();
    const qint64 total = m_total;
    return int(qint64(x - track.left()) * total / track.width());
}

void SelectionBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect track = trackRect();
    painter.fillRect(track, palette().color(QPalette::Mid));
    const qint64 total = m_total;
    if (total > 0 && m_length > 0) {
        const int left = track.left() + int(qint64(m_start) * track.width() / total);
        const int right = track.left() + int((qint64(m_start) + m_length) * track.width() / total);
        painter.fillRect(QRect(left, track.top() - 2, std::max(3, right - left), track.height() + 4),
                         palette().color(QPalette::Highlight));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(track.left(), track.bottom() + 2, track.width(), height() - track.bottom() - 2),
                     Qt::AlignLeft | Qt::AlignVCenter, total > 0 ? readout() : tr("No signal"));
    if (hasFocus())
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SelectionBarView::mousePressEvent(QMouseEvent *event)
{
    if (m_total == 0 || event->button() != Qt::LeftButton)
        return;
    const int sample = sampleAt(event->pos().x());
    const bool isOnWindow = sample >= m_start && sample < m_start + m_length;
    m_dragOffset = isOnWindow ? sample - m_start : m_length / 2;
    moveTo(sample - m_dragOffset);
}

void SelectionBarView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset >= 0)
        moveTo(sampleAt(event->pos().x()) - m_dragOffset);
}

void SelectionBarView::mouseReleaseEvent(QMouseEvent *)
{
    m_dragOffset = -1;
}

void SelectionBarView::keyPressEvent(QKeyEvent *event)
{
    const int step = std::max(1, m_length / 2);
    switch (event->key()) {
    case Qt::Key_Left: moveTo(m_start - step); break;
    case Qt::Key_Right: moveTo(m_start + step); break;
    case Qt::Key_Home: moveTo(0); break;
    case Qt::Key_End: moveTo(m_total - m_length); break;
    default: QWidget::keyPressEvent(event);
    }
}

void SelectionBarView::moveTo(int start)
{
    const int last = std::max(0, m_total - m_length);
    emit startRequested(qBound(0, start, last));
}
