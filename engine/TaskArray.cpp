#include "TaskArray.h"

int TaskArray::append(const ConversionTask &task)
{
    m_tasks.append(task);
    m_tasks.last().id = ++m_lastId;
    changed(count() - 1);
    return count() - 1;
}

ConversionTask TaskArray::at(int index) const
{
    return isValidIndex(index) ? m_tasks.at(index) : ConversionTask();
}

void TaskArray::store(int index, const ConversionTask &task)
{
    if (!isValidIndex(index))
        return;
    const TaskId id = m_tasks.at(index).id;
    m_tasks[index] = task;
    m_tasks[index].id = id;
    changed(index);
}

int TaskArray::indexOf(TaskId id) const
{
    if (id == 0)
        return -1;
    // Lists hold tens or hundreds of tasks: a scan costs less than keeping an index up to date
    // through every insertion and removal.
    for (int i = 0; i < count(); ++i) {
        if (m_tasks.at(i).id == id)
            return i;
    }
    return -1;
}

bool TaskArray::update(int index, int column, const std::function<void(ConversionTask &)> &edit)
{
    if (!isValidIndex(index))
        return false;
    const TaskId id = m_tasks.at(index).id;
    edit(m_tasks[index]);
    m_tasks[index].id = id;
    changed(index);
    if (column != NoColumn)
        invalidateCells(index, index, column);
    return true;
}

void TaskArray::fail(TaskId id, const QString &reason)
{
    updateTask(id, ProgressColumn, [&reason](ConversionTask &task) {
        task.state = TaskState::Failed;
        if (task.failureReason.isEmpty())
            task.failureReason = reason.isEmpty() ? tr("The conversion failed.") : reason;
    });
}

void TaskArray::removeAt(int index)
{
    if (!isValidIndex(index))
        return;
    m_tasks.removeAt(index);
    changed(-1);
}

void TaskArray::clear()
{
    m_tasks.clear();
    m_tasks.squeeze();
    changed(-1);
}

void TaskArray::changed(int index) const
{
    if (m_listener)
        m_listener(index);
}

void TaskArray::invalidateCells(int first, int last, int column) const
{
    if (m_invalidator)
        m_invalidator(first, last, column);
}

void ResetTaskProgress(ConversionTask &task)
{
    task.state = TaskState::Waiting;
    task.sizeKB = 0;
    task.speed = 0.0;
    task.encodedTime = 0.0;
    task.wmvPercent = 0;
    task.failureReason.clear();
    task.keptSeconds = 0.0;
    task.outputFile.clear();
    task.treatmentSummary.clear();
    task.videoCopied = false;
}
