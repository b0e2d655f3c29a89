#pragma once

#include <QStringList>

// tarnwick-cli info FILE [--json]: what a recording holds.
class InfoCommand
{
public:
    static int run(const QStringList &args);
};
