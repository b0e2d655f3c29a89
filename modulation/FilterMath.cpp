#include "FilterMath.h"

#include <algorithm>
#include <cmath>

namespace FilterMath {

namespace {
constexpr double kFuzzyScale = 1e12;
constexpr double kBlackmanA0 = 0.42;
constexpr double kBlackmanA1 = 0.5;
constexpr double kBlackmanA2 = 0.08;
} // namespace

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * kFuzzyScale <= std::min(std::abs(a), std::abs(b));
}

bool isFuzzyZero(double x)
{
    return fuzzyEqual(x + 1.0, 1.0);
}

double sinc(double x)
{
    if (isFuzzyZero(x))
        return 1.0;
    const double arg = M_PI * x;
    return std::sin(arg) / arg;
}

QVector<double> blackmanWindow(int length)
{
    if (length <= 0)
        return {};
    if (length == 1)
        return {1.0};
    QVector<double> w(length);
    const double span = double(length - 1);
    for (int n = 0; n < length; ++n) {
        const double phase = 2.0 * M_PI * n / span;
        w[n] = kBlackmanA0 - kBlackmanA1 * std::cos(phase) + kBlackmanA2 * std::cos(2.0 * phase);
    }
    return w;
}

} // namespace FilterMath
