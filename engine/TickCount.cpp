#include "TickCount.h"

#include <QElapsedTimer>

quint32 TickCount()
{
    // A steady clock started once per process; truncation to 32 bits keeps the wrap-around
    // arithmetic of tick differences.
    static QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return quint32(quint64(clock.elapsed()));
}
