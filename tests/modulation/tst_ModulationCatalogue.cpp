#include "ASK.h"
#include "FSK.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "PSK.h"
#include "QAM.h"

#include <QtTest>

namespace {
const QChar kPi(0x03C0);
}

class tst_ModulationCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void namesMapBackToTheirIds();
    void matchingIgnoresCaseAndTakesTheFirstKeyInIdOrder_data();
    void matchingIgnoresCaseAndTakesTheFirstKeyInIdOrder();
    void piNamesUseTheGreekLetter();
    void familiesCoverTheIdRanges();
    void factoryPicksTheClassAndBitsOfTheCatalogue();
    void codingChoicesPerScheme();
};

void tst_ModulationCatalogue::namesMapBackToTheirIds()
{
    for (int id = 1; id <= kLastModulationId; ++id)
        QCOMPARE(modulationId(modulationName(id)), id);
    QCOMPARE(modulationName(0), QStringLiteral("None"));
    QCOMPARE(modulationName(31), QStringLiteral("None"));
    QCOMPARE(modulationName(-1), QStringLiteral("None"));
    QCOMPARE(modulationId(QStringLiteral("None")), 0);
}

void tst_ModulationCatalogue::matchingIgnoresCaseAndTakesTheFirstKeyInIdOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::newRow("upper QPSK") << QStringLiteral("QPSK") << 14;
    QTest::newRow("mixed QPSK") << QStringLiteral("qPsK") << 14;
    QTest::newRow("pi/4 offset") << (QStringLiteral("QPSK ") + kPi + QStringLiteral("/4 offset")) << 15;
    QTest::newRow("qpsk 45 part") << QStringLiteral("my QPSK 45 deg") << 15;
    QTest::newRow("4 offset part") << QStringLiteral("xx 4 offset") << 15;
    QTest::newRow("4-qpsk part") << QStringLiteral("pi/4-QPSK") << 18;
    QTest::newRow("4-dqpsk part") << QStringLiteral("pi/4-DQPSK") << 20;
    QTest::newRow("8-d8psk part") << QStringLiteral("pi/8-D8PSK") << 21;
    QTest::newRow("d8psk whole") << QStringLiteral("D8PSK") << 24;
    QTest::newRow("blank in QAM order") << QStringLiteral("QAM 16") << 0;
    QTest::newRow("whole keys do not match parts") << QStringLiteral("QAM16 x") << 0;
    QTest::newRow("fsk user") << QStringLiteral("FSK USER") << 30;
    QTest::newRow("empty") << QString() << 0;
}

void tst_ModulationCatalogue::matchingIgnoresCaseAndTakesTheFirstKeyInIdOrder()
{
    QFETCH(QString, name);
    QFETCH(int, id);
    QCOMPARE(modulationId(name), id);
}

void tst_ModulationCatalogue::piNamesUseTheGreekLetter()
{
    QCOMPARE(modulationName(15), QStringLiteral("QPSK ") + kPi + QStringLiteral("/4 offset"));
    QCOMPARE(modulationName(18), kPi + QStringLiteral("/4-QPSK"));
    QCOMPARE(modulationName(19), kPi + QStringLiteral("/2-DBPSK"));
    QCOMPARE(modulationName(20), kPi + QStringLiteral("/4-DQPSK"));
    QCOMPARE(modulationName(21), kPi + QStringLiteral("/8-D8PSK"));
    QCOMPARE(modulationName(18).at(0).unicode(), ushort(0x03C0));
}

void tst_ModulationCatalogue::familiesCoverTheIdRanges()
{
    const QStringList expected = {
        "FSK_User", "ASK", "ASK", "ASK", "ASK", "QAM", "QAM", "QAM", "QAM", "QAM", "QAM", "QAM",
        "QAM_User", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK", "PSK",
        "PSK", "PSK", "FSK", "FSK", "FSK", "FSK", "FSK_User"};
    for (int id = 0; id <= 30; ++id)
        QCOMPARE(modulationFamily(id), expected.at(id));
    QCOMPARE(modulationFamily(99), QStringLiteral("FSK_User"));
}

void tst_ModulationCatalogue::factoryPicksTheClassAndBitsOfTheCatalogue()
{
    // Bits per symbol for ids 0…30 as the scheme names imply (QAM User: its 8-point table).
    const int bits[] = {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 3, 1, 2, 2, 2, 2, 2, 1, 2, 3,
                        3, 3, 3, 4, 1, 1, 2, 3, 3};
    for (int id = 0; id <= 30; ++id) {
        const std::unique_ptr<Modulation> m = createModulation(id);
        QVERIFY2(m, qPrintable(QString::number(id)));
        QCOMPARE(m->id(), id);
        QCOMPARE(m->bitsPerSymbol(), bits[id]);
        QCOMPARE(m->symbolRate(), 1e7);
        QCOMPARE(m->samplesPerSymbol(), 8);
        const QString family = modulationFamily(id);
        if (id == 0)
            QVERIFY(m->table().isEmpty() && m->parameters().isEmpty());
        else if (family == QLatin1String("ASK"))
            QVERIFY(dynamic_cast<ASK *>(m.get()));
        else if (family.startsWith(QLatin1String("QAM")))
            QVERIFY(dynamic_cast<QAM *>(m.get()));
        else if (family == QLatin1String("PSK"))
            QVERIFY(dynamic_cast<PSK *>(m.get()));
        else
            QVERIFY(dynamic_cast<FSK *>(m.get()));
    }
    QCOMPARE(createModulation(QStringLiteral("qam64"))->id(), 7);
    QCOMPARE(createModulation(QStringLiteral("rubbish"))->id(), 0);
}

void tst_ModulationCatalogue::codingChoicesPerScheme()
{
    const QStringList basic{"None", "Gray"};
    const QStringList differential{"None", "Gray", "Differential", "Diff.+Gray"};
    QCOMPARE(codingOptions(19), basic);
    QCOMPARE(codingOptions(21), basic);
    QCOMPARE(codingOptions(24), basic);
    QCOMPARE(codingOptions(20), (QStringList{"None", "Gray", "NADC", "PDC", "PHS", "TETRA", "TFTS"}));
    QCOMPARE(codingOptions(22), differential + QStringList{"VDL"});
    QCOMPARE(codingOptions(23), QStringList{"None"});
    QCOMPARE(codingOptions(26), differential + QStringList{"GSM"});
    for (int id : {0, 1, 5, 12, 14, 25, 27, 30})
        QCOMPARE(codingOptions(id), differential);
}

QTEST_GUILESS_MAIN(tst_ModulationCatalogue)
#include "tst_ModulationCatalogue.moc"
