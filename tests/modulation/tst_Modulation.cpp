#include "FSK.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "PSK.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double kTolerance = 1e-12;

bool near(const IQ &a, const IQ &b)
{
    return std::abs(a - b) < kTolerance;
}

QString describe(const IQ &p)
{
    return QStringLiteral("(%1, %2)").arg(p.real(), 0, 'g', 15).arg(p.imag(), 0, 'g', 15);
}

#define COMPARE_POINT(actual, expected) \
    QVERIFY2(near(actual, expected), qPrintable(describe(actual) + QStringLiteral(" != ") + describe(expected)))

IQ polar(double phase)
{
    return IQ(std::cos(phase), std::sin(phase));
}

} // namespace

class tst_Modulation : public QObject
{
    Q_OBJECT
private slots:
    void askLevelsAndDepth();
    void pskPointsLieOnTheUnitCircle();
    void pskRotatesOddSymbols();
    void fskLevelsAndMirror();
    void fskUserTableTakesPercent();
    void tableSetsBitsPerSymbol();
    void baseKeepsSamplesPerSymbolPositive();
};

void tst_Modulation::askLevelsAndDepth()
{
    const IQVector twoLevel = createModulation(Mod2ASK)->modulate({0, 1});
    COMPARE_POINT(twoLevel.at(0), IQ(0.5, 0));
    COMPARE_POINT(twoLevel.at(1), IQ(1.0, 0));

    const IQVector eight = createModulation(Mod8ASK)->modulate({0, 3, 7});
    COMPARE_POINT(eight.at(0), IQ(1.0 / 8, 0));
    COMPARE_POINT(eight.at(1), IQ(0.5, 0));
    COMPARE_POINT(eight.at(2), IQ(1.0, 0));

    const std::unique_ptr<Modulation> onOff = createModulation(ModASK);
    QCOMPARE(onOff->parameters(), QVector<double>{50.0});
    IQVector points = onOff->modulate({0, 1, 5});
    COMPARE_POINT(points.at(0), IQ(0.5, 0));
    COMPARE_POINT(points.at(1), IQ(1.0, 0));
    COMPARE_POINT(points.at(2), IQ(1.0, 0));
    onOff->setParameters({100.0});
    points = onOff->modulate({0, 1});
    COMPARE_POINT(points.at(0), IQ(0.0, 0));
    COMPARE_POINT(points.at(1), IQ(1.0, 0));
    QVERIFY(createModulation(Mod4ASK)->parameters().isEmpty());
}

void tst_Modulation::pskPointsLieOnTheUnitCircle()
{
    for (int id = ModBPSK; id <= Mod16PSK; ++id) {
        const std::unique_ptr<Modulation> psk = createModulation(id);
        const int m = 1 << psk->bitsPerSymbol();
        QVector<int> symbols;
        for (int s = 0; s < 2 * m; ++s)
            symbols.append(s % m);
        const IQVector points = psk->modulate(symbols);
        QCOMPARE(points.size(), symbols.size());
        for (const IQ &p : points)
            QVERIFY2(std::abs(std::abs(p) - 1.0) < kTolerance, qPrintable(modulationName(id)));
    }
    // QPSK sits on the diagonals: (±1/√2, ±1/√2).
    const IQVector qpsk = createModulation(ModQPSK)->modulate({0, 1, 2, 3});
    COMPARE_POINT(qpsk.at(0), IQ(M_SQRT1_2, M_SQRT1_2));
    COMPARE_POINT(qpsk.at(1), IQ(-M_SQRT1_2, M_SQRT1_2));
    COMPARE_POINT(qpsk.at(3), IQ(M_SQRT1_2, -M_SQRT1_2));
    COMPARE_POINT(createModulation(ModQPSKOffset)->modulate({0}).at(0), IQ(0, 1));
    COMPARE_POINT(createModulation(ModBPSK)->modulate({1}).at(0), IQ(-1, 0));
}

void tst_Modulation::pskRotatesOddSymbols()
{
    // π/4-QPSK alternates between the diagonal set (even symbols) and the axis set.
    const IQVector pi4 = createModulation(ModPi4QPSK)->modulate({0, 0, 1, 1, 2, 3});
    COMPARE_POINT(pi4.at(0), polar(M_PI / 4));
    COMPARE_POINT(pi4.at(1), IQ(0, 1));
    COMPARE_POINT(pi4.at(2), polar(3 * M_PI / 4));
    COMPARE_POINT(pi4.at(3), IQ(-1, 0));
    COMPARE_POINT(pi4.at(4), polar(5 * M_PI / 4));
    COMPARE_POINT(pi4.at(5), IQ(1, 0));

    struct Case { int id; double oddRotation; double offset; };
    const Case cases[] = {{ModQPSKEdge, 3 * M_PI / 4, M_PI / 4}, {ModPi2DBPSK, M_PI / 2, 0},
                          {ModPi8D8PSK, M_PI / 8, 0}, {Mod8PSKEdge, 3 * M_PI / 8, 0},
                          {ModOQPSK, 0, M_PI / 4}, {ModD8PSK, 0, 0}};
    for (const Case &c : cases) {
        const std::unique_ptr<Modulation> psk = createModulation(c.id);
        const double step = 2 * M_PI / (1 << psk->bitsPerSymbol());
        const IQVector points = psk->modulate({1, 1});
        COMPARE_POINT(points.at(0), polar(step + c.offset));
        COMPARE_POINT(points.at(1), polar(step + c.offset + c.oddRotation));
    }
}

void tst_Modulation::fskLevelsAndMirror()
{
    const std::unique_ptr<Modulation> fsk4 = createModulation(Mod4FSK);
    auto *fsk = dynamic_cast<FSK *>(fsk4.get());
    QVERIFY(fsk && fsk->isMirror());
    const IQVector mirrored = fsk->modulate({0, 1, 2, 3});
    QCOMPARE(mirrored.size(), 8);
    const double levels[] = {-1.0, -1.0 / 3, 1.0 / 3, 1.0};
    for (int k = 0; k < 4; ++k) {
        COMPARE_POINT(mirrored.at(k), IQ(levels[k], 0));
        COMPARE_POINT(mirrored.at(k + 4), IQ(-levels[k], 0));
    }
    fsk->setMirror(false);
    QCOMPARE(fsk->modulate({0, 3, 3}).size(), 3);

    const IQVector msk = createModulation(ModMSK)->modulate({0, 1});
    COMPARE_POINT(msk.at(0), IQ(-1, 0));
    COMPARE_POINT(msk.at(1), IQ(1, 0));
}

void tst_Modulation::fskUserTableTakesPercent()
{
    const std::unique_ptr<Modulation> user = createModulation(ModFSKUser);
    auto *fsk = dynamic_cast<FSK *>(user.get());
    QVERIFY(fsk);
    fsk->setMirror(false);
    // Starts with the 8FSK levels.
    const IQVector initial = fsk->modulate({0, 7});
    COMPARE_POINT(initial.at(0), IQ(-1, 0));
    COMPARE_POINT(initial.at(1), IQ(1, 0));

    fsk->setTable({{12.5, -50.0}, {25.0, 100.0}});
    QCOMPARE(fsk->bitsPerSymbol(), 1);
    QCOMPARE(fsk->table(), (PointTable{{-0.5, 0.0}, {1.0, 0.0}}));
    const IQVector points = fsk->modulate({1, 0});
    COMPARE_POINT(points.at(0), IQ(1.0, 0));
    COMPARE_POINT(points.at(1), IQ(-0.5, 0));
}

void tst_Modulation::tableSetsBitsPerSymbol()
{
    const std::unique_ptr<Modulation> user = createModulation(ModQAMUser);
    PointTable five;
    for (int s = 0; s < 5; ++s)
        five.append({double(s), -double(s)});
    user->setTable(five);
    QCOMPARE(user->bitsPerSymbol(), 2);
    COMPARE_POINT(user->modulate({4}).at(0), IQ(4, -4));
    user->setTable({{1.0, 1.0}});
    QCOMPARE(user->bitsPerSymbol(), 0);
    user->setTable({});
    QCOMPARE(user->bitsPerSymbol(), 0);
    QVERIFY(user->modulate({0, 1}).isEmpty());

    // A symbol beyond the table still yields one point, at the origin.
    user->setTable({{1.0, 0.5}, {0.5, 1.0}});
    const IQVector points = user->modulate({1, 9, -1});
    QCOMPARE(points.size(), 3);
    COMPARE_POINT(points.at(0), IQ(0.5, 1.0));
    COMPARE_POINT(points.at(1), IQ(0, 0));
}

void tst_Modulation::baseKeepsSamplesPerSymbolPositive()
{
    Modulation none(ModNone);
    none.setSamplesPerSymbol(0);
    QCOMPARE(none.samplesPerSymbol(), 1);
    none.setSamplesPerSymbol(-5);
    QCOMPARE(none.samplesPerSymbol(), 1);
    none.setSamplesPerSymbol(16);
    QCOMPARE(none.samplesPerSymbol(), 16);
    QVERIFY(none.modulate({0, 1}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_Modulation)
#include "tst_Modulation.moc"
