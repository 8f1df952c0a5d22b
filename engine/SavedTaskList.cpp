#include "SavedTaskList.h"

#include "TaskRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kCurrentKey = QStringLiteral("current");
const QString kTasksKey = QStringLiteral("tasks");
const QString kProfileTitleKey = QStringLiteral("profileTitle");
const QString kWmvProfileKey = QStringLiteral("wmvProfileName");

/// A list file larger than this is not one this program wrote.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

SavedListReading Unreadable(const QString &reason)
{
    SavedListReading reading;
    reading.status = SavedListReading::Status::Unreadable;
    reading.reason = reason;
    return reading;
}

} // namespace

QString SavedListFolder()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/tavrel");
#endif
}

QString SavedListPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("tasks.json"));
}

QByteArray SerialiseSavedList(const SavedList &list)
{
    QJsonArray tasks;
    for (const SavedTask &saved : list.tasks) {
        QJsonObject record = TaskToRecord(saved.task);
        record.insert(kProfileTitleKey, saved.profileTitle);
        record.insert(kWmvProfileKey, saved.wmvProfileName);
        tasks.append(record);
    }
    const QJsonObject root{
        {kFormatKey, kSavedListFormat}, {kCurrentKey, list.current}, {kTasksKey, tasks}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SavedListReading ParseSavedList(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        //: Why the kept list cannot be read; %1 is the JSON parser's reason, %2 a byte offset.
        return Unreadable(
            QCoreApplication::translate("SavedTaskList", "it is not JSON (%1 at byte %2)")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(kFormatKey);
    if (!document.isObject() || !format.isDouble() || format.toInt() < 1)
        //: Why the kept list cannot be read.
        return Unreadable(QCoreApplication::translate("SavedTaskList", "it has no format version"));
    if (format.toInt() > kSavedListFormat) {
        SavedListReading reading;
        reading.status = SavedListReading::Status::Newer;
        //: %1 and %2 are format version numbers.
        reading.reason = QCoreApplication::translate("SavedTaskList",
                                                     "it was written by a newer Tavrel (format "
                                                     "%1; this one reads %2)")
                             .arg(format.toInt())
                             .arg(kSavedListFormat);
        return reading;
    }
    const QJsonValue current = root.value(kCurrentKey);
    const QJsonValue tasks = root.value(kTasksKey);
    if (!tasks.isArray() || (!current.isUndefined() && !current.isDouble()))
        //: Why the kept list cannot be read.
        return Unreadable(
            QCoreApplication::translate("SavedTaskList", "it holds no list of tasks"));

    SavedListReading reading;
    reading.status = SavedListReading::Status::Read;
    reading.list.current = current.toInt(-1);
    const QJsonArray records = tasks.toArray();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QJsonObject record = records.at(i).toObject();
        SavedTask saved;
        QString error;
        if (!records.at(i).isObject() || !record.value(QStringLiteral("sourcePath")).isString())
            //: What is wrong with one task of the kept list.
            error = QCoreApplication::translate("SavedTaskList", "it names no source file");
        else if (TaskFromRecord(record, &saved.task, &error)) {
            saved.profileTitle = record.value(kProfileTitleKey).toString();
            saved.wmvProfileName = record.value(kWmvProfileKey).toString();
            reading.list.tasks.append(saved);
            continue;
        }
        //: %1 is the task's number, %2 what is wrong with it.
        return Unreadable(
            QCoreApplication::translate("SavedTaskList", "in task %1, %2").arg(i + 1).arg(error));
    }
    return reading;
}

SavedListReading LoadSavedList(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    SavedListReading reading;
    if (!info.isFile())
        //: Why the kept list cannot be read.
        reading = Unreadable(QCoreApplication::translate("SavedTaskList", "it is not a file"));
    else if (info.size() > kMaxFileBytes)
        //: Why the kept list cannot be read.
        reading = Unreadable(QCoreApplication::translate("SavedTaskList", "it is too large"));
    else if (!file.open(QIODevice::ReadOnly))
        reading = Unreadable(file.errorString());
    else
        reading = ParseSavedList(file.readAll());
    file.close();
    if (reading.status != SavedListReading::Status::Unreadable)
        return reading;

    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    if (QFile::rename(path, aside))
        //: %1 is why the list cannot be read, %2 the path it was moved to.
        reading.reason = QCoreApplication::translate("SavedTaskList", "%1; it was kept as %2")
                             .arg(reading.reason, QDir::toNativeSeparators(aside));
    else
        //: %1 is why the list cannot be read.
        reading.reason
            = QCoreApplication::translate("SavedTaskList", "%1; it could not be set aside")
                  .arg(reading.reason);
    return reading;
}

bool WriteSavedList(const QString &path, const QByteArray &bytes, QString *error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            //: %1 is a folder's path.
            *error = QCoreApplication::translate("SavedTaskList", "the folder %1 cannot be made")
                         .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
