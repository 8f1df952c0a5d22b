#pragma once

#include "ConversionTask.h"

#include <QString>
#include <QStringList>

/// The profiles the window lists now, by index: what a saved task's profiles are looked up in.
struct ProfileNames
{
    QStringList mpeg4;    ///< titles of the MPEG4 profiles
    int mpeg4Default = 0; ///< the profile file's default profile
    QStringList wmv;      ///< names of the WMV profiles
};

/// A task as the saved list keeps it: the task with the names of its two profiles beside their
/// indexes, so that a profile file whose profiles were reordered still finds them.
struct SavedTask
{
    ConversionTask task;
    QString profileTitle;   ///< title of the MPEG4 profile task.mpeg4Profile when it was saved
    QString wmvProfileName; ///< name of the WMV profile task.wmvProfile when it was saved
};

/// The saved form of task, its profiles named from profiles.
SavedTask SavedTaskOf(const ConversionTask &task, const ProfileNames &profiles);

/// The task a saved one becomes when the list is restored at start:
/// - its profiles are found by name (by index when the name at that index is still the one
///   saved); a profile that has gone gives the default one and a note for the row's tooltip;
/// - setting indexes outside their tables give the defaults;
/// - a task that was being converted (or paused) when the program ended is waiting again; the
///   part file and intermediate its run had made are deleted when no living program holds them;
/// - everything else stays as it was saved: finished tasks stay finished with their outputs (the
///   next Start skips them), failed and stopped ones keep their reasons. A source that has gone
///   keeps its row; Start fails it with the reason.
ConversionTask RestoredTask(const SavedTask &saved, const ProfileNames &profiles);

/// The index of a saved profile among titles now: index when titles[index] is still title, else
/// the first index with that title; an empty title accepts any index in range. -1 when gone.
int FindProfile(int index, const QString &title, const QStringList &titles);
