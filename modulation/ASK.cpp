#include "ASK.h"

#include "ModulationCatalogue.h"

namespace {
constexpr double kInitialDepthPercent = 50.0;
constexpr double kPercent = 100.0;
} // namespace

ASK::ASK(int id) : Modulation(id)
{
    setBitsPerSymbol(modulationBitsPerSymbol(id));
    if (id == ModASK)
        setParameters({kInitialDepthPercent});
}

double ASK::depthLevel() const
{
    return 1.0 - parameters().value(0) / kPercent;
}

IQVector ASK::modulate(const QVector<int> &symbols) const
{
    IQVector points;
    points.reserve(symbols.size());
    const double levels = double(1 << bitsPerSymbol());
    for (int s : symbols) {
        if (id() == ModASK)
            points.append(IQ(s == 0 ? depthLevel() : 1.0, 0.0));
        else
            points.append(IQ((s + 1) / levels, 0.0));
    }
    return points;
}
