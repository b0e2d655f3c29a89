#include "ChannelPresets.h"

namespace {
struct Entry
{
    int codeHundredKHz;
    int resourceBlocks;
};

constexpr Entry kLte[] = {{14, 6}, {30, 15}, {50, 25}, {100, 50}, {150, 75}, {200, 100}};

constexpr Entry kNr15[] = {{50, 25}, {100, 52}, {150, 79}, {200, 106}, {250, 133},
                           {300, 160}, {350, 188}, {400, 216}, {450, 242}, {500, 270}};
constexpr Entry kNr30[] = {{50, 11}, {100, 24}, {150, 38}, {200, 51}, {250, 65}, {300, 78}, {350, 92}, {400, 106},
                           {450, 119}, {500, 133}, {600, 162}, {700, 189}, {800, 217}, {900, 245}, {1000, 273}};
constexpr Entry kNr60[] = {{100, 11}, {150, 18}, {200, 24}, {250, 31}, {300, 38}, {350, 44}, {400, 51},
                           {450, 58}, {500, 65}, {600, 79}, {700, 93}, {800, 107}, {900, 121}, {1000, 135}};

constexpr double kResourceBlockLte = 180e3;
constexpr int kSubcarriersPerBlock = 12;

template <int N>
int lookUp(const Entry (&table)[N], int code)
{
    for (const Entry &entry : table) {
        if (entry.codeHundredKHz == code)
            return entry.resourceBlocks;
    }
    return 0;
}
}  // namespace

namespace ChannelPresets {

int lteResourceBlocks(int codeHundredKHz)
{
    return lookUp(kLte, codeHundredKHz);
}

double lteMeasurementBandwidth(int codeHundredKHz)
{
    return lteResourceBlocks(codeHundredKHz) * kResourceBlockLte;
}

int nrResourceBlocks(int codeHundredKHz, int spacingKHz)
{
    switch (spacingKHz) {
    case 15: return lookUp(kNr15, codeHundredKHz);
    case 30: return lookUp(kNr30, codeHundredKHz);
    case 60: return lookUp(kNr60, codeHundredKHz);
    default: return 0;
    }
}

double nrMeasurementBandwidth(int codeHundredKHz, int spacingKHz)
{
    return nrResourceBlocks(codeHundredKHz, spacingKHz) * kSubcarriersPerBlock * spacingKHz * 1e3;
}

}  // namespace ChannelPresets
