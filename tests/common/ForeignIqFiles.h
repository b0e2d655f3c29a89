#pragma once

// Writers of the files other SDR tools make (raw I/Q, SigMF metadata, tar archives),
// built from the published layouts independently of the program's own codec, so
// that a test compares the reader with an outside answer.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <complex>
#include <cstring>
#include <vector>

namespace ForeignIq {

// One component as stored: kind 'f' float, 'i' signed, 'u' offset binary; integer
// values are given as codes, floats as values.
inline QByteArray component(char kind, int bits, bool isBigEndian, double value)
{
    QByteArray b(bits / 8, '\0');
    char *p = b.data();
    auto put = [&](auto v) {
        if (isBigEndian)
            qToBigEndian(v, p);
        else
            qToLittleEndian(v, p);
    };
    if (kind == 'f') {
        if (bits == 32)
            put(float(value));
        else
            put(double(value));
    } else if (kind == 'i') {
        if (bits == 8)
            b[0] = char(qint8(value));
        else if (bits == 16)
            put(qint16(value));
        else
            put(qint32(value));
    } else {
        if (bits == 8)
            b[0] = char(quint8(value));
        else if (bits == 16)
            put(quint16(value));
        else
            put(quint32(value));
    }
    return b;
}

// I then Q of each pair.
inline QByteArray pairs(char kind, int bits, bool isBigEndian, const std::vector<std::pair<double, double>> &values)
{
    QByteArray out;
    for (const auto &v : values)
        out += component(kind, bits, isBigEndian, v.first) + component(kind, bits, isBigEndian, v.second);
    return out;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A POSIX ustar archive of regular files, as `tar` writes it.
inline QByteArray tarOf(const std::vector<std::pair<QString, QByteArray>> &members)
{
    QByteArray out;
    for (const auto &member : members) {
        QByteArray header(512, '\0');
        const QByteArray name = member.first.toUtf8();
        std::memcpy(header.data(), name.constData(), size_t(name.size()));
        std::memcpy(header.data() + 100, "0000644", 7);
        std::memcpy(header.data() + 108, "0001750", 7);
        std::memcpy(header.data() + 116, "0001750", 7);
        const QByteArray size = QByteArray::number(member.second.size(), 8).rightJustified(11, '0');
        std::memcpy(header.data() + 124, size.constData(), 11);
        std::memcpy(header.data() + 136, "14721504001", 11);
        header[156] = '0';
        std::memcpy(header.data() + 257, "ustar\0" "00", 8);
        std::memset(header.data() + 148, ' ', 8);
        int sum = 0;
        for (char c : header)
            sum += static_cast<unsigned char>(c);
        const QByteArray checksum = QByteArray::number(sum, 8).rightJustified(6, '0');
        std::memcpy(header.data() + 148, checksum.constData(), 6);
        header[154] = '\0';
        out += header + member.second + QByteArray(int((512 - member.second.size() % 512) % 512), '\0');
    }
    return out + QByteArray(1024, '\0');
}

}  // namespace ForeignIq
