#pragma once

#include "Modulation.h"

// Phase keying with M = 2^bits phases: symbol s at angle s·2π/M + phase offset, and
// every odd-numbered symbol (the 2nd, 4th, …) turned further by the odd-symbol
// rotation, which is how the π/4-, π/2- and EDGE variants alternate between two
// constellations. Parameters: [odd-symbol rotation, phase offset] in radians.
class PSK : public Modulation
{
public:
    explicit PSK(int id);
    IQVector modulate(const QVector<int> &symbols) const override;
};
