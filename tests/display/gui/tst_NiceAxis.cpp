#include "NiceAxis.h"

#include <QtTest>

class tst_NiceAxis : public QObject
{
    Q_OBJECT
private slots:
    void stepsAreRound_data();
    void stepsAreRound();
    void flatRangesStayReadable();
    void rangeChangesKeepFewTicks();
};

void tst_NiceAxis::stepsAreRound_data()
{
    QTest::addColumn<double>("span");
    QTest::addColumn<double>("step");
    QTest::newRow("2.2") << 2.2 << 0.5;
    QTest::newRow("100") << 100.0 << 20.0;
    QTest::newRow("1e6") << 1e6 << 200000.0;
    QTest::newRow("0.03") << 0.03 << 0.01;
    QTest::newRow("nothing") << 0.0 << 1.0;
}

void tst_NiceAxis::stepsAreRound()
{
    QFETCH(double, span);
    QFETCH(double, step);
    QCOMPARE(NiceAxis::interval(span), step);
    QCOMPARE(NiceAxis::labelFormat(0.5), QStringLiteral("%.1f"));
    QCOMPARE(NiceAxis::labelFormat(20.0), QStringLiteral("%.0f"));
}

void tst_NiceAxis::flatRangesStayReadable()
{
    QValueAxis axis;
    // A constant level with rounding noise: a step below its resolution never ends.
    const double level = -6.020599913279624;
    NiceAxis::setRange(&axis, level, std::nextafter(level, 0.0));
    QVERIFY(axis.max() - axis.min() >= 6.0 * NiceAxis::kMinimumRelativeSpan);
    QVERIFY(axis.min() < level && axis.max() > level);
    QVERIFY(axis.tickInterval() > std::abs(level) * 1e-12);
    NiceAxis::setRange(&axis, 3.0, 3.0);
    QVERIFY(axis.max() > axis.min());
    const double before = axis.max();
    NiceAxis::setRange(&axis, 5.0, 1.0);  // reversed: refused
    QCOMPARE(axis.max(), before);
}

void tst_NiceAxis::rangeChangesKeepFewTicks()
{
    QValueAxis axis;
    NiceAxis::setRange(&axis, -1.1, 1.1);
    QCOMPARE(axis.tickInterval(), 0.5);
    QCOMPARE(axis.tickType(), QValueAxis::TicksDynamic);
    NiceAxis::setRange(&axis, -200.0, 60.0);
    QCOMPARE(axis.tickInterval(), 50.0);
    QCOMPARE(axis.tickAnchor(), -200.0);
    NiceAxis::setMin(&axis, -10.0);
    QCOMPARE(axis.min(), -10.0);
    QVERIFY((axis.max() - axis.min()) / axis.tickInterval() <= 10.0);
}

QTEST_MAIN(tst_NiceAxis)
#include "tst_NiceAxis.moc"
