#pragma once

#include <QByteArray>
#include <QtGlobal>

// The 18-byte header of a .dat file, little-endian: sample rate in Hz (u32),
// layer count (u8), samples per layer (i32), peak (f64), one reserved byte.
struct DatHeader
{
    static constexpr int kSize = 18;

    quint32 sampleRate = 0;
    int layers = 0;
    qint32 perLayer = 0;
    double peak = 0.0;

    // False when fewer than kSize bytes are given.
    static bool read(const char *data, qint64 size, DatHeader &header);
    QByteArray toBytes() const;
};
