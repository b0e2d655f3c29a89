#include "ModulationCatalogue.h"
#include "QamTables.h"

#include <QSet>
#include <QtTest>

#include <cmath>

namespace {

constexpr double kTolerance = 1e-12;

struct Expected
{
    int symbol;
    int i; // odd integers in units of 1/L
    int q;
};

// A point of `table` in units of 1/largest, rounded to the odd integer it stands for.
QPair<int, int> gridPoint(const PointTable &table, int s, int largest)
{
    return {int(std::lround(table.at(s).at(0) * largest)), int(std::lround(table.at(s).at(1) * largest))};
}

void comparePoints(const PointTable &table, const QVector<Expected> &expected, int largest)
{
    for (const Expected &e : expected) {
        const QString what = QStringLiteral("symbol %1").arg(e.symbol);
        QVERIFY2(std::abs(table.at(e.symbol).at(0) - double(e.i) / largest) < kTolerance, qPrintable(what));
        QVERIFY2(std::abs(table.at(e.symbol).at(1) - double(e.q) / largest) < kTolerance, qPrintable(what));
    }
}

// Every point sits on the odd grid of ±1 … ±largest, no two alike, and together they
// fill the square of that grid minus `corner`×`corner` points in each corner.
void checkGridShape(const PointTable &table, int largest, int corner)
{
    const int side = largest + 1;
    QCOMPARE(table.size(), side * side - 4 * corner * corner);
    QSet<QPair<int, int>> seen;
    const int cornerStart = largest - 2 * corner + 2;
    for (int s = 0; s < table.size(); ++s) {
        const QPair<int, int> p = gridPoint(table, s, largest);
        QVERIFY2(std::abs(p.first) % 2 == 1 && std::abs(p.second) % 2 == 1, qPrintable(QString::number(s)));
        QVERIFY(std::abs(p.first) <= largest && std::abs(p.second) <= largest);
        QVERIFY2(!(std::abs(p.first) >= cornerStart && std::abs(p.second) >= cornerStart),
                 qPrintable(QStringLiteral("symbol %1 lies in a corner").arg(s)));
        seen.insert(p);
    }
    QCOMPARE(seen.size(), table.size());
}

int bitsDiffering(int a, int b)
{
    int x = a ^ b, count = 0;
    for (; x; x >>= 1)
        count += x & 1;
    return count;
}

} // namespace

class tst_QamTables : public QObject
{
    Q_OBJECT
private slots:
    void grayCodesDecode();
    void qam16ListedLabels();
    void qam16MeanPowerOfPeakNormalisedGrid();
    void squareTablesAreGrayInsideEachQuadrant_data();
    void squareTablesAreGrayInsideEachQuadrant();
    void qam32WholeTable();
    void qam128FirstQuadrantAndCross();
    void qam512ArmLabelsAndCross();
    void qamUserStartsWithTwoRings();
};

void tst_QamTables::grayCodesDecode()
{
    QCOMPARE(grayDecode(0), 0);
    QCOMPARE(grayDecode(1), 1);
    QCOMPARE(grayDecode(3), 2);
    QCOMPARE(grayDecode(2), 3);
    // 3-bit reflected code: 0 1 3 2 6 7 5 4 encodes 0 … 7.
    const int codes[] = {0, 1, 3, 2, 6, 7, 5, 4};
    for (int n = 0; n < 8; ++n)
        QCOMPARE(grayDecode(codes[n]), n);
}

void tst_QamTables::qam16ListedLabels()
{
    const PointTable table = builtInQamTable(ModQAM16);
    QCOMPARE(table.size(), 16);
    comparePoints(table, {{0, 1, 1}, {1, 3, 1}, {2, 1, 3}, {5, 1, -3}, {6, 3, -1}, {13, -3, -1}, {14, -1, -3}}, 3);
    // The inner level is stored as the 15-digit decimal, not as 1/3.
    QCOMPARE(table.at(0).at(0), 0.333333333333333);
}

void tst_QamTables::qam16MeanPowerOfPeakNormalisedGrid()
{
    // Levels ±1/3 and ±1 on each axis: E[I²] = E[Q²] = (1/9 + 1)/2, so E|s|² = 10/9.
    const PointTable table = builtInQamTable(ModQAM16);
    double power = 0.0;
    for (const QVector<double> &p : table)
        power += p.at(0) * p.at(0) + p.at(1) * p.at(1);
    QVERIFY(std::abs(power / table.size() - 10.0 / 9.0) < 1e-12);
}

void tst_QamTables::squareTablesAreGrayInsideEachQuadrant_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("largest");
    QTest::newRow("QAM16") << int(ModQAM16) << 3;
    QTest::newRow("QAM64") << int(ModQAM64) << 7;
    QTest::newRow("QAM256") << int(ModQAM256) << 15;
    QTest::newRow("QAM1024") << int(ModQAM1024) << 31;
}

// The quadrants are reflections of the first one in the diagonal, so the Gray
// property holds between horizontal and vertical neighbours of the same quadrant.
void tst_QamTables::squareTablesAreGrayInsideEachQuadrant()
{
    QFETCH(int, id);
    QFETCH(int, largest);
    const PointTable table = builtInQamTable(id);
    checkGridShape(table, largest, 0);
    QHash<QPair<int, int>, int> symbolAt;
    double outermost = 0.0;
    for (int s = 0; s < table.size(); ++s) {
        symbolAt.insert(gridPoint(table, s, largest), s);
        outermost = std::max({outermost, std::abs(table.at(s).at(0)), std::abs(table.at(s).at(1))});
    }
    QCOMPARE(outermost, 1.0);
    int pairs = 0;
    for (auto it = symbolAt.cbegin(); it != symbolAt.cend(); ++it) {
        const QPair<int, int> p = it.key();
        for (const QPair<int, int> &n : {qMakePair(p.first + 2, p.second), qMakePair(p.first, p.second + 2)}) {
            const bool sameQuadrant = (n.first > 0) == (p.first > 0) && (n.second > 0) == (p.second > 0);
            if (!sameQuadrant || !symbolAt.contains(n))
                continue;
            QVERIFY2(bitsDiffering(it.value(), symbolAt.value(n)) == 1,
                     qPrintable(QStringLiteral("symbols %1 and %2").arg(it.value()).arg(symbolAt.value(n))));
            ++pairs;
        }
    }
    // Each quadrant of a k×k grid has 2·k·(k−1) neighbour pairs.
    const int k = (largest + 1) / 2;
    QCOMPARE(pairs, 4 * 2 * k * (k - 1));
}

void tst_QamTables::qam32WholeTable()
{
    const PointTable table = builtInQamTable(ModQAM32);
    QCOMPARE(table.size(), 32);
    comparePoints(table,
                  {{0, 1, 1}, {1, 3, 1}, {2, 3, 5}, {3, 5, 1}, {4, 1, 3}, {5, 3, 3}, {6, 1, 5}, {7, 5, 3},
                   {8, 1, -1}, {9, 1, -3}, {10, 5, -3}, {11, 1, -5}, {12, 3, -1}, {13, 3, -3}, {14, 5, -1},
                   {15, 3, -5}, {16, -1, 1}, {17, -1, 3}, {18, -5, 3}, {19, -1, 5}, {20, -3, 1}, {21, -3, 3},
                   {22, -5, 1}, {23, -3, 5}, {24, -1, -1}, {25, -3, -1}, {26, -3, -5}, {27, -5, -1},
                   {28, -1, -3}, {29, -3, -3}, {30, -1, -5}, {31, -5, -3}},
                  5);
    checkGridShape(table, 5, 1);
}

void tst_QamTables::qam128FirstQuadrantAndCross()
{
    const PointTable table = builtInQamTable(ModQAM128);
    QCOMPARE(table.size(), 128);
    comparePoints(table,
                  {{0, 1, 1}, {1, 3, 1}, {2, 1, 3}, {3, 3, 3}, {4, 7, 1}, {5, 5, 1}, {6, 7, 3}, {7, 5, 3},
                   {8, 7, 9}, {9, 5, 9}, {10, 7, 11}, {11, 5, 11}, {12, 9, 1}, {13, 11, 1}, {14, 9, 3},
                   {15, 11, 3}, {16, 1, 7}, {17, 3, 7}, {18, 1, 5}, {19, 3, 5}, {20, 7, 7}, {21, 5, 7},
                   {22, 7, 5}, {23, 5, 5}, {24, 1, 9}, {25, 3, 9}, {26, 1, 11}, {27, 3, 11}, {28, 9, 7},
                   {29, 11, 7}, {30, 9, 5}, {31, 11, 5}},
                  11);
    // Other quadrants: sign bits b6 (I) and b5 (Q); mixed signs exchange |I| and |Q|.
    comparePoints(table, {{32 + 13, 1, -11}, {64 + 13, -1, 11}, {96 + 13, -11, -1}, {96 + 8, -7, -9}}, 11);
    checkGridShape(table, 11, 2);
}

void tst_QamTables::qam512ArmLabelsAndCross()
{
    const PointTable table = builtInQamTable(ModQAM512);
    QCOMPARE(table.size(), 512);
    comparePoints(table, {{64, 17, 1}, {72, 23, 1}, {96, 1, 17}, {112, 15, 17}}, 23);
    // The inner block follows the QAM256 labelling.
    const PointTable qam256 = builtInQamTable(ModQAM256);
    for (int label = 0; label < 64; ++label)
        QCOMPARE(gridPoint(table, label, 23), gridPoint(qam256, label, 15));
    checkGridShape(table, 23, 4);
}

void tst_QamTables::qamUserStartsWithTwoRings()
{
    const PointTable table = builtInQamTable(ModQAMUser);
    const PointTable expected = {{0.35355, 0.35355}, {0, 1}, {-0.35355, 0.35355}, {-1, 0},
                                 {-0.35355, -0.35355}, {0, -1}, {0.35355, -0.35355}, {1, 0}};
    QCOMPARE(table, expected);
    QVERIFY(std::abs(std::hypot(table.at(0).at(0), table.at(0).at(1)) - 0.5) < 1e-5);
    QVERIFY(builtInQamTable(ModQPSK).isEmpty());
}

QTEST_GUILESS_MAIN(tst_QamTables)
#include "tst_QamTables.moc"
