#include "HelpLauncher.h"
#include "LanguageSwitcher.h"
#include "ShellResources.h"
#include "SplashScreen.h"
#include "StartupSettings.h"
#include "TestEnvironment.h"
#include "ThemeStyle.h"
#include "TitleBar.h"
#include "VerticalMenu.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {
QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
}

// WCAG relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}
}  // namespace

class tst_ShellLook : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void russianTranslationLoadsFromTheResources();
    void switchingLanguageRetranslatesTheShell();
    void everyThemeParsesAndKeepsTextReadable_data();
    void everyThemeParsesAndKeepsTextReadable();
    void themesAreNamedByCaptionAndButton();
    void startupSettingsFallBackToTheirDefaults();
    void smallScreensStartMaximised();
    void windowTitleCarriesTheProfileName();
    void helpFileIsTheFirstChmOfTheFolder();
    void splashShowsNameAndIsCentred();
    void titleBarTogglesMaximisedAndFollowsTheTitle();

private:
    QScopedPointer<TestEnvironment> m_env;
};

void tst_ShellLook::init()
{
    m_env.reset(new TestEnvironment);
}

void tst_ShellLook::russianTranslationLoadsFromTheResources()
{
    ShellResources::init();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("translate_ru"), QStringLiteral(":/Translation")));
    QCOMPARE(translator.translate("VerticalMenu", "Back"), QStringLiteral("Назад"));
    QCOMPARE(translator.translate("VerticalMenu", "Vector\nAnalysis"), QStringLiteral("Векторный\nанализ"));
    QCOMPARE(translator.translate("ProfileStore", "The profile %1 does not exist."),
             QStringLiteral("Профиль %1 не существует."));
}

void tst_ShellLook::switchingLanguageRetranslatesTheShell()
{
    VerticalMenu menu;
    TitleBar bar;
    LanguageSwitcher switcher;
    QSignalSpy changed(&switcher, &LanguageSwitcher::languageChanged);
    QVERIFY(switcher.switchTo(QStringLiteral("RUSSIAN")));
    QVERIFY(switcher.isRussian());
    QCoreApplication::processEvents();
    QCOMPARE(menu.button(QStringLiteral("back___Level_main"))->text(), QStringLiteral("Назад"));
    QCOMPARE(menu.button(QStringLiteral("ThemeDark"))->toolTip(), QStringLiteral("Тёмная тема"));
    QCOMPARE(bar.closeButton()->toolTip(), QStringLiteral("Закрыть"));
    // Language names stay in their own language.
    QCOMPARE(menu.button(QStringLiteral("ENGLISH"))->text(), QStringLiteral("English"));
    // Signals keep the English caption, which receivers compare.
    QSignalSpy theme(&menu, &VerticalMenu::sendTheme);
    menu.clickMenu(QStringLiteral("ThemeLight"));
    QCOMPARE(theme.value(0).value(0).toString(), QStringLiteral("Light"));
    QCOMPARE(ThemeStyle::fromText(menu.button(QStringLiteral("ThemeLight"))->text()), int(StartupSettings::StyleLight));

    QVERIFY(switcher.switchTo(QStringLiteral("english")));
    QCoreApplication::processEvents();
    QVERIFY(!switcher.isRussian());
    QCOMPARE(menu.button(QStringLiteral("back___Level_main"))->text(), QStringLiteral("Back"));
    QCOMPARE(bar.closeButton()->toolTip(), QStringLiteral("Close"));
    QCOMPARE(changed.count(), 2);
}

void tst_ShellLook::everyThemeParsesAndKeepsTextReadable_data()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("dark") << int(StartupSettings::StyleDark);
    QTest::newRow("light") << int(StartupSettings::StyleLight);
    QTest::newRow("classic") << int(StartupSettings::StyleClassic);
}

void tst_ShellLook::everyThemeParsesAndKeepsTextReadable()
{
    QFETCH(int, theme);
    const QString sheet = ThemeStyle::styleSheet(theme);
    QVERIFY(sheet.contains(QStringLiteral("#frameVerticalMenu")));
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    ThemeStyle::apply(theme);
    // Parsing happens when a widget is polished with the sheet.
    VerticalMenu menu;
    TitleBar bar;
    menu.ensurePolished();
    bar.ensurePolished();
    menu.grab();
    qInstallMessageHandler(previous);
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    QCOMPARE(ThemeStyle::current(), theme);
    QCOMPARE(qApp->styleSheet(), sheet);

    const QPalette p = ThemeStyle::palette(theme);
    for (const auto &pair : {qMakePair(QPalette::Text, QPalette::Base), qMakePair(QPalette::WindowText, QPalette::Window),
                             qMakePair(QPalette::ButtonText, QPalette::Button),
                             qMakePair(QPalette::HighlightedText, QPalette::Highlight),
                             qMakePair(QPalette::ToolTipText, QPalette::ToolTipBase)}) {
        const double ratio = contrast(p.color(pair.first), p.color(pair.second));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("roles %1/%2 contrast %3").arg(pair.first).arg(pair.second).arg(ratio)));
    }
    // Disabled text stays legible but visibly weaker than enabled text.
    const double disabled = contrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Base));
    QVERIFY2(disabled >= 2.5 && disabled < contrast(p.color(QPalette::Text), p.color(QPalette::Base)),
             qPrintable(QString::number(disabled)));
}

void tst_ShellLook::themesAreNamedByCaptionAndButton()
{
    QCOMPARE(ThemeStyle::fromText(QStringLiteral("Dark")), int(StartupSettings::StyleDark));
    QCOMPARE(ThemeStyle::fromText(QStringLiteral("Classic")), int(StartupSettings::StyleClassic));
    QCOMPARE(ThemeStyle::fromText(QStringLiteral("ThemeDefault")), int(StartupSettings::StyleClassic));
    QCOMPARE(ThemeStyle::fromText(QStringLiteral("Purple")), 0);
    QCOMPARE(ThemeStyle::buttonName(StartupSettings::StyleLight), QStringLiteral("ThemeLight"));
    QCOMPARE(ThemeStyle::buttonName(StartupSettings::StyleClassic), QStringLiteral("ThemeDefault"));
}

void tst_ShellLook::startupSettingsFallBackToTheirDefaults()
{
    QCOMPARE(StartupSettings::style(), int(StartupSettings::StyleDark));
    QCOMPARE(StartupSettings::language(), QStringLiteral("english"));
    QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Tarnwick Studio"));
    settings.setValue(QStringLiteral("Style"), 7);
    settings.setValue(QStringLiteral("Language"), QStringLiteral("klingon"));
    settings.sync();
    QCOMPARE(StartupSettings::style(), int(StartupSettings::StyleDark));
    QCOMPARE(StartupSettings::language(), QStringLiteral("english"));
    StartupSettings::setStyle(StartupSettings::StyleClassic);
    StartupSettings::setLanguage(QStringLiteral("RUSSIAN"));
    QCOMPARE(StartupSettings::style(), int(StartupSettings::StyleClassic));
    QCOMPARE(StartupSettings::language(), QStringLiteral("russian"));
    StartupSettings::applyIdentity();
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.11"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orvane"));
}

void tst_ShellLook::smallScreensStartMaximised()
{
    QVERIFY(StartupSettings::startsMaximised(999));
    QVERIFY(!StartupSettings::startsMaximised(1000));
}

void tst_ShellLook::windowTitleCarriesTheProfileName()
{
    QCOMPARE(StartupSettings::windowTitle(), QStringLiteral("Orvane Tarnwick Studio"));
    QCOMPARE(StartupSettings::windowTitle(QStringLiteral("a.owv")), QStringLiteral("Orvane Tarnwick Studio  [a.owv]"));
}

void tst_ShellLook::helpFileIsTheFirstChmOfTheFolder()
{
    const QString folder = m_env->filePath(QStringLiteral("app"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(HelpLauncher::findHelpFile(folder), QString());
    QVERIFY(!HelpLauncher::open(folder));
    for (const char *name : {"readme.txt", "b.chm", "a.chm"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(HelpLauncher::findHelpFile(folder), folder + QStringLiteral("/a.chm"));
}

void tst_ShellLook::splashShowsNameAndIsCentred()
{
    SplashScreen splash;
    QCOMPARE(splash.pixmap().size(), QSize(SplashScreen::kWidth, SplashScreen::kHeight));
    QCOMPARE(SplashScreen::centredPosition(QRect(0, 0, 1920, 1080), QSize(520, 300)), QPoint(700, 390));
    QCOMPARE(SplashScreen::centredPosition(QRect(1920, 0, 1280, 1024), QSize(520, 300)), QPoint(2300, 362));
}

void tst_ShellLook::titleBarTogglesMaximisedAndFollowsTheTitle()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *bar = new TitleBar(&window);
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bar->setTitle(QStringLiteral("Orvane Tarnwick Studio  [a.owv]"));
    QCOMPARE(window.windowTitle(), bar->title());
    QCOMPARE(bar->maximiseButton()->toolTip(), QStringLiteral("Maximise"));
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QTRY_VERIFY(window.isMaximized());
    QTRY_COMPARE(bar->maximiseButton()->toolTip(), QStringLiteral("Restore"));
    bar->maximiseButton()->click();
    QTRY_VERIFY(!window.isMaximized());
    QCOMPARE(bar->maximiseButton()->toolTip(), QStringLiteral("Maximise"));
    bar->closeButton()->click();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(tst_ShellLook)
#include "tst_ShellLook.moc"
