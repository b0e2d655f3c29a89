#pragma once

#include <QString>

// The receiver reports power as the amplitude factor k that scales the catalogue's
// peak-normalised points onto the signal; the error summary shows P0 − 20·log10(k) dBm,
// where P0 (dB) is the mean power of the scheme's peak-normalised constellation for the
// QAM schemes and 0 for every other scheme.
namespace PowerOffset {
// P0 by modulation name, compared in upper case.
double offsetDb(const QString &modulation);
// The shown power in dBm; −200 for a factor that is not positive.
double powerDbm(double factor, const QString &modulation);
// The same with the offset p0 (dB) already chosen.
double levelDbm(double factor, double p0);
}  // namespace PowerOffset
