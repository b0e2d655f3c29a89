#include "progressGenerate.h"

#include <algorithm>

namespace {
constexpr int kFullPercent = 100;
}

progressGenerate::progressGenerate(QObject *parent) : QObject(parent) {}

void progressGenerate::setStages(const QVector<int> &weights)
{
    m_weights = weights.isEmpty() ? QVector<int>{kFullPercent} : weights;
    m_stage = 0;
}

void progressGenerate::reset()
{
    m_basePercent = 0.0;
    m_stop.store(false, std::memory_order_relaxed);
    m_stage = 0;
}

int progressGenerate::currentWeight() const
{
    return m_weights.value(m_stage, 0);
}

void progressGenerate::setTotal(int total)
{
    m_total = total;
    const int weight = currentWeight();
    m_step = weight > 0 ? total / weight : 0;
    if (m_step == 0)
        m_step = total - 1;
    // A total of 0 or 1 leaves no usable step; report on every item instead of dividing by 0.
    if (m_step <= 0)
        m_step = 1;
}

void progressGenerate::update(int i)
{
    if (i % m_step != 0 || m_total <= 0)
        return;
    // Single precision on purpose: the percentages match those of the libraries'
    // own progress displays.
    const float stagePart = float(currentWeight()) * float(i) / float(m_total);
    const int percent = int(double(stagePart) + m_basePercent);
    emit currentProgress(std::min(percent, kFullPercent));
}

void progressGenerate::nextStage()
{
    m_basePercent += currentWeight();
    emit currentProgress(std::min(int(m_basePercent), kFullPercent));
    m_stage = (m_stage + 1) % m_weights.size();
}
