#pragma once

#include "Signal.h"

#include <QPair>
#include <QPointF>
#include <QString>
#include <QVector>

// The measurements of the plot markers, on the full-resolution point series of a
// plot (never the thinned one that is drawn): values at a position, peak and
// minimum search, channel power between two positions, occupied bandwidth and
// the RMS power of a stretch of samples. No widgets: the markers, the
// measurement panel and tarnwick-cli share these routines.
class MarkerMath
{
public:
    // How a marker moves with new data; the numbers are those of the marker's menu order.
    enum Mode { ModeManual = 0, ModeMaximum = 1, ModeMinimum = 2, ModeRedrawOnly = 3 };
    // How several points under one pixel column give one value; anything but
    // maximum and minimum takes their mean.
    enum DisplayRule { RuleAverage = 0, RuleMaximum = 1, RuleMinimum = 2 };

    static constexpr int kDecimals = 3;           // readouts: 3 decimals, trailing zeros removed
    static constexpr double kInterpolateLimit = 2.0;  // points per pixel up to which values interpolate
    static constexpr double kOccupiedShare = 0.99;    // occupied bandwidth holds this share of the power
    static constexpr double kNoPowerDb = -200.0;      // RMS of a stretch without power

    struct Reading
    {
        bool isValid = false;  // false for a series of fewer than two points
        double x = 0.0;        // where the marker stands after the update
        double y = 0.0;
    };

    // First index of the largest y (a later equal value does not win); -1 when empty.
    static int peakIndex(const QVector<QPointF> &series);
    // First index of the smallest y; -1 when empty.
    static int minimumIndex(const QVector<QPointF> &series);
    // x of the point nearest to `x` (the series in ascending x), so that a marker
    // placed by hand stands on a point; `x` itself for an empty series.
    static double nearestX(const QVector<QPointF> &series, double x);
    // x of point 1 minus x of point 0; 0 for fewer than two points.
    static double spacing(const QVector<QPointF> &series);

    // The curve's value at `x` on a plot `plotWidth` pixels wide: linear
    // interpolation at up to two points per pixel, otherwise the maximum,
    // minimum or mean (by `rule`) of the points of one pixel left of x.
    static Reading valueAt(const QVector<QPointF> &series, double x, double plotWidth, int rule);
    // A marker's update on a new series: Manual reads at x, Maximum and Minimum
    // move x to the extreme first; the redraw-only mode reads nothing.
    static Reading follow(const QVector<QPointF> &series, int mode, double x, double plotWidth, int rule);

    // Mean of the linear powers of the bins between f1 and f2 (either order), in
    // dB, the bins found by the positions' share of the x range [xMin, xMax]; -inf
    // when no bin lies between them.
    static double channelPower(const QVector<QPointF> &series, double f1, double f2, double xMin, double xMax);
    // Indexes of the occupied band grown symmetrically from the centre index until
    // it holds more than 99 % of the power; both the centre when it never does.
    static QPair<int, int> occupiedBandIndexes(const QVector<QPointF> &series);
    // x of the lower and upper bound of the occupied band; (0, 0) when empty.
    static QPair<double, double> occupiedBand(const QVector<QPointF> &series);
    // 10·log10 of the mean of I² + Q² over `count` samples, -200 when that mean is not positive.
    static double rmsPower(const IQ *samples, int count);

    // A readout value: 3 decimals, trailing zeros and separator removed, "-inf"
    // for minus infinity.
    static QString formatValue(double value);
    // "<value> <unit>", or "- - <unit>" for an invalid reading.
    static QString readout(const Reading &reading, const QString &unit);
    static QString withUnit(const QString &number, const QString &unit);
};
