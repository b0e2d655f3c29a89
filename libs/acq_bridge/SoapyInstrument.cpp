#include "SoapyInstrument.h"

#include "acq_bridge.h"

#include <SoapySDR/Device.hpp>
#include <SoapySDR/Errors.hpp>
#include <SoapySDR/Formats.hpp>
#include <SoapySDR/Logger.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {
constexpr int kMaxPoints = 64 * 1024 * 1024;
constexpr long kChunkTimeoutUs = 100000;

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

// Module chatter (network discovery, sound cards) is not the user's business.
void quietLogs()
{
    static const bool once = [] {
        SoapySDR::setLogLevel(SOAPY_SDR_CRITICAL);
        return true;
    }();
    (void)once;
}

std::vector<std::string> extraSearches()
{
    std::vector<std::string> searches;
    if (const char *env = std::getenv("ACQ_SOAPY_ARGS")) {
        std::istringstream items(env);
        std::string item;
        while (std::getline(items, item, ';')) {
            if (!item.empty())
                searches.push_back(item);
        }
    }
    return searches;
}

DeviceData toDeviceData(const SoapySDR::Kwargs &args)
{
    DeviceData device;
    const auto value = [&args](const char *key) {
        const auto it = args.find(key);
        return it == args.end() ? std::string() : it->second;
    };
    device.type = value("driver");
    device.serial = value("serial");
    // The address is what SoapySDR needs to open this very device again.
    SoapySDR::Kwargs key;
    for (const char *name : {"driver", "type", "serial", "device_id", "addr", "index"}) {
        if (!value(name).empty())
            key[name] = value(name);
    }
    device.setAddress(SoapySDR::KwargsToString(key));
    return device;
}
}  // namespace

std::vector<DeviceData> SoapyInstrument::enumerate()
{
    quietLogs();
    std::vector<DeviceData> list;
    std::vector<std::string> searches{std::string()};
    for (const std::string &extra : extraSearches())
        searches.push_back(extra);
    for (const std::string &search : searches) {
        try {
            for (const SoapySDR::Kwargs &args : SoapySDR::Device::enumerate(search)) {
                const DeviceData device = toDeviceData(args);
                const bool isListed = std::any_of(list.begin(), list.end(), [&device](const DeviceData &d) {
                    return d.addressText() == device.addressText();
                });
                if (!isListed)
                    list.push_back(device);
            }
        } catch (const std::exception &) {
            // A module that fails to search lists nothing.
        }
    }
    return list;
}

SoapyInstrument::SoapyInstrument(const DeviceData &device) : m_data(device) {}

SoapyInstrument::~SoapyInstrument()
{
    close();
}

int SoapyInstrument::open(QVector<DeviceError> &errors)
{
    quietLogs();
    try {
        m_device = SoapySDR::Device::make(m_data.addressText());
    } catch (const std::exception &e) {
        errors.append({AcqStatus::kNotFound, QStringLiteral("%1 %2 cannot be opened: %3")
                                                 .arg(text(m_data.type), text(m_data.serial), text(e.what()))});
        return AcqStatus::kNotFound;
    }
    if (!m_device || m_device->getNumChannels(SOAPY_SDR_RX) < 1) {
        errors.append({AcqStatus::kStreamFailed,
                       QStringLiteral("%1 %2 has no receive channel").arg(text(m_data.type), text(m_data.serial))});
        close();
        return AcqStatus::kStreamFailed;
    }
    try {
        m_stream = m_device->setupStream(SOAPY_SDR_RX, SOAPY_SDR_CF32);
        if (m_stream && m_device->activateStream(m_stream) != 0)
            throw std::runtime_error("the stream does not start");
        if (!m_stream)
            throw std::runtime_error("no receive stream");
    } catch (const std::exception &e) {
        errors.append({AcqStatus::kStreamFailed,
                       QStringLiteral("%1 %2: %3").arg(text(m_data.type), text(m_data.serial), text(e.what()))});
        close();
        return AcqStatus::kStreamFailed;
    }
    readLimits();
    m_params = {m_device->getFrequency(SOAPY_SDR_RX, 0), m_device->getSampleRate(SOAPY_SDR_RX, 0),
                -m_device->getGain(SOAPY_SDR_RX, 0)};
    return AcqStatus::kReady;
}

void SoapyInstrument::close()
{
    if (!m_device)
        return;
    try {
        if (m_stream) {
            m_device->deactivateStream(m_stream);
            m_device->closeStream(m_stream);
        }
        SoapySDR::Device::unmake(m_device);
    } catch (const std::exception &) {
        // A device that went away is closed all the same.
    }
    m_stream = nullptr;
    m_device = nullptr;
}

void SoapyInstrument::readLimits()
{
    const auto span = [](const SoapySDR::RangeList &ranges, double &low, double &high) {
        if (ranges.empty())
            return;
        low = ranges.front().minimum();
        high = ranges.front().maximum();
        for (const SoapySDR::Range &r : ranges) {
            low = std::min(low, r.minimum());
            high = std::max(high, r.maximum());
        }
    };
    m_lower = m_upper = Params{};
    span(m_device->getFrequencyRange(SOAPY_SDR_RX, 0), m_lower.carrierFreq, m_upper.carrierFreq);
    span(m_device->getSampleRateRange(SOAPY_SDR_RX, 0), m_lower.sampleRate, m_upper.sampleRate);
    const SoapySDR::Range gain = m_device->getGainRange(SOAPY_SDR_RX, 0);
    m_lower.refLevel = -gain.maximum();
    m_upper.refLevel = -gain.minimum();
}

Params SoapyInstrument::limits(int which) const
{
    return which == 0 ? m_lower : m_upper;
}

int SoapyInstrument::apply(const Params &wanted, QVector<DeviceError> &errors)
{
    if (!m_device)
        return AcqStatus::kNotConnected;
    try {
        m_device->setSampleRate(SOAPY_SDR_RX, 0, std::clamp(wanted.sampleRate, m_lower.sampleRate, m_upper.sampleRate));
        m_device->setFrequency(SOAPY_SDR_RX, 0, std::clamp(wanted.carrierFreq, m_lower.carrierFreq, m_upper.carrierFreq));
        m_device->setGain(SOAPY_SDR_RX, 0, -std::clamp(wanted.refLevel, m_lower.refLevel, m_upper.refLevel));
        m_params = {m_device->getFrequency(SOAPY_SDR_RX, 0), m_device->getSampleRate(SOAPY_SDR_RX, 0),
                    -m_device->getGain(SOAPY_SDR_RX, 0)};
    } catch (const std::exception &e) {
        errors.append({AcqStatus::kDataOutOfRange, QStringLiteral("Settings refused: %1").arg(text(e.what()))});
        return AcqStatus::kDataOutOfRange;
    }
    return AcqStatus::kReady;
}

int SoapyInstrument::maxPoints() const
{
    return kMaxPoints;
}

int SoapyInstrument::setPoints(int points, QVector<DeviceError> &errors)
{
    if (points < 1 || points > kMaxPoints) {
        errors.append({AcqStatus::kDataOutOfRange, QStringLiteral("Data out of range: %1 points").arg(points)});
        return AcqStatus::kDataOutOfRange;
    }
    m_points = points;
    return AcqStatus::kReady;
}

int SoapyInstrument::read(Samples &samples, QVector<DeviceError> &errors)
{
    samples.clear();
    if (!m_device || !m_stream)
        return AcqStatus::kNotConnected;
    m_buffer.resize(size_t(m_points));
    size_t got = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(kReadTimeoutS);
    while (got < m_buffer.size()) {
        void *buffers[] = {m_buffer.data() + got};
        int flags = 0;
        long long timeNs = 0;
        const int n = m_device->readStream(m_stream, buffers, m_buffer.size() - got, flags, timeNs, kChunkTimeoutUs);
        if (n > 0) {
            got += size_t(n);
        } else if (n == SOAPY_SDR_OVERFLOW || n == SOAPY_SDR_TIMEOUT) {
            // Samples lost while nobody read, or none yet: keep reading until the deadline.
        } else {
            errors.append({AcqStatus::kLost, QStringLiteral("%1 %2 stopped answering: %3")
                                                 .arg(text(m_data.type), text(m_data.serial), SoapySDR::errToStr(n))});
            return AcqStatus::kLost;
        }
        if (got < m_buffer.size() && std::chrono::steady_clock::now() > deadline) {
            errors.append({AcqStatus::kTimeout, QStringLiteral("Timeout: %1 of %2 points arrived in %3 s")
                                                    .arg(got).arg(m_buffer.size()).arg(kReadTimeoutS)});
            return AcqStatus::kTimeout;
        }
    }
    const double fullScale = std::pow(10.0, m_params.refLevel / 20.0);
    bool isOver = false;
    samples.resize(m_points);
    for (int k = 0; k < m_points; ++k) {
        const std::complex<float> s = m_buffer[size_t(k)];
        isOver = isOver || std::abs(s.real()) >= kOverloadShare || std::abs(s.imag()) >= kOverloadShare;
        samples[k] = std::complex<double>(s.real(), s.imag()) * fullScale;
    }
    return isOver ? AcqStatus::kOverload : AcqStatus::kReady;
}

void SoapyInstrument::setExtSync(bool isOn, double hz)
{
    if (!m_device)
        return;
    try {
        const std::vector<std::string> sources = m_device->listClockSources();
        const std::string wanted = isOn ? "external" : "internal";
        if (std::find(sources.begin(), sources.end(), wanted) != sources.end())
            m_device->setClockSource(wanted);
        if (isOn && hz > 0)
            m_device->setReferenceClockRate(hz);
    } catch (const std::exception &) {
        // Devices without a reference input run on their own clock.
    }
}
