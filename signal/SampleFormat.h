#pragma once

#include <QString>

// How one complex sample is stored in a raw or SigMF data file: I then Q, each a
// float, a signed or an offset-binary (unsigned) integer of 8 to 64 bits, little-
// or big-endian. SigMF names these "cf32_le", "ci16_be", "cu8" ...
struct SampleFormat
{
    enum Type { Float, Signed, Unsigned };

    Type type = Float;
    int bits = 32;  // of one component (I or Q)
    bool isBigEndian = false;

    bool isValid() const;
    // Bytes of one complex sample (I and Q).
    int sampleBytes() const { return 2 * bits / 8; }
    // The value that stands for full scale (1.0) in integer formats: 2^(bits-1) - 1,
    // the program's 32767 for 16 bits; the zero of offset binary is 2^(bits-1) - 0.5
    // so that the codes 127 and 128 of an 8-bit file lie either side of 0.
    double fullScale() const;
    double offset() const;
    // The SigMF datatype: "cf32_le", "ci16_be", "cu8" (one byte has no byte order).
    QString datatype() const;
    // False for anything but a complex datatype that the codec reads.
    static bool fromDatatype(const QString &datatype, SampleFormat &format);

    static SampleFormat cf32() { return {Float, 32, false}; }
    static SampleFormat cf64() { return {Float, 64, false}; }
    static SampleFormat ci16() { return {Signed, 16, false}; }
    static SampleFormat ci8() { return {Signed, 8, false}; }
    static SampleFormat cu8() { return {Unsigned, 8, false}; }

    friend bool operator==(const SampleFormat &a, const SampleFormat &b)
    {
        return a.type == b.type && a.bits == b.bits && (a.bits == 8 || a.isBigEndian == b.isBigEndian);
    }
};
