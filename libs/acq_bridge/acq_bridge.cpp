#include "acq_bridge.h"

#include "SimulatedAnalyzer.h"
#ifdef ACQ_BRIDGE_WITH_SOAPYSDR
#include "SoapyInstrument.h"
#endif

#include <memory>
#include <mutex>

namespace {
// The library drives one instrument at a time; the program calls it from one
// thread, the lock keeps a second caller from tearing the state.
struct Bridge
{
    std::mutex mutex;
    std::unique_ptr<Instrument> instrument;
    DeviceData device;
    int status = AcqStatus::kNotConnected;
    QVector<DeviceError> errors;
    Params requested{0.0, 1e6, 0.0};
    bool isExtSync = false;
    double extSyncHz = SimulatedAnalyzer::kReferenceHz;

    int fail(int code, const QString &text)
    {
        errors.append({code, text});
        return status = code;
    }
    bool needsInstrument()
    {
        if (instrument)
            return true;
        fail(AcqStatus::kNotConnected, QStringLiteral("No instrument is connected"));
        return false;
    }
};

Bridge &bridge()
{
    static Bridge b;
    return b;
}

std::unique_ptr<Instrument> makeInstrument(const DeviceData &device)
{
    if (SimulatedAnalyzer::isSimulated(device))
        return std::make_unique<SimulatedAnalyzer>();
#ifdef ACQ_BRIDGE_WITH_SOAPYSDR
    if (!device.type.empty())
        return std::make_unique<SoapyInstrument>(device);
#endif
    return nullptr;
}
}  // namespace

int getStatus()
{
    std::lock_guard<std::mutex> lock(bridge().mutex);
    return bridge().status;
}

void setConnect(DeviceData device)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.instrument.reset();
    b.errors.clear();  // a new session: what went wrong before is no longer pending
    std::unique_ptr<Instrument> instrument = makeInstrument(device);
    if (!instrument) {
        b.fail(AcqStatus::kNotFound, QStringLiteral("No instrument of type \"%1\" at \"%2\"")
                                         .arg(QString::fromStdString(device.type),
                                              QString::fromStdString(device.addressText())));
        return;
    }
    b.status = instrument->open(b.errors);
    if (b.status != AcqStatus::kReady)
        return;
    instrument->setExtSync(b.isExtSync, b.extSyncHz);
    b.instrument = std::move(instrument);
    b.device = device;
}

void setDisconnect()
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    if (b.instrument)
        b.instrument->close();
    b.instrument.reset();
    b.status = AcqStatus::kNotConnected;
}

void setParam(Params settings)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.requested = settings;
    if (b.needsInstrument())
        b.status = b.instrument->apply(settings, b.errors);
}

void setNumPts(int points)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    if (b.needsInstrument())
        b.status = b.instrument->setPoints(points, b.errors);
}

std::vector<DeviceData> getDevList()
{
    Bridge &b = bridge();
    bool isSimulatorInUse = false;
    {
        std::lock_guard<std::mutex> lock(b.mutex);
        isSimulatorInUse = b.instrument && SimulatedAnalyzer::isSimulated(b.device);
    }
    std::vector<DeviceData> list{SimulatedAnalyzer::listing(isSimulatorInUse)};
#ifdef ACQ_BRIDGE_WITH_SOAPYSDR
    // Searching takes a while: the lock is not held meanwhile.
    for (DeviceData &device : SoapyInstrument::enumerate()) {
        std::lock_guard<std::mutex> lock(b.mutex);
        device.busy = b.instrument && b.device.addressText() == device.addressText();
        list.push_back(device);
    }
#endif
    return list;
}

Params getParameters(int which)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    if (!b.instrument)
        return which == 2 ? b.requested : Params{};
    if (which == 0 || which == 1)
        return b.instrument->limits(which);
    return b.instrument->inForce();
}

QVector<DeviceError> getError()
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    QVector<DeviceError> pending;
    pending.swap(b.errors);
    return pending;
}

int getNumPTS(int which)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    if (!b.instrument)
        return 0;
    if (which == 0)
        return 1;
    return which == 1 ? b.instrument->maxPoints() : b.instrument->points();
}

void getData(QVector<std::complex<double>> *samples)
{
    if (!samples)
        return;
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    samples->clear();
    b.errors.clear();  // an empty block is explained by this read's own errors
    if (b.needsInstrument())
        b.status = b.instrument->read(*samples, b.errors);
    // Only an overload comes with data; any other failure leaves the block empty.
    if (b.status != AcqStatus::kReady && b.status != AcqStatus::kOverload)
        samples->clear();
}

double getCurSampleRate()
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    return b.instrument ? b.instrument->inForce().sampleRate : 0.0;
}

void setExtSyncState(bool isOn)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.isExtSync = isOn;
    if (b.instrument)
        b.instrument->setExtSync(b.isExtSync, b.extSyncHz);
}

void setExtSyncFreq(double hz)
{
    Bridge &b = bridge();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.extSyncHz = hz;
    if (b.instrument)
        b.instrument->setExtSync(b.isExtSync, b.extSyncHz);
}
