#include "UnitPrefix.h"

#include <atomic>
#include <cmath>

namespace {
std::atomic<bool> g_isRussian{false};

QString pick(const char16_t *latin, const char16_t *cyrillic)
{
    return QString::fromUtf16(g_isRussian.load() ? cyrillic : latin);
}
}  // namespace

UnitPrefix::Choice UnitPrefix::large(double value)
{
    const double v = std::abs(value);
    if (v >= 1e9)
        return {pick(u"G", u"\u0413"), 1e9};
    if (v >= 1e6)
        return {pick(u"M", u"\u041C"), 1e6};
    if (v >= 1e3)
        return {pick(u"k", u"\u043A"), 1e3};
    return {QString(), 1.0};
}

UnitPrefix::Choice UnitPrefix::small(double value)
{
    const double v = std::abs(value);
    if (v < 1e-7)
        return {pick(u"n", u"\u043D"), 1e-9};
    if (v < 1e-5)
        return {QString(QChar(0x00B5)), 1e-6};
    if (v < 0.1)
        return {pick(u"m", u"\u043C"), 1e-3};
    return {QString(), 1.0};
}

void UnitPrefix::setRussian(bool isRussian) { g_isRussian = isRussian; }

bool UnitPrefix::isRussian() { return g_isRussian; }

QString UnitPrefix::trimmedNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString UnitPrefix::formatLarge(double value, const QString &unit, int decimals)
{
    const Choice choice = large(value);
    return trimmedNumber(value / choice.factor, decimals) + QLatin1Char(' ') + choice.prefix + unit;
}
