#pragma once

#include "FftwLibrary.h"
#include "Signal.h"

#include <QPointF>
#include <QVector>

// The level spectrum of a block of IQ samples: Blackman-windowed FFTs over A
// consecutive segments, the dB levels averaged, then laid out against absolute
// frequency from Fc - Fs/2 to Fc + Fs/2 with negative frequencies first.
class AveragedFft
{
public:
    // Where the bins go and how levels are referred.
    struct Axis
    {
        double sampleRate = 1.0;      // Fs in Hz
        double carrier = 0.0;         // Fc in Hz
        double unitFactor = 1.0;      // frequencies are divided by this for display
        double loadResistance = 1.0;  // levels are lowered by 10*log10(R)
    };

    static constexpr double kLowestLevel = -200.0;  // levels below are drawn at kLowestDrawn
    static constexpr double kLowestDrawn = -199.9;
    static constexpr double kHighestLevel = 60.0;
    // Brings a full-scale complex tone (|x| = 1) to about 0 dB through the
    // Blackman window's coherent gain of 0.42 (-7.54 dB).
    static constexpr double kWindowCorrectionDb = 7.5;
    static constexpr int kBinChunk = 25;  // OpenMP static chunk of the bin loop

    explicit AveragedFft(FftwLibrary &fftw = FftwLibrary::instance()) : m_fftw(fftw) {}

    // w[n] = 0.42 - 0.5 cos(2 pi n/(L-1)) + 0.08 cos(4 pi n/(L-1)); shared, cached by length.
    static QVector<double> blackmanWindow(int length);

    // Windowed segments waiting for their transforms: the first already in the
    // plan's input, the others beside it.
    struct Staged
    {
        FftwLibrary::Lease plan;
        std::vector<std::complex<double>> others;  // segments 2 .. A, windowed
        int length = 0;
        int average = 0;
    };

    // Windows the `average` segments of count / average samples (samples past
    // average * L are unused). This is the only step that reads the samples, so a
    // caller holds the samples' lock for it alone. Invalid when a segment would be
    // empty or FFTW is not available.
    Staged stage(const IQ *samples, int count, int average) const;
    // Transforms the staged segments and returns the mean of their dB levels.
    QVector<double> levels(Staged staged) const;
    // stage() and levels() in one go.
    QVector<double> averagedLevels(const IQ *samples, int count, int average) const;

    // The drawn series: L + 1 points, FFT-shifted, corrected and clamped, closed
    // one bin above the last with the first level.
    static QVector<QPointF> series(const QVector<double> &levels, const Axis &axis);
    // levels() then series(); one segment goes straight from the transform to the
    // points, without a vector of levels between them. The points are written into
    // `reuse` when it holds the only reference to a vector of the right size: a new
    // 16 MB vector for every frame costs page faults and zeroing.
    QVector<QPointF> series(Staged staged, const Axis &axis, QVector<QPointF> reuse = {}) const;

    QVector<QPointF> compute(const IQ *samples, int count, int average, const Axis &axis) const;

    FftwLibrary &fftw() const { return m_fftw; }

private:
    static void addLevels(const std::complex<double> *spectrum, int length, double *levels, bool isFirst);
    // Lays out L + 1 points of levelOf(bin) as series() describes.
    template <typename LevelOf>
    static QVector<QPointF> layOut(int length, const Axis &axis, LevelOf levelOf, QVector<QPointF> points = {});

    FftwLibrary &m_fftw;
};
