#pragma once

#include "Filtration.h"

// Windowed-sinc decimation filter with taps + 1 coefficients and cut-off 32π/taps,
// so that a filter of 32·D taps passes up to π/D; no parameters, ovs ignored.
class Lowpass2 : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
