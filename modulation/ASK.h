#pragma once

#include "Modulation.h"

// Amplitude keying. 2ASK, 4ASK, 8ASK put symbol s at amplitude (s + 1)/M. Plain ASK
// is on-off keying with a depth: parameter 0 is the modulation depth in percent
// (50 at construction), symbol 0 sits at 1 − depth/100 and every other at 1.
class ASK : public Modulation
{
public:
    explicit ASK(int id);
    IQVector modulate(const QVector<int> &symbols) const override;

private:
    double depthLevel() const;
};
