#pragma once

#include "PolyphaseTable.h"

#include <complex>

// Band-limited interpolation between the samples of a signal whose content stays below
// a known band edge: a Kaiser-windowed sinc, as short as the free band between the
// edge and its image allows for an error below −100 dB. On an oversampled signal a
// handful of taps reproduce what a long filter evaluated at the same instant gives.
class SampleInterpolator
{
public:
    // bandEdge in cycles per sample; false when the band leaves too little room for a
    // short interpolator (then there is nothing to gain over filtering at the instant).
    bool design(double bandEdge);

    // The signal (I and Q apart, zero outside) at input position t, in samples.
    std::complex<double> at(const double *re, const double *im, int size, double t) const
    {
        // The table is centred on the sample below its argument; shifted by half a
        // sample, it is centred on the nearest sample, so the window is symmetric.
        return m_table.at(re, im, size, t + 0.5);
    }

    int halfTaps() const { return m_table.halfTaps(); }

private:
    PolyphaseTable m_table;
};
