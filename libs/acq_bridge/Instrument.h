#pragma once

#include "DeviceError.h"
#include "Params.h"

#include <QVector>
#include <complex>

// One instrument that the library drives. Every call answers a status
// (AcqStatus); a failing call adds its reason to errors.
class Instrument
{
public:
    using Samples = QVector<std::complex<double>>;

    virtual ~Instrument() = default;

    virtual int open(QVector<DeviceError> &errors) = 0;
    virtual void close() = 0;
    // Lower (0) or upper (1) limits of carrier, sample rate and reference level.
    virtual Params limits(int which) const = 0;
    // Values outside the limits are brought to the nearest limit, as instruments do.
    virtual int apply(const Params &wanted, QVector<DeviceError> &errors) = 0;
    virtual Params inForce() const = 0;
    virtual int maxPoints() const = 0;
    virtual int setPoints(int points, QVector<DeviceError> &errors) = 0;
    virtual int points() const = 0;
    // One block of points() samples, or an empty block and the reason.
    virtual int read(Samples &samples, QVector<DeviceError> &errors) = 0;
    virtual void setExtSync(bool isOn, double hz) = 0;
};
