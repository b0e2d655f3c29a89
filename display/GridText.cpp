#include "GridText.h"

#include <QRegularExpression>
#include <QStringList>

#include <numeric>

namespace {
int weightOf(const QString &digits)
{
    // Only digits reach here: a number too long for 64 bits is simply a large weight.
    bool isNumber = false;
    const qint64 weight = digits.toLongLong(&isNumber);
    return isNumber ? int(qBound<qint64>(1, weight, GridText::kMaxWeight)) : GridText::kMaxWeight;
}
}  // namespace

bool GridText::parse(const QString &text, GridText *grid)
{
    const int start = text.indexOf(QLatin1String("{GRID:"));
    if (start < 0)
        return false;
    const QLatin1String distributionTag("Distribution(");
    const int open = text.indexOf(distributionTag, start);
    const int close = open < 0 ? -1 : text.indexOf(QLatin1Char(')'), open);
    const int end = close < 0 ? -1 : text.indexOf(QLatin1Char('}'), close);
    if (end < 0)
        return false;
    GridText parsed;
    const int first = open + distributionTag.size();
    for (const QChar c : text.mid(first, close - first)) {
        if (c == QLatin1Char(','))
            continue;
        // A row holds 1 to 9 frames, written as one digit.
        if (!c.isDigit() || c.digitValue() < 1 || c.digitValue() > 9 || parsed.distribution.size() == kMaxRows)
            return false;
        parsed.distribution.append(c.digitValue());
    }
    const QStringList items = text.mid(close + 1, end - close - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parsed.distribution.isEmpty() || items.isEmpty()
        || std::accumulate(parsed.distribution.begin(), parsed.distribution.end(), 0) != items.size())
        return false;
    static const QRegularExpression itemForm(QStringLiteral("^([^(]+)\\((\\d+),(\\d+)\\)$"));
    for (const QString &item : items) {
        const QRegularExpressionMatch match = itemForm.match(item);
        if (match.hasMatch())
            parsed.frames.append({match.captured(1), weightOf(match.captured(2)), weightOf(match.captured(3))});
        else
            parsed.frames.append({item.section(QLatin1Char('('), 0, 0), 1, 1});
    }
    *grid = parsed;
    return true;
}
