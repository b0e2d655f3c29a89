#include "PSK.h"

#include "ModulationCatalogue.h"

#include <cmath>

namespace {

struct Rotation
{
    double oddSymbol;
    double offset;
};

Rotation rotationOf(int id)
{
    switch (id) {
    case ModQPSK:
    case ModOQPSK: return {0.0, M_PI / 4};
    case ModQPSKOffset: return {0.0, M_PI / 2};
    case ModQPSKEdge: return {3 * M_PI / 4, M_PI / 4};
    case ModPi4QPSK:
    case ModPi4DQPSK: return {M_PI / 4, M_PI / 4};
    case ModPi2DBPSK: return {M_PI / 2, 0.0};
    case ModPi8D8PSK: return {M_PI / 8, 0.0};
    case Mod8PSKEdge: return {3 * M_PI / 8, 0.0};
    default: return {0.0, 0.0};
    }
}

} // namespace

PSK::PSK(int id) : Modulation(id)
{
    setBitsPerSymbol(modulationBitsPerSymbol(id));
    const Rotation rotation = rotationOf(id);
    setParameters({rotation.oddSymbol, rotation.offset});
}

IQVector PSK::modulate(const QVector<int> &symbols) const
{
    const double step = 2 * M_PI / double(1 << bitsPerSymbol());
    const double oddRotation = parameters().value(0);
    const double offset = parameters().value(1);
    IQVector points;
    points.reserve(symbols.size());
    for (int k = 0; k < symbols.size(); ++k) {
        const double phase = symbols.at(k) * step + offset + (k % 2 == 1 ? oddRotation : 0.0);
        points.append(IQ(std::cos(phase), std::sin(phase)));
    }
    return points;
}
