// The ACLR mode as a user reaches it: the menu's "ACLR" entries, a recording opened
// in its panel, the result table and the bands on its spectrum, "Carrier Config"
// through the menu, and a missing library.
#include "AclrTestSignal.h"
#include "CalculateDate.h"
#include "DisplayFrequencyACLR.h"
#include "GuiACLRCustomSetting.h"
#include "GuiACLRMultiSetting.h"
#include "GuiACLRResult.h"
#include "GuiACLRSingleSetting.h"
#include "LayoutFrames.h"
#include "GuiConfigACLR.h"
#include "GuiParserACLR.h"
#include "IOSignal.h"
#include "MainWindow.h"
#include "ModeACLR.h"
#include "ParamACLR.h"
#include "RecordingFile.h"
#include "RebornControllerGraphic.h"
#include "TestEnvironment.h"
#include "VerticalMenu.h"
#include "unitACLRFrequency.h"

#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cmath>

class tst_ACLRMode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void lteRecordingIsMeasuredInTableAndSpectrum();
    void carrierConfigIsChosenInTheMenu();
    void panelChangesReachTheMeasurement();
    void missingLibraryLeavesAnEmptyTableAndSays();

private:
    QString lteRecording();
    ModeACLR *openLte(MainWindow &window);
    TestEnvironment m_env;
    QString m_recording;
};

void tst_ACLRMode::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_env.path()));
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
}

QString tst_ACLRMode::lteRecording()
{
    if (m_recording.isEmpty()) {
        // A 20 MHz LTE-like carrier (18 MHz occupied, -20 dBm, well under the 16-bit full
        // scale of the recording) at 122.88 MHz with -45 dBc in its upper adjacent channel.
        const double mbw = 18e6;
        const IQVector x = AclrTestSignal::bandNoise(1 << 17, 122.88e6,
                                                     {{-mbw / 2, mbw / 2, 0.01}, {20e6 - mbw / 2, 20e6 + mbw / 2, 0.01 * std::pow(10.0, -4.5)}});
        m_recording = writeRecording(m_env, QStringLiteral("lte.owv"), QStringLiteral("122.88 MHz"), QStringLiteral("2.14 GHz"), x);
    }
    return m_recording;
}

ModeACLR *tst_ACLRMode::openLte(MainWindow &window)
{
    window.show();
    window.menu()->setSlideDuration(0);
    window.menu()->clickMenu(QStringLiteral("ACLR"));
    window.menu()->clickMenu(QStringLiteral("G4_ACLR"));
    ModeACLR *aclr = window.modeACLR();
    if (window.currentMode() != aclr)
        QTest::qWait(MainWindow::kModeChangeMs + 100);
    QSignalSpy loaded(aclr->io(), &IOSignal::load);
    aclr->panel()->openSignal(lteRecording());
    loaded.wait(30000);
    // The mode measures 2^16-sample windows from the start.
    QElapsedTimer clock;
    clock.start();
    while (aclr->results().status.samplesMeasured != ModeACLR::kDefaultWindow && clock.elapsed() < 20000)
        QTest::qWait(20);
    return aclr;
}

void tst_ACLRMode::lteRecordingIsMeasuredInTableAndSpectrum()
{
    MainWindow window;
    ModeACLR *aclr = openLte(window);
    QCOMPARE(window.currentMode(), static_cast<ModeAnalysis *>(aclr));
    QCOMPARE(aclr->measurement(), ParamACLR::kLTE);
    QCOMPARE(aclr->findChild<QLabel *>(QStringLiteral("lblMeasurement"))->text(), QStringLiteral("Measurement: 4G LTE ACLR"));

    auto *table = aclr->findChild<GuiACLRResult *>()->table();
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 4, 10000);
    QCOMPARE(table->columnCount(), 7);
    QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("ACP (dBc)"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("ADJ-U"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("20 MHz"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("18 MHz"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("Square"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("CC1"));
    QVERIFY2(std::abs(table->item(1, 5)->text().toDouble() + 45.0) < 0.3, qPrintable(table->item(1, 5)->text()));
    QVERIFY2(std::abs(table->item(1, 6)->text().toDouble() + 65.0) < 0.3, qPrintable(table->item(1, 6)->text()));

    // The spectrum: the trace at 2.14 GHz ± 61.44 MHz and a band per carrier and channel.
    auto *spectrum = aclr->findChild<DisplayFrequencyACLR *>();
    QVERIFY(spectrum);
    QTRY_COMPARE(spectrum->bandCount(), 5);
    QTRY_VERIFY(!spectrum->tracePoints().isEmpty());
    const double unit = aclr->calculate()->unitFactor();
    QVERIFY(std::abs(spectrum->tracePoints().first().x() * unit - (2.14e9 - 61.44e6)) < 1e3);
    QTRY_VERIFY(spectrum->band(0)->isVisible());
    QVERIFY(spectrum->band(0)->label()->text().startsWith(QLatin1String("CC1\n")));
    QVERIFY(spectrum->band(2)->label()->text().startsWith(QLatin1String("ADJ-U\n-4")));
    // CC1 sits over the middle of the plot, ADJ-U to its right.
    QVERIFY(spectrum->band(2)->x() > spectrum->band(0)->x() + spectrum->band(0)->width() - 2);

    QFile log(m_env.filePath(QStringLiteral("logACLR.txt")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readLine().startsWith("122880000 2 1 0 2 10"));
    QVERIFY(window.findChildren<QMessageBox *>().isEmpty());
}

void tst_ACLRMode::carrierConfigIsChosenInTheMenu()
{
    MainWindow window;
    ModeACLR *aclr = openLte(window);
    auto *config = aclr->findChild<GuiConfigACLR *>();
    QTest::mouseClick(config->carrierConfigButton(), Qt::LeftButton);
    QTRY_VERIFY(window.menu()->findChild<QWidget *>(QStringLiteral("Level_ACLRConfig"))->isVisible());
    QVERIFY(window.menu()->button(QStringLiteral("butSingleCarrier"))->isChecked());
    window.menu()->clickMenu(QStringLiteral("butMultiCarrier"));
    QCOMPARE(aclr->carrierConfig(), ParamACLR::kMultiCarrier);
    QTRY_VERIFY(window.menu()->findChild<QWidget *>(QStringLiteral("Level_main"))->isVisible());
    QVERIFY(config->multiSetting()->isVisibleTo(config));
    QVERIFY(!config->singleSetting()->isVisibleTo(config));
    QVERIFY(config->multiSetting()->field(QStringLiteral("OffsetCC2_LTE")));
    // Two carriers: CC1 at the centre and CC2 20 MHz up, as the panel says.
    auto *spectrum = aclr->findChild<DisplayFrequencyACLR *>();
    QTRY_COMPARE(spectrum->bandCount(), 6);
}

void tst_ACLRMode::panelChangesReachTheMeasurement()
{
    MainWindow window;
    ModeACLR *aclr = openLte(window);
    auto *table = aclr->findChild<GuiACLRResult *>()->table();
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 4, 10000);
    auto *config = aclr->findChild<GuiConfigACLR *>();
    // Custom channels: 12 MHz wide, 15 and 30 MHz away.
    QTest::mouseClick(config->customButton(), Qt::LeftButton);
    for (const auto &entry : {qMakePair(QStringLiteral("OffsetCh1"), QStringLiteral("15 MHz")),
                              qMakePair(QStringLiteral("BandwidthCh1"), QStringLiteral("12 MHz")),
                              qMakePair(QStringLiteral("OffsetCh2"), QStringLiteral("30 MHz")),
                              qMakePair(QStringLiteral("BandwidthCh2"), QStringLiteral("12 MHz"))}) {
        auto *edit = qobject_cast<QLineEdit *>(config->customSetting()->field(entry.first));
        QVERIFY(edit);
        edit->setText(entry.second);
        emit edit->editingFinished();
    }
    QTRY_COMPARE_WITH_TIMEOUT(table->item(1, 2)->text(), QStringLiteral("12 MHz"), 10000);
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("15 MHz"));
    // A text that is no number is refused and the last good one stays.
    auto *edit = qobject_cast<QLineEdit *>(config->customSetting()->field(QStringLiteral("OffsetCh1")));
    edit->setText(QStringLiteral("wide"));
    emit edit->editingFinished();
    QCOMPARE(edit->text(), QStringLiteral("15 MHz"));
    QCOMPARE(static_cast<ParamACLR *>(aclr->hub()->param())->item(QStringLiteral("OffsetCh1")), QStringLiteral("15 MHz"));
}

void tst_ACLRMode::missingLibraryLeavesAnEmptyTableAndSays()
{
    ACLRLibrary::setDefaultFolder(m_env.path());
    MainWindow window;
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
    ModeACLR *aclr = openLte(window);
    auto *status = aclr->findChild<QLabel *>(QStringLiteral("lblACLRStatus"));
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QLatin1String("aclr_core")), 10000);
    QCOMPARE(aclr->findChild<GuiACLRResult *>()->table()->rowCount(), 0);
    QCOMPARE(aclr->findChild<DisplayFrequencyACLR *>()->bandCount(), 0);
    QVERIFY(window.findChildren<QMessageBox *>().isEmpty());
}

QTEST_MAIN(tst_ACLRMode)
#include "tst_ACLRMode.moc"
