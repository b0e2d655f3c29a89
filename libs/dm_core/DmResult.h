#pragma once

#include "dm_core.h"

#include <QVector>

#include <complex>

// Everything one analysis produces; what the export getters hand out.
struct DmResult
{
    QVector<std::complex<double>> corrected; // at the output oversampling, symbols on catalogue points
    QVector<int> symbols;                    // decided symbol values
    QVector<double> evmPerSymbol;            // %
    DataAnalysis statistics;
    int startSample = 0;                     // input sample nearest the first symbol instant
};
