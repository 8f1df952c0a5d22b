#pragma once

#include "SavedTaskList.h"
#include "TaskArray.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>

/// Keeps the saved list up to date with a TaskArray: after every change of what a task's record
/// holds (TaskRecordFields) and after rows come or go, the list is written again (through
/// WriteSavedList, on a worker thread so that the user-interface thread never waits for the
/// disk). Progress figures are no part of a record, so a progress tick writes nothing. Writes
/// are coalesced to at most one a second, but a task whose output has just been placed (now
/// Finished) is written at once: a crash before the next write would convert it again.
///
/// Flush writes what has changed and waits for it; the owner calls it when the program ends.
class TaskListSaver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TaskListSaver)

public:
    /// Makes the list to write (the tasks, their profile names, the current row) when a write is
    /// due.
    using Snapshot = std::function<SavedList()>;

    /// Least time between two coalesced writes, milliseconds.
    static constexpr int kIntervalMs = 1000;

    /// Follows tasks (its change listener is taken) and writes snapshot() to path. tasks must
    /// outlive the saver, or the saver must be detached first (Detach).
    TaskListSaver(const QString &path,
                  TaskArray &tasks,
                  Snapshot snapshot,
                  QObject *parent = nullptr);
    /// Detaches and waits for a write under way; writes nothing more.
    ~TaskListSaver() override;

    /// Writes the list now when it differs from what was last written, and waits until the write
    /// is done. True when the file holds the list.
    bool Flush();
    /// Stops following the array (its change listener is cleared).
    void Detach();

    /// How many writes have been started so far.
    int WriteCount() const { return m_writes; }

signals:
    /// A write failed (reason) after one that did not, or the first one did.
    void writeFailed(const QString &reason);
    /// A write has put the list on disk.
    void written();

private:
    void OnChanged(int index);
    void Schedule(bool now);
    /// Serialises the snapshot and hands it to the worker unless it is what was last written.
    void WriteSoon();
    void OnWriteDone(bool ok, const QString &reason);

    QString m_path;
    TaskArray *m_tasks;
    Snapshot m_snapshot;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;
    QThreadPool m_worker; ///< one thread: writes reach the disk in the order they were made
    QHash<TaskId, QJsonObject> m_records; ///< every task's record as last seen
    QByteArray m_lastBytes;               ///< what the last write held
    QString m_lastError;
    int m_writes = 0;
    bool m_rowsWent = false;
};
