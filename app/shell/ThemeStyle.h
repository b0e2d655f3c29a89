#pragma once

#include <QString>

class QPalette;

// The three looks of the program, each a style sheet in the resources with a
// matching palette for what style sheets do not reach. Numbers as stored under
// "Style": 1 dark, 2 light, 3 classic.
class ThemeStyle
{
public:
    // The style sheet of a theme (":/Themes/dark.qss", ...); an unknown number gives the dark one.
    static QString styleSheet(int theme);
    static QPalette palette(int theme);
    // Applies the theme to the whole program.
    static void apply(int theme);
    // The theme applied last, 0 before the first.
    static int current();
    // The menu button of a theme: "ThemeDark", "ThemeLight", "ThemeDefault".
    static QString buttonName(int theme);
    // A theme from a menu caption ("Dark", "Light", "Classic", also translated)
    // or a button name; 0 when the text names none.
    static int fromText(const QString &text);
};
