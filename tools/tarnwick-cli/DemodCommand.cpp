#include "DemodCommand.h"

#include "CliRecording.h"
#include "ManagerSignal.h"
#include "ModulationCatalogue.h"
#include "ParamDigitalModulation.h"
#include "ParamVectorAnalysis.h"
#include "ParserDigitalModulation.h"
#include "PowerOffset.h"
#include "UnitText.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {
// As many symbols as the workstation's window holds when it opens a recording.
constexpr int kDefaultSymbols = 2000;

int usageError(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s (see tarnwick-cli --help)\n", qPrintable(reason));
    return 2;
}

int failure(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(reason));
    return 1;
}

// A rate in Hz: "250000", "2.5e5" or "250 kHz".
bool parseRate(const QString &text, double &hz)
{
    return UnitText::read(text.trimmed(), hz) && hz > 0.0;
}

struct DemodOptions
{
    QString file;
    QString modulation;
    QString filter = ParamDigitalModulation::kNoFilter;
    double symbolRate = 0.0;
    double sampleRate = 0.0;  // 0: the recording's own
    double alpha = 0.0;       // 0: the receiver's default
    int symbols = 0;          // 0: the default window, within what the recording holds
    int start = 0;
    bool isJson = false;
};

bool parseInt(const QString &text, int minimum, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= minimum;
}

QString parseOptions(const QStringList &args, DemodOptions &o)
{
    QCommandLineParser parser;
    const QCommandLineOption modulation(QStringLiteral("modulation"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption symbolRate(QStringLiteral("symbol-rate"), QString(), QStringLiteral("HZ"));
    const QCommandLineOption sampleRate(QStringLiteral("sample-rate"), QString(), QStringLiteral("HZ"));
    const QCommandLineOption filter(QStringLiteral("filter"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption alpha(QStringLiteral("alpha"), QString(), QStringLiteral("A"));
    const QCommandLineOption symbols(QStringLiteral("symbols"), QString(), QStringLiteral("N"));
    const QCommandLineOption start(QStringLiteral("start"), QString(), QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOptions({modulation, symbolRate, sampleRate, filter, alpha, symbols, start, json});
    if (!parser.parse(QStringList{QStringLiteral("demod")} + args))
        return parser.errorText();
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return QStringLiteral("give one FILE");
    o.file = files.first();
    if (!parser.isSet(modulation) || !parser.isSet(symbolRate))
        return QStringLiteral("--modulation and --symbol-rate are required");
    const int id = modulationId(parser.value(modulation).trimmed());
    if (id == ModNone)
        return QStringLiteral("unknown modulation: %1").arg(parser.value(modulation));
    o.modulation = modulationName(id);
    if (!parseRate(parser.value(symbolRate), o.symbolRate))
        return QStringLiteral("bad --symbol-rate: %1").arg(parser.value(symbolRate));
    if (parser.isSet(sampleRate) && !parseRate(parser.value(sampleRate), o.sampleRate))
        return QStringLiteral("bad --sample-rate: %1").arg(parser.value(sampleRate));
    if (parser.isSet(filter))
        o.filter = parser.value(filter);
    bool ok = true;
    if (parser.isSet(alpha))
        o.alpha = parser.value(alpha).toDouble(&ok);
    if (!ok || o.alpha < 0.0 || o.alpha > 1.0)
        return QStringLiteral("bad --alpha: %1 (0 to 1)").arg(parser.value(alpha));
    if (parser.isSet(symbols) && !parseInt(parser.value(symbols), 1, o.symbols))
        return QStringLiteral("bad --symbols: %1").arg(parser.value(symbols));
    if (parser.isSet(start) && !parseInt(parser.value(start), 0, o.start))
        return QStringLiteral("bad --start: %1").arg(parser.value(start));
    o.isJson = parser.isSet(json);
    return QString();
}

struct DemodResult
{
    bool hasData = false;
    DataAnalysis data;
    QVector<int> symbols;
    QString error;
    int maxSymbols = 0;
};

QJsonObject toJson(const DemodResult &r, const QString &modulation)
{
    const DataAnalysis &d = r.data;
    QJsonArray symbols;
    for (int s : r.symbols)
        symbols.append(s);
    return QJsonObject{{QStringLiteral("evm"), d.evm},
                       {QStringLiteral("evm_peak"), d.evmPeak},
                       {QStringLiteral("magnitude_error"), d.magnitudeError},
                       {QStringLiteral("phase_error"), d.phaseError},
                       {QStringLiteral("frequency_error"), d.freqError},
                       {QStringLiteral("mer"), d.mer},
                       {QStringLiteral("iq_offset"), d.iqOffset},
                       {QStringLiteral("gain_imbalance"), d.gainImbalance},
                       {QStringLiteral("quadrature_error"), d.quadratureError},
                       {QStringLiteral("snr"), d.snr},
                       {QStringLiteral("symbol_rate"), d.symbolRate},
                       {QStringLiteral("power"), PowerOffset::powerDbm(d.power, modulation)},
                       {QStringLiteral("symbol_count"), r.symbols.size()},
                       {QStringLiteral("symbols"), symbols}};
}

void printText(const DemodResult &r, const QString &modulation)
{
    const DataAnalysis &d = r.data;
    const struct { const char *name; double value; const char *unit; } rows[] = {
        {"EVM", d.evm, "%"},
        {"EVM Peak", d.evmPeak, "%"},
        {"Magnitude Error", d.magnitudeError, "dB"},
        {"Phase Error", d.phaseError, "deg"},
        {"Frequency Error", d.freqError, "Hz"},
        {"MER", d.mer, "dB"},
        {"IQ Offset", d.iqOffset, "dB"},
        {"Gain Imbalance", d.gainImbalance, "dB"},
        {"Quadrature Error", d.quadratureError, "deg"},
        {"SNR", d.snr, "dB"},
        {"Symbol Rate", d.symbolRate, "Hz"},
        {"Power", PowerOffset::powerDbm(d.power, modulation), "dBm"},
    };
    for (const auto &row : rows)
        std::printf("%s: %s %s\n", row.name, qPrintable(QString::number(row.value, 'f', 3)), row.unit);
    std::printf("Symbols: %d\n", int(r.symbols.size()));
}

// The engine's own road: the recording enters a hub of the digital-modulation mode,
// whose new source reaches the engine, and one window is analysed in its thread.
DemodResult demodulate(const QVector<Signal> &layers, const DemodOptions &o, double recordingRate,
                       ParserDigitalModulation &engine)
{
    ManagerSignal hub(ParamSignal::ModeDM);
    auto *param = static_cast<ParamDigitalModulation *>(hub.param());
    param->setValue(QStringLiteral("CLOCK"), QString::number(o.sampleRate > 0.0 ? o.sampleRate : recordingRate, 'g', 17));
    param->setValue(QStringLiteral("SYMBOLRATE"), QString::number(o.symbolRate, 'g', 17));
    param->setModulation(o.modulation);
    param->setValue(QStringLiteral("FILTER"), o.filter);
    param->setValue(QStringLiteral("FPARAMETER"), QString::number(o.alpha, 'g', 17));
    DemodResult r;
    engine.setManager(&hub);
    QObject::connect(&engine, &ParserDigitalModulation::sendMaxSymbols, &hub, [&r](int max) { r.maxSymbols = max; },
                     Qt::DirectConnection);
    QObject::connect(&engine, &ParserDigitalModulation::sendData, &hub, [&r](const DataAnalysis &d) {
        r.data = d;
        r.hasData = true;
    }, Qt::DirectConnection);
    QObject::connect(&engine, &ParserDigitalModulation::sendDemodSymbols, &hub,
                     [&r](const QVector<int> &s) { r.symbols = s; }, Qt::DirectConnection);
    QObject::connect(&engine, &ParserSignal::sendError, &hub, [&r](const QString &e) { r.error = e; },
                     Qt::DirectConnection);
    hub.slotSetSignal(layers, QStringLiteral("demod"), true);
    const int symbols = o.symbols > 0 ? o.symbols : std::max(1, std::min(kDefaultSymbols, r.maxSymbols));
    QMetaObject::invokeMethod(&engine, [&engine, &o, symbols] { engine.slotParseWindow(o.start, symbols); },
                              Qt::BlockingQueuedConnection);
    engine.setManager(nullptr);
    return r;
}
}  // namespace

int DemodCommand::run(const QStringList &args)
{
    DemodOptions options;
    const QString problem = parseOptions(args, options);
    if (!problem.isEmpty())
        return usageError(problem);
    ParserDigitalModulation engine;
    if (!engine.isAvailable())
        return failure(engine.unavailableText());
    CliRecording recording;
    if (!recording.load(options.file))
        return failure(recording.error());
    const auto *source = static_cast<const ParamVectorAnalysis *>(recording.hub().param());
    if (options.start >= recording.hub().sourceSignal(0).size())
        return usageError(QStringLiteral("--start %1 lies behind the recording's %2 samples")
                              .arg(options.start)
                              .arg(recording.hub().sourceSignal(0).size()));
    const DemodResult result = demodulate(recording.hub().sourceSignals(), options, source->sourceSampleRate(), engine);
    if (!result.hasData) {
        if (!result.error.isEmpty())
            return failure(result.error);
        return failure(QStringLiteral("%1 symbols asked for, the recording holds at most %2 at these rates")
                           .arg(options.symbols)
                           .arg(result.maxSymbols));
    }
    if (options.isJson)
        std::fputs(QJsonDocument(toJson(result, options.modulation)).toJson(QJsonDocument::Indented).constData(), stdout);
    else
        printText(result, options.modulation);
    return 0;
}
