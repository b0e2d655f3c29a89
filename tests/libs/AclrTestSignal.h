#pragma once

#include "Signal.h"

#include <QVector>

// Band-limited noise made in the frequency domain over the whole block: each band
// holds exactly its given power (mean I² + Q²) and nothing lies outside the bands,
// so a band's power is known without measuring. bandPower() integrates the block's
// own spectrum (one FFT over the whole block, no window), independently of aclr_core.
namespace AclrTestSignal {

struct Band
{
    double low = 0.0;   // Hz from the centre
    double high = 0.0;
    double power = 0.0;  // mean-square
};

IQVector bandNoise(int samples, double sampleRate, const QVector<Band> &bands, unsigned seed = 1);
double bandPower(const IQVector &samples, double sampleRate, double low, double high);
double toDb(double power);

}  // namespace AclrTestSignal
