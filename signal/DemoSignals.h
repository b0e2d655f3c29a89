#pragma once

#include "Signal.h"

#include <QString>

// The built-in example recordings. They are computed, not stored: the same
// numbers on every machine, written as single-precision .owv files at build time
// (tarnwick-demogen) and regenerated on demand when a file has gone missing.
class DemoSignals
{
public:
    enum Demo { QpskRrc = 0, TwoTone = 1, Count = 2 };

    static QString fileName(int n);
    static QString title(int n);
    static Signal generate(int n);
    // Writes demo n as a single-precision .owv (1 MHz clock; 1 GHz or 100 MHz
    // carrier) into folder. False on failure.
    static bool write(int n, const QString &folder);
    // The demo file next to the program, or in the user's cache when it is missing
    // there (written on the spot). Empty when n is out of range or cannot be written.
    static QString path(int n);
};
