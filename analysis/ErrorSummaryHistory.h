#pragma once

#include "DataAnalysis.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <deque>

// The averaging history of the error summary, one per process and shared by every
// error-summary frame: for each row a queue of the values of the analyses seen,
// newest last, at most kCapacity of them. Values that are averaged in the linear
// domain (EVM, gain imbalance, SNR) are stored linear. Every access is under the
// one mutex, as frames read while the engine's deliveries are added.
class ErrorSummaryHistory
{
public:
    static constexpr int kCapacity = 10000;

    // How a row's value enters the queue and how its mean is shown.
    enum Scale {
        Plain,      // as it is
        AmplitudeDb,  // stored 10^(0.05·x), shown 20·log10(mean)
        PowerDb,      // stored 10^(0.1·x), shown 10·log10(mean)
        LevelDbm,     // an amplitude factor, shown P0 − 20·log10(mean)
        NoAverage,    // stored, never shown averaged ("EVM Peak")
    };
    struct Row
    {
        const char *name;  // the row's caption and label name
        const char *unit;
        double DataAnalysis::*field;
        Scale scale;
    };
    // The twelve rows in display order.
    static const QVector<Row> &rows();

    static ErrorSummaryHistory &instance();

    // The number of analyses averaged; 0 switches averaging off.
    void setCount(int count);
    int count() const;
    // Appends one analysis (nothing while the count is 0); beyond kCapacity the
    // oldest entry of every queue goes.
    void add(const DataAnalysis &data);
    void clear();
    // Entries in the EVM queue.
    int size() const;
    // The mean of the newest min(size(), n) entries of each row, summed in extended
    // precision and turned back into the row's unit with the power offset p0; rows
    // without an average and an empty history are missing from the map.
    QMap<QString, double> averages(int n, double p0) const;

    // The value a row shows for a current analysis (only "Power" differs from the field;
    // p0 is PowerOffset::offsetDb of the scheme).
    static double currentValue(const Row &row, const DataAnalysis &data, double p0);

private:
    ErrorSummaryHistory() = default;

    mutable QMutex m_mutex;  // guards m_queues and m_count
    QMap<QString, std::deque<double>> m_queues;
    int m_count = 0;
};
