#include "DisplaySpectrogram.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "Spectrogram.h"
#include "UnitPrefix.h"
#include "WgtColor.h"

#include "NiceAxis.h"
#include <QLabel>

namespace {
constexpr int kRightMargin = 56;  // room for the colour bar and its level labels
}

DisplaySpectrogram::DisplaySpectrogram(ManagerSignal *hub, CalculateDate *calculate, int signalIndex,
                                       QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent), m_colorBar(new WgtColor(graphic())),
      m_highLabel(new QLabel(graphic())), m_lowLabel(new QLabel(graphic()))
{
    applyTitles();
    axisY()->setLabelsVisible(false);
    axisY()->setGridLineVisible(false);
    QMargins margins = chart()->margins();
    margins.setRight(kRightMargin);
    chart()->setMargins(margins);
    auto *renderer = new Spectrogram(calculate, signalIndex);
    attachWorker(renderer);
    const SpectrogramScale scale = renderer->scale();
    m_colorBar->setColors(scale.highColor(), scale.lowColor());
    setLevels(scale.lowLevel(), scale.highLevel());
    updateAxes();
}

Spectrogram *DisplaySpectrogram::spectrogram() const { return static_cast<Spectrogram *>(worker()); }

void DisplaySpectrogram::setLevels(double low, double high)
{
    spectrogram()->setLowLevel(low);
    spectrogram()->setHighLevel(high);
    m_levels = {low, high};
    showLevels();
    slotRepaint();
}

void DisplaySpectrogram::showLevels()
{
    m_highLabel->setText(QString::number(m_levels.second) + tr(" dB"));
    m_lowLabel->setText(QString::number(m_levels.first) + tr(" dB"));
    placeOverlays();
}

void DisplaySpectrogram::updateAxes()
{
    const double unit = calculate()->unitFactor();
    const double centre = calculate()->carrierFreq() / unit;
    const double halfSpan = calculate()->sampleRate() / 2.0 / unit;
    NiceAxis::setRange(axisX(), centre - halfSpan, centre + halfSpan);
    axisX()->setTitleText(tr("Frequency (%1Hz)").arg(UnitPrefix::large(unit).prefix));
}

void DisplaySpectrogram::placeOverlays()
{
    DisplayGraphicSignal::placeOverlays();
    const QRectF plot = graphic()->plotRect();
    const int x = int(plot.right()) + 6;
    m_colorBar->setGeometry(x, int(plot.top()), kColorBarWidth, int(plot.height()));
    m_highLabel->adjustSize();
    m_lowLabel->adjustSize();
    m_highLabel->move(x + kColorBarWidth + 3, int(plot.top()));
    m_lowLabel->move(x + kColorBarWidth + 3, int(plot.bottom()) - m_lowLabel->height());
}

void DisplaySpectrogram::applyTitles()
{
    setTitles(tr("Spectrogram"), tr("Frequency (MHz)"), QString());
}

void DisplaySpectrogram::retranslate()
{
    applyTitles();
    updateAxes();
    showLevels();
}
