// The frame grid's text from a profile: what it asks for stays within a grid.

#include "FuzzFile.h"
#include "GridText.h"

#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    GridText grid;
    if (!GridText::parse(QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)), &grid))
        return 0;
    const int frames = std::accumulate(grid.distribution.begin(), grid.distribution.end(), 0);
    if (grid.distribution.size() > GridText::kMaxRows || frames != grid.frames.size() || frames > 81)
        __builtin_trap();
    for (const GridText::Frame &frame : qAsConst(grid.frames)) {
        if (frame.horizontalWeight < 1 || frame.horizontalWeight > GridText::kMaxWeight || frame.verticalWeight < 1
            || frame.verticalWeight > GridText::kMaxWeight)
            __builtin_trap();
    }
    return 0;
}
