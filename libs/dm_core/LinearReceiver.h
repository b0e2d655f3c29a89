#pragma once

#include "BlockConvolver.h"
#include "CarrierEstimator.h"
#include "Constellation.h"
#include "DmResult.h"
#include "DmSettings.h"
#include "ErrorStatistics.h"
#include "ReceiveFilter.h"
#include "Rotator.h"
#include "SampleInterpolator.h"
#include "SymbolTiming.h"

#include <complex>
#include <vector>

// Receiver for the schemes whose symbols are points in the IQ plane (ASK, PSK, QAM):
//  1. matched filter on a 4-per-symbol acquisition grid; symbol timing and clock error
//     from the line at the symbol rate;
//  2. symbol samples; coarse carrier offset by the power law; the input is turned back
//     by it and filtered again, so that the matched filter sees the carrier it expects
//     (on an oversampled signal once at every input sample by FFT blocks, and between
//     the samples by a short interpolator);
//  3. fine carrier phase and frequency from block-wise power-law phases, then decisions
//     and a data-aided fit, twice;
//  4. impairment fit and error statistics; the corrected signal for display.
// Offset QPSK works on half-symbol samples, its Q branch read half a symbol later.
class LinearReceiver
{
public:
    using Complex = std::complex<double>;

    // Builds the filter and the constellation when the settings change.
    void configure(const DmSettings &settings);
    // Input samples the filter needs on either side of an output.
    int marginSamples() const;

    // Analyses `count` symbols from the start of `input`; returns 0 or an error code.
    int run(const QVector<Complex> &input, int count, int outputOversampling, DmResult &result);

private:
    struct Timing
    {
        double first = 0.0;  // first symbol instant, input samples
        double period = 0.0; // input samples per symbol
    };
    struct Carrier
    {
        double coarse = 0.0;     // radians per input sample, removed before filtering
        double phase = 0.0;      // radians at the first symbol
        double perSymbol = 0.0;  // radians per symbol (per half symbol for offset QPSK)
    };

    void splitInput(const QVector<Complex> &input);
    void derotate(double radiansPerSample);
    void filterDerotated();
    Complex matchedAt(double t) const;
    bool acquireTiming(int count, Timing &timing);
    void sampleSymbols(const Timing &timing, int count, int perSymbol);
    void nearestGridSymbols(const Timing &timing, int count);
    void filterOutputGrid(const Timing &timing, int count, int oversampling);
    double fineCarrierPhase(const Carrier &carrier, int k) const { return carrier.phase + carrier.perSymbol * k; }
    void decideAll(const std::vector<Complex> &z, int parity);
    double decisionError(const std::vector<Complex> &z, int parity);
    int chooseParity(const std::vector<Complex> &z);
    void lockCarrier(const Carrier &carrier, double gain, int parity);
    void trackCarrier(Carrier &carrier, int &parity, bool acquire);
    bool refineTiming(Timing &timing);
    void trackOffsetCarrier(Carrier &carrier, int &halfShift);
    void buildPhases(const Timing &timing, const Carrier &carrier);
    void symbolValues(QVector<int> &symbols) const;
    void correctedSignal(const Timing &timing, const Carrier &carrier, int halfShift, int oversampling,
                         QVector<Complex> &out) const;
    Complex offsetComposite(double t, double period, const Carrier &carrier, double firstInstant) const;
    double meanInputPower(const Timing &timing, int count) const;

    DmSettings m_settings;
    bool m_configured = false;
    ReceiveFilter m_filter;
    Constellation m_constellation;
    BlockConvolver m_convolver;
    SampleInterpolator m_interpolator;
    bool m_interpolate = false; // the matched filter runs by FFT blocks, the instants are interpolated
    SymbolTiming m_timing;
    CarrierEstimator m_carrier;

    // Work buffers, kept between analyses.
    std::vector<double> m_re, m_im;       // input, I and Q apart
    std::vector<double> m_re2, m_im2;     // input with the coarse carrier offset removed
    std::vector<double> m_yRe, m_yIm;     // its matched-filter output at every input sample
    std::vector<Complex> m_grid;          // acquisition grid
    std::vector<double> m_gridPower;
    std::vector<Complex> m_gridSquare;
    std::vector<Complex> m_samples;       // symbol (or half-symbol) samples
    std::vector<Complex> m_outputGrid;    // filter output at the output oversampling
    std::vector<Complex> m_composite;     // symbol samples after carrier removal
    std::vector<Complex> m_ideal;         // decided ideal points
    std::vector<int> m_decided;           // decided symbol values
    std::vector<Complex> m_carrierTurn, m_coarseTurn; // e^{jΦ_k}, e^{jΨ_k} of ErrorStatistics
    std::vector<double> m_evm;
    ErrorStatistics::Model m_model;
    Timing m_timingUsed;
    double m_offsetCoarse = 0.0; // radians per sample, found before the offset-QPSK timing
};
