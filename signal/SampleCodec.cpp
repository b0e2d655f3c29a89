#include "SampleCodec.h"

#include <QtEndian>
#include <cmath>
#include <limits>

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

namespace {
// One component of type T at p, in the file's byte order.
template <typename T>
inline T component(const char *p, bool isBigEndian)
{
    return isBigEndian ? qFromBigEndian<T>(p) : qFromLittleEndian<T>(p);
}

template <typename T>
void decodeAs(const SampleFormat &format, const char *src, int count, int stride, IQ *dst)
{
    const double scale = 1.0 / format.fullScale();
    const double offset = format.offset();
    constexpr int kBytes = int(sizeof(T));
    // The byte order and stride are fixed per call: each case is its own plain loop,
    // and the common contiguous little-endian one vectorises.
    if (!format.isBigEndian && stride == 2 * kBytes) {
        for (int i = 0; i < count; ++i) {
            const char *p = src + qint64(i) * (2 * kBytes);
            dst[i] = IQ((double(qFromLittleEndian<T>(p)) - offset) * scale,
                        (double(qFromLittleEndian<T>(p + kBytes)) - offset) * scale);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const char *p = src + qint64(i) * stride;
        dst[i] = IQ((double(component<T>(p, format.isBigEndian)) - offset) * scale,
                    (double(component<T>(p + kBytes, format.isBigEndian)) - offset) * scale);
    }
}

// Floats need no scale: a separate loop keeps the multiply out of the hot path.
template <typename T>
void decodeFloat(const SampleFormat &format, const char *src, int count, int stride, IQ *dst)
{
    constexpr int kBytes = int(sizeof(T));
    if (!format.isBigEndian && stride == 2 * kBytes) {
        for (int i = 0; i < count; ++i) {
            const char *p = src + qint64(i) * (2 * kBytes);
            dst[i] = IQ(double(qFromLittleEndian<T>(p)), double(qFromLittleEndian<T>(p + kBytes)));
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const char *p = src + qint64(i) * stride;
        dst[i] = IQ(double(component<T>(p, format.isBigEndian)), double(component<T>(p + kBytes, format.isBigEndian)));
    }
}

template <typename T>
inline void store(T value, char *p, bool isBigEndian)
{
    if (isBigEndian)
        qToBigEndian(value, p);
    else
        qToLittleEndian(value, p);
}

template <typename T>
inline T toCode(double value, double scale, double offset, double low, double high)
{
    double code = std::nearbyint(value * scale + offset);
    code = code > high ? high : code;
    code = code < low ? low : code;
    code = code == code ? code : std::nearbyint(offset);
    return T(code);
}

template <typename T>
void encodeAs(const SampleFormat &format, const IQ *src, int count, char *dst)
{
    constexpr int kBytes = int(sizeof(T));
    const double scale = format.fullScale();
    const double offset = format.offset();
    const double low = double(std::numeric_limits<T>::min());
    const double high = double(std::numeric_limits<T>::max());
    for (int i = 0; i < count; ++i) {
        char *p = dst + qint64(i) * (2 * kBytes);
        store(toCode<T>(src[i].real(), scale, offset, low, high), p, format.isBigEndian);
        store(toCode<T>(src[i].imag(), scale, offset, low, high), p + kBytes, format.isBigEndian);
    }
}

template <typename T>
void encodeFloat(const SampleFormat &format, const IQ *src, int count, char *dst)
{
    constexpr int kBytes = int(sizeof(T));
    for (int i = 0; i < count; ++i) {
        char *p = dst + qint64(i) * (2 * kBytes);
        store(T(src[i].real()), p, format.isBigEndian);
        store(T(src[i].imag()), p + kBytes, format.isBigEndian);
    }
}
}  // namespace

void SampleCodec::decode(const SampleFormat &format, const char *src, int count, int stride, IQ *dst)
{
    switch (format.type) {
    case SampleFormat::Float:
        return format.bits == 64 ? decodeFloat<double>(format, src, count, stride, dst)
                                 : decodeFloat<float>(format, src, count, stride, dst);
    case SampleFormat::Signed:
        if (format.bits == 8)
            return decodeAs<qint8>(format, src, count, stride, dst);
        return format.bits == 16 ? decodeAs<qint16>(format, src, count, stride, dst)
                                 : decodeAs<qint32>(format, src, count, stride, dst);
    case SampleFormat::Unsigned:
        if (format.bits == 8)
            return decodeAs<quint8>(format, src, count, stride, dst);
        return format.bits == 16 ? decodeAs<quint16>(format, src, count, stride, dst)
                                 : decodeAs<quint32>(format, src, count, stride, dst);
    }
}

void SampleCodec::encode(const SampleFormat &format, const IQ *src, int count, char *dst)
{
    switch (format.type) {
    case SampleFormat::Float:
        return format.bits == 64 ? encodeFloat<double>(format, src, count, dst)
                                 : encodeFloat<float>(format, src, count, dst);
    case SampleFormat::Signed:
        if (format.bits == 8)
            return encodeAs<qint8>(format, src, count, dst);
        return format.bits == 16 ? encodeAs<qint16>(format, src, count, dst) : encodeAs<qint32>(format, src, count, dst);
    case SampleFormat::Unsigned:
        if (format.bits == 8)
            return encodeAs<quint8>(format, src, count, dst);
        return format.bits == 16 ? encodeAs<quint16>(format, src, count, dst)
                                 : encodeAs<quint32>(format, src, count, dst);
    }
}
