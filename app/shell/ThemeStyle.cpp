#include "ThemeStyle.h"

#include "ShellResources.h"
#include "StartupSettings.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {
int g_current = 0;

struct ThemeColours {
    const char *window;
    const char *base;
    const char *alternate;
    const char *text;
    const char *button;
    const char *highlight;
    const char *highlightedText;
    const char *disabledText;
    const char *toolTipBase;
    const char *link;
};

// Kept in step with the colours of the style sheets.
const ThemeColours kDark = {"#23272e", "#1a1d22", "#2a2f37", "#e6e9ee", "#2f353e",
                            "#2d6eb5", "#ffffff", "#7c8591", "#2f353e", "#6cb6ff"};
const ThemeColours kLight = {"#f3f5f8", "#ffffff", "#eef1f5", "#1d2329", "#e4e8ee",
                             "#2f74c0", "#ffffff", "#737c87", "#ffffe1", "#1c5fa8"};
const ThemeColours kClassic = {"#d4d0c8", "#ffffff", "#ece9e2", "#000000", "#d4d0c8",
                               "#0a246a", "#ffffff", "#5e5e5e", "#ffffe1", "#0000c0"};

const ThemeColours &coloursOf(int theme)
{
    switch (theme) {
    case StartupSettings::StyleLight: return kLight;
    case StartupSettings::StyleClassic: return kClassic;
    default: return kDark;
    }
}
}  // namespace

QString ThemeStyle::styleSheet(int theme)
{
    ShellResources::init();
    QString name = QStringLiteral(":/Themes/dark.qss");
    if (theme == StartupSettings::StyleLight)
        name = QStringLiteral(":/Themes/light.qss");
    else if (theme == StartupSettings::StyleClassic)
        name = QStringLiteral(":/Themes/classic.qss");
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QPalette ThemeStyle::palette(int theme)
{
    const ThemeColours &c = coloursOf(theme);
    auto colour = [](const char *name) { return QColor(QLatin1String(name)); };
    QPalette p;
    p.setColor(QPalette::Window, colour(c.window));
    p.setColor(QPalette::WindowText, colour(c.text));
    p.setColor(QPalette::Base, colour(c.base));
    p.setColor(QPalette::AlternateBase, colour(c.alternate));
    p.setColor(QPalette::Text, colour(c.text));
    p.setColor(QPalette::Button, colour(c.button));
    p.setColor(QPalette::ButtonText, colour(c.text));
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, colour(c.highlight));
    p.setColor(QPalette::HighlightedText, colour(c.highlightedText));
    p.setColor(QPalette::ToolTipBase, colour(c.toolTipBase));
    p.setColor(QPalette::ToolTipText, colour(c.text));
    p.setColor(QPalette::PlaceholderText, colour(c.disabledText));
    p.setColor(QPalette::Link, colour(c.link));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, colour(c.disabledText));
    return p;
}

void ThemeStyle::apply(int theme)
{
    if (theme < StartupSettings::StyleDark || theme > StartupSettings::StyleClassic)
        theme = StartupSettings::kDefaultStyle;
    // One base style on every platform, so that the sheets look the same everywhere.
    // (Once: with a style sheet set, QApplication::style() is the sheet's wrapper.)
    static const bool isFusionSet = (QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))), true);
    Q_UNUSED(isFusionSet)
    QApplication::setPalette(palette(theme));
    qApp->setStyleSheet(styleSheet(theme));
    g_current = theme;
}

int ThemeStyle::current()
{
    return g_current;
}

QString ThemeStyle::buttonName(int theme)
{
    switch (theme) {
    case StartupSettings::StyleLight: return QStringLiteral("ThemeLight");
    case StartupSettings::StyleClassic: return QStringLiteral("ThemeDefault");
    default: return QStringLiteral("ThemeDark");
    }
}

int ThemeStyle::fromText(const QString &text)
{
    static const struct { int theme; const char *caption; const char *button; } themes[] = {
        {StartupSettings::StyleDark, QT_TRANSLATE_NOOP("VerticalMenu", "Dark"), "ThemeDark"},
        {StartupSettings::StyleLight, QT_TRANSLATE_NOOP("VerticalMenu", "Light"), "ThemeLight"},
        {StartupSettings::StyleClassic, QT_TRANSLATE_NOOP("VerticalMenu", "Classic"), "ThemeDefault"},
    };
    for (const auto &entry : themes) {
        if (text == QLatin1String(entry.caption) || text == QLatin1String(entry.button) ||
            text == QCoreApplication::translate("VerticalMenu", entry.caption))
            return entry.theme;
    }
    return 0;
}
