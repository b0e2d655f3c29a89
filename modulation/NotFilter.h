#pragma once

#include "Filtration.h"

// No filtering: an empty coefficient list, which a FilterChain treats as pass-through.
class NotFilter : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
