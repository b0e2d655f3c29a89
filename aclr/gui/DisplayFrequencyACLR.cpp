#include "DisplayFrequencyACLR.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "UnitPrefix.h"
#include "autoLimitOY.h"

#include <QCoreApplication>
#include "unitACLRFrequency.h"

#include <QLabel>
#include <cmath>

namespace {
constexpr double kLowestDrawn = -199.9;
constexpr double kHighestDrawn = 60.0;
}

DisplayFrequencyACLR::DisplayFrequencyACLR(ManagerSignal *hub, CalculateDate *calculate, int signalIndex, QWidget *parent)
    : DisplayFrequency(hub, calculate, signalIndex, parent)
{
    // After the mode has set up the window's completion count (it connected first).
    connect(hub, &ManagerSignal::sendNewSelected, this, [this] { drawTrace(true); });
}

void DisplayFrequencyACLR::setResults(const ACLRResults &results)
{
    m_results = results;
    m_points.clear();
    const int n = results.trace.size();
    const double unit = calculate()->unitFactor();
    const double fs = calculate()->sampleRate();
    const double fc = calculate()->carrierFreq();
    m_points.reserve(n);
    for (int k = 0; k < n; ++k)
        m_points.append(QPointF((fc + (k - n / 2) * fs / n) / unit,
                                std::clamp(results.trace.at(k), kLowestDrawn, kHighestDrawn)));
    rebuildBands();
    drawTrace(false);
}

void DisplayFrequencyACLR::slotSetData(const QVector<QPointF> &)
{
    drawTrace(true);
}

void DisplayFrequencyACLR::drawTrace(bool isReport)
{
    lineSeries()->replace(m_points);
    autoLimit()->setData(m_points);
    updateAxes();
    if (m_results.status.resolutionBandwidth > 0.0)
        lblRBW()->setText(QCoreApplication::translate("DisplayFrequency", "RBW: %1")
                              .arg(UnitPrefix::formatLarge(m_results.status.resolutionBandwidth,
                                                           QCoreApplication::translate("DisplayFrequency", "Hz"))));
    placeOverlays();
    if (isReport)
        emit dataShown();
}

void DisplayFrequencyACLR::rebuildBands()
{
    for (unitACLRFrequency *unit : m_units)
        delete unit;
    m_units.clear();
    int channel = 0;
    for (const ACLRBand &band : qAsConst(m_results.bands)) {
        // Carriers in the dark style, adjacent channels in the others by turn.
        const int style = band.isCarrier ? 0 : 1 + channel++ % (unitACLRFrequency::styleCount() - 1);
        auto *unit = new unitACLRFrequency(style, graphic());
        const QString value = !std::isfinite(band.level) ? tr("outside band")
                              : band.isCarrier           ? tr("%1 dBm").arg(band.level, 0, 'f', 2)
                                                         : tr("%1 dBc").arg(band.level, 0, 'f', 2);
        unit->setText(band.name, value);
        m_units.push_back(unit);
    }
    placeOverlays();
}

void DisplayFrequencyACLR::placeOverlays()
{
    DisplayFrequency::placeOverlays();
    const QRectF plot = graphic()->plotRect();
    const double unit = calculate()->unitFactor();
    const double fc = calculate()->carrierFreq();
    const double xMin = axisX()->min(), xMax = axisX()->max();
    for (size_t n = 0; n < m_units.size(); ++n) {
        const ACLRBand &band = m_results.bands.at(int(n));
        const double low = (fc + band.start) / unit, high = (fc + band.start + band.bandwidth) / unit;
        if (!(xMax > xMin) || high <= xMin || low >= xMax || !std::isfinite(band.level)) {
            m_units[n]->conceal();
            continue;
        }
        const auto toPixel = [&](double x) {
            return int(plot.left() + (std::clamp(x, xMin, xMax) - xMin) / (xMax - xMin) * plot.width());
        };
        // Carriers reach to the top, the channels' labels sit lower so that neighbours do not cover each other.
        const int top = int(plot.top()) + (band.isCarrier ? 0 : int(plot.height() * 0.12));
        m_units[n]->place(toPixel(low), toPixel(high), top, int(plot.bottom()));
    }
}
