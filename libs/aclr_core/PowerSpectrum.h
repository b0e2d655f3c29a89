#pragma once

#include <vector>

class FftwLibrary;

// The power spectrum of a block of IQ samples by averaged windowed FFTs (Welch):
// Blackman-Harris segments overlapping by half, the powers of each bin averaged.
// Bin powers are in the program's power units (mean I² + Q²) and sum to the
// block's mean power, so the power of a band is the sum of its bins.
class PowerSpectrum
{
public:
    // The largest transform; the trace it gives fits the program's output array.
    static constexpr int kMaxLength = 8192;
    static constexpr int kMinLength = 16;

    explicit PowerSpectrum(FftwLibrary &fftw) : m_fftw(fftw) {}

    // The transform length for a block of `count` samples: the largest power of two
    // up to kMaxLength that the block fills; 0 below kMinLength samples.
    static int lengthFor(int count);

    // Computes the spectrum; false when the block is too short or FFTW is missing.
    bool compute(const double *i, const double *q, int count);

    // Bin powers from -Fs/2 up (bin k lies at (k - L/2)·Fs/L).
    const std::vector<double> &bins() const { return m_bins; }
    int length() const { return int(m_bins.size()); }
    int segments() const { return m_segments; }
    // Noise bandwidth of one bin relative to the bin spacing.
    double noiseBandwidthBins() const { return m_noiseBandwidthBins; }
    // The power between two frequencies (Hz, relative to the centre) at sample
    // rate fs: whole bins inside, edge bins in proportion to their overlap.
    double bandPower(double fLow, double fHigh, double fs) const;

private:
    void prepareWindow(int length);

    FftwLibrary &m_fftw;
    std::vector<double> m_window;
    double m_windowEnergy = 0.0;
    double m_noiseBandwidthBins = 0.0;
    std::vector<double> m_bins;
    int m_segments = 0;
};
