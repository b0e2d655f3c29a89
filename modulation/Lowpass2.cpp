#include "Lowpass2.h"

#include "FilterMath.h"

#include <cmath>

namespace {
// 32π: a filter of 32·D taps cuts off at π/D.
constexpr double kCutoffTimesTaps = 100.53096491487338;
} // namespace

QVector<double> Lowpass2::coefficients(int taps, double, const QVector<double> &) const
{
    if (taps <= 0)
        return {};
    const int length = taps + 1;
    const double cutoff = kCutoffTimesTaps / taps;
    QVector<double> window = FilterMath::blackmanWindow(length);
    window.first() = 0.0;
    window.last() = 0.0;
    QVector<double> h(length, 0.0);
    const int centre = taps / 2;
    for (int i = 0; i <= centre; ++i) {
        const double gain = i == 0 ? cutoff / M_PI
                                   : std::sin(cutoff * i) / (cutoff * i) * cutoff / M_PI;
        h[centre + i] = window.at(centre + i) * gain;
        h[centre - i] = window.at(centre - i) * gain;
    }
    return h;
}
