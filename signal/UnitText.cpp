#include "UnitText.h"

#include <QStringList>
#include <cmath>

double UnitText::multiplier(const QString &unit)
{
    if (unit.isEmpty())
        return 1.0;
    switch (unit.at(0).unicode()) {
    case 'k': return 1e3;
    case 'M': return 1e6;
    case 'G': return 1e9;
    case 'n': return 1e-9;
    case 0x00B5:  // micro sign
    case 0x03BC:  // Greek small mu, which keyboards often give instead
        return 1e-6;
    case 'm': return 1e-3;
    default: return 1.0;
    }
}

double UnitText::toDouble(const QString &text)
{
    double value = 0.0;
    read(text, value);
    return value;
}

bool UnitText::read(const QString &text, double &value)
{
    bool isNumber = false;
    if (!text.contains(QLatin1Char(' '))) {
        value = text.toDouble(&isNumber);
    } else {
        const QStringList parts = text.split(QLatin1Char(' '));
        QString unit = parts.last();
        unit.remove(QLatin1Char(' '));
        value = parts.first().toDouble(&isNumber) * multiplier(unit);
    }
    return isNumber && std::isfinite(value);
}

QString UnitText::format(double value, const QString &unit)
{
    static const struct { double factor; const char *prefix; } prefixes[] = {{1e9, "G"}, {1e6, "M"}, {1e3, "k"}};
    for (const auto &p : prefixes) {
        if (std::abs(value) >= p.factor)
            return QString::number(value / p.factor, 'g', 12) + QLatin1Char(' ') + QLatin1String(p.prefix) + unit;
    }
    return QString::number(value, 'g', 12) + QLatin1Char(' ') + unit;
}
