#pragma once

// One task in every state a row of the task list can show, as the main window's tasks hold
// them: for the task-list tests and the picture tool. Header-only; its users link tavrel_engine.

#include "ConversionTask.h"
#include "ProgressText.h"
#include "TaskListHost.h"

#include <QList>
#include <QString>

struct TaskRowState
{
    QString name;
    ConversionTask task;
};

/// Waiting, pre-converting, encoding the intermediate, encoding, paused, finished, failed, WMV
/// converting and WMV finished, in that order.
inline QList<TaskRowState> EveryTaskRowState()
{
    auto task = [](const char *file) {
        ConversionTask t = NewConversionTask(QString::fromLatin1(file), 754.0, 0, 0);
        t.trimStart = 12.0;
        return t;
    };
    QList<TaskRowState> rows;
    rows.append({QStringLiteral("waiting"), task("/videos/waiting clip.avi")});
    ConversionTask pre = task("/videos/concert.rmvb");
    pre.preconvPhase = 1;
    pre.preconvPercent = 64.0;
    pre.preconvRemaining = 41.0;
    rows.append({QStringLiteral("pre-converting"), pre});
    ConversionTask second = pre;
    second.preconvPhase = 2;
    second.encodedTime = 300.0;
    second.speed = 3.1;
    second.sizeKB = 5120;
    rows.append({QStringLiteral("encoding the intermediate file"), second});
    ConversionTask encoding = task("/videos/Tom & Jerry.mpg");
    encoding.encodedTime = 120.5;
    encoding.speed = 2.4;
    encoding.sizeKB = 3900;
    rows.append({QStringLiteral("encoding"), encoding});
    ConversionTask paused = encoding;
    paused.sourcePath = QStringLiteral("/videos/paused.mp4");
    paused.state = TaskState::Paused;
    rows.append({QStringLiteral("paused"), paused});
    ConversionTask finished = task("/videos/finished.mov");
    finished.state = TaskState::Finished;
    rows.append({QStringLiteral("finished"), finished});
    ConversionTask failed = task("/videos/broken.avi");
    failed.state = TaskState::Failed;
    failed.failureReason = QStringLiteral("The encoder stopped with exit code 1");
    rows.append({QStringLiteral("failed"), failed});
    ConversionTask wmv = task("/videos/holiday.wmv");
    wmv.outputWmv = 1;
    wmv.wmvPercent = 37;
    rows.append({QStringLiteral("WMV converting"), wmv});
    ConversionTask wmvDone = wmv;
    wmvDone.wmvPercent = 100;
    wmvDone.state = TaskState::Finished;
    rows.append({QStringLiteral("WMV finished"), wmvDone});
    return rows;
}

/// Shows rows in host's list the way the main window answers its cells, with now as the tick
/// count: rows.size() + 0.5 rows visible (the last half cut), 614 pixels wide.
inline void ShowTaskRowStates(TaskListHost &host, const QList<TaskRowState> &rows, quint32 now)
{
    host.list->SetItemCount(int(rows.size()));
    host.sizeListForRows(rows.size() + 0.5, 614);
    host.fill = [rows, now](CellInfo &info) {
        if (info.item < 0 || info.item >= rows.size())
            return;
        ApplyTaskCell(
            info,
            ComputeTaskCell(rows.at(info.item).task, info.item, info.subItem, now - 95000, now));
    };
}
