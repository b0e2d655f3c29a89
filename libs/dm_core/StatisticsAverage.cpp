#include "StatisticsAverage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFields = int(sizeof(DataAnalysis) / sizeof(double));

double *fields(DataAnalysis &d)
{
    return reinterpret_cast<double *>(&d);
}

} // namespace

void StatisticsAverage::restart()
{
    *this = StatisticsAverage();
}

void StatisticsAverage::add(const DataAnalysis &statistics)
{
    DataAnalysis copy = statistics;
    for (int i = 0; i < kFields; ++i)
        fields(m_sum)[i] += fields(copy)[i];
    m_evmSquares += statistics.evm * statistics.evm;
    m_evmPeak = std::max(m_evmPeak, statistics.evmPeak);
    ++m_count;
}

DataAnalysis StatisticsAverage::average() const
{
    DataAnalysis mean;
    if (m_count == 0)
        return mean;
    DataAnalysis sum = m_sum;
    for (int i = 0; i < kFields; ++i)
        fields(mean)[i] = fields(sum)[i] / m_count;
    mean.evm = std::sqrt(m_evmSquares / m_count);
    mean.evmPeak = m_evmPeak;
    return mean;
}
