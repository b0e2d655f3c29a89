// Writes the built-in demo recordings into the folder given as the only argument.
#include "DemoSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the built-in demo recordings into FOLDER."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("where the recordings go; created if missing"));
    // Unknown options and --help end the program here, before anything is written.
    parser.process(app);
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1) {
        std::fprintf(stderr, "tarnwick-demogen: error: give one FOLDER (see tarnwick-demogen --help)\n");
        return 2;
    }
    const QString folder = QDir(folders.first()).absolutePath();
    for (int n = 0; n < DemoSignals::Count; ++n) {
        if (!DemoSignals::write(n, folder)) {
            std::fprintf(stderr, "tarnwick-demogen: cannot write %s into %s\n", qPrintable(DemoSignals::fileName(n)),
                         qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
