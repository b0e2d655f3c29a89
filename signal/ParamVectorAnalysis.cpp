#include "ParamVectorAnalysis.h"

#include "TagScanner.h"
#include "UnitText.h"

ParamVectorAnalysis::ParamVectorAnalysis() : ParamSignal(ModeVA)
{
    m_source.append(Group());
    m_analysis.append(Group());
    reset();
}

void ParamVectorAnalysis::reset()
{
    m_source.last() = Group{{QStringLiteral("CLOCK"), QStringLiteral("1 MHz")},
                            {QStringLiteral("FREQUENCY"), QStringLiteral("0 MHz")},
                            {QStringLiteral("POWER"), QStringLiteral("0 dBm")}};
    m_analysis.last() = Group{{QStringLiteral("SampleRate"), QStringLiteral("1 MHz")},
                              {QStringLiteral("Freq"), QStringLiteral("0 MHz")},
                              {QStringLiteral("Decimation"), QStringLiteral("1")}};
}

QStringList ParamVectorAnalysis::replaceUnusableValues()
{
    const ParamVectorAnalysis defaults;
    const struct { Group &group; const Group &fallback; const char *key; ValueKind kind; } checks[] = {
        {m_source.last(), defaults.m_source.last(), "CLOCK", RateValue},
        {m_source.last(), defaults.m_source.last(), "FREQUENCY", FrequencyValue},
        {m_analysis.last(), defaults.m_analysis.last(), "SampleRate", RateValue},
        {m_analysis.last(), defaults.m_analysis.last(), "Freq", FrequencyValue},
    };
    QStringList problems;
    for (const auto &check : checks) {
        const QString key = QLatin1String(check.key);
        const QString problem = replaceUnusable(check.group[key], check.fallback.value(key), key, check.kind);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

double ParamVectorAnalysis::sampleRate() const
{
    return UnitText::toDouble(analysisValue(QStringLiteral("SampleRate")));
}

void ParamVectorAnalysis::takeSourceRates()
{
    setAnalysisValue(QStringLiteral("SampleRate"), sourceValue(QStringLiteral("CLOCK")));
    setAnalysisValue(QStringLiteral("Freq"), sourceValue(QStringLiteral("FREQUENCY")));
}

double ParamVectorAnalysis::sourceSampleRate() const
{
    return UnitText::toDouble(sourceValue(QStringLiteral("CLOCK")));
}

double ParamVectorAnalysis::sourceFrequency() const
{
    return UnitText::toDouble(sourceValue(QStringLiteral("FREQUENCY")));
}

QString ParamVectorAnalysis::ownText(int form) const
{
    if (form == FormShort) {
        return QStringLiteral("{CLOCK:") + analysisValue(QStringLiteral("SampleRate"))
               + QStringLiteral("}{FREQUENCY:") + analysisValue(QStringLiteral("Freq"))
               + QLatin1Char('}');
    }
    return groupText(m_source.last()) + groupText(m_analysis.last());
}

QString ParamVectorAnalysis::groupText(const Group &group)
{
    QString text;
    for (auto it = group.constBegin(); it != group.constEnd(); ++it)
        text += QLatin1Char('{') + it.key() + QLatin1Char(':') + it.value() + QLatin1Char('}');
    return text;
}

void ParamVectorAnalysis::setItems(const QStringList &items)
{
    setGroupItems(m_source.last(), items);
    setGroupItems(m_analysis.last(), items);
}

void ParamVectorAnalysis::setGroupItems(Group &group, const QStringList &items)
{
    for (const QString &item : items) {
        const auto keyValue = splitItem(item);
        auto it = group.find(keyValue.first);
        if (it != group.end())
            it.value() = keyValue.second;
    }
}

void ParamVectorAnalysis::readHeader(const TagScanner &header)
{
    readGroupHeader(m_source.last(), header);
    readGroupHeader(m_analysis.last(), header);
}

void ParamVectorAnalysis::readGroupHeader(Group &group, const TagScanner &header)
{
    for (auto it = group.begin(); it != group.end(); ++it) {
        const QString value = header.value(it.key().toUtf8() + ':');
        if (!value.isNull())
            it.value() = repairModulationName(value);
    }
}
