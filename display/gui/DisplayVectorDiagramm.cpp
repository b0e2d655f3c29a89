#include "DisplayVectorDiagramm.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "NiceAxis.h"
#include "autoLimitOY.h"

#include <QMenu>
#include <cmath>

namespace {
constexpr int kLastReferenceCode = 25;  // the PSK schemes end here; FSK has no IQ points
constexpr double kReferenceSize = 11.0;
constexpr double kReferencePen = 2.0;

bool rotatesOddSymbols(int id)
{
    return (id >= ModQPSKEdge && id <= ModPi8D8PSK) || id == Mod8PSKEdge;
}
}  // namespace

DisplayVectorDiagramm::DisplayVectorDiagramm(ManagerSignal *hub, CalculateDate *calculate, int signalIndex,
                                             QWidget *parent)
    : DisplayVectorDiagramm(hub, calculate, CalculateDateSlot::KindVector, signalIndex, parent)
{
}

DisplayVectorDiagramm::DisplayVectorDiagramm(ManagerSignal *hub, CalculateDate *calculate, unsigned kind,
                                             int signalIndex, QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent), m_reference(new QScatterSeries)
{
    // The reference points lie over the signal, so that they stay visible in a cloud.
    m_reference->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_reference->setMarkerSize(kReferenceSize);
    m_reference->setColor(Qt::transparent);
    m_reference->setPen(QPen(QColor(0xff, 0x53, 0x47), kReferencePen));
    chart()->addSeries(m_reference);
    m_reference->attachAxis(axisX());
    m_reference->attachAxis(axisY());
    axisX()->setLabelFormat(QStringLiteral("%.2f"));
    NiceAxis::setRange(axisX(), -kDefaultLimit, kDefaultLimit);
    NiceAxis::setRange(axisY(), -kDefaultLimit, kDefaultLimit);
    connect(axisY(), &QValueAxis::rangeChanged, this, &DisplayVectorDiagramm::slotChangeValueOY);
    attachWorker(new InterfaceGraphicData(calculate, kind, signalIndex));
    if (kind == CalculateDateSlot::KindVector)
        applyTitles();
    updateAxes();
}

void DisplayVectorDiagramm::applyTitles()
{
    setTitles(tr("Vector Diagram"), tr("I - channel (V)"), tr("Q - channel (V)"));
}

void DisplayVectorDiagramm::retranslate()
{
    applyTitles();
}

QString DisplayVectorDiagramm::modeActionText() const
{
    return m_isFullMode ? tr("Show Only Reference Points") : tr("Show Full Mode");
}

void DisplayVectorDiagramm::showContextMenu(const QPoint &pos)
{
    QMenu menu(graphic());
    menu.addAction(modeActionText());
    connect(&menu, &QMenu::triggered, this, &DisplayVectorDiagramm::switchEnabledGraphic);
    menu.exec(graphic()->mapToGlobal(pos));
}

void DisplayVectorDiagramm::switchEnabledGraphic()
{
    m_isFullMode = !m_isFullMode;
    signalSeries()->setVisible(m_isFullMode);
    for (QLineSeries *overlay : overlaySeries())
        overlay->setVisible(m_isFullMode);
}

void DisplayVectorDiagramm::updateAxes()
{
    // A set that names no scheme (vector analysis) leaves the points given by hand.
    const QString name = hub()->param()->modulationName();
    if (!name.isEmpty() && name != m_modulation)
        setModulation(name);
}

void DisplayVectorDiagramm::setModulation(const QString &name)
{
    m_modulation = name;
    m_reference->replace(referencePoints(name));
}

QVector<QPointF> DisplayVectorDiagramm::referencePoints(const QString &modulation)
{
    const std::unique_ptr<Modulation> scheme = createModulation(modulation);
    const int id = scheme->id();
    const int bits = scheme->bitsPerSymbol();
    if (id < 1 || id > kLastReferenceCode || bits < 1)
        return {};
    const int copies = rotatesOddSymbols(id) ? 2 : 1;
    QVector<int> symbols;
    for (int value = 0; value < (1 << bits); ++value)
        symbols.append(QVector<int>(copies, value));
    const IQVector ideal = scheme->modulate(symbols);
    QVector<QPointF> points;
    points.reserve(ideal.size());
    for (const IQ &point : ideal)
        points.append(QPointF(point.real(), point.imag()));
    return points;
}

void DisplayVectorDiagramm::slotChangeValueOY()
{
    // I and Q share one scale: x follows every change of y (the frame's limits set y).
    if (m_isFollowingY)
        return;
    m_isFollowingY = true;
    NiceAxis::setRange(axisX(), axisY()->min(), axisY()->max());
    m_isFollowingY = false;
}

void DisplayVectorDiagramm::fitRange(const QVector<QPointF> &data)
{
    double peak = 1.0;  // the ideal points always fit
    for (const QPointF &p : data)
        peak = std::max(peak, std::max(std::abs(p.x()), std::abs(p.y())));
    const double limit = std::ceil(peak * kLimitMargin / kLimitStep) * kLimitStep;
    if (limit != axisY()->max() || -limit != axisY()->min()) {
        NiceAxis::setRange(axisY(), -limit, limit);
        emit sendMinOy(-limit);
        emit sendMaxOy(limit);
    }
}

void DisplayVectorDiagramm::slotSetData(const QVector<QPointF> &data)
{
    // The ideal points of the scheme these samples were analysed with.
    updateAxes();
    const QVector<QPointF> shown = data.size() > maxPoints() ? data.mid(0, maxPoints()) : data;
    signalSeries()->replace(shown);
    // The range is fitted to I and Q together, never to Q alone; the frame's "Auto"
    // limits switch the fitting on and off.
    if (autoLimit()->isAutoMax() || autoLimit()->isAutoMin())
        fitRange(shown);
    placeOverlays();
    emit dataShown();
}
