#pragma once

#include <QMetaType>

// The current marker of a mode: where it stands on its plot and how it moves.
struct Marker
{
    enum Mode { Manual = 0, Maximum = 1, Minimum = 2, RedrawOnly = 3 };

    bool isSet = false;
    double x = 0.0;
    int mode = Manual;
};

Q_DECLARE_METATYPE(Marker)
