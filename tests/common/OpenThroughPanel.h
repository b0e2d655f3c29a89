#pragma once

#include "GuiParserSignal.h"
#include "IOSignal.h"
#include "ManagerSignal.h"
#include "ModeVecAnalysis.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

// Opens through the panel and waits for the recording to reach the hub, or for a
// message box when none comes.
inline bool openThroughThePanel(ModeVecAnalysis &mode, const QString &path)
{
    QSignalSpy delivered(mode.hub(), &ManagerSignal::sendNewSourceSignal);
    QSignalSpy stopped(mode.io(), &IOSignal::stopLoad);
    mode.panel()->openSignal(path);
    QElapsedTimer clock;
    clock.start();
    while (delivered.count() + stopped.count() == 0 && clock.elapsed() < 10000)
        QTest::qWait(20);
    return delivered.count() > 0;
}
