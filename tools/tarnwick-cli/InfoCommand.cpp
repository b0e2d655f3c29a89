#include "InfoCommand.h"

#include "CliRecording.h"
#include "DatHeader.h"
#include "ParamVectorAnalysis.h"
#include "SignalInformation.h"
#include "TagScanner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cmath>
#include <cstdio>

namespace {
using Tags = QVector<QPair<QString, QString>>;

Tags datHeaderTags(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(DatHeader::kSize);
    DatHeader h;
    if (!DatHeader::read(bytes.constData(), bytes.size(), h))
        return {};
    return {{QStringLiteral("SAMPLE RATE"), QString::number(h.sampleRate)},
            {QStringLiteral("LAYERS"), QString::number(h.layers)},
            {QStringLiteral("SAMPLES"), QString::number(h.perLayer)},
            {QStringLiteral("PEAK"), QString::number(h.peak, 'g', 17)}};
}

Tags headerTags(CliRecording &recording)
{
    if (recording.format() == QLatin1String("dat"))
        return datHeaderTags(recording.path());
    if (recording.format() != QLatin1String("owv") && recording.format() != QLatin1String("wv"))
        return {};
    QFile file(recording.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return SignalInformation::headerItems(TagScanner::fromFile(file));
}

QString precision(CliRecording &recording)
{
    if (recording.format() == QLatin1String("txt"))
        return QStringLiteral("text");
    if (recording.format() == QLatin1String("dat"))
        return QStringLiteral("16-bit");
    return recording.io().isReadDouble() ? QStringLiteral("64-bit float") : QStringLiteral("16-bit");
}

double peakDbfs(double peak) { return peak > 0.0 ? 20.0 * std::log10(peak) : -200.0; }

QJsonObject toJson(CliRecording &recording, const Tags &tags, double rate, double frequency)
{
    ManagerSignal &hub = recording.hub();
    QJsonArray samples, peaks, rms;
    for (int i = 0; i < hub.countSourceSignals(); ++i) {
        const IQVector s = hub.sourceSignal(i).samples();
        samples.append(s.size());
        peaks.append(SignalInformation::peak(s));
        rms.append(SignalInformation::rmsDbfs(s));
    }
    QJsonObject tagObject;
    for (const auto &tag : tags)
        tagObject.insert(tag.first, tag.second);
    return QJsonObject{{QStringLiteral("file"), recording.path()},
                       {QStringLiteral("format"), recording.format()},
                       {QStringLiteral("precision"), precision(recording)},
                       {QStringLiteral("layers"), hub.countSourceSignals()},
                       {QStringLiteral("samples"), samples},
                       {QStringLiteral("sample_rate"), rate},
                       {QStringLiteral("frequency"), frequency},
                       {QStringLiteral("tags"), tagObject},
                       {QStringLiteral("peak"), peaks},
                       {QStringLiteral("rms_dbfs"), rms}};
}

void printText(CliRecording &recording, const Tags &tags, double rate, double frequency)
{
    ManagerSignal &hub = recording.hub();
    std::printf("File:        %s\n", qPrintable(recording.path()));
    std::printf("Format:      %s (%s)\n", qPrintable(recording.format()), qPrintable(precision(recording)));
    std::printf("Layers:      %d\n", hub.countSourceSignals());
    std::printf("Sample rate: %.17g Hz\n", rate);
    std::printf("Frequency:   %.17g Hz\n", frequency);
    if (!tags.isEmpty())
        std::printf("Tags:\n");
    for (const auto &tag : tags)
        std::printf("  %s: %s\n", qPrintable(tag.first), qPrintable(tag.second));
    for (int i = 0; i < hub.countSourceSignals(); ++i) {
        const IQVector s = hub.sourceSignal(i).samples();
        const double peak = SignalInformation::peak(s);
        std::printf("Layer %d:     %d samples, peak %.6f (%.2f dBFS), RMS %.2f dBFS\n", i + 1, s.size(), peak,
                    peakDbfs(peak), SignalInformation::rmsDbfs(s));
    }
}
}  // namespace

int InfoCommand::run(const QStringList &args)
{
    QStringList files;
    bool isJson = false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            isJson = true;
        else if (arg.startsWith(QLatin1String("--")))
            return std::fprintf(stderr, "tarnwick-cli: error: unknown option %s\n", qPrintable(arg)), 2;
        else
            files.append(arg);
    }
    if (files.size() != 1)
        return std::fprintf(stderr, "usage: tarnwick-cli info FILE [--json]\n"), 2;
    CliRecording recording;
    if (!recording.load(files.first()))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    const auto *param = static_cast<const ParamVectorAnalysis *>(recording.hub().param());
    const Tags tags = headerTags(recording);
    if (isJson) {
        const QJsonObject json = toJson(recording, tags, param->sourceSampleRate(), param->sourceFrequency());
        std::printf("%s\n", QJsonDocument(json).toJson(QJsonDocument::Indented).constData());
    } else {
        printText(recording, tags, param->sourceSampleRate(), param->sourceFrequency());
    }
    return 0;
}
