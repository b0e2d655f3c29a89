#pragma once

#include "GraphicPixmap.h"

// The "Sunset" plot effect: every frame first dims the previous image, so a
// trace fades out over a fixed number of frames while new ones are drawn on top.
class GraphicSunset : public GraphicPixmap
{
    Q_OBJECT
public:
    // A trace is gone after `frames` frames (at least 1).
    GraphicSunset(CalculateDate *calculate, unsigned kind, int frames, int signalIndex = 1);

    double fadeStep() const { return m_fadeStep; }
    // Lowers the alpha of every pixel by the fade step, rows split over the
    // OpenMP threads in contiguous blocks; colour channels stay.
    static void fade(QImage &image, double step);

protected:
    void prepareImage(const QSize &size) override;

private:
    const double m_fadeStep;  // 255 / frames
};
