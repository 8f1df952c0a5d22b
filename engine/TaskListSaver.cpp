#include "TaskListSaver.h"

#include "TaskRecord.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <utility>

TaskListSaver::TaskListSaver(const QString &path,
                             TaskArray &tasks,
                             Snapshot snapshot,
                             QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_tasks(&tasks)
    , m_snapshot(std::move(snapshot))
{
    m_worker.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TaskListSaver::WriteSoon);
    for (int i = 0; i < tasks.count(); ++i)
        m_records.insert(tasks.at(i).id, TaskToRecord(tasks.at(i)));
    tasks.setChangeListener([this](int index) { OnChanged(index); });
    // What was restored may differ from what the file holds (interrupted tasks wait again).
    Schedule(false);
}

TaskListSaver::~TaskListSaver()
{
    Detach();
    m_worker.waitForDone();
}

void TaskListSaver::Detach()
{
    m_timer.stop();
    if (m_tasks)
        m_tasks->setChangeListener({});
    m_tasks = nullptr;
}

void TaskListSaver::OnChanged(int index)
{
    if (index < 0) {
        m_rowsWent = true; // their records are forgotten at the write
        Schedule(false);
        return;
    }
    const ConversionTask task = m_tasks->at(index);
    QJsonObject record = TaskToRecord(task);
    const auto known = m_records.find(task.id);
    if (known != m_records.end() && *known == record)
        return; // progress only
    const bool placed = known != m_records.end() && IsConverted(task)
                        && known->value(QStringLiteral("state")) != TaskStateName(task.state);
    m_records.insert(task.id, std::move(record));
    Schedule(placed);
}

void TaskListSaver::Schedule(bool now)
{
    if (now) {
        m_timer.stop();
        WriteSoon();
        return;
    }
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : kIntervalMs;
    m_timer.start(int(std::clamp<qint64>(kIntervalMs - since, 0, kIntervalMs)));
}

void TaskListSaver::WriteSoon()
{
    if (!m_tasks)
        return;
    if (std::exchange(m_rowsWent, false)) {
        QSet<TaskId> ids;
        for (int i = 0; i < m_tasks->count(); ++i)
            ids.insert(m_tasks->at(i).id);
        m_records.removeIf([&ids](const auto &entry) { return !ids.contains(entry.key()); });
    }
    const QByteArray bytes = SerialiseSavedList(m_snapshot());
    if (bytes == m_lastBytes)
        return;
    m_lastBytes = bytes;
    m_sinceWrite.start();
    ++m_writes;
    m_worker.start([this, path = m_path, bytes] {
        QString reason;
        const bool ok = WriteSavedList(path, bytes, &reason);
        // Delivered from this object's event loop; dropped when it is gone (it waits for the
        // worker first, so this never outlives it).
        QMetaObject::invokeMethod(
            this, [this, ok, reason] { OnWriteDone(ok, reason); }, Qt::QueuedConnection);
    });
}

void TaskListSaver::OnWriteDone(bool ok, const QString &reason)
{
    if (ok) {
        m_lastError.clear();
        emit written();
        return;
    }
    m_lastBytes.clear(); // not on disk: the next change writes whatever the list then is
    if (reason != m_lastError)
        emit writeFailed(reason);
    m_lastError = reason;
}

bool TaskListSaver::Flush()
{
    m_timer.stop();
    m_worker.waitForDone();
    // The results of the writes that were under way, so that m_lastBytes is what is on disk.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (!m_tasks)
        return m_lastError.isEmpty() && !m_lastBytes.isEmpty();
    const QByteArray bytes = SerialiseSavedList(m_snapshot());
    if (bytes == m_lastBytes)
        return true;
    ++m_writes;
    QString reason;
    const bool ok = WriteSavedList(m_path, bytes, &reason);
    m_lastBytes = bytes;
    OnWriteDone(ok, reason);
    return ok;
}
