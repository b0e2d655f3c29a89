#pragma once

#include <complex>
#include <vector>

// A pulse tabulated for evaluation at any real-valued input position: the pulse is
// sampled `phases` times finer than the input, and row p holds the taps for an output
// p/phases of a sample after an input sample, so one output is a single dot product of
// the input with the row of the nearest phase.
class PolyphaseTable
{
public:
    // `grid` holds the pulse at times (k − (halfTaps + 1)·phases)/phases input samples,
    // k = 0 … 2·(halfTaps + 1)·phases − 1.
    void build(const std::vector<double> &grid, int phases, int halfTaps);
    // Scales every row to a sum of 1, so that a constant input passes unchanged at any phase.
    void normaliseRows();

    // Output at input position t (in samples). The input is given as separate I and Q
    // arrays so that the dot products vectorise. Only the central ±limitTaps taps are
    // used when limitTaps is smaller than halfTaps(). Outside the input counts as zero.
    std::complex<double> at(const double *re, const double *im, int size, double t, int limitTaps) const;
    std::complex<double> at(const double *re, const double *im, int size, double t) const
    {
        return at(re, im, size, t, m_halfTaps);
    }

    int halfTaps() const { return m_halfTaps; }
    int phases() const { return m_phases; }
    // The taps of an output that falls on an input sample.
    std::vector<double> row(int phase) const;

private:
    int m_phases = 1;
    int m_halfTaps = 0;
    int m_rowLength = 1;
    std::vector<double> m_rows;
};
