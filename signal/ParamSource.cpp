#include "ParamSource.h"

#include "TagScanner.h"
#include "UnitText.h"

ParamSource::ParamSource(int mode) : ParamSignal(mode)
{
    reset();
}

void ParamSource::reset()
{
    m_values = {{QStringLiteral("CLOCK"), QStringLiteral("1 MHz")}, {QStringLiteral("FREQUENCY"), QStringLiteral("0 MHz")}};
}

QStringList ParamSource::replaceUnusableValues()
{
    QStringList problems;
    const ParamSource defaults(mode());
    for (const ValueKind kind : {RateValue, FrequencyValue}) {
        const QString key = kind == RateValue ? QStringLiteral("CLOCK") : QStringLiteral("FREQUENCY");
        const QString problem = replaceUnusable(m_values[key], defaults.value(key), key, kind);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

double ParamSource::sampleRate() const
{
    return UnitText::toDouble(m_values.value(QStringLiteral("CLOCK")));
}

double ParamSource::frequency() const
{
    return UnitText::toDouble(m_values.value(QStringLiteral("FREQUENCY")));
}

QString ParamSource::ownText(int) const
{
    QString text;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        text += QLatin1Char('{') + it.key() + QLatin1Char(':') + it.value() + QLatin1Char('}');
    return text;
}

void ParamSource::readHeader(const TagScanner &header)
{
    for (auto it = m_values.begin(); it != m_values.end(); ++it) {
        const QString value = header.value(it.key().toUtf8() + ':');
        if (!value.isNull())
            it.value() = repairModulationName(value);
    }
}

void ParamSource::setItems(const QStringList &items)
{
    for (const QString &item : items) {
        const auto keyValue = splitItem(item);
        auto it = m_values.find(keyValue.first);
        if (it != m_values.end())
            it.value() = keyValue.second;
    }
}
