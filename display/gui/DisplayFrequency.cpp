#include "DisplayFrequency.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "UnitPrefix.h"

#include "NiceAxis.h"
#include <QFontMetrics>
#include <QLabel>
#include <cmath>

namespace {
constexpr double kDefaultMinDb = -176.0;
constexpr double kDefaultMaxDb = 0.0;
constexpr double kDefaultHalfSpan = 45.0;  // MHz, until a signal is shown
constexpr int kReadoutGap = 12;
}  // namespace

DisplayFrequency::DisplayFrequency(ManagerSignal *hub, CalculateDate *calculate, int signalIndex, QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent), m_lblRBW(new QLabel(graphic())), m_lblSpan(new QLabel(graphic()))
{
    applyTitles();
    NiceAxis::setRange(axisY(), kDefaultMinDb, kDefaultMaxDb);
    NiceAxis::setRange(axisX(), -kDefaultHalfSpan, kDefaultHalfSpan);
    attachWorker(new InterfaceGraphicData(calculate, CalculateDateSlot::KindSpectrum, signalIndex));
    connect(hub, &ManagerSignal::sendChangeSizeSelection, this, &DisplayFrequency::slotFormAVG);
    connect(hub, &ManagerSignal::sendChangeSizeSelection, this, &DisplayFrequency::updateInfo);
    updateInfo(hub->sizeSelection());
}

void DisplayFrequency::setSpanFactor(double factor)
{
    m_spanFactor = factor;
    updateInfo(selectionSize());
}

int DisplayFrequency::selectionSize() const
{
    const int size = hub()->sizeSelection();
    return size == 0 ? ManagerSignal::kDefaultSelectionSize : size;
}

void DisplayFrequency::slotSetAverageSpectrum(int count)
{
    m_average = std::max(1, count);
    worker()->setAverage(m_average);
    updateInfo(selectionSize());
    slotRepaint();
}

void DisplayFrequency::slotFormAVG()
{
    const int maxCount = std::max(1, selectionSize() / kMinSegmentLength);
    if (m_average > maxCount) {
        m_average = maxCount;
        worker()->setAverage(m_average);
    }
    emit sendMaxAverage(maxCount);
}

void DisplayFrequency::updateInfo(int size)
{
    const double s = size == 0 ? ManagerSignal::kDefaultSelectionSize : size;
    const double r2 = hub()->param()->secondRate();
    const double span = r2 * m_spanFactor;
    const double bins = std::trunc(m_spanFactor * s);
    const double rbw = bins > 0 ? m_average * kRbwShapeFactor * span / bins : 0.0;
    m_lblRBW->setText(tr("RBW: %1").arg(UnitPrefix::formatLarge(rbw, tr("Hz"))));
    m_lblSpan->setText(tr("Span: %1").arg(UnitPrefix::formatLarge(span, tr("Hz"))));
    placeOverlays();
}

void DisplayFrequency::updateAxes()
{
    const double unit = calculate()->unitFactor();
    const double centre = calculate()->carrierFreq() / unit;
    const double halfSpan = calculate()->sampleRate() / 2.0 / unit;
    NiceAxis::setRange(axisX(), centre - halfSpan, centre + halfSpan);
    m_xUnitFactor = unit;
    axisX()->setTitleText(xTitle());
    updateInfo(selectionSize());
}

void DisplayFrequency::slotSetData(const QVector<QPointF> &data)
{
    updateAxes();
    DisplayGraphicSignal::slotSetData(data);
}

void DisplayFrequency::placeOverlays()
{
    DisplayGraphicSignal::placeOverlays();
    const QRectF plot = graphic()->plotRect();
    m_lblRBW->adjustSize();
    m_lblSpan->adjustSize();
    const int y = int(plot.top()) - m_lblRBW->height() - 2;
    m_lblRBW->move(int(plot.left()), std::max(0, y));
    m_lblSpan->move(int(plot.right()) - m_lblSpan->width(), std::max(0, y));
    // Over a narrow plot the span gives way to the RBW (the axis shows the span too).
    m_lblSpan->setVisible(m_lblRBW->geometry().right() + kReadoutGap < m_lblSpan->x());
    // In a narrow frame the readouts would run into the chart title, which is centred
    // over the whole chart; the title gives way then, as the frame's header names the
    // graphic too.
    const QRectF area = graphic()->mapFromScene(chart()->mapToScene(chart()->rect())).boundingRect();
    const int titleWidth = QFontMetrics(chart()->titleFont()).horizontalAdvance(chart()->title());
    const int titleLeft = int(area.center().x()) - titleWidth / 2;
    constexpr int kGap = 6;
    const bool isCrowded = m_lblRBW->geometry().right() + kGap >= titleLeft
                           || m_lblSpan->geometry().left() - kGap <= titleLeft + titleWidth;
    chart()->setTitleBrush(isCrowded ? QBrush(Qt::transparent) : QBrush(graphic()->colours().text));
}

bool DisplayFrequency::isTitleShown() const
{
    return !chart()->title().isEmpty() && chart()->titleBrush().color().alpha() != 0;
}

void DisplayFrequency::applyTitles()
{
    setTitles(tr("Spectrum"), xTitle(), tr("Amplitude (dBm)"));
}

QString DisplayFrequency::xTitle() const
{
    return tr("Frequency (%1Hz)").arg(UnitPrefix::large(m_xUnitFactor).prefix);
}

void DisplayFrequency::retranslate()
{
    // The range stays: before the first signal it is the default one, in any language.
    applyTitles();
    updateInfo(selectionSize());
}
