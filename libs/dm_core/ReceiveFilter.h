#pragma once

#include "DmSettings.h"
#include "PolyphaseTable.h"

#include <complex>
#include <vector>

// The receive (matched) filter, evaluated at any real-valued input position: the
// pulse is tabulated on a grid `phases` times finer than the input samples, so one
// output is a single dot product of the input with the row of the nearest phase.
// This does matched filtering, fractional timing and resampling in one step.
class ReceiveFilter
{
public:
    // Tabulates the pulse of `settings` over ±halfSpanSymbols symbols.
    void design(const DmSettings &settings, int halfSpanSymbols);

    // Filter output at input position t (in samples). The input is given as separate I
    // and Q arrays so that the dot products vectorise. Only the central ±limitTaps taps
    // are used when limitTaps is smaller than halfTaps() (a cheaper acquisition filter).
    std::complex<double> at(const double *re, const double *im, int size, double t, int limitTaps) const
    {
        return m_table.at(re, im, size, t, limitTaps);
    }
    std::complex<double> at(const double *re, const double *im, int size, double t) const
    {
        return m_table.at(re, im, size, t);
    }
    // The taps of an output that falls on an input sample (2·halfTaps() + 1 of them).
    std::vector<double> sampleAlignedTaps() const { return m_table.row(0); }
    // Highest frequency the filter passes, in cycles per input sample.
    double bandEdge() const { return m_bandEdge; }

    // Output for a constant input of 1 (the sum of the taps).
    double dcGain() const { return m_dcGain; }

    // Input samples on each side of an output that the filter reads.
    int halfTaps() const { return m_table.halfTaps(); }

private:
    std::vector<double> prototype(const DmSettings &settings, int gridTaps, double gridOversampling) const;

    PolyphaseTable m_table;
    double m_dcGain = 1.0;
    double m_bandEdge = 0.5;
};
