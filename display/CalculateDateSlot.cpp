#include "CalculateDateSlot.h"

#include "ManagerSignal.h"
#include "SeriesThinning.h"

#include <QMutexLocker>
#include <algorithm>
#include <cmath>

namespace {
double clampIQ(double v) { return qBound(-CalculateDateSlot::kIQLimit, v, CalculateDateSlot::kIQLimit); }

double clampPower(double db)
{
    if (std::isnan(db))
        return CalculateDateSlot::kPowerLowest;
    return qBound(CalculateDateSlot::kPowerLowest, db, CalculateDateSlot::kPowerHighest);
}
}  // namespace

CalculateDateSlot::CalculateDateSlot(CalculateDateParams *params, int number, const AveragedFft *spectrum)
    : m_params(params), m_number(number), m_spectrum(spectrum)
{
}

int CalculateDateSlot::cacheIndex(unsigned kind)
{
    switch (kind) {
    case KindI: return 0;
    case KindQ: return 1;
    case KindSpectrum: return 2;
    case KindIQ: return 3;
    case KindConstellation: return 4;
    case KindPower: return 5;
    case KindErrorVector: return 6;
    default: return -1;
    }
}

bool CalculateDateSlot::isLine(unsigned kind)
{
    return kind == KindI || kind == KindQ || kind == KindSpectrum || kind == KindPower || kind == KindErrorVector;
}

bool CalculateDateSlot::isThinned(unsigned kind, int size) const
{
    if (!m_params->isThinning())
        return false;
    switch (kind) {
    case KindI:
    case KindQ: return size >= kPointLimit;
    case KindSpectrum: return size > kPointLimit;
    case KindPower: return size >= kPowerPointLimit;
    default: return false;
    }
}

QVector<QPointF> CalculateDateSlot::series(unsigned kind, int width, int average, const IQVector &block)
{
    QVector<QPointF> points;
    if (kind == KindSpectrum)
        points = spectrum(average, block);
    else if (kind == KindVector)
        points = compute(kind, readBlock());  // drawn fresh at every request, never cached
    else if (cacheIndex(kind) >= 0)
        points = cachedSeries(kind);
    // Thinning works on the copy, outside the cache's lock.
    return isThinned(kind, points.size()) ? SeriesThinning::thin(points, width) : points;
}

QVector<QPointF> CalculateDateSlot::cachedSeries(unsigned kind)
{
    Cache &cache = m_caches[cacheIndex(kind)];
    QMutexLocker lock(&cache.mutex);
    if (cache.points.isEmpty())
        cache.points = compute(kind, readBlock());
    return cache.points;
}

QVector<QPointF> CalculateDateSlot::fullSeries(unsigned kind) const
{
    const int index = cacheIndex(kind);
    if (index < 0)
        return {};
    QMutexLocker lock(&m_caches[index].mutex);
    return m_caches[index].points;
}

void CalculateDateSlot::clear(unsigned kind)
{
    const int index = cacheIndex(kind);
    if (index < 0)
        return;
    QMutexLocker lock(&m_caches[index].mutex);
    m_caches[index].points.clear();
}

void CalculateDateSlot::clearAll()
{
    for (Cache &cache : m_caches) {
        QMutexLocker lock(&cache.mutex);
        cache.points.clear();
    }
}

CalculateDateSlot::Block CalculateDateSlot::readBlock() const
{
    ManagerSignal *hub = m_params->hub();
    // The selection points into the hub's vectors, which the GUI thread replaces
    // under this lock: copy while holding it.
    QMutexLocker lock(hub->mutex());
    return Block{hub->selection(m_number).toVector(), hub->sizeSelection()};
}

QVector<QPointF> CalculateDateSlot::compute(unsigned kind, const Block &block) const
{
    const IQVector &samples = block.samples;
    QVector<QPointF> points;
    switch (kind) {
    case KindI:
    case KindQ:
    case KindPower: return timeSeries(kind, block);
    case KindVector:
    case KindIQ:
        points.reserve(samples.size());
        for (const IQ &s : samples)
            points.append(QPointF(s.real(), s.imag()));
        return points;
    case KindConstellation: return constellation(samples);
    case KindErrorVector: return errorVector(block.selectionSize);
    default: return points;
    }
}

QVector<QPointF> CalculateDateSlot::timeSeries(unsigned kind, const Block &block) const
{
    const IQ *s = block.samples.constData();
    const int n = block.samples.size();
    QVector<QPointF> points(n);
    QPointF *out = points.data();
    const double step = n > 0 ? double(block.selectionSize) / n : 0.0;
    const double correction = -10.0 * std::log10(m_params->loadResistance());
    for (int k = 0; k < n; ++k) {
        const double x = k * step;
        if (kind == KindI)
            out[k] = QPointF(x, clampIQ(s[k].real()));
        else if (kind == KindQ)
            out[k] = QPointF(x, clampIQ(s[k].imag()));
        else
            out[k] = QPointF(x, clampPower(10.0 * std::log10(std::norm(s[k])) + correction));
    }
    return points;
}

QVector<QPointF> CalculateDateSlot::constellation(const IQVector &samples) const
{
    const int n = samples.size();
    const int stride = m_params->samplesPerSymbol();
    QVector<QPointF> points;
    points.reserve(n / stride + 1);
    // The first strobe lies at the offset the analysis reported for this block.
    int k = std::min(m_params->strobeOffset(), stride - 1);
    for (; k < n; k += stride)
        points.append(QPointF(samples.at(k).real(), samples.at(k).imag()));
    // k is now the next strobe behind the block's end; the next block continues from it.
    m_params->setStrobe(stride - 1 + (k - n), stride);
    return points;
}

QVector<QPointF> CalculateDateSlot::errorVector(int selectionSize) const
{
    // The analysis keeps one error per symbol of the frame it analysed; they are
    // spread over the selection as the time views spread its samples.
    const QVector<double> errors = m_params->hub()->param()->symbolErrors();
    const int m = errors.size();
    QVector<QPointF> points(m);
    const double step = m > 0 ? double(selectionSize) / m : 0.0;
    for (int k = 0; k < m; ++k)
        points[k] = QPointF(k * step, errors.at(k));
    return points;
}

QVector<QPointF> CalculateDateSlot::spectrum(int average, const IQVector &block)
{
    Cache &cache = m_caches[cacheIndex(KindSpectrum)];
    QMutexLocker lock(&cache.mutex);
    QVector<QPointF> reuse;
    reuse.swap(cache.points);
    if (m_params->mode() == ParamSignal::ModeACLR)
        return {};  // the ACLR view draws its own spectrum
    AveragedFft::Staged staged;
    if (block.isEmpty()) {
        // Windowing is the only read of the hub's samples: hold its lock for that
        // alone, not for the transforms.
        ManagerSignal *hub = m_params->hub();
        QMutexLocker hubLock(hub->mutex());
        const SignalSelection selection = hub->selection(m_number);
        staged = m_spectrum->stage(selection.first, selection.size(), average);
    } else {
        staged = m_spectrum->stage(block.constData(), block.size(), average);
    }
    cache.points = m_spectrum->series(std::move(staged), spectrumAxis(), std::move(reuse));
    return cache.points;
}

AveragedFft::Axis CalculateDateSlot::spectrumAxis() const
{
    AveragedFft::Axis axis;
    axis.sampleRate = m_params->sampleRate();
    axis.carrier = m_params->carrierFreq();
    axis.unitFactor = m_params->unitFactor();
    axis.loadResistance = m_params->loadResistance();
    return axis;
}
