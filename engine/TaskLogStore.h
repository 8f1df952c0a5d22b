#pragma once

#include "ConversionTask.h"

#include <QByteArray>
#include <QHash>
#include <QString>

/// The log of each task's last run: everything the encoder and the media component printed for
/// it, kept in memory (the last LimitBytes of it) and written to one file per run in a folder
/// (normally DefaultFolder()), of which the newest KeepRuns files are kept.
///
/// Tasks are addressed by id. Several runs may be open at once (jobs run side by side); output
/// arrives in chunks for each (Append). A task's new run replaces its earlier one in memory (the
/// earlier file stays).
class TaskLogStore
{
public:
    static constexpr qsizetype DefaultLimitBytes = 256 * 1024;
    static constexpr int DefaultKeepRuns = 50;

    /// folder: where the run files go (created when needed); empty keeps logs in memory only.
    explicit TaskLogStore(const QString &folder = DefaultFolder(),
                          qsizetype limitBytes = DefaultLimitBytes,
                          int keepRuns = DefaultKeepRuns);
    ~TaskLogStore();
    Q_DISABLE_COPY(TaskLogStore)

    /// "$XDG_STATE_HOME/tavrel/logs" ("~/.local/state/tavrel/logs" without it); on Windows the
    /// application's local data folder's "logs".
    static QString DefaultFolder();

    /// A run of task id, converting sourcePath, begins.
    void StartRun(TaskId id, const QString &sourcePath);
    /// Adds output to the open run of task id; nothing when it has none open.
    void Append(TaskId id, const QByteArray &text);
    /// Ends the run of task id, if open: its file is written and old files beyond KeepRuns are
    /// removed.
    void FinishRun(TaskId id);
    /// Ends every open run.
    void FinishAll();
    /// Forgets the task's run (the task has gone); its file stays.
    void Forget(TaskId id);

    /// The last run's output of task id (at most LimitBytes, cut at a line start); empty when
    /// it has none.
    QByteArray Text(TaskId id) const;
    /// The file of that run; empty while the run is open or when there is none.
    QString FilePath(TaskId id) const;
    /// True when the task has a log (open or finished).
    bool HasLog(TaskId id) const { return m_runs.contains(id); }

    QString Folder() const { return m_folder; }

private:
    struct Run
    {
        QString source;
        QByteArray text;
        QString file;
        bool open = false;
    };

    QString WriteRun(const Run &run);
    void Prune();

    QString m_folder;
    qsizetype m_limit;
    int m_keep;
    QHash<TaskId, Run> m_runs;
    int m_sequence = 0;
};
