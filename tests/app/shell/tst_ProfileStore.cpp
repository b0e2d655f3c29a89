#include "ParamSignal.h"
#include "ProfileRestorePlan.h"
#include "ProfileStore.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QtTest>

class tst_ProfileStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void roundTripKeepsEveryModeText();
    void writesSectionsAsLetterFirstNamesInModeOrder();
    void readsSectionsByTheModeRuleAndIgnoresStrayElements();
    void damagedFileGivesAMessageAndAnEmptyStore_data();
    void damagedFileGivesAMessageAndAnEmptyStore();
    void missingFileLeavesTheStoreEmpty();
    void emptyPathUsesTheAutomaticProfileInTheDocumentsFolder();
    void planChoosesTheModeAndItsMeasurement_data();
    void planChoosesTheModeAndItsMeasurement();

private:
    QScopedPointer<TestEnvironment> m_env;
};

void tst_ProfileStore::init()
{
    m_env.reset(new TestEnvironment);
    ProfileStore::setBaseFolder(m_env->path());
}

void tst_ProfileStore::roundTripKeepsEveryModeText()
{
    ProfileStore store;
    store.setModeName(QStringLiteral("ModeDM"));
    store.setDeviceText(QStringLiteral("192.168.0.7 5025 1 2"));
    const QMap<int, QString> texts = {
        {ParamSignal::ModeDM, QStringLiteral("{PathSignal:C:/data/a.owv}{LengthView:2000}{Measurement:π/4-DQPSK}")},
        {ParamSignal::ModeVA, QStringLiteral("{PathSignal:}{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}")},
        {ParamSignal::Mode5G, QStringLiteral("{Mode:Uplink}{DMRSLength:2}{Note:a<b & c>d}")},
        {ParamSignal::Mode4G, QStringLiteral("{Mode:TM31}{VAT:x}")},
        {ParamSignal::ModeACLR, QStringLiteral("{Mode:LTE}{Span:20 MHz}")},
    };
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        store.setModeText(it.key(), it.value());
    const QString path = m_env->filePath(QStringLiteral("profiles/one.xml"));
    QVERIFY2(store.save(path), qPrintable(store.errorString()));

    ProfileStore read;
    QCOMPARE(read.load(path), ProfileStore::Loaded);
    QCOMPARE(read.modeName(), QStringLiteral("ModeDM"));
    QCOMPARE(read.deviceText(), QStringLiteral("192.168.0.7 5025 1 2"));
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        QCOMPARE(read.modeText(it.key()), it.value());
}

void tst_ProfileStore::writesSectionsAsLetterFirstNamesInModeOrder()
{
    ProfileStore store;
    store.setModeName(QStringLiteral("Mode5G"));
    store.setModeText(ParamSignal::ModeACLR, QStringLiteral("{Mode:CUSTOM}"));
    store.setModeText(ParamSignal::Mode5G, QStringLiteral("{Mode:Downlink}"));
    store.setModeText(ParamSignal::ModeDM, QStringLiteral("{PathSignal:C:/data/a.owv}{LengthView:2000}"));
    QDomDocument document;
    QVERIFY(document.setContent(store.toXml()));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("TarnwickStudio"));
    QStringList names;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        names.append(e.tagName());
    QCOMPARE(names, QStringList({"MODE", "DEVICE", "DM", "G5", "ACLR"}));
    const QDomElement dm = root.firstChildElement(QStringLiteral("DM"));
    QCOMPARE(dm.firstChildElement(QStringLiteral("PathSignal")).text(), QStringLiteral("C:/data/a.owv"));
    QCOMPARE(dm.firstChildElement(QStringLiteral("LengthView")).text(), QStringLiteral("2000"));
}

void tst_ProfileStore::readsSectionsByTheModeRuleAndIgnoresStrayElements()
{
    const QByteArray xml = "<?xml version=\"1.0\"?>\n"
                           "<TarnwickStudio>\n"
                           " <MODE>Mode5G</MODE>\n"
                           " <Comment>ignored<Inner>also</Inner></Comment>\n"
                           " <g5><Mode>Prach</Mode><Url>http://host:80/x</Url></g5>\n"
                           " <LTE_G4><Mode>TM11</Mode></LTE_G4>\n"
                           " <DEVICE>a b c 2</DEVICE>\n"
                           "</TarnwickStudio>\n";
    ProfileStore store;
    QCOMPARE(store.fromXml(xml), ProfileStore::Loaded);
    QCOMPARE(store.modeName(), QStringLiteral("Mode5G"));
    QCOMPARE(store.deviceText(), QStringLiteral("a b c 2"));
    QCOMPARE(store.modeText(ParamSignal::Mode5G), QStringLiteral("{Mode:Prach}{Url:http://host:80/x}"));
    QCOMPARE(store.modeText(ParamSignal::Mode4G), QStringLiteral("{Mode:TM11}"));
    QCOMPARE(store.modes(), QList<int>({ParamSignal::Mode5G, ParamSignal::Mode4G}));
}

void tst_ProfileStore::damagedFileGivesAMessageAndAnEmptyStore_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray good = "<TarnwickStudio><MODE>ModeDM</MODE><DM><Measurement>QPSK</Measurement></DM></TarnwickStudio>";
    QTest::newRow("truncated") << good.left(good.size() - 30);
    QTest::newRow("mismatched tags") << QByteArray("<TarnwickStudio><MODE>ModeDM</DEVICE></TarnwickStudio>");
    QTest::newRow("not xml") << QByteArray("PathSignal=C:/data/a.owv\n");
    QTest::newRow("empty file") << QByteArray();
}

void tst_ProfileStore::damagedFileGivesAMessageAndAnEmptyStore()
{
    QFETCH(QByteArray, content);
    const QString path = m_env->filePath(QStringLiteral("damaged.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    ProfileStore store;
    store.setModeName(QStringLiteral("ModeACLR"));
    store.setModeText(ParamSignal::ModeVA, QStringLiteral("{LengthView:10}"));
    QCOMPARE(store.load(path), ProfileStore::Malformed);
    QVERIFY(store.isEmpty());
    QVERIFY2(store.errorString().contains(QStringLiteral("damaged")), qPrintable(store.errorString()));
    QVERIFY(store.errorString().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(ProfileRestorePlan::fromStore(store).mode(), int(ParamSignal::ModeVA));
}

void tst_ProfileStore::missingFileLeavesTheStoreEmpty()
{
    ProfileStore store;
    store.setDeviceText(QStringLiteral("x"));
    QCOMPARE(store.load(m_env->filePath(QStringLiteral("nowhere.xml"))), ProfileStore::Missing);
    QVERIFY(store.isEmpty());
    QVERIFY(!store.errorString().isEmpty());
}

void tst_ProfileStore::emptyPathUsesTheAutomaticProfileInTheDocumentsFolder()
{
    const QString expected = m_env->path() + QStringLiteral("/Orvane Tarnwick Studio/AutoSave.xml");
    QCOMPARE(ProfileStore::defaultPath(), expected);
    QCOMPARE(ProfileStore::resetPath(), m_env->path() + QStringLiteral("/Orvane Tarnwick Studio/Default.xml"));
    ProfileStore store;
    store.setModeName(QStringLiteral("ModeVecAnalysis"));
    QVERIFY(store.save());
    QVERIFY(QFile::exists(expected));
    ProfileStore read;
    QCOMPARE(read.load(QString()), ProfileStore::Loaded);
    QCOMPARE(read.modeName(), QStringLiteral("ModeVecAnalysis"));
}

void tst_ProfileStore::planChoosesTheModeAndItsMeasurement_data()
{
    QTest::addColumn<QString>("modeName");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("measurement");
    QTest::addColumn<QString>("menuEntry");
    QTest::newRow("DM stored") << "ModeDM" << int(ParamSignal::ModeDM) << "{LengthView:9}{Measurement:QAM64}"
                               << "QAM64" << "STANDARD";
    QTest::newRow("DM default") << "ModeDM" << int(ParamSignal::ModeDM) << "" << "QPSK" << "STANDARD";
    QTest::newRow("ACLR default") << "ModeACLR" << int(ParamSignal::ModeACLR) << "{Span:1 MHz}" << "CUSTOM"
                                  << "ACLR";
    QTest::newRow("ACLR stored") << "ModeACLR" << int(ParamSignal::ModeACLR) << "{Mode:NR}" << "NR" << "ACLR";
    QTest::newRow("5G default, other key ending in Mode") << "Mode5G" << int(ParamSignal::Mode5G)
                                                          << "{DuplexMode:TDD}" << "Downlink" << "";
    QTest::newRow("5G stored") << "Mode5G" << int(ParamSignal::Mode5G) << "{Mode:Uplink}{X:1}" << "Uplink" << "";
    QTest::newRow("LTE") << "Mode4G" << int(ParamSignal::Mode4G) << "{Mode:TM31}" << "TM31" << "LTE";
    QTest::newRow("LTE without mode") << "Mode4G" << int(ParamSignal::Mode4G) << "" << "" << "LTE";
    QTest::newRow("vector analysis") << "ModeVecAnalysis" << int(ParamSignal::ModeVA) << "" << "" << "VectorAnalysis";
    QTest::newRow("unknown class") << "ModeOld" << int(ParamSignal::ModeVA) << "" << "" << "VectorAnalysis";
}

void tst_ProfileStore::planChoosesTheModeAndItsMeasurement()
{
    QFETCH(QString, modeName);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, measurement);
    QFETCH(QString, menuEntry);
    ProfileStore store;
    store.setModeName(modeName);
    store.setModeText(mode, text);
    const ProfileRestorePlan plan = ProfileRestorePlan::fromStore(store);
    QCOMPARE(plan.mode(), mode);
    QCOMPARE(plan.measurement(), measurement);
    QCOMPARE(plan.menuEntry(), menuEntry);
}

QTEST_GUILESS_MAIN(tst_ProfileStore)
#include "tst_ProfileStore.moc"
