#include "FSK.h"
#include "FSK_IQ_Table.h"
#include "FilterCatalogue.h"
#include "FilterChain.h"
#include "IQ_Table.h"
#include "ModulationCatalogue.h"
#include "TestEnvironment.h"
#include "UserFilter.h"
#include "tableDelegate.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_UserTables : public QObject
{
    Q_OBJECT
private slots:
    void savesCsvWithTrailingCommaAndTextWithBlanks();
    void roundTripsThroughBothFormats_data();
    void roundTripsThroughBothFormats();
    void oneFieldLineLiesOnTheIAxis();
    void malformedOrMissingFilesLeaveTheTableAlone_data();
    void malformedOrMissingFilesLeaveTheTableAlone();
    void unwritablePathIsReported();
    void fskTableConvertsPercentToKilohertz();
    void fskTableFilesHoldPercentagesAndFeedTheScheme();
    void userFilterFeedsTheFilterChain();
    void cellEditorCommitsNumbersOnly();
    void expandingIsReported();

private:
    TestEnvironment m_env;
};

void tst_UserTables::savesCsvWithTrailingCommaAndTextWithBlanks()
{
    IQ_Table table;
    QCOMPARE(table.rowCount(), 8);
    // The first point on the radius-0.5 ring exactly (√2/4 = 0.35355339…), the rest as built in.
    IQ_Table::Rows rows = table.readTable();
    rows[0] = {M_SQRT2 / 4, M_SQRT2 / 4};
    table.setTable(rows);
    const QString csv = m_env.filePath(QStringLiteral("points.csv"));
    const QString text = m_env.filePath(QStringLiteral("points.txt"));
    QVERIFY2(table.saveFile(csv), qPrintable(table.errorString()));
    QVERIFY2(table.saveFile(text), qPrintable(table.errorString()));
    const QByteArray csvBytes = readAll(csv);
    const QByteArray textBytes = readAll(text);
    // The built-in 0.35355 lies just below its decimal and rounds down to four decimals.
    QVERIFY(csvBytes.startsWith("0.3536,0.3536,\r\n0.0000,1.0000,\r\n-0.3535,0.3535,\r\n"));
    QVERIFY(csvBytes.endsWith("1.0000,0.0000,\r\n"));
    QCOMPARE(csvBytes.count('\n'), 8);
    QVERIFY(textBytes.startsWith("0.3536 0.3536\r\n0.0000 1.0000\r\n"));
    QVERIFY(textBytes.endsWith("1.0000 0.0000\r\n"));
    QCOMPARE(textBytes.count('\n'), 8);
}

void tst_UserTables::roundTripsThroughBothFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("csv") << QStringLiteral("round.csv");
    QTest::newRow("text") << QStringLiteral("round.txt");
}

void tst_UserTables::roundTripsThroughBothFormats()
{
    QFETCH(QString, name);
    const IQ_Table::Rows rows = {{0.125, -0.5}, {-1, 1}, {0.3333, 0}, {12.25, -7.0625}, {0, 0}};
    IQ_Table source;
    source.setTable(rows);
    const QString path = m_env.filePath(name);
    QVERIFY(source.saveFile(path));
    IQ_Table loaded;
    QSignalSpy changed(&loaded, &IQ_Table::tableChanged);
    QVERIFY2(loaded.loadFile(path), qPrintable(loaded.errorString()));
    QCOMPARE(loaded.readTable(), rows);
    QCOMPARE(changed.count(), 1);
    // The loaded table is a QAM User point table: 5 rows give 2 bits per symbol.
    const std::unique_ptr<Modulation> qam = createModulation(ModQAMUser);
    qam->setTable(loaded.readTable());
    QCOMPARE(qam->bitsPerSymbol(), 2);
    QCOMPARE(qam->modulate({3}).at(0), IQ(12.25, -7.0625));
}

void tst_UserTables::oneFieldLineLiesOnTheIAxis()
{
    const QString path = m_env.filePath(QStringLiteral("mixed.txt"));
    writeAll(path, "0.5\r\n-0.25,0.75,\r\n1 2 3\n\r\n0.5,,\n");
    IQ_Table table;
    QVERIFY2(table.loadFile(path), qPrintable(table.errorString()));
    QCOMPARE(table.readTable(), (IQ_Table::Rows{{0.5, 0}, {-0.25, 0.75}, {1, 2}, {0.5, 0}}));
}

void tst_UserTables::malformedOrMissingFilesLeaveTheTableAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("word in Q") << QByteArray("0.1 0.2\r\n0.3 abc\r\n") << QStringLiteral("Line 2");
    QTest::newRow("leading blank") << QByteArray(" 0.3 0.4\r\n") << QStringLiteral("does not start with a number");
    QTest::newRow("binary") << QByteArray("\x01\x02\xff\xfe", 4) << QStringLiteral("Line 1");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("holds no values");
    QTest::newRow("missing") << QByteArray("<missing>") << QStringLiteral("Cannot open");
}

void tst_UserTables::malformedOrMissingFilesLeaveTheTableAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_env.filePath(QStringLiteral("bad.txt"));
    QFile::remove(path);
    if (content != "<missing>")
        writeAll(path, content);
    IQ_Table table;
    const IQ_Table::Rows before = table.readTable();
    QVERIFY(!table.loadFile(path));
    QVERIFY2(table.errorString().contains(message), qPrintable(table.errorString()));
    QCOMPARE(table.readTable(), before);
}

void tst_UserTables::unwritablePathIsReported()
{
    IQ_Table table;
    const QString path = m_env.filePath(QStringLiteral("no/such/folder/points.csv"));
    QVERIFY(!table.saveFile(path));
    QVERIFY(table.errorString().contains(QLatin1String("Cannot write")));
    QVERIFY(!QFile::exists(path));
}

void tst_UserTables::fskTableConvertsPercentToKilohertz()
{
    FSK_IQ_Table table;
    QCOMPARE(table.tableWidget()->horizontalHeaderItem(1)->text(), QStringLiteral("Freq(kHz)"));
    QCOMPARE(table.tableWidget()->horizontalHeaderItem(2)->text(), QStringLiteral("Value"));
    QCOMPARE(table.rowCount(), 8);
    // Starts as 8FSK at ±100 kHz.
    QCOMPARE(table.readTable().first(), (QVector<double>{-100.0, -100.0}));
    QCOMPARE(table.readTable().last(), (QVector<double>{100.0, 100.0}));

    table.setPercentages({-50, 25});
    table.setMaxDev(40e3, false);
    QCOMPARE(table.readTable().at(0).at(0), -50.0); // not recomputed yet
    table.setMaxDev(40e3, true);
    QCOMPARE(table.readTable(), (IQ_Table::Rows{{-20.0, -50.0}, {10.0, 25.0}}));
}

void tst_UserTables::fskTableFilesHoldPercentagesAndFeedTheScheme()
{
    FSK_IQ_Table table;
    table.setPercentages({-100, -12.5, 50, 100});
    const QString csv = m_env.filePath(QStringLiteral("fsk.csv"));
    QVERIFY(table.saveFile(csv));
    QCOMPARE(readAll(csv), QByteArray("-100.0000,\r\n-12.5000,\r\n50.0000,\r\n100.0000,\r\n"));

    FSK_IQ_Table loaded;
    loaded.setMaxDev(8e3, true);
    QVERIFY2(loaded.loadFile(csv), qPrintable(loaded.errorString()));
    QCOMPARE(loaded.readTable(), (IQ_Table::Rows{{-8, -100}, {-1, -12.5}, {4, 50}, {8, 100}}));

    const std::unique_ptr<Modulation> scheme = createModulation(ModFSKUser);
    auto *fsk = dynamic_cast<FSK *>(scheme.get());
    fsk->setMirror(false);
    fsk->setTable(loaded.readTable());
    QCOMPARE(fsk->bitsPerSymbol(), 2);
    QCOMPARE(fsk->modulate({0, 1, 2, 3}), (IQVector{IQ(-1, 0), IQ(-0.125, 0), IQ(0.5, 0), IQ(1, 0)}));
}

void tst_UserTables::userFilterFeedsTheFilterChain()
{
    UserFilter filter;
    QCOMPARE(filter.coefficients(), QVector<double>{1.0});
    filter.setCoefficients({0.25, 0.5, 0.25});
    const QString text = m_env.filePath(QStringLiteral("taps.txt"));
    QVERIFY(filter.saveFile(text));
    QCOMPARE(readAll(text), QByteArray("0.2500\r\n0.5000\r\n0.2500\r\n"));

    UserFilter loaded;
    QVERIFY(loaded.loadFile(text));
    QCOMPARE(loaded.coefficients(), (QVector<double>{0.25, 0.5, 0.25}));

    FilterChain chain;
    chain.setType(FilterUser, loaded.coefficients());
    chain.setTaps(loaded.coefficients().size());
    IQVector signal = {IQ(0, 0), IQ(4, -4), IQ(0, 0), IQ(0, 0), IQ(0, 0)};
    // Three taps leave 5 − 3 samples, centred on input samples 0 and 1: the pulse at
    // sample 1 reaches sample 0 with the side tap and sample 1 with the centre tap.
    QCOMPARE(chain.apply(signal), (IQVector{IQ(1, -1), IQ(2, -2)}));
}

void tst_UserTables::cellEditorCommitsNumbersOnly()
{
    IQ_Table table;
    table.show(0, 0); // the symbol column is not editable
    QVERIFY(!table.isEditing());
    table.show(2, 1);
    QVERIFY(table.isEditing());
    auto *editor = qobject_cast<tableDelegate *>(table.tableWidget()->cellWidget(2, 1));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("-0.35355"));
    QSignalSpy changed(&table, &IQ_Table::tableChanged);
    table.currentItemEdit(QStringLiteral("0.75"));
    emit editor->editFinish();
    QVERIFY(!table.isEditing());
    QCOMPARE(table.readTable().at(2), (QVector<double>{0.75, 0.35355}));
    QCOMPARE(changed.count(), 1);

    table.show(2, 2);
    editor = qobject_cast<tableDelegate *>(table.tableWidget()->cellWidget(2, 2));
    editor->setText(QStringLiteral("not a number"));
    emit editor->editFinish();
    QCOMPARE(table.readTable().at(2), (QVector<double>{0.75, 0.35355}));
    QCOMPARE(changed.count(), 1);

    FSK_IQ_Table fsk;
    fsk.show(0, 1); // kHz follows the percentage, it is not typed
    QVERIFY(!fsk.isEditing());
    fsk.show(0, 2);
    QVERIFY(fsk.isEditing());
    fsk.currentItemEdit(QStringLiteral("-50"));
    emit qobject_cast<tableDelegate *>(fsk.tableWidget()->cellWidget(0, 2))->editFinish();
    QCOMPARE(fsk.readTable().at(0), (QVector<double>{-50.0, -50.0}));

    table.addRow();
    QCOMPARE(table.rowCount(), 9);
    QCOMPARE(table.readTable().last(), (QVector<double>{0, 0}));
    table.removeRow();
    table.removeRow();
    QCOMPARE(table.rowCount(), 7);
}

void tst_UserTables::expandingIsReported()
{
    UserFilter filter;
    QSignalSpy spy(&filter, &IQ_Table::signalExpand);
    filter.setExpanded(false);
    filter.setExpanded(true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
}

QTEST_MAIN(tst_UserTables)
#include "tst_UserTables.moc"
