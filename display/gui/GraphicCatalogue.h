#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The graphics a frame can show, by name, and their kind codes (the data kinds of
// the display calculator where a series exists). Names match without regard to
// case, so "Spectrum" and "spectrum" are the same graphic.
class GraphicCatalogue
{
public:
    // The graphics' kind codes; where a series exists they are the display
    // calculator's data kinds of the same number.
    enum Kind : int {
        KindNone = -1,
        KindITime = 0,
        KindQTime = 1,
        KindVectorDiagram = 2,
        KindSpectrum = 3,
        KindTimePlan = 4,
        KindConstellation = 6,
        KindPower = 7,
        KindErrorSummaryData = 8,
        KindSymbolData = 9,
        KindSummaryData = 10,
        KindDecodedSymbols = 11,
        KindConstellationLteNr = 12,  // the constellation of the LTE and 5G modes
        KindFrameSummary = 13,
        KindErrorVectorTime = 14,
        KindFileInformation = 15,
        KindResult = 16,
    };
    static constexpr Kind kNoGraphic = KindNone;
    enum Effect { EffectNone = 0, EffectSunset = 1, EffectSpectrogram = 2 };

    // The kind of a name in a mode; KindNone for "No Data", "NoGraph", unknown
    // names and "result" in a mode without a result table.
    static Kind kindOf(const QString &name, int mode);
    // Only the ACLR mode ends its analysis in a result table.
    static bool hasResultTable(int mode);
    // The name as the catalogue writes it ("spectrum"); empty for no graphic.
    static QString nameOf(int kind);
    static int effectOf(const QString &name);
    static QString effectName(int effect);
    // Names of the mode's graphics among `kinds` (all when empty), in catalogue order.
    static QStringList names(int mode, const QVector<Kind> &kinds = {});
    static bool isEmptyName(const QString &name);
    // The name as written in grid texts: words capitalised and joined by "_"
    // ("Error_Summary_Data"), "NoGraph" for an empty frame.
    static QString gridName(const QString &name);
    // The caption shown to users in the interface language ("Error Summary Data"),
    // "No Data" for an empty frame or an unknown name.
    static QString title(const QString &name);
};
