// What the program writes is written whole or not at all, as a user meets it through
// the command-line tool: a conversion killed half-way, a full disk, a recording too
// big for memory.

#include "IOSignal.h"
#include "ManagerSignal.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <csignal>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cliPath()
{
    return qEnvironmentVariable("TW_TEST_BIN_DIR") + QStringLiteral("/tarnwick-cli");
}

// A shell runs the tool under resource limits that a test cannot set on its own child.
QProcess *startLimited(const QString &limits, const QStringList &args)
{
    auto *process = new QProcess;
    QString command = limits + QStringLiteral("; exec \"$0\"");
    for (int i = 0; i < args.size(); ++i)
        command += QStringLiteral(" \"$%1\"").arg(i + 1);
    process->start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), command, cliPath()} + args);
    return process;
}

bool isUnderSanitizer()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return true;
#endif
#endif
    return false;
}
}  // namespace

class tst_WriteSafety : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_input;

private slots:
    void initTestCase()
    {
        // Long enough that a conversion takes a while to write (32 MB in double precision).
        ManagerSignal hub(ParamSignal::ModeVA);
        IOSignal io(&hub, m_env.path());
        IQVector samples(2'000'000);
        for (int k = 0; k < samples.size(); ++k)
            samples[k] = IQ(std::sin(0.001 * k), std::cos(0.001 * k));
        Signal record(samples);
        m_input = m_env.filePath(QStringLiteral("long.owv"));
        QVERIFY(io.writeFile(m_input, {&record}));
    }

    void killedConversionLeavesTheOldFileAndNoTemporary()
    {
        const QString dir = m_env.filePath(QStringLiteral("killed"));
        QVERIFY(QDir().mkpath(dir));
        const QString out = dir + QStringLiteral("/out.owv");
        const QByteArray old("the recording that was here before");
        // Kills at growing delays land before, during and after the write.
        for (int delayMs = 0, attempt = 0; attempt < 12; ++attempt, delayMs += 15) {
            QFile file(out);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
            file.close();
            QProcess process;
            process.start(cliPath(), {QStringLiteral("convert"), m_input, out, QStringLiteral("--double")});
            QVERIFY(process.waitForStarted());
            QThread::msleep(delayMs);
            ::kill(pid_t(process.processId()), SIGKILL);
            process.waitForFinished(30000);
            const QByteArray now = contents(out);
            const bool isWhole = now == old || (now.startsWith("{TYPE:OWVD}") && now.endsWith('}') && now.size() > 32'000'000);
            QVERIFY2(isWhole, qPrintable(QStringLiteral("killed after %1 ms: %2 bytes").arg(delayMs).arg(now.size())));
            QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("out.owv")});
        }
    }

    // A file size limit fails the write as a full disk does.
    void fullDiskGivesAMessageAndKeepsTheOldFile()
    {
        const QString out = m_env.filePath(QStringLiteral("full.owv"));
        const QByteArray old("an older recording");
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        std::unique_ptr<QProcess> process(
            startLimited(QStringLiteral("trap '' XFSZ; ulimit -f 1024"), {QStringLiteral("convert"), m_input, out}));
        QVERIFY(process->waitForFinished(60000));
        QVERIFY(process->exitCode() != 0);
        const QString error = QString::fromUtf8(process->readAllStandardError());
        QVERIFY2(error.contains(QLatin1String("Cannot write the file")), qPrintable(error));
        QCOMPARE(contents(out), old);
        QCOMPARE(QDir(m_env.path()).entryList({QStringLiteral("full.owv*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("full.owv")});
    }

    void recordingLargerThanMemoryIsRefusedBeforeReading()
    {
        if (isUnderSanitizer())
            QSKIP("a sanitizer's shadow memory does not run under an address-space limit");
        // 200 M single-precision samples (800 MB on disk, but sparse) decode to 3.2 GB.
        const QString big = m_env.filePath(QStringLiteral("big.owv"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray header("{TYPE:OWV}{LAYERS:1}{WAVEFORM-800000001:#");
        file.write(header);
        QVERIFY(file.resize(header.size() + 800'000'000LL + 1));
        file.close();
        std::unique_ptr<QProcess> process(startLimited(QStringLiteral("ulimit -v 2000000"), {QStringLiteral("info"), big}));
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QVERIFY(process->exitCode() != 0);
        const QString error = QString::fromUtf8(process->readAllStandardError());
        QVERIFY2(error.contains(QLatin1String("200000000 samples need")), qPrintable(error));
        QFile::remove(big);
    }
};

QTEST_GUILESS_MAIN(tst_WriteSafety)
#include "tst_WriteSafety.moc"
