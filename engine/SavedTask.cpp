#include "SavedTask.h"

#include "PartFile.h"
#include "PreConversion.h"
#include "SettingTables.h"
#include "TaskArray.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

/// Whether path names an intermediate file as pre-conversions make them: "<title>_<random>.avi"
/// or ".mpg" in the intermediate folder (or the temporary folder, its stand-in). Only such a
/// file is ever deleted on a saved list's word.
bool IsIntermediateFile(const QString &path)
{
    static const QRegularExpression name(QStringLiteral("_[0-9a-z]{8,13}\\.(avi|mpg)$"));
    const QFileInfo info(path);
    if (!info.isAbsolute() || !name.match(info.fileName()).hasMatch())
        return false;
    const QString folder = QDir::cleanPath(info.absolutePath());
    return folder == QDir::cleanPath(IntermediateFolder())
           || folder == QDir::cleanPath(QDir::tempPath());
}

/// Finds the saved profile among names; a profile that has gone gives fallback, and a note for
/// the row. With no names at all (no profile file), the index stays.
int ResolveProfile(
    int index, const QString &name, const QStringList &names, int fallback, QString *note)
{
    if (names.isEmpty())
        return index;
    const int found = FindProfile(index, name, names);
    if (found >= 0)
        return found;
    const int replacement = fallback >= 0 && fallback < names.size() ? fallback : 0;
    const QString gone = name.isEmpty() ? QString::number(index) : name;
    //: Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.
    const QString text = QCoreApplication::translate(
                             "SavedTask",
                             "The profile \u201c%1\u201d no longer exists; the default profile "
                             "\u201c%2\u201d is used instead.")
                             .arg(gone, names.at(replacement));
    *note = note->isEmpty() ? text : *note + u'\n' + text;
    return replacement;
}

} // namespace

SavedTask SavedTaskOf(const ConversionTask &task, const ProfileNames &profiles)
{
    return {task, profiles.mpeg4.value(task.mpeg4Profile), profiles.wmv.value(task.wmvProfile)};
}

ConversionTask RestoredTask(const SavedTask &saved, const ProfileNames &profiles)
{
    ConversionTask task = saved.task;
    task.id = 0;
    for (const SettingTable &table : SettingTables()) {
        if (task.*table.field < 0 || task.*table.field >= table.items.size())
            task.*table.field = table.defaultIndex;
    }
    if (task.outputWmv != 0 && task.outputWmv != 1)
        task.outputWmv = 0;
    task.mpeg4Profile = ResolveProfile(
        task.mpeg4Profile, saved.profileTitle, profiles.mpeg4, profiles.mpeg4Default, &task.note);
    task.wmvProfile
        = ResolveProfile(task.wmvProfile, saved.wmvProfileName, profiles.wmv, 0, &task.note);

    if (IsInProgress(task)) {
        // Its program died with the program that ran it: what it had written is no output.
        if (IsPartFileName(QFileInfo(task.partFile).fileName()))
            PartFile::RemoveAbandoned(task.partFile);
        if (IsIntermediateFile(task.intermediatePath))
            PartFile::RemoveAbandoned(task.intermediatePath);
        ResetTaskProgress(task);
    }
    // No run of this program writes them.
    task.partFile.clear();
    task.intermediatePath.clear();
    return task;
}

int FindProfile(int index, const QString &title, const QStringList &titles)
{
    if (title.isEmpty())
        return index >= 0 && index < titles.size() ? index : -1;
    if (index >= 0 && index < titles.size() && titles.at(index) == title)
        return index;
    return int(titles.indexOf(title));
}
