#include "CalculateDate.h"
#include "ManagerSignal.h"
#include "MarkerMath.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"

#include <QtTest>
#include <cmath>
#include <random>

namespace {
constexpr double kPi = 3.14159265358979323846;

QVector<QPointF> series(const QVector<double> &ys, double x0 = 0.0, double step = 1.0)
{
    QVector<QPointF> points;
    for (int k = 0; k < ys.size(); ++k)
        points << QPointF(x0 + k * step, ys[k]);
    return points;
}
}  // namespace

class TestMarkerMath : public QObject
{
    Q_OBJECT
private slots:
    void extremeSearchTakesTheFirstOfEqualValues()
    {
        const QVector<QPointF> s = series({1, 5, 2, 5, -3, 0, -3}, 10.0, 0.5);
        QCOMPARE(MarkerMath::peakIndex(s), 1);
        QCOMPARE(MarkerMath::minimumIndex(s), 4);
        QCOMPARE(MarkerMath::peakIndex({}), -1);
        // A marker in "Maximum" mode jumps to the first peak and reads it there.
        const MarkerMath::Reading max = MarkerMath::follow(s, MarkerMath::ModeMaximum, 13.0, 100, MarkerMath::RuleAverage);
        QVERIFY(max.isValid);
        QCOMPARE(max.x, 10.5);
        QCOMPARE(max.y, 5.0);
        const MarkerMath::Reading min = MarkerMath::follow(s, MarkerMath::ModeMinimum, 10.0, 100, MarkerMath::RuleAverage);
        QCOMPARE(min.x, 12.0);
        QCOMPARE(min.y, -3.0);
        // The redraw-only mode neither moves nor reads.
        const MarkerMath::Reading still = MarkerMath::follow(s, MarkerMath::ModeRedrawOnly, 11.3, 100, 0);
        QCOMPARE(still.x, 11.3);
        QVERIFY(!still.isValid);
    }

    void valueAtInterpolatesAtUpToTwoPointsPerPixel()
    {
        const QVector<QPointF> s = series({0, 10, 20, 40});
        const double wide = 100.0;  // 0.04 points per pixel
        QCOMPARE(MarkerMath::valueAt(s, 1.25, wide, 0).y, 12.5);
        QCOMPARE(MarkerMath::valueAt(s, 2.0, wide, 0).y, 20.0);  // on a point: the segment to its right
        QCOMPARE(MarkerMath::valueAt(s, -5.0, wide, 0).y, 0.0);  // left of the first point: y[0]
        // Right of the last point the last two points still give the line: 40 + 1.5 * 20.
        QCOMPARE(MarkerMath::valueAt(s, 4.5, wide, 0).y, 70.0);
        // Exactly two points per pixel still interpolates.
        QCOMPARE(MarkerMath::valueAt(s, 1.25, 2.0, MarkerMath::RuleMaximum).y, 12.5);
    }

    void valueAtAppliesTheDisplayRuleAboveTwoPointsPerPixel()
    {
        QVector<double> ys;
        for (int k = 0; k < 1000; ++k)
            ys << std::sin(0.37 * k) * 10 + k * 0.01;
        const QVector<QPointF> s = series(ys);
        // 1000 points on 100 pixels: the 10 points left of the first x above 500.2 (indexes 491..500).
        double sum = 0, maximum = -1e9, minimum = 1e9;
        for (int j = 491; j <= 500; ++j) {
            sum += ys[j];
            maximum = std::max(maximum, ys[j]);
            minimum = std::min(minimum, ys[j]);
        }
        QVERIFY(std::abs(MarkerMath::valueAt(s, 500.2, 100, MarkerMath::RuleAverage).y - sum / 10) < 1e-12);
        QCOMPARE(MarkerMath::valueAt(s, 500.2, 100, MarkerMath::RuleMaximum).y, maximum);
        QCOMPARE(MarkerMath::valueAt(s, 500.2, 100, MarkerMath::RuleMinimum).y, minimum);
        QVERIFY(std::abs(MarkerMath::valueAt(s, 500.2, 100, 7).y - sum / 10) < 1e-12);  // unknown rule: mean
        // Near the start fewer points are left of the index: indexes 0..2.
        QVERIFY(std::abs(MarkerMath::valueAt(s, 2.5, 100, 0).y - (ys[0] + ys[1] + ys[2]) / 3) < 1e-12);
    }

    void readoutsShowThreeDecimalsOrDashes()
    {
        MarkerMath::Reading reading;
        QCOMPARE(MarkerMath::readout(reading, QStringLiteral("dBm")), QStringLiteral("- - dBm"));
        QVERIFY(!MarkerMath::valueAt(series({3}), 0.0, 100, 0).isValid);
        QVERIFY(!MarkerMath::valueAt({}, 0.0, 100, 0).isValid);
        reading.isValid = true;
        reading.y = -12.34567;
        QCOMPARE(MarkerMath::readout(reading, QStringLiteral("dBm")), QStringLiteral("-12.346 dBm"));
        QCOMPARE(MarkerMath::formatValue(2.5), QStringLiteral("2.5"));
        QCOMPARE(MarkerMath::formatValue(3.0004), QStringLiteral("3"));
        QCOMPARE(MarkerMath::formatValue(-0.0002), QStringLiteral("0"));
        QCOMPARE(MarkerMath::formatValue(-std::numeric_limits<double>::infinity()), QStringLiteral("-inf"));
        QCOMPARE(MarkerMath::readout(reading, QString()), QStringLiteral("-12.346"));
    }

    void occupiedBandwidthGrowsFromTheCentre()
    {
        // Flat: after j = 49 the band holds 99/101 of the power, never more than 99 %.
        const QVector<QPointF> flat = series(QVector<double>(101, -20.0), -50.0);
        QCOMPARE(MarkerMath::occupiedBandIndexes(flat), qMakePair(50, 50));
        const QPair<double, double> band = MarkerMath::occupiedBand(flat);
        QCOMPARE(band.second - band.first, 0.0);

        // Seven bins at 0 dB round the centre over a -100 dB floor: 99 % is passed
        // once all seven are in (j = 3), not before (five of seven at j = 2).
        QVector<double> ys(101, -100.0);
        for (int k = 47; k <= 53; ++k)
            ys[k] = 0.0;
        const QVector<QPointF> centred = series(ys, 1000.0, 0.5);
        QCOMPARE(MarkerMath::occupiedBandIndexes(centred), qMakePair(47, 53));
        QCOMPARE(MarkerMath::occupiedBand(centred), qMakePair(1023.5, 1026.5));

        // A band off the centre is reached only by growing the span symmetrically.
        QVector<double> off(101, -100.0);
        off[80] = 0.0;
        QCOMPARE(MarkerMath::occupiedBandIndexes(series(off)), qMakePair(20, 80));
        QCOMPARE(MarkerMath::occupiedBand({}), qMakePair(0.0, 0.0));
    }

    // The whole road: noise through CalculateDate's spectrum, then channel power
    // between two positions, against the mean of linear powers of a direct DFT.
    // 0.01 dB is far above the rounding differences of FFT and DFT (1e-9 dB).
    void channelPowerIsTheMeanLinearPowerOfTheBand()
    {
        TestEnvironment env;
        const int n = 512;
        std::mt19937 random(7);
        std::normal_distribution<double> gauss(0.0, 0.1);
        IQVector noise(n);
        for (IQ &s : noise)
            s = IQ(gauss(random), gauss(random));
        ManagerSignal hub(ParamSignal::ModeVA);
        hub.slotSetSignal(Signal(noise), QStringLiteral("noise.owv"));
        hub.slotSetSignalReady(hub.sourceSignals());
        hub.slotSelectAllSignal(0);
        CalculateDate calc(&hub);
        const QVector<QPointF> spectrum = calc.requestSeries(1, CalculateDateSlot::KindSpectrum, 0);
        if (spectrum.isEmpty())
            QSKIP("FFTW is not available");
        QCOMPARE(spectrum.size(), n + 1);

        // Direct DFT levels of the band's bins; drawn index j shows bin (j + n/2) % n.
        const int first = 100, last = 300;
        double sum = 0.0;
        for (int j = first; j <= last; ++j) {
            const int bin = (j + n / 2) % n;
            std::complex<double> x = 0;
            for (int m = 0; m < n; ++m) {
                const double w = 0.42 - 0.5 * std::cos(2 * kPi * m / (n - 1)) + 0.08 * std::cos(4 * kPi * m / (n - 1));
                x += noise[m] * w * std::polar(1.0, -2 * kPi * bin * m / n);
            }
            sum += std::pow(10.0, (10 * std::log10(std::norm(x)) - 20 * std::log10(n) + 7.5) / 10);
        }
        const double expected = 10 * std::log10(sum / (last - first + 1));
        // Positions a quarter bin above bins 100 and 300 pick exactly those bins.
        const double step = MarkerMath::spacing(spectrum);
        const double xMin = spectrum.first().x(), xMax = spectrum.last().x();
        const double f1 = spectrum[first].x() + step / 4, f2 = spectrum[last].x() + step / 4;
        const double power = MarkerMath::channelPower(spectrum, f2, f1, xMin, xMax);
        QVERIFY2(std::abs(power - expected) < 0.01, qPrintable(QStringLiteral("%1 dB, expected %2 dB").arg(power).arg(expected)));
        QVERIFY(std::isinf(MarkerMath::channelPower({}, f1, f2, xMin, xMax)));
        // Positions beyond the range stop at its ends instead of reading outside the series.
        QVERIFY(std::isfinite(MarkerMath::channelPower(spectrum, xMin - 5, xMax + 5, xMin, xMax)));
    }

    void rmsOfAFullScaleToneIsZeroDb()
    {
        IQVector tone(1000);
        for (int k = 0; k < tone.size(); ++k)
            tone[k] = std::polar(1.0, 2 * kPi * 0.123 * k);
        QVERIFY(std::abs(MarkerMath::rmsPower(tone.constData(), tone.size())) < 1e-12);
        // Half amplitude: a quarter of the power.
        for (IQ &s : tone)
            s *= 0.5;
        QVERIFY(std::abs(MarkerMath::rmsPower(tone.constData(), tone.size()) - 10 * std::log10(0.25)) < 1e-12);
        const IQVector zeros(10);
        QCOMPARE(MarkerMath::rmsPower(zeros.constData(), zeros.size()), -200.0);
        QCOMPARE(MarkerMath::rmsPower(nullptr, 0), -200.0);
    }
};

QTEST_GUILESS_MAIN(TestMarkerMath)
#include "tst_MarkerMath.moc"
