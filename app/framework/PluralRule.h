#pragma once

#include <QString>

// Russian unit words after a number: last digit 1 (not 11) takes the singular,
// last digits 2 to 4 (not 12 to 14) the paucal form, everything else the genitive
// plural: 1 точка, 2 точки, 5 точек, 11 точек, 21 точка, 22 точки.
class PluralRule
{
public:
    enum Form { One, Few, Many };
    static Form russianForm(int n);
    static QString russian(int n, const QString &one, const QString &few, const QString &many);
};
