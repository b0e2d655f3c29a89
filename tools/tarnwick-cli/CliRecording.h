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

    // False with a one-line reason in error() when the file does not give a recording.
    // What the reader left out or replaced goes to standard error as warnings.
    bool load(const QString &path);
    QString error() const { return m_error; }
    // What the reader left out or replaced, one line each, naming the file.
    QStringList warnings() const { return m_warnings; }
    QString path() const { return m_path; }
    // "owv", "wv", "bin", "dat" or "txt".
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
