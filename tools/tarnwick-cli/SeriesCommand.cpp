#include "SeriesCommand.h"

#include "CalculateDate.h"
#include "CliDisplayRequest.h"
#include "CliRecording.h"

#include <QMap>
#include <QSaveFile>
#include <cstdio>

namespace {
int usageError(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s (see tarnwick-cli --help)\n", qPrintable(reason));
    return 2;
}

bool writeCsv(const QString &path, const QVector<QPointF> &series)
{
    QByteArray text;
    text.reserve(series.size() * 48);
    char line[80];
    for (const QPointF &p : series) {
        const int n = std::snprintf(line, sizeof line, "%.17g,%.17g\n", p.x(), p.y());
        text.append(line, n);
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}
}  // namespace

int SeriesCommand::run(const QStringList &args)
{
    static const QMap<QString, unsigned> kinds{{"i", CalculateDateSlot::KindI},
                                               {"q", CalculateDateSlot::KindQ},
                                               {"power", CalculateDateSlot::KindPower},
                                               {"spectrum", CalculateDateSlot::KindSpectrum},
                                               {"iq", CalculateDateSlot::KindIQ}};
    CliDisplayRequest request;
    QString file, kindName, csv;
    if (!request.parse(args, {{"--kind", &kindName}, {"--csv", &csv}}, file))
        return usageError(request.error());
    if (file.isEmpty() || csv.isEmpty() || kindName.isEmpty())
        return usageError(QStringLiteral("FILE, --kind and --csv are required"));
    if (!kinds.contains(kindName))
        return usageError(QStringLiteral("unknown kind %1").arg(kindName));

    CliRecording recording;
    if (!recording.load(file))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    if (!request.apply(recording))
        return usageError(request.error());
    CalculateDate calculate(&recording.hub());
    calculate.setCarrierFreq(request.carrier());
    calculate.setThinning(request.width() > 0);
    const QVector<QPointF> series =
        calculate.requestSeries(request.layer(), kinds.value(kindName), request.width(), request.average());
    if (series.isEmpty() && kindName == QLatin1String("spectrum") && !calculate.spectrumError().isEmpty())
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(calculate.spectrumError())), 1;
    if (!writeCsv(csv, series))
        return std::fprintf(stderr, "tarnwick-cli: error: cannot write %s\n", qPrintable(csv)), 1;
    return 0;
}
