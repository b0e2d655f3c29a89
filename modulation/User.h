#pragma once

#include "Filtration.h"

// The user's own coefficients: the parameter vector, unchanged.
class User : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
