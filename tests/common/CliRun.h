#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built tarnwick-cli (found through TW_TEST_BIN_DIR), with its exit
// code, standard output and its own error lines (the platform plugin may talk too).
struct CliRun
{
    int exitCode = -1;
    QString out;
    QStringList errorLines;
};

inline CliRun runCli(const QStringList &args)
{
    QProcess process;
    process.start(qEnvironmentVariable("TW_TEST_BIN_DIR") + QStringLiteral("/tarnwick-cli"), args);
    process.waitForFinished(60000);
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString &line : QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("tarnwick-cli")))
            run.errorLines << line;
    }
    return run;
}
