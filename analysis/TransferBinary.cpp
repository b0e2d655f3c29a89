#include "TransferBinary.h"

QString TransferBinary::toText(const SymbolFormat &format, int value) const
{
    return QString::number(value, 2).rightJustified(format.bitsPerSymbol, QLatin1Char('0'));
}
