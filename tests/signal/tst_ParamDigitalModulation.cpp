// The digital-modulation parameter set: defaults, text forms, headers and the
// normalisation that ends the loading of a stored description.
#include "ParamDigitalModulation.h"
#include "ParamSignalFactory.h"
#include "TagScanner.h"

#include <QtTest>

class tst_ParamDigitalModulation : public QObject
{
    Q_OBJECT
private slots:
    void factoryGivesTheSetForModeOne();
    void defaultsAndRates();
    void longAndShortTextRoundTrip();
    void storedDescriptionNormalisesFilter_data();
    void storedDescriptionNormalisesFilter();
    void symbolRateNotBelowClockBecomesAQuarter();
    void panelValuesSurviveAParseWithoutModulation();
    void headerReadingRepairsAndNormalises();
    void modeTestRefusesOtherModes();
};

void tst_ParamDigitalModulation::factoryGivesTheSetForModeOne()
{
    const auto param = ParamSignalFactory::create(ParamSignal::ModeDM);
    QVERIFY(dynamic_cast<ParamDigitalModulation *>(param.get()));
    QCOMPARE(param->mode(), int(ParamSignal::ModeDM));
}

void tst_ParamDigitalModulation::defaultsAndRates()
{
    ParamDigitalModulation param;
    QCOMPARE(param.value("Accuracy"), QStringLiteral("Short"));
    QCOMPARE(param.value("CLOCK"), QStringLiteral("4 MHz"));
    QCOMPARE(param.value("FREQUENCY"), QStringLiteral("1 GHz"));
    QCOMPARE(param.value("SYMBOLRATE"), QStringLiteral("1 MHz"));
    QCOMPARE(param.filter(), QStringLiteral("None"));
    QCOMPARE(param.option("ShowAllErrors"), QStringLiteral("false"));
    QCOMPARE(param.modulation(), QStringLiteral("QPSK"));
    QCOMPARE(param.sampleRate(), 4e6);
    QCOMPARE(param.secondRate(), 1e6);
    QCOMPARE(param.frequency(), 1e9);
    // No filter parameter until one is given: the engine then passes 0.
    QVERIFY(!param.group(0).contains("FPARAMETER"));
    QCOMPARE(param.filterParameter(), 0.0);
}

void tst_ParamDigitalModulation::longAndShortTextRoundTrip()
{
    ParamDigitalModulation param;
    param.setModulation(QStringLiteral("QAM64"));
    param.setValue("FILTER", QStringLiteral("Root Nyquist"));
    param.setValue("FPARAMETER", QStringLiteral("0.22"));
    param.setValue("SYMBOLRATE", QStringLiteral("250 kHz"));
    const QString text = param.text(ParamSignal::FormLong);
    QVERIFY(text.startsWith(QLatin1String("{MODE:DM}{Accuracy:Short}{CLOCK:4 MHz}")));
    QVERIFY(text.endsWith(QLatin1String("{ShowAllErrors:false}")));
    QCOMPARE(param.text(ParamSignal::FormShort),
             QStringLiteral("{MODE:DM}{CLOCK:4 MHz}{FILTER:Root Nyquist}{FPARAMETER:0.22}{FREQUENCY:1 GHz}"
                            "{MODULATION:QAM64}{SYMBOLRATE:250 kHz}"));
    QVERIFY(!param.text(ParamSignal::FormProfile).contains(QLatin1String("MODE")));

    ParamDigitalModulation copy;
    QVERIFY(copy.parseText(text, true));
    QCOMPARE(copy.text(ParamSignal::FormLong), text);
    QCOMPARE(copy.filterParameter(), 0.22);
    QCOMPARE(copy.symbolRate(), 250e3);
}

void tst_ParamDigitalModulation::storedDescriptionNormalisesFilter_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root nyquist, any case") << "ROOT nyquist" << "Root Nyquist";
    QTest::newRow("menu name") << "R.Nyquist" << "Root Nyquist";
    QTest::newRow("gaussian") << "Gaussian" << "None";
    QTest::newRow("nyquist") << "Nyquist" << "None";
    QTest::newRow("empty") << "" << "None";
}

void tst_ParamDigitalModulation::storedDescriptionNormalisesFilter()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    ParamDigitalModulation param;
    param.parseText(QStringLiteral("{Measurement:8PSK}{FILTER:%1}").arg(stored), false);
    QCOMPARE(param.filter(), expected);
    QCOMPARE(param.modulation(), QStringLiteral("8PSK"));
}

void tst_ParamDigitalModulation::symbolRateNotBelowClockBecomesAQuarter()
{
    ParamDigitalModulation param;
    param.parseText(QStringLiteral("{MODULATION:QPSK}{CLOCK:1 MHz}{SYMBOLRATE:1 MHz}"), false);
    QCOMPARE(param.value("SYMBOLRATE"), QStringLiteral("250000"));
    param.parseText(QStringLiteral("{CLOCK:3 MHz}{SYMBOLRATE:5 MHz}"), false);
    QCOMPARE(param.value("SYMBOLRATE"), QStringLiteral("750000"));
    param.parseText(QStringLiteral("{CLOCK:10 MHz}{SYMBOLRATE:2 MHz}"), false);
    QCOMPARE(param.value("SYMBOLRATE"), QStringLiteral("2 MHz"));
}

void tst_ParamDigitalModulation::panelValuesSurviveAParseWithoutModulation()
{
    // A handed-over recording's clock is not a stored description: the chosen filter stays.
    ParamDigitalModulation param;
    param.setValue("FILTER", QStringLiteral("Gaussian"));
    param.parseText(QStringLiteral("{Source:Vector Analysis}{CLOCK:8 MHz}{FREQUENCY:2 GHz}"), false);
    QCOMPARE(param.filter(), QStringLiteral("Gaussian"));
    QCOMPARE(param.sampleRate(), 8e6);
}

void tst_ParamDigitalModulation::headerReadingRepairsAndNormalises()
{
    ParamDigitalModulation param;
    const TagScanner header(QByteArray("{TYPE:OWV}{CLOCK:2 MHz}{FREQUENCY:900 MHz}{MODULATION:?/4-DQPSK}"
                                       "{FILTER:r.nyquist}{FPARAMETER:0.3}{WAVEFORM-8:#"));
    QVERIFY(param.prepareFromFile(QStringLiteral("a.owv"), header));
    QCOMPARE(param.modulation(), QStringLiteral("π/4-DQPSK"));
    QCOMPARE(param.filter(), QStringLiteral("Root Nyquist"));
    QCOMPARE(param.filterParameter(), 0.3);
    QCOMPARE(param.sampleRate(), 2e6);
    // The default 1 MHz symbol rate is below 2 MHz and stays.
    QCOMPARE(param.symbolRate(), 1e6);

    // A recording written by vector analysis names only its clock and carrier.
    ParamDigitalModulation other;
    QVERIFY(other.prepareFromFile(QStringLiteral("b.owv"), TagScanner(QByteArray("{CLOCK:1 MHz}{FREQUENCY:1 GHz}"))));
    QCOMPARE(other.symbolRate(), 250e3);
    QCOMPARE(other.modulation(), QStringLiteral("QPSK"));
}

void tst_ParamDigitalModulation::modeTestRefusesOtherModes()
{
    ParamDigitalModulation param;
    QVERIFY(!param.parseText(QStringLiteral("{MODE:VA}{CLOCK:2 MHz}"), true));
    QCOMPARE(param.value("CLOCK"), QStringLiteral("4 MHz"));
    QVERIFY(param.parseText(QStringLiteral("{MODE:DM}{CLOCK:2 MHz}"), true));
    QCOMPARE(param.value("CLOCK"), QStringLiteral("2 MHz"));
}

QTEST_GUILESS_MAIN(tst_ParamDigitalModulation)
#include "tst_ParamDigitalModulation.moc"
