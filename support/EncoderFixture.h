#pragma once

// Running one encoder run from a test or a tool and waiting for its end. Header-only; its users
// link tavrel_engine.

#include "EncoderRun.h"
#include "TickCount.h"

#include <QEventLoop>
#include <QTimer>

namespace EncoderFixture {

/// Runs commandLine for the task at index in tasks and waits, handling events, until the run has
/// finished (at most timeoutMs). Returns the run's failure reason: empty when it did not fail.
inline QString RunToEnd(EncoderRun &run,
                        const QString &commandLine,
                        TaskArray &tasks,
                        int index = 0,
                        int timeoutMs = 300000)
{
    QEventLoop loop;
    QObject::connect(&run, &EncoderRun::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    run.Start(commandLine, tasks.at(index).id, TickCount(), tasks);
    if (run.IsRunning())
        loop.exec();
    return run.IsRunning() ? QStringLiteral("The run did not end in time.") : run.FailureReason();
}

} // namespace EncoderFixture
