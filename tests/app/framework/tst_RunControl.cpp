#include "GuiSelectGrid.h"
#include "PluralRule.h"
#include "RebornControllerGraphic.h"

#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

class tst_RunControl : public QObject
{
    Q_OBJECT
private slots:
    void russianPluralForms_data();
    void russianPluralForms();
    void unitWordsFollowTheLanguage();
    void windowLengthIsSentAndBounded();
    void fpsReadoutAndButtons();
    void gridFromTextAndPicker();
};

void tst_RunControl::russianPluralForms_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("word");
    const QVector<QPair<int, const char *>> rows{{1, "точка"},  {2, "точки"},  {5, "точек"},  {11, "точек"},
                                                 {12, "точек"}, {21, "точка"}, {22, "точки"}, {25, "точек"},
                                                 {111, "точек"}, {104, "точки"}, {0, "точек"}};
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::number(row.first))) << row.first << QString::fromUtf8(row.second);
}

void tst_RunControl::russianPluralForms()
{
    QFETCH(int, n);
    QFETCH(QString, word);
    QCOMPARE(PluralRule::russian(n, QStringLiteral("точка"), QStringLiteral("точки"), QStringLiteral("точек")), word);
}

void tst_RunControl::unitWordsFollowTheLanguage()
{
    RebornControllerGraphic bar;
    QCOMPARE(bar.unitWord(1), QStringLiteral("points"));
    bar.setRussian(true);
    bar.setUnit(RebornControllerGraphic::Symbols);
    QCOMPARE(bar.unitWord(21), QStringLiteral("символ"));
    QCOMPARE(bar.unitWord(3), QStringLiteral("символа"));
    bar.setUnit(RebornControllerGraphic::Subframes);
    QCOMPARE(bar.unitWord(111), QStringLiteral("подкадров"));
    GuiSelectGrid grid;
    grid.setRussian(true);
    QCOMPARE(grid.sizeText(2, 1), QStringLiteral("2 строки \u00D7 1 столбец"));
    QCOMPARE(grid.sizeText(1, 3), QStringLiteral("1 строка \u00D7 3 столбца"));
    grid.setRussian(false);
    QCOMPARE(grid.sizeText(2, 1), QStringLiteral("2 rows \u00D7 1 column"));
    QCOMPARE(grid.sizeText(1, 3), QStringLiteral("1 row \u00D7 3 columns"));
}

void tst_RunControl::windowLengthIsSentAndBounded()
{
    RebornControllerGraphic bar;
    QSignalSpy spy(&bar, &RebornControllerGraphic::signalSendSamples);
    auto *spin = bar.findChild<QSpinBox *>(QStringLiteral("spinSamples"));
    QVERIFY(spin);
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 999999);
    spin->setValue(4096);
    QCOMPARE(spy.last().first().toInt(), 4096);
    bar.setSamples(100);  // set from outside: shown, not sent back
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bar.samples(), 100);
    bar.setMaxPoints(5000000);
    QCOMPARE(spin->maximum(), 999999);
}

void tst_RunControl::fpsReadoutAndButtons()
{
    RebornControllerGraphic bar;
    bar.setFPS(42);
    QCOMPARE(bar.fpsText(), QStringLiteral("42 FPS"));
    QSignalSpy runSpy(&bar, &RebornControllerGraphic::runCont);
    QSignalSpy stopSpy(&bar, &RebornControllerGraphic::stopRun);
    QSignalSpy stopReadSpy(&bar, &RebornControllerGraphic::stopRead);
    QSignalSpy fasterSpy(&bar, &RebornControllerGraphic::increaseFPS);
    bar.findChild<QToolButton *>(QStringLiteral("butRunCont"))->click();
    bar.findChild<QToolButton *>(QStringLiteral("butIncreaseFPS"))->click();
    bar.findChild<QToolButton *>(QStringLiteral("butStop"))->click();
    QCOMPARE(runSpy.count(), 1);
    QCOMPARE(fasterSpy.count(), 1);
    QCOMPARE(stopSpy.count(), 1);
    QCOMPARE(stopReadSpy.count(), 0);  // nothing was being read
    bar.findChild<QToolButton *>(QStringLiteral("butRunRead"))->click();
    bar.findChild<QToolButton *>(QStringLiteral("butStop"))->click();
    QCOMPARE(stopReadSpy.count(), 1);
    bar.unlockPlay(false);
    QVERIFY(!bar.findChild<QToolButton *>(QStringLiteral("butRunCont"))->isEnabled());
}

void tst_RunControl::gridFromTextAndPicker()
{
    RebornControllerGraphic bar;
    QSignalSpy spy(&bar, &RebornControllerGraphic::signalSetGrid);
    bar.setGrid(QStringLiteral("{GRID:Distribution(2,1) Spectrum(1,1) Power(1,1) I_Time(1,1)}"));
    QCOMPARE(spy.count(), 0);  // taken from a text, not sent back
    auto *picker = bar.findChild<GuiSelectGrid *>();
    QVERIFY(picker);
    QCOMPARE(picker->rows(), 2);
    QCOMPARE(picker->columns(), 2);
    bar.setGrig(3, 2);
    QCOMPARE(spy.last(), (QList<QVariant>{3, 2}));
    QVERIFY(picker->findChild<QWidget *>(QStringLiteral("wgt44")));
}

QTEST_MAIN(tst_RunControl)
#include "tst_RunControl.moc"
