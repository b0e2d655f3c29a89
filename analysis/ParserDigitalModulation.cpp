#include "ParserDigitalModulation.h"

#include "ManagerSignal.h"
#include "ParamDigitalModulation.h"

#include <QDir>
#include <QMutexLocker>
#include <cmath>

namespace {
// The integer that setSignal takes between the modulation and the filter.
constexpr int kSetSignalMode = 0;
}  // namespace

const char *const ParserDigitalModulation::kExportNames[12] = {
    "setSignal",       "analysis",        "getCurrStatistic", "getAverStatistic",
    "setAverage",      "getDemodSymbols", "getOversampling",  "getTime4Sampling",
    "getStartPoint",   "getErrorCode",    "getMaxNumOfSymb",  "getEVMvsSymb"};

ParserDigitalModulation::ParserDigitalModulation(const QString &library)
    : m_library(library.isEmpty() ? QStringLiteral("dm_core") : library, LibraryLoader::ProgramFolder)
{
    qRegisterMetaType<QVector<int>>("QVectorInt");
    qRegisterMetaType<DataAnalysis>("DataAnalysis");
    QStringList exports;
    for (const char *name : kExportNames)
        exports << QLatin1String(name);
    // Every export optional here: a library lacking some is named with what it lacks.
    m_library.load({}, exports);
    resolveExports();
}

ParserDigitalModulation::~ParserDigitalModulation()
{
    // The thread must be gone before the library's code is unmapped.
    m_progress.stop();
    quit();
    wait();
}

void ParserDigitalModulation::setLibraryFolder(const QString &folder)
{
    LibraryLoader::setLibraryFolder(folder);
}

template <typename Fn>
static void resolveInto(const LibraryLoader &library, const char *name, Fn &pointer, QStringList &missing)
{
    pointer = library.function<Fn>(name);
    if (!pointer)
        missing << QLatin1String(name);
}

void ParserDigitalModulation::resolveExports()
{
    const char *const *name = kExportNames;
    resolveInto(m_library, *name++, m_setSignal, m_missing);
    resolveInto(m_library, *name++, m_analysis, m_missing);
    resolveInto(m_library, *name++, m_getCurrStatistic, m_missing);
    resolveInto(m_library, *name++, m_getAverStatistic, m_missing);
    resolveInto(m_library, *name++, m_setAverage, m_missing);
    resolveInto(m_library, *name++, m_getDemodSymbols, m_missing);
    resolveInto(m_library, *name++, m_getOversampling, m_missing);
    resolveInto(m_library, *name++, m_getTime4Sampling, m_missing);
    resolveInto(m_library, *name++, m_getStartPoint, m_missing);
    resolveInto(m_library, *name++, m_getErrorCode, m_missing);
    resolveInto(m_library, *name++, m_getMaxNumOfSymb, m_missing);
    resolveInto(m_library, *name++, m_getEVMvsSymb, m_missing);
}

QString ParserDigitalModulation::unavailableText() const
{
    if (!m_library.isLoaded()) {
        return tr("Demodulation is unavailable: the library %1 could not be loaded (%2).")
            .arg(QDir::toNativeSeparators(m_library.fileName()), m_library.errorString());
    }
    if (!m_missing.isEmpty()) {
        return tr("Demodulation is unavailable: the library %1 lacks %2.")
            .arg(QDir::toNativeSeparators(m_library.fileName()), m_missing.join(QStringLiteral(", ")));
    }
    return QString();
}

QString ParserDigitalModulation::errorText(int code)
{
    switch (code) {
    case 1: return tr("Error Signal. Change File.");
    case 2: return tr("High Symbol Rate. Reduce.");
    case 6: return tr("Sample rate lower than Symbol rate.");
    case 7: return tr("Too short signal. Change signal.");
    default: return tr("Unknow Error.");
    }
}

ParamDigitalModulation *ParserDigitalModulation::dmParam() const
{
    return m_hub ? dynamic_cast<ParamDigitalModulation *>(m_hub->param()) : nullptr;
}

void ParserDigitalModulation::captureSettings()
{
    Settings taken;
    if (const ParamDigitalModulation *param = dmParam()) {
        taken.modulation = param->modulation();
        taken.filter = param->filter();
        taken.filterParameter = param->filterParameter();
        taken.sampleRate = param->sampleRate();
        taken.symbolRate = param->symbolRate();
    }
    QMutexLocker lock(&m_settingsMutex);
    m_settings = taken;
}

ParserDigitalModulation::Settings ParserDigitalModulation::readSettings() const
{
    QMutexLocker lock(&m_settingsMutex);
    return m_settings;
}

void ParserDigitalModulation::giveSignal(const IQVector &samples, const Settings &settings)
{
    if (m_setSignal)
        m_setSignal(&samples, settings.sampleRate, settings.symbolRate, &settings.modulation, kSetSignalMode,
                    &settings.filter, settings.filterParameter);
}

void ParserDigitalModulation::takeRecording(const Settings &settings)
{
    giveSignal(m_hub->sourceSignal(0).samples(), settings);
    m_given = settings;
    m_givenLayer = 0;
    m_givenStart = 0;
    m_givenLength = m_hub->sourceSignal(0).size();
    m_lastReportedError = kNothingReported;
    m_maxSymbols = m_getMaxNumOfSymb ? m_getMaxNumOfSymb() : 0;
}

void ParserDigitalModulation::prepareSource()
{
    // No pass may go on with the old recording.
    m_progress.stop();
    captureSettings();
    if (m_hub && m_hub->countSourceSignals() > 0) {
        QMutexLocker lock(&m_libraryMutex);
        takeRecording(readSettings());
    }
    m_frameStart = 0;
    m_lastFrameStart = 0;
    m_progress.reset();
    emit sendMaxSymbols(m_maxSymbols);
}

int ParserDigitalModulation::frameSamples(int num, const Settings &settings) const
{
    if (!(settings.symbolRate > 0.0) || !(settings.sampleRate > 0.0))
        return 0;
    const double samplesPerSymbol = settings.sampleRate / settings.symbolRate;
    const double samples = std::ceil((num * kFrameClockRoom + 2.0 * kFrameMarginSymbols) * samplesPerSymbol);
    return samples < double(INT_MAX) ? int(samples) : INT_MAX;
}

void ParserDigitalModulation::setFrameLength(int num)
{
    m_symbols = num;
}

void ParserDigitalModulation::setFrameStart(int start)
{
    m_frameStart = std::max(0, start);
}

void ParserDigitalModulation::advanceFrame()
{
    const int total = m_hub ? m_hub->sourceSignal(0).size() : 0;
    const qint64 next = qint64(m_lastFrameStart) + m_frameLength;
    m_frameStart = next + m_frameLength > total ? 0 : int(next);
}

void ParserDigitalModulation::rewindFrame()
{
    m_frameStart = m_lastFrameStart.load();
}

IQVector ParserDigitalModulation::parseLayer(int num, int layer)
{
    if (!m_analysis || !m_setSignal || isStopped())
        return IQVector();
    QMutexLocker lock(&m_libraryMutex);
    const Settings settings = readSettings();
    if (!(settings == m_given)) {
        // New rates or a new scheme change how many symbols the recording holds.
        takeRecording(settings);
        emit sendMaxSymbols(m_maxSymbols);
    }
    const IQVector recording = m_hub->sourceSignal(layer).samples();  // shares the hub's samples
    const int total = recording.size();
    const int length = std::min(total, frameSamples(num, settings));
    const int start = qBound(0, m_frameStart.load(), total - length);
    if (layer != m_givenLayer || start != m_givenStart || length != m_givenLength) {
        giveSignal(recording.mid(start, length), settings);
        m_givenLayer = layer;
        m_givenStart = start;
        m_givenLength = length;
    }
    m_lastFrameStart = start;
    m_frameLength = length;
    const IQVector result = m_analysis(num);
    if (result.isEmpty()) {
        reportError(m_getErrorCode ? m_getErrorCode() : 0);
        return result;
    }
    m_lastReportedError = kNothingReported;
    m_lastOversampling = m_getOversampling ? std::max(1, m_getOversampling()) : 1;
    m_lastTime4Sampling = m_getTime4Sampling ? std::max(0, m_getTime4Sampling()) : 0;
    emitResults(settings);
    return result;
}

void ParserDigitalModulation::emitResults(const Settings &settings)
{
    if (m_getEVMvsSymb) {
        if (ParamDigitalModulation *param = dmParam())
            param->setEvmVector(m_getEVMvsSymb());
    }
    const DataAnalysis current = m_getCurrStatistic ? m_getCurrStatistic() : DataAnalysis();
    const double symbolRate = current.symbolRate > 0.0 ? current.symbolRate : settings.symbolRate;
    m_lastFrameRate = m_lastOversampling * symbolRate;
    if (m_getCurrStatistic)
        emit sendData(current);
    if (m_isAveraging && m_getAverStatistic)
        emit sendAverData(m_getAverStatistic());
    if (m_getDemodSymbols)
        emit sendDemodSymbols(m_getDemodSymbols());
}

void ParserDigitalModulation::reportError(int code)
{
    // Codes 3 to 5 ask for another symbol count: the new limit says which.
    const bool asksForCount = code >= 3 && code <= 5;
    // While playing, the same complaint about the same settings is made once.
    if (!asksForCount && code != m_lastReportedError)
        emit sendError(errorText(code));
    m_lastReportedError = code;
    if (asksForCount || code == 7)
        emit sendMaxSymbols(m_maxSymbols);
}

void ParserDigitalModulation::setAveraging(bool on)
{
    m_isAveraging = on;
    if (on)
        resetAveraging();
}

void ParserDigitalModulation::resetAveraging()
{
    QMutexLocker lock(&m_libraryMutex);
    if (m_setAverage)
        m_setAverage(1);
}

int ParserDigitalModulation::getOversampling()
{
    QMutexLocker lock(&m_libraryMutex);
    return m_getOversampling ? m_getOversampling() : 1;
}

int ParserDigitalModulation::getTime4Sampling()
{
    QMutexLocker lock(&m_libraryMutex);
    return m_getTime4Sampling ? m_getTime4Sampling() : 0;
}
