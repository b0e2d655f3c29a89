#pragma once

#include "InterfaceGraphicData.h"
#include "SpectrogramScale.h"

#include <QVector>

// A waterfall of spectra: each new spectrum of the signal's selection becomes one
// coloured row at the bottom of the image while older rows scroll up. The image
// is kept between frames and rebuilt from the hub's ready history when its size
// or colour scale changes.
class Spectrogram : public InterfaceGraphicData
{
    Q_OBJECT
public:
    explicit Spectrogram(CalculateDate *calculate, int signalIndex = 1);

    // Thread-safe setters; a changed value marks the image for a full redraw
    // when the spectrogram is visible (the worker's flag) and isRedraw is set.
    void setLowLevel(double level, bool isRedraw = true);
    void setHighLevel(double level, bool isRedraw = true);
    void setLowColor(const QColor &color, bool isRedraw = true);
    void setHighColor(const QColor &color, bool isRedraw = true);
    void setRowHeight(int pixels);
    // The next frame rebuilds the whole image from the hub's ready history.
    void requestRedraw();
    SpectrogramScale scale() const;
    int rowHeight() const;
    bool isRedrawPending() const;

    // Scrolls `image` up by `rowHeight` rows and paints `spectrum` as its bottom
    // row. Where several points share a pixel column the highest level shows,
    // so that narrow peaks survive a narrow plot.
    static void addRow(QImage &image, const QVector<QPointF> &spectrum, const SpectrogramScale &scale, int rowHeight);

protected:
    void compute() override;

private:
    void markRedraw(bool isChanged, bool isRedraw);
    void rebuild(const QSize &size, const SpectrogramScale &scale, int rowHeight);

    // Guarded by m_mutex (inherited), next to the other settings of the worker.
    SpectrogramScale m_scale;
    int m_rowHeight = 1;
    bool m_isRedrawPending = true;
};
