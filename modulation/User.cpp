#include "User.h"

QVector<double> User::coefficients(int, double, const QVector<double> &params) const
{
    return params;
}
