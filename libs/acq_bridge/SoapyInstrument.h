#pragma once

#include "DeviceData.h"
#include "Instrument.h"

#include <complex>
#include <vector>

namespace SoapySDR {
class Device;
class Stream;
}

// An SDR receiver reached through SoapySDR: the address is the device's argument
// string, the type its driver and the serial its serial. The reference level sets
// the receive gain (gain = -reference level), and samples are scaled so that full
// scale reads as the reference level.
class SoapyInstrument : public Instrument
{
public:
    static constexpr double kReadTimeoutS = 1.0;
    static constexpr double kOverloadShare = 0.999;  // of full scale

    // Every device that SoapySDR finds, and those matching the argument strings in the
    // environment variable ACQ_SOAPY_ARGS ("type=null;driver=rtlsdr"), which finds
    // devices that a plain search does not list.
    static std::vector<DeviceData> enumerate();

    explicit SoapyInstrument(const DeviceData &device);
    ~SoapyInstrument() override;

    int open(QVector<DeviceError> &errors) override;
    void close() override;
    Params limits(int which) const override;
    int apply(const Params &wanted, QVector<DeviceError> &errors) override;
    Params inForce() const override { return m_params; }
    int maxPoints() const override;
    int setPoints(int points, QVector<DeviceError> &errors) override;
    int points() const override { return m_points; }
    int read(Samples &samples, QVector<DeviceError> &errors) override;
    void setExtSync(bool isOn, double hz) override;

private:
    void readLimits();

    DeviceData m_data;
    SoapySDR::Device *m_device = nullptr;
    SoapySDR::Stream *m_stream = nullptr;
    Params m_lower;
    Params m_upper;
    Params m_params;
    int m_points = 10000;
    std::vector<std::complex<float>> m_buffer;
};
