#pragma once

#include <QMetaType>

// Acquisition settings as the acquisition library takes them: three doubles in this order.
struct Params
{
    double carrierFreq = 0.0;  // Hz
    double sampleRate = 0.0;   // Hz
    double refLevel = 0.0;     // dBm
};

Q_DECLARE_METATYPE(Params)
