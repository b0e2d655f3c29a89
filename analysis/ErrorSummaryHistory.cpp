#include "ErrorSummaryHistory.h"

#include "PowerOffset.h"

#include <QMutexLocker>
#include <algorithm>
#include <cmath>

namespace {
using H = ErrorSummaryHistory;

double stored(H::Scale scale, double value)
{
    switch (scale) {
    case H::AmplitudeDb: return std::pow(10.0, 0.05 * value);
    case H::PowerDb: return std::pow(10.0, 0.1 * value);
    default: return value;
    }
}

double shown(H::Scale scale, double mean, double p0)
{
    switch (scale) {
    case H::AmplitudeDb: return 20.0 * std::log10(mean);
    case H::PowerDb: return 10.0 * std::log10(mean);
    case H::LevelDbm: return PowerOffset::levelDbm(mean, p0);
    default: return mean;
    }
}
}  // namespace

const QVector<H::Row> &ErrorSummaryHistory::rows()
{
    static const QVector<Row> table{
        {"EVM", "%", &DataAnalysis::evm, AmplitudeDb},
        {"EVM Peak", "%", &DataAnalysis::evmPeak, NoAverage},
        {"Magnitude Error", "dB", &DataAnalysis::magnitudeError, Plain},
        {"Phase Error", "deg", &DataAnalysis::phaseError, Plain},
        {"Frequency Error", "Hz", &DataAnalysis::freqError, Plain},
        {"MER", "dB", &DataAnalysis::mer, Plain},
        {"IQ Offset", "dB", &DataAnalysis::iqOffset, Plain},
        {"Gain Imbalance", "dB", &DataAnalysis::gainImbalance, AmplitudeDb},
        {"Quadrature Error", "deg", &DataAnalysis::quadratureError, Plain},
        {"SNR", "dB", &DataAnalysis::snr, PowerDb},
        {"Symbol Rate", "Hz", &DataAnalysis::symbolRate, Plain},
        {"Power", "dBm", &DataAnalysis::power, LevelDbm},
    };
    return table;
}

ErrorSummaryHistory &ErrorSummaryHistory::instance()
{
    static ErrorSummaryHistory history;
    return history;
}

void ErrorSummaryHistory::setCount(int count)
{
    QMutexLocker lock(&m_mutex);
    m_count = std::max(0, count);
}

int ErrorSummaryHistory::count() const
{
    QMutexLocker lock(&m_mutex);
    return m_count;
}

void ErrorSummaryHistory::add(const DataAnalysis &data)
{
    QMutexLocker lock(&m_mutex);
    if (m_count <= 0)
        return;
    for (const Row &row : rows())
        m_queues[QString::fromLatin1(row.name)].push_back(stored(row.scale, data.*row.field));
    if (m_queues.value(QStringLiteral("EVM")).size() > size_t(kCapacity)) {
        for (std::deque<double> &queue : m_queues)
            queue.pop_front();
    }
}

void ErrorSummaryHistory::clear()
{
    QMutexLocker lock(&m_mutex);
    m_queues.clear();
}

int ErrorSummaryHistory::size() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_queues.value(QStringLiteral("EVM")).size());
}

QMap<QString, double> ErrorSummaryHistory::averages(int n, double p0) const
{
    QMutexLocker lock(&m_mutex);
    QMap<QString, double> result;
    const auto evm = m_queues.constFind(QStringLiteral("EVM"));
    const int k = evm == m_queues.cend() ? 0 : std::min(int(evm->size()), n);
    if (k <= 0)
        return result;
    for (const Row &row : rows()) {
        const QString name = QString::fromLatin1(row.name);
        const auto queue = m_queues.constFind(name);
        if (row.scale == NoAverage || queue == m_queues.cend() || int(queue->size()) < k)
            continue;
        long double sum = 0.0L;
        for (auto it = queue->end() - k; it != queue->end(); ++it)
            sum += *it;
        result.insert(name, shown(row.scale, double(sum / k), p0));
    }
    return result;
}

double ErrorSummaryHistory::currentValue(const Row &row, const DataAnalysis &data, double p0)
{
    const double value = data.*row.field;
    return row.scale == LevelDbm ? PowerOffset::levelDbm(value, p0) : value;
}
