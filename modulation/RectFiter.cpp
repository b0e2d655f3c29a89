#include "RectFiter.h"

#include <algorithm>
#include <cmath>

QVector<double> RectFiter::coefficients(int taps, double oversampling, const QVector<double> &) const
{
    if (taps <= 0)
        return {};
    const int ones = std::min(taps, std::max(0, int(std::floor(oversampling))));
    const int zeros = taps - ones;
    // An odd number of zeros puts the extra one after the rectangle.
    const int leading = zeros / 2;
    QVector<double> h(taps, 0.0);
    std::fill(h.begin() + leading, h.begin() + leading + ones, 1.0);
    return h;
}
