#pragma once

#include "DisplayVectorDiagramm.h"

// "Constellation Diagram" of the digital-modulation and vector-analysis modes: the
// samples at the symbol strobes (data kind 6), as dots over the ideal points.
class DisplayConstellationDiagramm : public DisplayVectorDiagramm
{
    Q_OBJECT
public:
    static constexpr double kDotSize = 4.0;
    // Each dot is an item of the chart's scene: more than this many make it sluggish.
    static constexpr int kMaxDots = 4000;

    DisplayConstellationDiagramm(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1,
                                 QWidget *parent = nullptr);

    QScatterSeries *pointSeries() const { return m_points; }

public slots:
    void setTraceColourOfPoints(const QColor &colour);

protected:
    void applyTitles() override;
    QXYSeries *signalSeries() const override { return m_points; }
    int maxPoints() const override { return kMaxDots; }

private:
    QScatterSeries *m_points;  // owned by the chart
};
