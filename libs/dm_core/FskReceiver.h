#pragma once

#include "Constellation.h"
#include "DmResult.h"
#include "DmSettings.h"
#include "SymbolTiming.h"

#include <complex>
#include <vector>

// Receiver for frequency keying: a phase discriminator gives the instantaneous
// frequency, a one-symbol moving average is the post-detection filter, the timing
// comes from the symbol-rate line of its square, and the frequency levels are fitted
// (scale and carrier offset) to the catalogue's levels from −1 to +1 by decisions.
class FskReceiver
{
public:
    using Complex = std::complex<double>;

    void configure(const DmSettings &settings);
    // Analyses `count` symbols from the start of `input`; returns 0 or an error code.
    int run(const QVector<Complex> &input, int count, int outputOversampling, DmResult &result);

private:
    struct Levels
    {
        double scale = 1.0;  // radians per sample for a level of 1
        double offset = 0.0; // radians per sample: the carrier offset
    };

    void discriminate(const QVector<Complex> &input);
    double frequencyAt(double t) const;
    Levels initialLevels() const;
    void decide(const Levels &levels);
    Levels fitLevels() const;
    void measure(const Levels &levels, const QVector<Complex> &input, DataAnalysis &statistics);

    DmSettings m_settings;
    Constellation m_constellation;
    SymbolTiming m_timing;
    int m_average = 1; // moving-average length, samples

    std::vector<double> m_frequency;   // moving-averaged discriminator output
    std::vector<double> m_linePower;
    std::vector<double> m_samples;     // at the symbol instants
    std::vector<double> m_ideal;       // decided levels
    std::vector<int> m_decided;
    std::vector<double> m_evm;
    double m_first = 0.0;
    double m_period = 0.0;
};
