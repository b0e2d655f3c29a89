#include "WaitLoop.h"

#include <QEventLoop>
#include <QTimer>

void WaitLoop::wait(int milliseconds, bool isUserInput)
{
    if (milliseconds < 1)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(isUserInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}
