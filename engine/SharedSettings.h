#pragma once

#include "TaskArray.h"

#include <QList>

#include <functional>

/// Copies the choices one video can share with others: output type, MPEG4 profile, the nine
/// settings, WMV profile and "Always re-encode". Title, range, source and progress belong to the one video and stay.
void CopySharedSettings(const ConversionTask &from, ConversionTask &to);

/// Lets edit change each task at rows (indexes into tasks; those out of range are skipped) that
/// can change (CanChangeTask) and repaints column of its row (NoColumn: none). Returns the rows
/// changed, in the order given.
QList<int> UpdateChangeableTasks(TaskArray &tasks,
                                 const QList<int> &rows,
                                 int column,
                                 const std::function<void(ConversionTask &)> &edit);

/// "Apply these settings to all videos": copies the shared settings of the task at row to every
/// other task that can change, repainting their Output cells (which name the output type).
/// Returns the rows changed; none for a row out of range.
QList<int> ApplySettingsToAll(TaskArray &tasks, int row);
