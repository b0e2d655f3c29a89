#include "Filtration.h"

QVector<double> Filtration::timeAxis(int taps, double oversampling)
{
    if (taps <= 0 || oversampling <= 0.0)
        return {};
    QVector<double> t(taps);
    const double start = -taps / (2.0 * oversampling);
    for (int k = 0; k < taps; ++k)
        t[k] = start + k / oversampling;
    return t;
}
