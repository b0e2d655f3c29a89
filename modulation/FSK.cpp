#include "FSK.h"

#include "ModulationCatalogue.h"

namespace {
constexpr double kPercent = 100.0;

double evenlySpacedLevel(int symbol, int levels)
{
    return levels > 1 ? symbol * 2.0 / (levels - 1) - 1.0 : 0.0;
}

PointTable initialUserTable(int bits)
{
    const int levels = 1 << bits;
    PointTable rows;
    for (int s = 0; s < levels; ++s)
        rows.append({0.0, evenlySpacedLevel(s, levels) * kPercent});
    return rows;
}
} // namespace

FSK::FSK(int id) : Modulation(id)
{
    setBitsPerSymbol(modulationBitsPerSymbol(id));
    if (id == ModFSKUser)
        setTable(initialUserTable(bitsPerSymbol()));
}

void FSK::setTable(const PointTable &table)
{
    PointTable deviations;
    deviations.reserve(table.size());
    for (const QVector<double> &row : table)
        deviations.append({row.value(1) / kPercent, 0.0});
    Modulation::setTable(deviations);
}

IQVector FSK::levels(const QVector<int> &symbols) const
{
    if (id() == ModFSKUser)
        return modulateByTable(symbols);
    const int count = 1 << bitsPerSymbol();
    IQVector points;
    points.reserve(symbols.size());
    for (int s : symbols)
        points.append(IQ(evenlySpacedLevel(s, count), 0.0));
    return points;
}

IQVector FSK::modulate(const QVector<int> &symbols) const
{
    IQVector points = levels(symbols);
    if (!m_mirror)
        return points;
    const int count = points.size();
    points.reserve(2 * count);
    for (int k = 0; k < count; ++k)
        points.append(IQ(-points.at(k).real(), 0.0));
    return points;
}
