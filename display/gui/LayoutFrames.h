#pragma once

#include "GraphicSignal.h"

#include <QList>
#include <QRect>
#include <QVector>
#include <QWidget>

class FrameGraphicSignal;

// The grid of frames of a mode: rows of frames, each row holding its own number of
// frames, sized equally or by the frames' weights. The arrangement is saved and
// restored as the grid text "{GRID:Distribution(2,1) Spectrum(1,1) Power(1,1) I_Time(1,1) }".
class LayoutFrames : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMinFrameWidth = 160;
    static constexpr int kMinFrameHeight = 100;

    // factory: not owned; it outlives the layout.
    LayoutFrames(int mode, GraphicFactory *factory, QWidget *parent = nullptr);
    ~LayoutFrames() override;

    // Replaces the arrangement; refuses (false, nothing changes) a text without
    // "{GRID:", without frames, or whose rows do not add up to its frames.
    bool setGrid(const QString &text);
    QString gridText() const;
    // Rows of `columns` frames each. The first frames stay as they are (graphic,
    // markers, measurements, effect); new places get empty frames.
    void formFrames(int columns, int rows);
    void removeFrame(FrameGraphicSignal *frame);

    QList<FrameGraphicSignal *> frames() const { return m_frames; }
    QVector<int> distribution() const { return m_distribution; }

    // Frame rectangles in text order for a distribution and container size, every
    // weight 1: rows of equal height, frames of equal width within their row.
    static QVector<QRect> equalLayout(const QVector<int> &distribution, const QSize &size);
    // The same with weights: heights follow each row's largest vertical weight, widths
    // the horizontal weights, and no frame is made smaller than the minimum where
    // the container has room for it.
    static QVector<QRect> weightedLayout(const QVector<int> &distribution, const QVector<QPoint> &weights,
                                         const QSize &size);

signals:
    void sendCurrentGrid(int rows, int columns);
    void sendChangeSize();
    void sendChangeGrid();
    void sendRestore();
    void delFrame();

public slots:
    void arrange();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    FrameGraphicSignal *createFrame(const QString &name, int hWeight, int vWeight);
    void replaceFrames(const QList<FrameGraphicSignal *> &frames, const QVector<int> &distribution);
    void detachFrame(FrameGraphicSignal *frame);
    void toggleSeparate(FrameGraphicSignal *frame);
    int rowOf(int index) const;
    void announce();

    const int m_mode;
    GraphicFactory *const m_factory;  // not owned
    QList<FrameGraphicSignal *> m_frames;  // children, in text order
    QVector<int> m_distribution;           // frames per row
    QList<FrameGraphicSignal *> m_separate;  // frames shown in windows of their own; owned here
};
