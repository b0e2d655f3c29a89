#include "LayoutFrames.h"

#include "FrameGraphicSignal.h"
#include "GraphicCatalogue.h"
#include "GridText.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr int kMinContainerHeight = 3;
constexpr int kSameRowPixels = 2;

// Splits total into shares proportional to weights, none below minimum when
// total allows it; the last share takes what rounding leaves.
QVector<int> distribute(int total, const QVector<int> &weights, int minimum)
{
    const int n = weights.size();
    QVector<int> sizes(n, 0);
    if (n == 0)
        return sizes;
    if (minimum * n > total)
        minimum = total / n;
    const double weightSum = std::accumulate(weights.begin(), weights.end(), 0.0);
    QVector<bool> pinned(n, false);
    int spare = total;
    double freeWeight = weightSum;
    for (bool changed = true; changed;) {  // pin shares that would fall below the minimum
        changed = false;
        for (int i = 0; i < n; ++i) {
            if (!pinned[i] && freeWeight > 0 && double(spare) * weights[i] / freeWeight < minimum) {
                pinned[i] = true;
                sizes[i] = minimum;
                spare -= minimum;
                freeWeight -= weights[i];
                changed = true;
            }
        }
    }
    int used = 0;
    for (int i = 0; i < n; ++i) {
        if (!pinned[i])
            sizes[i] = freeWeight > 0 ? int(double(spare) * weights[i] / freeWeight) : 0;
        used += sizes[i];
    }
    sizes[n - 1] += total - used;
    return sizes;
}
}  // namespace

LayoutFrames::LayoutFrames(int mode, GraphicFactory *factory, QWidget *parent)
    : QWidget(parent), m_mode(mode), m_factory(factory)
{
}

LayoutFrames::~LayoutFrames()
{
    qDeleteAll(m_separate);  // windows of their own have no parent
}

QVector<QRect> LayoutFrames::equalLayout(const QVector<int> &distribution, const QSize &size)
{
    QVector<QRect> rects;
    const int rows = distribution.size();
    if (rows == 0)
        return rects;
    const double rowHeight = std::max(size.height(), kMinContainerHeight) / double(rows);
    for (int r = 0; r < rows; ++r) {
        const int count = distribution.at(r);
        const double width = size.width() / double(count);
        for (int j = 0; j < count; ++j)
            rects.append(QRect(int(j * width), int(r * rowHeight), int(width), int(rowHeight)));
    }
    return rects;
}

QVector<QRect> LayoutFrames::weightedLayout(const QVector<int> &distribution, const QVector<QPoint> &weights,
                                            const QSize &size)
{
    QVector<QRect> rects;
    QVector<int> rowWeights;
    int index = 0;
    for (int count : distribution) {
        int rowWeight = 1;
        for (int j = 0; j < count; ++j)
            rowWeight = std::max(rowWeight, weights.value(index + j, QPoint(1, 1)).y());
        rowWeights.append(rowWeight);
        index += count;
    }
    const QVector<int> heights = distribute(std::max(size.height(), kMinContainerHeight), rowWeights, kMinFrameHeight);
    index = 0;
    int top = 0;
    for (int r = 0; r < distribution.size(); ++r) {
        QVector<int> columnWeights;
        for (int j = 0; j < distribution.at(r); ++j)
            columnWeights.append(std::max(1, weights.value(index + j, QPoint(1, 1)).x()));
        const QVector<int> widths = distribute(size.width(), columnWeights, kMinFrameWidth);
        int left = 0;
        for (int width : widths) {
            rects.append(QRect(left, top, width, heights.at(r)));
            left += width;
        }
        index += distribution.at(r);
        top += heights.at(r);
    }
    return rects;
}

bool LayoutFrames::setGrid(const QString &text)
{
    GridText grid;
    if (!GridText::parse(text, &grid))
        return false;
    QList<FrameGraphicSignal *> frames;
    for (const GridText::Frame &frame : qAsConst(grid.frames))
        frames.append(createFrame(frame.name, frame.horizontalWeight, frame.verticalWeight));
    replaceFrames(frames, grid.distribution);
    return true;
}

QString LayoutFrames::gridText() const
{
    QStringList counts;
    for (int count : m_distribution)
        counts.append(QString::number(count));
    QString text = QStringLiteral("{GRID:Distribution(") + counts.join(QLatin1Char(',')) + QStringLiteral(") ");
    for (const FrameGraphicSignal *frame : m_frames) {
        text += GraphicCatalogue::gridName(frame->graphicName()) + QStringLiteral("(%1,%2) ")
                                                                      .arg(frame->horizontalWeight())
                                                                      .arg(frame->verticalWeight());
    }
    return text + QLatin1Char('}');
}

void LayoutFrames::formFrames(int columns, int rows)
{
    columns = qBound(1, columns, 9);
    rows = qBound(1, rows, 9);
    // The frames that stay are kept whole, with their markers, measurements and
    // effect; only the frames beyond the new count go.
    QList<FrameGraphicSignal *> frames = m_frames.mid(0, columns * rows);
    for (FrameGraphicSignal *frame : qAsConst(frames))
        frame->setWeights(1, 1);
    while (frames.size() < columns * rows)
        frames.append(createFrame(QStringLiteral("NoGraph"), 1, 1));
    replaceFrames(frames, QVector<int>(rows, columns));
}

FrameGraphicSignal *LayoutFrames::createFrame(const QString &name, int hWeight, int vWeight)
{
    auto *frame = new FrameGraphicSignal(m_mode, m_factory, this);
    frame->setWeights(hWeight, vWeight);
    frame->setGraphic(name);
    connect(frame, &FrameGraphicSignal::closeFrame, this, &LayoutFrames::removeFrame, Qt::QueuedConnection);
    connect(frame, &FrameGraphicSignal::separateWindow, this, &LayoutFrames::toggleSeparate, Qt::QueuedConnection);
    connect(frame->graphic(), &GraphicSignal::graphicChanged, this, &LayoutFrames::sendChangeGrid);
    return frame;
}

void LayoutFrames::replaceFrames(const QList<FrameGraphicSignal *> &frames, const QVector<int> &distribution)
{
    for (FrameGraphicSignal *old : qAsConst(m_frames)) {
        if (!frames.contains(old))
            delete old;
    }
    m_frames = frames;
    m_distribution = distribution;
    for (FrameGraphicSignal *frame : frames)
        frame->show();
    arrange();
    announce();
}

void LayoutFrames::announce()
{
    const int columns = m_distribution.isEmpty() ? 0 : *std::max_element(m_distribution.begin(), m_distribution.end());
    emit sendCurrentGrid(m_distribution.size(), columns);
    emit sendChangeGrid();
}

int LayoutFrames::rowOf(int index) const
{
    int first = 0;
    for (int r = 0; r < m_distribution.size(); ++r) {
        first += m_distribution.at(r);
        if (index < first)
            return r;
    }
    return -1;
}

void LayoutFrames::arrange()
{
    QVector<QPoint> weights;
    bool isWeighted = false;
    for (const FrameGraphicSignal *frame : qAsConst(m_frames)) {
        weights.append(QPoint(frame->horizontalWeight(), frame->verticalWeight()));
        isWeighted = isWeighted || frame->horizontalWeight() > 1 || frame->verticalWeight() > 1;
    }
    const QVector<QRect> rects = isWeighted ? weightedLayout(m_distribution, weights, size())
                                            : equalLayout(m_distribution, size());
    for (int i = 0; i < m_frames.size() && i < rects.size(); ++i)
        m_frames.at(i)->setGeometry(rects.at(i));
}

void LayoutFrames::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
    emit sendChangeSize();
}

void LayoutFrames::detachFrame(FrameGraphicSignal *frame)
{
    const int index = m_frames.indexOf(frame);
    if (index < 0)
        return;
    const int row = rowOf(index);
    const QRect removed = frame->geometry();
    m_frames.removeAt(index);
    // The frames that take its place: the rest of its row, else the row below (or above).
    QList<FrameGraphicSignal *> heirs;
    const int rowStart = std::accumulate(m_distribution.begin(), m_distribution.begin() + row, 0);
    if (--m_distribution[row] == 0) {
        m_distribution.removeAt(row);
        const int heirRow = row < m_distribution.size() ? row : row - 1;
        const int heirStart = std::accumulate(m_distribution.begin(), m_distribution.begin() + std::max(0, heirRow), 0);
        for (int i = 0; heirRow >= 0 && i < m_distribution.value(heirRow); ++i)
            heirs.append(m_frames.at(heirStart + i));
    } else {
        for (int i = 0; i < m_distribution.at(row); ++i)
            heirs.append(m_frames.at(rowStart + i));
    }
    const bool isSameRow = !heirs.isEmpty() && std::abs(heirs.first()->geometry().top() - removed.top()) <= kSameRowPixels;
    for (FrameGraphicSignal *heir : qAsConst(heirs)) {
        if (isSameRow)
            heir->setWeights(heir->horizontalWeight() + frame->horizontalWeight(), heir->verticalWeight());
        else
            heir->setWeights(heir->horizontalWeight(), heir->verticalWeight() + frame->verticalWeight());
    }
}

void LayoutFrames::removeFrame(FrameGraphicSignal *frame)
{
    if (!m_frames.contains(frame))
        return;
    detachFrame(frame);
    frame->deleteLater();
    arrange();
    announce();
    emit delFrame();
}

void LayoutFrames::toggleSeparate(FrameGraphicSignal *frame)
{
    if (!frame->isSeparate()) {
        if (!m_frames.contains(frame))
            return;
        const QSize shown = frame->size();
        detachFrame(frame);
        m_separate.append(frame);
        frame->setSeparate(true);
        frame->setParent(nullptr, Qt::Window);
        frame->setWindowTitle(GraphicCatalogue::title(frame->graphicName()));
        frame->resize(shown.expandedTo(QSize(kMinFrameWidth * 3, kMinFrameHeight * 3)));
        frame->show();
    } else {
        m_separate.removeAll(frame);
        frame->setSeparate(false);
        frame->setParent(this);
        frame->setWeights(1, 1);
        m_frames.append(frame);
        m_distribution.append(1);
        frame->show();
        emit sendRestore();
    }
    arrange();
    announce();
}
