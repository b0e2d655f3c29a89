#include "ParserVectorAnalysis.h"

#include "FilterCatalogue.h"
#include "FilterChain.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "UnitText.h"

#include <cmath>
#include <omp.h>

namespace {
constexpr double kPi = 3.141592653589793;
constexpr int kDecimationTapsPerStep = 32;  // low-pass taps per unit of decimation
constexpr int kFrameMarginSamples = 49;     // extra input so a decimated frame still fills num samples
const QVector<int> kStages{1, 49, 49};
}  // namespace

ParserVectorAnalysis::ParserVectorAnalysis()
{
    m_progress.setStages(kStages);
}

void ParserVectorAnalysis::captureSettings()
{
    const auto *param = m_hub ? dynamic_cast<const ParamVectorAnalysis *>(m_hub->param()) : nullptr;
    if (!param)
        return;
    Settings taken;
    taken.sampleRate = param->sourceSampleRate();
    taken.shift = UnitText::toDouble(param->analysisValue(QStringLiteral("Freq")));
    taken.gainDb = UnitText::toDouble(param->analysisValue(QStringLiteral("Gain")));
    taken.decimation = param->analysisValue(QStringLiteral("Decimation")).toInt();
    QMutexLocker lock(&m_settingsMutex);
    m_settings = taken;
}

ParserVectorAnalysis::Settings ParserVectorAnalysis::settings() const
{
    QMutexLocker lock(&m_settingsMutex);
    return m_settings;
}

int ParserVectorAnalysis::firstLayerLength() const
{
    return m_hub->sourceSignal(0).size();
}

void ParserVectorAnalysis::prepareSource()
{
    // Runs in the hub's thread: the engine's own thread applies it at its next pass.
    captureSettings();
    m_isNewSource = true;
}

void ParserVectorAnalysis::applyNewSource()
{
    if (!m_isNewSource.exchange(false))
        return;
    m_position = 0;
    m_lastFrameStart = 0;
    m_corrected.clear();
}

void ParserVectorAnalysis::setFramePosition(int position)
{
    m_position = qBound(0, position, std::max(0, firstLayerLength() - m_frameLength));
}

void ParserVectorAnalysis::setFrameStart(int start)
{
    setFramePosition(start);
    m_lastFrameStart = m_position.load();
}

void ParserVectorAnalysis::setFrameLength(int num)
{
    applyNewSource();
    m_frameLength = num;
    m_lastFrameStart = m_position.load();
    if (!m_corrected.isEmpty())
        return;
    const int d = settings().decimation;
    if (d > 1)
        m_frameLength = (num + kFrameMarginSamples) * d;
    if (firstLayerLength() < m_frameLength) {
        m_frameLength = firstLayerLength();
        m_position = 0;
        m_lastFrameStart = 0;
    }
}

void ParserVectorAnalysis::advanceFrame()
{
    m_position += m_frameLength;
    if (qint64(m_position) + m_frameLength > firstLayerLength())
        m_position = 0;
}

void ParserVectorAnalysis::rewindFrame()
{
    applyNewSource();
    m_position = std::max(0, m_position - m_frameLength);
    m_lastFrameStart = m_position.load();
}

IQVector ParserVectorAnalysis::parseLayer(int num, int layer)
{
    if (m_isBlocked)
        return IQVector();
    if (!m_corrected.isEmpty())
        return m_corrected.value(layer).mid(m_position, num);
    return correctSignal(m_hub->sourceSignal(layer).samples().mid(m_position, m_frameLength), false);
}

IQVector ParserVectorAnalysis::correctSignal(const IQVector &samples, bool first)
{
    if (first)
        m_progress.reset();
    const Settings taken = settings();
    const double gain = std::pow(10.0, taken.gainDb / 20.0);
    IQVector y(samples.size());
    const double step = taken.sampleRate > 0.0 ? 2.0 * kPi * taken.shift / taken.sampleRate : 0.0;
    for (int n = 0; n < samples.size(); ++n) {
        if ((n & 0xFFFF) == 0 && isStopped())
            return IQVector();
        const double theta = step * n;
        y[n] = samples.at(n) * IQ(std::cos(theta), std::sin(theta)) * gain;
    }
    if (first)
        m_progress.nextStage();
    const int d = taken.decimation;
    if (d <= 1)
        return y;
    FilterChain filter;  // one per call: layers are corrected in parallel
    filter.setType(FilterLowpass2, {});
    filter.setTaps(kDecimationTapsPerStep * d);
    if (first)
        filter.setProgress(&m_progress);  // its I and Q passes are the last two stages
    const IQVector filtered = filter.apply(y);
    if (isStopped())
        return IQVector();
    IQVector kept;
    kept.reserve(filtered.size() / d + 1);
    for (int n = d - 1; n < filtered.size(); n += d)
        kept.append(filtered.at(n));
    return kept;
}

void ParserVectorAnalysis::slotCorrectionAllSignal(bool isAll)
{
    applyNewSource();
    m_corrected.clear();
    if (!isAll || !m_hub)
        return;
    const int layers = m_hub->countSourceSignals();
    QVector<IQVector> corrected(layers);
#pragma omp parallel if (layers > 1)
    {
        const int threads = omp_get_num_threads();
        for (int i = omp_get_thread_num(); i < layers; i += threads)
            corrected[i] = correctSignal(m_hub->sourceSignal(i).samples(), i == 0);
    }
    m_corrected = corrected;
    m_progress.finish();
    emit finishAllCorrection();
}
