#include "UnitPrefix.h"

#include <QtTest>

class TestUnitPrefix : public QObject
{
    Q_OBJECT
private slots:
    void picksPrefixesAtTheirThresholds()
    {
        QCOMPARE(UnitPrefix::large(999.999).factor, 1.0);
        QCOMPARE(UnitPrefix::large(1e3).prefix, QStringLiteral("k"));
        QCOMPARE(UnitPrefix::large(-2.5e6).prefix, QStringLiteral("M"));
        QCOMPARE(UnitPrefix::large(1e9).factor, 1e9);
        QCOMPARE(UnitPrefix::small(0.1).factor, 1.0);
        QCOMPARE(UnitPrefix::small(0.099).prefix, QStringLiteral("m"));
        QCOMPARE(UnitPrefix::small(9e-6).prefix, QString(QChar(0x00B5)));
        QCOMPARE(UnitPrefix::small(9e-8).factor, 1e-9);
    }

    void russianInterfaceUsesCyrillicPrefixesButKeepsMicro()
    {
        UnitPrefix::setRussian(true);
        QCOMPARE(UnitPrefix::large(1e3).prefix, QString::fromUtf8("к"));
        QCOMPARE(UnitPrefix::large(1e6).prefix, QString::fromUtf8("М"));
        QCOMPARE(UnitPrefix::large(1e9).prefix, QString::fromUtf8("Г"));
        QCOMPARE(UnitPrefix::small(1e-8).prefix, QString::fromUtf8("н"));
        QCOMPARE(UnitPrefix::small(1e-3).prefix, QString::fromUtf8("м"));
        QCOMPARE(UnitPrefix::small(1e-6).prefix, QString(QChar(0x00B5)));
        UnitPrefix::setRussian(false);
    }

    void formatsFixedPointWithoutTrailingZeros()
    {
        QCOMPARE(UnitPrefix::formatLarge(2.5e6, QStringLiteral("Hz")), QStringLiteral("2.5 MHz"));
        QCOMPARE(UnitPrefix::formatLarge(850.0, QStringLiteral("Hz")), QStringLiteral("850 Hz"));
        QCOMPARE(UnitPrefix::formatLarge(1.7e3 / 3.0, QStringLiteral("Hz")), QStringLiteral("566.6666666667 Hz"));
    }
};

QTEST_APPLESS_MAIN(TestUnitPrefix)
#include "tst_UnitPrefix.moc"
