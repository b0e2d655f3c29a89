#pragma once

#include <QStringList>

// tarnwick-cli aclr FILE --standard lte|nr|custom --bandwidth HZ [--scs HZ] [--carriers 1|2]
//     [--carrier-offset HZ ...] [--channel OFFSET,BANDWIDTH ...] [--json]:
// the ACLR measurement of the recording's first layer (its first 2^21 samples)
// through the aclr_core library, as the ACLR mode measures a window.
class AclrCommand
{
public:
    static int run(const QStringList &args);
};
