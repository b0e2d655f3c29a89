#include "Graphic.h"

#include <QEvent>

#include <QPainter>

Graphic::Graphic(QChart *chart, QWidget *parent) : QChartView(chart, parent) {}

QRectF Graphic::plotRect() const
{
    return mapFromScene(chart()->mapToScene(chart()->plotArea())).boundingRect();
}

void Graphic::setImage(const QImage &image)
{
    m_image = image;
    viewport()->update();
}

void Graphic::slotSwitchAntialiasing()
{
    setRenderHint(QPainter::Antialiasing, !renderHints().testFlag(QPainter::Antialiasing));
    viewport()->update();
}

void Graphic::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    emit resizeSignal();
}

void Graphic::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    if (!m_image.isNull()) {
        const QRectF target = chart()->mapToScene(chart()->plotArea()).boundingRect();
        painter->drawImage(target, m_image);
    }
    painter->save();
    painter->resetTransform();  // from scene to view coordinates
    emit paintOverlay(painter);
    painter->restore();
}

void Graphic::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        emit languageChanged();
    QChartView::changeEvent(event);
}
