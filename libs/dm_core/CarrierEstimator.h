#pragma once

#include "Fft.h"

#include <complex>
#include <vector>

// Carrier frequency and phase from symbol samples by the power law: raising the
// samples to the constellation's symmetry order m removes the modulation and leaves a
// line at m times the carrier offset, with phase m·θ plus the constellation's own.
class CarrierEstimator
{
public:
    struct Carrier
    {
        double phase = 0.0;     // radians at sample 0
        double frequency = 0.0; // radians per sample
    };

    // Coarse offset from the peak of the spectrum of samples^m (parabolic interpolation
    // between bins). Unambiguous for |m·offset| below half the sample rate.
    double coarseFrequency(const std::vector<std::complex<double>> &samples, int exponent);

    // Phase and frequency by a straight-line fit through the block-wise phases of
    // samples^m, each taken relative to `reference` (the mean m-th power of the ideal
    // points) and unwrapped modulo 2π/m.
    static Carrier blockFit(const std::vector<std::complex<double>> &samples, int exponent,
                            std::complex<double> reference);

    // Data-aided refinement: a straight-line fit through the phases of
    // samples·conj(decisions), unwrapped from sample to sample.
    static Carrier decisionFit(const std::vector<std::complex<double>> &samples,
                               const std::vector<std::complex<double>> &decisions);

private:
    Fft m_fft;
    std::vector<std::complex<double>> m_spectrum;
};
