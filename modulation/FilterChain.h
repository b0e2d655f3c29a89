#pragma once

#include "Signal.h"

#include <QVector>

#include <memory>
#include <vector>

class Filtration;
class progressGenerate;

// Owns one filter design and applies it to complex data: the I and the Q values
// are convolved separately with the same real coefficients, on all cores.
// One chain per user of filtering; the work buffers are kept between calls.
class FilterChain
{
public:
    FilterChain();
    ~FilterChain();
    FilterChain(const FilterChain &) = delete;
    FilterChain &operator=(const FilterChain &) = delete;

    // Replaces the design object when the type changes, and the parameters when they differ.
    void setType(int type, const QVector<double> &params);
    int type() const { return m_type; }

    void setTaps(int taps);
    int taps() const { return m_taps; }
    // Samples per symbol; never below 1.
    void setOversampling(int oversampling);
    int oversampling() const { return m_oversampling; }
    void setParameters(const QVector<double> &params) { m_params = params; }
    const QVector<double> &parameters() const { return m_params; }
    // The caller's progress reporter (not owned), or nullptr. Its stop flag ends a
    // running apply() early.
    void setProgress(progressGenerate *progress) { m_progress = progress; }

    QVector<double> coefficients() const;

    // Filters `signal` in place and returns the result: taps/2 samples of filter delay
    // are removed, leaving size − taps samples, or none when taps ≥ size. A design
    // without coefficients (NotFilter, an empty user filter) leaves the signal as it is.
    IQVector apply(IQVector &signal);

private:
    bool convolveComponent(const IQVector &signal, bool imaginary, std::vector<double> &out);

    int m_type;
    std::unique_ptr<Filtration> m_filtration;
    QVector<double> m_params;
    int m_taps;
    int m_oversampling;
    progressGenerate *m_progress = nullptr;

    std::vector<double> m_component;
    std::vector<double> m_reversed;
    std::vector<double> m_outI;
    std::vector<double> m_outQ;
};
