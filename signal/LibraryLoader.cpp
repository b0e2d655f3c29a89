#include "LibraryLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex g_folderMutex;
QString g_libraryFolder;  // empty: the program's folder

bool isBareName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && name != QLatin1String(".") && name != QLatin1String("..");
}
}  // namespace

LibraryLoader::LibraryLoader(const QString &name, Location location, int majorVersion)
    : m_name(name), m_location(location), m_majorVersion(majorVersion)
{
}

QString LibraryLoader::libraryFolder()
{
    {
        QMutexLocker lock(&g_folderMutex);
        if (!g_libraryFolder.isEmpty())
            return g_libraryFolder;
    }
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

bool LibraryLoader::setLibraryFolder(const QString &absoluteFolder)
{
    if (!QDir::isAbsolutePath(absoluteFolder))
        return false;
    QMutexLocker lock(&g_folderMutex);
    g_libraryFolder = QDir::cleanPath(absoluteFolder);
    return true;
}

QString LibraryLoader::fileName() const
{
    return m_library.fileName().isEmpty() ? m_name : m_library.fileName();
}

bool LibraryLoader::refuse(const QString &message)
{
    m_error = message;
    m_exports.clear();
    m_isLoaded = false;
    if (m_library.isLoaded())
        m_library.unload();
    return false;
}

bool LibraryLoader::load(const QStringList &requiredExports, const QStringList &optionalExports)
{
    if (m_isLoaded)
        return true;
    if (!isBareName(m_name))
        return refuse(QStringLiteral("Library \"%1\" refused: only a bare library name is loaded").arg(m_name));
    if (m_location == ProgramFolder) {
        const QString folder = libraryFolder();
        if (!QDir::isAbsolutePath(folder))
            return refuse(QStringLiteral("Library %1 refused: the program's folder is unknown").arg(m_name));
        // An absolute path: the loader looks in that folder only, never in the
        // working directory or along the library path.
        m_library.setFileName(QDir(folder).filePath(m_name));
    } else {
        // A bare name: the dynamic loader searches the system's library path only.
        m_library.setFileNameAndVersion(m_name, m_majorVersion);
    }
    if (!m_library.load())
        return refuse(QStringLiteral("Library %1 could not be loaded: %2").arg(m_name, m_library.errorString()));

    QStringList missing;
    for (const QString &name : requiredExports) {
        const QByteArray symbol = name.toLatin1();
        const QFunctionPointer function = m_library.resolve(symbol.constData());
        if (!function)
            missing.append(name);
        m_exports.insert(symbol, function);
    }
    if (!missing.isEmpty()) {
        const QString file = m_library.fileName();
        return refuse(QStringLiteral("Library %1 is not the expected library: it lacks %2")
                          .arg(QDir::toNativeSeparators(file), missing.join(QStringLiteral(", "))));
    }
    for (const QString &name : optionalExports) {
        const QByteArray symbol = name.toLatin1();
        if (const QFunctionPointer function = m_library.resolve(symbol.constData()))
            m_exports.insert(symbol, function);
    }
    m_isLoaded = true;
    m_error.clear();
    return true;
}
