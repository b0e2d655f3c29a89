#include "BlockConvolver.h"

#include <algorithm>

void BlockConvolver::setTaps(const std::vector<double> &taps)
{
    const int count = int(taps.size());
    m_half = (count - 1) / 2;
    // Four times the filter length keeps the overlap (the filter length) a quarter of a block.
    m_blockSize = Fft::nextPowerOfTwo(std::max(256, 4 * count));
    m_responseRe.assign(size_t(m_blockSize), 0.0);
    m_responseIm.assign(size_t(m_blockSize), 0.0);
    for (int j = 0; j < count; ++j)
        m_responseRe[size_t(j)] = taps[size_t(count - 1 - j)] / m_blockSize;
    m_fft.forward(m_responseRe.data(), m_responseIm.data(), m_blockSize);
}

void BlockConvolver::apply(const double *re, const double *im, int size, std::vector<double> &outRe,
                           std::vector<double> &outIm)
{
    outRe.resize(size_t(size));
    outIm.resize(size_t(size));
    const int valid = m_blockSize - 2 * m_half;
    const int blocks = (size + valid - 1) / valid;
#pragma omp parallel
    {
        // Each thread its own transform (the tables are copied, not recomputed) and block.
        Fft fft = m_fft;
        std::vector<double> blockRe(static_cast<size_t>(m_blockSize)), blockIm(static_cast<size_t>(m_blockSize));
#pragma omp for schedule(static)
        for (int b = 0; b < blocks; ++b)
            filterBlock(fft, re, im, size, b * valid, blockRe.data(), blockIm.data(), outRe.data(), outIm.data());
    }
}

void BlockConvolver::filterBlock(Fft &fft, const double *re, const double *im, int size, int first, double *xr,
                                 double *xi, double *outRe, double *outIm) const
{
    const int overlap = 2 * m_half;
    // The block's input starts half a filter before its first output; the first
    // `overlap` points of the circular convolution are wrapped and dropped.
    const int start = first - m_half;
    const int from = std::max(0, -start);
    const int to = std::min(m_blockSize, size - start);
    std::fill(xr, xr + from, 0.0);
    std::fill(xi, xi + from, 0.0);
    std::copy(re + start + from, re + start + to, xr + from);
    std::copy(im + start + from, im + start + to, xi + from);
    std::fill(xr + std::max(from, to), xr + m_blockSize, 0.0);
    std::fill(xi + std::max(from, to), xi + m_blockSize, 0.0);
    fft.forward(xr, xi, m_blockSize);
    const double *hr = m_responseRe.data();
    const double *hi = m_responseIm.data();
#pragma omp simd
    for (int i = 0; i < m_blockSize; ++i) {
        const double r = xr[i] * hr[i] - xi[i] * hi[i];
        xi[i] = xr[i] * hi[i] + xi[i] * hr[i];
        xr[i] = r;
    }
    fft.forward(xi, xr, m_blockSize); // the inverse, by swapping I and Q
    const int count = std::min(m_blockSize - overlap, size - first);
    std::copy(xr + overlap, xr + overlap + count, outRe + first);
    std::copy(xi + overlap, xi + overlap + count, outIm + first);
}
