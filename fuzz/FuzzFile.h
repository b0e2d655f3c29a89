#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The parsers under test read files by name, as the program does: each input is
// written to one file in a folder of its own (in memory where the system has one).
class FuzzFile
{
public:
    static QCoreApplication &application()
    {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        return app;
    }

    static QString folder()
    {
        static QTemporaryDir dir(QFile::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm/tw-fuzz-XXXXXX")
                                                                            : QString());
        return dir.path();
    }

    static QString write(const QString &fileName, const uint8_t *data, size_t size)
    {
        const QString path = folder() + QLatin1Char('/') + fileName;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char *>(data), qint64(size));
        return path;
    }
};
