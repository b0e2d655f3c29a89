#include "SpectrogramScale.h"

#include <algorithm>
#include <cmath>

SpectrogramScale::SpectrogramScale() { rebuild(); }

bool SpectrogramScale::isSameLevel(double a, double b)
{
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

bool SpectrogramScale::setLowColor(const QColor &color)
{
    if (color == m_low)
        return false;
    m_low = color;
    rebuild();
    return true;
}

bool SpectrogramScale::setHighColor(const QColor &color)
{
    if (color == m_high)
        return false;
    m_high = color;
    rebuild();
    return true;
}

bool SpectrogramScale::setLowLevel(double level)
{
    if (isSameLevel(level, m_lowLevel))
        return false;
    m_lowLevel = level;
    rebuild();
    return true;
}

bool SpectrogramScale::setHighLevel(double level)
{
    if (isSameLevel(level, m_highLevel))
        return false;
    m_highLevel = level;
    rebuild();
    return true;
}

QRgb SpectrogramScale::colorOf(double level) const
{
    const double v = std::clamp(level, std::min(m_lowLevel, m_highLevel), std::max(m_lowLevel, m_highLevel));
    // The nudge keeps a channel that is exactly an integer (the end colours) from
    // truncating to one below through rounding in k_c * v + d_c.
    constexpr double kNudge = 1e-9;
    int c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = std::clamp(int(m_slope[i] * v + m_offset[i] + kNudge), 0, 255);
    return qRgba(c[0], c[1], c[2], 255);
}

QRgb SpectrogramScale::lookup(double level) const
{
    const double span = m_highLevel - m_lowLevel;
    if (span == 0.0 || std::isnan(level))
        return colorOf(level);
    const double position = std::clamp((level - m_lowLevel) / span * (kTableSize - 1), 0.0, double(kTableSize - 1));
    return m_table[int(std::lround(position))];
}

void SpectrogramScale::rebuild()
{
    const double span = m_highLevel - m_lowLevel;
    const int high[3] = {m_high.red(), m_high.green(), m_high.blue()};
    const int low[3] = {m_low.red(), m_low.green(), m_low.blue()};
    for (int i = 0; i < 3; ++i) {
        m_slope[i] = span == 0.0 ? 0.0 : (high[i] - low[i]) / span;
        m_offset[i] = high[i] - m_slope[i] * m_highLevel;
    }
    m_table.resize(kTableSize);
    for (int i = 0; i < kTableSize; ++i)
        m_table[i] = colorOf(m_lowLevel + span * i / (kTableSize - 1));
}
