#include "SimulatedAnalyzer.h"

#include "acq_bridge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

DeviceData SimulatedAnalyzer::listing(bool isBusy)
{
    DeviceData device;
    device.setAddress(kAddress);
    device.type = kType;
    device.serial = kSerial;
    device.busy = isBusy;
    return device;
}

bool SimulatedAnalyzer::isSimulated(const DeviceData &device)
{
    return device.type == kType && device.serial == kSerial;
}

SimulatedAnalyzer::SimulatedAnalyzer() : m_scene(SimScene::standard())
{
    if (const char *text = std::getenv("ACQ_SIM_SCENE")) {
        SimScene custom;
        if (SimScene::parse(text, custom))
            m_scene = custom;
    }
}

double SimulatedAnalyzer::attenuationDb(double refLevel)
{
    const double needed = std::ceil((refLevel - kMixerLevelDbm) / 5.0) * 5.0;
    return std::clamp(needed, 0.0, kMaxAttenuationDb);
}

int SimulatedAnalyzer::open(QVector<DeviceError> &)
{
    m_sampleClock = 0;
    return AcqStatus::kReady;
}

Params SimulatedAnalyzer::limits(int which) const
{
    if (which == 0)
        return {kMinCarrier, kMinRate, kMinRefLevel};
    return {kMaxCarrier, kMaxRate, kMaxRefLevel};
}

int SimulatedAnalyzer::apply(const Params &wanted, QVector<DeviceError> &errors)
{
    if (!std::isfinite(wanted.carrierFreq) || !std::isfinite(wanted.sampleRate) || !std::isfinite(wanted.refLevel)) {
        errors.append({AcqStatus::kDataOutOfRange, QStringLiteral("Data out of range: a setting is not a number")});
        return AcqStatus::kDataOutOfRange;
    }
    m_params.carrierFreq = std::clamp(wanted.carrierFreq, kMinCarrier, kMaxCarrier);
    m_params.sampleRate = std::clamp(wanted.sampleRate, kMinRate, kMaxRate);
    m_params.refLevel = std::clamp(wanted.refLevel, kMinRefLevel, kMaxRefLevel);
    return AcqStatus::kReady;
}

int SimulatedAnalyzer::setPoints(int points, QVector<DeviceError> &errors)
{
    if (points < 1) {
        errors.append({AcqStatus::kDataOutOfRange, QStringLiteral("Data out of range: %1 points").arg(points)});
        return AcqStatus::kDataOutOfRange;
    }
    // Taken as asked: the capture itself finds out whether the memory holds it.
    m_points = points;
    return AcqStatus::kReady;
}

void SimulatedAnalyzer::setExtSync(bool isOn, double hz)
{
    m_isExtSync = isOn;
    m_extSyncHz = hz;
}

int SimulatedAnalyzer::read(Samples &samples, QVector<DeviceError> &errors)
{
    samples.clear();
    if (m_points > kCaptureMemory) {
        errors.append({AcqStatus::kSettingsConflict,
                       QStringLiteral("Settings conflict: %1 points requested, the capture memory holds %2")
                           .arg(m_points)
                           .arg(kCaptureMemory)});
        return AcqStatus::kSettingsConflict;
    }
    const double duration = m_points / m_params.sampleRate;
    if (duration > kCaptureTimeoutS) {
        errors.append({AcqStatus::kTimeout,
                       QStringLiteral("Timeout: %1 points at %2 Hz take %3 s, the time-out is %4 s")
                           .arg(m_points)
                           .arg(m_params.sampleRate)
                           .arg(duration)
                           .arg(kCaptureTimeoutS)});
        return AcqStatus::kTimeout;
    }
    const auto started = std::chrono::steady_clock::now();
    samples.fill(std::complex<double>(0.0, 0.0), m_points);
    m_scene.render(samples.data(), m_points, m_params.carrierFreq, m_params.sampleRate, m_sampleClock);
    addNoise(samples);
    m_sampleClock += m_points;
    const bool isOverload = clip(samples);
    // The capture lasts as long as its samples do.
    std::this_thread::sleep_until(started + std::chrono::duration<double>(duration));
    if (m_isExtSync && std::abs(m_extSyncHz - kReferenceHz) > 1.0) {
        errors.append({AcqStatus::kReferenceUnlocked,
                       QStringLiteral("External reference unlocked: %1 Hz expected, %2 Hz present")
                           .arg(m_extSyncHz)
                           .arg(kReferenceHz)});
        return AcqStatus::kReferenceUnlocked;
    }
    return isOverload ? AcqStatus::kOverload : AcqStatus::kReady;
}

void SimulatedAnalyzer::addNoise(Samples &samples)
{
    const double densityDbm = kNoiseDensityDbmHz + attenuationDb(m_params.refLevel);
    const double power = std::pow(10.0, densityDbm / 10.0) * m_params.sampleRate;  // mW in the band
    std::normal_distribution<double> gauss(0.0, std::sqrt(power / 2.0));
    for (std::complex<double> &s : samples)
        s += std::complex<double>(gauss(m_random), gauss(m_random));
}

bool SimulatedAnalyzer::clip(Samples &samples) const
{
    const double fullScale = std::pow(10.0, m_params.refLevel / 20.0);
    bool isOver = false;
    for (std::complex<double> &s : samples) {
        const double i = s.real();
        const double q = s.imag();
        if (std::abs(i) > fullScale || std::abs(q) > fullScale) {
            isOver = true;
            s = {std::clamp(i, -fullScale, fullScale), std::clamp(q, -fullScale, fullScale)};
        }
    }
    return isOver;
}
