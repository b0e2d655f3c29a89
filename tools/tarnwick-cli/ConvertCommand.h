#pragma once

#include <QStringList>

// tarnwick-cli convert IN OUT [--single|--double]: rewrites a recording in the
// format that OUT's extension names (.owv, .bin, .dat, or .all for all three).
class ConvertCommand
{
public:
    static int run(const QStringList &args);
};
