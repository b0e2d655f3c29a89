// tarnwick-cli: the workstation's file and analysis code from the command line.
#include "ConvertCommand.h"
#include "InfoCommand.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
const char kUsage[] =
    "usage: tarnwick-cli COMMAND ...\n"
    "  info FILE [--json]                      format, layers, rates, header tags, peak and RMS\n"
    "  convert IN OUT [--single|--double]      rewrite in the format of OUT's extension\n";
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwick Studio"));
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("info"))
        return InfoCommand::run(args);
    if (command == QLatin1String("convert"))
        return ConvertCommand::run(args);
    std::fprintf(stderr, "tarnwick-cli: error: unknown command %s\n%s", qPrintable(command), kUsage);
    return 2;
}
