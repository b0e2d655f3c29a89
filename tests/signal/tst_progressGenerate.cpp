#include "progressGenerate.h"

#include <QtTest>

class tst_progressGenerate : public QObject
{
    Q_OBJECT
private slots:
    void threeStagePassNeverExceedsHundredAndEndsThere();
    void stepIsTotalOverWeightOrTotalLessOne();
    void stopFlagIsClearedByReset();
};

void tst_progressGenerate::threeStagePassNeverExceedsHundredAndEndsThere()
{
    progressGenerate progress;
    progress.setStages({1, 49, 49});
    progress.reset();
    QSignalSpy spy(&progress, &progressGenerate::currentProgress);
    for (int stage = 0; stage < 3; ++stage) {
        progress.setTotal(1000);
        for (int i = 0; i <= 1000; ++i)
            progress.update(i);
        progress.nextStage();
    }
    int previous = 0;
    for (const QList<QVariant> &args : spy) {
        const int percent = args.first().toInt();
        QVERIFY2(percent <= 100, qPrintable(QString::number(percent)));
        QVERIFY2(percent >= previous, "progress went backwards");
        previous = percent;
    }
    QCOMPARE(spy.last().first().toInt(), 99);  // the weights add up to 99
    QCOMPARE(progress.stage(), 0);              // wrapped after the last stage

    progressGenerate full;
    full.setStages({50, 60});
    QSignalSpy fullSpy(&full, &progressGenerate::currentProgress);
    full.nextStage();
    full.setTotal(10);
    full.update(10);
    full.nextStage();
    QCOMPARE(fullSpy.last().first().toInt(), 100);
    for (const QList<QVariant> &args : fullSpy)
        QVERIFY(args.first().toInt() <= 100);
}

void tst_progressGenerate::stepIsTotalOverWeightOrTotalLessOne()
{
    progressGenerate progress;
    progress.setStages({10});
    progress.setTotal(1000);
    QCOMPARE(progress.step(), 100);
    progress.setTotal(5);
    QCOMPARE(progress.step(), 4);
    progress.setTotal(1);  // no usable step: every item reports
    QCOMPARE(progress.step(), 1);

    QSignalSpy spy(&progress, &progressGenerate::currentProgress);
    progress.setTotal(1000);
    progress.update(150);  // not a multiple of 100
    QCOMPARE(spy.count(), 0);
    progress.update(500);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().first().toInt(), 5);
}

void tst_progressGenerate::stopFlagIsClearedByReset()
{
    progressGenerate progress;
    progress.stop();
    QVERIFY(progress.isStopped());
    progress.reset();
    QVERIFY(!progress.isStopped());
}

QTEST_GUILESS_MAIN(tst_progressGenerate)
#include "tst_progressGenerate.moc"
