#include "engine/EventLoopHintPause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void EventLoopHintPause::pause(int milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
