#pragma once

#include "InterfaceGraphicData.h"

// Renders the plot's series into an image in the worker thread, as a line or as
// dots, mapped through the chart's axis ranges onto the plot area.
class GraphicPixmap : public InterfaceGraphicData
{
    Q_OBJECT
public:
    GraphicPixmap(CalculateDate *calculate, unsigned kind, int signalIndex = 1);

    void setPenWidth(int pixels) { m_penWidth = std::max(1, pixels); }
    void setAntialiasing(bool isOn) { m_isAntialiasing = isOn; }
    // On: consecutive points are joined; off: each point is drawn alone.
    void setLineMode(bool isOn) { m_isLineMode = isOn; }
    // Off: x spans the chart's x axis; on: from the series' first to last x.
    void setRangeMode(bool isOn) { m_isRangeMode = isOn; }

    // Draws `series` into `image` (sized to the plot area) with the current pen.
    void drawSeries(QImage &image, const QVector<QPointF> &series, const PlotGeometry &geometry) const;

protected:
    void compute() override;
    // Makes m_image ready for a new frame of `size`: here a fresh transparent image.
    virtual void prepareImage(const QSize &size);

private:
    std::atomic<int> m_penWidth{1};
    std::atomic<bool> m_isAntialiasing{false};
    std::atomic<bool> m_isLineMode{true};
    std::atomic<bool> m_isRangeMode{false};
};
