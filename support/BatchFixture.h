#pragma once

// Running a real batch from a test or a tool: the converters the window gives its jobs, and a
// wait for the batch's end. Header-only; its users link tavrel_media.

#include "ConversionBatch.h"
#include "FfmpegConverter.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace BatchFixture {

/// Makes converters as the window does: one FfmpegConverter for each job.
inline ConverterFactory FfmpegConverters()
{
    return []() -> std::unique_ptr<MediaConverter> {
        return std::make_unique<FfmpegConverter>();
    };
}

/// Waits, handling events, until batch is idle; false when it is still busy after timeoutMs.
inline bool WaitForEnd(ConversionBatch &batch, int timeoutMs = 180000)
{
    if (!batch.IsBusy())
        return true;
    QEventLoop loop;
    QObject::connect(&batch, &ConversionBatch::busyChanged, &loop, [&loop](bool busy) {
        if (!busy)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return !batch.IsBusy();
}

/// Starts batch into outputDirectory and waits for its end (see WaitForEnd).
inline bool RunToEnd(ConversionBatch &batch,
                     const QString &outputDirectory,
                     bool powerOffAtEnd = false,
                     int timeoutMs = 180000)
{
    batch.Start(outputDirectory, powerOffAtEnd);
    return WaitForEnd(batch, timeoutMs);
}

} // namespace BatchFixture
