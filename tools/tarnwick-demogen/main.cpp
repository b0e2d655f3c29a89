// Writes the built-in demo recordings into the folder given as the only argument.
#include "DemoSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tarnwick-demogen FOLDER\n");
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath();
    for (int n = 0; n < DemoSignals::Count; ++n) {
        if (!DemoSignals::write(n, folder)) {
            std::fprintf(stderr, "tarnwick-demogen: cannot write %s into %s\n", qPrintable(DemoSignals::fileName(n)),
                         qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
