#include "MarkerMath.h"

#include "UnitPrefix.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The first index whose y beats every earlier one by `better`; ties keep the earlier point.
template <typename Better>
int extremeIndex(const QVector<QPointF> &series, Better better)
{
    if (series.isEmpty())
        return -1;
    const QPointF *p = series.constData();
    int best = 0;
    for (int k = 1; k < series.size(); ++k) {
        if (better(p[k].y(), p[best].y()))
            best = k;
    }
    return best;
}

// 10^(db/10) through exp, which costs a fraction of pow: spectra of 100 000 bins
// are summed at every frame.
constexpr double kLn10Over10 = 0.23025850929940456840;
double linearPower(double db) { return std::exp(db * kLn10Over10); }
}  // namespace

double MarkerMath::nearestX(const QVector<QPointF> &series, double x)
{
    if (series.isEmpty())
        return x;
    const auto after = std::lower_bound(series.begin(), series.end(), x,
                                        [](const QPointF &point, double value) { return point.x() < value; });
    if (after == series.begin())
        return after->x();
    if (after == series.end())
        return series.last().x();
    const double before = (after - 1)->x();
    return x - before <= after->x() - x ? before : after->x();
}

int MarkerMath::peakIndex(const QVector<QPointF> &series)
{
    return extremeIndex(series, [](double a, double b) { return a > b; });
}

int MarkerMath::minimumIndex(const QVector<QPointF> &series)
{
    return extremeIndex(series, [](double a, double b) { return a < b; });
}

double MarkerMath::spacing(const QVector<QPointF> &series)
{
    return series.size() < 2 ? 0.0 : series.at(1).x() - series.at(0).x();
}

MarkerMath::Reading MarkerMath::valueAt(const QVector<QPointF> &series, double x, double plotWidth, int rule)
{
    Reading reading;
    reading.x = x;
    const int n = series.size();
    if (n < 2)
        return reading;
    reading.isValid = true;
    const QPointF *p = series.constData();
    int i = 0;
    while (i < n && p[i].x() <= x)
        ++i;
    if (i == n)
        i = n - 1;  // right of the last point: the last two points still define the line
    if (i == 0) {
        reading.y = p[0].y();
        return reading;
    }
    const double perPixel = plotWidth > 0.0 ? n / plotWidth : 0.0;
    if (perPixel <= kInterpolateLimit) {
        const double dx = p[i].x() - p[i - 1].x();
        reading.y = dx == 0.0 ? p[i - 1].y() : p[i - 1].y() + (x - p[i - 1].x()) * (p[i].y() - p[i - 1].y()) / dx;
        return reading;
    }
    const int first = std::max(i - int(perPixel), 0);
    double maximum = p[first].y(), minimum = p[first].y(), sum = 0.0;
    for (int j = first; j < i; ++j) {
        maximum = std::max(maximum, p[j].y());
        minimum = std::min(minimum, p[j].y());
        sum += p[j].y();
    }
    reading.y = rule == RuleMaximum ? maximum : rule == RuleMinimum ? minimum : sum / (i - first);
    return reading;
}

MarkerMath::Reading MarkerMath::follow(const QVector<QPointF> &series, int mode, double x, double plotWidth, int rule)
{
    if (mode == ModeMaximum || mode == ModeMinimum) {
        const int index = mode == ModeMaximum ? peakIndex(series) : minimumIndex(series);
        if (index >= 0)
            x = series.at(index).x();
    } else if (mode == ModeRedrawOnly) {
        Reading unchanged;
        unchanged.x = x;
        return unchanged;
    }
    return valueAt(series, x, plotWidth, rule);
}

double MarkerMath::channelPower(const QVector<QPointF> &series, double f1, double f2, double xMin, double xMax)
{
    const double minusInfinity = -std::numeric_limits<double>::infinity();
    const int n = series.size();
    if (n == 0 || !(xMax > xMin))
        return minusInfinity;
    const double low = std::min(f1, f2), high = std::max(f1, f2);
    // Positions outside the x range stop at the first and last bin.
    const int i1 = std::max(0, int((low - xMin) / (xMax - xMin) * n));
    const int i2 = std::min(n - 1, int((high - xMin) / (xMax - xMin) * n));
    if (i1 > i2)
        return minusInfinity;
    double sum = 0.0;
    for (int k = i1; k <= i2; ++k)
        sum += linearPower(series.at(k).y());
    return 10.0 * std::log10(sum / (i2 - i1 + 1));
}

QPair<int, int> MarkerMath::occupiedBandIndexes(const QVector<QPointF> &series)
{
    const int n = series.size();
    if (n == 0)
        return {0, 0};
    QVector<double> power(n);
    double total = 0.0;
    for (int k = 0; k < n; ++k) {
        power[k] = linearPower(series.at(k).y());  // the squared amplitude 10^(y/20)
        total += power[k];
    }
    const double threshold = kOccupiedShare * total;
    const int centre = n / 2;
    double accumulated = power[centre];
    for (int j = 1; j <= centre - 1; ++j) {
        accumulated += power[centre - j] + power[centre + j];
        if (accumulated > threshold)
            return {centre - j, centre + j};
    }
    return {centre, centre};
}

QPair<double, double> MarkerMath::occupiedBand(const QVector<QPointF> &series)
{
    if (series.isEmpty())
        return {0.0, 0.0};
    const QPair<int, int> band = occupiedBandIndexes(series);
    return {series.at(band.first).x(), series.at(band.second).x()};
}

double MarkerMath::rmsPower(const IQ *samples, int count)
{
    double sum = 0.0;
    for (int k = 0; k < count; ++k)
        sum += std::norm(samples[k]);
    const double mean = count > 0 ? sum / count : 0.0;
    return mean > 0.0 ? 10.0 * std::log10(mean) : kNoPowerDb;
}

QString MarkerMath::formatValue(double value)
{
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    QString text = UnitPrefix::trimmedNumber(value, kDecimals);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString MarkerMath::withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString MarkerMath::readout(const Reading &reading, const QString &unit)
{
    return withUnit(reading.isValid ? formatValue(reading.y) : QStringLiteral("- -"), unit);
}
