#pragma once

#include <QString>

// One error pending in the acquisition library: its code and its text.
struct DeviceError
{
    int code = 0;
    QString text;
};
