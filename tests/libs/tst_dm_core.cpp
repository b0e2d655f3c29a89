// The digital-modulation receiver, loaded from the program's folder by file name
// through QLibrary exactly as the engine loads it, fed with signals generated here.

#include "DmTestSignal.h"
#include "dm_core.h"

#include "DemoSignals.h"

#include "Modulation.h"
#include "ModulationCatalogue.h"

#include <QDir>
#include <QLibrary>
#include <QMap>
#include <QtTest>

#include <cmath>

namespace {

using Complex = std::complex<double>;

struct DmCore
{
    void (*setSignal)(const IQVector *, double, double, const QString *, int, const QString *, double) = nullptr;
    IQVector (*analysis)(int) = nullptr;
    DataAnalysis (*getCurrStatistic)() = nullptr;
    DataAnalysis (*getAverStatistic)() = nullptr;
    void (*setAverage)(int) = nullptr;
    QVector<int> (*getDemodSymbols)() = nullptr;
    int (*getOversampling)() = nullptr;
    int (*getTime4Sampling)() = nullptr;
    int (*getStartPoint)() = nullptr;
    int (*getErrorCode)() = nullptr;
    int (*getMaxNumOfSymb)() = nullptr;
    QVector<double> (*getEVMvsSymb)() = nullptr;
};

template <typename Pointer>
bool resolve(QLibrary &library, const char *name, Pointer &pointer)
{
    pointer = reinterpret_cast<Pointer>(library.resolve(name));
    return pointer != nullptr;
}

double evmDb(const DataAnalysis &d)
{
    return 20.0 * std::log10(d.evm / 100.0);
}

bool isDifferential(int id)
{
    return id == ModPi2DBPSK || id == ModPi4DQPSK || id == ModPi8D8PSK || id == ModD8PSK;
}

} // namespace

namespace {

QVector<int> branchSigns(const QVector<int> &symbols)
{
    const IQVector points = createModulation(ModOQPSK)->modulate(symbols);
    QVector<int> signs;
    for (const Complex &p : points)
        signs << (p.real() > 0) << (p.imag() > 0);
    return signs;
}

// Errors of `decided` against `sent` from `first` on, where each (value, parity) of
// `sent` may stand for any one decided value: a labelling left open by the carrier phase.
int inconsistentAnswers(const QVector<int> &sent, const QVector<int> &decided, int first, int skip)
{
    QMap<QPair<int, int>, QMap<int, int>> answers;
    for (int k = skip; k < decided.size(); ++k)
        ++answers[qMakePair(sent.at(first + k), (first + k) % 2)][decided.at(k)];
    int errors = 0;
    for (const QMap<int, int> &counts : answers) {
        int total = 0, most = 0;
        for (int c : counts) {
            total += c;
            most = std::max(most, c);
        }
        errors += total - most;
    }
    return errors;
}

} // namespace

class tst_dm_core : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void exportsAndErrorCodes();
    void correctedSignalLandsOnCataloguePoints();
    void averagingRestarts();

    void evmAndMerFollowSnr_data();
    void evmAndMerFollowSnr();
    void cleanSignalHasResidualEvmBelowLimit_data();
    void cleanSignalHasResidualEvmBelowLimit();
    void carrierOffsetAndSymbolClockAreMeasured_data();
    void carrierOffsetAndSymbolClockAreMeasured();
    void iqImpairmentsAreMeasured_data();
    void iqImpairmentsAreMeasured();
    void raisedCosineAndDemoRecordingDemodulate();
    void everySchemeDemodulatesWithoutErrors_data();
    void everySchemeDemodulatesWithoutErrors();

private:
    // Hands the signal to the library and analyses `count` symbols; fails the test on
    // a library error.
    bool analyse(const DmTestSignal &signal, int count, IQVector *output = nullptr);
    bool analyse(const DmTestSignal &signal, const QString &filter, int count, IQVector *output = nullptr);
    // Symbol errors against what was sent, after aligning the first decided symbol
    // with the sent stream. Where the carrier phase leaves the labelling open (a
    // rotated constellation), the sent→decided map only has to be consistent.
    int symbolErrors(const DmTestSignal &signal, bool labelsFixed) const;
    // Offset QPSK turned by 90° is offset QPSK again with its branches paired the other
    // way, so it is compared branch by branch: the signs of I and Q in sending order.
    int branchErrors(const DmTestSignal &signal) const;

    QLibrary m_library;
    DmCore m_dm;
};

void tst_dm_core::initTestCase()
{
    const QString binDir = qEnvironmentVariable("TW_TEST_BIN_DIR", QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin"));
    m_library.setFileName(QDir(binDir).filePath(QStringLiteral("dm_core")));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    QVERIFY(resolve(m_library, "setSignal", m_dm.setSignal));
    QVERIFY(resolve(m_library, "analysis", m_dm.analysis));
    QVERIFY(resolve(m_library, "getCurrStatistic", m_dm.getCurrStatistic));
    QVERIFY(resolve(m_library, "getAverStatistic", m_dm.getAverStatistic));
    QVERIFY(resolve(m_library, "setAverage", m_dm.setAverage));
    QVERIFY(resolve(m_library, "getDemodSymbols", m_dm.getDemodSymbols));
    QVERIFY(resolve(m_library, "getOversampling", m_dm.getOversampling));
    QVERIFY(resolve(m_library, "getTime4Sampling", m_dm.getTime4Sampling));
    QVERIFY(resolve(m_library, "getStartPoint", m_dm.getStartPoint));
    QVERIFY(resolve(m_library, "getErrorCode", m_dm.getErrorCode));
    QVERIFY(resolve(m_library, "getMaxNumOfSymb", m_dm.getMaxNumOfSymb));
    QVERIFY(resolve(m_library, "getEVMvsSymb", m_dm.getEVMvsSymb));
}

bool tst_dm_core::analyse(const DmTestSignal &signal, int count, IQVector *output)
{
    return analyse(signal, QStringLiteral("Root Nyquist"), count, output);
}

bool tst_dm_core::analyse(const DmTestSignal &signal, const QString &filter, int count, IQVector *output)
{
    m_dm.setSignal(&signal.iq, signal.sampleRate(), signal.symbolRate, &signal.modulation, 0, &filter, signal.rollOff);
    const IQVector result = m_dm.analysis(count);
    if (output)
        *output = result;
    if (result.isEmpty())
        qWarning("analysis failed with error code %d", m_dm.getErrorCode());
    return !result.isEmpty();
}

int tst_dm_core::symbolErrors(const DmTestSignal &signal, bool labelsFixed) const
{
    const QVector<int> decided = m_dm.getDemodSymbols();
    const int id = modulationId(signal.modulation);
    const int skip = isDifferential(id) ? 1 : 0; // the first step has no predecessor
    const int aligned = int(std::lround((m_dm.getStartPoint() - signal.firstSymbolTime) / signal.symbolPeriod));
    int best = decided.size();
    for (int first = aligned - 2; first <= aligned + 2; ++first) {
        if (first < 0 || first + decided.size() > signal.sent.size())
            continue;
        int errors = 0;
        if (labelsFixed) {
            for (int k = skip; k < decided.size(); ++k)
                errors += decided.at(k) != signal.sent.at(first + k);
        } else {
            errors = inconsistentAnswers(signal.sent, decided, first, skip);
        }
        best = std::min(best, errors);
    }
    return best;
}


int tst_dm_core::branchErrors(const DmTestSignal &signal) const
{
    const QVector<int> sent = branchSigns(signal.sent);
    const QVector<int> decided = branchSigns(m_dm.getDemodSymbols());
    const int aligned = 2 * int(std::lround((m_dm.getStartPoint() - signal.firstSymbolTime) / signal.symbolPeriod));
    int best = decided.size();
    for (int first = aligned - 4; first <= aligned + 4; ++first) {
        if (first >= 0 && first + decided.size() <= sent.size())
            best = std::min(best, inconsistentAnswers(sent, decided, first, 0));
    }
    return best;
}

void tst_dm_core::exportsAndErrorCodes()
{
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QPSK");
    signal.symbols = 400;
    signal.generate();
    const QString filter = QStringLiteral("Root Nyquist");
    const QString unknown = QStringLiteral("QAM 16");
    const IQVector empty;
    const double fs = signal.sampleRate();
    struct Case
    {
        const char *what;
        const IQVector *iq;
        double sampleRate;
        double symbolRate;
        const QString *modulation;
        int count;
        int code;
    };
    const IQVector shortSignal = signal.iq.mid(0, 30 * 8);
    const IQVector silence(signal.iq.size());
    const Case cases[] = {
        {"empty signal", &empty, fs, 1e6, &signal.modulation, 100, 1},
        {"unknown scheme", &signal.iq, fs, 1e6, &unknown, 100, 1},
        {"nothing but zeros", &silence, fs, 1e6, &signal.modulation, 100, 1},
        {"symbol rate above the sample rate", &signal.iq, fs, 2 * fs, &signal.modulation, 100, 6},
        {"below two samples per symbol", &signal.iq, fs, fs / 1.5, &signal.modulation, 100, 2},
        {"too few symbols asked for", &signal.iq, fs, 1e6, &signal.modulation, 5, 3},
        {"more symbols than the signal holds", &signal.iq, fs, 1e6, &signal.modulation, 400, 4},
        {"signal too short for any analysis", &shortSignal, fs, 1e6, &signal.modulation, 20, 7},
    };
    for (const Case &c : cases) {
        m_dm.setSignal(c.iq, c.sampleRate, c.symbolRate, c.modulation, 0, &filter, 0.35);
        QVERIFY2(m_dm.analysis(c.count).isEmpty(), c.what);
        QVERIFY2(m_dm.getErrorCode() == c.code, qPrintable(QStringLiteral("%1: code %2, expected %3")
                                                            .arg(QLatin1String(c.what)).arg(m_dm.getErrorCode()).arg(c.code)));
    }

    m_dm.setSignal(&signal.iq, fs, 1e6, &signal.modulation, 0, &filter, 0.35);
    const int max = m_dm.getMaxNumOfSymb();
    QVERIFY2(max > 350 && max < 400, qPrintable(QString::number(max)));
    const IQVector out = m_dm.analysis(max);
    QCOMPARE(m_dm.getErrorCode(), 0);
    QCOMPARE(m_dm.getOversampling(), 8);
    QCOMPARE(m_dm.getTime4Sampling(), 0);
    QCOMPARE(out.size(), max * 8);
    QCOMPARE(m_dm.getDemodSymbols().size(), max);
    QCOMPARE(m_dm.getEVMvsSymb().size(), max);
}

// Ideal symbols must land on the catalogue's points, and the power field is the
// amplitude factor k for which the error summary's P0 − 20·log10(k) is the signal power.
void tst_dm_core::correctedSignalLandsOnCataloguePoints()
{
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QAM16");
    signal.samplesPerSymbol = 5;
    signal.symbols = 1200;
    signal.impairments.phase = 2.1;
    signal.impairments.carrierOffset = 0.003;
    signal.generate();
    for (Complex &x : signal.iq)
        x *= 3.0; // any level: the power reading must follow it
    IQVector out;
    QVERIFY(analyse(signal, 1000, &out));
    const int ovs = m_dm.getOversampling();
    const QVector<int> symbols = m_dm.getDemodSymbols();
    const IQVector ideal = createModulation(ModQAM16)->modulate(symbols);
    double worst = 0.0;
    for (int k = 0; k < symbols.size(); ++k)
        worst = std::max(worst, std::abs(out.at(m_dm.getTime4Sampling() + k * ovs) - ideal.at(k)));
    // the residual error of a clean signal (−50 dB) is a few thousandths of the unit peak
    QVERIFY2(worst < 0.01, qPrintable(QString::number(worst)));

    double power = 0.0;
    for (const Complex &x : signal.iq)
        power += std::norm(x);
    power /= signal.iq.size();
    const double p0QAM16 = 0.4574880501;
    const double shownDb = p0QAM16 - 20 * std::log10(m_dm.getCurrStatistic().power);
    // the analysed span holds most of the signal, so its mean power agrees to 0.1 dB
    QVERIFY2(std::abs(shownDb - 10 * std::log10(power)) < 0.1, qPrintable(QString::number(shownDb)));

    // FSK: the frequency levels from −1 to +1 on the I axis
    DmTestSignal fsk;
    fsk.modulation = QStringLiteral("4FSK");
    fsk.symbols = 400;
    fsk.generate();
    IQVector levels;
    QVERIFY(analyse(fsk, 300, &levels));
    const IQVector fskIdeal = createModulation(Mod4FSK)->modulate(m_dm.getDemodSymbols());
    double fskWorst = 0.0;
    for (int k = 0; k < 300; ++k)
        fskWorst = std::max(fskWorst, std::abs(levels.at(k * m_dm.getOversampling()) - fskIdeal.at(k)));
    // a clean keyer's levels are flat over the middle of each symbol
    QVERIFY2(fskWorst < 0.01, qPrintable(QString::number(fskWorst)));
}

void tst_dm_core::averagingRestarts()
{
    DmTestSignal signal;
    signal.modulation = QStringLiteral("8PSK");
    signal.symbols = 600;
    signal.impairments.snrDb = 25;
    signal.generate();
    m_dm.setAverage(1);
    QVERIFY(analyse(signal, 500));
    const DataAnalysis first = m_dm.getCurrStatistic();
    signal.impairments.snrDb = 35;
    signal.generate();
    QVERIFY(analyse(signal, 500));
    const DataAnalysis second = m_dm.getCurrStatistic();
    const DataAnalysis average = m_dm.getAverStatistic();
    QVERIFY(std::abs(average.mer - (first.mer + second.mer) / 2) < 1e-9);
    QVERIFY(std::abs(average.evm - std::sqrt((first.evm * first.evm + second.evm * second.evm) / 2)) < 1e-9);
    QCOMPARE(average.evmPeak, std::max(first.evmPeak, second.evmPeak));
    m_dm.setAverage(1);
    QVERIFY(analyse(signal, 500));
    QVERIFY(std::abs(m_dm.getAverStatistic().mer - m_dm.getCurrStatistic().mer) < 1e-12);
}

void tst_dm_core::evmAndMerFollowSnr_data()
{
    QTest::addColumn<QString>("modulation");
    QTest::addColumn<double>("snr");
    QTest::addColumn<double>("sps");
    QTest::addColumn<double>("rollOff");
    // Decisions must be right for the data-aided figures to be right, so the dense
    // constellations start where their symbol error rate is below about 1e-3.
    QTest::newRow("QPSK 15 dB") << "QPSK" << 15.0 << 4.0 << 0.22;
    QTest::newRow("QPSK 40 dB") << "QPSK" << 40.0 << 10.0 << 0.5;
    QTest::newRow("8PSK 15 dB") << "8PSK" << 15.0 << 5.0 << 0.35;
    QTest::newRow("8PSK 30 dB") << "8PSK" << 30.0 << 8.0 << 0.25;
    QTest::newRow("QAM16 18 dB") << "QAM16" << 18.0 << 6.0 << 0.22;
    QTest::newRow("QAM16 40 dB") << "QAM16" << 40.0 << 4.0 << 0.35;
    QTest::newRow("QAM16 25 dB, 4.7 samples per symbol") << "QAM16" << 25.0 << 4.7 << 0.3;
    QTest::newRow("QAM64 24 dB") << "QAM64" << 24.0 << 8.0 << 0.5;
    QTest::newRow("QAM64 35 dB") << "QAM64" << 35.0 << 5.0 << 0.22;
    QTest::newRow("QAM256 30 dB") << "QAM256" << 30.0 << 10.0 << 0.35;
    QTest::newRow("QAM256 40 dB") << "QAM256" << 40.0 << 4.0 << 0.25;
}

// EVM in dB within 0.5 dB of −SNR and MER within 0.5 dB of SNR: over 3000 symbols the
// measured noise power scatters by about 0.1 dB, and the residual error of the
// receiver (−50 dB) shifts a 40 dB reading by 0.04 dB.
void tst_dm_core::evmAndMerFollowSnr()
{
    QFETCH(QString, modulation);
    QFETCH(double, snr);
    QFETCH(double, sps);
    QFETCH(double, rollOff);
    DmTestSignal signal;
    signal.modulation = modulation;
    signal.samplesPerSymbol = sps;
    signal.rollOff = rollOff;
    signal.symbols = 3100;
    signal.seed = unsigned(snr * 10 + sps);
    signal.impairments.snrDb = snr;
    signal.impairments.phase = 0.1 * signal.seed;
    signal.impairments.startSymbols = 0.37 * sps;
    signal.generate();
    QVERIFY(analyse(signal, 3000));
    const DataAnalysis d = m_dm.getCurrStatistic();
    QVERIFY2(std::abs(evmDb(d) + snr) < 0.5, qPrintable(QStringLiteral("EVM %1 dB").arg(evmDb(d))));
    QVERIFY2(std::abs(d.mer - snr) < 0.5, qPrintable(QStringLiteral("MER %1 dB").arg(d.mer)));
}

void tst_dm_core::cleanSignalHasResidualEvmBelowLimit_data()
{
    QTest::addColumn<QString>("modulation");
    QTest::addColumn<double>("sps");
    QTest::addColumn<double>("rollOff");
    QTest::newRow("QPSK") << "QPSK" << 4.0 << 0.22;
    QTest::newRow("8PSK") << "8PSK" << 10.0 << 0.25;
    QTest::newRow("QAM16") << "QAM16" << 5.0 << 0.5;
    QTest::newRow("QAM64") << "QAM64" << 6.0 << 0.35;
    QTest::newRow("QAM256") << "QAM256" << 8.0 << 0.22;
}

// A clean signal with an unknown phase and frame start reads at most 0.3 % (−50 dB).
void tst_dm_core::cleanSignalHasResidualEvmBelowLimit()
{
    QFETCH(QString, modulation);
    QFETCH(double, sps);
    QFETCH(double, rollOff);
    DmTestSignal signal;
    signal.modulation = modulation;
    signal.samplesPerSymbol = sps;
    signal.rollOff = rollOff;
    signal.symbols = 1100;
    signal.impairments.phase = -2.5;
    signal.impairments.startSymbols = 0.61 * sps;
    signal.generate();
    QVERIFY(analyse(signal, 1000));
    const DataAnalysis d = m_dm.getCurrStatistic();
    QVERIFY2(d.evm <= 0.3, qPrintable(QStringLiteral("EVM %1 %").arg(d.evm)));
}

void tst_dm_core::carrierOffsetAndSymbolClockAreMeasured_data()
{
    QTest::addColumn<QString>("modulation");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("ppm");
    QTest::newRow("QPSK +1 %, +100 ppm") << "QPSK" << 0.01 << 100.0;
    QTest::newRow("QAM16 −1 %, −100 ppm") << "QAM16" << -0.01 << -100.0;
    QTest::newRow("8PSK +0.4 %, −60 ppm") << "8PSK" << 0.004 << -60.0;
    QTest::newRow("QAM64 −0.7 %, +100 ppm") << "QAM64" << -0.007 << 100.0;
}

// Offsets up to 1 % of the symbol rate measured within 0.5 % of themselves, clock
// errors of ±100 ppm within 10 ppm over 10 000 symbols, at 30 dB SNR.
void tst_dm_core::carrierOffsetAndSymbolClockAreMeasured()
{
    QFETCH(QString, modulation);
    QFETCH(double, offset);
    QFETCH(double, ppm);
    DmTestSignal signal;
    signal.modulation = modulation;
    signal.samplesPerSymbol = 4;
    signal.rollOff = 0.35;
    signal.symbols = 10100;
    signal.seed = 11;
    signal.impairments.snrDb = 30;
    signal.impairments.carrierOffset = offset;
    signal.impairments.clockPpm = ppm;
    signal.impairments.phase = 1.3;
    signal.impairments.startSymbols = 0.2;
    signal.generate();
    QVERIFY(analyse(signal, 10000));
    const DataAnalysis d = m_dm.getCurrStatistic();
    const double expectedHz = offset * signal.symbolRate;
    QVERIFY2(std::abs(d.freqError - expectedHz) <= 0.005 * std::abs(expectedHz),
             qPrintable(QStringLiteral("offset %1 Hz, expected %2 Hz").arg(d.freqError).arg(expectedHz)));
    const double measuredPpm = (d.symbolRate / signal.symbolRate - 1) * 1e6;
    QVERIFY2(std::abs(measuredPpm - ppm) <= 10, qPrintable(QStringLiteral("clock %1 ppm").arg(measuredPpm)));
    QVERIFY2(std::abs(d.reserved6 - measuredPpm) < 1e-6, "the clock error field agrees with the symbol rate");
    QVERIFY2(d.mer > 29, qPrintable(QStringLiteral("MER %1 dB").arg(d.mer)));
}

void tst_dm_core::iqImpairmentsAreMeasured_data()
{
    QTest::addColumn<QString>("modulation");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("gain");
    QTest::addColumn<double>("quadrature");
    QTest::newRow("QPSK") << "QPSK" << 0.0 << 0.5 << 2.0;
    QTest::newRow("QAM16 with carrier offset") << "QAM16" << 0.006 << 0.5 << 2.0;
    QTest::newRow("QAM64") << "QAM64" << 0.0 << 0.5 << 2.0;
    // Large enough together that taking the carrier's axis for the receiver's I axis
    // would show (the two errors couple through that turn).
    QTest::newRow("8PSK, 1 dB and −5°") << "8PSK" << 0.002 << 1.0 << -5.0;
}

void tst_dm_core::iqImpairmentsAreMeasured()
{
    QFETCH(QString, modulation);
    QFETCH(double, offset);
    QFETCH(double, gain);
    QFETCH(double, quadrature);
    DmTestSignal signal;
    signal.modulation = modulation;
    signal.samplesPerSymbol = 6;
    signal.rollOff = 0.25;
    signal.symbols = 4100;
    signal.seed = 5;
    signal.impairments.snrDb = 35;
    signal.impairments.carrierOffset = offset;
    signal.impairments.phase = 0.4;
    signal.impairments.iqOffsetDbc = -30;
    signal.impairments.gainImbalanceDb = gain;
    signal.impairments.quadratureDeg = quadrature;
    signal.impairments.startSymbols = 0.5;
    signal.generate();
    QVERIFY(analyse(signal, 4000));
    const DataAnalysis d = m_dm.getCurrStatistic();
    QVERIFY2(std::abs(d.iqOffset + 30) <= 0.5, qPrintable(QStringLiteral("IQVector offset %1 dB").arg(d.iqOffset)));
    QVERIFY2(std::abs(d.gainImbalance - gain) <= 0.05, qPrintable(QStringLiteral("gain imbalance %1 dB").arg(d.gainImbalance)));
    QVERIFY2(std::abs(d.quadratureError - quadrature) <= 0.2, qPrintable(QStringLiteral("quadrature %1°").arg(d.quadratureError)));
    // with the impairments fitted, the noise is what is left
    QVERIFY2(std::abs(d.snr - 35) < 0.5, qPrintable(QStringLiteral("SNR %1 dB").arg(d.snr)));
}

// A raised-cosine signal is read through a flat lowpass instead of a matched filter:
// no intersymbol interference, only its wider noise band (1.85 symbol rates at α 0.35,
// some 2.5 dB off the MER). The
// built-in QPSK recording (±8-symbol root-raised-cosine, 30 dB SNR over its 4-sample
// band, so about 36 dB per symbol) must read as what it is.
void tst_dm_core::raisedCosineAndDemoRecordingDemodulate()
{
    DmTestSignal signal;
    signal.modulation = QStringLiteral("QAM16");
    signal.samplesPerSymbol = 5;
    signal.rootPulse = false;
    signal.symbols = 1600;
    signal.impairments.snrDb = 30;
    signal.impairments.phase = 0.9;
    signal.impairments.startSymbols = 0.3;
    signal.generate();
    QVERIFY(analyse(signal, QStringLiteral("Nyquist"), 1500));
    QVERIFY2(std::abs(m_dm.getCurrStatistic().mer - 27.5) < 1, qPrintable(QString::number(m_dm.getCurrStatistic().mer)));
    QCOMPARE(symbolErrors(signal, false), 0);

    const IQVector demo = DemoSignals::generate(DemoSignals::QpskRrc).samples();
    const QString qpsk = QStringLiteral("QPSK");
    const QString filter = QStringLiteral("Root Nyquist");
    m_dm.setSignal(&demo, 1e6, 250e3, &qpsk, 0, &filter, 0.35);
    QVERIFY(!m_dm.analysis(10000).isEmpty());
    const DataAnalysis d = m_dm.getCurrStatistic();
    QVERIFY2(d.mer > 33 && d.mer < 39, qPrintable(QStringLiteral("MER %1 dB").arg(d.mer)));
    QVERIFY2(std::abs(d.symbolRate - 250e3) < 2.5, qPrintable(QStringLiteral("symbol rate %1 Hz").arg(d.symbolRate)));
    QVERIFY2(std::abs(d.freqError) < 5, qPrintable(QStringLiteral("frequency error %1 Hz").arg(d.freqError)));
}

void tst_dm_core::everySchemeDemodulatesWithoutErrors_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("snr");
    QTest::addColumn<double>("sps");
    // Every PSK and QAM and the frequency and amplitude keyers at 30 dB. QAM256 and the
    // 512- and 1024-point QAMs cannot be error-free there in theory (their symbol error
    // rates at 30 dB are about 1e-3, 3e-2 and 2e-1), so they are checked where they can.
    const QList<int> ids = {ModASK, Mod2ASK, Mod4ASK, Mod8ASK, ModQAM16, ModQAM32, ModQAM64, ModQAM128, ModQAM256,
                            ModQAM512, ModQAM1024, ModQAMUser, ModBPSK, ModQPSK, ModQPSKOffset, ModOQPSK,
                            ModQPSKEdge, ModPi4QPSK, ModPi2DBPSK, ModPi4DQPSK, ModPi8D8PSK, Mod8PSK, Mod8PSKEdge,
                            ModD8PSK, Mod16PSK, ModMSK, Mod2FSK, Mod4FSK};
    for (int id : ids) {
        const double snr = id == ModQAM256 ? 34.0 : id == ModQAM512 ? 37.0 : id == ModQAM1024 ? 40.0 : 30.0;
        QTest::newRow(qPrintable(modulationName(id))) << id << snr << double(4 + id % 5);
    }
}

void tst_dm_core::everySchemeDemodulatesWithoutErrors()
{
    QFETCH(int, id);
    QFETCH(double, snr);
    QFETCH(double, sps);
    DmTestSignal signal;
    signal.modulation = modulationName(id);
    signal.samplesPerSymbol = sps;
    signal.rollOff = 0.35;
    signal.symbols = 1600;
    signal.seed = unsigned(100 + id);
    signal.impairments.snrDb = snr;
    signal.impairments.carrierOffset = 0.002;
    signal.impairments.phase = 0.3 * id;
    signal.impairments.startSymbols = 0.13 * id;
    signal.generate();
    QVERIFY(analyse(signal, 1500));
    // ASK, FSK and the differential schemes do not depend on the carrier phase, so their
    // symbol values must be the sent ones exactly.
    const QString family = modulationFamily(id);
    const bool labelsFixed = family == QLatin1String("ASK") || family == QLatin1String("FSK") || isDifferential(id);
    const int errors = id == ModOQPSK ? branchErrors(signal) : symbolErrors(signal, labelsFixed);
    QVERIFY2(errors == 0, qPrintable(QStringLiteral("%1 symbol errors, MER %2 dB").arg(errors).arg(m_dm.getCurrStatistic().mer)));
    const double rateError = std::abs(m_dm.getCurrStatistic().symbolRate / signal.symbolRate - 1);
    QVERIFY2(rateError < 1e-4, qPrintable(QStringLiteral("symbol rate off by %1").arg(rateError)));
}

QTEST_GUILESS_MAIN(tst_dm_core)
#include "tst_dm_core.moc"
