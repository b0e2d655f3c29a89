#pragma once

#include <QString>

// How much memory a new recording may take before it is decoded: refusing a
// recording that cannot fit beats being killed by the system half-way through.
class MemoryBudget
{
public:
    // Bytes the process can still allocate: the system's available memory, bounded
    // by the process's data and address-space limits. -1 when unknown.
    static qint64 availableBytes();
    // Whether `bytes` more fit in availableBytes() (true when that is unknown).
    static bool fits(qint64 bytes);
    static QString megabytes(qint64 bytes);
};
