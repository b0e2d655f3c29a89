#pragma once

#include "Modulation.h"

// Frequency keying, as normalised frequency deviations on the I axis: M = 2^bits
// levels equally spaced from −1 to +1. FSK User takes its levels from its table,
// set from rows whose second value is the deviation in percent of the maximum; it
// starts with the eight 8FSK levels. With the mirror flag (set at construction) the
// points are followed by the same list with the deviations negated.
class FSK : public Modulation
{
public:
    explicit FSK(int id);
    IQVector modulate(const QVector<int> &symbols) const override;
    void setTable(const PointTable &table) override;

    bool isMirror() const { return m_mirror; }
    void setMirror(bool mirror) { m_mirror = mirror; }

private:
    IQVector levels(const QVector<int> &symbols) const;
    bool m_mirror = true;
};
