#include "NiceAxis.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {
const char kLengthProperty[] = "niceAxisPixels";

QString labelText(const QString &format, double value)
{
    return QString::asprintf(format.toLatin1().constData(), value);
}

// The next round step below a round step: 10 -> 5 -> 2 -> 1.
double niceBelow(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / decade;
    return mantissa > 5.5 ? 5.0 * decade : mantissa > 2.5 ? 2.0 * decade : mantissa > 1.5 ? decade : 0.5 * decade;
}

// Whether the labels of ticks `step` apart stand apart on an axis `pixels` long.
bool labelsFit(const QValueAxis *axis, double min, double max, double step, int pixels)
{
    const QFontMetrics metrics(axis->labelsFont());
    const int labels = int(std::floor((max - min) / step + 1e-9)) + 1;
    int room = metrics.height() + NiceAxis::kLabelGap / 3;  // stacked labels need less air
    if (axis->orientation() == Qt::Horizontal) {
        const QString format = NiceAxis::labelFormat(step);
        const double first = std::ceil(min / step) * step;
        const double last = std::floor(max / step) * step;
        room = std::max(metrics.horizontalAdvance(labelText(format, first)), metrics.horizontalAdvance(labelText(format, last)))
               + NiceAxis::kLabelGap;
    }
    return labels * room <= pixels;
}
}  // namespace

double NiceAxis::interval(double span, int ticks)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double raw = span / std::max(1, ticks - 1);
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
    const double step = stepFor(axis, min, max);
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

double NiceAxis::stepFor(const QValueAxis *axis, double min, double max)
{
    const int pixels = axis->property(kLengthProperty).toInt();
    if (pixels <= 0)
        return interval(max - min);
    const int perTick = axis->orientation() == Qt::Horizontal ? kPixelsPerTickX : kPixelsPerTickY;
    int ticks = qBound(2, pixels / perTick, kMaxTicks);
    while (ticks > 2 && !labelsFit(axis, min, max, interval(max - min, ticks), pixels))
        --ticks;
    double step = interval(max - min, ticks);
    // Two labels where they fit: one number alone does not tell the scale.
    while (std::floor(max / step) - std::ceil(min / step) < 1.0 && labelsFit(axis, min, max, niceBelow(step), pixels))
        step = niceBelow(step);
    return step;
}

void NiceAxis::setLength(QValueAxis *axis, int pixels)
{
    if (axis->property(kLengthProperty).toInt() == pixels)
        return;
    axis->setProperty(kLengthProperty, pixels);
    setRange(axis, axis->min(), axis->max());
}
