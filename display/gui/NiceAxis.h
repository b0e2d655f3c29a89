#pragma once

#include <QString>
#include <QValueAxis>

QT_CHARTS_USE_NAMESPACE

// Value axes with ticks at round values (1, 2 or 5 times a power of ten). Ranges
// are changed only through here: the tick step is switched before a range grows
// and after it shrinks, so the chart never lays out thousands of ticks in between
// (Qt Charts then leaves stale labels standing among the new ones).
class NiceAxis
{
public:
    static constexpr int kTargetTicks = 5;  // until the axis knows its length on screen
    static constexpr int kMaxTicks = 11;
    // Room per tick that a long axis is given (labels may need more; they get it).
    static constexpr int kPixelsPerTickX = 60;
    static constexpr int kPixelsPerTickY = 30;
    static constexpr int kLabelGap = 12;  // least room between two labels, in pixels
    // The narrowest range, relative to the size of its values (and at least of 1).
    static constexpr double kMinimumRelativeSpan = 1e-6;

    static double interval(double span, int ticks = kTargetTicks);
    // "%.Nf" with just the decimals that ticks `interval` apart need.
    static QString labelFormat(double interval);
    static void setRange(QValueAxis *axis, double min, double max);
    // The axis's length on screen in pixels: from then on the tick count follows it,
    // as many as fit without labels running together. Re-applies the range when
    // the length changed.
    static void setLength(QValueAxis *axis, int pixels);
    // The tick step for a range on an axis of the length given by setLength.
    static double stepFor(const QValueAxis *axis, double min, double max);
    static void setMin(QValueAxis *axis, double min) { setRange(axis, min, axis->max()); }
    static void setMax(QValueAxis *axis, double max) { setRange(axis, axis->min(), max); }
};
