#include "TextSampleLines.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

void TextSampleLines::take(QString line)
{
    static const QRegularExpression blanks(QStringLiteral("[ ]+"));
    ++m_lines;
    line.replace(QLatin1Char(','), QLatin1Char('.'));
    const QStringList fields = line.split(blanks);
    if (fields.size() != 2) {
        ++m_notTwoFields;
        return;
    }
    double i = 0.0;
    double q = 0.0;
    const Field first = read(fields.at(0), i);
    const Field second = read(fields.at(1), q);
    if (first == NotNumber || second == NotNumber)
        ++m_notNumbers;
    else if (first == SpelledZero || second == SpelledZero)
        ++m_spelledZeros;
    else
        m_samples.append(IQ(i, q));
}

TextSampleLines::Field TextSampleLines::read(const QString &text, double &value)
{
    bool isNumber = false;
    value = text.toDouble(&isNumber);
    // "nan" and "inf" read as numbers but are no sample values.
    if (!isNumber || !std::isfinite(value))
        return NotNumber;
    return value != 0.0 || text == QLatin1String("0") ? Number : SpelledZero;
}

QString TextSampleLines::skipReasons() const
{
    QVector<QPair<int, QString>> reasons{{m_spelledZeros, tr("with a zero not written as 0")},
                                         {m_notTwoFields, tr("not two fields")},
                                         {m_notNumbers, tr("with a field that is not a number")}};
    std::stable_sort(reasons.begin(), reasons.end(),
                     [](const QPair<int, QString> &a, const QPair<int, QString> &b) { return a.first > b.first; });
    QStringList parts;
    for (const auto &reason : reasons) {
        if (reason.first > 0)
            parts << QString::number(reason.first) + QLatin1Char(' ') + reason.second;
    }
    return parts.join(QStringLiteral(", "));
}
