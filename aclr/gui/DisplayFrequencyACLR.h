#pragma once

#include "ACLRLibrary.h"
#include "DisplayFrequency.h"
#include "Graphic.h"  // complete for the base's QPointer<Graphic>

#include <vector>

class unitACLRFrequency;

// The ACLR spectrum: the spectrum trace of the last measurement (from aclr_core,
// not from the display calculator) with a coloured band over each carrier and
// each adjacent channel, labelled with its name and level.
class DisplayFrequencyACLR : public DisplayFrequency
{
    Q_OBJECT
public:
    DisplayFrequencyACLR(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

    int bandCount() const { return int(m_units.size()); }
    unitACLRFrequency *band(int n) const { return m_units.at(size_t(n)); }
    const QVector<QPointF> &tracePoints() const { return m_points; }

public slots:
    // A new measurement: its trace and bands are drawn at once; the window they belong
    // to is reported drawn when the hub selects it.
    void setResults(const ACLRResults &results);
    // The calculator gives no series in the ACLR mode: the measurement's trace is drawn instead.
    void slotSetData(const QVector<QPointF> &data) override;

protected:
    void placeOverlays() override;

private:
    void rebuildBands();
    // Puts the trace on the chart, with the measurement's resolution bandwidth; isReport:
    // tells the selection bar the window is drawn.
    void drawTrace(bool isReport);

    ACLRResults m_results;
    QVector<QPointF> m_points;
    std::vector<unitACLRFrequency *> m_units;  // children of the graphic
};
