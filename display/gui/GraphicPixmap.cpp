#include "GraphicPixmap.h"

#include <QPainter>

GraphicPixmap::GraphicPixmap(CalculateDate *calculate, unsigned kind, int signalIndex)
    : InterfaceGraphicData(calculate, kind, signalIndex)
{
}

void GraphicPixmap::prepareImage(const QSize &size)
{
    m_image = QImage(size, QImage::Format_ARGB32);
    m_image.fill(Qt::transparent);
}

void GraphicPixmap::compute()
{
    const PlotGeometry geometry = plotGeometry();
    if (geometry.plotSize.isEmpty())
        return;
    const QVector<QPointF> series = requestSeries(geometry.plotSize.width());
    prepareImage(geometry.plotSize);
    drawSeries(m_image, series, geometry);
}

void GraphicPixmap::drawSeries(QImage &image, const QVector<QPointF> &series, const PlotGeometry &geometry) const
{
    if (series.isEmpty() || image.isNull())
        return;
    double x0 = geometry.x0, x1 = geometry.x1;
    if (m_isRangeMode) {
        x0 = series.first().x();
        x1 = series.last().x();
    }
    if (x1 == x0 || geometry.y1 == geometry.y0)
        return;
    const double sx = image.width() / (x1 - x0);
    const double sy = image.height() / (geometry.y1 - geometry.y0);
    QVector<QPointF> mapped(series.size());
    for (int i = 0; i < series.size(); ++i)
        mapped[i] = QPointF((series[i].x() - x0) * sx, (geometry.y1 - series[i].y()) * sy);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, m_isAntialiasing);
    const QColor pen = color().isValid() ? color() : QColor(Qt::yellow);
    painter.setPen(QPen(pen, m_penWidth));
    if (m_isLineMode)
        painter.drawPolyline(mapped.constData(), mapped.size());
    else
        painter.drawPoints(mapped.constData(), mapped.size());
}
