#pragma once

#include <QString>

// Numbers written with a unit, as parameter texts hold them: "1 MHz", "250000", "2.5 kHz".
class UnitText
{
public:
    // Text without a blank: the whole text is the number. Otherwise the first
    // blank-separated part is the number and the last part the unit, whose first
    // character picks the multiplier (k M G n µ m; case matters, so "mHz" is milli).
    // A text that holds no number reads as 0.
    static double toDouble(const QString &text);
    static double multiplier(const QString &unit);
};
