#include "AveragedFft.h"

#include <QtTest>
#include <cmath>
#include <random>

namespace {
constexpr double kPi = 3.14159265358979323846;

// The level of every bin by a direct DFT of the Blackman-windowed segment, in the
// natural bin order: the same formulas as the calculator, without FFTW.
QVector<double> directLevels(const IQ *x, int length)
{
    QVector<double> levels(length);
    for (int k = 0; k < length; ++k) {
        IQ sum(0.0, 0.0);
        for (int n = 0; n < length; ++n) {
            const double w = 0.42 - 0.5 * std::cos(2 * kPi * n / (length - 1)) + 0.08 * std::cos(4 * kPi * n / (length - 1));
            sum += x[n] * w * std::polar(1.0, -2 * kPi * double(k) * n / length);
        }
        levels[k] = 10 * std::log10(std::norm(sum)) - 20 * std::log10(length) + 7.5;
    }
    return levels;
}

IQVector noise(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0.0, 0.3);
    IQVector x(n);
    for (IQ &s : x)
        s = IQ(gauss(random), gauss(random));
    return x;
}

IQVector tone(int n, double cyclesPerSample)
{
    IQVector x(n);
    for (int k = 0; k < n; ++k)
        x[k] = std::polar(1.0, 2 * kPi * cyclesPerSample * k);
    return x;
}

AveragedFft::Axis axis(double fs, double fc, double unit = 1.0, double r = 1.0)
{
    AveragedFft::Axis a;
    a.sampleRate = fs;
    a.carrier = fc;
    a.unitFactor = unit;
    a.loadResistance = r;
    return a;
}
}  // namespace

class TestAveragedFft : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!FftwLibrary::instance().isAvailable())
            QFAIL(qPrintable(FftwLibrary::instance().errorString()));
    }

    void blackmanWindowFollowsItsFormula()
    {
        const QVector<double> w = AveragedFft::blackmanWindow(5);
        const QVector<double> expected{0.0, 0.34, 1.0, 0.34, 0.0};
        for (int n = 0; n < 5; ++n)
            QVERIFY2(std::abs(w[n] - expected[n]) < 1e-15, qPrintable(QString::number(w[n])));
    }

    // Tolerance 1e-9 dB: both sides are double precision; FFTW and the direct sum
    // differ by rounding only.
    void levelsAgreeWithDirectDftForEvenAndOddLengths()
    {
        for (int length : {8, 7, 30}) {
            const IQVector x = noise(length, unsigned(length));
            const QVector<double> ours = AveragedFft().averagedLevels(x.constData(), length, 1);
            const QVector<double> direct = directLevels(x.constData(), length);
            QCOMPARE(ours.size(), length);
            for (int k = 0; k < length; ++k)
                QVERIFY2(std::abs(ours[k] - direct[k]) < 1e-9, qPrintable(QStringLiteral("L=%1 bin %2").arg(length).arg(k)));
        }
    }

    void averagesDbLevelsOverSegmentsAndIgnoresTheTail()
    {
        // A = 4 over 4002 samples: four 1000-sample segments; the last two samples,
        // made huge here, must not matter.
        IQVector x = noise(4002, 3);
        x[4000] = x[4001] = IQ(1e6, 1e6);
        const QVector<double> ours = AveragedFft().averagedLevels(x.constData(), x.size(), 4);
        QCOMPARE(ours.size(), 1000);
        QVector<double> mean(1000, 0.0);
        for (int a = 0; a < 4; ++a) {
            const QVector<double> segment = AveragedFft().averagedLevels(x.constData() + 1000 * a, 1000, 1);
            for (int k = 0; k < 1000; ++k)
                mean[k] += segment[k] / 4;
        }
        for (int k = 0; k < 1000; ++k)
            QVERIFY2(std::abs(ours[k] - mean[k]) < 1e-9, qPrintable(QString::number(k)));
        QVERIFY(AveragedFft().averagedLevels(x.constData(), 3, 4).isEmpty());
    }

    void toneAtQuarterRateLandsNearZeroDbAtCarrierPlusQuarterRate()
    {
        const double fs = 4e6, fc = 1e9;
        const QVector<QPointF> s = AveragedFft().compute(tone(1024, 0.25).constData(), 1024, 1, axis(fs, fc, 1e6));
        QCOMPARE(s.size(), 1025);
        const auto peak = std::max_element(s.cbegin(), s.cend(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        // Blackman coherent gain 0.42 is -7.54 dB, so the peak sits 0.035 dB below 0.
        QVERIFY2(std::abs(peak->y()) < 0.05, qPrintable(QString::number(peak->y())));
        QVERIFY2(std::abs(peak->x() - (fc + fs / 4) / 1e6) < 1e-9, qPrintable(QString::number(peak->x(), 'f', 9)));
    }

    void evenLengthSpansCarrierPlusMinusHalfRateInShiftedOrder()
    {
        const IQVector x = noise(8, 11);
        const QVector<double> levels = directLevels(x.constData(), 8);
        const QVector<QPointF> s = AveragedFft().compute(x.constData(), 8, 1, axis(8000.0, 100000.0, 1000.0));
        QCOMPARE(s.size(), 9);
        const int order[] = {4, 5, 6, 7, 0, 1, 2, 3};
        for (int j = 0; j < 8; ++j) {
            QVERIFY(std::abs(s[j].x() - (96.0 + j)) < 1e-12);
            QVERIFY(std::abs(s[j].y() - levels[order[j]]) < 1e-9);
        }
        QCOMPARE(s[8], QPointF(104.0, s[0].y()));  // closing point, one bin above the last
    }

    void oddLengthSplitsAtHalfRoundedUp()
    {
        const IQVector x = noise(7, 5);
        const QVector<double> levels = directLevels(x.constData(), 7);
        const QVector<QPointF> s = AveragedFft().compute(x.constData(), 7, 1, axis(7.0, 0.0));
        QCOMPARE(s.size(), 8);
        const int order[] = {4, 5, 6, 0, 1, 2, 3};
        for (int j = 0; j < 7; ++j) {
            QVERIFY2(std::abs(s[j].x() - (j - 3)) < 1e-12, qPrintable(QString::number(s[j].x())));
            QVERIFY(std::abs(s[j].y() - levels[order[j]]) < 1e-9);
        }
        QVERIFY(std::abs(s[7].x() - 4.0) < 1e-12);
    }

    void levelsAreReferredToTheLoadAndClamped()
    {
        const IQVector x = noise(64, 9);
        const QVector<QPointF> oneOhm = AveragedFft().compute(x.constData(), 64, 1, axis(1.0, 0.0));
        const QVector<QPointF> fiftyOhm = AveragedFft().compute(x.constData(), 64, 1, axis(1.0, 0.0, 1.0, 50.0));
        for (int j = 0; j < 65; ++j)
            QVERIFY(std::abs(oneOhm[j].y() - 10 * std::log10(50.0) - fiftyOhm[j].y()) < 1e-9);

        const IQVector zeros(16, IQ(0.0, 0.0));
        for (const QPointF &p : AveragedFft().compute(zeros.constData(), 16, 1, axis(1.0, 0.0)))
            QCOMPARE(p.y(), -199.9);
        const IQVector loud = tone(16, 0.0);
        const IQVector louder = [&] { IQVector v = loud; for (IQ &s : v) s *= 1e5; return v; }();
        QCOMPARE(AveragedFft().compute(louder.constData(), 16, 1, axis(1.0, 0.0))[8].y(), 60.0);
    }

    void missingLibraryGivesEmptySpectrumWithReason()
    {
        FftwLibrary missing(QStringLiteral("tw-no-such-fftw-library"), 3);
        QVERIFY(!missing.isAvailable());
        QVERIFY(missing.errorString().contains(QLatin1String("FFTW")));
        const IQVector x = noise(32, 1);
        QVERIFY(AveragedFft(missing).compute(x.constData(), 32, 1, axis(1.0, 0.0)).isEmpty());
    }

    void plansAreMadeOncePerSizeAndPoolBounded()
    {
        FftwLibrary fftw(QStringLiteral("fftw3"), 3);
        const IQVector x = noise(600, 4);
        for (int i = 0; i < 10; ++i)
            AveragedFft(fftw).averagedLevels(x.constData(), 600, 2);
        QCOMPARE(fftw.plansMade(), 1);
        {
            // Two transforms at once need two plans; both go back to the pool.
            FftwLibrary::Lease a = fftw.acquire(300), b = fftw.acquire(300);
            QVERIFY(a.isValid() && b.isValid() && a.in() != b.in());
        }
        QCOMPARE(fftw.plansMade(), 2);
        AveragedFft(fftw).averagedLevels(x.constData(), 600, 2);
        QCOMPARE(fftw.plansMade(), 2);
        // Nine more sizes push the oldest size out of the pool: it is planned again.
        for (int size = 10; size < 19; ++size)
            AveragedFft(fftw).averagedLevels(x.constData(), size, 1);
        QCOMPARE(fftw.plansMade(), 11);
        AveragedFft(fftw).averagedLevels(x.constData(), 600, 2);
        QCOMPARE(fftw.plansMade(), 12);
    }

    void repeatedTransformsReusePlansFromSeveralThreads()
    {
        const IQVector x = noise(4096, 2);
        const QVector<double> expected = AveragedFft().averagedLevels(x.constData(), 4096, 2);
        std::atomic<int> mismatches{0};
        QVector<QThread *> threads;
        for (int t = 0; t < 4; ++t) {
            threads << QThread::create([&] {
                for (int i = 0; i < 20; ++i) {
                    if (AveragedFft().averagedLevels(x.constData(), 4096, 2) != expected)
                        ++mismatches;
                }
            });
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            thread->wait();
            delete thread;
        }
        QCOMPARE(mismatches.load(), 0);
    }
};

QTEST_APPLESS_MAIN(TestAveragedFft)
#include "tst_AveragedFft.moc"
