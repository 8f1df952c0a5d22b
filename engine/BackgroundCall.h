#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThreadPool>

#include <functional>
#include <memory>

/// Runs work (a blocking probe: a duration, a file's facts) on Qt's global thread pool and hands
/// its result to done on receiver's thread, from its event loop, so that the user-interface
/// thread never waits for it. done is not called when receiver has been destroyed meanwhile; the
/// work then still runs to its end, so it must own everything it reads (pass values, not
/// pointers) and bound its own time.
template<typename T>
void RunInBackground(QObject *receiver, std::function<T()> work, std::function<void(T)> done)
{
    auto promise = std::make_shared<QPromise<T>>();
    auto *watcher = new QFutureWatcher<T>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver, [watcher, done] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0)
            done(watcher->result());
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        promise->start();
        promise->addResult(work());
        promise->finish();
    });
}
