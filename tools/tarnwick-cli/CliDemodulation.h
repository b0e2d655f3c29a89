#pragma once

#include "DataAnalysis.h"
#include "ManagerSignal.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class CliRecording;
class ParserDigitalModulation;

// One window of a recording demodulated by the workstation's digital-modulation
// engine and receiver library, for the commands that show or print it. Owns the
// options they share (--modulation NAME --symbol-rate HZ [--sample-rate HZ]
// [--filter NAME] [--alpha A] [--symbols N] [--start N]) and a hub of the
// digital-modulation mode that keeps the corrected frame selected afterwards, as the
// workstation's DM mode leaves it for its views.
class CliDemodulation
{
public:
    // As many symbols as the workstation's window holds when it opens a recording.
    static constexpr int kDefaultSymbols = 2000;

    CliDemodulation();
    ~CliDemodulation();

    // True when args ask for a demodulation (they carry --symbol-rate).
    static bool isRequested(const QStringList &args);
    // Takes our options and their values out of args ("--opt value" or "--opt=value");
    // false with a reason in error() for a missing or bad one.
    bool take(QStringList &args);
    // Demodulates the first layer from --start; false with a reason in error() and,
    // when the reason is the caller's options, isUsageError().
    bool run(CliRecording &recording);

    QString error() const { return m_error; }
    bool isUsageError() const { return m_isUsageError; }
    QString modulation() const { return m_modulation; }
    DataAnalysis statistics() const { return m_statistics; }
    QVector<int> symbols() const { return m_symbols; }
    // The hub holding the corrected frame as its ready and selected signal.
    ManagerSignal &hub() { return m_hub; }
    // Samples per symbol of the corrected frame and the index of its first strobe.
    int oversampling() const;
    int time4Sampling() const;
    // The corrected frame's sample rate: its samples per symbol on the symbol clock found.
    double frameRate() const;

private:
    bool fail(const QString &reason, bool isUsage);

    QString m_modulation;
    QString m_filter;
    double m_symbolRate = 0.0;
    double m_sampleRate = 0.0;  // 0: the recording's own
    double m_alpha = 0.0;       // 0: the receiver's default
    int m_symbolCount = 0;      // 0: the default window, within what the recording holds
    int m_start = 0;

    ManagerSignal m_hub;
    std::unique_ptr<ParserDigitalModulation> m_engine;
    DataAnalysis m_statistics;
    QVector<int> m_symbols;
    QString m_error;
    bool m_isUsageError = false;
};
