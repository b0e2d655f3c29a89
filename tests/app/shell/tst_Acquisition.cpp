// Live acquisition as a user reaches it: the vector-analysis panel's source set to
// the signal analyser, Connect, a row of the "Device List", run, the reference level
// and carrier edited in the panel, "Overload!" on the plots, disconnect and reconnect.
#include "CalculateDate.h"
#include "Device.h"
#include "DeviceSignal.h"
#include "GuiDeviceInfo.h"
#include "MainWindow.h"
#include "ModeVecAnalysis.h"
#include "OpenThroughPanel.h"
#include "ParamVectorAnalysis.h"
#include "ProfileStore.h"
#include "RecordingFile.h"
#include "ShellResources.h"
#include "TestEnvironment.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int kWaitMs = 15000;

void enter(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void enter(QSpinBox *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

bool isOverloadShown(QWidget *mode)
{
    for (QLabel *label : mode->findChildren<QLabel *>()) {
        if (label->text() == QStringLiteral("Overload!") && label->isVisible())
            return true;
    }
    return false;
}
}  // namespace

class tst_Acquisition : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

    // Connect in the panel, then click the simulator's row of the list.
    void connectThroughTheList(MainWindow &window, ModeVecAnalysis *va)
    {
        QTest::mouseClick(va->findChild<QPushButton *>(QStringLiteral("sourceSet_ButConnect")), Qt::LeftButton);
        GuiDeviceInfo *list = window.device()->deviceInfo();
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible() && list->rowCount() >= 1, kWaitMs);
        QCOMPARE(list->windowTitle(), QStringLiteral("Device List"));
        QCOMPARE(list->cellText(0, 0), QStringLiteral("SIM-SA"));
        QCOMPARE(list->cellText(0, 1), QStringLiteral("0001"));
        auto *table = list->findChild<QTableWidget *>();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
        QTRY_COMPARE_WITH_TIMEOUT(va->findChild<QLabel *>(QStringLiteral("sourceSet_LblState"))->text(),
                                  QStringLiteral("Connected"), kWaitMs);
        QVERIFY(!list->isVisible());
    }

private slots:
    void initTestCase()
    {
        ShellResources::init();
        ProfileStore::setBaseFolder(m_env.filePath(QStringLiteral("documents")));
    }

    void acquiresLiveFromTheSimulatedAnalyser()
    {
        MainWindow window;
        window.resize(1600, 900);
        window.show();
        ModeVecAnalysis *va = window.modeVecAnalysis();
        QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(va));
        QVERIFY2(window.device()->canAcquire(), qPrintable(window.device()->device()->libraryError()));
        auto *read = va->findChild<QToolButton *>(QStringLiteral("butRunRead"));
        QVERIFY(!read->isVisible());

        auto *source = va->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource"));
        QVERIFY(source->isVisible());
        QTest::keyClick(source, Qt::Key_Down);
        QCOMPARE(source->currentText(), QStringLiteral("Signal Analyzer"));
        QVERIFY(read->isVisible());
        QCOMPARE(va->findChild<QLabel *>(QStringLiteral("sourceSet_LblDevice"))->text(), QStringLiteral("Disconnected"));
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputCarrier")), QStringLiteral("1 GHz"));

        connectThroughTheList(window, va);
        QCOMPARE(va->findChild<QLabel *>(QStringLiteral("sourceSet_LblDevice"))->text(), QStringLiteral("SIM-SA 0001"));
        QTRY_COMPARE(window.windowTitle(), QStringLiteral("Orvane Tarnwick Studio  [SIM-SA 0001]"));
        // The first block comes at once and fills the window.
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->sourceSignal(0).size(), 10000, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(va->calculate()->carrierFreq(), 1e9, kWaitMs);

        // Stopped but connected, the plots still follow an edited setting with a fresh block.
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputCarrier")), QStringLiteral("1.0001 GHz"));
        QTRY_COMPARE_WITH_TIMEOUT(va->calculate()->carrierFreq(), 1.0001e9, kWaitMs);
        enter(va->findChild<QSpinBox *>(QStringLiteral("sourceSet_InputPoints")), QStringLiteral("4000"));
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->sourceSignal(0).size(), 4000, kWaitMs);
        enter(va->findChild<QSpinBox *>(QStringLiteral("sourceSet_InputPoints")), QStringLiteral("10000"));
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->sourceSignal(0).size(), 10000, kWaitMs);
        QVERIFY(!va->hub()->isRun());

        // Run: block after block.
        QSignalSpy frames(va->hub(), &ManagerSignal::sendNewSelected);
        QTest::mouseClick(va->findChild<QToolButton *>(QStringLiteral("butRunCont")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, kWaitMs);
        QVERIFY(!isOverloadShown(va));

        // The carrier follows the panel, and a level below the scene's peak overloads.
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputCarrier")), QStringLiteral("1.0003 GHz"));
        QTRY_COMPARE_WITH_TIMEOUT(va->calculate()->carrierFreq(), 1.0003e9, kWaitMs);
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputRefLevel")), QStringLiteral("-40 dBm"));
        QTRY_VERIFY_WITH_TIMEOUT(isOverloadShown(va), kWaitMs);
        // Outside the instrument's range the field refuses the level.
        auto *level = va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputRefLevel"));
        enter(level, QStringLiteral("45 dBm"));
        QVERIFY(!level->styleSheet().isEmpty());
        enter(level, QStringLiteral("0 dBm"));
        QTRY_VERIFY_WITH_TIMEOUT(!isOverloadShown(va), kWaitMs);
        QCOMPARE(window.device()->device()->currentParams().refLevel, 0.0);

        // Disconnect stops the run; connecting again starts from the list.
        QTest::mouseClick(va->findChild<QPushButton *>(QStringLiteral("sourceSet_ButDisconnect")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(va->findChild<QLabel *>(QStringLiteral("sourceSet_LblDevice"))->text(),
                                  QStringLiteral("Disconnected"), kWaitMs);
        QTRY_VERIFY(!va->hub()->isRun());
        connectThroughTheList(window, va);
        QTRY_VERIFY(va->hub()->isDeviceConnected());

        // The profile keeps the instrument's settings and the source.
        window.saveProfile(m_env.filePath(QStringLiteral("live.xml")));
        ProfileStore store;
        store.load(m_env.filePath(QStringLiteral("live.xml")));
        QCOMPARE(store.deviceText().split(QLatin1Char(' ')).mid(0, 5),
                 QStringList({QStringLiteral("1000300000"), QStringLiteral("1000000"), QStringLiteral("0"),
                              QStringLiteral("1"), QStringLiteral("10000")}));
    }

    // A profile saved while the analyser fills the hub still brings the remembered
    // recording back at the rates of its own header, not at the instrument's.
    void profileKeepsTheRecordingsRatesBesideTheInstrument()
    {
        const QString path = writeRecording(m_env, QStringLiteral("taken.owv"), QStringLiteral("1 MHz"),
                                            QStringLiteral("1 GHz"), IQVector(5000, IQ(0.1, 0.0)));
        QVERIFY(!path.isEmpty());
        MainWindow window;
        window.resize(1600, 900);
        window.show();
        ModeVecAnalysis *va = window.modeVecAnalysis();
        QTRY_COMPARE(window.currentMode(), static_cast<ModeAnalysis *>(va));
        QVERIFY(openThroughThePanel(*va, path));
        QTest::keyClick(va->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource")), Qt::Key_Down);
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputSampleRate")), QStringLiteral("2 MHz"));
        enter(va->findChild<QLineEdit *>(QStringLiteral("sourceSet_InputCarrier")), QStringLiteral("1.0002 GHz"));
        connectThroughTheList(window, va);
        QTRY_COMPARE_WITH_TIMEOUT(va->hub()->sourceSignal(0).size(), 10000, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(va->calculate()->carrierFreq(), 1.0002e9, kWaitMs);

        window.saveProfile(m_env.filePath(QStringLiteral("mixed.xml")));
        ProfileStore store;
        QCOMPARE(store.load(m_env.filePath(QStringLiteral("mixed.xml"))), ProfileStore::Loaded);
        ModeVecAnalysis restored;
        QSignalSpy delivered(restored.hub(), &ManagerSignal::sendNewSourceSignal);
        QVERIFY(restored.restoreProfile(store.modeText(restored.mode())));
        QVERIFY(delivered.wait(kWaitMs));
        QCOMPARE(restored.hub()->sourceSignal(0).size(), 5000);
        const auto *param = static_cast<const ParamVectorAnalysis *>(restored.hub()->param());
        QCOMPARE(param->sourceSampleRate(), 1e6);
        QCOMPARE(param->sourceFrequency(), 1e9);
    }

    // Closing the program while blocks stream in: the acquisition thread ends before
    // the hubs it delivers to (a sanitizer build reports any late delivery).
    void closesWhileAcquiring()
    {
        auto *window = new MainWindow;
        window->resize(1600, 900);
        window->show();
        ModeVecAnalysis *va = window->modeVecAnalysis();
        QTRY_COMPARE(window->currentMode(), static_cast<ModeAnalysis *>(va));
        QTest::keyClick(va->findChild<QComboBox *>(QStringLiteral("sourceSet_ComboSource")), Qt::Key_Down);
        connectThroughTheList(*window, va);
        QSignalSpy frames(va->hub(), &ManagerSignal::sendNewSelected);
        QTest::mouseClick(va->findChild<QToolButton *>(QStringLiteral("butRunCont")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, kWaitMs);
        QVERIFY(window->device()->device()->isRunning());
        window->close();
        delete window;
    }
};

QTEST_MAIN(tst_Acquisition)
#include "tst_Acquisition.moc"
