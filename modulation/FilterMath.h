#pragma once

#include <QVector>

// Small numeric helpers shared by the filter formulas (and by any spectrum window).
namespace FilterMath {

// Relative equality to about twelve significant digits: |a − b|·1e12 ≤ min(|a|, |b|).
// Two values that are both exactly zero are not "equal" under this test, which is
// why zero is tested through isFuzzyZero.
bool fuzzyEqual(double a, double b);

// x counts as zero when x + 1 is fuzzily equal to 1.
bool isFuzzyZero(double x);

// Normalised sinc: sin(πx)/(πx), exactly 1 where x counts as zero.
double sinc(double x);

// Blackman window of the given length:
// w[n] = 0.42 − 0.5·cos(2πn/(L−1)) + 0.08·cos(4πn/(L−1)). A length of 1 gives {1}.
QVector<double> blackmanWindow(int length);

} // namespace FilterMath
