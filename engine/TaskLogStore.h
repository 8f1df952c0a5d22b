#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

/// The log of each task's last run: everything the encoder and the media component printed for
/// it, kept in memory (the last LimitBytes of it) and written to one file per run in a folder
/// (normally DefaultFolder()), of which the newest KeepRuns files are kept.
///
/// Output arrives in chunks for one task at a time (Append). A chunk for another task than the
/// last one ends the last one's run; so does FinishRun. StartBatch forgets the previous batch's
/// runs (their files stay), since each task runs afresh. Tasks are addressed by their index in
/// the list together with their source path: a task that is not the one the run was made for
/// (the list changed since) has no log.
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

    /// A new batch begins: ends any open run and forgets the runs kept in memory.
    void StartBatch();
    /// Adds output of task `index`, made from `sourcePath`.
    void Append(int index, const QString &sourcePath, const QByteArray &text);
    /// Ends the open run, if any: its file is written and old files beyond KeepRuns are removed.
    void FinishRun();

    /// The last run's output of task index (at most LimitBytes, cut at a line start); empty when
    /// that task has no run or the task at that index is now another source.
    QByteArray Text(int index, const QString &sourcePath) const;
    /// The file of that run; empty while the run is open or when there is none.
    QString FilePath(int index, const QString &sourcePath) const;
    /// True when the task has a log (open or finished).
    bool HasLog(int index, const QString &sourcePath) const;

    QString Folder() const { return m_folder; }

private:
    struct Run
    {
        QString source;
        QByteArray text;
        QString file;
    };

    const Run *RunFor(int index, const QString &sourcePath) const;
    QString WriteRun(const Run &run);
    void Prune();

    QString m_folder;
    qsizetype m_limit;
    int m_keep;
    QHash<int, Run> m_runs;
    int m_open = -1;
    int m_sequence = 0;
};
