#pragma once

#include <QString>

// What the stand-in receiver library was told, and what it answers.
struct FakeDmState
{
    int errorCode = 0;
    int maxSymbols = 1000;
    int setSignalCalls = 0;
    int setAverageCalls = 0;
    int lastSetAverage = 0;
    int lastMode = -1;
    int lastSize = 0;
    double lastFirstSample = 0.0;
    double lastSampleRate = 0.0;
    double lastSymbolRate = 0.0;
    double lastFilterParameter = 0.0;
    QString lastModulation;
    QString lastFilter;
};
