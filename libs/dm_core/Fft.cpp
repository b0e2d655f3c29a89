#include "Fft.h"

#include <algorithm>
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
    m_twiddleRe.assign(size_t(std::max(size, 2)), 0.0);
    m_twiddleIm.assign(size_t(std::max(size, 2)), 0.0);
    for (int half = 1; half < size; half <<= 1) {
        for (int k = 0; k < half; ++k) {
            m_twiddleRe[size_t(half + k)] = std::cos(M_PI * k / half);
            m_twiddleIm[size_t(half + k)] = -std::sin(M_PI * k / half);
        }
    }
    m_reversed.assign(size_t(size), 0);
    for (int i = 1, j = 0; i < size; ++i) {
        int bit = size >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        m_reversed[size_t(i)] = j;
    }
}

void Fft::forward(std::vector<std::complex<double>> &data)
{
    const int n = int(data.size());
    m_re.resize(size_t(n));
    m_im.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        m_re[size_t(i)] = data[size_t(i)].real();
        m_im[size_t(i)] = data[size_t(i)].imag();
    }
    forward(m_re.data(), m_im.data(), n);
    for (int i = 0; i < n; ++i)
        data[size_t(i)] = {m_re[size_t(i)], m_im[size_t(i)]};
}

void Fft::forward(double *re, double *im, int n)
{
    prepare(n);
    for (int i = 1; i < n; ++i) {
        const int j = m_reversed[size_t(i)];
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
    // The first stage's twiddles are all 1.
    for (int i = 0; i + 1 < n; i += 2) {
        const double br = re[i + 1], bi = im[i + 1];
        re[i + 1] = re[i] - br;
        im[i + 1] = im[i] - bi;
        re[i] += br;
        im[i] += bi;
    }
    for (int half = 2; half < n; half <<= 1) {
        const double *wr = m_twiddleRe.data() + half;
        const double *wi = m_twiddleIm.data() + half;
        for (int start = 0; start < n; start += 2 * half) {
            double *ar = re + start, *ai = im + start;
            double *br = ar + half, *bi = ai + half;
#pragma omp simd
            for (int k = 0; k < half; ++k) {
                const double tr = br[k] * wr[k] - bi[k] * wi[k];
                const double ti = br[k] * wi[k] + bi[k] * wr[k];
                br[k] = ar[k] - tr;
                bi[k] = ai[k] - ti;
                ar[k] += tr;
                ai[k] += ti;
            }
        }
    }
}
