#include "FilterCatalogue.h"
#include "FilterMath.h"
#include "Filtration.h"

#include <QtTest>

#include <cmath>
#include <numeric>
#include <complex>

namespace {

// Magnitude response of real coefficients at angular frequency w (radians per sample).
double gainAt(const QVector<double> &h, double w)
{
    std::complex<double> sum;
    for (int k = 0; k < h.size(); ++k)
        sum += h.at(k) * std::polar(1.0, -w * k);
    return std::abs(sum);
}

double sum(const QVector<double> &h)
{
    return std::accumulate(h.cbegin(), h.cend(), 0.0);
}

QVector<double> design(int type, int taps, double ovs, const QVector<double> &params)
{
    return createFiltration(type)->coefficients(taps, ovs, params);
}

// Index of time t on the axis of `taps` taps at `ovs` samples per symbol.
int indexOf(double t, int taps, int ovs)
{
    return int(std::lround((t + taps / (2.0 * ovs)) * ovs));
}

constexpr int kAxisOvs = 16;
constexpr int kAxisTaps = 2 * kAxisOvs * 14; // times −14 … 14 symbols, every 1/16

} // namespace

class tst_Filters : public QObject
{
    Q_OBJECT
private slots:
    void namesAndTypes_data();
    void namesAndTypes();
    void displayNames();
    void fuzzyTestsAndSinc();
    void timeAxisAndBlackman();
    void nyquistIsZeroAtWholeSymbolsAndUsesTabulatedLimits();
    void rootNyquistLimitsMatchTheAnalyticValue();
    void gaussianTapsSumToOne();
    void rectangleIsOneSymbolCentred();
    void lowpassPassesTheBandAndStopsAbove();
    void lowpass2HasTapsPlusOneCoefficientsAndCutsAtHalfBand();
    void userAndNotFilterCoefficients();
};

void tst_Filters::namesAndTypes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("None") << QStringLiteral("None") << 0;
    QTest::newRow("Nyquist") << QStringLiteral("NYQUIST") << 1;
    QTest::newRow("Nyquist must be whole") << QStringLiteral("Nyquist filter") << 0;
    QTest::newRow("R.Nyquist") << QStringLiteral("R.Nyquist") << 2;
    QTest::newRow("Root Nyquist") << QStringLiteral("Root Nyquist") << 0;
    QTest::newRow("Gaussian filter") << QStringLiteral("Gaussian filter") << 3;
    QTest::newRow("Rectangle") << QStringLiteral("Rectangle") << 4;
    QTest::newRow("Lowpass") << QStringLiteral("my lowpass") << 5;
    QTest::newRow("UserFilter") << QStringLiteral("UserFilter") << 7;
    QTest::newRow("user before lowpass") << QStringLiteral("user lowpass") << 7;
    QTest::newRow("unknown") << QStringLiteral("Bessel") << 0;
}

void tst_Filters::namesAndTypes()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QCOMPARE(filterType(name), type);
}

void tst_Filters::displayNames()
{
    const QStringList names = {"NotFilter", "Nyquist", "R.Nyquist", "Gaussian", "Rectangle",
                               "Lowpass", "NotFilter", "UserFilter"};
    for (int type = 0; type < names.size(); ++type)
        QCOMPARE(filterName(type), names.at(type));
    QCOMPARE(filterName(42), QStringLiteral("NotFilter"));
    // Every name but Lowpass2's leads back to its type.
    for (int type : {1, 2, 3, 4, 5, 7})
        QCOMPARE(filterType(filterName(type)), type);
}

void tst_Filters::fuzzyTestsAndSinc()
{
    QVERIFY(FilterMath::fuzzyEqual(1.0, 1.0 + 1e-13));
    QVERIFY(!FilterMath::fuzzyEqual(1.0, 1.0 + 1e-11));
    QVERIFY(FilterMath::isFuzzyZero(1e-13));
    QVERIFY(!FilterMath::isFuzzyZero(1e-11));
    QCOMPARE(FilterMath::sinc(0.0), 1.0);
    QCOMPARE(FilterMath::sinc(1e-14), 1.0);
    QVERIFY(std::abs(FilterMath::sinc(0.5) - 2.0 / M_PI) < 1e-15);
    for (int n = 1; n < 5; ++n)
        QVERIFY(std::abs(FilterMath::sinc(n)) < 1e-15);
}

void tst_Filters::timeAxisAndBlackman()
{
    QCOMPARE(Filtration::timeAxis(8, 4), (QVector<double>{-1, -0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75}));
    QCOMPARE(Filtration::timeAxis(3, 2), (QVector<double>{-0.75, -0.25, 0.25}));
    QVERIFY(Filtration::timeAxis(0, 4).isEmpty());

    const QVector<double> w = FilterMath::blackmanWindow(9);
    QVERIFY(std::abs(w.first()) < 1e-15 && std::abs(w.last()) < 1e-15);
    QVERIFY(std::abs(w.at(4) - 1.0) < 1e-15);
    // Quarter point: 0.42 − 0.5·cos(π/2) + 0.08·cos(π) = 0.34.
    QVERIFY(std::abs(w.at(2) - 0.34) < 1e-15);
    for (int n = 0; n < 9; ++n)
        QVERIFY(std::abs(w.at(n) - w.at(8 - n)) < 1e-15);
}

void tst_Filters::nyquistIsZeroAtWholeSymbolsAndUsesTabulatedLimits()
{
    // A raised cosine is 1 at t = 0 and crosses zero at every other whole symbol.
    const QVector<double> h = design(FilterNyquist, kAxisTaps, kAxisOvs, {0.35});
    QVERIFY(std::abs(h.at(indexOf(0, kAxisTaps, kAxisOvs)) - 1.0) < 1e-15);
    for (int t = 1; t < 14; ++t) {
        QVERIFY(std::abs(h.at(indexOf(t, kAxisTaps, kAxisOvs))) < 1e-15);
        QVERIFY(std::abs(h.at(indexOf(-t, kAxisTaps, kAxisOvs))) < 1e-15);
    }
    // At the singular time 1/(2α) = 10/7 an unlisted roll-off gives 0, not the analytic limit.
    const QVector<double> seven = design(FilterNyquist, 28, 7, {0.35});
    QCOMPARE(seven.at(indexOf(10.0 / 7, 28, 7)), 0.0);
    QVERIFY(std::abs(seven.at(indexOf(10.0 / 7, 28, 7) - 1)) > 0.01);

    // Listed roll-offs: the limit (π/4)·sinc(1/(2α)).
    for (double alpha : {1.0, 0.8, 0.5, 0.4, 0.32, 0.25, 0.2, 0.16, 0.1, 0.08, 0.05, 0.04}) {
        const double singular = 1.0 / (2 * alpha);
        const double expected = M_PI / 4 * FilterMath::sinc(singular);
        const QVector<double> taps = design(FilterNyquist, 2 * kAxisOvs * 28, kAxisOvs, {alpha});
        const double actual = taps.at(indexOf(singular, 2 * kAxisOvs * 28, kAxisOvs));
        QVERIFY2(std::abs(actual - expected) < 1e-12, qPrintable(QStringLiteral("alpha %1").arg(alpha)));
    }
    QVERIFY(design(FilterNyquist, 16, 4, {}).isEmpty());
}

void tst_Filters::rootNyquistLimitsMatchTheAnalyticValue()
{
    // h(1/(4β)) = (β/√2)·[(1 + 2/π)·sin(π/(4β)) + (1 − 2/π)·cos(π/(4β))].
    for (double beta : {1.0, 0.8, 0.5, 0.4, 0.25, 0.2, 0.16, 0.1, 0.08, 0.05, 0.04, 0.02}) {
        const double singular = 1.0 / (4 * beta);
        const double angle = M_PI / (4 * beta);
        const double expected = beta / M_SQRT2 * ((1 + 2 / M_PI) * std::sin(angle) + (1 - 2 / M_PI) * std::cos(angle));
        const QVector<double> taps = design(FilterRootNyquist, kAxisTaps, kAxisOvs, {beta});
        const double actual = taps.at(indexOf(singular, kAxisTaps, kAxisOvs));
        QVERIFY2(std::abs(actual - expected) < 1e-12, qPrintable(QStringLiteral("beta %1").arg(beta)));
    }
    // Unlisted roll-off at its singular time (β = 1/8, t = 2): the fixed fallback.
    const QVector<double> eighth = design(FilterRootNyquist, kAxisTaps, kAxisOvs, {0.125});
    QCOMPARE(eighth.at(indexOf(2.0, kAxisTaps, kAxisOvs)), -0.002569486231078);
    // Peak at t = 0: 1 − β + 4β/π.
    QVERIFY(std::abs(eighth.at(indexOf(0, kAxisTaps, kAxisOvs)) - (1 - 0.125 + 0.5 / M_PI)) < 1e-12);
    // No roll-off: the ideal sinc pulse.
    const QVector<double> ideal = design(FilterRootNyquist, 64, 8, {0.0});
    for (int k = 0; k < 64; ++k)
        QVERIFY(std::abs(ideal.at(k) - FilterMath::sinc((k - 32) / 8.0)) < 1e-15);
}

void tst_Filters::gaussianTapsSumToOne()
{
    // The continuous pulse has unit area; sampling at ovs per symbol and the 1/ovs
    // scale keep the sum of the taps at 1.
    for (double bt : {0.3, 0.5, 1.0}) {
        const QVector<double> h = design(FilterGauss, 64, 8, {bt});
        QVERIFY2(std::abs(sum(h) - 1.0) < 1e-6, qPrintable(QString::number(sum(h))));
    }
    // B is the −3 dB bandwidth: |H(f)| = exp(−(ln 2 / 2)·(f/B)²), so at f = B the gain is 1/√2.
    const QVector<double> h = design(FilterGauss, 128, 8, {0.5});
    const double w = 2 * M_PI * 0.5 / 8; // f = B = 0.5 symbol rate, in radians per sample
    QVERIFY(std::abs(gainAt(h, w) - M_SQRT1_2) < 1e-6);
}

void tst_Filters::rectangleIsOneSymbolCentred()
{
    QCOMPARE(design(FilterRectangle, 9, 4, {}), (QVector<double>{0, 0, 1, 1, 1, 1, 0, 0, 0}));
    QCOMPARE(design(FilterRectangle, 8, 4, {}), (QVector<double>{0, 0, 1, 1, 1, 1, 0, 0}));
    QCOMPARE(design(FilterRectangle, 3, 4, {}), (QVector<double>{1, 1, 1}));
}

void tst_Filters::lowpassPassesTheBandAndStopsAbove()
{
    // Edges 0.5 and 0.7 of the symbol rate at 4 samples per symbol: a trapezoid band
    // to about 0.175 cycles per sample, unit gain at DC, Blackman sidelobes far below.
    const QVector<double> h = design(FilterLowpass, 128, 4, {0.5, 0.7});
    QCOMPARE(h.size(), 128);
    QVERIFY(std::abs(gainAt(h, 0.0) - 1.0) < 1e-3);
    QVERIFY(std::abs(gainAt(h, 2 * M_PI * 0.1) - 1.0) < 1e-2);
    QVERIFY(20 * std::log10(gainAt(h, 2 * M_PI * 0.4)) < -60.0);
    for (int k = 0; k < 64; ++k)
        QVERIFY(std::abs(h.at(k) - h.at(127 - k)) < 1e-15);
    QVERIFY(design(FilterLowpass, 128, 4, {0.5}).isEmpty());
}

void tst_Filters::lowpass2HasTapsPlusOneCoefficientsAndCutsAtHalfBand()
{
    const QVector<double> h = design(FilterLowpass2, 64, 1, {});
    QCOMPARE(h.size(), 65);
    QCOMPARE(h.first(), 0.0);
    QCOMPARE(h.last(), 0.0);
    for (int k = 0; k <= 32; ++k)
        QVERIFY(std::abs(h.at(k) - h.at(64 - k)) < 1e-15);
    QVERIFY(std::abs(gainAt(h, 0.0) - 1.0) < 1e-3);
    // A windowed sinc is at half amplitude at its cut-off π/2.
    QVERIFY(std::abs(gainAt(h, M_PI / 2) - 0.5) < 0.01);
    // 32·D taps cut at π/D: 128 taps at π/4.
    QVERIFY(std::abs(gainAt(design(FilterLowpass2, 128, 1, {}), M_PI / 4) - 0.5) < 0.01);
}

void tst_Filters::userAndNotFilterCoefficients()
{
    const QVector<double> mine = {0.25, 0.5, 0.25};
    QCOMPARE(design(FilterUser, 1024, 4, mine), mine);
    QVERIFY(design(FilterNone, 1024, 4, {0.7}).isEmpty());
    QVERIFY(design(99, 1024, 4, {0.7}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_Filters)
#include "tst_Filters.moc"
