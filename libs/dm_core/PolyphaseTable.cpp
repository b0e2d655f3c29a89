#include "PolyphaseTable.h"

#include <algorithm>
#include <cmath>

void PolyphaseTable::build(const std::vector<double> &grid, int phases, int halfTaps)
{
    m_phases = phases;
    m_halfTaps = halfTaps;
    m_rowLength = 2 * halfTaps + 1;
    // Row p, tap i (input offset m = i − halfTaps) reads the pulse at p/phases − m samples.
    m_rows.assign(size_t(phases) * size_t(m_rowLength), 0.0);
    for (int p = 0; p < phases; ++p) {
        for (int i = 0; i < m_rowLength; ++i) {
            const int m = i - halfTaps;
            const int k = p - m * phases + (halfTaps + 1) * phases;
            m_rows[size_t(p) * size_t(m_rowLength) + size_t(i)] = grid[size_t(k)];
        }
    }
}

void PolyphaseTable::normaliseRows()
{
    for (int p = 0; p < m_phases; ++p) {
        double *row = m_rows.data() + size_t(p) * size_t(m_rowLength);
        double sum = 0.0;
        for (int i = 0; i < m_rowLength; ++i)
            sum += row[i];
        if (std::abs(sum) < 1e-300)
            continue;
        for (int i = 0; i < m_rowLength; ++i)
            row[i] /= sum;
    }
}

std::vector<double> PolyphaseTable::row(int phase) const
{
    const auto first = m_rows.cbegin() + std::ptrdiff_t(phase) * m_rowLength;
    return std::vector<double>(first, first + m_rowLength);
}

std::complex<double> PolyphaseTable::at(const double *re, const double *im, int size, double t, int limitTaps) const
{
    int centre = int(std::floor(t));
    int phase = int((t - centre) * m_phases + 0.5); // nearest phase; the fraction is never negative
    if (phase == m_phases) {
        phase = 0;
        ++centre;
    }
    const int half = std::min(limitTaps, m_halfTaps);
    int first = centre - half;
    int last = centre + half; // inclusive
    const double *row = m_rows.data() + size_t(phase) * size_t(m_rowLength) + (m_halfTaps - half);
    // Near the ends only the part of the window inside the signal contributes.
    const int skipped = std::max(0, -first);
    last = std::min(last, size - 1);
    first += skipped;
    row += skipped;
    const int count = last - first + 1;
    double sumRe = 0.0;
    double sumIm = 0.0;
    const double *xr = re + first;
    const double *xi = im + first;
#pragma omp simd reduction(+ : sumRe, sumIm)
    for (int i = 0; i < count; ++i) {
        sumRe += xr[i] * row[i];
        sumIm += xi[i] * row[i];
    }
    return {sumRe, sumIm};
}
