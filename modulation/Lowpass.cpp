#include "Lowpass.h"

#include "FilterMath.h"

#include <algorithm>

QVector<double> Lowpass::coefficients(int taps, double oversampling, const QVector<double> &params) const
{
    if (taps <= 0 || params.size() < 2)
        return {};
    // Band edges are relative to the symbol rate; the sample rate is ovs times that,
    // with K = ⌊ovs/2⌋ (at least 1, so that ovs below 2 still gives a filter).
    const int halfOversampling = std::max(1, int(oversampling / 2.0));
    const double centre = (params.at(0) + params.at(1)) / (2.0 * halfOversampling);
    const double width = (params.at(1) - params.at(0)) / (2.0 * halfOversampling);
    const QVector<double> window = FilterMath::blackmanWindow(taps);
    QVector<double> h(taps);
    for (int k = 0; k < taps; ++k) {
        const double m = (taps - 1) / 2.0 - k;
        h[k] = centre * FilterMath::sinc(m * centre) * FilterMath::sinc(m * width) * window.at(k);
    }
    return h;
}
