#include "SampleFormat.h"

#include <QRegularExpression>
#include <cmath>

bool SampleFormat::isValid() const
{
    if (type == Float)
        return bits == 32 || bits == 64;
    return bits == 8 || bits == 16 || bits == 32;
}

double SampleFormat::fullScale() const
{
    if (type == Float)
        return 1.0;
    if (type == Unsigned)
        return std::ldexp(1.0, bits - 1) - 0.5;
    return std::ldexp(1.0, bits - 1) - 1.0;
}

double SampleFormat::offset() const
{
    return type == Unsigned ? std::ldexp(1.0, bits - 1) - 0.5 : 0.0;
}

QString SampleFormat::datatype() const
{
    const char letter = type == Float ? 'f' : type == Signed ? 'i' : 'u';
    QString name = QStringLiteral("c%1%2").arg(QLatin1Char(letter)).arg(bits);
    if (bits > 8)
        name += isBigEndian ? QStringLiteral("_be") : QStringLiteral("_le");
    return name;
}

bool SampleFormat::fromDatatype(const QString &datatype, SampleFormat &format)
{
    // Complex only: "c", the type letter, the bits, and a byte order where a component
    // has more than one byte (SigMF allows it to be left out for 8 bits).
    static const QRegularExpression pattern(QStringLiteral("^c([fiu])(8|16|32|64)(?:_(le|be))?$"));
    const QRegularExpressionMatch match = pattern.match(datatype.trimmed());
    if (!match.hasMatch())
        return false;
    SampleFormat parsed;
    const QChar letter = match.captured(1).at(0);
    parsed.type = letter == QLatin1Char('f') ? Float : letter == QLatin1Char('i') ? Signed : Unsigned;
    parsed.bits = match.captured(2).toInt();
    parsed.isBigEndian = match.captured(3) == QLatin1String("be");
    if (!parsed.isValid() || (parsed.bits > 8 && match.captured(3).isEmpty()))
        return false;
    format = parsed;
    return true;
}
