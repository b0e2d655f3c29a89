// The acquisition thread driving the acquisition library (loaded from the program's
// folder as the program loads it): connection, settings, reads, failures, and what
// reaches the signal hub.
#include "AveragedFft.h"
#include "Device.h"
#include "LibraryLoader.h"
#include "ManagerSignal.h"
#include "ParamSignal.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

// Runs fn in the device's thread and waits for it.
template <typename Fn>
void inDevice(Device &device, Fn fn)
{
    QMetaObject::invokeMethod(&device, fn, Qt::BlockingQueuedConnection);
}

double peakLevelAt(const IQVector &samples, double rate, double carrier, double &frequency)
{
    AveragedFft fft;
    AveragedFft::Axis axis;
    axis.sampleRate = rate;
    axis.carrier = carrier;
    const QVector<QPointF> series = fft.compute(samples.constData(), samples.size(), 1, axis);
    QPointF peak(0.0, -1e9);
    for (const QPointF &p : series) {
        if (p.y() > peak.y())
            peak = p;
    }
    frequency = peak.x();
    return peak.y();
}
}  // namespace

class tst_Device : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    std::unique_ptr<ManagerSignal> m_hub;
    std::unique_ptr<Device> m_device;

    // A device on the real library, pointed at a vector-analysis hub, connected to the simulator.
    void connectSimulator(const Params &params, int points = 10000)
    {
        inDevice(*m_device, [d = m_device.get(), params, points] {
            d->setSourceSettings(params);
            d->slotSetNumPts(points);
            d->slotRefreshDevData();
            d->connect2ID(0);
        });
        QVERIFY(m_device->isConnected());
    }
    // One read; the block reaches the hub through the event loop.
    IQVector readBlock()
    {
        QSignalSpy delivered(m_hub.get(), &ManagerSignal::sendNewSourceSignal);
        inDevice(*m_device, [d = m_device.get()] { d->slotGetData(); });
        if (!delivered.wait(2000))
            return {};
        return m_hub->sourceSignal(0).samples();
    }

private slots:
    void initTestCase() { QVERIFY(LibraryLoader::setLibraryFolder(qEnvironmentVariable("TW_TEST_BIN_DIR"))); }
    void init()
    {
        qunsetenv("ACQ_SIM_SCENE");
        m_hub = std::make_unique<ManagerSignal>(ParamSignal::ModeVA);
        m_device = std::make_unique<Device>(QStringLiteral("acq_bridge"));
        m_device->setManager(m_hub.get());
        QVERIFY2(m_device->canAcquire(), qPrintable(m_device->libraryError()));
    }
    void cleanup()
    {
        if (m_device->isConnected())
            inDevice(*m_device, [d = m_device.get()] { d->slotDisconnect(); });
        m_device.reset();
        m_hub.reset();
    }

    void readsNothingWhileDisconnected()
    {
        QSignalSpy started(m_device.get(), &Device::signalStartRead);
        QSignalSpy ended(m_device.get(), &Device::signalEndRead);
        QSignalSpy overload(m_device.get(), &Device::sendOverload);
        QSignalSpy errors(m_device.get(), &Device::sendError);
        QSignalSpy delivered(m_hub.get(), &ManagerSignal::sendNewSourceSignal);
        emit m_device->signalRunRead();
        inDevice(*m_device, [d = m_device.get()] { d->slotGetData(); });
        QVERIFY(!delivered.wait(200));
        QCOMPARE(started.count() + ended.count() + overload.count() + errors.count(), 0);
        QCOMPARE(m_device->deviceName(), QStringLiteral("Disconnected"));
    }

    void connectingCopiesTheChosenRowAndNamesTheSource()
    {
        QSignalSpy limits(m_device.get(), &Device::sendRefLvlMinMax);
        QSignalSpy connected(m_device.get(), &Device::isConnected2SA);
        connectSimulator({1e9, 2e6, -10.0});
        const DeviceData current = m_device->currentDevice();
        QCOMPARE(QString::fromStdString(current.type), QStringLiteral("SIM-SA"));
        QCOMPARE(QString::fromStdString(current.serial), QStringLiteral("0001"));
        QCOMPARE(m_device->deviceName(), QStringLiteral("SIM-SA 0001"));
        QTRY_COMPARE(m_hub->profile(), QStringLiteral("SIM-SA 0001"));
        QCOMPARE(limits.count(), 1);
        QCOMPARE(limits.first().at(0).toInt(), -130);
        QCOMPARE(limits.first().at(1).toInt(), 30);
        QCOMPARE(connected.count(), 1);
        // The stored settings were applied on connection and read back.
        QCOMPARE(m_device->currentParams().sampleRate, 2e6);
        QCOMPARE(m_device->currentParams().refLevel, -10.0);
        // The simulator in use is listed as busy.
        inDevice(*m_device, [d = m_device.get()] { d->slotRefreshDevData(); });
        QVERIFY(m_device->deviceList().front().busy);

        // Disconnect and reconnect to the record chosen before (-1).
        inDevice(*m_device, [d = m_device.get()] { d->slotDisconnect(); });
        QVERIFY(!m_device->isConnected());
        QCOMPARE(m_device->deviceName(), QStringLiteral("Disconnected"));
        inDevice(*m_device, [d = m_device.get()] { d->connect2ID(-1); });
        QVERIFY(m_device->isConnected());
        QCOMPARE(m_device->deviceName(), QStringLiteral("SIM-SA 0001"));
    }

    void settingsFollowTheInstrumentsLimits()
    {
        connectSimulator({1e9, 1e6, 0.0});
        QSignalSpy params(m_device.get(), &Device::sendParam);
        QSignalSpy maxPoints(m_device.get(), &Device::sendUpdateMaxPoints);
        inDevice(*m_device, [d = m_device.get()] { d->setSourceCarrierFreq(7e9); });
        QCOMPARE(m_device->currentParams().carrierFreq, 6e9);  // brought within the analyser's range
        QVERIFY(params.count() >= 1);
        QCOMPARE(maxPoints.count(), 1);
        QCOMPARE(maxPoints.first().first().toInt(), 10000);
        // The first block after a change carries the new settings into the hub's parameter set.
        QVERIFY(!readBlock().isEmpty());
        const auto *param = static_cast<const ParamVectorAnalysis *>(m_hub->param());
        QCOMPARE(param->sourceFrequency(), 6e9);
        QCOMPARE(param->sourceSampleRate(), 1e6);
    }

    void refusedSettingsDisconnectWithTheirStatus()
    {
        connectSimulator({1e9, 1e6, 0.0});
        QSignalSpy errors(m_device.get(), &Device::sendError);
        inDevice(*m_device, [d = m_device.get()] { d->setSourceSampleRate(qQNaN()); });
        QVERIFY(!m_device->isConnected());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().toString(), QStringLiteral("Set Source Settings Error, status:-222"));
    }

    void overloadStillDeliversTheBlock()
    {
        // The standard scene's 100 kHz tone is -30 dBm: a -40 dBm reference level overloads.
        connectSimulator({0.0, 1e6, -40.0});
        QSignalSpy overload(m_device.get(), &Device::sendOverload);
        const IQVector block = readBlock();
        QCOMPARE(block.size(), 10000);
        QCOMPARE(overload.count(), 1);
        QCOMPARE(overload.first().first().toBool(), true);
        // Clipped at full scale, which is the reference level.
        for (const IQ &s : block)
            QVERIFY(std::abs(s.real()) <= 0.01 + 1e-12 && std::abs(s.imag()) <= 0.01 + 1e-12);

        inDevice(*m_device, [d = m_device.get()] { d->setSourceRefLevel(0.0); });
        overload.clear();
        QVERIFY(!readBlock().isEmpty());
        QCOMPARE(overload.first().first().toBool(), false);
    }

    void aToneAppearsAtItsFrequencyAndLevel()
    {
        // 250 kHz above the carrier, on a bin of the 10000-point spectrum (100 Hz).
        qputenv("ACQ_SIM_SCENE", "tone 1000250000 -23.5");
        connectSimulator({1e9, 1e6, 0.0});
        const IQVector block = readBlock();
        QCOMPARE(block.size(), 10000);
        double frequency = 0.0;
        const double level = peakLevelAt(block, 1e6, 1e9, frequency);
        QVERIFY2(std::abs(frequency - 1.00025e9) <= 100.0, qPrintable(QString::number(frequency, 'f', 1)));
        QVERIFY2(std::abs(level + 23.5) <= 0.5, qPrintable(QString::number(level)));

        // Tuned 100 kHz higher, the tone is found 100 kHz lower in the band, at the same frequency.
        inDevice(*m_device, [d = m_device.get()] { d->setSourceCarrierFreq(1.0001e9); });
        const IQVector moved = readBlock();
        const double movedLevel = peakLevelAt(moved, 1e6, 1.0001e9, frequency);
        QVERIFY(std::abs(frequency - 1.00025e9) <= 100.0);
        QVERIFY(std::abs(movedLevel + 23.5) <= 0.5);
    }

    void theInputCompensationGivesTheLossBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");  // the tone's level as shown
        QTest::newRow("csv, -6 dB around the carrier")
            << "cable.csv" << QByteArray("frequency (Hz),gain (dB)\n5e8,-4\n1.5e9,-8\n") << -23.5 + 6.0;
        QTest::newRow("s2p in dB and MHz")
            << "cable.s2p" << QByteArray("! a cable\n# MHz S DB R 50\n900 -20 0 -2 0 -2 0 -20 0\n1100 -20 0 -4 0 -4 0 -20 0\n")
            << -23.5 + 3.0;
        QTest::newRow("s2p in magnitude, no option line")
            << "cable.s2p" << QByteArray("0.5 0.1 0 0.5 0 0.5 0 0.1 0\n1.5 0.1 0 0.5 0 0.5 0 0.1 0\n") << -23.5 + 6.02;
    }
    void theInputCompensationGivesTheLossBack()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QFile file(m_env.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        qputenv("ACQ_SIM_SCENE", "tone 1000250000 -23.5");
        connectSimulator({1e9, 1e6, 0.0});
        QSignalSpy errors(m_device.get(), &Device::sendError);
        inDevice(*m_device, [d = m_device.get(), path = file.fileName()] { d->slotSetPathCompens(path); });
        QCOMPARE(errors.count(), 0);
        double frequency = 0.0;
        QVERIFY(std::abs(peakLevelAt(readBlock(), 1e6, 1e9, frequency) - expected) <= 0.5);

        // A file without data is refused with its name, and the compensation stays.
        QFile empty(m_env.filePath(QStringLiteral("empty") + name.mid(name.indexOf(QLatin1Char('.')))));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.write("nothing here\n");
        empty.close();
        inDevice(*m_device, [d = m_device.get(), path = empty.fileName()] { d->slotSetPathCompens(path); });
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.first().first().toString().contains(empty.fileName()));
        QVERIFY(std::abs(peakLevelAt(readBlock(), 1e6, 1e9, frequency) - expected) <= 0.5);
        // An empty path ends it.
        inDevice(*m_device, [d = m_device.get()] { d->slotSetPathCompens(QString()); });
        QVERIFY(std::abs(peakLevelAt(readBlock(), 1e6, 1e9, frequency) + 23.5) <= 0.5);
    }

    void aBlockTooLongForTheMemoryFailsWithAdvice()
    {
        connectSimulator({1e9, 100e6, 0.0}, 20000000);
        QSignalSpy errors(m_device.get(), &Device::sendError);
        QSignalSpy ended(m_device.get(), &Device::signalEndRead);
        QSignalSpy delivered(m_hub.get(), &ManagerSignal::sendNewSourceSignal);
        inDevice(*m_device, [d = m_device.get()] { d->slotGetData(); });
        QCOMPARE(errors.count(), 2);
        QVERIFY(errors.at(0).first().toString().startsWith(QStringLiteral("Settings conflict: 20000000 points")));
        QVERIFY(errors.at(0).first().toString().endsWith(
            QStringLiteral(", reconnect to the instrument and reduce the number of requested points.")));
        QCOMPARE(errors.at(1).first().toString(), QStringLiteral("-221"));
        QVERIFY(!m_device->isConnected());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!delivered.wait(200));
    }

    void aLibraryWithoutExportsOffersNothing()
    {
        const QString byPath = QDir(qEnvironmentVariable("TW_TEST_BIN_DIR")).filePath(QStringLiteral("acq_bridge"));
        for (const QString &name : {QStringLiteral("acq_bridge_noexports"), QStringLiteral("no_such_library"), byPath}) {
            Device device(name);
            QVERIFY(!device.canAcquire());
            QVERIFY(!device.libraryError().isEmpty());
            QSignalSpy anything(&device, &Device::sendDeviceList);
            QSignalSpy failed(&device, &Device::signalErrorConnect);
            inDevice(device, [d = &device] {
                d->slotConnect();
                d->slotRefreshDevData();
                d->connect2ID(0);
                d->setSourceSettings({1e9, 1e6, 0.0});
                d->slotSetNumPts(100);
                d->slotSetExtSyncEnbl(true);
                d->slotGetData();
                d->getParams();
                d->updateSampleRate();
                d->slotDisconnect();
            });
            QTest::qWait(350);  // past the list's delayed refresh
            QCOMPARE(anything.count() + failed.count(), 0);
            QVERIFY(!device.isConnected());
            QCOMPARE(device.deviceName(), QStringLiteral("Disconnected"));
        }
    }

    void sdrReceiversAreListedByDriver()
    {
#ifndef ACQ_BRIDGE_WITH_SOAPYSDR
        QSKIP("built without SoapySDR");
#else
        // SoapySDR's own null device is found only when asked for by type.
        qputenv("ACQ_SOAPY_ARGS", "type=null");
        inDevice(*m_device, [d = m_device.get()] { d->slotRefreshDevData(); });
        qunsetenv("ACQ_SOAPY_ARGS");
        const std::vector<DeviceData> list = m_device->deviceList();
        const auto null = std::find_if(list.begin(), list.end(), [](const DeviceData &d) { return d.type == "null"; });
        QVERIFY(null != list.end());
        QVERIFY(QString::fromStdString(null->addressText()).contains(QStringLiteral("type=null")));
        // It has no receive channel: the connection is refused and the record was copied first.
        QSignalSpy refused(m_device.get(), &Device::signalErrorConnect);
        const int row = int(null - list.begin());
        inDevice(*m_device, [d = m_device.get(), row] { d->connect2ID(row); });
        QCOMPARE(refused.count(), 1);
        QVERIFY(!m_device->isConnected());
        QCOMPARE(m_device->currentDevice().type, std::string("null"));
        QVERIFY(m_device->lastStatus() != 0);
#endif
    }
};

QTEST_GUILESS_MAIN(tst_Device)
#include "tst_Device.moc"
