#pragma once

#include <complex>
#include <vector>

// Symbol timing from the spectral line at the symbol rate (Oerder and Meyr): the
// phase of that line, taken block by block, gives the symbol instants, and its drift
// across the blocks gives the symbol-clock error.
class SymbolTiming
{
public:
    struct Estimate
    {
        double firstInstant = 0.0;   // a symbol instant, in series samples, near index 0
        double symbolPeriod = 0.0;   // measured symbol period, in series samples
        bool valid = false;
    };

    // From the instantaneous power |y|² of the matched-filter output, sampled at
    // `perSymbol` samples per nominal symbol: the line peaks at the symbol instants.
    Estimate fromPower(const std::vector<double> &power, double perSymbol);

    // For offset QPSK, whose power has no line at the symbol rate: from y², whose lines
    // at ± the symbol rate carry the timing (modulo half a symbol) whatever the carrier phase.
    Estimate fromSquare(const std::vector<std::complex<double>> &square, double perSymbol);

private:
    struct Block
    {
        double centre;
        double instant;
    };
    Estimate fit(double perSymbol, double period);

    std::vector<Block> m_blocks;
};
