#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class CliRecording;

// The selection options shared by the display commands (--layer, --start,
// --length, --avg, --width, --carrier) and the hub set-up they imply: the chosen
// layer becomes the current and ready signal and samples start .. start+length-1
// are selected, as the engine and the selection bar would leave them.
class CliDisplayRequest
{
public:
    // Reads a command line of one FILE, our options and the command's own
    // text-valued options (`textOptions`, by name). False with a reason in error().
    bool parse(const QStringList &args, const QMap<QString, QString *> &textOptions, QString &file);
    // Checks the options against the recording and prepares its hub. False with
    // a reason in error().
    bool apply(CliRecording &recording);

    int layer() const { return m_layer; }
    int start() const { return m_start; }
    int length() const { return m_length; }
    bool isLengthGiven() const { return m_isLengthGiven; }
    int average() const { return m_average; }
    int width() const { return m_width; }  // 0 when not given
    // The carrier to show: --carrier, or the recording's own.
    double carrier() const { return m_carrier; }
    QString error() const { return m_error; }

private:
    // Takes the option at args[i] and its value (advancing i) when it is one of
    // ours: 1 taken, 0 not ours, -1 bad value (reason in error()).
    int takeOption(const QStringList &args, int &i);
    bool fail(const QString &reason);

    int m_layer = 1;
    int m_start = 0;
    int m_length = -1;  // -1: to the end of the layer
    bool m_isLengthGiven = false;
    int m_average = 1;
    int m_width = 0;
    bool m_hasCarrier = false;
    double m_carrier = 0.0;
    QString m_error;
};
