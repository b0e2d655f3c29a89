#pragma once

#include "Filtration.h"

// One-symbol rectangle (ovs ones) centred in the taps; no parameters.
class RectFiter : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
