// The receiver's fast matched filter against the filter evaluated sample by sample:
// the FFT blocks must give the same outputs (block seams and signal ends included),
// and the short interpolator between them what the filter gives at the instant.

#include "BlockConvolver.h"
#include "DmSettings.h"
#include "ReceiveFilter.h"
#include "SampleInterpolator.h"

#include <QtTest>

#include <cmath>
#include <random>

namespace {

constexpr int kHalfSpanSymbols = 16; // as the receiver designs its filter

struct Noise
{
    std::vector<double> re, im;
};

Noise whiteNoise(int size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> gauss;
    Noise x{std::vector<double>(size_t(size)), std::vector<double>(size_t(size))};
    for (int n = 0; n < size; ++n) {
        x.re[size_t(n)] = gauss(rng);
        x.im[size_t(n)] = gauss(rng);
    }
    return x;
}

ReceiveFilter designed(const QString &filter, double alpha, double samplesPerSymbol)
{
    ReceiveFilter receive;
    receive.design(DmSettings::parse(QStringLiteral("QPSK"), filter, alpha, samplesPerSymbol * 1e6, 1e6),
                   kHalfSpanSymbols);
    return receive;
}

} // namespace

class tst_BlockConvolver : public QObject
{
    Q_OBJECT
private slots:
    void blocksGiveTheDirectFilterOutput_data();
    void blocksGiveTheDirectFilterOutput();
    void interpolatedInstantsAgreeWithTheFilterAtThem_data();
    void interpolatedInstantsAgreeWithTheFilterAtThem();
};

void tst_BlockConvolver::blocksGiveTheDirectFilterOutput_data()
{
    QTest::addColumn<double>("samplesPerSymbol");
    QTest::addColumn<int>("size");
    QTest::newRow("8 sps, many blocks, a partial last one") << 8.0 << 20011;
    QTest::newRow("4 sps, shorter than one block") << 4.0 << 300;
    QTest::newRow("3.3 sps, shorter than the filter") << 3.3 << 60;
}

void tst_BlockConvolver::blocksGiveTheDirectFilterOutput()
{
    QFETCH(double, samplesPerSymbol);
    QFETCH(int, size);
    const ReceiveFilter receive = designed(QStringLiteral("Root Nyquist"), 0.35, samplesPerSymbol);
    const Noise x = whiteNoise(size, 7);
    BlockConvolver convolver;
    convolver.setTaps(receive.sampleAlignedTaps());
    std::vector<double> yRe, yIm;
    convolver.apply(x.re.data(), x.im.data(), size, yRe, yIm);
    QCOMPARE(int(yRe.size()), size);
    double worst = 0.0;
    for (int n = 0; n < size; ++n) {
        const std::complex<double> direct = receive.at(x.re.data(), x.im.data(), size, n);
        worst = std::max(worst, std::abs(direct - std::complex<double>(yRe[size_t(n)], yIm[size_t(n)])));
    }
    // Both sum the same products; only the FFT's rounding differs.
    QVERIFY2(worst < 1e-9, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
}

void tst_BlockConvolver::interpolatedInstantsAgreeWithTheFilterAtThem_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("samplesPerSymbol");
    QTest::newRow("root Nyquist 0.22, 8 sps") << QStringLiteral("Root Nyquist") << 0.22 << 8.0;
    QTest::newRow("root Nyquist 0.5, 4 sps") << QStringLiteral("Root Nyquist") << 0.5 << 4.0;
    QTest::newRow("root Nyquist 0.35, 2.5 sps") << QStringLiteral("Root Nyquist") << 0.35 << 2.5;
    QTest::newRow("lowpass, 10 sps") << QStringLiteral("None") << 0.35 << 10.0;
    QTest::newRow("lowpass, 4 sps") << QStringLiteral("Nyquist") << 0.35 << 4.0;
}

void tst_BlockConvolver::interpolatedInstantsAgreeWithTheFilterAtThem()
{
    QFETCH(QString, filter);
    QFETCH(double, alpha);
    QFETCH(double, samplesPerSymbol);
    const ReceiveFilter receive = designed(filter, alpha, samplesPerSymbol);
    SampleInterpolator interpolator;
    QVERIFY2(interpolator.design(receive.bandEdge()), "an oversampled band leaves room for a short interpolator");
    QVERIFY(interpolator.halfTaps() < receive.halfTaps() / 2);
    const int size = 8000;
    const Noise x = whiteNoise(size, 11);
    BlockConvolver convolver;
    convolver.setTaps(receive.sampleAlignedTaps());
    std::vector<double> yRe, yIm;
    convolver.apply(x.re.data(), x.im.data(), size, yRe, yIm);
    // Instants off the sample grid, away from the ends, where the filter sees input on both sides.
    const double margin = receive.halfTaps() + interpolator.halfTaps() + 1;
    double errorPower = 0.0, power = 0.0;
    for (double t = margin; t < size - margin; t += 0.7371) {
        const std::complex<double> direct = receive.at(x.re.data(), x.im.data(), size, t);
        const std::complex<double> fast = interpolator.at(yRe.data(), yIm.data(), size, t);
        errorPower += std::norm(fast - direct);
        power += std::norm(direct);
    }
    // White noise fills the filter's stopband too, which the interpolator may treat
    // loosely; −60 dB is still 10 dB below the receiver's −50 dB residual EVM.
    const double errorDb = 10.0 * std::log10(errorPower / power);
    QVERIFY2(errorDb < -60.0, qPrintable(QStringLiteral("interpolation error %1 dB").arg(errorDb)));
}

QTEST_GUILESS_MAIN(tst_BlockConvolver)
#include "tst_BlockConvolver.moc"
