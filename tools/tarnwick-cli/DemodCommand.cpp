#include "DemodCommand.h"

#include "CliDemodulation.h"
#include "CliRecording.h"
#include "PowerOffset.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {
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

// What is left once the demodulation's options are taken: FILE and --json.
QString parseRest(const QStringList &args, QString &file, bool &isJson)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOption(json);
    if (!parser.parse(QStringList{QStringLiteral("demod")} + args))
        return parser.errorText();
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return QStringLiteral("give one FILE");
    file = files.first();
    isJson = parser.isSet(json);
    return QString();
}

QJsonObject toJson(const CliDemodulation &r)
{
    const DataAnalysis d = r.statistics();
    const QString modulation = r.modulation();
    QJsonArray symbols;
    for (int s : r.symbols())
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
                       {QStringLiteral("symbol_count"), r.symbols().size()},
                       {QStringLiteral("symbols"), symbols}};
}

void printText(const CliDemodulation &r)
{
    const DataAnalysis d = r.statistics();
    const QString modulation = r.modulation();
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
    std::printf("Symbols: %d\n", int(r.symbols().size()));
}

}  // namespace

int DemodCommand::run(const QStringList &args)
{
    CliDemodulation demodulation;
    QStringList rest = args;
    if (!demodulation.take(rest))
        return usageError(demodulation.error());
    QString file;
    bool isJson = false;
    const QString problem = parseRest(rest, file, isJson);
    if (!problem.isEmpty())
        return usageError(problem);
    CliRecording recording;
    if (!recording.load(file))
        return failure(recording.error());
    if (!demodulation.run(recording))
        return demodulation.isUsageError() ? usageError(demodulation.error()) : failure(demodulation.error());
    if (isJson)
        std::fputs(QJsonDocument(toJson(demodulation)).toJson(QJsonDocument::Indented).constData(), stdout);
    else
        printText(demodulation);
    return 0;
}
