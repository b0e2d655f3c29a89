#pragma once

#include "InterfaceDisplayData.h"
#include "Signal.h"

#include <QPointF>
#include <QSize>
#include <QVector>
#include <atomic>

class CalculateDate;

// The worker of one plot: asks CalculateDate for one data kind of one signal,
// sized to the plot's width in pixels, and sends the series to the view.
class InterfaceGraphicData : public InterfaceDisplayData
{
    Q_OBJECT
public:
    // What a renderer needs to know of its view; the view pushes it from the GUI
    // thread whenever it changes, because the worker must not read widgets.
    struct PlotGeometry
    {
        QSize plotSize;  // plot area in pixels
        double x0 = 0.0, x1 = 1.0;  // x axis range
        double y0 = 0.0, y1 = 1.0;  // y axis range
    };

    InterfaceGraphicData(CalculateDate *calculate, unsigned kind, int signalIndex);

    virtual void setSignal(Signal *record);
    void setAverage(int average) { m_average = average; }
    int average() const { return m_average; }
    void setFlag(bool flag) { m_flag = flag; }
    unsigned kind() const { return m_kind; }
    int signalIndex() const { return m_signalIndex; }
    void setSignalIndex(int index) { m_signalIndex = index; }
    void setPlotGeometry(const PlotGeometry &geometry);
    PlotGeometry plotGeometry() const;

signals:
    void sendData(QVector<QPointF> data);

protected:
    void compute() override;
    // Run before a non-empty series is sent (the second one receives it).
    virtual void beforeSend() {}
    virtual void beforeSend(const QVector<QPointF> &series) { Q_UNUSED(series) }
    QVector<QPointF> requestSeries(int width, const IQVector &block = IQVector()) const;

    CalculateDate *const m_calculate;  // not owned; shared by all plots of a mode
    Signal *m_record = nullptr;        // not owned
    const unsigned m_kind;
    std::atomic<int> m_signalIndex;
    std::atomic<bool> m_flag{false};
    std::atomic<int> m_average{1};

private:
    PlotGeometry m_geometry;  // guarded by m_mutex
};
