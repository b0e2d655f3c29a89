#include "GuiAnalysisSetting.h"
#include "GuiParserVecAnalysis.h"
#include "GuiSourceSetting.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "UnitLineEdit.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QtTest>

class tst_Panels : public QObject
{
    Q_OBJECT
private slots:
    void panelStartsWithTheDefaultTexts();
    void panelAndParameterSetExchangeBothGroups();
    void refusedTextKeepsTheLastGoodValue_data();
    void refusedTextKeepsTheLastGoodValue();
    void rateAndCarrierEditsAreAnnounced();
    void openingShowsProgressUntilLoadedOrStopped();
};

void tst_Panels::panelStartsWithTheDefaultTexts()
{
    GuiSourceSetting source;
    const auto values = source.values();
    QCOMPARE(values.value(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
    QCOMPARE(values.value(QStringLiteral("FREQUENCY")), QStringLiteral("0 GHz"));
    QCOMPARE(values.value(QStringLiteral("POWER")), QStringLiteral("0 dBm"));
    // Every field is captioned.
    auto *form = qobject_cast<QFormLayout *>(source.layout());
    auto *field = source.findChild<UnitLineEdit *>(QStringLiteral("sourceSet_InputSampleRate"));
    auto *caption = qobject_cast<QLabel *>(form->labelForField(field));
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("Sample Rate"));
    GuiAnalysisSetting analysis;
    auto *decimation = analysis.findChild<QSpinBox *>(QStringLiteral("analysisSet_SpinDecimation"));
    caption = qobject_cast<QLabel *>(qobject_cast<QFormLayout *>(analysis.layout())->labelForField(decimation));
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("Decimation"));
}

void tst_Panels::panelAndParameterSetExchangeBothGroups()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    auto *param = static_cast<ParamVectorAnalysis *>(hub.param());
    param->parseText(QStringLiteral("{CLOCK:2 MHz}{FREQUENCY:1 GHz}{Decimation:4}{Freq:125 kHz}"), false);
    GuiParserVecAnalysis panel;
    panel.setManagerSignal(&hub);
    QCOMPARE(panel.sourceSetting()->values().value(QStringLiteral("CLOCK")), QStringLiteral("2 MHz"));
    QCOMPARE(panel.analysisSetting()->values().value(QStringLiteral("Decimation")), QStringLiteral("4"));

    QSignalSpy changed(&panel, &GuiParserSignal::signalChangeParams);
    auto *shift = panel.findChild<UnitLineEdit *>(QStringLiteral("analysisSet_InputFreq"));
    shift->setText(QStringLiteral("-250 kHz"));
    emit shift->editingFinished();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(param->analysisValue(QStringLiteral("Freq")), QStringLiteral("-250 kHz"));
    QCOMPARE(param->sourceValue(QStringLiteral("CLOCK")), QStringLiteral("2 MHz"));
    panel.findChild<QSpinBox *>(QStringLiteral("analysisSet_SpinDecimation"))->setValue(8);
    QCOMPARE(param->analysisValue(QStringLiteral("Decimation")), QStringLiteral("8"));
}

void tst_Panels::refusedTextKeepsTheLastGoodValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("words") << "fast";
    QTest::newRow("negative rate") << "-5 MHz";
    QTest::newRow("absurd rate") << "1e30 Hz";
    QTest::newRow("two numbers") << "1 2 MHz";
    QTest::newRow("empty") << "";
}

void tst_Panels::refusedTextKeepsTheLastGoodValue()
{
    QFETCH(QString, text);
    GuiSourceSetting source;
    QSignalSpy rate(&source, &GuiSourceSetting::sendSampleRate);
    auto *field = source.findChild<UnitLineEdit *>(QStringLiteral("sourceSet_InputSampleRate"));
    field->setText(text);
    emit field->editingFinished();
    QCOMPARE(rate.count(), 0);
    QCOMPARE(source.values().value(QStringLiteral("CLOCK")), QStringLiteral("1 MHz"));
    QVERIFY(!field->toolTip().isEmpty());
}

void tst_Panels::rateAndCarrierEditsAreAnnounced()
{
    GuiParserVecAnalysis panel;
    QSignalSpy rate(&panel, &GuiParserVecAnalysis::sendSampleRate);
    QSignalSpy carrier(&panel, &GuiParserVecAnalysis::sendCarrierFreq);
    auto *field = panel.findChild<UnitLineEdit *>(QStringLiteral("sourceSet_InputSampleRate"));
    field->setText(QStringLiteral("2.5 kHz"));
    emit field->editingFinished();
    QCOMPARE(rate.last().first().toDouble(), 2500.0);
    field = panel.findChild<UnitLineEdit *>(QStringLiteral("sourceSet_InputCarrier"));
    field->setText(QStringLiteral("2.4 GHz"));
    emit field->editingFinished();
    QCOMPARE(carrier.last().first().toDouble(), 2.4e9);
}

void tst_Panels::openingShowsProgressUntilLoadedOrStopped()
{
    GuiParserVecAnalysis panel;
    QSignalSpy open(&panel, &GuiParserSignal::openFile);
    panel.openSignal(QStringLiteral("/data/a.owv"));
    QCOMPARE(open.last().first().toString(), QStringLiteral("/data/a.owv"));
    QVERIFY(panel.isLoading());
    panel.setProgress(40);
    QCOMPARE(panel.findChild<QProgressBar *>()->value(), 40);
    panel.slotLoadStopped();
    QVERIFY(!panel.isLoading());
    panel.openSignal(QStringLiteral("/data/b.owv"));
    panel.slotLoadFile();
    QVERIFY(!panel.isLoading());
}

QTEST_MAIN(tst_Panels)
#include "tst_Panels.moc"
