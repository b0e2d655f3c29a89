// The numbers behind the error summary and the symbol table: the averaging history
// shared by every summary, and the texts of symbol values.

#include "ErrorSummaryHistory.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "PowerOffset.h"
#include "TransferBinary.h"
#include "TransferHex.h"
#include "TransferNumber.h"

#include <QtTest>
#include <cmath>

namespace {
DataAnalysis record(double value)
{
    DataAnalysis d;
    d.evm = value;
    d.evmPeak = value;
    d.mer = value;
    d.snr = value;
    d.gainImbalance = value;
    d.power = 1.0;
    d.symbolRate = value;
    return d;
}
}  // namespace

class TestResultTables : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ErrorSummaryHistory::instance().clear();
        ErrorSummaryHistory::instance().setCount(0);
    }

    void symbolTextsArePaddedByBitsPerSymbol()
    {
        const TransferNumber decimal;
        const TransferHex hex;
        const TransferBinary binary;
        QCOMPARE(binary.toText({3}, 5), QStringLiteral("101"));
        QCOMPARE(hex.toText({3}, 5), QStringLiteral("5"));
        QCOMPARE(binary.toText({6}, 5), QStringLiteral("000101"));
        QCOMPARE(hex.toText({6}, 5), QStringLiteral("05"));
        QCOMPARE(hex.toText({10}, 5), QStringLiteral("005"));
        QCOMPARE(hex.toText({8}, 255), QStringLiteral("ff"));
        QCOMPARE(decimal.toText({10}, 5), QStringLiteral("5"));
        QCOMPARE(binary.toText({1}, 1), QStringLiteral("1"));
        // The variants' codes, and the frame's format names choosing them.
        QCOMPARE(decimal.base(), 0);
        QCOMPARE(hex.base(), 2);
        QCOMPARE(binary.base(), 1);
        QCOMPARE(TransferNumber::create(QStringLiteral("Hexadecimal"))->base(), 2);
        QCOMPARE(TransferNumber::create(QStringLiteral("Binary"))->base(), 1);
        QCOMPARE(TransferNumber::create(QStringLiteral("Decimal"))->base(), 0);
    }

    void joinedTextKeepsSymbolOrderWhateverTheThreads()
    {
        QVector<int> symbols;
        for (int k = 0; k < 100003; ++k)
            symbols.append(k % 16);
        const QString text = TransferNumber::joined(symbols, TransferBinary(), {4}, QLatin1Char(','));
        const QStringList parts = text.split(QLatin1Char(','));
        QCOMPARE(parts.size(), symbols.size());
        for (int k = 0; k < symbols.size(); k += 997)
            QCOMPARE(parts.at(k), QString::number(k % 16, 2).rightJustified(4, QLatin1Char('0')));
        QVERIFY(!text.endsWith(QLatin1Char(',')));
        QCOMPARE(TransferNumber::joined({7}, TransferNumber(), {3}, QLatin1Char(' ')), QStringLiteral("7"));
        QCOMPARE(TransferNumber::joined({}, TransferNumber(), {3}, QLatin1Char(' ')), QString());
    }

    void averagingCountZeroStoresNothing()
    {
        ErrorSummaryHistory &history = ErrorSummaryHistory::instance();
        history.add(record(3.0));
        QCOMPARE(history.size(), 0);
        QVERIFY(history.averages(10, 0.0).isEmpty());
        history.setCount(10);
        history.add(record(3.0));
        history.setCount(0);
        history.add(record(100.0));
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.averages(10, 0.0).value(QStringLiteral("MER")), 3.0);
    }

    void historyKeepsTheNewestTenThousand()
    {
        ErrorSummaryHistory &history = ErrorSummaryHistory::instance();
        history.setCount(ErrorSummaryHistory::kCapacity);
        for (int i = 1; i <= ErrorSummaryHistory::kCapacity + 1; ++i)
            history.add(record(i));
        QCOMPARE(history.size(), ErrorSummaryHistory::kCapacity);
        // 2 .. 10001 are left: their mean is 5001.5; with 1 still there it would be 5001.
        const QMap<QString, double> all = history.averages(ErrorSummaryHistory::kCapacity, 0.0);
        QCOMPARE(all.value(QStringLiteral("MER")), 5001.5);
        QCOMPARE(all.value(QStringLiteral("Symbol Rate")), 5001.5);
        // The newest three only.
        QCOMPARE(history.averages(3, 0.0).value(QStringLiteral("MER")), 10000.0);
    }

    void averagesAreTakenInTheLinearDomain()
    {
        ErrorSummaryHistory &history = ErrorSummaryHistory::instance();
        history.setCount(2);
        DataAnalysis a = record(0.0), b = record(0.0);
        a.snr = 10.0;  // 10 and 100 in power: mean 55
        b.snr = 20.0;
        a.evm = 0.0;   // amplitudes 1 and 10: mean 5.5
        b.evm = 20.0;
        a.gainImbalance = 0.0;
        b.gainImbalance = 20.0;
        a.power = 0.5;  // amplitude factors 0.5 and 1.5: mean 1
        b.power = 1.5;
        history.add(a);
        history.add(b);
        const double p0 = PowerOffset::offsetDb(QStringLiteral("qam16"));
        const QMap<QString, double> avg = history.averages(2, p0);
        QVERIFY(std::abs(avg.value(QStringLiteral("SNR")) - 10.0 * std::log10(55.0)) < 1e-12);
        QVERIFY(std::abs(avg.value(QStringLiteral("EVM")) - 20.0 * std::log10(5.5)) < 1e-12);
        QVERIFY(std::abs(avg.value(QStringLiteral("Gain Imbalance")) - 20.0 * std::log10(5.5)) < 1e-12);
        QVERIFY(std::abs(avg.value(QStringLiteral("Power")) - p0) < 1e-12);
        QVERIFY(!avg.contains(QStringLiteral("EVM Peak")));
        // The current value of "Power" carries the same offset.
        const ErrorSummaryHistory::Row powerRow = ErrorSummaryHistory::rows().last();
        QCOMPARE(QString::fromLatin1(powerRow.name), QStringLiteral("Power"));
        QVERIFY(std::abs(ErrorSummaryHistory::currentValue(powerRow, a, p0) - (p0 + 20.0 * std::log10(2.0))) < 1e-12);
    }

    void powerOffsetIsTheMeanPowerOfThePeakNormalisedQam()
    {
        // The offsets are given to 10 digits of a rounded table: 10·log10(10/9) to 2e-4 dB.
        QCOMPARE(PowerOffset::offsetDb(QStringLiteral("QAM16")), 0.4574880501);
        QVERIFY(std::abs(PowerOffset::offsetDb(QStringLiteral("QAM16")) - 10.0 * std::log10(10.0 / 9.0)) < 2e-4);
        // The catalogue's own QAM16 points have that mean power.
        const auto qam16 = createModulation(QStringLiteral("QAM16"));
        QVector<int> all;
        for (int s = 0; s < 16; ++s)
            all.append(s);
        double meanPower = 0.0;
        for (const IQ &p : qam16->modulate(all))
            meanPower += std::norm(p) / 16.0;
        QVERIFY(std::abs(PowerOffset::offsetDb(QStringLiteral("QAM16")) - 10.0 * std::log10(meanPower)) < 2e-4);
        QCOMPARE(PowerOffset::offsetDb(QStringLiteral("QPSK")), 0.0);
        QCOMPARE(PowerOffset::offsetDb(QStringLiteral("qam64")), -0.6693231266);
    }

    void rowsAreTheTwelveInDisplayOrderWithTheirUnits()
    {
        QStringList names, units;
        for (const ErrorSummaryHistory::Row &row : ErrorSummaryHistory::rows()) {
            names << QString::fromLatin1(row.name);
            units << QString::fromLatin1(row.unit);
        }
        QCOMPARE(names, QStringList({"EVM", "EVM Peak", "Magnitude Error", "Phase Error", "Frequency Error", "MER",
                                     "IQ Offset", "Gain Imbalance", "Quadrature Error", "SNR", "Symbol Rate", "Power"}));
        QCOMPARE(units, QStringList({"%", "%", "dB", "deg", "Hz", "dB", "dB", "dB", "deg", "dB", "Hz", "dBm"}));
    }
};

QTEST_GUILESS_MAIN(TestResultTables)
#include "tst_ResultTables.moc"
