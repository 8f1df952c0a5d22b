#include "PumpMessages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void PumpMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PumpMessagesWaiting(int maxWaitMs)
{
    // A single-shot timer bounds the wait: processEvents(WaitForMoreEvents) sleeps until some
    // event arrives, and the timer's event is one.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(std::max(0, maxWaitMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    PumpMessages();
}
