#include "Constellation.h"

#include "FSK.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kOrders[] = {1, 2, 4, 8, 16, 32};
// The m-th power "does not average out" when its mean keeps this share of the mean |s|^m.
constexpr double kLineShare = 0.05;

std::complex<double> power(std::complex<double> z, int exponent)
{
    std::complex<double> result = 1.0;
    for (int i = 0; i < exponent; ++i)
        result *= z;
    return result;
}

} // namespace

void Constellation::build(int modulationId)
{
    if (modulationId == m_id)
        return;
    m_id = modulationId;
    std::unique_ptr<Modulation> scheme = createModulation(modulationId);
    if (auto *fsk = dynamic_cast<FSK *>(scheme.get()))
        fsk->setMirror(false);
    const int count = std::max(1, int(scheme->table().size()));
    const int symbols = scheme->table().isEmpty() ? 1 << scheme->bitsPerSymbol() : count;
    // Each value twice, so that the scheme places it once as an even and once as an odd symbol.
    QVector<int> pairs;
    for (int s = 0; s < symbols; ++s)
        pairs << s << s;
    const QVector<std::complex<double>> placed = scheme->modulate(pairs);
    m_even.points.clear();
    m_odd.points.clear();
    for (int s = 0; s < symbols && 2 * s + 1 < placed.size(); ++s) {
        m_even.points.push_back(placed.at(2 * s));
        m_odd.points.push_back(placed.at(2 * s + 1));
    }
    m_even.prepareLookup();
    m_odd.prepareLookup();

    m_rotating = false;
    m_real = true;
    m_meanPower = 0.0;
    for (size_t s = 0; s < m_even.points.size(); ++s) {
        m_rotating = m_rotating || std::abs(m_even.points[s] - m_odd.points[s]) > 1e-9;
        m_real = m_real && std::abs(m_even.points[s].imag()) < 1e-9 && std::abs(m_odd.points[s].imag()) < 1e-9;
        m_meanPower += std::norm(m_even.points[s]);
    }
    m_meanPower /= std::max<size_t>(1, m_even.points.size());
    m_differential = modulationId == ModPi2DBPSK || modulationId == ModPi4DQPSK || modulationId == ModPi8D8PSK
        || modulationId == ModD8PSK;
    m_offset = modulationId == ModOQPSK;
    const bool psk = modulationFamily(modulationId) == QLatin1String("PSK");
    m_phaseStep = psk ? 2 * M_PI / double(symbols) : 0.0;
    m_oddRotation = psk ? scheme->parameters().value(0) : 0.0;

    m_order = kOrders[std::size(kOrders) - 1];
    for (int order : kOrders) {
        Point mean;
        double magnitude = 0.0;
        for (const PointSet *set : {&m_even, &m_odd}) {
            for (Point p : set->points) {
                mean += power(p, order);
                magnitude += std::pow(std::abs(p), order);
            }
        }
        if (std::abs(mean) > kLineShare * magnitude) {
            m_order = order;
            m_reference = mean / magnitude;
            break;
        }
    }
}

void Constellation::PointSet::prepareLookup()
{
    double minX = std::numeric_limits<double>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (Point p : points) {
        minX = std::min(minX, p.real());
        maxX = std::max(maxX, p.real());
        minY = std::min(minY, p.imag());
        maxY = std::max(maxY, p.imag());
    }
    const double span = std::max({maxX - minX, maxY - minY, 1e-3});
    left = (minX + maxX) / 2 - span;
    bottom = (minY + maxY) / 2 - span;
    cells = std::clamp(int(4 * std::sqrt(double(points.size()))), 8, 128);
    cellSize = 2 * span / cells;
    candidates.assign(size_t(cells) * size_t(cells), {});
    const double diagonal = cellSize * std::sqrt(2.0);
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            const Point centre(left + (column + 0.5) * cellSize, bottom + (row + 0.5) * cellSize);
            double best = std::numeric_limits<double>::max();
            for (Point p : points)
                best = std::min(best, std::abs(centre - p));
            std::vector<int> &list = candidates[size_t(row) * size_t(cells) + size_t(column)];
            for (size_t s = 0; s < points.size(); ++s) {
                if (std::abs(centre - points[s]) <= best + diagonal)
                    list.push_back(int(s));
            }
        }
    }
}

int Constellation::PointSet::nearest(Point z) const
{
    const int column = std::clamp(int(std::floor((z.real() - left) / cellSize)), 0, cells - 1);
    const int row = std::clamp(int(std::floor((z.imag() - bottom) / cellSize)), 0, cells - 1);
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (int s : candidates[size_t(row) * size_t(cells) + size_t(column)]) {
        const double d = std::norm(z - points[size_t(s)]);
        if (d < bestDistance) {
            bestDistance = d;
            best = s;
        }
    }
    return best;
}
