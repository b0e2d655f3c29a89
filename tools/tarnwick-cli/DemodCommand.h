#pragma once

#include <QStringList>

// tarnwick-cli demod FILE --modulation NAME --symbol-rate HZ [--sample-rate HZ] [--filter NAME]
// [--alpha A] [--symbols N] [--start N] [--json]: the recording's first layer demodulated
// by the workstation's digital-modulation engine and receiver library, from sample
// --start on, with the error summary's figures and the decided symbols.
class DemodCommand
{
public:
    static int run(const QStringList &args);
};
