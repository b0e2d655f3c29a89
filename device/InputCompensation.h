#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// The transmission of what lies between the signal and the instrument's input (a
// cable, an attenuator, a fixture), from a Touchstone .s2p file (its S21) or a CSV
// file of "frequency in Hz, gain in dB" lines. Blocks are corrected by the gain at
// the carrier, so that levels read as they are before the loss.
class InputCompensation
{
public:
    // False, with the reason, for a file that holds no usable point; the
    // compensation is then unchanged.
    bool load(const QString &path, QString *error);
    void clear() { m_points.clear(); }
    bool isEmpty() const { return m_points.isEmpty(); }
    // S21 in dB at frequency, interpolated linearly, held beyond the first and last points.
    double gainDb(double frequency) const;
    int count() const { return m_points.size(); }

private:
    static bool readTouchstone(const QStringList &lines, QVector<QPair<double, double>> &points);
    static bool readCsv(const QStringList &lines, QVector<QPair<double, double>> &points);

    QVector<QPair<double, double>> m_points;  // frequency (Hz), gain (dB), by frequency
};
