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
    static constexpr int kTargetTicks = 5;
    // The narrowest range, relative to the size of its values (and at least of 1).
    static constexpr double kMinimumRelativeSpan = 1e-6;

    static double interval(double span);
    // "%.Nf" with just the decimals that ticks `interval` apart need.
    static QString labelFormat(double interval);
    static void setRange(QValueAxis *axis, double min, double max);
    static void setMin(QValueAxis *axis, double min) { setRange(axis, min, axis->max()); }
    static void setMax(QValueAxis *axis, double max) { setRange(axis, axis->min(), max); }
};
