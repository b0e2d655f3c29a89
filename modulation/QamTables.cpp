#include "QamTables.h"

#include "ModulationCatalogue.h"

#include <utility>

namespace {

// First-quadrant magnitudes as odd integers (1, 3, 5, …).
using Magnitudes = std::pair<int, int>;

// QAM16's inner level is stored as this decimal rather than as 1/3.
constexpr double kQam16InnerLevel = 0.333333333333333;

// QAM32: 6×6 grid without its corners; first-quadrant labels 0–7.
const Magnitudes kQam32Quadrant[] = {
    {1, 1}, {3, 1}, {3, 5}, {5, 1}, {1, 3}, {3, 3}, {1, 5}, {5, 3},
};

// QAM128: 12×12 grid without its 2×2 corners; first-quadrant labels 0–31.
// Labels 0–7 and 16–23 are the QAM64 points, the others the arms at 9 and 11.
const Magnitudes kQam128Quadrant[] = {
    {1, 1}, {3, 1}, {1, 3}, {3, 3}, {7, 1}, {5, 1}, {7, 3}, {5, 3},
    {7, 9}, {5, 9}, {7, 11}, {5, 11}, {9, 1}, {11, 1}, {9, 3}, {11, 3},
    {1, 7}, {3, 7}, {1, 5}, {3, 5}, {7, 7}, {5, 7}, {7, 5}, {5, 5},
    {1, 9}, {3, 9}, {1, 11}, {3, 11}, {9, 7}, {11, 7}, {9, 5}, {11, 5},
};

// QAM User starts as two rings of four: radius 0.5 at odd angles of π/4, radius 1 on the axes.
constexpr double kInnerRing = 0.35355;
const double kQamUserTable[][2] = {
    {kInnerRing, kInnerRing}, {0, 1}, {-kInnerRing, kInnerRing}, {-1, 0},
    {-kInnerRing, -kInnerRing}, {0, -1}, {kInnerRing, -kInnerRing}, {1, 0},
};

// Bit `from` of `label` moved to bit `to`.
int bitAt(int label, int from, int to)
{
    return ((label >> from) & 1) << to;
}

// Gathers the bits at positions first, first+2, first+4, … of a label of `bits` bits.
int interleavedBits(int label, int first, int bits)
{
    int value = 0;
    for (int pos = first, out = 0; pos < bits; pos += 2, ++out)
        value |= bitAt(label, pos, out);
    return value;
}

int oddLevel(int grayCode)
{
    return 2 * grayDecode(grayCode) + 1;
}

Magnitudes squareQuadrant(int label, int labelBits)
{
    return {oddLevel(interleavedBits(label, 0, labelBits)), oddLevel(interleavedBits(label, 1, labelBits))};
}

// QAM512: the inner 8×8 block follows the QAM256 rule (b6 = 0); b6 = 1 selects an
// arm of 4×8 points beyond level 15, b5 which one.
constexpr int kQam512ArmStart = 17;

Magnitudes qam512Quadrant(int label)
{
    const int b6 = (label >> 6) & 1;
    const int b5 = (label >> 5) & 1;
    if (b6 == 0)
        return squareQuadrant(label, 6);
    const int evenLow = bitAt(label, 0, 0) | bitAt(label, 2, 1) | bitAt(label, 4, 2);
    const int oddLow = bitAt(label, 1, 0) | bitAt(label, 3, 1);
    if (b5 == 0)
        return {kQam512ArmStart + 2 * grayDecode(oddLow), oddLevel(evenLow)};
    const int oddWithB4 = oddLow | bitAt(label, 4, 2);
    const int evenTwo = bitAt(label, 0, 0) | bitAt(label, 2, 1);
    return {oddLevel(oddWithB4), kQam512ArmStart + 2 * grayDecode(evenTwo)};
}

Magnitudes firstQuadrant(int id, int label)
{
    switch (id) {
    case ModQAM32: return kQam32Quadrant[label];
    case ModQAM128: return kQam128Quadrant[label];
    case ModQAM512: return qam512Quadrant(label);
    default: return squareQuadrant(label, modulationBitsPerSymbol(id) - 2);
    }
}

int largestLevel(int id)
{
    switch (id) {
    case ModQAM16: return 3;
    case ModQAM32: return 5;
    case ModQAM64: return 7;
    case ModQAM128: return 11;
    case ModQAM256: return 15;
    case ModQAM512: return 23;
    default: return 31;
    }
}

double coordinate(int oddInteger, int largest)
{
    if (largest == 3 && oddInteger == 1)
        return kQam16InnerLevel;
    return double(oddInteger) / largest;
}

PointTable squareOrCrossTable(int id)
{
    const int bits = modulationBitsPerSymbol(id);
    const int largest = largestLevel(id);
    const int labelMask = (1 << (bits - 2)) - 1;
    PointTable table;
    for (int s = 0; s < (1 << bits); ++s) {
        const bool negativeI = (s >> (bits - 1)) & 1;
        const bool negativeQ = (s >> (bits - 2)) & 1;
        Magnitudes m = firstQuadrant(id, s & labelMask);
        if (negativeI != negativeQ)
            std::swap(m.first, m.second);
        const double i = coordinate(m.first, largest);
        const double q = coordinate(m.second, largest);
        table.append({negativeI ? -i : i, negativeQ ? -q : q});
    }
    return table;
}

PointTable qamUserTable()
{
    PointTable table;
    for (const auto &point : kQamUserTable)
        table.append({point[0], point[1]});
    return table;
}

} // namespace

int grayDecode(int gray)
{
    int value = 0;
    for (; gray != 0; gray >>= 1)
        value ^= gray;
    return value;
}

PointTable builtInQamTable(int id)
{
    if (id == ModQAMUser)
        return qamUserTable();
    if (id >= ModQAM16 && id <= ModQAM1024)
        return squareOrCrossTable(id);
    return {};
}
