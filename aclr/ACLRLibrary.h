#pragma once

#include "ACLRRecords.h"
#include "LibraryLoader.h"
#include "Signal.h"

#include <QMetaType>
#include <QString>
#include <QVector>
#include <vector>

// One row of the result table.
struct ACLRChannelRow
{
    QString name;
    int offset = 0;      // Hz, from the reference carrier's centre (truncated)
    int bandwidth = 0;   // Hz (truncated)
    QString filterType;  // "Square"
    QString reference;   // "CC1" or "CC2"
    double dbc = 0.0;    // NaN: the channel lies outside the recorded band
    double dbm = 0.0;
    bool isInBand() const { return dbm == dbm; }
};

// A coloured band of the ACLR spectrum: a carrier or an adjacent channel.
struct ACLRBand
{
    QString name;
    bool isCarrier = false;
    double start = 0.0;      // Hz from the recording's centre
    double bandwidth = 0.0;  // Hz
    double level = 0.0;      // dBm for a carrier, dBc for a channel; NaN outside the band
};

// What one measurement gave: the table, the spectrum trace (dBm per bin from -Fs/2
// up) and the bands; empty when nothing was measured.
struct ACLRResults
{
    QVector<ACLRChannelRow> rows;
    QVector<double> trace;
    QVector<ACLRBand> bands;
    ACLRStatusBlock status;
    bool isMeasured = false;
};
Q_DECLARE_METATYPE(ACLRResults)

// The aclr_core library with its output areas. Loaded once at construction from the
// program's folder by file name; its one export is resolved once and never called
// when missing (the measurement then gives nothing).
class ACLRLibrary
{
public:
    ACLRLibrary();
    ~ACLRLibrary();

    // The program's library folder, absolute (tests point it at the build).
    static void setDefaultFolder(const QString &folder);

    bool isLoaded() const { return m_measure != nullptr; }
    // Why isLoaded() is false.
    QString errorString() const { return m_error; }

    // Measures at most kACLRMaxSamples samples; false when the library is missing.
    bool measure(const IQ *samples, int count, const ACLRParameterBlock &block);
    ACLRResults results() const;
    const ACLRParameterBlock &lastBlock() const { return m_lastBlock; }

private:
    using Measurement = void (*)(const double *, const double *, double, const int32_t *, double, const double *,
                                 const int16_t *, const int16_t *, const double *, ACLRCarrierRecord *,
                                 ACLRChannelRecord *, ACLRStatusBlock *, ACLROutputArray *);

    LibraryLoader m_library;
    Measurement m_measure = nullptr;
    QString m_error;
    std::vector<double> m_i, m_q;
    int m_filled = 0;  // samples copied by the last call; the rest of m_i and m_q is zero
    ACLRCarrierRecord m_carriers[kACLRCarrierRecords];
    ACLRChannelRecord m_table[kACLRChannelRecords];
    ACLRStatusBlock m_status;
    ACLROutputArray m_output;
    ACLRParameterBlock m_lastBlock;
    bool m_isMeasured = false;

    Q_DISABLE_COPY(ACLRLibrary)
};
