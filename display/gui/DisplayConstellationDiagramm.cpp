#include "DisplayConstellationDiagramm.h"

#include "CalculateDate.h"
#include "Graphic.h"

DisplayConstellationDiagramm::DisplayConstellationDiagramm(ManagerSignal *hub, CalculateDate *calculate,
                                                           int signalIndex, QWidget *parent)
    : DisplayVectorDiagramm(hub, calculate, CalculateDateSlot::KindConstellation, signalIndex, parent),
      m_points(new QScatterSeries)
{
    m_points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_points->setMarkerSize(kDotSize);
    m_points->setBorderColor(Qt::transparent);
    m_points->setColor(lineSeries()->pen().color());
    // Under the reference points, which were added first.
    chart()->removeSeries(referenceSeries());
    chart()->addSeries(m_points);
    chart()->addSeries(referenceSeries());
    for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(m_points), static_cast<QAbstractSeries *>(referenceSeries())}) {
        series->attachAxis(axisX());
        series->attachAxis(axisY());
    }
    connect(lineSeries(), &QLineSeries::penChanged, this, [this] { setTraceColourOfPoints(lineSeries()->pen().color()); });
    applyTitles();
}

void DisplayConstellationDiagramm::applyTitles()
{
    setTitles(tr("Constellation Diagram"), tr("I - channel (V)"), tr("Q - channel (V)"));
}

void DisplayConstellationDiagramm::setTraceColourOfPoints(const QColor &colour)
{
    m_points->setColor(colour);
}
