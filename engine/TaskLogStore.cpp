#include "TaskLogStore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

TaskLogStore::TaskLogStore(const QString &folder, qsizetype limitBytes, int keepRuns)
    : m_folder(folder)
    , m_limit(std::max<qsizetype>(limitBytes, 1))
    , m_keep(std::max(keepRuns, 1))
{}

TaskLogStore::~TaskLogStore()
{
    FinishAll();
}

QString TaskLogStore::DefaultFolder()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
           + QStringLiteral("/logs");
#else
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tavrel/logs");
#endif
}

void TaskLogStore::StartRun(TaskId id, const QString &sourcePath)
{
    FinishRun(id);
    m_runs.insert(id, Run{sourcePath, {}, {}, true});
}

void TaskLogStore::Append(TaskId id, const QByteArray &text)
{
    const auto it = m_runs.find(id);
    if (it == m_runs.end() || !it->open)
        return;
    QByteArray &kept = it->text;
    kept += text;
    if (kept.size() > m_limit) {
        // Only the end is kept, from the first whole line inside the limit.
        qsizetype cut = kept.size() - m_limit;
        const qsizetype lineStart = kept.indexOf('\n', cut);
        if (lineStart >= 0 && lineStart + 1 < kept.size())
            cut = lineStart + 1;
        kept.remove(0, cut);
    }
}

void TaskLogStore::FinishRun(TaskId id)
{
    const auto it = m_runs.find(id);
    if (it == m_runs.end() || !it->open)
        return;
    it->open = false;
    it->file = WriteRun(*it);
    Prune();
}

void TaskLogStore::FinishAll()
{
    const QList<TaskId> ids = m_runs.keys();
    for (TaskId id : ids)
        FinishRun(id);
}

void TaskLogStore::Forget(TaskId id)
{
    FinishRun(id);
    m_runs.remove(id);
}

QString TaskLogStore::WriteRun(const Run &run)
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return QString();
    // Named by time and sequence, so they sort by age, and by the source for a person's eye.
    const QString name
        = QStringLiteral("%1-%2-%3.log")
              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                   QString::number(m_sequence++).rightJustified(3, u'0'),
                   QFileInfo(run.source).completeBaseName().left(60));
    QSaveFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QStringLiteral("Source: %1\n\n").arg(run.source).toUtf8());
    file.write(run.text);
    return file.commit() ? file.fileName() : QString();
}

void TaskLogStore::Prune()
{
    if (m_folder.isEmpty())
        return;
    QDir dir(m_folder);
    const QFileInfoList files
        = dir.entryInfoList({QStringLiteral("*.log")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = m_keep; i < files.size(); ++i)
        QFile::remove(files.at(i).filePath());
}

QByteArray TaskLogStore::Text(TaskId id) const
{
    return m_runs.value(id).text;
}

QString TaskLogStore::FilePath(TaskId id) const
{
    return m_runs.value(id).file;
}
