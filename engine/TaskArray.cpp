#include "TaskArray.h"

int TaskArray::append(const ConversionTask &task)
{
    m_tasks.append(task);
    return count() - 1;
}

ConversionTask TaskArray::at(int index) const
{
    return isValidIndex(index) ? m_tasks.at(index) : ConversionTask();
}

void TaskArray::store(int index, const ConversionTask &task)
{
    if (isValidIndex(index))
        m_tasks[index] = task;
}

bool TaskArray::update(int index, int column, const std::function<void(ConversionTask &)> &edit)
{
    if (!isValidIndex(index))
        return false;
    edit(m_tasks[index]);
    if (column != NoColumn)
        invalidateCells(index, index, column);
    return true;
}

void TaskArray::fail(int index, const QString &reason)
{
    update(index, ProgressColumn, [&reason](ConversionTask &task) {
        task.failed = 1;
        task.finished = 0;
        if (task.failureReason.isEmpty())
            task.failureReason
                = reason.isEmpty() ? QStringLiteral("The conversion failed.") : reason;
    });
}

void TaskArray::removeAt(int index)
{
    if (isValidIndex(index))
        m_tasks.removeAt(index);
}

void TaskArray::clear()
{
    m_tasks.clear();
    m_tasks.squeeze();
}

void TaskArray::invalidateCells(int first, int last, int column) const
{
    if (m_invalidator)
        m_invalidator(first, last, column);
}

void ResetTaskProgress(TaskArray &tasks)
{
    for (int i = 0; i < tasks.count(); ++i) {
        ConversionTask task = tasks.at(i);
        task.finished = 0;
        task.sizeKB = 0;
        task.speed = 0.0;
        task.encodedTime = 0.0;
        task.wmvPercent = 0;
        task.failed = 0;
        task.failureReason.clear();
        task.stopped = 0;
        task.keptSeconds = 0.0;
        task.outputFile.clear();
        task.videoCopied = false;
        tasks.store(i, task);
        tasks.invalidateCells(i, i, ProgressColumn);
        tasks.invalidateCells(i, i, OutputColumn);
    }
}
