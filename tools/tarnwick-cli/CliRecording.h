#pragma once

#include "IOSignal.h"
#include "ManagerSignal.h"

#include <QString>

// A recording loaded into a vector-analysis hub through the program's own reader,
// synchronously, for the command-line tool. Loading never touches the user's
// last-file register.
class CliRecording
{
public:
    CliRecording();

    // The rate and centre frequency of raw files whose names do not carry them
    // (--rate, --frequency), for every recording loaded afterwards.
    static void setRawRates(double rate, double frequency);
    // Takes --rate and --frequency with their values out of args; false with a
    // reason in error for a value that is not a frequency.
    static bool takeRawRateOptions(QStringList &args, QString &error);
    // A frequency in Hz: a plain number ("1.5e6") or a number with a unit after a blank ("1.5 MHz").
    static bool parseHertz(const QString &text, double &hz);

    // False with a one-line reason in error() when the file does not give a recording.
    // What the reader left out or replaced goes to standard error as warnings.
    bool load(const QString &path);
    QString error() const { return m_error; }
    // What the reader left out or replaced, one line each, naming the file.
    QStringList warnings() const { return m_warnings; }
    QString path() const { return m_path; }
    // "owv", "wv", "bin", "dat", "txt", "sigmf-meta", "sigmf-data", "sigmf", "cf32", "cf64", "cs16", "cs8" or "cu8".
    QString format() const;

    ManagerSignal &hub() { return m_hub; }
    IOSignal &io() { return m_io; }

private:
    ManagerSignal m_hub;
    IOSignal m_io;
    QString m_path;
    QString m_error;
    QStringList m_warnings;
};
