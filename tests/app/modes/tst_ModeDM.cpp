// The digital-modulation mode as a user drives it: a recording opened through the
// panel, the scheme, filter and symbol rate chosen there, the run bar counting symbols,
// play walking the recording, and the receiver's figures on the panel.
#include "CalculateDate.h"
#include "DisplayGraphicSignal.h"
#include "FSK_IQ_Table.h"
#include "Graphic.h"
#include "IQ_Table.h"
#include "UserFilter.h"
#include "DmTestSignal.h"
#include "GuiParserDM.h"
#include "LayoutFrames.h"
#include "ManagerSignal.h"
#include "ModeDM.h"
#include "ParamDigitalModulation.h"
#include "ParserDigitalModulation.h"
#include "RebornControllerGraphic.h"
#include "RecordingFile.h"
#include "SelectionBarView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {
// 16-bit recordings hold values up to full scale: the peak goes a little below it.
void normalisePeak(QVector<std::complex<double>> &iq)
{
    double peak = 0.0;
    for (const auto &x : iq)
        peak = std::max({peak, std::abs(x.real()), std::abs(x.imag())});
    for (auto &x : iq)
        x *= 0.9 / peak;
}
constexpr int kLoadMs = 10000;

QString binFolder()
{
    return qEnvironmentVariable("TW_TEST_BIN_DIR", QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin"));
}

// A 16QAM recording, root-raised-cosine α 0.35, 8 samples per symbol at 8 MHz, 30 dB SNR.
QString writeQam16(const TestEnvironment &env)
{
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QAM16");
    signal.samplesPerSymbol = 8.0;
    signal.rollOff = 0.35;
    signal.symbols = 4000;
    signal.impairments.snrDb = 30.0;
    signal.impairments.phase = 0.6;
    signal.generate();
    normalisePeak(signal.iq);
    return writeRecording(env, QStringLiteral("qam16.owv"), QStringLiteral("8 MHz"), QStringLiteral("2 GHz"), signal.iq);
}

template <typename W>
W *child(QWidget *parent, const char *name)
{
    W *found = parent->findChild<W *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

void choose(QComboBox *combo, const QString &data)
{
    combo->setCurrentIndex(combo->findData(data));
}
}  // namespace

class tst_ModeDM : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void panelSettingsDemodulateTheRecording();
    void playWalksTheRecordingInSymbols();
    void codingFollowsTheSchemeAndTablesFollowTheChoice();
    void profileKeepsTheModulation();
    void missingLibraryIsSaidPlainly();

private:
    bool open(ModeDM &mode, const QString &path);
    void setUpQam16(ModeDM &mode);

    TestEnvironment m_env;
    QString m_qam16;
};

void tst_ModeDM::initTestCase()
{
    ParserDigitalModulation::setLibraryFolder(binFolder());
    m_qam16 = writeQam16(m_env);
    QVERIFY(!m_qam16.isEmpty());
}

bool tst_ModeDM::open(ModeDM &mode, const QString &path)
{
    QSignalSpy loaded(mode.io(), &IOSignal::load);
    mode.panel()->openSignal(path);
    return loaded.wait(kLoadMs);
}

void tst_ModeDM::setUpQam16(ModeDM &mode)
{
    GuiParserDM *panel = mode.dmPanel();
    choose(child<QComboBox>(panel, "dmSet_ComboModulation"), QStringLiteral("QAM16"));
    choose(child<QComboBox>(panel, "dmSet_ComboFilter"), QStringLiteral("Root Nyquist"));
    child<QDoubleSpinBox>(panel, "dmSet_SpinFilterParameter")->setValue(0.35);
    auto *rate = child<QLineEdit>(panel, "dmSet_InputSymbolRate");
    rate->setFocus();
    rate->selectAll();
    QTest::keyClicks(rate, QStringLiteral("1 MHz"));
    QTest::keyClick(rate, Qt::Key_Return);
}

void tst_ModeDM::panelSettingsDemodulateTheRecording()
{
    ModeDM mode;
    mode.resize(1400, 900);
    mode.show();
    QVERIFY2(mode.dmPanel()->noticeText().isEmpty(), qPrintable(mode.dmPanel()->noticeText()));
    QVERIFY(mode.frames()->setGrid(QStringLiteral("{GRID:Distribution(1,1) I_Time(1,1) Spectrum(1,1)}")));
    QVERIFY(open(mode, m_qam16));
    // The header's 8 MHz clock; the default symbol rate is kept below it.
    QCOMPARE(mode.dmParam()->sampleRate(), 8e6);
    QSignalSpy data(mode.dmEngine(), &ParserDigitalModulation::sendData);
    setUpQam16(mode);
    QCOMPARE(mode.dmParam()->modulation(), QStringLiteral("QAM16"));
    QCOMPARE(mode.dmParam()->filter(), QStringLiteral("Root Nyquist"));
    QCOMPARE(mode.dmParam()->symbolRate(), 1e6);
    // The last frame analysed carries the settings made last.
    QTRY_VERIFY_WITH_TIMEOUT(!data.isEmpty() && std::abs(data.last().first().value<DataAnalysis>().symbolRate - 1e6) < 100,
                             kLoadMs);
    QTest::qWait(200);
    const DataAnalysis d = data.last().first().value<DataAnalysis>();
    QVERIFY2(std::abs(20.0 * std::log10(d.evm / 100.0) + 30.0) < 0.5, qPrintable(QString::number(d.evm)));
    QTRY_VERIFY(mode.dmPanel()->statusText().startsWith(QLatin1String("EVM ")));
    // The views show the corrected frame: 2000 symbols at the library's 8 samples per symbol.
    QCOMPARE(mode.viewLength(), 2000);
    QCOMPARE(mode.hub()->selection(1).size(), 2000 * 8);
    QCOMPARE(mode.calculate()->samplesPerSymbol(), 8);
    auto *view = mode.findChild<DisplayGraphicSignal *>();
    QVERIFY(view);
    QTRY_COMPARE(view->axisX()->titleText(), QStringLiteral("Symbols"));
}

void tst_ModeDM::playWalksTheRecordingInSymbols()
{
    ModeDM mode;
    mode.resize(1400, 900);
    mode.show();
    QVERIFY(open(mode, m_qam16));
    setUpQam16(mode);
    RebornControllerGraphic *bar = mode.control();
    QCOMPARE(bar->unitWord(500), QStringLiteral("symbols"));
    // The run bar offers no more symbols than the recording holds.
    const int max = mode.dmEngine()->maxSymbols();
    QVERIFY2(max > 3500 && max < 4000, qPrintable(QString::number(max)));
    auto *spin = child<QSpinBox>(bar, "spinSamples");
    QVERIFY(spin);
    QTRY_COMPARE(spin->maximum(), max);
    emit bar->signalSendSamples(max + 1000);
    QCOMPARE(mode.viewLength(), max);
    emit bar->signalSendSamples(300);
    QCOMPARE(mode.viewLength(), 300);

    QVector<int> starts;
    connect(mode.hub(), &ManagerSignal::sendNewSelected, this,
            [&] { starts.append(mode.hub()->selection(1).startIndex); });
    QSignalSpy errors(mode.dmEngine(), &ParserSignal::sendError);
    child<QToolButton>(bar, "butRunCont")->click();
    QTRY_VERIFY_WITH_TIMEOUT(starts.size() >= 6, kLoadMs);
    child<QToolButton>(bar, "butStop")->click();
    // Each frame starts one play step further into the recording.
    QVERIFY(starts.at(5) > starts.at(1));
    QCOMPARE(errors.count(), 0);
    auto *selectionBar = mode.findChild<SelectionBarView *>();
    const int length = mode.dmEngine()->frameLength();
    QVERIFY(length > 300 * 8);
    QTRY_VERIFY(selectionBar->readout().contains(QStringLiteral("Width %1 ").arg(length)));
}

void tst_ModeDM::codingFollowsTheSchemeAndTablesFollowTheChoice()
{
    ModeDM mode;
    mode.show();
    GuiParserDM *panel = mode.dmPanel();
    auto *modulation = child<QComboBox>(panel, "dmSet_ComboModulation");
    auto *coding = child<QComboBox>(panel, "dmSet_ComboCoding");
    choose(modulation, QStringLiteral("π/4-DQPSK"));
    QCOMPARE(coding->count(), 7);
    QCOMPARE(coding->itemText(6), QStringLiteral("TFTS"));
    coding->setCurrentIndex(coding->findText(QStringLiteral("NADC")));
    QCOMPARE(mode.dmParam()->value(QStringLiteral("CODING")), QStringLiteral("NADC"));
    choose(modulation, QStringLiteral("8PSK EDGE"));
    QCOMPARE(coding->count(), 1);
    QVERIFY(!panel->userTable()->isVisible() && !panel->fskTable()->isVisible());
    QVERIFY(panel->userTableNoticeText().isEmpty());
    // The library is given names only: beside each user editor the panel says what
    // the demodulator uses instead of its content.
    choose(modulation, QStringLiteral("QAM User"));
    QVERIFY(panel->userTable()->isVisible());
    QVERIFY2(panel->userTableNoticeText().contains(QStringLiteral("built-in eight points")),
             qPrintable(panel->userTableNoticeText()));
    choose(modulation, QStringLiteral("FSK User"));
    QVERIFY(panel->fskTable()->isVisible() && !panel->userTable()->isVisible());
    QVERIFY2(panel->userTableNoticeText().contains(QStringLiteral("FSK User")), qPrintable(panel->userTableNoticeText()));
    QVERIFY(panel->userFilterNoticeText().isEmpty());
    mode.setFilter(QStringLiteral("User"));
    QVERIFY(panel->userFilter()->isVisible());
    QVERIFY2(panel->userFilterNoticeText().contains(QStringLiteral("lowpass")), qPrintable(panel->userFilterNoticeText()));
    // The menu's name of the root-raised-cosine is the stored one in the set.
    mode.setFilter(QStringLiteral("R.Nyquist"));
    QCOMPARE(mode.dmParam()->filter(), QStringLiteral("Root Nyquist"));
    QVERIFY(!panel->userFilter()->isVisible());
    QVERIFY(panel->userFilterNoticeText().isEmpty());
    // A family from the menu keeps a member and picks the family's first choice otherwise.
    QSignalSpy level(&mode, &ModeDM::sendOpenMenuLevel);
    mode.setModulation(QStringLiteral("Level_QAM"));
    QCOMPARE(mode.modulation(), QStringLiteral("QAM16"));
    QCOMPARE(level.last().first().toString(), QStringLiteral("Level_QAM"));
    mode.setModulation(QStringLiteral("QAM256"));
    mode.setModulation(QStringLiteral("Level_QAM"));
    QCOMPARE(mode.modulation(), QStringLiteral("QAM256"));
    child<QToolButton>(panel, "dmSet_ButFilterMenu")->click();
    QCOMPARE(level.last().first().toString(), QStringLiteral("Level_filter"));
}

void tst_ModeDM::profileKeepsTheModulation()
{
    ModeDM mode;
    mode.setModulation(QStringLiteral("π/8-D8PSK"));
    const QString text = mode.profileText();
    QVERIFY2(text.contains(QStringLiteral("{Measurement:π/8-D8PSK}")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("{GRID:")));
    QVERIFY(mode.defaultProfileText().endsWith(QStringLiteral("{Measurement:QPSK}")));

    ModeDM restored;
    QVERIFY(restored.restoreProfile(QStringLiteral("{PathSignal:}{LengthView:1 200}{FILTER:Gaussian}{Measurement:QAM64}")));
    QCOMPARE(restored.modulation(), QStringLiteral("QAM64"));
    QCOMPARE(child<QComboBox>(restored.dmPanel(), "dmSet_ComboModulation")->currentData().toString(),
             QStringLiteral("QAM64"));
    QCOMPARE(restored.dmParam()->filter(), QStringLiteral("None"));
    QCOMPARE(restored.viewLength(), 1200);
}

void tst_ModeDM::missingLibraryIsSaidPlainly()
{
    ParserDigitalModulation::setLibraryFolder(m_env.filePath(QStringLiteral("nowhere")));
    ModeDM mode;
    ParserDigitalModulation::setLibraryFolder(binFolder());
    mode.show();
    auto *notice = child<QLabel>(mode.dmPanel(), "lblDemodulationUnavailable");
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().startsWith(QLatin1String("Demodulation is unavailable")));
    // The recording still opens and plays its frames, empty, without a complaint per frame.
    QSignalSpy errors(mode.dmEngine(), &ParserSignal::sendError);
    QVERIFY(open(mode, m_qam16));
    child<QToolButton>(mode.control(), "butRunSingle")->click();
    QTest::qWait(300);
    QCOMPARE(errors.count(), 0);
}

QTEST_MAIN(tst_ModeDM)
#include "tst_ModeDM.moc"
