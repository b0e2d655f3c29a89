#pragma once

#include <QColor>
#include <QVector>
#include <QtGui/qrgb.h>

// The colour scale of a spectrogram: levels from low to high map linearly, per
// channel, from the low colour to the high colour; levels outside are clamped.
// The map is kept as a lookup table, rebuilt only when a colour or level changes.
class SpectrogramScale
{
public:
    static constexpr int kTableSize = 1024;

    SpectrogramScale();

    QColor lowColor() const { return m_low; }
    QColor highColor() const { return m_high; }
    double lowLevel() const { return m_lowLevel; }
    double highLevel() const { return m_highLevel; }

    // Each returns false (and changes nothing) when the value is already set;
    // levels compare equal within a relative 1e-12.
    bool setLowColor(const QColor &color);
    bool setHighColor(const QColor &color);
    bool setLowLevel(double level);
    bool setHighLevel(double level);

    // The exact colour of a level: (k_c * v + d_c) per channel, truncated and
    // clamped to 0..255, alpha 255.
    QRgb colorOf(double level) const;
    // The table's colour for a level: what the spectrogram paints.
    QRgb lookup(double level) const;

    static bool isSameLevel(double a, double b);

private:
    void rebuild();

    QColor m_low{40, 40, 40};
    QColor m_high{179, 244, 167};
    double m_lowLevel = -140.0;
    double m_highLevel = 0.0;
    double m_slope[3] = {};   // k_c for red, green, blue
    double m_offset[3] = {};  // d_c
    QVector<QRgb> m_table;    // kTableSize entries from low to high level
};
