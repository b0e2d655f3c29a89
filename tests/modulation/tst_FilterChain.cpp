#include "FilterCatalogue.h"
#include "FilterChain.h"
#include "progressGenerate.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <random>

namespace {

IQVector noise(int length, unsigned seed)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> gauss;
    IQVector x(length);
    for (IQ &s : x)
        s = IQ(gauss(rng), gauss(rng));
    return x;
}

IQVector tone(int length, double radiansPerSample)
{
    IQVector x(length);
    for (int n = 0; n < length; ++n)
        x[n] = std::polar(1.0, radiansPerSample * n);
    return x;
}

// Straightforward full convolution, kept to the chain's output range and delay.
IQVector referenceFilter(const IQVector &x, const QVector<double> &h, int taps)
{
    const int half = taps / 2;
    IQVector y(x.size());
    for (int n = half; n < x.size() - half; ++n) {
        for (int k = 0; k < x.size(); ++k) {
            const int m = n - k;
            if (m >= 0 && m < h.size())
                y[n] += x.at(k) * h.at(m);
        }
    }
    return taps >= x.size() ? IQVector() : y.mid(half, x.size() - taps);
}

double maxDifference(const IQVector &a, const IQVector &b)
{
    double worst = 0.0;
    for (int n = 0; n < a.size(); ++n)
        worst = std::max(worst, std::abs(a.at(n) - b.at(n)));
    return worst;
}

double rms(const IQVector &x, int from, int to)
{
    double power = 0.0;
    for (int n = from; n < to; ++n)
        power += std::norm(x.at(n));
    return std::sqrt(power / (to - from));
}

} // namespace

class tst_FilterChain : public QObject
{
    Q_OBJECT
private slots:
    void startsAsNyquistWith1024TapsAt4SamplesPerSymbol();
    void setTypeReplacesTheDesign();
    void parallelResultEqualsDirectConvolution_data();
    void parallelResultEqualsDirectConvolution();
    void centredImpulseLeavesTheSignalAlignedAndShorter();
    void tooManyTapsGiveAnEmptyResult();
    void withoutCoefficientsTheSignalPassesUnchanged();
    void decimatorPassesLowTonesAndRejectsHighOnes();
    void rootRaisedCosinePairHasNoIntersymbolInterference();
    void stopFlagEndsTheWorkAndProgressMovesByStage();
};

void tst_FilterChain::startsAsNyquistWith1024TapsAt4SamplesPerSymbol()
{
    FilterChain chain;
    QCOMPARE(chain.type(), int(FilterNyquist));
    QCOMPARE(chain.parameters(), QVector<double>{0.7});
    QCOMPARE(chain.taps(), 1024);
    QCOMPARE(chain.oversampling(), 4);
    QCOMPARE(chain.coefficients().size(), 1024);
    chain.setOversampling(0);
    QCOMPARE(chain.oversampling(), 1);
}

void tst_FilterChain::setTypeReplacesTheDesign()
{
    FilterChain chain;
    chain.setTaps(9);
    chain.setType(FilterRectangle, {});
    QCOMPARE(chain.type(), int(FilterRectangle));
    QVERIFY(chain.parameters().isEmpty());
    QCOMPARE(chain.coefficients(), (QVector<double>{0, 0, 1, 1, 1, 1, 0, 0, 0}));
    chain.setType(FilterUser, {1.0, 2.0});
    QCOMPARE(chain.coefficients(), (QVector<double>{1.0, 2.0}));
    chain.setType(FilterLowpass2, {});
    QCOMPARE(chain.coefficients().size(), 10);
}

void tst_FilterChain::parallelResultEqualsDirectConvolution_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("taps");
    QTest::addColumn<QVector<double>>("params");
    QTest::addColumn<int>("length");
    QTest::newRow("Nyquist, even taps") << int(FilterNyquist) << 64 << QVector<double>{0.35} << 1000;
    QTest::newRow("Lowpass2, taps + 1 coefficients") << int(FilterLowpass2) << 33 << QVector<double>{} << 517;
    QTest::newRow("user, shorter than taps") << int(FilterUser) << 10 << QVector<double>{1, -2, 3, 0.5, 7, -1, 2} << 203;
    QTest::newRow("user, longer than taps") << int(FilterUser) << 3 << QVector<double>{0.1, 0.2, 0.3, 0.4, 0.5, 0.6} << 41;
}

void tst_FilterChain::parallelResultEqualsDirectConvolution()
{
    QFETCH(int, type);
    QFETCH(int, taps);
    QFETCH(QVector<double>, params);
    QFETCH(int, length);
    FilterChain chain;
    chain.setType(type, params);
    chain.setTaps(taps);
    IQVector signal = noise(length, 11);
    const IQVector expected = referenceFilter(signal, chain.coefficients(), taps);
    const IQVector result = chain.apply(signal);
    QCOMPARE(result.size(), length - taps);
    QCOMPARE(signal, result);
    // Summation order differs (five running sums per block, vector lanes).
    QVERIFY2(maxDifference(result, expected) < 1e-12, qPrintable(QString::number(maxDifference(result, expected))));
}

void tst_FilterChain::centredImpulseLeavesTheSignalAlignedAndShorter()
{
    FilterChain chain;
    chain.setType(FilterUser, {0, 0, 1, 0, 0});
    chain.setTaps(5);
    IQVector signal = noise(100, 3);
    const IQVector input = signal;
    const IQVector result = chain.apply(signal);
    QCOMPARE(result, input.mid(0, 95));
}

void tst_FilterChain::tooManyTapsGiveAnEmptyResult()
{
    FilterChain chain;
    IQVector signal = noise(1000, 5);
    QVERIFY(chain.apply(signal).isEmpty());
    IQVector exact = noise(1024, 5);
    QVERIFY(chain.apply(exact).isEmpty());
    chain.setTaps(999);
    IQVector oneLeft = noise(1000, 5);
    QCOMPARE(chain.apply(oneLeft).size(), 1);
}

void tst_FilterChain::withoutCoefficientsTheSignalPassesUnchanged()
{
    FilterChain chain;
    chain.setType(FilterNone, {});
    IQVector signal = noise(50, 9);
    const IQVector input = signal;
    QCOMPARE(chain.apply(signal), input);
    QCOMPARE(signal, input);
}

void tst_FilterChain::decimatorPassesLowTonesAndRejectsHighOnes()
{
    FilterChain chain;
    chain.setType(FilterLowpass2, {});
    chain.setTaps(64);
    constexpr int kLength = 4096;
    constexpr int kSettled = 64; // outputs whose window lies wholly inside the signal
    IQVector low = tone(kLength, 0.2 * M_PI);
    IQVector high = tone(kLength, 0.8 * M_PI);
    const IQVector passed = chain.apply(low);
    const IQVector stopped = chain.apply(high);
    const double passGain = rms(passed, kSettled, passed.size());
    const double stopGain = rms(stopped, kSettled, stopped.size());
    QVERIFY2(std::abs(20 * std::log10(passGain)) < 0.05, qPrintable(QString::number(passGain)));
    QVERIFY2(20 * std::log10(stopGain) < -60.0, qPrintable(QString::number(20 * std::log10(stopGain))));
}

void tst_FilterChain::rootRaisedCosinePairHasNoIntersymbolInterference()
{
    // Transmit and receive filters in cascade form a raised cosine: zero at every
    // whole symbol away from the peak. The residue comes from cutting each pulse at
    // ±16 symbols, which for β = 0.35 stays below 0.01 % of the peak.
    constexpr int kOvs = 8;
    constexpr int kTaps = kOvs * 32;
    constexpr int kCentre = 1024;
    FilterChain chain;
    chain.setType(FilterRootNyquist, {0.35});
    chain.setTaps(kTaps);
    chain.setOversampling(kOvs);
    IQVector signal(2048);
    signal[kCentre] = IQ(1.0, -1.0);
    chain.apply(signal);
    const IQVector received = chain.apply(signal);
    QCOMPARE(received.size(), 2048 - 2 * kTaps);
    const double peak = std::abs(received.at(kCentre));
    for (int n = 0; n < received.size(); ++n)
        QVERIFY(std::abs(received.at(n)) <= peak);
    double worst = 0.0;
    for (int symbol = 1; symbol <= 12; ++symbol) {
        worst = std::max(worst, std::abs(received.at(kCentre + symbol * kOvs)));
        worst = std::max(worst, std::abs(received.at(kCentre - symbol * kOvs)));
    }
    QVERIFY2(worst / peak < 1e-4, qPrintable(QString::number(worst / peak)));
}

void tst_FilterChain::stopFlagEndsTheWorkAndProgressMovesByStage()
{
    FilterChain chain;
    chain.setTaps(64);
    progressGenerate progress;
    progress.setStages({50, 50});
    chain.setProgress(&progress);
    QSignalSpy spy(&progress, &progressGenerate::currentProgress);
    IQVector signal = noise(5000, 1);
    chain.apply(signal);
    QVERIFY(!spy.isEmpty());
    int last = 0;
    bool reachedSecondStage = false;
    for (const QList<QVariant> &args : spy) {
        const int percent = args.at(0).toInt();
        QVERIFY(percent >= 0 && percent <= 100);
        reachedSecondStage |= percent >= 50;
        last = percent;
    }
    QVERIFY(reachedSecondStage);
    QVERIFY(last >= 50);

    progress.reset();
    progress.stop();
    IQVector stopped = noise(5000, 1);
    const IQVector result = chain.apply(stopped);
    QCOMPARE(result.size(), 5000 - 64);
    for (const IQ &s : result)
        QCOMPARE(s, IQ(0.0, 0.0));
}

QTEST_GUILESS_MAIN(tst_FilterChain)
#include "tst_FilterChain.moc"
