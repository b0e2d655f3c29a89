#pragma once

#include "DeviceData.h"
#include "Instrument.h"
#include "SimScene.h"

#include <chrono>
#include <random>

// A 6 GHz signal analyser in software: it captures blocks of its input scene at
// the carrier and sample rate set, adds its own noise floor (which rises with the
// input attenuation that the reference level sets), and clips at full scale, which
// is the reference level. A capture lasts as long as its samples do.
class SimulatedAnalyzer : public Instrument
{
public:
    static constexpr const char *kType = "SIM-SA";
    static constexpr const char *kSerial = "0001";
    static constexpr const char *kAddress = "SIM::0001::INSTR";
    static constexpr double kMinCarrier = 0.0;
    static constexpr double kMaxCarrier = 6e9;
    static constexpr double kMinRate = 100.0;
    static constexpr double kMaxRate = 200e6;
    static constexpr double kMinRefLevel = -130.0;
    static constexpr double kMaxRefLevel = 30.0;
    static constexpr int kCaptureMemory = 16 * 1024 * 1024;  // samples
    static constexpr double kCaptureTimeoutS = 2.0;
    static constexpr double kReferenceHz = 10e6;  // the reference present at the sync input
    // Noise density at the mixer with no attenuation, and the mixer level the attenuator aims at.
    static constexpr double kNoiseDensityDbmHz = -155.0;
    static constexpr double kMixerLevelDbm = -10.0;
    static constexpr double kMaxAttenuationDb = 70.0;

    static DeviceData listing(bool isBusy);
    static bool isSimulated(const DeviceData &device);

    // The scene is the standard one unless the environment variable ACQ_SIM_SCENE describes another.
    SimulatedAnalyzer();

    // The input attenuation for a reference level: 5 dB steps that keep the mixer at or below kMixerLevelDbm.
    static double attenuationDb(double refLevel);
    const SimScene &scene() const { return m_scene; }

    int open(QVector<DeviceError> &errors) override;
    void close() override {}
    Params limits(int which) const override;
    int apply(const Params &wanted, QVector<DeviceError> &errors) override;
    Params inForce() const override { return m_params; }
    int maxPoints() const override { return kCaptureMemory; }
    int setPoints(int points, QVector<DeviceError> &errors) override;
    int points() const override { return m_points; }
    int read(Samples &samples, QVector<DeviceError> &errors) override;
    void setExtSync(bool isOn, double hz) override;

private:
    void addNoise(Samples &samples);
    // Clips I and Q at full scale; true when anything reached beyond it.
    bool clip(Samples &samples) const;

    SimScene m_scene;
    Params m_params{0.0, 1e6, 0.0};
    int m_points = 10000;
    long long m_sampleClock = 0;  // samples since the instrument was opened
    bool m_isExtSync = false;
    double m_extSyncHz = kReferenceHz;
    std::mt19937_64 m_random{20260101};
};
