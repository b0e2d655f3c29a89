#pragma once

#include "Signal.h"

#include <QVector>

using PointTable = QVector<QVector<double>>;

// A modulation scheme: turns symbol values into ideal IQ points with unit peak
// amplitude, one point per symbol. The base class looks symbols up in its point
// table (rows of I, Q); the subclasses compute their points. Objects come from
// createModulation() and belong to the caller.
class Modulation
{
public:
    explicit Modulation(int id);
    virtual ~Modulation() = default;
    Modulation(const Modulation &) = delete;
    Modulation &operator=(const Modulation &) = delete;

    virtual IQVector modulate(const QVector<int> &symbols) const;
    virtual void setParameters(const QVector<double> &params);
    // Stores the table; bits per symbol become ⌊log2 rows⌋ (0 below 2 rows).
    virtual void setTable(const PointTable &table);

    int id() const { return m_id; }
    int bitsPerSymbol() const { return m_bitsPerSymbol; }
    const PointTable &table() const { return m_table; }
    const QVector<double> &parameters() const { return m_params; }
    int samplesPerSymbol() const { return m_samplesPerSymbol; }
    void setSamplesPerSymbol(int samples);
    double symbolRate() const { return m_symbolRate; }
    void setSymbolRate(double rate) { m_symbolRate = rate; }

protected:
    void setBitsPerSymbol(int bits) { m_bitsPerSymbol = bits; }
    // The table's point for a symbol; symbols outside the table map to the origin.
    IQ tablePoint(int symbol) const;
    IQVector modulateByTable(const QVector<int> &symbols) const;

private:
    PointTable m_table;
    QVector<double> m_params;
    double m_symbolRate;
    int m_samplesPerSymbol;
    int m_bitsPerSymbol = 0;
    int m_id;
};
