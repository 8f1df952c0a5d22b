#pragma once

#include "ConversionTask.h"

#include <QCoreApplication>
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
/// out by value. Each task gets a stable id when it joins (TaskId): the window addresses tasks by
/// row, the engine by id, since rows move when others are added or removed while a batch runs.
/// The array also carries the way to ask the list for a repaint, so that engine code can report
/// progress without knowing about widgets, and tells one listener of every change of its content
/// (the saved list follows it).
class TaskArray
{
    Q_DECLARE_TR_FUNCTIONS(TaskArray)

public:
    /// Asked to repaint the cells of one column for the rows first..last (inclusive).
    using CellInvalidator = std::function<void(int first, int last, int column)>;
    /// Told after every change: index is the row whose task was appended, stored or updated
    /// (progress included), -1 when rows went (removeAt, clear).
    using ChangeListener = std::function<void(int index)>;

    int count() const { return int(m_tasks.size()); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }

    /// Appends a task and gives it a new id (the one it carries is replaced); returns its index
    /// (count() - 1).
    int append(const ConversionTask &task);
    /// A copy of the task at index; a default task (id 0) for an index out of range.
    ConversionTask at(int index) const;
    /// Stores a whole task at index, keeping the id of the task there; ignored out of range.
    void store(int index, const ConversionTask &task);
    /// The row of the task with that id; -1 when no task has it (any more).
    int indexOf(TaskId id) const;
    /// A copy of the task with that id; a default task (id 0) when there is none.
    ConversionTask find(TaskId id) const { return at(indexOf(id)); }
    /// Copies the task at index, lets edit change the copy, stores it back and asks the list to
    /// repaint column of that row (NoColumn: no repaint). Returns false, calling nothing, for an
    /// index out of range.
    bool update(int index, int column, const std::function<void(ConversionTask &)> &edit);
    /// update for the task with that id; false, calling nothing, when there is none.
    bool updateTask(TaskId id, int column, const std::function<void(ConversionTask &)> &edit)
    {
        return update(indexOf(id), column, edit);
    }
    /// Marks the task with that id failed and repaints its progress cell. The first reason stays:
    /// a later one is dropped while the task has one. An empty reason gives "The conversion
    /// failed." when the task has none yet. Ignored when there is no such task.
    void fail(TaskId id, const QString &reason);
    /// Removes the task at index (the tasks after it move up); ignored out of range.
    void removeAt(int index);
    void clear();

    void setCellInvalidator(CellInvalidator invalidator) { m_invalidator = std::move(invalidator); }
    /// Replaces the listener; an empty one tells nobody.
    void setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
    /// Asks the list (if any) to repaint column for rows first..last.
    void invalidateCells(int first, int last, int column) const;

private:
    QList<ConversionTask> m_tasks;
    void changed(int index) const;

    CellInvalidator m_invalidator;
    ChangeListener m_listener;
    TaskId m_lastId = 0;
};

/// Takes a task back to Waiting before it is converted (again): clears sizeKB, speed,
/// encodedTime, wmvPercent, failureReason, keptSeconds, outputFile, treatmentSummary and
/// videoCopied. Trim range, settings and pre-conversion fields stay.
void ResetTaskProgress(ConversionTask &task);
