#pragma once

#include <QHash>
#include <QLibrary>
#include <QString>
#include <QStringList>

// Loads a shared library that the program drives through plain exported functions:
// one of its own analysis or acquisition libraries, only from the program's library
// folder, or a system library (FFTW) by its bare name through the system's library
// path. Never from the working directory or a relative path.
//
// A library that does not load (missing, not a library, another architecture) or
// lacks one of its required exports is refused with a message and stays unloaded.
// Every export is resolved once, in load(); one that does not resolve stays null.
// After load() the object is read-only, so its exports may be read from any thread.
//
//   LibraryLoader dm(QStringLiteral("dm_core"), LibraryLoader::ProgramFolder);
//   if (!dm.load({"setSignal", "analysis"}, {"getEVMvsSymb"}))
//       emit sendError(dm.errorString());
//   auto analysisFn = dm.function<decltype(&analysis)>("analysis");
class LibraryLoader
{
public:
    enum Location {
        ProgramFolder,  // <library folder>/lib<name>.so: the program's own libraries
        SystemPath      // lib<name>.so.<major> through the system's library path
    };

    // `name` is a bare library name ("dm_core", "fftw3"), without folder, prefix or suffix.
    LibraryLoader(const QString &name, Location location, int majorVersion = -1);
    LibraryLoader(const LibraryLoader &) = delete;
    LibraryLoader &operator=(const LibraryLoader &) = delete;

    // Loads the library and resolves the exports; false (with errorString()) when the
    // library cannot be loaded or a required export is missing. Call once.
    bool load(const QStringList &requiredExports, const QStringList &optionalExports = {});
    bool isLoaded() const { return m_isLoaded; }
    // Why the library was refused; empty while nothing failed.
    QString errorString() const { return m_error; }
    // The file that was loaded or tried.
    QString fileName() const;

    // An export resolved by load(); null when it was missing, not asked for, or the
    // library was refused.
    QFunctionPointer resolve(const char *exportName) const { return m_exports.value(QByteArray(exportName)); }
    template <typename Function>
    Function function(const char *exportName) const
    {
        return reinterpret_cast<Function>(resolve(exportName));
    }

    // The folder of the program's own libraries: the program's folder, unless a test
    // program, which lives elsewhere, names the build's program folder. Only an
    // absolute folder is taken.
    static QString libraryFolder();
    static bool setLibraryFolder(const QString &absoluteFolder);

private:
    bool refuse(const QString &message);

    QString m_name;
    Location m_location;
    int m_majorVersion;
    QLibrary m_library;
    QHash<QByteArray, QFunctionPointer> m_exports;
    QString m_error;
    bool m_isLoaded = false;
};
