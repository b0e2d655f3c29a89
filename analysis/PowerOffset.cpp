#include "PowerOffset.h"

#include <QHash>
#include <cmath>

namespace {
constexpr double kLowestDbm = -200.0;
}

double PowerOffset::offsetDb(const QString &modulation)
{
    static const QHash<QString, double> offsets{
        {QStringLiteral("QAM16"), 0.4574880501},    {QStringLiteral("QAM32"), -0.96910013},
        {QStringLiteral("QAM64"), -0.6693231266},   {QStringLiteral("QAM128"), -1.6896953076},
        {QStringLiteral("QAM256"), -3.1940903023},  {QStringLiteral("QAM512"), -2.0494860742},
        {QStringLiteral("QAM1024"), -1.489291418}};
    return offsets.value(modulation.toUpper(), 0.0);
}

double PowerOffset::powerDbm(double factor, const QString &modulation)
{
    return levelDbm(factor, offsetDb(modulation));
}

double PowerOffset::levelDbm(double factor, double p0)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return kLowestDbm;
    return p0 - 20.0 * std::log10(factor);
}
