#pragma once

#include "SignalAnnotation.h"

#include <QObject>
#include <QRectF>
#include <QVector>
#include <functional>

class DisplayGraphicSignal;
class QPainter;

// Draws the recording's annotations (SigMF) as labelled boxes over a plot, in the
// chart's own paint pass. Time views box the samples of the shown window that an
// annotation covers, over the whole height; the spectrogram boxes them in its rows
// of played windows, between the annotation's frequency edges.
class AnnotationOverlay : public QObject
{
    Q_OBJECT
public:
    struct Box
    {
        QRectF rect;  // in view pixels, inside the plot area
        QString caption;
    };

    // rowHeight: the spectrogram's row height in pixels; empty for a time view.
    AnnotationOverlay(DisplayGraphicSignal *view, std::function<int()> rowHeight = {});

    // Boxes of a time view whose x axis runs from axisMin to axisMax, where sample
    // `start` of the recording lies at 0 and each sample adds xPerSample.
    static QVector<Box> timeBoxes(const SignalAnnotations &annotations, qint64 start, int length, double xPerSample,
                                  double axisMin, double axisMax, const QRectF &plot);
    // Boxes of a spectrogram whose newest row (at the bottom, rowHeight pixels) shows
    // the window of `length` samples from `start`, each row above it a window `step`
    // samples earlier, and whose width spans centre ± rate / 2.
    static QVector<Box> waterfallBoxes(const SignalAnnotations &annotations, qint64 start, int length, int step,
                                       double centre, double rate, int rowHeight, const QRectF &plot);

private:
    void paint(QPainter *painter);
    void followFrame();

    DisplayGraphicSignal *m_view;  // the parent
    std::function<int()> m_rowHeight;
    qint64 m_lastStart = -1;
    int m_step = 0;  // samples between the starts of played windows; 0: one window
};
