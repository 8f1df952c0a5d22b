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
    FinishRun();
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

void TaskLogStore::StartBatch()
{
    FinishRun();
    m_runs.clear();
}

void TaskLogStore::Append(int index, const QString &sourcePath, const QByteArray &text)
{
    if (index != m_open || m_runs.value(index).source != sourcePath) {
        FinishRun();
        m_runs.insert(index, Run{sourcePath, {}, {}});
        m_open = index;
    }
    QByteArray &kept = m_runs[index].text;
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

void TaskLogStore::FinishRun()
{
    if (m_open < 0)
        return;
    Run &run = m_runs[m_open];
    m_open = -1;
    run.file = WriteRun(run);
    Prune();
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

const TaskLogStore::Run *TaskLogStore::RunFor(int index, const QString &sourcePath) const
{
    const auto it = m_runs.constFind(index);
    if (it == m_runs.constEnd() || it->source != sourcePath)
        return nullptr;
    return &*it;
}

QByteArray TaskLogStore::Text(int index, const QString &sourcePath) const
{
    const Run *run = RunFor(index, sourcePath);
    return run ? run->text : QByteArray();
}

QString TaskLogStore::FilePath(int index, const QString &sourcePath) const
{
    const Run *run = RunFor(index, sourcePath);
    return run ? run->file : QString();
}

bool TaskLogStore::HasLog(int index, const QString &sourcePath) const
{
    return RunFor(index, sourcePath) != nullptr;
}
