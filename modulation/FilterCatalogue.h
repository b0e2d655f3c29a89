#pragma once

#include <QString>

#include <memory>

class Filtration;

// Numeric filter types as they travel in parameter sets and chains.
enum FilterKind : int {
    FilterNone = 0,
    FilterNyquist = 1,
    FilterRootNyquist = 2,
    FilterGauss = 3,
    FilterRectangle = 4,
    FilterLowpass = 5,
    FilterLowpass2 = 6,
    FilterUser = 7,
};

// Type of a filter named in the user interface or a parameter text. A name equal
// (without regard to case) to a filter's display name, English or translated, gives
// that filter. Otherwise the lower-cased name is tested against "none", "gauss",
// "rect", "user", "r.nyquist", "nyquist", "lowpass" in that order (the first, fifth
// and sixth by equality with their translation, the others by containment);
// anything unmatched is FilterNone. Lowpass2 has no name: it is chosen only by its
// type.
int filterType(const QString &name);

// Translated display name of a filter type; unknown types read "NotFilter".
QString filterName(int type);

// New filter design object of the given type; unknown types give NotFilter.
std::unique_ptr<Filtration> createFiltration(int type);
