// aclr_core through the program's wrapper (loaded by file name from the build's
// program folder), measured against band-limited noise whose band powers are
// known exactly and against an independent integration of the same spectrum.
#include "ACLRLibrary.h"
#include "AclrTestSignal.h"
#include "ParamACLR.h"
#include "TestEnvironment.h"

#include <QtTest>
#include <cmath>

using AclrTestSignal::Band;

namespace {
// The measured rows agree with the signal's own spectrum to this (edge bins of the
// averaged spectrum, window smearing at the band edges)...
constexpr double kIndependentToleranceDb = 0.2;
// ... and with the level injected to this.
constexpr double kInjectedToleranceDb = 0.3;
constexpr int kSamples = 1 << 18;

double dbToPower(double db) { return std::pow(10.0, db / 10.0); }

std::unique_ptr<ParamACLR> customParam(double fs, double carrierBandwidth, double offset1, double offset2, double bandwidth)
{
    auto made = std::make_unique<ParamACLR>();
    ParamACLR &param = *made;
    param.parseText(QStringLiteral("{CLOCK:%1}").arg(fs, 0, 'g', 17), false);
    param.setItem(QStringLiteral("Mode"), ParamACLR::kCustom);
    param.setItem(QStringLiteral("BandwidthCarrier"), QString::number(carrierBandwidth, 'g', 17));
    param.setItem(QStringLiteral("OffsetCh1"), QString::number(offset1, 'g', 17));
    param.setItem(QStringLiteral("OffsetCh2"), QString::number(offset2, 'g', 17));
    param.setItem(QStringLiteral("BandwidthCh1"), QString::number(bandwidth, 'g', 17));
    param.setItem(QStringLiteral("BandwidthCh2"), QString::number(bandwidth, 'g', 17));
    return made;
}

const ACLRChannelRow *row(const ACLRResults &results, const QString &name)
{
    for (const ACLRChannelRow &r : results.rows) {
        if (r.name == name)
            return &r;
    }
    return nullptr;
}

const ACLRBand *carrierBand(const ACLRResults &results, const QString &name)
{
    for (const ACLRBand &band : results.bands) {
        if (band.isCarrier && band.name == name)
            return &band;
    }
    return nullptr;
}
}  // namespace

class tst_aclr_core : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void singleCarrierRowsMatchInjectedAndIndependentLevels_data();
    void singleCarrierRowsMatchInjectedAndIndependentLevels();
    void twoCarriersReferTheirChannelsToTheNearerCarrier();
    void ltePresetMeasuresOneAndTwoChannelBandwidthsAway();
    void ltePresetOnNarrowRecordingSaysWhichChannelsDoNotFit();
    void presetsUseTheTransmissionBandwidths_data();
    void presetsUseTheTransmissionBandwidths();
    void traceFitsTheOutputArrayAndShowsTheCarrier();
    void badInputGivesNoRowsAndNoCrash();
    void missingLibraryMeasuresNothing();

private:
    ACLRResults measure(const IQVector &x, const ParamACLR &param);
    TestEnvironment m_env;
    std::unique_ptr<ACLRLibrary> m_library;
};

void tst_aclr_core::initTestCase()
{
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
    m_library = std::make_unique<ACLRLibrary>();
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
}

ACLRResults tst_aclr_core::measure(const IQVector &x, const ParamACLR &param)
{
    if (!m_library->measure(x.constData(), x.size(), param.parameterBlock()))
        return {};
    return m_library->results();
}

void tst_aclr_core::singleCarrierRowsMatchInjectedAndIndependentLevels_data()
{
    QTest::addColumn<double>("adjLower");
    QTest::addColumn<double>("adjUpper");
    QTest::addColumn<double>("altLower");
    QTest::addColumn<double>("altUpper");
    QTest::newRow("-30 .. -60 dBc") << -30.0 << -45.0 << -60.0 << -50.0;
    QTest::newRow("-60 adjacent") << -60.0 << -55.0 << -40.0 << -35.0;
}

void tst_aclr_core::singleCarrierRowsMatchInjectedAndIndependentLevels()
{
    QFETCH(double, adjLower);
    QFETCH(double, adjUpper);
    QFETCH(double, altLower);
    QFETCH(double, altUpper);
    const double fs = 30.72e6, bw = 3.84e6, carrierPower = 0.25;
    const QVector<Band> bands{{-bw / 2, bw / 2, carrierPower},
                              {-5e6 - bw / 2, -5e6 + bw / 2, carrierPower * dbToPower(adjLower)},
                              {5e6 - bw / 2, 5e6 + bw / 2, carrierPower * dbToPower(adjUpper)},
                              {-10e6 - bw / 2, -10e6 + bw / 2, carrierPower * dbToPower(altLower)},
                              {10e6 - bw / 2, 10e6 + bw / 2, carrierPower * dbToPower(altUpper)}};
    const IQVector x = AclrTestSignal::bandNoise(kSamples, fs, bands);
    const ACLRResults results = measure(x, *customParam(fs, bw, 5e6, 10e6, bw));
    QCOMPARE(results.status.status, int(ACLRStatusOk));
    QCOMPARE(results.status.samplesMeasured, kSamples);
    QCOMPARE(results.rows.size(), 4);

    const ACLRBand *carrier = carrierBand(results, QStringLiteral("CC1"));
    QVERIFY(carrier);
    QVERIFY2(std::abs(carrier->level - AclrTestSignal::toDb(carrierPower)) < kInjectedToleranceDb,
             qPrintable(QStringLiteral("carrier %1 dBm").arg(carrier->level)));
    const double carrierDb = AclrTestSignal::toDb(AclrTestSignal::bandPower(x, fs, -bw / 2, bw / 2));
    const QVector<QPair<QString, double>> expected{{"ADJ-L", adjLower}, {"ADJ-U", adjUpper}, {"ALT-L", altLower}, {"ALT-U", altUpper}};
    for (int n = 0; n < expected.size(); ++n) {
        const ACLRChannelRow *r = row(results, expected.at(n).first);
        QVERIFY2(r, qPrintable(expected.at(n).first));
        const double centre = r->offset;
        const double independent =
            AclrTestSignal::toDb(AclrTestSignal::bandPower(x, fs, centre - bw / 2, centre + bw / 2)) - carrierDb;
        const QString what = QStringLiteral("%1: %2 dBc, injected %3, independent %4")
                                 .arg(r->name).arg(r->dbc).arg(expected.at(n).second).arg(independent);
        QVERIFY2(std::abs(r->dbc - independent) < kIndependentToleranceDb, qPrintable(what));
        QVERIFY2(std::abs(r->dbc - expected.at(n).second) < kInjectedToleranceDb, qPrintable(what));
        QVERIFY2(std::abs(r->dbm - (r->dbc + carrier->level)) < 1e-9, qPrintable(what));
        QCOMPARE(r->reference, QStringLiteral("CC1"));
        QCOMPARE(r->filterType, QStringLiteral("Square"));
        QCOMPARE(r->bandwidth, int(bw));
    }
    QCOMPARE(row(results, QStringLiteral("ADJ-L"))->offset, -5000000);
    QCOMPARE(row(results, QStringLiteral("ALT-U"))->offset, 10000000);
}

void tst_aclr_core::twoCarriersReferTheirChannelsToTheNearerCarrier()
{
    // CC1 at -4 MHz and CC2 (3 dB weaker) at +4 MHz; the lower channels lie below CC1,
    // the upper ones above CC2, each in dBc of its own carrier.
    const double fs = 61.44e6, bw = 3.84e6, p1 = 0.1, p2 = 0.05;
    const QVector<Band> bands{{-4e6 - bw / 2, -4e6 + bw / 2, p1},
                              {4e6 - bw / 2, 4e6 + bw / 2, p2},
                              {-9e6 - bw / 2, -9e6 + bw / 2, p1 * dbToPower(-35)},
                              {9e6 - bw / 2, 9e6 + bw / 2, p2 * dbToPower(-42)},
                              {-14e6 - bw / 2, -14e6 + bw / 2, p1 * dbToPower(-55)},
                              {14e6 - bw / 2, 14e6 + bw / 2, p2 * dbToPower(-48)}};
    const IQVector x = AclrTestSignal::bandNoise(kSamples, fs, bands, 7);
    const std::unique_ptr<ParamACLR> param = customParam(fs, bw, 5e6, 10e6, bw);
    param->setItem(QStringLiteral("CarrierConfig"), ParamACLR::kMultiCarrier);
    param->setItem(QStringLiteral("Channels"), ParamACLR::kCustomChannels);
    param->setItem(QStringLiteral("OffsetCC1_CUSTOM"), QStringLiteral("-4 MHz"));
    param->setItem(QStringLiteral("OffsetCC2_CUSTOM"), QStringLiteral("4 MHz"));
    const ACLRResults results = measure(x, *param);
    QCOMPARE(results.rows.size(), 4);
    QVERIFY(carrierBand(results, QStringLiteral("CC2")));
    QVERIFY(std::abs(carrierBand(results, QStringLiteral("CC1"))->level - AclrTestSignal::toDb(p1)) < kInjectedToleranceDb);
    QVERIFY(std::abs(carrierBand(results, QStringLiteral("CC2"))->level - AclrTestSignal::toDb(p2)) < kInjectedToleranceDb);
    const struct { const char *name; const char *reference; double dbc; } expected[] = {
        {"ADJ-L", "CC1", -35}, {"ADJ-U", "CC2", -42}, {"ALT-L", "CC1", -55}, {"ALT-U", "CC2", -48}};
    for (const auto &e : expected) {
        const ACLRChannelRow *r = row(results, QString::fromLatin1(e.name));
        QVERIFY2(r, e.name);
        QCOMPARE(r->reference, QString::fromLatin1(e.reference));
        QVERIFY2(std::abs(r->dbc - e.dbc) < kInjectedToleranceDb, qPrintable(QStringLiteral("%1: %2 dBc").arg(r->name).arg(r->dbc)));
    }
    // Bands: the carriers, then one per row, placed from their reference carrier.
    QCOMPARE(results.bands.size(), 6);
    QCOMPARE(results.bands.at(2).start, -4e6 - 5e6 - bw / 2);
    QCOMPARE(results.bands.at(3).start, 4e6 + 5e6 - bw / 2);
}

void tst_aclr_core::ltePresetMeasuresOneAndTwoChannelBandwidthsAway()
{
    // 20 MHz LTE: 100 resource blocks, 18 MHz measured, channels at ±20 and ±40 MHz.
    const double fs = 122.88e6, mbw = 18e6, p = 0.2;
    const QVector<Band> bands{{-mbw / 2, mbw / 2, p},
                              {-20e6 - mbw / 2, -20e6 + mbw / 2, p * dbToPower(-45)},
                              {20e6 - mbw / 2, 20e6 + mbw / 2, p * dbToPower(-47)},
                              {-40e6 - mbw / 2, -40e6 + mbw / 2, p * dbToPower(-58)},
                              {40e6 - mbw / 2, 40e6 + mbw / 2, p * dbToPower(-52)}};
    const IQVector x = AclrTestSignal::bandNoise(kSamples, fs, bands, 3);
    ParamACLR param;
    param.parseText(QStringLiteral("{CLOCK:122.88 MHz}{Mode:4G LTE ACLR}{BandwidthCC1_LTE:20 MHz}"), false);
    const ACLRResults results = measure(x, param);
    QCOMPARE(results.rows.size(), 4);
    QCOMPARE(carrierBand(results, QStringLiteral("CC1"))->bandwidth, 18e6);
    const struct { const char *name; int offset; double dbc; } expected[] = {
        {"ADJ-L", -20000000, -45}, {"ADJ-U", 20000000, -47}, {"ALT-L", -40000000, -58}, {"ALT-U", 40000000, -52}};
    for (const auto &e : expected) {
        const ACLRChannelRow *r = row(results, QString::fromLatin1(e.name));
        QVERIFY2(r, e.name);
        QCOMPARE(r->offset, e.offset);
        QCOMPARE(r->bandwidth, 18000000);
        QVERIFY2(std::abs(r->dbc - e.dbc) < kInjectedToleranceDb, qPrintable(QStringLiteral("%1: %2 dBc").arg(r->name).arg(r->dbc)));
    }
}

void tst_aclr_core::ltePresetOnNarrowRecordingSaysWhichChannelsDoNotFit()
{
    // 30.72 MHz holds ±15.36 MHz: the 18 MHz carrier fits, no adjacent channel does.
    const double fs = 30.72e6, mbw = 18e6;
    const IQVector x = AclrTestSignal::bandNoise(1 << 16, fs, {{-mbw / 2, mbw / 2, 0.5}});
    ParamACLR param;
    param.parseText(QStringLiteral("{CLOCK:30.72 MHz}{Mode:LTE 4G}{BandwidthCC1_LTE:20 MHz}"), false);
    const ACLRResults results = measure(x, param);
    QCOMPARE(results.status.status, int(ACLRStatusOk));
    QVERIFY(std::abs(carrierBand(results, QStringLiteral("CC1"))->level - AclrTestSignal::toDb(0.5)) < kInjectedToleranceDb);
    QCOMPARE(results.rows.size(), 4);
    for (const ACLRChannelRow &r : results.rows) {
        QVERIFY2(!r.isInBand(), qPrintable(r.name));
        QVERIFY(std::abs(std::abs(r.offset) - 20e6) < 1 || std::abs(std::abs(r.offset) - 40e6) < 1);
    }
    // 5 MHz (4.5 MHz measured): ±5 and ±10 MHz both fit.
    param.setItem(QStringLiteral("BandwidthCC1_LTE"), QStringLiteral("5 MHz"));
    const ACLRResults narrow = measure(x, param);
    for (const ACLRChannelRow &r : narrow.rows)
        QVERIFY2(r.isInBand(), qPrintable(r.name));
    // 10 MHz: ±10 MHz fits (5.5 .. 14.5 MHz), ±20 MHz does not.
    param.setItem(QStringLiteral("BandwidthCC1_LTE"), QStringLiteral("10 MHz"));
    const ACLRResults ten = measure(x, param);
    QVERIFY(row(ten, QStringLiteral("ADJ-L"))->isInBand());
    QVERIFY(!row(ten, QStringLiteral("ALT-U"))->isInBand());
}

void tst_aclr_core::presetsUseTheTransmissionBandwidths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("measured");
    QTest::newRow("LTE 1.4") << "{Mode:LTE 4G}{BandwidthCC1_LTE:1.4 MHz}" << 1.08e6;
    QTest::newRow("LTE 3") << "{Mode:LTE 4G}{BandwidthCC1_LTE:3 MHz}" << 2.7e6;
    QTest::newRow("LTE 5") << "{Mode:LTE 4G}{BandwidthCC1_LTE:5 MHz}" << 4.5e6;
    QTest::newRow("LTE 10") << "{Mode:LTE 4G}{BandwidthCC1_LTE:10 MHz}" << 9e6;
    QTest::newRow("LTE 15") << "{Mode:LTE 4G}{BandwidthCC1_LTE:15 MHz}" << 13.5e6;
    QTest::newRow("NR 100 at 30 kHz") << "{Mode:NR 5G}{BandwidthCC1_NR:100 MHz}{SCS_NR:30 kHz}" << 98.28e6;
    QTest::newRow("NR 20 at 15 kHz") << "{Mode:NR 5G}{BandwidthCC1_NR:20 MHz}{SCS_NR:15 kHz}" << 19.08e6;
    QTest::newRow("NR 40 at 60 kHz") << "{Mode:NR 5G}{BandwidthCC1_NR:40 MHz}{SCS_NR:60 kHz}" << 51 * 12 * 60e3;
}

void tst_aclr_core::presetsUseTheTransmissionBandwidths()
{
    QFETCH(QString, text);
    QFETCH(double, measured);
    ParamACLR param;
    param.parseText(QStringLiteral("{CLOCK:491.52 MHz}") + text, false);
    const IQVector x = AclrTestSignal::bandNoise(1 << 14, 491.52e6, {{-measured / 2, measured / 2, 1.0}});
    const ACLRResults results = measure(x, param);
    QCOMPARE(results.status.status, int(ACLRStatusOk));
    QCOMPARE(carrierBand(results, QStringLiteral("CC1"))->bandwidth, std::trunc(measured));
    QVERIFY(std::abs(row(results, QStringLiteral("ADJ-U"))->bandwidth - measured) < 1.0);
}

void tst_aclr_core::traceFitsTheOutputArrayAndShowsTheCarrier()
{
    const double fs = 30.72e6;
    const IQVector x = AclrTestSignal::bandNoise(kSamples, fs, {{-2e6, 2e6, 1.0}});
    const ACLRResults results = measure(x, *customParam(fs, 4e6, 5e6, 10e6, 4e6));
    QCOMPARE(results.trace.size(), 8192);
    QVERIFY(results.trace.size() <= kACLROutputCapacity);
    // The trace runs from -Fs/2: the centre bin is in the carrier, the first one in the floor.
    QVERIFY2(results.trace.at(4096) - results.trace.at(100) > 100,
             qPrintable(QStringLiteral("%1 vs %2").arg(results.trace.at(4096)).arg(results.trace.at(100))));
    double sum = 0.0;
    for (double level : results.trace)
        sum += std::pow(10.0, level / 10.0);
    QVERIFY2(std::abs(AclrTestSignal::toDb(sum)) < 0.1, "the bins sum to the block's power");
    // A short block gives a shorter trace.
    const ACLRResults shorter = measure(x.mid(0, 3000), *customParam(fs, 4e6, 5e6, 10e6, 4e6));
    QCOMPARE(shorter.trace.size(), 2048);
}

void tst_aclr_core::badInputGivesNoRowsAndNoCrash()
{
    const IQVector silent(4096);
    ACLRResults results = measure(silent, *customParam(30.72e6, 4e6, 5e6, 10e6, 4e6));
    QCOMPARE(results.status.status, int(ACLRStatusNoSignal));
    QVERIFY(results.rows.isEmpty());
    QVERIFY(results.bands.isEmpty());

    const IQVector x = AclrTestSignal::bandNoise(4096, 30.72e6, {{-2e6, 2e6, 1.0}});
    ParamACLR nr;
    nr.parseText(QStringLiteral("{CLOCK:30.72 MHz}{Mode:NR 5G}{BandwidthCC1_NR:5 MHz}{SCS_NR:60 kHz}"), false);
    results = measure(x, nr);  // no 5 MHz channel at 60 kHz
    QCOMPARE(results.status.status, int(ACLRStatusBadParameters));
    QVERIFY(results.rows.isEmpty());

    const std::unique_ptr<ParamACLR> zeroRate = customParam(30.72e6, 4e6, 5e6, 10e6, 4e6);
    zeroRate->parseText(QStringLiteral("{CLOCK:0 Hz}"), false);
    results = measure(x, *zeroRate);
    QCOMPARE(results.status.status, int(ACLRStatusBadParameters));
    QVERIFY(results.rows.isEmpty());
}

void tst_aclr_core::missingLibraryMeasuresNothing()
{
    ACLRLibrary::setDefaultFolder(m_env.path());
    ACLRLibrary missing;
    ACLRLibrary::setDefaultFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"));
    QVERIFY(!missing.isLoaded());
    QVERIFY(missing.errorString().contains(QLatin1String("aclr_core")));
    const IQVector x(100, IQ(1, 0));
    QVERIFY(!missing.measure(x.constData(), x.size(), ParamACLR().parameterBlock()));
    QVERIFY(!missing.results().isMeasured);
    QVERIFY(missing.results().rows.isEmpty());
}

QTEST_GUILESS_MAIN(tst_aclr_core)
#include "tst_aclr_core.moc"
