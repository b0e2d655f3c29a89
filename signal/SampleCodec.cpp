#include "SampleCodec.h"

#include <QtEndian>

namespace {
// These loops are bound by memory bandwidth, not arithmetic: one core already
// saturates it, and a second thread only waits (or spins) for its share.

inline qint16 toCode16(double value, double scale)
{
    double code = value * scale;
    code = code > 32767.0 ? 32767.0 : code;
    code = code < -32768.0 ? -32768.0 : code;
    code = code == code ? code : 0.0;
    return qint16(int(code));
}
}  // namespace

void SampleCodec::decode16(const char *src, int count, double scale, IQ *dst)
{
    for (int i = 0; i < count; ++i) {
        const char *p = src + qint64(i) * kBytes16;
        dst[i] = IQ(qFromLittleEndian<qint16>(p) * scale, qFromLittleEndian<qint16>(p + 2) * scale);
    }
}

void SampleCodec::decode64(const char *src, int count, IQ *dst)
{
    for (int i = 0; i < count; ++i) {
        const char *p = src + qint64(i) * kBytes64;
        dst[i] = IQ(qFromLittleEndian<double>(p), qFromLittleEndian<double>(p + 8));
    }
}

void SampleCodec::encode16(const IQ *src, int count, double scale, char *dst)
{
    for (int i = 0; i < count; ++i) {
        char *p = dst + qint64(i) * kBytes16;
        qToLittleEndian(toCode16(src[i].real(), scale), p);
        qToLittleEndian(toCode16(src[i].imag(), scale), p + 2);
    }
}

void SampleCodec::encode64(const IQ *src, int count, char *dst)
{
    for (int i = 0; i < count; ++i) {
        char *p = dst + qint64(i) * kBytes64;
        qToLittleEndian(src[i].real(), p);
        qToLittleEndian(src[i].imag(), p + 8);
    }
}
