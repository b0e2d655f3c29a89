#pragma once

#include "Filtration.h"

// Blackman-windowed band-limited pulse; params[0] and params[1] are the two band
// edges, relative to the symbol rate.
class Lowpass : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
