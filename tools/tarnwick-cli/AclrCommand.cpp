#include "AclrCommand.h"

#include "ACLRLibrary.h"
#include "CliRecording.h"
#include "ParamACLR.h"
#include "ParamVectorAnalysis.h"
#include "ParserACLR.h"
#include "UnitPrefix.h"
#include "UnitText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <cstdio>

namespace {
int usageError(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s (see tarnwick-cli --help)\n", qPrintable(reason));
    return 2;
}

// A frequency in Hz: "1.5e6" or "1.5 MHz".
bool readHertz(const QString &text, double &hz)
{
    return UnitText::read(text.trimmed(), hz) && std::isfinite(hz);
}

QString hertzText(double hz)
{
    return UnitText::format(hz, QStringLiteral("Hz"));
}

struct Options
{
    QString file;
    QString standard;
    double bandwidth = 0.0;
    double spacing = 30e3;
    int carriers = 1;
    QVector<double> carrierOffsets;
    QVector<QPair<double, double>> channels;
    bool isJson = false;
    QString error;

    bool fail(const QString &reason)
    {
        error = reason;
        return false;
    }

    bool parse(const QStringList &args)
    {
        bool hasBandwidth = false;
        for (int i = 0; i < args.size(); ++i) {
            const QString &arg = args.at(i);
            const bool needsValue = arg != QLatin1String("--json") && arg.startsWith(QLatin1String("--"));
            if (needsValue && i + 1 >= args.size())
                return fail(QStringLiteral("%1 needs a value").arg(arg));
            const QString value = needsValue ? args.at(++i) : QString();
            double hz = 0.0;
            if (arg == QLatin1String("--json")) {
                isJson = true;
            } else if (arg == QLatin1String("--standard")) {
                standard = value.toLower();
                if (standard != QLatin1String("lte") && standard != QLatin1String("nr") && standard != QLatin1String("custom"))
                    return fail(QStringLiteral("--standard is lte, nr or custom, not %1").arg(value));
            } else if (arg == QLatin1String("--bandwidth")) {
                if (!readHertz(value, bandwidth) || bandwidth <= 0.0)
                    return fail(QStringLiteral("bad --bandwidth: %1").arg(value));
                hasBandwidth = true;
            } else if (arg == QLatin1String("--scs")) {
                if (!readHertz(value, spacing) || spacing <= 0.0)
                    return fail(QStringLiteral("bad --scs: %1").arg(value));
            } else if (arg == QLatin1String("--carriers")) {
                carriers = value.toInt();
                if (value != QLatin1String("1") && value != QLatin1String("2"))
                    return fail(QStringLiteral("--carriers is 1 or 2, not %1").arg(value));
            } else if (arg == QLatin1String("--carrier-offset")) {
                if (!readHertz(value, hz) || carrierOffsets.size() == 2)
                    return fail(QStringLiteral("bad or third --carrier-offset: %1").arg(value));
                carrierOffsets << hz;
            } else if (arg == QLatin1String("--channel")) {
                const QStringList parts = value.split(QLatin1Char(','));
                double offset = 0.0, width = 0.0;
                if (parts.size() != 2 || !readHertz(parts.at(0), offset) || !readHertz(parts.at(1), width) || width <= 0.0
                    || offset <= 0.0 || channels.size() == 2)
                    return fail(QStringLiteral("bad or third --channel (OFFSET,BANDWIDTH, both positive): %1").arg(value));
                channels << qMakePair(offset, width);
            } else if (arg.startsWith(QLatin1String("--"))) {
                return fail(QStringLiteral("unknown option %1").arg(arg));
            } else if (file.isEmpty()) {
                file = arg;
            } else {
                return fail(QStringLiteral("one FILE only, not also %1").arg(arg));
            }
        }
        if (file.isEmpty())
            return fail(QStringLiteral("FILE is required"));
        if (standard.isEmpty())
            return fail(QStringLiteral("--standard is required"));
        if (!hasBandwidth)
            return fail(QStringLiteral("--bandwidth is required"));
        if (standard == QLatin1String("custom") && channels.isEmpty())
            return fail(QStringLiteral("a custom measurement needs at least one --channel OFFSET,BANDWIDTH"));
        return true;
    }

    void apply(ParamACLR &param, double sampleRate) const
    {
        param.parseText(QStringLiteral("{CLOCK:%1}").arg(QString::number(sampleRate, 'g', 17)), false);
        param.setItem(QStringLiteral("Mode"), standard == QLatin1String("lte") ? ParamACLR::kLTE
                                              : standard == QLatin1String("nr") ? ParamACLR::kNR : ParamACLR::kCustom);
        param.setItem(QStringLiteral("CarrierConfig"), carriers == 2 ? ParamACLR::kMultiCarrier : ParamACLR::kSingleCarrier);
        const QString suffix = param.standardSuffix();
        param.setItem(QStringLiteral("BandwidthCarrier"), hertzText(bandwidth));
        for (int c = 0; c < 2; ++c) {
            const QString carrier = QStringLiteral("CC%1").arg(c + 1);
            // Two carriers without offsets sit one channel bandwidth apart around the centre.
            const double fallback = carriers == 2 ? (c == 0 ? -bandwidth / 2 : bandwidth / 2) : 0.0;
            param.setItem(QStringLiteral("Offset%1_%2").arg(carrier, suffix), hertzText(carrierOffsets.value(c, fallback)));
            param.setItem(QStringLiteral("Bandwidth%1_%2").arg(carrier, suffix), hertzText(bandwidth));
            param.setItem(QStringLiteral("SCS_%1_NR").arg(carrier), hertzText(spacing));
        }
        param.setItem(QStringLiteral("SCS_NR"), hertzText(spacing));
        param.setItem(QStringLiteral("Channels"), channels.isEmpty() ? ParamACLR::kPresetChannels : ParamACLR::kCustomChannels);
        for (int n = 0; n < 2; ++n) {
            const QPair<double, double> channel = channels.value(n, qMakePair(0.0, 0.0));
            param.setItem(QStringLiteral("OffsetCh%1").arg(n + 1), hertzText(channel.first));
            param.setItem(QStringLiteral("BandwidthCh%1").arg(n + 1), hertzText(channel.second));
        }
    }
};

QJsonValue level(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QString levelText(double value)
{
    return std::isfinite(value) ? QString::number(value, 'f', 3) : QStringLiteral("-");
}

QJsonObject toJson(const QString &file, double sampleRate, const ACLRResults &results, const QString &status)
{
    QJsonArray carriers, channels;
    for (const ACLRBand &band : results.bands) {
        if (!band.isCarrier)
            continue;
        carriers.append(QJsonObject{{QStringLiteral("name"), band.name},
                                    {QStringLiteral("centre"), band.start + band.bandwidth / 2},
                                    {QStringLiteral("bandwidth"), band.bandwidth},
                                    {QStringLiteral("level_dbm"), level(band.level)}});
    }
    for (const ACLRChannelRow &row : results.rows) {
        channels.append(QJsonObject{{QStringLiteral("name"), row.name},
                                    {QStringLiteral("offset"), row.offset},
                                    {QStringLiteral("bandwidth"), row.bandwidth},
                                    {QStringLiteral("reference"), row.reference},
                                    {QStringLiteral("aclr_dbc"), level(row.dbc)},
                                    {QStringLiteral("power_dbm"), level(row.dbm)},
                                    {QStringLiteral("in_band"), row.isInBand()}});
    }
    return QJsonObject{{QStringLiteral("file"), file},
                       {QStringLiteral("sample_rate"), sampleRate},
                       {QStringLiteral("samples_measured"), results.status.samplesMeasured},
                       {QStringLiteral("rbw"), results.status.resolutionBandwidth},
                       {QStringLiteral("carriers"), carriers},
                       {QStringLiteral("channels"), channels},
                       {QStringLiteral("messages"), QJsonArray::fromStringList(status.split(QLatin1Char('\n'), Qt::SkipEmptyParts))}};
}

void printText(const ACLRResults &results, const QString &status)
{
    for (const ACLRBand &band : results.bands) {
        if (band.isCarrier)
            std::printf("%s  centre %s  bandwidth %s  level %s dBm\n", qPrintable(band.name),
                        qPrintable(UnitPrefix::formatLarge(band.start + band.bandwidth / 2, QStringLiteral("Hz"))),
                        qPrintable(UnitPrefix::formatLarge(band.bandwidth, QStringLiteral("Hz"))), qPrintable(levelText(band.level)));
    }
    std::printf("%-8s %14s %14s %-7s %-4s %10s %10s\n", "Channel", "Freq. Offset", "Bandwidth", "Filter", "Ref.",
                "ACP (dBc)", "ACP (dBm)");
    for (const ACLRChannelRow &row : results.rows)
        std::printf("%-8s %14d %14d %-7s %-4s %10s %10s\n", qPrintable(row.name), row.offset, row.bandwidth,
                    qPrintable(row.filterType), qPrintable(row.reference), qPrintable(levelText(row.dbc)),
                    qPrintable(levelText(row.dbm)));
    if (!status.isEmpty())
        std::printf("%s\n", qPrintable(status));
}
}  // namespace

int AclrCommand::run(const QStringList &args)
{
    Options options;
    if (!options.parse(args))
        return usageError(options.error);
    CliRecording recording;
    if (!recording.load(options.file))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    const auto *source = dynamic_cast<const ParamVectorAnalysis *>(recording.hub().param());
    const double sampleRate = source ? source->sourceSampleRate() : recording.hub().param()->sampleRate();
    ParamACLR param;
    options.apply(param, sampleRate);

    ACLRLibrary library;
    if (!library.isLoaded())
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(library.errorString())), 1;
    const Signal layer = recording.hub().sourceSignal(0);
    const IQVector &samples = layer.samples();
    library.measure(samples.constData(), std::min(samples.size(), ParserACLR::kMaxSamples), param.parameterBlock());
    const ACLRResults results = library.results();
    const QString status = ParserACLR::statusText(results, samples.size(), QString());
    if (options.isJson)
        std::printf("%s\n", QJsonDocument(toJson(recording.path(), sampleRate, results, status)).toJson(QJsonDocument::Indented).constData());
    else
        printText(results, status);
    return results.status.status == ACLRStatusOk ? 0 : 1;
}
