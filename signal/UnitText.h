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
    // As toDouble, false when the number part is not a number or not finite.
    static bool read(const QString &text, double &value);
    static double multiplier(const QString &unit);
    // The reverse, for parameter texts: "250 kHz", "1.5 GHz", "0 Hz" (Latin prefixes
    // k, M, G whatever the interface language, so that toDouble reads it back).
    static QString format(double value, const QString &unit);
};
