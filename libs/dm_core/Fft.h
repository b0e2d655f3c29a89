#pragma once

#include <complex>
#include <vector>

// In-place radix-2 complex FFT (forward, unnormalised). The twiddle and bit-reversal
// tables are kept between calls of the same size. The work is done on I and Q held
// apart, so that the butterflies of a stage vectorise.
class Fft
{
public:
    // Sizes are powers of two.
    void forward(std::vector<std::complex<double>> &data);
    // `size` values of I in re, of Q in im. Swapping the two arrays gives the inverse
    // transform (unnormalised): IDFT(x) = swap(DFT(swap(x))).
    void forward(double *re, double *im, int size);
    static int nextPowerOfTwo(int n);

private:
    void prepare(int size);

    int m_size = 0;
    std::vector<double> m_twiddleRe, m_twiddleIm; // stage of half length h at [h, 2h)
    std::vector<int> m_reversed;
    std::vector<double> m_re, m_im;
};
