#include "Fft.h"

#include <cmath>
#include <utility>

int Fft::nextPowerOfTwo(int n)
{
    int size = 1;
    while (size < n)
        size <<= 1;
    return size;
}

void Fft::prepare(int size)
{
    if (size == m_size)
        return;
    m_size = size;
    m_twiddles.resize(size_t(size / 2));
    for (int k = 0; k < size / 2; ++k)
        m_twiddles[size_t(k)] = std::polar(1.0, -2.0 * M_PI * k / size);
}

void Fft::forward(std::vector<std::complex<double>> &data)
{
    const int n = int(data.size());
    prepare(n);
    for (int i = 1, j = 0; i < n; ++i) {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[size_t(i)], data[size_t(j)]);
    }
    for (int length = 2; length <= n; length <<= 1) {
        const int stride = n / length;
        for (int start = 0; start < n; start += length) {
            for (int k = 0; k < length / 2; ++k) {
                const std::complex<double> w = m_twiddles[size_t(k * stride)];
                std::complex<double> &a = data[size_t(start + k)];
                std::complex<double> &b = data[size_t(start + k + length / 2)];
                const std::complex<double> t = b * w;
                b = a - t;
                a += t;
            }
        }
    }
}
