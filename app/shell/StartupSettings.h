#pragma once

#include <QString>

// The program's identity and the settings read at start: the theme ("Style")
// and the interface language ("Language"), kept in the per-user settings store
// of organisation "Orvane", application "Tarnwick Studio".
class StartupSettings
{
public:
    static const QString &organisation();
    static const QString &application();
    static const QString &version();

    // Themes as stored under "Style".
    enum Style { StyleDark = 1, StyleLight = 2, StyleClassic = 3 };
    static constexpr int kDefaultStyle = StyleDark;
    // Screens lower than this start the window maximised.
    static constexpr int kMinNormalScreenHeight = 1000;

    // Locale codec UTF-8, organisation, application name and version.
    static void applyIdentity();

    // A missing or unknown value gives the dark theme.
    static int style();
    static void setStyle(int style);
    // "english" unless "russian" was stored.
    static QString language();
    static void setLanguage(const QString &language);
    static bool isRussian(const QString &language);

    static bool startsMaximised(int screenHeight);
    // "Orvane Tarnwick Studio", with "  [profile]" behind it when a profile name is given.
    static QString windowTitle(const QString &profile = QString());
};
