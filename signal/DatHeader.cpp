#include "DatHeader.h"

#include <QtEndian>

bool DatHeader::read(const char *data, qint64 size, DatHeader &header)
{
    if (!data || size < kSize)
        return false;
    header.sampleRate = qFromLittleEndian<quint32>(data);
    header.layers = quint8(data[4]);
    header.perLayer = qFromLittleEndian<qint32>(data + 5);
    header.peak = qFromLittleEndian<double>(data + 9);
    return true;
}

QByteArray DatHeader::toBytes() const
{
    QByteArray bytes(kSize, '\0');
    char *p = bytes.data();
    qToLittleEndian(sampleRate, p);
    p[4] = char(quint8(layers));
    qToLittleEndian(perLayer, p + 5);
    qToLittleEndian(peak, p + 9);
    return bytes;
}
