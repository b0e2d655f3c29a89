#include "ParamSignal.h"
#include "ParamVectorAnalysis.h"
#include "TagScanner.h"
#include "UnitText.h"

#include <QtTest>

class tst_ParamSignal : public QObject
{
    Q_OBJECT
private slots:
    void defaultsGiveTheLongAndShortTexts();
    void parsingWithTheModeTestTakesOnlyItsOwnMode();
    void parsingWithoutTheModeTestSetsBothGroups();
    void valuesMayHoldColons();
    void emptyOwnTextHasNoModeTag();
    void modeTagsAndNames();
    void modeFromTextTestsInOrderAfterUpperCasing_data();
    void modeFromTextTestsInOrderAfterUpperCasing();
    void numbersWithUnits_data();
    void numbersWithUnits();
    void unitTextsReadBackToTheirValue();
    void headerTagsAreReadCaseSensitivelyAndRepaired();
    void rawFormatsResetInsteadOfReadingAHeader();
};

void tst_ParamSignal::defaultsGiveTheLongAndShortTexts()
{
    ParamVectorAnalysis param;
    QCOMPARE(param.ownText(ParamSignal::FormLong),
             QStringLiteral("{CLOCK:1 MHz}{FREQUENCY:0 MHz}{POWER:0 dBm}{Decimation:1}{Freq:0 MHz}{SampleRate:1 MHz}"));
    QCOMPARE(param.text(ParamSignal::FormShort), QStringLiteral("{MODE:VA}{CLOCK:1 MHz}{FREQUENCY:0 MHz}"));
    QVERIFY(param.text(ParamSignal::FormProfile).startsWith(QLatin1String("{CLOCK:")));
    QCOMPARE(param.sampleRate(), 1e6);
    QCOMPARE(param.secondRate(), 1e6);
    QCOMPARE(param.mode(), int(ParamSignal::ModeVA));
    QCOMPARE(param.scalingFactor(), 1.0);
}

void tst_ParamSignal::parsingWithTheModeTestTakesOnlyItsOwnMode()
{
    const QString text = QStringLiteral("{MODE:VA}{CLOCK:2 MHz}{FREQUENCY:1 GHz}");
    ParamVectorAnalysis param;
    QVERIFY(param.parseText(text, true));
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("2 MHz"));
    QCOMPARE(param.sourceValue(QStringLiteral("FREQUENCY")), QStringLiteral("1 GHz"));

    ParamSignal dm(ParamSignal::ModeDM);
    QVERIFY(!dm.parseText(text, true));
    ParamVectorAnalysis other;
    QVERIFY(!other.parseText(QStringLiteral("{MODE:DM}{CLOCK:2 MHz}"), true));
    QCOMPARE(other.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
}

void tst_ParamSignal::parsingWithoutTheModeTestSetsBothGroups()
{
    ParamVectorAnalysis param;
    QVERIFY(param.parseText(QStringLiteral("{CLOCK:5 MHz}{SampleRate:5 MHz}{Decimation:1}{MODE:DM}"), false));
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("5 MHz"));
    QCOMPARE(param.analysisValue(QStringLiteral("SampleRate")), QStringLiteral("5 MHz"));
    QCOMPARE(param.analysisValue(QStringLiteral("Decimation")), QStringLiteral("1"));
    QVERIFY(!param.source().contains(QStringLiteral("MODE")));
    QCOMPARE(param.sampleRate(), 5e6);
}

void tst_ParamSignal::valuesMayHoldColons()
{
    ParamVectorAnalysis param;
    QVERIFY(param.parseText(QStringLiteral("{POWER:C:/data/a.owv}"), false));
    QCOMPARE(param.sourceValue(QStringLiteral("POWER")), QStringLiteral("C:/data/a.owv"));
}

void tst_ParamSignal::emptyOwnTextHasNoModeTag()
{
    ParamSignal base(ParamSignal::ModeVA);
    QCOMPARE(base.text(ParamSignal::FormLong), QString());
    QCOMPARE(base.sampleRate(), 1e8);
    QCOMPARE(base.secondRate(), 1.0);
}

void tst_ParamSignal::modeTagsAndNames()
{
    QCOMPARE(ParamSignal::modeTag(1), QStringLiteral("{MODE:DM}"));
    QCOMPARE(ParamSignal::modeTag(2), QStringLiteral("{MODE:VA}"));
    QCOMPARE(ParamSignal::modeTag(3), QStringLiteral("{MODE:5G}"));
    QCOMPARE(ParamSignal::modeTag(4), QStringLiteral("{MODE:LTE}"));
    QCOMPARE(ParamSignal::modeTag(5), QStringLiteral("{MODE:DM}"));
    QCOMPARE(ParamSignal::modeName(3), QStringLiteral("5G"));
    QCOMPARE(ParamSignal::modeName(3, true), QStringLiteral("G5"));
    QCOMPARE(ParamSignal::modeName(4, true), QStringLiteral("G4"));
    QCOMPARE(ParamSignal::modeName(5), QStringLiteral("ACLR"));
    QCOMPARE(ParamSignal::modeName(0), QStringLiteral("DM"));
}

void tst_ParamSignal::modeFromTextTestsInOrderAfterUpperCasing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::newRow("dm") << "DM" << 1;
    QTest::newRow("va") << "va" << 2;
    QTest::newRow("5g") << "5G" << 3;
    QTest::newRow("g5") << "G5" << 3;
    QTest::newRow("g4 lower") << "g4" << 4;
    QTest::newRow("aclr") << "ACLR" << 5;
    QTest::newRow("dm before va") << "VADM" << 1;
    QTest::newRow("lte is no mode name") << "LTE" << 0;
    QTest::newRow("empty") << "" << 0;
}

void tst_ParamSignal::modeFromTextTestsInOrderAfterUpperCasing()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QCOMPARE(ParamSignal::modeFromText(text), mode);
}

void tst_ParamSignal::numbersWithUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("no unit") << "250000" << 250000.0;
    QTest::newRow("kilo") << "2.5 kHz" << 2500.0;
    QTest::newRow("mega") << "1 MHz" << 1e6;
    QTest::newRow("giga") << "1.5 GHz" << 1.5e9;
    QTest::newRow("small m is milli") << "1 mHz" << 1e-3;
    QTest::newRow("nano") << "3 ns" << 3e-9;
    QTest::newRow("micro sign") << QStringLiteral("2 \u00B5s") << 2e-6;
    QTest::newRow("unit without prefix") << "7 Hz" << 7.0;
    QTest::newRow("number only after blank") << "4 " << 4.0;
    QTest::newRow("not a number") << "abc" << 0.0;
}

void tst_ParamSignal::numbersWithUnits()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(UnitText::toDouble(text), value);
}

void tst_ParamSignal::unitTextsReadBackToTheirValue()
{
    for (double value : {0.0, 250e3, 1e6, 2.5e9, 12345.678, -3e6, 7.0}) {
        const QString text = UnitText::format(value, QStringLiteral("Hz"));
        QCOMPARE(UnitText::toDouble(text), value);
    }
    QCOMPARE(UnitText::format(250e3, QStringLiteral("Hz")), QStringLiteral("250 kHz"));
}

void tst_ParamSignal::headerTagsAreReadCaseSensitivelyAndRepaired()
{
    const TagScanner header(QByteArray("{TYPE:OWV}{CLOCK:2 MHz}{FREQUENCY:1 GHz}{POWER:?/4-DQPSK}"
                                       "{WAVEFORM-9:#\x01\x02\x03\x04\x05\x06\x07\x08}"));
    ParamVectorAnalysis param;
    param.readHeader(header);
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("2 MHz"));
    QCOMPARE(param.sourceValue(QStringLiteral("FREQUENCY")), QStringLiteral("1 GHz"));
    QCOMPARE(param.sourceValue(QStringLiteral("POWER")), QString(QChar(0x03C0)) + QStringLiteral("/4-DQPSK"));
    // "Freq:" does not match "{FREQUENCY:", and keys the header lacks keep their values.
    QCOMPARE(param.analysisValue(QStringLiteral("Freq")), QStringLiteral("0 MHz"));
    QCOMPARE(param.analysisValue(QStringLiteral("SampleRate")), QStringLiteral("1 MHz"));

    QCOMPARE(ParamSignal::repairModulationName(QStringLiteral("QPSK ?/4 offset")),
             QStringLiteral("QPSK ") + QChar(0x03C0) + QStringLiteral("/4 offset"));
    QCOMPARE(ParamSignal::repairModulationName(QStringLiteral("?/8-D8PSK")), QChar(0x03C0) + QStringLiteral("/8-D8PSK"));
    QCOMPARE(ParamSignal::repairModulationName(QStringLiteral("16QAM")), QStringLiteral("16QAM"));
}

void tst_ParamSignal::rawFormatsResetInsteadOfReadingAHeader()
{
    const TagScanner header(QByteArray("{CLOCK:9 MHz}"));
    ParamVectorAnalysis param;
    param.setSourceValue(QStringLiteral("CLOCK"), QStringLiteral("3 MHz"));
    QVERIFY(param.prepareFromFile(QStringLiteral("/tmp/x.bin"), header));
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
    QVERIFY(param.prepareFromFile(QStringLiteral("/tmp/x.owv"), header));
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("9 MHz"));
    QVERIFY(param.prepareFromFile(QStringLiteral("/tmp/x.DAT"), header));
    QCOMPARE(param.sourceValue(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
}

QTEST_GUILESS_MAIN(tst_ParamSignal)
#include "tst_ParamSignal.moc"
