#include "TaskRecord.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr std::pair<TaskState, const char *> kStateNames[] = {
    {TaskState::Waiting, "waiting"},
    {TaskState::Converting, "converting"},
    {TaskState::Paused, "paused"},
    {TaskState::Finished, "finished"},
    {TaskState::Failed, "failed"},
    {TaskState::Stopped, "stopped"},
};

QJsonValue ToJson(const QString &value)
{
    return value;
}

QJsonValue ToJson(int value)
{
    return value;
}

QJsonValue ToJson(double value)
{
    return value;
}

QJsonValue ToJson(bool value)
{
    return value;
}

QJsonValue ToJson(TaskState value)
{
    return TaskStateName(value);
}

bool FromJson(const QJsonValue &json, QString *value)
{
    if (!json.isString())
        return false;
    *value = json.toString();
    return true;
}

bool FromJson(const QJsonValue &json, int *value)
{
    const double number = json.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!json.isDouble() || number != std::trunc(number)
        || number < double(std::numeric_limits<int>::min())
        || number > double(std::numeric_limits<int>::max()))
        return false;
    *value = int(number);
    return true;
}

bool FromJson(const QJsonValue &json, double *value)
{
    if (!json.isDouble())
        return false;
    *value = json.toDouble();
    return true;
}

bool FromJson(const QJsonValue &json, bool *value)
{
    if (!json.isBool())
        return false;
    *value = json.toBool();
    return true;
}

bool FromJson(const QJsonValue &json, TaskState *value)
{
    const std::optional<TaskState> state = TaskStateFromName(json.toString());
    if (!json.isString() || !state)
        return false;
    *value = *state;
    return true;
}

} // namespace

const QList<TaskRecordField> &TaskRecordFields()
{
    static const QList<TaskRecordField> fields = {
        {"sourcePath", &ConversionTask::sourcePath},
        {"sourceDuration", &ConversionTask::sourceDuration},
        {"trimStart", &ConversionTask::trimStart},
        {"trimEnd", &ConversionTask::trimEnd},
        {"baseName", &ConversionTask::baseName},
        {"title", &ConversionTask::title},
        {"videoType", &ConversionTask::videoType},
        {"videoSize", &ConversionTask::videoSize},
        {"frameRate", &ConversionTask::frameRate},
        {"videoBitrate", &ConversionTask::videoBitrate},
        {"aspect", &ConversionTask::aspect},
        {"channels", &ConversionTask::channels},
        {"audioBitrate", &ConversionTask::audioBitrate},
        {"sampleRate", &ConversionTask::sampleRate},
        {"volume", &ConversionTask::volume},
        {"mpeg4Profile", &ConversionTask::mpeg4Profile},
        {"needsPreconversion", &ConversionTask::needsPreconversion},
        {"outputWmv", &ConversionTask::outputWmv},
        {"wmvProfile", &ConversionTask::wmvProfile},
        {"state", &ConversionTask::state},
        {"failureReason", &ConversionTask::failureReason},
        {"keptSeconds", &ConversionTask::keptSeconds},
        {"outputFile", &ConversionTask::outputFile},
        {"partFile", &ConversionTask::partFile},
        {"intermediatePath", &ConversionTask::intermediatePath},
        {"note", &ConversionTask::note},
        {"soundTrack", &ConversionTask::soundTrack},
        {"subtitleTrack", &ConversionTask::subtitleTrack},
        {"treatmentSummary", &ConversionTask::treatmentSummary},
        {"alwaysEncode", &ConversionTask::alwaysEncode},
        {"videoCopied", &ConversionTask::videoCopied},
    };
    return fields;
}

QJsonObject TaskToRecord(const ConversionTask &task)
{
    QJsonObject record;
    for (const TaskRecordField &field : TaskRecordFields()) {
        std::visit(
            [&](auto member) { record.insert(QLatin1String(field.key), ToJson(task.*member)); },
            field.member);
    }
    return record;
}

bool TaskFromRecord(const QJsonObject &record, ConversionTask *task, QString *error)
{
    for (const TaskRecordField &field : TaskRecordFields()) {
        const auto found = record.constFind(QLatin1String(field.key));
        if (found == record.constEnd())
            continue;
        const bool read = std::visit(
            [&](auto member) { return FromJson(found.value(), &(task->*member)); }, field.member);
        if (!read) {
            if (error)
                //: Why a kept task cannot be read; %1 is the name of a field in the file.
                *error = QCoreApplication::translate("TaskRecord",
                                                     "the value of \"%1\" is not what it should be")
                             .arg(QLatin1String(field.key));
            return false;
        }
    }
    return true;
}

QString TaskStateName(TaskState state)
{
    for (const auto &[value, name] : kStateNames) {
        if (value == state)
            return QLatin1String(name);
    }
    return QString();
}

std::optional<TaskState> TaskStateFromName(const QString &name)
{
    for (const auto &[value, text] : kStateNames) {
        if (name == QLatin1String(text))
            return value;
    }
    return std::nullopt;
}
