#include "ErrorSummaryHistory.h"
#include "GuiErrorData.h"
#include "GuiSymbolData.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QtTest>
#include <cmath>

namespace {
DataAnalysis analysisWith(double evm, double power)
{
    DataAnalysis d;
    d.evm = evm;
    d.evmPeak = 3.0 * evm;
    d.mer = 31.5;
    d.snr = 30.25;
    d.power = power;
    d.symbolRate = 1e6;
    return d;
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<unreadable>");
}
}  // namespace

class TestResultTableViews : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ErrorSummaryHistory::instance().clear();
        ErrorSummaryHistory::instance().setCount(0);
    }

    void summaryShowsEveryRowByNameWithThreeDecimals()
    {
        GuiErrorData summary;
        summary.show();
        summary.setModulation(QStringLiteral("QAM16"));
        summary.setData(analysisWith(2.5, 0.5));
        for (const QString &name : GuiErrorData::rowNames()) {
            QVERIFY2(summary.label(name), qPrintable(name));
            QVERIFY2(summary.label(name + QStringLiteral("A")), qPrintable(name));
        }
        QCOMPARE(summary.label(QStringLiteral("EVM"))->text(), QStringLiteral("2.500"));
        QCOMPARE(summary.label(QStringLiteral("EVM Peak"))->text(), QStringLiteral("7.500"));
        QCOMPARE(summary.label(QStringLiteral("SNR"))->text(), QStringLiteral("30.250"));
        // P0 − 20·log10(0.5) for QAM16.
        QCOMPARE(summary.label(QStringLiteral("Power"))->text(),
                 QString::number(0.4574880501 + 20.0 * std::log10(2.0), 'f', 3));
    }

    void hiddenSummaryLeavesItsLabelsAloneUntilShown()
    {
        GuiErrorData summary;
        summary.setData(analysisWith(2.5, 1.0));
        QCOMPARE(summary.label(QStringLiteral("EVM"))->text(), QStringLiteral("- -"));
        // Shown later (a frame switched to it while play is stopped): the last analysis at once.
        summary.show();
        QCOMPARE(summary.label(QStringLiteral("EVM"))->text(), QStringLiteral("2.500"));
    }

    void averagedColumnFollowsTheFrameAveraging()
    {
        GuiErrorData summary;
        summary.show();
        QSignalSpy shownAll(&summary, &GuiErrorData::signalModeShowAll);
        QSignalSpy setAver(&summary, &GuiErrorData::signalSetAver);
        QVERIFY(summary.label(QStringLiteral("Aver"))->isHidden());
        QVERIFY(summary.label(QStringLiteral("EVMA"))->isHidden());
        QCOMPARE(summary.grid()->columnMinimumWidth(GuiErrorData::kAverColumn), 0);

        summary.setAverage(4);
        QVERIFY(!summary.label(QStringLiteral("Aver"))->isHidden());
        QVERIFY(!summary.label(QStringLiteral("PowerA"))->isHidden());
        QCOMPARE(summary.grid()->columnMinimumWidth(GuiErrorData::kAverColumn), 75);
        QCOMPARE(shownAll.count(), 1);
        QCOMPARE(setAver.last().at(0).toInt(), 4);
        QCOMPARE(ErrorSummaryHistory::instance().count(), 4);

        for (double evm : {1.0, 2.0, 3.0, 4.0, 5.0}) {
            summary.setData(analysisWith(evm, 1.0));
            summary.addDataAver(analysisWith(evm, 1.0));
            summary.setDataAver();
        }
        // The newest four: 2..5 averaged as amplitudes 10^(evm/20).
        double mean = 0.0;
        for (double evm : {2.0, 3.0, 4.0, 5.0})
            mean += std::pow(10.0, 0.05 * evm) / 4.0;
        QCOMPARE(summary.label(QStringLiteral("EVMA"))->text(), QString::number(20.0 * std::log10(mean), 'f', 3));
        QCOMPARE(summary.label(QStringLiteral("EVM PeakA"))->text(), QStringLiteral("- -"));
        QCOMPARE(summary.label(QStringLiteral("MERA"))->text(), QStringLiteral("31.500"));

        summary.setAverage(1);
        QVERIFY(summary.label(QStringLiteral("EVMA"))->isHidden());
        QCOMPARE(summary.grid()->columnMinimumWidth(GuiErrorData::kAverColumn), 0);
        QCOMPARE(ErrorSummaryHistory::instance().count(), 0);
        summary.resetDataAver();
        QCOMPARE(ErrorSummaryHistory::instance().size(), 0);
    }

    void historyIsSharedByEverySummary()
    {
        GuiErrorData first, second;
        first.show();
        second.show();
        first.setAverage(10);
        second.setAverage(10);
        first.addDataAver(analysisWith(1.0, 1.0));
        second.addDataAver(analysisWith(1.0, 1.0));
        QCOMPARE(ErrorSummaryHistory::instance().size(), 2);
    }

    void symbolTableRowsStartWithTheirFirstIndex()
    {
        GuiSymbolData table;
        table.resize(400, 200);
        table.show();
        table.setBitsPerSymbol(4);
        QVector<int> symbols;
        for (int k = 0; k < 500; ++k)
            symbols.append(k % 16);
        QSignalSpy repainted(&table, &GuiSymbolData::signalRepaint);
        table.setData(symbols);
        QCOMPARE(repainted.count(), 1);
        const QStringList rows = table.paintedRows();
        QVERIFY(!rows.isEmpty());
        // Painting stops at the bottom edge: 200 pixels hold ten rows of 20.
        QVERIFY(rows.size() <= 200 / GuiSymbolData::kRowHeight);
        QVERIFY(rows.first().startsWith(QStringLiteral("0: 0 1 2 3")));
        const int perRow = rows.first().split(QLatin1Char(' ')).size() - 1;
        QVERIFY(rows.at(1).startsWith(QString::number(perRow) + QStringLiteral(": ")));
        QCOMPARE(table.indexWidth(), GuiSymbolData::kIndexWidth);

        table.setFormat(QStringLiteral("Binary"));
        QVERIFY(table.paintedRows().first().startsWith(QStringLiteral("0: 0000 0001 0010")));
        table.setFormat(QStringLiteral("Hexadecimal"));
        QVERIFY(table.paintedRows().first().startsWith(QStringLiteral("0: 0 1 2 3 4 5 6 7 8 9 a b")));
        // A big page of narrow symbols needs the wide index column.
        table.setFormat(QStringLiteral("Decimal"));
        table.setBitsPerSymbol(1);
        table.resize(1900, 1000);
        QCOMPARE(table.indexWidth(), GuiSymbolData::kWideIndexWidth);
    }

    void savedSymbolsAreSeparatedByTheFileKind()
    {
        TestEnvironment environment;
        GuiSymbolData table;
        table.setBitsPerSymbol(3);
        table.setFormat(QStringLiteral("Binary"));
        table.setData({5, 0, 7});
        QVERIFY(table.saveData(environment.filePath(QStringLiteral("symbols.csv"))));
        QCOMPARE(readAll(environment.filePath(QStringLiteral("symbols.csv"))), QStringLiteral("101,000,111"));
        QVERIFY(table.saveData(environment.filePath(QStringLiteral("symbols.txt"))));
        QCOMPARE(readAll(environment.filePath(QStringLiteral("symbols.txt"))), QStringLiteral("101 000 111"));
        // A folder that does not exist: a message, nothing written, no crash.
        QSignalSpy message(&table, &GuiSymbolData::sendMessage);
        const QString bad = environment.filePath(QStringLiteral("missing/symbols.txt"));
        QVERIFY(!table.saveData(bad));
        QCOMPARE(message.count(), 1);
        QVERIFY(!QFile::exists(bad));
    }
};

QTEST_MAIN(TestResultTableViews)
#include "tst_ResultTableViews.moc"
