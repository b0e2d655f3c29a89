#pragma once

#include <complex>
#include <vector>

// In-place radix-2 complex FFT (forward, unnormalised). The twiddle table is kept
// between calls of the same size.
class Fft
{
public:
    // Sizes are powers of two.
    void forward(std::vector<std::complex<double>> &data);
    static int nextPowerOfTwo(int n);

private:
    void prepare(int size);

    int m_size = 0;
    std::vector<std::complex<double>> m_twiddles;
};
