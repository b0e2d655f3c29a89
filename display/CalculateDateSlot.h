#pragma once

#include "CalculateDateParams.h"
#include "Signal.h"
#include "AveragedFft.h"

#include <QMutex>
#include <QPointF>
#include <QVector>

// The display data of one signal of the hub: one cached full-resolution point
// series per data kind, each behind its own mutex. A series is computed the
// first time it is asked for and kept until the hub's selection changes.
class CalculateDateSlot
{
public:
    enum Kind : unsigned {
        KindI = 0,              // I against time
        KindQ = 1,              // Q against time
        KindVector = 2,         // I/Q pairs for the vector diagram
        KindSpectrum = 3,       // level spectrum against absolute frequency
        KindIQ = 5,             // I/Q pairs of every sample
        KindConstellation = 6,  // I/Q pairs at the symbol strobes
        KindPower = 7,          // instantaneous power against time
        KindErrorVector = 14,   // error vector series of an analysed signal
    };

    static constexpr int kPointLimit = 15000;
    static constexpr int kPowerPointLimit = 4000;
    static constexpr double kIQLimit = 100.0;
    static constexpr double kPowerLowest = -200.0;
    static constexpr double kPowerHighest = 60.0;

    CalculateDateSlot(CalculateDateParams *params, int number, const AveragedFft *spectrum);

    // A line over x in order (time series, spectrum): min/max thinning keeps what it
    // shows. Point clouds (vector diagram, constellation) are never thinned.
    static bool isLine(unsigned kind);

    // A copy of the series of `kind`, thinned to `width` pixels where the kind's
    // rule says so. The spectrum is recomputed at every request with `average`
    // segments, from `block` instead of the selection when that is not empty;
    // the other kinds come from the cache when it holds them.
    QVector<QPointF> series(unsigned kind, int width, int average, const IQVector &block = IQVector());
    // The cached full-resolution series (markers measure on it); empty if none.
    QVector<QPointF> fullSeries(unsigned kind) const;

    void clear(unsigned kind);
    void clearAll();

private:
    // The samples of this slot's selection and the hub's selection size W.
    struct Block
    {
        IQVector samples;
        int selectionSize = 0;
    };
    struct Cache
    {
        QVector<QPointF> points;
        mutable QMutex mutex;  // guards points
    };
    static constexpr int kCachedKinds = 7;

    static int cacheIndex(unsigned kind);
    bool isThinned(unsigned kind, int size) const;
    Block readBlock() const;
    QVector<QPointF> compute(unsigned kind, const Block &block) const;
    QVector<QPointF> timeSeries(unsigned kind, const Block &block) const;
    QVector<QPointF> constellation(const IQVector &samples) const;
    QVector<QPointF> errorVector(int selectionSize) const;
    QVector<QPointF> spectrum(int average, const IQVector &block);
    AveragedFft::Axis spectrumAxis() const;
    QVector<QPointF> cachedSeries(unsigned kind);

    CalculateDateParams *const m_params;  // shared by all slots, owned by CalculateDate
    const int m_number;                   // the layer number this slot serves, 1 to 30
    const AveragedFft *const m_spectrum;
    Cache m_caches[kCachedKinds];

    Q_DISABLE_COPY(CalculateDateSlot)
};
