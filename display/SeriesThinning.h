#pragma once

#include <QPointF>
#include <QVector>

// Min/max decimation of a point series to a plot width: every group of
// g = n / width consecutive points becomes its largest-y point followed by its
// smallest-y point, so each pixel column keeps the extremes the eye would see.
class SeriesThinning
{
public:
    // Below this many points per group the series is drawn as it is.
    static constexpr int kMinGroupSize = 3;

    // Groups are split over the OpenMP threads in contiguous chunks and joined in
    // order; the n - G*g points that do not fill a group are appended unchanged.
    static QVector<QPointF> thin(const QVector<QPointF> &series, int width);
};
