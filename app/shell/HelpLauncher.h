#pragma once

#include <QString>

// Finds the help file (the first "*.chm" in a folder, by name) and hands it to
// the desktop's default viewer. Nothing happens when there is none.
class HelpLauncher
{
public:
    // The application's folder when folder is empty; an empty text when no help file is there.
    static QString findHelpFile(const QString &folder = QString());
    // False when no help file was found or the desktop could not open it.
    static bool open(const QString &folder = QString());
};
