#include "NotFilter.h"

QVector<double> NotFilter::coefficients(int, double, const QVector<double> &) const
{
    return {};
}
