#pragma once

#include "Signal.h"

// A view of part of a sample vector. It owns nothing: it points into a ready
// signal or a part copy held by the hub and is valid until those are replaced.
struct SignalSelection
{
    const IQ *first = nullptr;  // first sample
    const IQ *behindLast = nullptr;
    int startIndex = 0;  // index of *first within the signal it was cut from

    int size() const { return first ? int(behindLast - first) : 0; }
    bool isEmpty() const { return size() == 0; }
    IQVector toVector() const { return first ? IQVector(first, behindLast) : IQVector(); }
};

Q_DECLARE_METATYPE(SignalSelection)
