#pragma once

#include <QStringList>

// tarnwick-cli series FILE --kind i|q|power|spectrum|iq [selection options] --csv OUT:
// the point series a plot would draw, as "x,y" lines at full double precision.
class SeriesCommand
{
public:
    static int run(const QStringList &args);
};
