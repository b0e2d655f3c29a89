// Tarnwick Studio: start-up. Theme, splash, the main window in its frame, then the
// event loop; a recording named on the command line is opened in vector analysis.
#include "MainWindow.h"
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
MainWindow::StartRequest parseOptions(const QCoreApplication &app)
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
    MainWindow::StartRequest request;
    request.file = parser.positionalArguments().value(0);
    request.demo = parser.isSet(demo) ? parser.value(demo).toInt() : -1;
    request.isPlay = parser.isSet(play);
    return request;
}
// Help and version need no screen: they are answered before the GUI connects to one,
// so that they work over ssh or in a script without a display.
bool asksForHelpOrVersion(int argc, char **argv)
{
    static const QByteArrayList kWords{"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (kWords.contains(QByteArray(argv[i])))
            return true;
    }
    return false;
}
}  // namespace

int main(int argc, char **argv)
{
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication options(argc, argv);
        StartupSettings::applyIdentity();
        parseOptions(options);  // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    StartupSettings::applyIdentity();
    ShellResources::init();
    const MainWindow::StartRequest request = parseOptions(app);
    ThemeStyle::apply(StartupSettings::style());

    SplashScreen splash;
    splash.centreOn(QGuiApplication::primaryScreen());
    splash.show();
    QApplication::processEvents();

    auto *window = new MainWindow;
    WindowFrame frame(window);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (StartupSettings::startsMaximised(QGuiApplication::primaryScreen()->geometry().height())) {
        // Without a window manager nobody maximises: the screen's size is set first.
        frame.setGeometry(screen);
        frame.showMaximized();
    } else {
        frame.resize(screen.size() * 0.9);
        frame.move(screen.center() - frame.rect().center());
        frame.show();
    }
    QApplication::processEvents();
    splash.finish(&frame);
    QTimer::singleShot(0, window, [window, request] { window->openAtStart(request); });
    return app.exec();
}
