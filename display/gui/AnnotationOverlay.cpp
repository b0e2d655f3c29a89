#include "AnnotationOverlay.h"

#include "CalculateDate.h"
#include "DisplayGraphicSignal.h"
#include "Graphic.h"
#include "ManagerSignal.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {
const QColor kBoxColour(255, 176, 0);  // amber: apart from traces, markers and the colour scale
constexpr int kBoxFillAlpha = 40;
constexpr int kCaptionMargin = 3;
constexpr double kCaptionWidth = 160.0;  // a caption may reach beyond a narrow box

// The part of [from, to] (pixels, either order) inside [low, high]; empty when none.
bool clip(double from, double to, double low, double high, double &a, double &b)
{
    a = std::max(std::min(from, to), low);
    b = std::min(std::max(from, to), high);
    return b > a;
}
}  // namespace

AnnotationOverlay::AnnotationOverlay(DisplayGraphicSignal *view, std::function<int()> rowHeight)
    : QObject(view), m_view(view), m_rowHeight(std::move(rowHeight))
{
    connect(view->graphic(), &Graphic::paintOverlay, this, &AnnotationOverlay::paint);
    connect(view->hub(), &ManagerSignal::sendNewSelected, this, &AnnotationOverlay::followFrame);
}

void AnnotationOverlay::followFrame()
{
    const SignalSelection selection = m_view->hub()->selection(m_view->layer());
    if (selection.isEmpty())
        return;
    // Play moves the window by a step that may be shorter than the window: the
    // spectrogram's rows lie that far apart.
    const qint64 moved = selection.startIndex - m_lastStart;
    if (m_lastStart >= 0 && moved > 0 && moved <= selection.size())
        m_step = int(moved);
    m_lastStart = selection.startIndex;
}

QVector<AnnotationOverlay::Box> AnnotationOverlay::timeBoxes(const SignalAnnotations &annotations, qint64 start,
                                                             int length, double xPerSample, double axisMin,
                                                             double axisMax, const QRectF &plot)
{
    QVector<Box> boxes;
    if (length <= 0 || !(axisMax > axisMin))
        return boxes;
    const double scale = plot.width() / (axisMax - axisMin);
    const auto pixel = [&](qint64 sample) { return plot.left() + ((sample - start) * xPerSample - axisMin) * scale; };
    for (const SignalAnnotation &a : annotations) {
        double left = 0.0, right = 0.0;
        if (a.end() <= start || a.start >= start + length || !clip(pixel(a.start), pixel(a.end()), plot.left(), plot.right(), left, right))
            continue;
        boxes.append({QRectF(left, plot.top(), right - left, plot.height()), a.caption()});
    }
    return boxes;
}

QVector<AnnotationOverlay::Box> AnnotationOverlay::waterfallBoxes(const SignalAnnotations &annotations, qint64 start,
                                                                  int length, int step, double centre, double rate,
                                                                  int rowHeight, const QRectF &plot)
{
    QVector<Box> boxes;
    if (length <= 0 || rowHeight <= 0 || !(rate > 0.0))
        return boxes;
    step = step > 0 ? step : length;
    const double low = centre - rate / 2.0;
    // Sample n lies (start + step - n) / step rows above the plot's bottom edge.
    const auto rowPixel = [&](qint64 sample) { return plot.bottom() - rowHeight * double(start + step - sample) / step; };
    const auto frequencyPixel = [&](double hz) { return plot.left() + (hz - low) / rate * plot.width(); };
    for (const SignalAnnotation &a : annotations) {
        if (a.start >= start + length)
            continue;  // not played yet
        double top = 0.0, bottom = 0.0, left = plot.left(), right = plot.right();
        if (!clip(rowPixel(a.start), rowPixel(a.end()), plot.top(), plot.bottom(), top, bottom))
            continue;
        if (a.hasFrequencies && !clip(frequencyPixel(a.lowerEdge), frequencyPixel(a.upperEdge), plot.left(), plot.right(), left, right))
            continue;
        boxes.append({QRectF(left, top, std::max(1.0, right - left), std::max(1.0, bottom - top)), a.caption()});
    }
    return boxes;
}

void AnnotationOverlay::paint(QPainter *painter)
{
    const SignalAnnotations &annotations = m_view->hub()->fileInformation().annotations();
    const SignalSelection selection = m_view->hub()->selection(m_view->layer());
    if (annotations.isEmpty() || selection.isEmpty())
        return;
    const QRectF plot = m_view->graphic()->plotRect();
    QVector<Box> boxes;
    if (m_rowHeight) {
        boxes = waterfallBoxes(annotations, selection.startIndex, selection.size(), m_step,
                               m_view->calculate()->carrierFreq(), m_view->calculate()->sampleRate(), m_rowHeight(), plot);
    } else {
        const int window = m_view->hub()->sizeSelection() > 0 ? m_view->hub()->sizeSelection() : selection.size();
        boxes = timeBoxes(annotations, selection.startIndex, selection.size(), double(window) / selection.size(),
                          m_view->axisX()->min(), m_view->axisX()->max(), plot);
    }
    if (boxes.isEmpty())
        return;
    painter->save();
    painter->setClipRect(plot);
    painter->setRenderHint(QPainter::Antialiasing, false);
    QColor fill = kBoxColour;
    fill.setAlpha(kBoxFillAlpha);
    const QFontMetrics metrics(m_view->graphic()->font());
    painter->setFont(m_view->graphic()->font());
    for (const Box &box : qAsConst(boxes)) {
        painter->setPen(QPen(kBoxColour, 1));
        painter->setBrush(fill);
        painter->drawRect(box.rect.adjusted(0, 0, -1, -1));
        if (box.caption.isEmpty())
            continue;
        // The caption sits inside the box's top left corner, on a dark patch so that it
        // reads over any trace or colour.
        const QString text = metrics.elidedText(box.caption, Qt::ElideRight, int(std::max(box.rect.width(), kCaptionWidth)));
        const QRectF label(box.rect.left() + 1, box.rect.top() + 1, metrics.horizontalAdvance(text) + 2 * kCaptionMargin,
                           metrics.height());
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 0, 0, 160));
        painter->drawRect(label);
        painter->setPen(kBoxColour);
        painter->drawText(label.adjusted(kCaptionMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter->restore();
}
