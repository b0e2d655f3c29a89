#pragma once

#include <QString>

// Unit prefixes of readouts and axis titles. Large values take k, M, G; small ones
// n, µ, m. In the Russian interface the prefixes are Cyrillic (µ stays as it is).
class UnitPrefix
{
public:
    struct Choice
    {
        QString prefix;
        double factor = 1.0;  // the value in prefixed units is value / factor
    };

    // By |v|: "G" from 1e9, "M" from 1e6, "k" from 1e3, otherwise no prefix.
    static Choice large(double value);
    // By |v|: "n" below 1e-7, "µ" below 1e-5, "m" below 0.1, otherwise no prefix.
    static Choice small(double value);

    // The shell switches this with the interface language; process-wide.
    static void setRussian(bool isRussian);
    static bool isRussian();

    // Fixed-point with `decimals` digits, trailing zeros and a trailing decimal
    // separator removed: 1.2500 -> "1.25", 3.000 -> "3".
    static QString trimmedNumber(double value, int decimals);
    // "<number> <prefix><unit>" with the large-value prefix, e.g. "2.5 MHz".
    static QString formatLarge(double value, const QString &unit, int decimals = 10);
};
