#include "Sqr_Nyquist.h"

#include "FilterMath.h"

#include <cmath>

namespace {

struct SingularLimit
{
    double beta;
    double value;
};

// h(±1/(4β)) = (β/√2)·[(1 + 2/π)·sin(π/(4β)) + (1 − 2/π)·cos(π/(4β))] for the
// roll-offs in common use; other roll-offs get a fixed small value.
constexpr SingularLimit kLimits[] = {
    {1.0, 1.0},
    {0.8, 0.883986909437005},
    {0.5, 0.57863246963255},
    {0.4, 0.388337364018997},
    {0.25, -0.064237155776999},
    {0.2, -0.2},
    {0.16, -0.173584036533474},
    {0.1, 0.11572649392651},
    {0.08, -0.054420455432815},
    {0.05, -0.012847431155399},
    {0.04, 0.04},
    {0.02, 0.023145298785301},
};
constexpr double kUnlistedLimit = -0.002569486231078;

double singularLimit(double beta)
{
    for (const SingularLimit &limit : kLimits) {
        if (FilterMath::fuzzyEqual(beta, limit.beta))
            return limit.value;
    }
    return kUnlistedLimit;
}

} // namespace

QVector<double> Sqr_Nyquist::coefficients(int taps, double oversampling, const QVector<double> &params) const
{
    if (params.isEmpty())
        return {};
    const double beta = params.at(0);
    QVector<double> h = timeAxis(taps, oversampling);
    for (double &t : h) {
        const double d = M_PI * (1.0 - std::pow(4.0 * beta * t, 2));
        if (FilterMath::isFuzzyZero(d)) {
            t = singularLimit(beta);
            continue;
        }
        // 4β·[cos((1+β)πt) + sinc((1−β)t)·π(1−β)/(4β)], multiplied out so that β = 0
        // gives the plain sinc instead of 0·∞.
        const double direct = 4.0 * beta * std::cos((1.0 + beta) * M_PI * t);
        const double spread = M_PI * (1.0 - beta) * FilterMath::sinc((1.0 - beta) * t);
        t = (direct + spread) / d;
    }
    return h;
}
