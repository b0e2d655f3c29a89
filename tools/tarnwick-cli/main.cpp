// tarnwick-cli: the workstation's file and analysis code from the command line.
#include "AclrCommand.h"
#include "CliRecording.h"
#include "ConvertCommand.h"
#include "DemodCommand.h"
#include "InfoCommand.h"
#include "MeasureCommand.h"
#include "RenderCommand.h"
#include "SeriesCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const char kUsage[] =
    "usage: tarnwick-cli COMMAND ...   (tarnwick-cli --help shows this)\n"
    "  info FILE [--json]                      format, layers, rates, header tags, peak and RMS\n"
    "  convert IN OUT [--single|--double]      rewrite in the format of OUT's extension\n"
    "  series FILE --kind i|q|power|spectrum|iq [--layer K] [--start N] [--length L] [--avg A]\n"
    "         [--width P] [--carrier HZ] --csv OUT      the point series a plot draws, as x,y lines\n"
    "  render FILE --view i|q|power|spectrum|spectrogram|vector|constellation|evm [same options]\n"
    "         [--modulation NAME] [--size WxH] --png OUT   (--modulation: ideal points of the I/Q views)\n"
    "         draw a plot view offscreen (spectrogram: the selection played one window per row);\n"
    "         with the demod options (--symbol-rate ..., always for evm) the views show the window\n"
    "         demodulated, as the DM mode does: the corrected signal, its symbols and their error vector\n"
    "  measure FILE [selection options as for series] --peak | --channel-power F1 F2 | --obw | --rms\n"
    "         a marker measurement of the selection's spectrum (F in Hz, \"1.5 MHz\" allowed) or samples\n"
    "  aclr FILE --standard lte|nr|custom --bandwidth HZ [--scs HZ] [--carriers 1|2] [--carrier-offset HZ ...]\n"
    "         [--channel OFFSET,BANDWIDTH ...] [--json]   adjacent-channel leakage of the first 2^21 samples\n"
    "  demod FILE --modulation NAME --symbol-rate HZ [--sample-rate HZ] [--filter NAME] [--alpha A]\n"
    "         [--symbols N] [--start N] [--json]   demodulate N symbols from sample N of the first layer:\n"
    "         EVM, MER, impairments, power and the decided symbols. NAME is a catalogue name or key\n"
    "         (QPSK, qam16, 8PSK, π/4-DQPSK); the filter is None (default), Root Nyquist, Nyquist or Gaussian\n"
    "  Every command reads .owv .wv .bin .dat .txt, SigMF (.sigmf-meta, .sigmf-data, .sigmf archive) and the raw\n"
    "  files of SDR tools (.cf32 .cfile .fc32 .cf64 .cs16 .sc16 .cs8 .sc8 .cu8). A raw file's rate and centre\n"
    "  frequency come from its name (\"_2.4MSps_\", \"_433.92MHz_\") or from --rate HZ and --frequency HZ.\n";
}

int main(int argc, char **argv)
{
    // Drawing views needs a GUI application, offscreen unless told otherwise;
    // every other command stays headless.
    const bool isRender = argc > 1 && std::strcmp(argv[1], "render") == 0;
    if (isRender && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(isRender ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwick Studio"));
    QStringList args = app->arguments().mid(1);
    // --help anywhere, also behind a command, shows the usage and does nothing else.
    const bool isHelp = args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
    if (args.isEmpty() || isHelp) {
        std::fputs(kUsage, isHelp ? stdout : stderr);
        return isHelp ? 0 : 2;
    }
    const QString command = args.takeFirst();
    QString rateError;
    if (!CliRecording::takeRawRateOptions(args, rateError)) {
        std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(rateError));
        return 2;
    }
    if (command == QLatin1String("info"))
        return InfoCommand::run(args);
    if (command == QLatin1String("convert"))
        return ConvertCommand::run(args);
    if (command == QLatin1String("series"))
        return SeriesCommand::run(args);
    if (command == QLatin1String("render"))
        return RenderCommand::run(args);
    if (command == QLatin1String("aclr"))
        return AclrCommand::run(args);
    if (command == QLatin1String("measure"))
        return MeasureCommand::run(args);
    if (command == QLatin1String("demod"))
        return DemodCommand::run(args);
    std::fprintf(stderr, "tarnwick-cli: error: unknown command %s\n%s", qPrintable(command), kUsage);
    return 2;
}
