#include "GraphicSunset.h"

#include <algorithm>

namespace {
constexpr double kFullAlpha = 255.0;
}

GraphicSunset::GraphicSunset(CalculateDate *calculate, unsigned kind, int frames, int signalIndex)
    : GraphicPixmap(calculate, kind, signalIndex), m_fadeStep(kFullAlpha / std::max(1, frames))
{
}

void GraphicSunset::prepareImage(const QSize &size)
{
    if (m_image.size() == size && m_image.format() == QImage::Format_ARGB32)
        fade(m_image, m_fadeStep);
    else
        GraphicPixmap::prepareImage(size);
}

void GraphicSunset::fade(QImage &image, double step)
{
    const int decrement = int(step);
    const int height = image.height();
    const int width = image.width();
    // Detach once here: the GUI thread may still hold the last frame sent.
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
#pragma omp parallel for schedule(static)
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(bits + y * stride);
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha > 0)
                row[x] = (row[x] & RGB_MASK) | (uint(std::max(0, alpha - decrement)) << 24);
        }
    }
}
