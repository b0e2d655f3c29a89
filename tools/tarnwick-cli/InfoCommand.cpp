#include "InfoCommand.h"

#include "CliRecording.h"
#include "DatHeader.h"
#include "ParamVectorAnalysis.h"
#include "SignalInformation.h"
#include "SignalFileKind.h"
#include "TagScanner.h"
#include "UnitText.h"

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

// What a SigMF recording's metadata said, as the reader kept it.
Tags sigmfTags(CliRecording &recording)
{
    const SignalInformation &information = recording.hub().fileInformation();
    Tags tags;
    for (const char *key : {"DATATYPE", "DATE", "CAPTURES", "AUTHOR", "DESCRIPTION"}) {
        const QString value = information.tag(QLatin1String(key));
        if (!value.isEmpty())
            tags.append({QLatin1String(key), value});
    }
    return tags;
}

Tags headerTags(CliRecording &recording)
{
    const SignalFileKind::Kind kind = SignalFileKind::of(recording.path());
    if (SignalFileKind::isSigmf(kind))
        return sigmfTags(recording);
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
    const SignalFileKind::Kind kind = SignalFileKind::of(recording.path());
    if (SignalFileKind::isSigmf(kind))
        return recording.hub().fileInformation().tag(QStringLiteral("DATATYPE"));
    if (SignalFileKind::isRaw(kind))
        return SignalFileKind::rawFormat(kind).datatype();
    if (recording.format() == QLatin1String("txt"))
        return QStringLiteral("text");
    if (recording.format() == QLatin1String("dat"))
        return QStringLiteral("16-bit");
    return recording.io().isReadDouble() ? QStringLiteral("64-bit float") : QStringLiteral("16-bit");
}

QJsonArray annotationsJson(const SignalAnnotations &annotations)
{
    QJsonArray list;
    for (const SignalAnnotation &a : annotations) {
        QJsonObject object{{QStringLiteral("start"), double(a.start)}, {QStringLiteral("count"), double(a.count)},
                           {QStringLiteral("label"), a.label}, {QStringLiteral("comment"), a.comment}};
        if (a.hasFrequencies) {
            object.insert(QStringLiteral("freq_lower_edge"), a.lowerEdge);
            object.insert(QStringLiteral("freq_upper_edge"), a.upperEdge);
        }
        list.append(object);
    }
    return list;
}

// "samples 1000 to 1499, 100.1 MHz to 100.2 MHz: burst (comment)"
QString annotationText(const SignalAnnotation &a)
{
    QString text = QStringLiteral("samples %1 to %2").arg(a.start).arg(a.end() - 1);
    if (a.hasFrequencies)
        text += QStringLiteral(", %1 to %2").arg(UnitText::format(a.lowerEdge, QStringLiteral("Hz")),
                                                  UnitText::format(a.upperEdge, QStringLiteral("Hz")));
    if (!a.label.isEmpty())
        text += QStringLiteral(": ") + a.label;
    if (!a.comment.isEmpty())
        text += QStringLiteral(" (%1)").arg(a.comment);
    return text;
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
                       {QStringLiteral("annotations"), annotationsJson(hub.fileInformation().annotations())},
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
    const SignalAnnotations &annotations = hub.fileInformation().annotations();
    if (!annotations.isEmpty())
        std::printf("Annotations:\n");
    for (const SignalAnnotation &annotation : annotations)
        std::printf("  %s\n", qPrintable(annotationText(annotation)));
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
