#pragma once

#include <QString>
#include <QStringList>

// The graphics a frame can show, by name, and their kind codes (the data kinds of
// the display calculator where a series exists). Names match without regard to
// case, so "Spectrum" and "spectrum" are the same graphic.
class GraphicCatalogue
{
public:
    static constexpr int kNoGraphic = -1;
    enum Effect { EffectNone = 0, EffectSunset = 1, EffectSpectrogram = 2 };

    // The kind code of a name in a mode; -1 for "No Data", "NoGraph" and unknown names.
    static int kindOf(const QString &name, int mode, bool hasResultTable = false);
    // The name as the catalogue writes it ("spectrum"); empty for no graphic.
    static QString nameOf(int kind);
    static int effectOf(const QString &name);
    static QString effectName(int effect);
    // Names offered in a frame's menu for a mode, in catalogue order.
    static QStringList names(int mode, bool hasResultTable = false);
    static bool isEmptyName(const QString &name);
    // The name as written in grid texts: words capitalised and joined by "_"
    // ("Error_Summary_Data"), "NoGraph" for an empty frame.
    static QString gridName(const QString &name);
    // The caption shown to users in the interface language ("Error Summary Data"),
    // "No Data" for an empty frame or an unknown name.
    static QString title(const QString &name);
};
