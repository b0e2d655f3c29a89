#pragma once

#include "Filtration.h"

// Raised-cosine (Nyquist) pulse; params[0] is the roll-off α. At the singular
// times t = ±1/(2α) the value comes from a table of limits for the common roll-offs.
class Nyquist : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
