#pragma once

#include "dm_core.h"

#include <complex>
#include <vector>

// Data-aided impairment estimates. The symbol samples y_k (matched-filter output at the
// symbol instants) are fitted, in the least-squares sense, to
//     y_k = α·e^{jΦ_k}·s_k + β·e^{−j(Φ_k + 2Ψ_k)}·conj(s_k) + γ·e^{−jΨ_k}
// where s_k are the decided ideal points, Φ_k the fitted carrier phase left after the
// coarse correction and Ψ_k the phase of that coarse correction, both handed in as
// unit phasors e^{jΦ_k} and e^{jΨ_k}. The three terms are
// the wanted signal, its image (gain imbalance and quadrature error, which arise in
// the receiver's own IQ frame) and the IQ offset (a constant in that frame).
class ErrorStatistics
{
public:
    using Complex = std::complex<double>;

    struct Model
    {
        Complex signal;  // α
        Complex image;   // β
        Complex offset;  // γ
    };

    // For real constellations (every point on the I axis) the image cannot be told from
    // the signal; it is then left out and β is 0.
    static Model fit(const std::vector<Complex> &samples, const std::vector<Complex> &ideal,
                     const std::vector<Complex> &carrierTurn, const std::vector<Complex> &coarseTurn, bool realPoints);

    // The symbol with carrier, gain and offset removed (the image stays in, so that it
    // counts in the EVM as it does on the air).
    // Inline: it runs once per output sample.
    static Complex corrected(const Model &model, Complex sample, Complex carrierTurn, Complex coarseTurn)
    {
        const Complex withoutOffset = sample - model.offset * std::conj(coarseTurn);
        // times 1/α written out: complex division goes through a slow library call
        return withoutOffset * std::conj(carrierTurn * model.signal) / std::norm(model.signal);
    }

    // Fills mer, evm, evmPeak, magnitudeError, phaseError, snr, gainImbalance and
    // quadratureError of `statistics`, and the EVM of each symbol (%).
    static void measure(const Model &model, const std::vector<Complex> &samples, const std::vector<Complex> &ideal,
                        const std::vector<Complex> &carrierTurn, const std::vector<Complex> &coarseTurn,
                        DataAnalysis &statistics, std::vector<double> &evmPerSymbol);
};
