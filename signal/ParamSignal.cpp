#include "ParamSignal.h"

#include "SignalFileKind.h"
#include "TagScanner.h"
#include "UnitText.h"

#include <QCoreApplication>
#include <QPair>

ParamSignal::ParamSignal(int mode) : m_mode(mode) {}

ParamSignal::~ParamSignal() = default;

void ParamSignal::reset() {}

double ParamSignal::sampleRate() const { return 1e8; }

double ParamSignal::secondRate() const { return 1.0; }

QString ParamSignal::ownText(int) const { return QString(); }

void ParamSignal::readHeader(const TagScanner &) {}

void ParamSignal::setItems(const QStringList &) {}

QString ParamSignal::text(int form) const
{
    const QString own = ownText(form);
    if (own.isEmpty() || form == FormProfile)
        return own;
    return modeTag(m_mode) + own;
}

bool ParamSignal::parseText(const QString &text, bool isTestMode)
{
    QStringList items = text.split(QStringLiteral("}{"));
    if (isTestMode) {
        const QString first = items.first().split(QLatin1Char(':')).last();
        if (modeFromText(first) != m_mode)
            return false;
    }
    QString &last = items.last();
    if (last.endsWith(QLatin1Char('}')))
        last.chop(1);
    QString &first = items.first();
    if (first.startsWith(QLatin1Char('{')))
        first.remove(0, 1);
    setItems(items);
    return true;
}

bool ParamSignal::prepareFromFile(const QString &fileName, const TagScanner &header)
{
    if (SignalFileKind::hasNoParameters(SignalFileKind::of(fileName)))
        reset();
    else
        readHeader(header);
    return true;
}

QString ParamSignal::replaceUnusable(QString &value, const QString &fallback, const QString &name, ValueKind kind)
{
    double number = 0.0;
    const bool isNumber = UnitText::read(value, number);
    if (isNumber && (kind == FrequencyValue || number > 0.0))
        return QString();
    const QString problem = kind == RateValue
                                ? QCoreApplication::translate("ParamSignal", "%1 \"%2\" is not a positive rate; %3 is used instead.")
                                : QCoreApplication::translate("ParamSignal", "%1 \"%2\" is not a frequency; %3 is used instead.");
    const QString text = problem.arg(name, value, fallback);
    value = fallback;
    return text;
}

int ParamSignal::modeFromText(const QString &text)
{
    const QString upper = text.toUpper();
    if (upper.contains(QLatin1String("DM")))
        return ModeDM;
    if (upper.contains(QLatin1String("VA")))
        return ModeVA;
    if (upper.contains(QLatin1String("5G")) || upper.contains(QLatin1String("G5")))
        return Mode5G;
    if (upper.contains(QLatin1String("4G")) || upper.contains(QLatin1String("G4")))
        return Mode4G;
    if (upper.contains(QLatin1String("ACLR")))
        return ModeACLR;
    return ModeNone;
}

QString ParamSignal::modeName(int mode, bool isLetterFirst)
{
    switch (mode) {
    case ModeVA: return QStringLiteral("VA");
    case Mode5G: return isLetterFirst ? QStringLiteral("G5") : QStringLiteral("5G");
    case Mode4G: return isLetterFirst ? QStringLiteral("G4") : QStringLiteral("4G");
    case ModeACLR: return QStringLiteral("ACLR");
    default: return QStringLiteral("DM");
    }
}

QString ParamSignal::modeTag(int mode)
{
    switch (mode) {
    case ModeVA: return QStringLiteral("{MODE:VA}");
    case Mode5G: return QStringLiteral("{MODE:5G}");
    case Mode4G: return QStringLiteral("{MODE:LTE}");
    default: return QStringLiteral("{MODE:DM}");
    }
}

QString ParamSignal::repairModulationName(const QString &value)
{
    static const QChar pi(0x03C0);
    static const struct { const char *marker; QString repaired; } rules[] = {
        {"4 offset", QStringLiteral("QPSK ") + pi + QStringLiteral("/4 offset")},
        {"4-QPSK", pi + QStringLiteral("/4-QPSK")},
        {"2-DBPSK", pi + QStringLiteral("/2-DBPSK")},
        {"4-DQPSK", pi + QStringLiteral("/4-DQPSK")},
        {"8-D8PSK", pi + QStringLiteral("/8-D8PSK")},
    };
    for (const auto &rule : rules) {
        if (value.contains(QLatin1String(rule.marker)))
            return rule.repaired;
    }
    return value;
}

QPair<QString, QString> ParamSignal::splitItem(const QString &item)
{
    const int colon = item.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return qMakePair(item, QString());
    return qMakePair(item.left(colon), item.mid(colon + 1));
}
