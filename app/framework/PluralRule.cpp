#include "PluralRule.h"

#include <cstdlib>

PluralRule::Form PluralRule::russianForm(int n)
{
    const int lastTwo = std::abs(n) % 100;
    const int last = lastTwo % 10;
    if (last == 1 && lastTwo != 11)
        return One;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return Few;
    return Many;
}

QString PluralRule::russian(int n, const QString &one, const QString &few, const QString &many)
{
    switch (russianForm(n)) {
    case One: return one;
    case Few: return few;
    default: return many;
    }
}
