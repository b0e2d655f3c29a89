#pragma once

#include <QObject>
#include <QVector>
#include <atomic>

// Progress of a long computation made of weighted stages, reported as a whole
// percentage that never exceeds 100. Its stop flag may be raised from any thread;
// the loops that report through it poll the flag and give up when it is set.
class progressGenerate : public QObject
{
    Q_OBJECT
public:
    explicit progressGenerate(QObject *parent = nullptr);

    void setStages(const QVector<int> &weights);
    void reset();
    // Sets the number of work items of the current stage; update(i) reports on
    // every step-th item.
    void setTotal(int total);
    void update(int i);
    void nextStage();
    // The whole pass is done: 100, whatever the weights add up to.
    void finish() { emit currentProgress(100); }
    void stop() { m_stop.store(true, std::memory_order_relaxed); }
    bool isStopped() const { return m_stop.load(std::memory_order_relaxed); }

    int step() const { return m_step; }
    int stage() const { return m_stage; }

signals:
    void currentProgress(int percent);

private:
    int currentWeight() const;

    QVector<int> m_weights{100};
    int m_stage = 0;
    int m_total = 0;
    int m_step = 1;
    double m_basePercent = 0.0;
    std::atomic<bool> m_stop{false};
};
