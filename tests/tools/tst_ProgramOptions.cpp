// Every program the project builds answers --help with its usage and exit status 0,
// and refuses an option it does not know with a message and a non-zero status,
// without doing any of its work (no folder named "--help" full of recordings).
#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

class tst_ProgramOptions : public QObject
{
    Q_OBJECT
private slots:
    void helpAndUnknownOptions_data();
    void helpAndUnknownOptions();

private:
    TestEnvironment m_env;
};

void tst_ProgramOptions::helpAndUnknownOptions_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("isHelp");
    QTest::addColumn<bool>("hasScreen");
    const QStringList programs{"tarnwick-cli", "tarnwick-demogen", "tarnwick-studio", "bench_fft", "bench_filter",
                               "bench_io", "bench_sigmf", "bench_pacing", "bench_play", "bench_thinning", "bench_views", "bench_dm_core",
                               "bench_aclr_core"};
    for (const QString &program : programs) {
        for (const char *help : {"--help", "-h"})
            QTest::newRow(qPrintable(program + QLatin1Char(' ') + QLatin1String(help))) << program << QStringList{help} << true << true;
        QTest::newRow(qPrintable(program + QStringLiteral(" --frobnicate")))
            << program << QStringList{QStringLiteral("--frobnicate")} << false << true;
    }
    QTest::newRow("tarnwick-demogen with two folders") << "tarnwick-demogen" << QStringList{"a", "b"} << false << true;
    QTest::newRow("bench_io with a bad count") << "bench_io" << QStringList{"many"} << false << true;
    QTest::newRow("bench_io with a negative count") << "bench_io" << QStringList{"-5"} << false << true;
    // Over ssh or in a script there is no display: help must not need one.
    QTest::newRow("tarnwick-studio --help without a screen") << "tarnwick-studio" << QStringList{"--help"} << true << false;
    QTest::newRow("tarnwick-studio --version without a screen")
        << "tarnwick-studio" << QStringList{"--version"} << true << false;
}

void tst_ProgramOptions::helpAndUnknownOptions()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(bool, isHelp);
    QFETCH(bool, hasScreen);
    QTemporaryDir workDir;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_env.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), hasScreen ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
    if (!hasScreen)
        env.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir.path());
    process.start(qEnvironmentVariable("TW_TEST_BIN_DIR") + QLatin1Char('/') + program, args);
    QVERIFY2(process.waitForFinished(20000), "still running: the option started the program's work");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    if (isHelp) {
        QCOMPARE(process.exitCode(), 0);
        const bool isVersion = args.contains(QLatin1String("--version"));
        QVERIFY2(out.contains(isVersion ? QLatin1String(" 1.11") : QLatin1String("sage: ")), qPrintable(out + err));
    } else {
        QVERIFY2(process.exitCode() != 0, qPrintable(out));
        QVERIFY2(!err.trimmed().isEmpty(), "no message on standard error");
    }
    QVERIFY2(QDir(workDir.path()).isEmpty(), "the program wrote into its working folder");
}

QTEST_GUILESS_MAIN(tst_ProgramOptions)
#include "tst_ProgramOptions.moc"
