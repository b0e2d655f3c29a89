#pragma once

#include "CalculateDateParams.h"
#include "CalculateDateSlot.h"
#include "AveragedFft.h"

#include <QObject>
#include <QPointF>
#include <QVector>
#include <memory>
#include <vector>

class ManagerSignal;

// A mode's shared cache and calculator of display data: for each of the hub's
// signals (slots 1 to 30) one full-resolution series per data kind, computed on
// the first request and dropped when the hub's selection changes. Lives in the
// GUI thread; display workers call requestSeries() concurrently.
class CalculateDate : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSlotCount = 30;

    explicit CalculateDate(ManagerSignal *hub, QObject *parent = nullptr);
    ~CalculateDate() override;

    // Series of signal `index` (1 to 30) for a plot `width` pixels wide. A
    // non-empty `block` replaces the signal's samples for this spectrum only. It
    // travels with the request rather than through the shared parameter block,
    // so that another plot's spectrum computed meanwhile cannot consume it.
    QVector<QPointF> requestSeries(int index, unsigned kind, int width, int average = 1,
                                   const IQVector &block = IQVector());
    // The series as a plot `width` pixels wide draws it: a line with more points
    // than its pixel columns can show comes thinned to their extremes, about two
    // points a column, whatever its length. Drawing cost then follows the plot's
    // size, not the block's; the cache and the markers keep every point.
    QVector<QPointF> requestPlotSeries(int index, unsigned kind, int width, int average = 1,
                                       const IQVector &block = IQVector());
    // The cached full-resolution series, without computing it.
    QVector<QPointF> fullSeries(int index, unsigned kind) const;

    ManagerSignal *hub() const { return m_params.hub(); }
    double carrierFreq() const { return m_params.carrierFreq(); }
    double unitFactor() const { return m_params.unitFactor(); }
    double sampleRate() const { return m_params.sampleRate(); }
    void setStrobe(int offset, int samplesPerSymbol) { m_params.setStrobe(offset, samplesPerSymbol); }
    int strobeOffset() const { return m_params.strobeOffset(); }
    int samplesPerSymbol() const { return m_params.samplesPerSymbol(); }
    void setDisplayMode(unsigned mode) { m_params.setDisplayMode(mode); }
    unsigned displayMode() const { return m_params.displayMode(); }
    void setLoadResistance(double ohms) { m_params.setLoadResistance(ohms); }
    double loadResistance() const { return m_params.loadResistance(); }
    void setThinning(bool isThinning) { m_params.setThinning(isThinning); }
    bool isThinning() const { return m_params.isThinning(); }
    // The FFTW loader's complaint when spectra stay empty; empty when it works.
    QString spectrumError() const { return m_spectrum.fftw().errorString(); }

public slots:
    // Re-reads the hub's sample rate and mode and picks the frequency unit from
    // carrier + Fs/2.
    void updateParams();
    // The rate of the frames an analysis hands the hub when it resamples them (the
    // demodulator's corrected signal runs at its own samples per symbol times the
    // symbol rate); 0 returns to the recording's rate. Frequency axes follow it.
    void setFrameRate(double hz);
    void setCarrierFreq(double value);
    void clearData(int type);
    void clearData();

private:
    CalculateDateParams m_params;
    AveragedFft m_spectrum;
    double m_frameRate = 0.0;
    std::vector<std::unique_ptr<CalculateDateSlot>> m_slots;  // slot i at i - 1

    Q_DISABLE_COPY(CalculateDate)
};
