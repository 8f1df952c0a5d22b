#pragma once

#include "ColorRef.h"
#include "ConversionTask.h"

#include <QString>

/// The six colours of one list row. Every cell of a row gets the same six.
struct RowColors
{
    COLORREF textColor = CLR_DEFAULT;
    COLORREF backColor = CLR_DEFAULT;
    COLORREF selTextColor = CLR_DEFAULT;
    COLORREF selBackColorNoFocus = CLR_DEFAULT;
    COLORREF selBackColor = CLR_DEFAULT;
    COLORREF hotTextColor = CLR_DEFAULT;

    bool operator==(const RowColors &) const = default;
};

/// What one cell of the task list shows, computed from its task at paint time. Fields left at
/// their defaults mean "keep the list's own default" (empty text, no bar, default bar colour).
struct TaskCell
{
    QString text;
    RowColors colors;
    int progressMax = -1; ///< range of the in-cell bar; <= 0 means no bar
    int progressPos = 0;  ///< 0..progressMax
    COLORREF barColor = CLR_DEFAULT;
    QString toolTip; ///< shown when the pointer rests on the cell; empty for none

    bool operator==(const TaskCell &) const = default;
};

/// The colours of row `row` (rows count from 0): even and odd rows alternate.
RowColors TaskRowColors(int row);

/// The cell at `column` (0 Source, 1 Begin Time, 2 End Time, 3 Output, 4 Progress) of row `row`,
/// which shows `task`. `wmvStartTick` is the tick (ms, TickCount()) when the running WMV
/// conversion started and `nowTick` the current tick; they only matter for the "Used Time" of a
/// WMV task. A column outside 0..4 gives the row colours and nothing else.
TaskCell ComputeTaskCell(
    const ConversionTask &task, int row, int column, quint32 wmvStartTick, quint32 nowTick);

/// How far a waiting or running task has come, as the Progress column shows it (the window's
/// bar and text, the command-line converter's lines).
struct ProgressFigures
{
    bool reported = false;     ///< false: its programs have reported nothing yet
    double percent = 0.0;      ///< 0 to 100 (a pre-converted source: both steps together)
    int sizeKB = -1;           ///< the output's size so far; -1 when unknown (WMV, pre-conversion)
    int remainingSeconds = -1; ///< estimated seconds left (0 or more); -1 before a report
    qint64 usedSeconds = -1;   ///< WMV: seconds its conversion has run; -1 for other tasks

    bool operator==(const ProgressFigures &) const = default;
};

/// The figures of task, which is waiting or being converted (its state is not looked at).
/// wmvStartTick and nowTick as for ComputeTaskCell; they only matter for a WMV task.
ProgressFigures ComputeProgressFigures(const ConversionTask &task,
                                       quint32 wmvStartTick,
                                       quint32 nowTick);

/// Whole seconds as "hh:mm:ss" (hours not limited to two digits). A negative count shows as
/// "00:00:00": a time left cannot be below zero on screen.
QString FormatHms(qint64 seconds);

/// Truncates toward zero like a C cast, but without undefined behaviour: NaN gives 0 and values
/// beyond the int range give the nearest int limit.
int TruncateToInt(double value);
