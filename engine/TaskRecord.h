#pragma once

#include "ConversionTask.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

/// A field of ConversionTask that the saved list keeps, by its type.
using TaskFieldMember = std::variant<QString ConversionTask::*,
                                     int ConversionTask::*,
                                     double ConversionTask::*,
                                     bool ConversionTask::*,
                                     TaskState ConversionTask::*>;

/// One field of a task's record in the saved list: its key and the task member it holds.
struct TaskRecordField
{
    const char *key;
    TaskFieldMember member;
};

/// Every field the saved list keeps of a task, each once: what the person chose (source, range,
/// settings, title, profile index, output type, WMV profile, sound and subtitle tracks) and where
/// its conversion stands (state, failure reason, kept seconds, placed output, what was done to
/// it, the part file and intermediate of a run under way). The progress figures of a run and the id are not kept: a run does not outlive
/// the program, and ids are given anew. A new field of ConversionTask that is to be kept is one
/// more line of this table; writer, reader and tests all go through it.
const QList<TaskRecordField> &TaskRecordFields();

/// The task's record: one key per field of TaskRecordFields.
QJsonObject TaskToRecord(const ConversionTask &task);

/// Reads a record into task: a key that is missing leaves the field as task has it (a record
/// written before the field existed); unknown keys are ignored. False with the reason when a
/// key holds a value of another type (or an int out of range, an unknown state).
bool TaskFromRecord(const QJsonObject &record, ConversionTask *task, QString *error);

/// The state's name in a record ("waiting", "converting", "paused", "finished", "failed",
/// "stopped"), and the state of such a name.
QString TaskStateName(TaskState state);
std::optional<TaskState> TaskStateFromName(const QString &name);
