#pragma once

#include "SavedTask.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// The conversion list as it is kept between runs: the tasks in list order and the row that was
/// current (-1 for none).
struct SavedList
{
    QList<SavedTask> tasks;
    int current = -1;
};

/// The format version this program writes and reads. A file of a higher version was written by
/// a newer program: it is neither read nor overwritten.
inline constexpr int kSavedListFormat = 1;

/// What reading the saved list found.
struct SavedListReading
{
    enum class Status {
        Read,       ///< list holds what the file held
        Missing,    ///< there is no file: an empty list
        Unreadable, ///< the file cannot be read or is not a list this program wrote
        Newer,      ///< the file is of a newer format version
    };
    Status status = Status::Missing;
    SavedList list;
    QString reason; ///< for Unreadable and Newer: what is wrong, for the program's output
};

/// The folder the list is kept in: "tavrel" in the user's data folder ($XDG_DATA_HOME, by
/// default ~/.local/share).
QString SavedListFolder();
/// The list's file in folder.
QString SavedListPath(const QString &folder);

/// The file's content: a JSON object {"format", "current", "tasks": [records]}, each record the
/// task's fields (TaskToRecord) with "profileTitle" and "wmvProfileName".
QByteArray SerialiseSavedList(const SavedList &list);
/// Reads a file's content (see SerialiseSavedList): Read, Unreadable or Newer.
SavedListReading ParseSavedList(const QByteArray &bytes);

/// Reads the list file at path. An unreadable file is set aside under path + ".bad" (replacing
/// an older one), so that the next write does not destroy what may still be recovered; the
/// reason says so. A missing file reads as Missing, a newer one is left where it is.
SavedListReading LoadSavedList(const QString &path);

/// Writes bytes to path through a temporary file that replaces it only once it is complete and
/// on disk (QSaveFile); the folder is made when missing. False with the reason otherwise.
bool WriteSavedList(const QString &path, const QByteArray &bytes, QString *error);
