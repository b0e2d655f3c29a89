#pragma once

#include <QVector>

// A real FIR filter design: turns a tap count, the oversampling (samples per
// symbol) and the filter's own parameters into coefficients. Stateless, so one
// object serves any number of designs.
class Filtration
{
public:
    Filtration() = default;
    virtual ~Filtration() = default;
    Filtration(const Filtration &) = delete;
    Filtration &operator=(const Filtration &) = delete;

    virtual QVector<double> coefficients(int taps, double oversampling,
                                         const QVector<double> &params) const = 0;

    // Tap times in symbol periods: `taps` values from −taps/(2·ovs) in steps of 1/ovs.
    static QVector<double> timeAxis(int taps, double oversampling);
};
