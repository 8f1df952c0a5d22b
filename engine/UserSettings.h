#pragma once

#include <QSettings>
#include <QString>

/// The values Tavrel keeps between runs that the window and the command-line converter both read,
/// through QSettings: on Windows the default values of the registry keys HKEY_CURRENT_USER
/// "Software\Tavrel\destination" and "Software\Tavrel\Version"; elsewhere an INI file
/// "Tavrel.conf" in the user's configuration folder, groups "destination" and "Version", key
/// "Default". How many videos are converted at once is group "batch", key "Simultaneous".

/// QSettings organisation name (the "Software\Tavrel" key on Windows).
extern const char *const kSettingsOrganisation;

/// The user's settings store (the registry on Windows, "Tavrel.conf" elsewhere).
QSettings UserSettings();

/// The output directory used when none is stored: "D:\" on Windows; elsewhere the user's Videos
/// folder when it exists, else the home folder.
QString DefaultDestination();

/// The stored output directory as it was stored; empty when none (or an empty one) is stored.
QString StoredDestination();

/// The stored output directory, or DefaultDestination() when none (or an empty one) is stored.
/// The directory is not checked for existence.
QString ReadDestination();

/// Stores dir as the output directory; an empty dir is not stored.
void WriteDestination(const QString &dir);

/// How many videos the batch converts at once: group "batch", key "Simultaneous"; 1 (one after
/// another) when none or no number of at least 1 is stored. Not limited to the cores here.
int ReadSimultaneous();
/// Stores count (at least 1) as the number of videos converted at once.
void WriteSimultaneous(int count);
