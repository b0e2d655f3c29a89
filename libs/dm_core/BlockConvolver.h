#pragma once

#include "Fft.h"

#include <vector>

// A long filter over a whole complex signal (I and Q apart) by overlap-save FFT
// blocks: out[n] = Σ_i taps[i]·x[n − half + i] with half = (taps − 1)/2 and the
// input zero outside. Several times cheaper than the dot products from 100 taps on.
// The blocks are shared among the OpenMP threads.
class BlockConvolver
{
public:
    // An odd number of real taps, centred.
    void setTaps(const std::vector<double> &taps);
    void apply(const double *re, const double *im, int size, std::vector<double> &outRe, std::vector<double> &outIm);

private:
    void filterBlock(Fft &fft, const double *re, const double *im, int size, int first, double *xr, double *xi,
                     double *outRe, double *outIm) const;

    int m_half = 0;
    int m_blockSize = 0;
    Fft m_fft;
    // FFT of the reversed taps, divided by the block size (the inverse transform's scale).
    std::vector<double> m_responseRe, m_responseIm;
};
