// Tarnwick Studio: until the main window lands, the vector-analysis mode in a plain
// window, opening the file given on the command line or the built-in demo recording.
#include "GuiParserSignal.h"
#include "ModeVecAnalysis.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Tarnwick Studio"));
    QApplication::setApplicationVersion(QStringLiteral("1.11"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("IQ signal analysis workstation"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Open built-in demo recording <n> (0 or 1)."),
                            QStringLiteral("n"), QStringLiteral("0"));
    QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Start playing once the recording is loaded."));
    parser.addOption(demo);
    parser.addOption(play);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A recording to open."));
    parser.process(app);

    ModeVecAnalysis mode;
    mode.setWindowTitle(QStringLiteral("Tarnwick Studio 1.11"));
    mode.startMode();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    mode.resize(screen.size() * 0.85);
    mode.show();
    if (parser.isSet(play))
        QObject::connect(mode.io(), &IOSignal::load, &mode, [&mode] { QTimer::singleShot(100, &mode, &ModeAnalysis::run); });
    QTimer::singleShot(0, &mode, [&] {
        if (!parser.positionalArguments().isEmpty())
            mode.panel()->openSignal(parser.positionalArguments().first());
        else
            mode.openDemoFile(parser.value(demo).toInt());
    });
    return app.exec();
}
