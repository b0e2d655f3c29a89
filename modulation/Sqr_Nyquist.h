#pragma once

#include "Filtration.h"

// Root-raised-cosine pulse; params[0] is the roll-off β. At the singular times
// t = ±1/(4β) the value comes from a table of limits for the common roll-offs.
class Sqr_Nyquist : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
