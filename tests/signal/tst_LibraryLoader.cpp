// The program's libraries come from its own folder, system libraries from the
// system's library path; nothing is taken from the working directory, and a library
// of the wrong kind is refused with a message.

#include "LibraryLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString builtLibrary(const QString &name)
{
    const QString binDir = qEnvironmentVariable("TW_TEST_BIN_DIR");
    return QDir(binDir).filePath(QStringLiteral("lib%1.so").arg(name));
}

const QStringList kFftwExports{QStringLiteral("fftw_plan_dft_1d"), QStringLiteral("fftw_execute"),
                               QStringLiteral("fftw_destroy_plan")};
}  // namespace

class tst_LibraryLoader : public QObject
{
    Q_OBJECT
private slots:
    void systemLibraryLoadsByBareNameAndResolvesOnce()
    {
        LibraryLoader fftw(QStringLiteral("fftw3"), LibraryLoader::SystemPath, 3);
        QVERIFY2(fftw.load(kFftwExports, {QStringLiteral("tw_no_such_optional")}), qPrintable(fftw.errorString()));
        QVERIFY(fftw.isLoaded());
        QVERIFY(!fftw.fileName().contains(QLatin1Char('/')));
        QVERIFY(fftw.resolve("fftw_execute") != nullptr);
        QVERIFY(fftw.resolve("tw_no_such_optional") == nullptr);  // optional: stays null
        QVERIFY(fftw.resolve("fftw_malloc") == nullptr);          // not asked for: never resolved
    }

    void missingRequiredExportRefusesTheLibrary()
    {
        LibraryLoader fftw(QStringLiteral("fftw3"), LibraryLoader::SystemPath, 3);
        QVERIFY(!fftw.load({QStringLiteral("fftw_execute"), QStringLiteral("aclr_measure_all")}));
        QVERIFY(!fftw.isLoaded());
        QVERIFY(fftw.errorString().contains(QLatin1String("aclr_measure_all")));
        QVERIFY(fftw.resolve("fftw_execute") == nullptr);  // nothing of a refused library is callable
    }

    void namesWithAFolderAndRelativeFoldersAreRefused()
    {
        for (const QString &name : {QStringLiteral("./fftw3"), QStringLiteral("../lib/fftw3"),
                                    QStringLiteral("/usr/lib/x86_64-linux-gnu/libfftw3.so.3"), QStringLiteral("..")}) {
            LibraryLoader loader(name, LibraryLoader::SystemPath, 3);
            QVERIFY2(!loader.load(kFftwExports), qPrintable(name));
            QVERIFY(!loader.errorString().isEmpty());
        }
        QVERIFY(!LibraryLoader::setLibraryFolder(QStringLiteral("bin")));
        QVERIFY(!LibraryLoader::setLibraryFolder(QString()));
    }

    void programLibrariesComeOnlyFromTheProgramFolder()
    {
        // A working directory that holds a loadable library of the asked-for name.
        QTemporaryDir workDir, emptyProgramFolder;
        QVERIFY(QFile::copy(builtLibrary(QStringLiteral("dm_core")), workDir.filePath(QStringLiteral("libdm_core.so"))));
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(LibraryLoader::setLibraryFolder(emptyProgramFolder.path()));
        LibraryLoader planted(QStringLiteral("dm_core"), LibraryLoader::ProgramFolder);
        const bool isPlantedTaken = planted.load({QStringLiteral("analysis")});
        QDir::setCurrent(oldCwd);
        QVERIFY(!isPlantedTaken);
        QVERIFY(planted.fileName().startsWith(emptyProgramFolder.path()));

        QVERIFY(LibraryLoader::setLibraryFolder(QFileInfo(builtLibrary(QStringLiteral("dm_core"))).absolutePath()));
        LibraryLoader dm(QStringLiteral("dm_core"), LibraryLoader::ProgramFolder);
        QVERIFY2(dm.load({QStringLiteral("setSignal"), QStringLiteral("analysis")}), qPrintable(dm.errorString()));
        QVERIFY(dm.fileName().startsWith(LibraryLoader::libraryFolder()));
    }

    void wrongKindOfFileIsRefusedWithAMessage()
    {
        QTemporaryDir programFolder;
        QVERIFY(LibraryLoader::setLibraryFolder(programFolder.path()));
        // Not a library at all.
        QFile garbage(programFolder.filePath(QStringLiteral("libaclr_core.so")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not an ELF object\n");
        garbage.close();
        LibraryLoader aclr(QStringLiteral("aclr_core"), LibraryLoader::ProgramFolder);
        QVERIFY(!aclr.load({QStringLiteral("aclrMeasure")}));
        QVERIFY(aclr.errorString().contains(QLatin1String("could not be loaded")));
        // A real library under another library's name: its exports give it away.
        QVERIFY(QFile::copy(builtLibrary(QStringLiteral("dm_core")), programFolder.filePath(QStringLiteral("libacq_bridge.so"))));
        LibraryLoader acq(QStringLiteral("acq_bridge"), LibraryLoader::ProgramFolder);
        QVERIFY(!acq.load({QStringLiteral("connectDevice"), QStringLiteral("analysis")}));
        QVERIFY(acq.errorString().contains(QLatin1String("connectDevice")));
        QVERIFY(!acq.errorString().contains(QLatin1String("analysis")));
    }
};

QTEST_GUILESS_MAIN(tst_LibraryLoader)
#include "tst_LibraryLoader.moc"
