#include "MemoryBudget.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <limits>

#include <sys/resource.h>

namespace {
qint64 systemAvailableBytes()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return -1;
    // "MemAvailable:   12345678 kB": what can be allocated without swapping.
    for (const QByteArray &line : meminfo.readAll().split('\n')) {
        if (!line.startsWith("MemAvailable:"))
            continue;
        bool isNumber = false;
        const qint64 kilobytes = line.mid(13).trimmed().split(' ').value(0).toLongLong(&isNumber);
        return isNumber ? kilobytes * 1024 : -1;
    }
    return -1;
}

qint64 limitBytes(int resource)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    return qint64(std::min<rlim_t>(limit.rlim_cur, rlim_t(std::numeric_limits<qint64>::max())));
}

qint64 smallerKnown(qint64 a, qint64 b)
{
    if (a < 0)
        return b;
    if (b < 0)
        return a;
    return std::min(a, b);
}
}  // namespace

qint64 MemoryBudget::availableBytes()
{
    return smallerKnown(systemAvailableBytes(), smallerKnown(limitBytes(RLIMIT_DATA), limitBytes(RLIMIT_AS)));
}

bool MemoryBudget::fits(qint64 bytes)
{
    const qint64 available = availableBytes();
    return available < 0 || bytes <= available;
}

QString MemoryBudget::megabytes(qint64 bytes)
{
    return QString::number(std::max<qint64>(1, (bytes + (1 << 20) - 1) >> 20)) + QStringLiteral(" MB");
}
