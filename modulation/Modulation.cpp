#include "Modulation.h"

#include <algorithm>

namespace {
constexpr double kInitialSymbolRate = 1e7;
constexpr int kInitialSamplesPerSymbol = 8;

int floorLog2(int rows)
{
    int bits = 0;
    while (rows >= 2) {
        rows /= 2;
        ++bits;
    }
    return bits;
}
} // namespace

Modulation::Modulation(int id)
    : m_symbolRate(kInitialSymbolRate), m_samplesPerSymbol(kInitialSamplesPerSymbol), m_id(id)
{
}

IQVector Modulation::modulate(const QVector<int> &symbols) const
{
    return modulateByTable(symbols);
}

void Modulation::setParameters(const QVector<double> &params)
{
    m_params = params;
}

void Modulation::setTable(const PointTable &table)
{
    m_table = table;
    m_bitsPerSymbol = floorLog2(table.size());
}

void Modulation::setSamplesPerSymbol(int samples)
{
    m_samplesPerSymbol = std::max(1, samples);
}

IQ Modulation::tablePoint(int symbol) const
{
    if (symbol < 0 || symbol >= m_table.size())
        return IQ(0.0, 0.0);
    const QVector<double> &row = m_table.at(symbol);
    return IQ(row.value(0), row.value(1));
}

IQVector Modulation::modulateByTable(const QVector<int> &symbols) const
{
    if (m_table.isEmpty())
        return {};
    IQVector points;
    points.reserve(symbols.size());
    for (int s : symbols)
        points.append(tablePoint(s));
    return points;
}
