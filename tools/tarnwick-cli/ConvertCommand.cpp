#include "ConvertCommand.h"

#include "CliRecording.h"
#include "SignalFileKind.h"

#include <QFileInfo>
#include <cstdio>

int ConvertCommand::run(const QStringList &args)
{
    QStringList files;
    int accuracy = IOSignal::AccuracySingle;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--single"))
            accuracy = IOSignal::AccuracySingle;
        else if (arg == QLatin1String("--double"))
            accuracy = IOSignal::AccuracyDouble;
        else if (arg.startsWith(QLatin1String("--")))
            return std::fprintf(stderr, "tarnwick-cli: error: unknown option %s\n", qPrintable(arg)), 2;
        else
            files.append(arg);
    }
    if (files.size() != 2)
        return std::fprintf(stderr, "usage: tarnwick-cli convert IN OUT [--single|--double] [--rate HZ] [--frequency HZ]\n"), 2;
    const QString out = QFileInfo(files.at(1)).absoluteFilePath();
    const SignalFileKind::Kind kind = SignalFileKind::of(out);
    if (kind == SignalFileKind::Text || kind == SignalFileKind::Other)
        return std::fprintf(stderr, "tarnwick-cli: error: %s: the output must end in .owv, .wv, .bin, .dat, .all, "
                                    ".sigmf-meta, .sigmf-data, .sigmf, .cf32, .cfile, .fc32, .cf64, .cs16, .sc16, .cs8, "
                                    ".sc8 or .cu8\n",
                            qPrintable(files.at(1))), 2;
    CliRecording recording;
    if (!recording.load(files.first()))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    recording.io().setAccuracy(accuracy);
    if (!recording.io().writeFile(out)) {
        const QString reason = recording.error().isEmpty() ? QStringLiteral("cannot write %1").arg(files.at(1))
                                                           : recording.error();
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(reason)), 1;
    }
    return 0;
}
