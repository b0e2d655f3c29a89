#include "Graphic.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QEvent>

#include <QPainter>

namespace {
QColor blend(const QColor &over, const QColor &under, double share)
{
    return QColor::fromRgbF(over.redF() * share + under.redF() * (1.0 - share),
                            over.greenF() * share + under.greenF() * (1.0 - share),
                            over.blueF() * share + under.blueF() * (1.0 - share));
}
}  // namespace

Graphic::Graphic(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(true);
    // The line item's update region is the path's bounding box without the pen's half width,
    // so a partial update left the tips of the last frame's deepest dips on the plot. A frame
    // redraws nearly the whole plot anyway: repainting the whole view costs nothing extra.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    applyColours();
}

Graphic::~Graphic()
{
    emit destroying();
}

Graphic::Colours Graphic::coloursOf(const QPalette &palette)
{
    Colours c;
    c.background = palette.color(QPalette::Window);
    c.plotArea = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    // Faint enough to stay behind the curve, strong enough to read a level off.
    c.grid = blend(c.text, c.plotArea, 0.18);
    c.axisLine = blend(c.text, c.plotArea, 0.45);
    return c;
}

void Graphic::applyColours()
{
    // The application's palette is the theme's; a widget's own may be rewritten by style sheets.
    const Colours colours = coloursOf(QApplication::palette());
    if (m_isColoured && colours == m_colours)
        return;  // a style sheet set on the view says "palette changed" too
    m_colours = colours;
    m_isColoured = true;
    QChart *c = chart();
    c->setBackgroundBrush(m_colours.background);
    c->setBackgroundPen(Qt::NoPen);
    c->setPlotAreaBackgroundBrush(m_colours.plotArea);
    c->setPlotAreaBackgroundPen(QPen(m_colours.axisLine, 1));
    c->setTitleBrush(m_colours.text);
    for (QAbstractAxis *axis : c->axes())
        applyAxisColours(axis);
    setBackgroundBrush(m_colours.background);
    emit coloursChanged();
}

void Graphic::applyAxisColours(QAbstractAxis *axis) const
{
    axis->setLabelsBrush(m_colours.text);
    axis->setTitleBrush(m_colours.text);
    axis->setGridLineColor(m_colours.grid);
    axis->setMinorGridLineColor(m_colours.grid);
    axis->setLinePenColor(m_colours.axisLine);
}

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
    else if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
        applyColours();
    QChartView::changeEvent(event);
}
