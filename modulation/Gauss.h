#pragma once

#include "Filtration.h"

// Gaussian pulse as used by GMSK-like schemes; params[0] is the BT product.
// Scaled by 1/ovs so that the taps sum to about 1.
class Gauss : public Filtration
{
public:
    QVector<double> coefficients(int taps, double oversampling,
                                 const QVector<double> &params) const override;
};
