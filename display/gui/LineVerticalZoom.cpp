#include "LineVerticalZoom.h"

#include <QMouseEvent>
#include <QPainter>

LineVerticalZoom::LineVerticalZoom(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("wgtVertZoom"));
    setFixedWidth(kWidth);
    setCursor(Qt::SizeVerCursor);
    setToolTip(tr("Drag to move the upper or lower limit"));
}

void LineVerticalZoom::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setToolTip(tr("Drag to move the upper or lower limit"));
    QLabel::changeEvent(event);
}

void LineVerticalZoom::setRange(double min, double max, double pixels)
{
    m_min = min;
    m_max = max;
    m_pixels = std::max(1.0, pixels);
}

void LineVerticalZoom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Mid), 2));
    painter.drawLine(width() / 2, 0, width() / 2, height());
}

void LineVerticalZoom::mousePressEvent(QMouseEvent *event)
{
    m_pressY = event->pos().y();
    m_isUpper = m_pressY < height() / 2;
    m_pressValue = m_isUpper ? m_max : m_min;
}

void LineVerticalZoom::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging down lowers a limit: screen y grows downwards, values upwards.
    const double delta = (event->pos().y() - m_pressY) * (m_max - m_min) / m_pixels;
    const double value = m_pressValue - delta;
    if (m_isUpper && value > m_min)
        emit sendMax(value);
    else if (!m_isUpper && value < m_max)
        emit sendMin(value);
}
