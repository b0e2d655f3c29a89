#include "GraphicCatalogue.h"

#include "ParamSignal.h"

#include <QCoreApplication>

namespace {
struct Entry
{
    const char *name;
    GraphicCatalogue::Kind kind;
    const char *caption;
};

using G = GraphicCatalogue;

const Entry kEntries[] = {
    {"i time", G::KindITime, QT_TRANSLATE_NOOP("GraphicCatalogue", "I Time")},
    {"q time", G::KindQTime, QT_TRANSLATE_NOOP("GraphicCatalogue", "Q Time")},
    {"vector diagram", G::KindVectorDiagram, QT_TRANSLATE_NOOP("GraphicCatalogue", "Vector Diagram")},
    {"spectrum", G::KindSpectrum, QT_TRANSLATE_NOOP("GraphicCatalogue", "Spectrum")},
    {"time plan", G::KindTimePlan, QT_TRANSLATE_NOOP("GraphicCatalogue", "Time Plan")},
    {"constellation diagram", G::KindConstellation, QT_TRANSLATE_NOOP("GraphicCatalogue", "Constellation Diagram")},
    {"power", G::KindPower, QT_TRANSLATE_NOOP("GraphicCatalogue", "Power")},
    {"error summary data", G::KindErrorSummaryData, QT_TRANSLATE_NOOP("GraphicCatalogue", "Error Summary Data")},
    {"symbol data", G::KindSymbolData, QT_TRANSLATE_NOOP("GraphicCatalogue", "Symbol Data")},
    {"summary data", G::KindSummaryData, QT_TRANSLATE_NOOP("GraphicCatalogue", "Summary Data")},
    {"decoded symbols", G::KindDecodedSymbols, QT_TRANSLATE_NOOP("GraphicCatalogue", "Decoded Symbols")},
    {"frame summary", G::KindFrameSummary, QT_TRANSLATE_NOOP("GraphicCatalogue", "Frame Summary")},
    {"error vector time", G::KindErrorVectorTime, QT_TRANSLATE_NOOP("GraphicCatalogue", "Error Vector Time")},
    {"file information", G::KindFileInformation, QT_TRANSLATE_NOOP("GraphicCatalogue", "File Information")},
    {"result", G::KindResult, QT_TRANSLATE_NOOP("GraphicCatalogue", "Result")},
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

bool GraphicCatalogue::hasResultTable(int mode)
{
    return mode == ParamSignal::ModeACLR;
}

GraphicCatalogue::Kind GraphicCatalogue::kindOf(const QString &name, int mode)
{
    const QString text = normalised(name);
    for (const Entry &entry : kEntries) {
        if (text != QLatin1String(entry.name))
            continue;
        if (entry.kind == KindConstellation)
            return mode == ParamSignal::Mode5G || mode == ParamSignal::Mode4G ? KindConstellationLteNr : KindConstellation;
        if (entry.kind == KindResult && !hasResultTable(mode))
            return KindNone;
        return entry.kind;
    }
    return KindNone;
}

QString GraphicCatalogue::nameOf(int kind)
{
    if (kind == KindConstellationLteNr)
        kind = KindConstellation;
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

QStringList GraphicCatalogue::names(int mode, const QVector<Kind> &kinds)
{
    QStringList list;
    for (const Entry &entry : kEntries) {
        const Kind kind = kindOf(QString::fromLatin1(entry.name), mode);
        if (kind != KindNone && (kinds.isEmpty() || kinds.contains(kind)))
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
