// Tarnwick Studio: start-up. Theme, splash, the main window in its frame, then the
// event loop; a recording named on the command line is opened in vector analysis.
#include "GuiParserSignal.h"
#include "MainWindow.h"
#include "ModeVecAnalysis.h"
#include "ShellResources.h"
#include "SplashScreen.h"
#include "StartupSettings.h"
#include "ThemeStyle.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTextCodec>
#include <QTimer>

namespace {
struct Options
{
    QString file;
    int demo = -1;
    bool isPlay = false;
};

Options parseOptions(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("IQ signal analysis workstation"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Open built-in demo recording <n> (0 or 1)."),
                                  QStringLiteral("n"));
    const QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Start playing once the recording is loaded."));
    parser.addOption(demo);
    parser.addOption(play);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A recording to open in vector analysis."));
    parser.process(app);
    Options options;
    options.file = parser.positionalArguments().value(0);
    options.demo = parser.isSet(demo) ? parser.value(demo).toInt() : -1;
    options.isPlay = parser.isSet(play);
    return options;
}

void openRequested(MainWindow &window, const Options &options)
{
    ModeVecAnalysis *va = window.modeVecAnalysis();
    if (options.file.isEmpty() && options.demo < 0 && va->hub()->countSourceSignals() > 0)
        return;  // the profile brought its own recording back
    window.switchOnVecAnalysis();
    if (options.isPlay)
        QObject::connect(va->io(), &IOSignal::load, va, [va] { QTimer::singleShot(200, va, &ModeAnalysis::run); });
    if (!options.file.isEmpty())
        va->panel()->openSignal(options.file);
    else
        va->openDemoFile(std::max(0, options.demo));
}
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    StartupSettings::applyIdentity();
    ShellResources::init();
    const Options options = parseOptions(app);
    ThemeStyle::apply(StartupSettings::style());

    SplashScreen splash;
    splash.centreOn(QGuiApplication::primaryScreen());
    splash.show();
    QApplication::processEvents();

    auto *window = new MainWindow;
    WindowFrame frame(window);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (StartupSettings::startsMaximised(QGuiApplication::primaryScreen()->geometry().height())) {
        frame.showMaximized();
    } else {
        frame.resize(screen.size() * 0.9);
        frame.move(screen.center() - frame.rect().center());
        frame.show();
    }
    QApplication::processEvents();
    splash.finish(&frame);
    QTimer::singleShot(0, window, [window, options] { openRequested(*window, options); });
    return app.exec();
}
