#include "MediaDuration.h"

#include "SafeMediaFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

extern "C" {
#include <libavformat/avformat.h>
}

#include <memory>

double ReadMediaDuration(const QString &path, QString *error)
{
    SafeMediaFile file(path);
    if (!file.IsOpen()) {
        if (error)
            *error = file.Error();
        return 0.0;
    }
    const AVFormatContext *context = file.Context();
    double seconds = 0.0;
    if (context->nb_streams > 0 || !(context->ctx_flags & AVFMTCTX_NOHEADER))
        seconds = file.Duration();
    if (seconds <= 0.0 && file.FindStreamInfo())
        seconds = file.Duration();
    if (context->nb_streams == 0)
        seconds = 0.0;
    if (seconds <= 0.0 && error) {
        *error = !file.Error().isEmpty() ? file.Error()
                 : context->nb_streams == 0
                     ? QCoreApplication::translate("MediaDuration",
                                                   "The file holds no picture and no sound.")
                     : QCoreApplication::translate("MediaDuration",
                                                   "The file does not say how long it lasts.");
    }
    return seconds;
}

double ReadMediaDurationResponsively(const QString &path)
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return ReadMediaDuration(path);
    // The probe runs on a worker while this thread goes on painting and serving timers; user
    // input waits, so no handler runs re-entrantly in the middle of the caller's work.
    double seconds = 0.0;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(
        QThread::create([&seconds, path] { seconds = ReadMediaDuration(path); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return seconds;
}
