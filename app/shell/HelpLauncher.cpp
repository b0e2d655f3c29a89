#include "HelpLauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

QString HelpLauncher::findHelpFile(const QString &folder)
{
    const QDir dir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    const QStringList files = dir.entryList({QStringLiteral("*.chm")}, QDir::Files | QDir::Readable, QDir::Name);
    return files.isEmpty() ? QString() : dir.absoluteFilePath(files.first());
}

bool HelpLauncher::open(const QString &folder)
{
    const QString file = findHelpFile(folder);
    return !file.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
