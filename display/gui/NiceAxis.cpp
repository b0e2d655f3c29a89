#include "NiceAxis.h"

#include <algorithm>
#include <cmath>

double NiceAxis::interval(double span)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double raw = span / (kTargetTicks - 1);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    const double mantissa = raw / decade;
    const double nice = mantissa < 1.5 ? 1.0 : mantissa < 3.5 ? 2.0 : mantissa < 7.5 ? 5.0 : 10.0;
    return nice * decade;
}

QString NiceAxis::labelFormat(double interval)
{
    const int decimals = interval > 0.0 ? std::max(0, int(std::ceil(-std::log10(interval) - 1e-9))) : 0;
    return QStringLiteral("%.%1f").arg(decimals);
}

void NiceAxis::setRange(QValueAxis *axis, double min, double max)
{
    if (!(max >= min) || !std::isfinite(min) || !std::isfinite(max))
        return;
    // A flat curve (a constant level, give or take rounding) still gets a readable
    // range: a tick step below the values' own resolution would make the chart lay
    // out ticks without end.
    const double magnitude = std::max({1.0, std::abs(min), std::abs(max)});
    const double minimumSpan = magnitude * kMinimumRelativeSpan;
    if (max - min < minimumSpan) {
        const double centre = 0.5 * (min + max);
        min = centre - 0.5 * minimumSpan;
        max = centre + 0.5 * minimumSpan;
    }
    const double step = interval(max - min);
    const bool isGrowing = step >= axis->tickInterval();
    axis->setTickType(QValueAxis::TicksDynamic);
    if (isGrowing)
        axis->setTickInterval(step);
    axis->setRange(min, max);
    // The anchor lies inside the range: one outside it also leaves a stray label.
    axis->setTickAnchor(std::ceil(min / step) * step);
    if (!isGrowing)
        axis->setTickInterval(step);
    axis->setLabelFormat(labelFormat(step));
}
