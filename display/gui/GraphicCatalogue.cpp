#include "GraphicCatalogue.h"

#include "ParamSignal.h"

#include <QCoreApplication>

namespace {
struct Entry
{
    const char *name;
    int kind;
    const char *caption;
};

// The constellation's kind differs by mode and "result" exists only with a result table.
constexpr int kConstellationStandard = 6;
constexpr int kConstellationLteNr = 12;
constexpr int kResult = 16;

const Entry kEntries[] = {
    {"i time", 0, QT_TRANSLATE_NOOP("GraphicCatalogue", "I Time")},
    {"q time", 1, QT_TRANSLATE_NOOP("GraphicCatalogue", "Q Time")},
    {"vector diagram", 2, QT_TRANSLATE_NOOP("GraphicCatalogue", "Vector Diagram")},
    {"spectrum", 3, QT_TRANSLATE_NOOP("GraphicCatalogue", "Spectrum")},
    {"time plan", 4, QT_TRANSLATE_NOOP("GraphicCatalogue", "Time Plan")},
    {"constellation diagram", kConstellationStandard, QT_TRANSLATE_NOOP("GraphicCatalogue", "Constellation Diagram")},
    {"power", 7, QT_TRANSLATE_NOOP("GraphicCatalogue", "Power")},
    {"error summary data", 8, QT_TRANSLATE_NOOP("GraphicCatalogue", "Error Summary Data")},
    {"symbol data", 9, QT_TRANSLATE_NOOP("GraphicCatalogue", "Symbol Data")},
    {"summary data", 10, QT_TRANSLATE_NOOP("GraphicCatalogue", "Summary Data")},
    {"decoded symbols", 11, QT_TRANSLATE_NOOP("GraphicCatalogue", "Decoded Symbols")},
    {"frame summary", 13, QT_TRANSLATE_NOOP("GraphicCatalogue", "Frame Summary")},
    {"error vector time", 14, QT_TRANSLATE_NOOP("GraphicCatalogue", "Error Vector Time")},
    {"file information", 15, QT_TRANSLATE_NOOP("GraphicCatalogue", "File Information")},
    {"result", kResult, QT_TRANSLATE_NOOP("GraphicCatalogue", "Result")},
};

QString normalised(const QString &name)
{
    QString text = name.trimmed().toLower();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
}  // namespace

bool GraphicCatalogue::isEmptyName(const QString &name)
{
    const QString text = normalised(name);
    return text == QLatin1String("nograph") || text == QLatin1String("no data") || text.isEmpty();
}

int GraphicCatalogue::kindOf(const QString &name, int mode, bool hasResultTable)
{
    const QString text = normalised(name);
    for (const Entry &entry : kEntries) {
        if (text != QLatin1String(entry.name))
            continue;
        if (entry.kind == kConstellationStandard)
            return mode == ParamSignal::Mode5G || mode == ParamSignal::Mode4G ? kConstellationLteNr : kConstellationStandard;
        if (entry.kind == kResult && !hasResultTable)
            return kNoGraphic;
        return entry.kind;
    }
    return kNoGraphic;
}

QString GraphicCatalogue::nameOf(int kind)
{
    if (kind == kConstellationLteNr)
        kind = kConstellationStandard;
    for (const Entry &entry : kEntries) {
        if (entry.kind == kind)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

int GraphicCatalogue::effectOf(const QString &name)
{
    const QString text = normalised(name);
    if (text == QLatin1String("sunset"))
        return EffectSunset;
    if (text == QLatin1String("spectrogram"))
        return EffectSpectrogram;
    return EffectNone;
}

QString GraphicCatalogue::effectName(int effect)
{
    switch (effect) {
    case EffectSunset: return QStringLiteral("Sunset");
    case EffectSpectrogram: return QStringLiteral("Spectrogram");
    default: return QStringLiteral("No effect");
    }
}

QStringList GraphicCatalogue::names(int mode, bool hasResultTable)
{
    QStringList list;
    for (const Entry &entry : kEntries) {
        if (kindOf(QString::fromLatin1(entry.name), mode, hasResultTable) != kNoGraphic)
            list.append(QString::fromLatin1(entry.name));
    }
    return list;
}

QString GraphicCatalogue::gridName(const QString &name)
{
    if (isEmptyName(name))
        return QStringLiteral("NoGraph");
    QStringList words = normalised(name).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &word : words) {
        if (word.size() == 1 && (word == QLatin1String("i") || word == QLatin1String("q")))
            word = word.toUpper();
        else
            word[0] = word[0].toUpper();
    }
    return words.join(QLatin1Char('_'));
}

QString GraphicCatalogue::title(const QString &name)
{
    const QString text = normalised(name);
    for (const Entry &entry : kEntries) {
        if (text == QLatin1String(entry.name))
            return QCoreApplication::translate("GraphicCatalogue", entry.caption);
    }
    return QCoreApplication::translate("GraphicCatalogue", "No Data");
}
