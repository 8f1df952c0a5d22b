#pragma once

#include "ConversionTask.h"

#include <QList>

#include <functional>

/// Column numbers of the task list.
enum TaskColumn {
    NoColumn = -1,
    SourceColumn = 0,
    BeginColumn = 1,
    EndColumn = 2,
    OutputColumn = 3,
    ProgressColumn = 4
};

/// The conversion list in display order: row i of the task list shows task i. Tasks go in and
/// out by value. The array also carries the way to ask the list for a repaint, so that engine
/// code can report progress without knowing about widgets.
class TaskArray
{
public:
    /// Asked to repaint the cells of one column for the rows first..last (inclusive).
    using CellInvalidator = std::function<void(int first, int last, int column)>;

    int count() const { return int(m_tasks.size()); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }

    /// Appends a task; returns its index (count() - 1).
    int append(const ConversionTask &task);
    /// A copy of the task at index; a default task for an index out of range.
    ConversionTask at(int index) const;
    /// Stores a whole task at index; ignored for an index out of range.
    void store(int index, const ConversionTask &task);
    /// Copies the task at index, lets edit change the copy, stores it back and asks the list to
    /// repaint column of that row (NoColumn: no repaint). Returns false, calling nothing, for an
    /// index out of range.
    bool update(int index, int column, const std::function<void(ConversionTask &)> &edit);
    /// Marks the task at index failed (failed 1, finished 0) and repaints its progress cell. The
    /// first reason stays: a later one is dropped while the task has one. An empty reason gives
    /// "The conversion failed." when the task has none yet. Ignored out of range.
    void fail(int index, const QString &reason);
    /// Removes the task at index (the tasks after it move up); ignored out of range.
    void removeAt(int index);
    void clear();

    void setCellInvalidator(CellInvalidator invalidator) { m_invalidator = std::move(invalidator); }
    /// Asks the list (if any) to repaint column for rows first..last.
    void invalidateCells(int first, int last, int column) const;

private:
    QList<ConversionTask> m_tasks;
    CellInvalidator m_invalidator;
};

/// Takes every task back to "waiting" at the start of a batch: clears finished, sizeKB, speed,
/// encodedTime, wmvPercent, failed, failureReason, stopped, keptSeconds, outputFile and
/// videoCopied, stores
/// each task back and asks for its progress and output cells to be repainted. Trim range,
/// settings and pre-conversion fields stay.
void ResetTaskProgress(TaskArray &tasks);
