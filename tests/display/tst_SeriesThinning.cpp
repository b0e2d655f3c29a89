#include "SeriesThinning.h"

#include <QtTest>
#include <omp.h>
#include <random>

namespace {
QVector<QPointF> ramp(int n, double (*f)(int))
{
    QVector<QPointF> points(n);
    for (int i = 0; i < n; ++i)
        points[i] = QPointF(i, f(i));
    return points;
}

// The decimation written out plainly, one group after the other.
QVector<QPointF> referenceThin(const QVector<QPointF> &s, int width)
{
    const int g = s.size() / width;
    if (g < 3)
        return s;
    const int groups = s.size() / g;
    QVector<QPointF> out;
    for (int i = 0; i < groups; ++i) {
        QPointF max = s[i * g], min = s[i * g];
        for (int j = 1; j < g; ++j) {
            const QPointF p = s[i * g + j];
            if (p.y() > max.y())
                max = p;
            else if (p.y() < min.y())
                min = p;
        }
        out << max << min;
    }
    for (int i = groups * g; i < s.size(); ++i)
        out << s[i];
    return out;
}
}  // namespace

class TestSeriesThinning : public QObject
{
    Q_OBJECT
private slots:
    void leavesSeriesOfFewerThanThreePointsPerPixelUnchanged()
    {
        const auto s = ramp(2999, [](int i) { return double(i % 7); });
        QCOMPARE(SeriesThinning::thin(s, 1000), s);
        QCOMPARE(SeriesThinning::thin(s, 0), s);
        QVERIFY(SeriesThinning::thin(ramp(3000, [](int i) { return double(i); }), 1000).size() == 2000);
    }

    void keepsMaxThenMinWhateverTheirOrderAndAppendsTheRemainder()
    {
        // Nine points at two pixels: groups of g = 4, one point left over. In the
        // first group the minimum comes before the maximum, in the second after it.
        const QVector<QPointF> nine{{0, -5}, {1, 1}, {2, 2}, {3, 9}, {4, 3}, {5, 8}, {6, -1}, {7, 0}, {8, 42}};
        const QVector<QPointF> thinned = SeriesThinning::thin(nine, 2);
        const QVector<QPointF> expected{{3, 9}, {0, -5}, {5, 8}, {6, -1}, {8, 42}};
        QCOMPARE(thinned, expected);
    }

    void groupOfEqualValuesYieldsItsFirstPointTwice()
    {
        const QVector<QPointF> s{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
        const QVector<QPointF> expected{{0, 1}, {0, 1}, {3, 1}, {3, 1}};
        QCOMPARE(SeriesThinning::thin(s, 2), expected);
    }

    void matchesPlainDecimationForAnyThreadCount()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> value(-1.0, 1.0);
        QVector<QPointF> s(100003);
        for (int i = 0; i < s.size(); ++i)
            s[i] = QPointF(i, value(random));
        const QVector<QPointF> expected = referenceThin(s, 1920);
        const int saved = omp_get_max_threads();
        for (int threads : {1, 2, 3, 7}) {
            omp_set_num_threads(threads);
            QVERIFY2(SeriesThinning::thin(s, 1920) == expected, qPrintable(QString::number(threads)));
        }
        omp_set_num_threads(saved);
        QCOMPARE(expected.size(), 2 * (100003 / 52) + 100003 % 52);
    }
};

QTEST_APPLESS_MAIN(TestSeriesThinning)
#include "tst_SeriesThinning.moc"
