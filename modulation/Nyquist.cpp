#include "Nyquist.h"

#include "FilterMath.h"

#include <cmath>

namespace {

struct SingularLimit
{
    double alpha;
    double value;
};

// h(±1/(2α)) = (π/4)·sinc(1/(2α)) for the roll-offs in common use; other roll-offs
// get 0 at the singular time.
constexpr SingularLimit kLimits[] = {
    {1.0, 0.5},
    {0.8, 0.369551813004512},
    {0.5, 0.0},
    {0.4, -0.14142135623731},
    {0.32, -0.156925644864517},
    {0.25, 0.0},
    {0.2, 0.1},
    {0.16, -0.030614674589207},
    {0.1, 0.0},
    {0.08, 0.028284271247462},
    {0.05, 0.0},
    {0.04, 0.02},
};
constexpr double kUnlistedLimit = 0.0;

double singularLimit(double alpha)
{
    for (const SingularLimit &limit : kLimits) {
        if (FilterMath::fuzzyEqual(alpha, limit.alpha))
            return limit.value;
    }
    return kUnlistedLimit;
}

} // namespace

QVector<double> Nyquist::coefficients(int taps, double oversampling, const QVector<double> &params) const
{
    if (params.isEmpty())
        return {};
    const double alpha = params.at(0);
    QVector<double> h = timeAxis(taps, oversampling);
    for (double &t : h) {
        const double d = 1.0 - std::pow(2.0 * alpha * t, 2);
        if (FilterMath::isFuzzyZero(d))
            t = singularLimit(alpha);
        else
            t = FilterMath::sinc(t) * std::cos(M_PI * alpha * t) / d;
    }
    return h;
}
