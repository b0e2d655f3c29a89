#include "Spectrogram.h"

#include "CalculateDate.h"
#include "CalculateDateSlot.h"
#include "ManagerSignal.h"

#include <QMutexLocker>
#include <algorithm>
#include <cstring>
#include <limits>

Spectrogram::Spectrogram(CalculateDate *calculate, int signalIndex)
    : InterfaceGraphicData(calculate, CalculateDateSlot::KindSpectrum, signalIndex)
{
    m_flag = true;  // visible until the frame says otherwise
}

void Spectrogram::markRedraw(bool isChanged, bool isRedraw)
{
    if (isChanged && isRedraw && m_flag)
        m_isRedrawPending = true;
}

void Spectrogram::setLowLevel(double level, bool isRedraw)
{
    QMutexLocker lock(&m_mutex);
    markRedraw(m_scale.setLowLevel(level), isRedraw);
}

void Spectrogram::setHighLevel(double level, bool isRedraw)
{
    QMutexLocker lock(&m_mutex);
    markRedraw(m_scale.setHighLevel(level), isRedraw);
}

void Spectrogram::setLowColor(const QColor &color, bool isRedraw)
{
    QMutexLocker lock(&m_mutex);
    markRedraw(m_scale.setLowColor(color), isRedraw);
}

void Spectrogram::setHighColor(const QColor &color, bool isRedraw)
{
    QMutexLocker lock(&m_mutex);
    markRedraw(m_scale.setHighColor(color), isRedraw);
}

void Spectrogram::setRowHeight(int pixels)
{
    QMutexLocker lock(&m_mutex);
    if (pixels != m_rowHeight && pixels > 0) {
        m_rowHeight = pixels;
        m_isRedrawPending = true;
    }
}

void Spectrogram::requestRedraw()
{
    QMutexLocker lock(&m_mutex);
    m_isRedrawPending = true;
}

SpectrogramScale Spectrogram::scale() const
{
    QMutexLocker lock(&m_mutex);
    return m_scale;
}

int Spectrogram::rowHeight() const
{
    QMutexLocker lock(&m_mutex);
    return m_rowHeight;
}

bool Spectrogram::isRedrawPending() const
{
    QMutexLocker lock(&m_mutex);
    return m_isRedrawPending;
}

void Spectrogram::compute()
{
    const QSize size = plotGeometry().plotSize;
    if (size.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    const SpectrogramScale scale = m_scale;
    const int rowHeight = m_rowHeight;
    const bool isRebuild = m_isRedrawPending || m_image.size() != size;
    m_isRedrawPending = false;
    lock.unlock();
    if (isRebuild) {
        rebuild(size, scale, rowHeight);
        if (!m_image.isNull() && m_calculate->hub()->readyHistory().isEmpty())
            addRow(m_image, requestSeries(size.width()), scale, rowHeight);
    } else {
        addRow(m_image, requestSeries(size.width()), scale, rowHeight);
    }
}

void Spectrogram::rebuild(const QSize &size, const SpectrogramScale &scale, int rowHeight)
{
    m_image = QImage(size, QImage::Format_ARGB32);
    m_image.fill(scale.lookup(scale.lowLevel()));
    const QVector<QVector<Signal>> history = m_calculate->hub()->readyHistory();
    const int rows = std::min(history.size(), size.height() / rowHeight);
    const int layer = m_signalIndex - 1;
    // Oldest first, so that the newest spectrum ends up at the bottom.
    for (int i = history.size() - rows; i < history.size(); ++i) {
        const IQVector samples = history.at(i).value(layer).samples();
        if (!samples.isEmpty())
            addRow(m_image, requestSeries(size.width(), samples), scale, rowHeight);
    }
}

void Spectrogram::addRow(QImage &image, const QVector<QPointF> &spectrum, const SpectrogramScale &scale,
                         int rowHeight)
{
    const int width = image.width(), height = image.height();
    const int n = spectrum.size();
    if (n == 0 || width == 0 || rowHeight <= 0 || rowHeight > height)
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    std::memmove(bits, bits + rowHeight * stride, size_t((height - rowHeight) * stride));

    QVector<double> column(width, -std::numeric_limits<double>::infinity());
    for (int k = 0; k < n; ++k) {
        const int x0 = int(qint64(k) * width / n);
        const int x1 = std::min(width, std::max(x0 + 1, int(qint64(k + 1) * width / n)));
        for (int x = x0; x < x1; ++x)
            column[x] = std::max(column[x], spectrum[k].y());
    }
    QRgb *row = reinterpret_cast<QRgb *>(bits + (height - rowHeight) * stride);
    for (int x = 0; x < width; ++x)
        row[x] = scale.lookup(column[x]);
    for (int y = height - rowHeight + 1; y < height; ++y)
        std::memcpy(bits + y * stride, row, size_t(width) * sizeof(QRgb));
}
