#pragma once

#include "dm_core.h"

// Running average of the statistics of successive analyses: EVM as an RMS (errors add
// as powers), EVM peak as the largest seen, every other field as the plain mean.
class StatisticsAverage
{
public:
    void restart();
    void add(const DataAnalysis &statistics);
    DataAnalysis average() const;

private:
    DataAnalysis m_sum;
    double m_evmSquares = 0.0;
    double m_evmPeak = 0.0;
    int m_count = 0;
};
