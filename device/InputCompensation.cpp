#include "InputCompensation.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
double unitFactor(const QString &unit)
{
    const QString u = unit.toUpper();
    if (u == QLatin1String("KHZ"))
        return 1e3;
    if (u == QLatin1String("MHZ"))
        return 1e6;
    if (u == QLatin1String("GHZ"))
        return 1e9;
    return 1.0;
}
}  // namespace

bool InputCompensation::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QVector<QPair<double, double>> points;
    const bool isTouchstone = path.endsWith(QLatin1String(".s2p"), Qt::CaseInsensitive);
    const bool isRead = isTouchstone ? readTouchstone(lines, points) : readCsv(lines, points);
    if (!isRead || points.isEmpty()) {
        if (error)
            *error = isTouchstone ? QStringLiteral("no S21 data") : QStringLiteral("no \"frequency, dB\" lines");
        return false;
    }
    std::sort(points.begin(), points.end());
    m_points = points;
    return true;
}

bool InputCompensation::readTouchstone(const QStringList &lines, QVector<QPair<double, double>> &points)
{
    // "# GHz S MA R 50" is the default when the file has no option line.
    double factor = 1e9;
    QString format = QStringLiteral("MA");
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (QString line : lines) {
        line = line.section(QLatin1Char('!'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            for (const QString &word : line.mid(1).split(blanks, Qt::SkipEmptyParts)) {
                const QString w = word.toUpper();
                if (w.endsWith(QLatin1String("HZ")))
                    factor = unitFactor(w);
                else if (w == QLatin1String("DB") || w == QLatin1String("MA") || w == QLatin1String("RI"))
                    format = w;
            }
            continue;
        }
        const QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
        if (fields.size() < 9)
            return false;
        bool ok[3] = {false, false, false};
        const double f = fields[0].toDouble(&ok[0]) * factor;
        const double a = fields[3].toDouble(&ok[1]);
        const double b = fields[4].toDouble(&ok[2]);
        if (!(ok[0] && ok[1] && ok[2]))
            return false;
        double db = a;
        if (format == QLatin1String("MA"))
            db = 20.0 * std::log10(std::max(a, 1e-15));
        else if (format == QLatin1String("RI"))
            db = 10.0 * std::log10(std::max(a * a + b * b, 1e-30));
        points.append({f, db});
    }
    return true;
}

bool InputCompensation::readCsv(const QStringList &lines, QVector<QPair<double, double>> &points)
{
    static const QRegularExpression separator(QStringLiteral("[,;\\t]"));
    for (const QString &raw : lines) {
        const QStringList fields = raw.trimmed().split(separator, Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        bool isFrequency = false;
        bool isGain = false;
        const double f = fields[0].trimmed().toDouble(&isFrequency);
        const double db = fields[1].trimmed().toDouble(&isGain);
        if (isFrequency && isGain && std::isfinite(f) && std::isfinite(db))
            points.append({f, db});  // header and comment lines are passed over
    }
    return true;
}

double InputCompensation::gainDb(double frequency) const
{
    if (m_points.isEmpty())
        return 0.0;
    if (frequency <= m_points.first().first)
        return m_points.first().second;
    if (frequency >= m_points.last().first)
        return m_points.last().second;
    const auto upper = std::lower_bound(m_points.begin(), m_points.end(), qMakePair(frequency, -1e300));
    const auto lower = upper - 1;
    const double t = (frequency - lower->first) / (upper->first - lower->first);
    return lower->second + t * (upper->second - lower->second);
}
