#pragma once

#include <QMetaType>
#include <QVector>
#include <complex>

using IQ = std::complex<double>;
using IQVector = QVector<IQ>;

// One layer of a recording: complex samples (I real, Q imaginary) in time order,
// unscaled. Copies share their storage until one of them is written.
class Signal
{
public:
    Signal() = default;
    explicit Signal(IQVector samples) : m_samples(std::move(samples)) {}

    const IQVector &samples() const { return m_samples; }
    void setSamples(IQVector samples) { m_samples = std::move(samples); }
    // Writable access detaches shared storage: never call it on a vector that a
    // selection points into.
    IQVector &mutableSamples() { return m_samples; }

    int size() const { return m_samples.size(); }
    bool isEmpty() const { return m_samples.isEmpty(); }

    friend bool operator==(const Signal &a, const Signal &b) { return a.m_samples == b.m_samples; }

private:
    IQVector m_samples;
};

Q_DECLARE_METATYPE(Signal)
Q_DECLARE_METATYPE(Signal *)
Q_DECLARE_METATYPE(QVector<Signal *>)
Q_DECLARE_METATYPE(QVector<Signal>)

// Registers "Signal", "Signal*", "QVector<Signal*>" and "QVector<Signal>" so that
// records cross threads in queued connections. Safe to call more than once.
void registerSignalMetaTypes();
