#pragma once

#include "SampleFormat.h"
#include "Signal.h"

// Little-endian sample layouts of the signal files: I then Q per sample, either as
// two 16-bit codes (a code s stands for s / 32767 of full scale) or as two 64-bit
// floats. The loops are plain and vectorise.
class SampleCodec
{
public:
    static constexpr double kFullScale16 = 32767.0;
    static constexpr int kBytes16 = 4;
    static constexpr int kBytes64 = 16;

    // Each code becomes code * scale.
    static void decode16(const char *src, int count, double scale, IQ *dst);
    static void decode64(const char *src, int count, IQ *dst);
    // Each value becomes value * scale truncated toward zero, saturated to 16 bits
    // (a NaN becomes 0), so nothing wraps around into the opposite sign.
    static void encode16(const IQ *src, int count, double scale, char *dst);
    static void encode64(const IQ *src, int count, char *dst);

    // The layouts of SDR tools and SigMF: integer codes become (code - offset) /
    // fullScale (SampleFormat); floats are taken as they are. Sample i is read at
    // src + i * stride bytes, so one channel of an interleaved recording can be
    // picked out; a stride of format.sampleBytes() reads a plain block.
    static void decode(const SampleFormat &format, const char *src, int count, int stride, IQ *dst);
    // Integers are rounded to the nearest code and saturated; a NaN becomes the zero code.
    static void encode(const SampleFormat &format, const IQ *src, int count, char *dst);
};
