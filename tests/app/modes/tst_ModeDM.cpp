// The digital-modulation mode as a user drives it: a recording opened through the
// panel, the scheme, filter and symbol rate chosen there, the run bar counting symbols,
// play walking the recording, and the receiver's figures on the panel.
#include "CalculateDate.h"
#include "DisplayConstellationDiagramm.h"
#include "DisplayEvm.h"
#include "DisplayGraphicSignal.h"
#include "FSK_IQ_Table.h"
#include "Graphic.h"
#include "IQ_Table.h"
#include "UserFilter.h"
#include "DmTestSignal.h"
#include "GuiErrorData.h"
#include "GuiParserDM.h"
#include "GuiSymbolData.h"
#include "LayoutFrames.h"
#include "ManagerSignal.h"
#include "ModeDM.h"
#include "ParamDigitalModulation.h"
#include "ParserDigitalModulation.h"
#include "RebornControllerGraphic.h"
#include "RecordingFile.h"
#include "SelectionBarView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {
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
    signal.normalisePeak();
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

QVector<QPointF> pointsOf(QXYSeries *series)
{
    return series->pointsVector();
}

// Opens the widget's context menu and picks its first entry, as a user would.
void pickFirstMenuEntry(QWidget *widget)
{
    QTimer::singleShot(200, widget, [] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
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
    void resultViewsFollowPlay();
    void spectrumRunsAtTheCorrectedSignalsRate();

private:
    bool open(ModeDM &mode, const QString &path);
    void setUpQam16(ModeDM &mode);
    // The scheme, root-raised-cosine 0.35 and 1 MHz chosen in the panel.
    void setUpScheme(ModeDM &mode, const QString &modulation);

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
    setUpScheme(mode, QStringLiteral("QAM16"));
}

void tst_ModeDM::setUpScheme(ModeDM &mode, const QString &modulation)
{
    GuiParserDM *panel = mode.dmPanel();
    choose(child<QComboBox>(panel, "dmSet_ComboModulation"), modulation);
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

void tst_ModeDM::resultViewsFollowPlay()
{
    ModeDM mode;
    mode.resize(1600, 1000);
    mode.show();
    // The default grid with the constellation and the error vector beside it.
    QVERIFY(mode.frames()->setGrid(QStringLiteral(
        "{GRID:Distribution(3,3) Spectrum(1,1) Error_Summary_Data(1,1) Vector_Diagram(1,1) Symbol_Data(1,1) "
        "Constellation_Diagram(1,1) Error_Vector_Time(1,1)}")));
    QVERIFY(open(mode, m_qam16));
    setUpQam16(mode);
    auto *summary = mode.findChild<GuiErrorData *>();
    auto *symbolTable = mode.findChild<GuiSymbolData *>();
    auto *constellation = mode.findChild<DisplayConstellationDiagramm *>();
    auto *evmView = mode.findChild<DisplayEvm *>();
    QVERIFY(summary && symbolTable && constellation && evmView);
    QVERIFY(!summary->label(QStringLiteral("Aver"))->isVisible());

    // Averaging on in the panel shows the averaged column; play fills it.
    child<QCheckBox>(mode.dmPanel(), "dmSet_CheckAverage")->setChecked(true);
    QVERIFY(summary->label(QStringLiteral("Aver"))->isVisible());
    QVERIFY(summary->label(QStringLiteral("EVMA"))->isVisible());
    QSignalSpy data(mode.dmEngine(), &ParserDigitalModulation::sendData);
    QSignalSpy symbols(mode.dmEngine(), &ParserDigitalModulation::sendDemodSymbols);
    child<QToolButton>(mode.control(), "butRunCont")->click();
    QTRY_VERIFY_WITH_TIMEOUT(data.count() >= 4, kLoadMs);
    child<QToolButton>(mode.control(), "butStop")->click();
    QTest::qWait(500);
    QVERIFY(summary->label(QStringLiteral("EVMA"))->text() != QLatin1String("- -"));
    QCOMPARE(summary->label(QStringLiteral("EVM PeakA"))->text(), QStringLiteral("- -"));
    const DataAnalysis last = data.last().first().value<DataAnalysis>();
    QCOMPARE(summary->label(QStringLiteral("EVM"))->text(), QString::number(last.evm, 'f', 3));

    // 16 tight clusters, each on its reference point.
    const QVector<QPointF> reference = pointsOf(constellation->referenceSeries());
    QCOMPARE(reference.size(), 16);
    QVector<int> hits(16, 0);
    double sumSquares = 0.0;
    const QVector<QPointF> strobes = pointsOf(constellation->pointSeries());
    QVERIFY2(strobes.size() >= 1000, qPrintable(QString::number(strobes.size())));
    for (const QPointF &p : strobes) {
        int nearest = 0;
        for (int r = 1; r < 16; ++r) {
            if (QLineF(p, reference.at(r)).length() < QLineF(p, reference.at(nearest)).length())
                nearest = r;
        }
        const double distance = QLineF(p, reference.at(nearest)).length();
        QVERIFY2(distance < 0.15, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        sumSquares += distance * distance;
        ++hits[nearest];
    }
    QVERIFY(std::sqrt(sumSquares / strobes.size()) < 0.05);
    for (int count : hits)
        QVERIFY2(count > strobes.size() / 40, qPrintable(QString::number(count)));

    // The error vector per symbol, its RMS the summary's EVM; one point per symbol of the window.
    // The drawn line is thinned to the plot's width; the full series behind it has one point per symbol.
    QTRY_VERIFY(evmView->lineSeries()->count() > 0 && mode.calculate()->fullSeries(1, CalculateDateSlot::KindErrorVector).size() == 2000);
    const QVector<QPointF> evm = mode.calculate()->fullSeries(1, CalculateDateSlot::KindErrorVector);
    double squares = 0.0;
    for (const QPointF &p : evm)
        squares += p.y() * p.y();
    QVERIFY2(std::abs(std::sqrt(squares / evm.size()) - last.evm) < 0.01 * last.evm,
             qPrintable(QStringLiteral("%1 against %2").arg(std::sqrt(squares / evm.size())).arg(last.evm)));
    QCOMPARE(evm.last().x(), 1999.0);

    // The symbol table saves the engine's symbols through its menu.
    const QString path = m_env.filePath(QStringLiteral("symbols.txt"));
    symbolTable->setFileChooser([path](QWidget *) { return path; });
    pickFirstMenuEntry(symbolTable);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList saved = QString::fromUtf8(file.readAll()).split(QLatin1Char(' '));
    const QVector<int> decided = symbols.last().first().value<QVector<int>>();
    QCOMPARE(saved.size(), decided.size());
    for (int k = 0; k < decided.size(); ++k)
        QCOMPARE(saved.at(k).toInt(), decided.at(k));
}

void tst_ModeDM::spectrumRunsAtTheCorrectedSignalsRate()
{
    // QPSK at 40 samples per symbol: the receiver hands back 32 per symbol, so the
    // corrected signal runs at 32 MHz, not at the recording's 40 MHz.
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QPSK");
    signal.samplesPerSymbol = 40.0;
    signal.symbols = 2600;
    signal.impairments.snrDb = 40.0;
    signal.generate();
    signal.normalisePeak();
    const QString path = writeRecording(m_env, QStringLiteral("qpsk40.owv"), QStringLiteral("40 MHz"),
                                        QStringLiteral("2 GHz"), signal.iq);
    ModeDM mode;
    mode.resize(1400, 900);
    mode.show();
    QVERIFY(open(mode, path));
    QSignalSpy data(mode.dmEngine(), &ParserDigitalModulation::sendData);
    setUpScheme(mode, QStringLiteral("QPSK"));
    QTRY_VERIFY_WITH_TIMEOUT(!data.isEmpty() && std::abs(data.last().first().value<DataAnalysis>().symbolRate - 1e6) < 100,
                             kLoadMs);
    QTest::qWait(300);
    QCOMPARE(mode.dmEngine()->lastOversampling(), 32);
    QVERIFY(std::abs(mode.calculate()->sampleRate() - 32e6) < 32 * 100.0);
    // The matched filter leaves a raised cosine: 6 dB down at half the symbol rate either side of the carrier.
    const QVector<QPointF> spectrum = mode.calculate()->requestSeries(1, CalculateDateSlot::KindSpectrum, 1 << 20, 16);
    QVERIFY(spectrum.size() > 1000);
    const double unit = mode.calculate()->unitFactor();
    const double carrier = 2e9;
    QVector<double> flat;
    for (const QPointF &p : spectrum) {
        if (std::abs(p.x() * unit - carrier) < 0.25e6)
            flat.append(p.y());
    }
    QVERIFY(!flat.isEmpty());
    std::sort(flat.begin(), flat.end());
    const double top = flat.at(flat.size() / 2);
    double lower = carrier, upper = carrier;
    for (const QPointF &p : spectrum) {
        if (p.y() >= top - 6.0) {
            lower = std::min(lower, p.x() * unit);
            upper = std::max(upper, p.x() * unit);
        }
    }
    // Read on the recording's clock the edges would lie 25 % further out.
    const QString edges = QStringLiteral("%1 and %2 Hz").arg(lower - carrier).arg(upper - carrier);
    QVERIFY2(std::abs(upper - carrier - 0.5e6) < 60e3 && std::abs(carrier - lower - 0.5e6) < 60e3, qPrintable(edges));
    QVERIFY2(std::abs(upper + lower - 2.0 * carrier) < 20e3, qPrintable(edges));
}

QTEST_MAIN(tst_ModeDM)
#include "tst_ModeDM.moc"
