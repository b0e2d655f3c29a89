#include "CliDemodulation.h"

#include "CliRecording.h"
#include "ModulationCatalogue.h"
#include "ParamDigitalModulation.h"
#include "ParamVectorAnalysis.h"
#include "ParserDigitalModulation.h"
#include "UnitText.h"

#include <QMap>

namespace {
const QStringList kOptions{"--modulation", "--symbol-rate", "--sample-rate", "--filter", "--alpha", "--symbols",
                           "--start"};

// A rate in Hz: "250000", "2.5e5" or "250 kHz".
bool parseRate(const QString &text, double &hz)
{
    return UnitText::read(text.trimmed(), hz) && hz > 0.0;
}

bool parseInt(const QString &text, int minimum, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= minimum;
}
}  // namespace

CliDemodulation::CliDemodulation() : m_filter(ParamDigitalModulation::kNoFilter), m_hub(ParamSignal::ModeDM) {}

CliDemodulation::~CliDemodulation()
{
    if (m_engine)
        m_engine->setManager(nullptr);
}

bool CliDemodulation::fail(const QString &reason, bool isUsage)
{
    m_error = reason;
    m_isUsageError = isUsage;
    return false;
}

bool CliDemodulation::isRequested(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QLatin1String("--symbol-rate") || arg.startsWith(QLatin1String("--symbol-rate=")))
            return true;
    }
    return false;
}

bool CliDemodulation::take(QStringList &args)
{
    QMap<QString, QString> given;
    for (int i = 0; i < args.size();) {
        const QString arg = args.at(i);
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (!kOptions.contains(name)) {
            ++i;
            continue;
        }
        if (arg.contains(QLatin1Char('='))) {
            given.insert(name, arg.section(QLatin1Char('='), 1));
            args.removeAt(i);
        } else if (i + 1 < args.size()) {
            given.insert(name, args.at(i + 1));
            args.removeAt(i);
            args.removeAt(i);
        } else {
            return fail(QStringLiteral("Missing value after '%1'.").arg(name), true);
        }
    }
    if (!given.contains(QStringLiteral("--modulation")) || !given.contains(QStringLiteral("--symbol-rate")))
        return fail(QStringLiteral("--modulation and --symbol-rate are required"), true);
    const QString scheme = given.value(QStringLiteral("--modulation"));
    const int id = modulationId(scheme.trimmed());
    if (id == ModNone)
        return fail(QStringLiteral("unknown modulation: %1").arg(scheme), true);
    m_modulation = modulationName(id);
    const QString symbolRate = given.value(QStringLiteral("--symbol-rate"));
    if (!parseRate(symbolRate, m_symbolRate))
        return fail(QStringLiteral("bad --symbol-rate: %1").arg(symbolRate), true);
    const auto value = [&given](const char *name) { return given.value(QLatin1String(name)); };
    const auto has = [&given](const char *name) { return given.contains(QLatin1String(name)); };
    if (has("--sample-rate") && !parseRate(value("--sample-rate"), m_sampleRate))
        return fail(QStringLiteral("bad --sample-rate: %1").arg(value("--sample-rate")), true);
    if (has("--filter"))
        m_filter = value("--filter");
    bool ok = true;
    if (has("--alpha"))
        m_alpha = value("--alpha").toDouble(&ok);
    if (!ok || m_alpha < 0.0 || m_alpha > 1.0)
        return fail(QStringLiteral("bad --alpha: %1 (0 to 1)").arg(value("--alpha")), true);
    if (has("--symbols") && !parseInt(value("--symbols"), 1, m_symbolCount))
        return fail(QStringLiteral("bad --symbols: %1").arg(value("--symbols")), true);
    if (has("--start") && !parseInt(value("--start"), 0, m_start))
        return fail(QStringLiteral("bad --start: %1").arg(value("--start")), true);
    return true;
}

// The engine's own road: the recording enters a hub of the digital-modulation mode,
// whose new source reaches the engine, and one window is analysed in its thread.
bool CliDemodulation::run(CliRecording &recording)
{
    m_engine = std::make_unique<ParserDigitalModulation>();
    if (!m_engine->isAvailable())
        return fail(m_engine->unavailableText(), false);
    const int total = recording.hub().sourceSignal(0).size();
    if (m_start >= total)
        return fail(QStringLiteral("--start %1 lies behind the recording's %2 samples").arg(m_start).arg(total), true);
    const auto *source = static_cast<const ParamVectorAnalysis *>(recording.hub().param());
    auto *param = static_cast<ParamDigitalModulation *>(m_hub.param());
    const double rate = m_sampleRate > 0.0 ? m_sampleRate : source->sourceSampleRate();
    param->setValue(QStringLiteral("CLOCK"), QString::number(rate, 'g', 17));
    param->setValue(QStringLiteral("FREQUENCY"), QString::number(source->sourceFrequency(), 'g', 17));
    param->setValue(QStringLiteral("SYMBOLRATE"), QString::number(m_symbolRate, 'g', 17));
    param->setModulation(m_modulation);
    param->setValue(QStringLiteral("FILTER"), m_filter);
    param->setValue(QStringLiteral("FPARAMETER"), QString::number(m_alpha, 'g', 17));

    ParserDigitalModulation &engine = *m_engine;
    bool hasData = false;
    int maxSymbols = 0;
    QString engineError;
    QObject::connect(&engine, &ParserDigitalModulation::sendMaxSymbols, &m_hub, [&maxSymbols](int max) { maxSymbols = max; },
                     Qt::DirectConnection);
    QObject::connect(&engine, &ParserDigitalModulation::sendData, &m_hub, [this, &hasData](const DataAnalysis &d) {
        m_statistics = d;
        hasData = true;
    }, Qt::DirectConnection);
    QObject::connect(&engine, &ParserDigitalModulation::sendDemodSymbols, &m_hub,
                     [this](const QVector<int> &s) { m_symbols = s; }, Qt::DirectConnection);
    QObject::connect(&engine, &ParserSignal::sendError, &m_hub, [&engineError](const QString &e) { engineError = e; },
                     Qt::DirectConnection);
    engine.setManager(&m_hub);
    m_hub.slotSetSignal(recording.hub().sourceSignals(), QStringLiteral("demod"), true);
    const int symbols = m_symbolCount > 0 ? m_symbolCount : std::max(1, std::min(kDefaultSymbols, maxSymbols));
    const int start = m_start;
    engine.captureSettings();
    QMetaObject::invokeMethod(&engine, [&engine, start, symbols] { engine.slotParseWindow(start, symbols); },
                              Qt::BlockingQueuedConnection);
    QObject::disconnect(&engine, nullptr, &m_hub, nullptr);
    if (!hasData) {
        if (!engineError.isEmpty())
            return fail(engineError, false);
        return fail(QStringLiteral("%1 symbols asked for, the recording holds at most %2 at these rates")
                        .arg(m_symbolCount)
                        .arg(maxSymbols),
                    false);
    }
    // The views show the whole corrected frame, as the DM mode selects it, with the
    // window's length in symbols.
    m_hub.slotChangeSizeSelection(symbols, false);
    m_hub.slotSelectFrame(engine.lastFrameStart(), m_hub.readySignal(0).size());
    return true;
}

int CliDemodulation::oversampling() const
{
    return m_engine ? m_engine->lastOversampling() : 1;
}

double CliDemodulation::frameRate() const
{
    return m_engine ? m_engine->lastFrameRate() : 0.0;
}

int CliDemodulation::time4Sampling() const
{
    return m_engine ? m_engine->lastTime4Sampling() : 0;
}
