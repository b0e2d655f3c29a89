#include "DisplayWaterfall.h"

#include "AnnotationOverlay.h"
#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "MarkerMath.h"
#include "NiceAxis.h"
#include "Spectrogram.h"
#include "UnitPrefix.h"
#include "WgtColor.h"

#include <QLabel>

namespace {
constexpr int kEdgeGap = 4;  // between the level labels and the chart's right edge
}

DisplayWaterfall::DisplayWaterfall(ManagerSignal *hub, CalculateDate *calculate, int signalIndex,
                                       QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent), m_colorBar(new WgtColor(graphic())),
      m_highLabel(new QLabel(graphic())), m_lowLabel(new QLabel(graphic()))
{
    applyTitles();
    axisY()->setGridLineVisible(false);  // the image covers the plot area
    auto *renderer = new Spectrogram(calculate, signalIndex);
    attachWorker(renderer);
    new AnnotationOverlay(this, [renderer] { return renderer->rowHeight(); });
    const SpectrogramScale scale = renderer->scale();
    m_colorBar->setColors(scale.highColor(), scale.lowColor());
    setLevels(scale.lowLevel(), scale.highLevel());
    connect(chart(), &QChart::plotAreaChanged, this, &DisplayWaterfall::updateTimeAxis);
    connect(hub, &ManagerSignal::sendChangeSizeSelection, this, &DisplayWaterfall::updateTimeAxis);
    updateAxes();
}

Spectrogram *DisplayWaterfall::spectrogram() const { return static_cast<Spectrogram *>(worker()); }

double DisplayWaterfall::lowerLimit() const { return spectrogram()->scale().lowLevel(); }

double DisplayWaterfall::upperLimit() const { return spectrogram()->scale().highLevel(); }

void DisplayWaterfall::setLevels(double low, double high)
{
    spectrogram()->setLowLevel(low);
    spectrogram()->setHighLevel(high);
    m_highLabel->setText(MarkerMath::formatValue(high) + tr(" dB"));
    m_lowLabel->setText(MarkerMath::formatValue(low) + tr(" dB"));
    fitRightMargin();
    placeOverlays();
    pushGeometry();
    emit sendMinOy(low);
    emit sendMaxOy(high);
    slotRepaint();
}

void DisplayWaterfall::setMinOy(double value)
{
    // Kept below the high level, or the colour scale would turn over.
    if (value < upperLimit())
        setLevels(value, upperLimit());
}

void DisplayWaterfall::setMaxOy(double value)
{
    if (value > lowerLimit())
        setLevels(lowerLimit(), value);
}

void DisplayWaterfall::fitRightMargin()
{
    int labelWidth = 0;
    for (QLabel *label : {m_highLabel, m_lowLabel}) {
        label->ensurePolished();  // the theme's font, not the default one
        label->adjustSize();
        labelWidth = std::max(labelWidth, label->width());
    }
    QMargins margins = chart()->margins();
    margins.setRight(kBarGap + kColorBarWidth + kLabelGap + labelWidth + kEdgeGap);
    chart()->setMargins(margins);
}

double DisplayWaterfall::rowSeconds() const
{
    const double rate = calculate()->sampleRate();
    const int size = hub()->sizeSelection() > 0 ? hub()->sizeSelection() : ManagerSignal::kDefaultSelectionSize;
    return rate > 0.0 ? size / rate : 0.0;
}

void DisplayWaterfall::updateTimeAxis()
{
    const double rows = graphic()->plotRect().height() / std::max(1, spectrogram()->rowHeight());
    const double span = rows * rowSeconds();
    if (!(span > 0.0)) {
        axisY()->setTitleText(tr("Time (frames)"));
        NiceAxis::setRange(axisY(), -std::max(1.0, rows), 0.0);
        return;
    }
    const UnitPrefix::Choice unit = UnitPrefix::small(span);
    axisY()->setTitleText(tr("Time (%1s)").arg(unit.prefix));
    NiceAxis::setRange(axisY(), -span / unit.factor, 0.0);
}

void DisplayWaterfall::updateAxes()
{
    const double unit = calculate()->unitFactor();
    const double centre = calculate()->carrierFreq() / unit;
    const double halfSpan = calculate()->sampleRate() / 2.0 / unit;
    NiceAxis::setRange(axisX(), centre - halfSpan, centre + halfSpan);
    axisX()->setTitleText(tr("Frequency (%1Hz)").arg(UnitPrefix::large(unit).prefix));
    updateTimeAxis();
}

void DisplayWaterfall::placeOverlays()
{
    DisplayGraphicSignal::placeOverlays();
    const QRectF plot = graphic()->plotRect();
    const int x = int(plot.right()) + kBarGap;
    m_colorBar->setGeometry(x, int(plot.top()), kColorBarWidth, int(plot.height()));
    m_highLabel->adjustSize();
    m_lowLabel->adjustSize();
    m_highLabel->move(x + kColorBarWidth + kLabelGap, int(plot.top()));
    m_lowLabel->move(x + kColorBarWidth + kLabelGap, int(plot.bottom()) - m_lowLabel->height());
}

void DisplayWaterfall::applyTitles()
{
    setTitles(tr("Spectrogram"), tr("Frequency (MHz)"), QString());
}

void DisplayWaterfall::retranslate()
{
    applyTitles();
    setLevels(lowerLimit(), upperLimit());  // " dB" in the new language, and room for it
    updateAxes();
}
