#pragma once

#include <complex>

// e^{j(start + step·n)} for n = 0, 1, 2, … by complex multiplication, recomputed
// exactly every so often so that rounding cannot build up; sines and cosines per
// sample cost more than the filtering they accompany.
class Rotator
{
public:
    Rotator(double start, double step) : m_start(start), m_step(step), m_increment(std::polar(1.0, step)) { seek(0); }

    std::complex<double> value() const { return m_value; }
    void next()
    {
        if (++m_index % kReseed == 0)
            seek(m_index);
        else
            m_value *= m_increment;
    }

private:
    static constexpr long kReseed = 256;
    void seek(long index)
    {
        m_index = index;
        m_value = std::polar(1.0, m_start + m_step * double(index));
    }

    double m_start;
    double m_step;
    std::complex<double> m_increment;
    std::complex<double> m_value;
    long m_index = 0;
};
