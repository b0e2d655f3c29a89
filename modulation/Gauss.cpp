#include "Gauss.h"

#include <cmath>

namespace {
constexpr double kLn2 = 0.6931471805599453;
constexpr double kSqrtTwoPiOverLn2 = 3.01076739115701; // √(2π/ln 2)
} // namespace

QVector<double> Gauss::coefficients(int taps, double oversampling, const QVector<double> &params) const
{
    if (params.isEmpty())
        return {};
    const double bt = params.at(0);
    QVector<double> h = timeAxis(taps, oversampling);
    for (double &t : h) {
        const double spread = M_PI * bt * t;
        t = bt * kSqrtTwoPiOverLn2 * std::exp(-2.0 * spread * spread / kLn2) / oversampling;
    }
    return h;
}
