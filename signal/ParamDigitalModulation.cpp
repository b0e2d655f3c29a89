#include "ParamDigitalModulation.h"

#include "TagScanner.h"
#include "UnitText.h"

#include <QMutexLocker>

const QString ParamDigitalModulation::kDefaultModulation = QStringLiteral("QPSK");
const QString ParamDigitalModulation::kRootNyquist = QStringLiteral("Root Nyquist");
const QString ParamDigitalModulation::kNoFilter = QStringLiteral("None");

namespace {
// Items of a stored description that name its modulation; either makes a text a
// stored description, which is normalised after it is taken.
const QString kMeasurementKey = QStringLiteral("Measurement");
const QString kModulationKey = QStringLiteral("MODULATION");
constexpr double kQuarter = 0.25;
}  // namespace

ParamDigitalModulation::ParamDigitalModulation() : ParamSignal(ModeDM)
{
    m_groups = {Group(), Group()};
    reset();
}

void ParamDigitalModulation::reset()
{
    m_groups.first() = Group{{QStringLiteral("Accuracy"), QStringLiteral("Short")},
                             {QStringLiteral("CLOCK"), QStringLiteral("4 MHz")},
                             {QStringLiteral("FREQUENCY"), QStringLiteral("1 GHz")},
                             {QStringLiteral("SYMBOLRATE"), QStringLiteral("1 MHz")},
                             {QStringLiteral("FILTER"), kNoFilter},
                             {kModulationKey, kDefaultModulation},
                             {QStringLiteral("CODING"), QStringLiteral("None")}};
    m_groups.last() = Group{{QStringLiteral("ShowAllErrors"), QStringLiteral("false")}};
}

double ParamDigitalModulation::sampleRate() const
{
    return UnitText::toDouble(value(QStringLiteral("CLOCK")));
}

double ParamDigitalModulation::symbolRate() const
{
    return UnitText::toDouble(value(QStringLiteral("SYMBOLRATE")));
}

double ParamDigitalModulation::frequency() const
{
    return UnitText::toDouble(value(QStringLiteral("FREQUENCY")));
}

double ParamDigitalModulation::filterParameter() const
{
    return value(QStringLiteral("FPARAMETER")).trimmed().toDouble();
}

QString ParamDigitalModulation::groupText(const Group &group)
{
    QString text;
    for (auto it = group.constBegin(); it != group.constEnd(); ++it)
        text += QLatin1Char('{') + it.key() + QLatin1Char(':') + it.value() + QLatin1Char('}');
    return text;
}

QString ParamDigitalModulation::ownText(int form) const
{
    if (form != FormShort)
        return groupText(m_groups.first()) + groupText(m_groups.last());
    // A file header describes the recording and how to demodulate it, nothing of the display.
    Group header;
    for (const char *key : {"CLOCK", "FREQUENCY", "SYMBOLRATE", "MODULATION", "FILTER", "FPARAMETER"}) {
        const QString name = QLatin1String(key);
        if (m_groups.first().contains(name))
            header.insert(name, value(name));
    }
    return groupText(header);
}

void ParamDigitalModulation::setItems(const QStringList &items)
{
    bool isDescription = false;
    bool hasRates = false;
    for (const QString &item : items) {
        auto keyValue = splitItem(item);
        if (keyValue.first == kMeasurementKey)
            keyValue.first = kModulationKey;
        isDescription = isDescription || keyValue.first == kModulationKey;
        hasRates = hasRates || keyValue.first == QLatin1String("CLOCK") || keyValue.first == QLatin1String("SYMBOLRATE");
        for (Group &group : m_groups) {
            auto it = group.find(keyValue.first);
            // The filter parameter is optional: it joins the set once a text gives it.
            if (it != group.end())
                it.value() = keyValue.second;
            else if (&group == &m_groups.first() && keyValue.first == QLatin1String("FPARAMETER"))
                group.insert(keyValue.first, keyValue.second);
        }
    }
    if (isDescription)
        normaliseFilter();
    // A recording handed over with its own clock must not leave the symbol rate above it.
    if (isDescription || hasRates)
        normaliseSymbolRate();
}

void ParamDigitalModulation::readHeader(const TagScanner &header)
{
    for (Group &group : m_groups) {
        for (auto it = group.begin(); it != group.end(); ++it) {
            const QString found = header.value(it.key().toUtf8() + ':');
            if (!found.isNull())
                it.value() = repairModulationName(found);
        }
    }
    const QString parameter = header.value(QByteArrayLiteral("FPARAMETER:"));
    if (!parameter.isNull())
        setValue(QStringLiteral("FPARAMETER"), parameter);
    normalise();
}

void ParamDigitalModulation::normalise()
{
    normaliseFilter();
    normaliseSymbolRate();
}

void ParamDigitalModulation::normaliseFilter()
{
    const QString filterName = filter().toLower();
    const bool isRoot = filterName == QLatin1String("root nyquist") || filterName == QLatin1String("r.nyquist");
    setValue(QStringLiteral("FILTER"), isRoot ? kRootNyquist : kNoFilter);
}

void ParamDigitalModulation::normaliseSymbolRate()
{
    const double fs = sampleRate();
    if (symbolRate() >= fs)
        setValue(QStringLiteral("SYMBOLRATE"), QString::number(kQuarter * fs, 'g', 6));
}

QStringList ParamDigitalModulation::replaceUnusableValues()
{
    const ParamDigitalModulation defaults;
    QStringList problems;
    const struct { const char *key; ValueKind kind; } checks[] = {
        {"CLOCK", RateValue}, {"FREQUENCY", FrequencyValue}, {"SYMBOLRATE", RateValue}};
    for (const auto &check : checks) {
        const QString key = QLatin1String(check.key);
        const QString problem = replaceUnusable(m_groups.first()[key], defaults.value(key), key, check.kind);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

QVector<double> ParamDigitalModulation::evmVector() const
{
    QMutexLocker lock(&m_evmMutex);
    return m_evm;
}

void ParamDigitalModulation::setEvmVector(const QVector<double> &evm)
{
    QMutexLocker lock(&m_evmMutex);
    m_evm = evm;
}
