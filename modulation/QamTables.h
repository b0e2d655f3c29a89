#pragma once

#include "Modulation.h"

// Built-in point tables of QAM16 … QAM1024 and the starting table of QAM User
// (empty for any other id).
//
// A symbol s = b(n−1)…b0 is placed as follows: b(n−1) = 1 makes I negative,
// b(n−2) = 1 makes Q negative, and the remaining n−2 bits pick the magnitudes
// (|I|, |Q|) through a first-quadrant labelling; in the quadrants where I and Q
// have different signs |I| and |Q| are exchanged, so each quadrant is the first
// one reflected in the diagonal. Coordinates are odd integers divided by the
// largest level, so the outermost coordinate is exactly 1.
//
// Square schemes label the first quadrant with two interleaved Gray codes (the
// even-position bits give |I|, the odd-position bits |Q|), so neighbours inside a
// quadrant differ in one bit. The cross schemes (32, 128, 512) extend that inner
// square with their own labels for the arms.
PointTable builtInQamTable(int id);

// Integer encoded by a reflected binary (Gray) code: 0→0, 1→1, 3→2, 2→3, …
int grayDecode(int gray);
