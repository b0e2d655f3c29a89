#pragma once

#include <QStringList>

// tarnwick-cli measure FILE [selection options] --peak | --channel-power F1 F2 | --obw | --rms:
// one marker measurement of the selection, printed with its unit, as the plot's
// markers and measurement panel read it (peak, channel power and occupied
// bandwidth on the full-resolution spectrum, RMS on the samples).
class MeasureCommand
{
public:
    static int run(const QStringList &args);
};
