#include "TransferHex.h"

QString TransferHex::toText(const SymbolFormat &format, int value) const
{
    int digits = 1;
    if (format.bitsPerSymbol >= kThreeDigitBits)
        digits = 3;
    else if (format.bitsPerSymbol >= kTwoDigitBits)
        digits = 2;
    return QString::number(value, 16).rightJustified(digits, QLatin1Char('0'));
}
