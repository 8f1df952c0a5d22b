#pragma once

#include <QString>

/// The values Tavrel keeps between runs, read and written through QSettings: on Windows the
/// default values of the registry keys HKEY_CURRENT_USER "Software\Tavrel\destination" and
/// "Software\Tavrel\Version"; elsewhere an INI file "Tavrel.conf" in the user's configuration
/// folder, groups "destination" and "Version", key "Default". The folder of the last file added
/// is kept beside them ("lastSourceFolder").

/// QSettings organisation name (the "Software\Tavrel" key on Windows).
extern const char *const kSettingsOrganisation;

/// The output directory used when none is stored: "D:\" on Windows; elsewhere the user's Videos
/// folder when it exists, else the home folder.
QString DefaultDestination();

/// The stored output directory, or DefaultDestination() when none (or an empty one) is stored.
/// The directory is not checked for existence.
QString ReadDestination();

/// Stores dir as the output directory; an empty dir is not stored.
void WriteDestination(const QString &dir);

/// The folder the Add dialog opens in: the folder of the last source file added (kept between
/// runs) when it still exists, else the user's Videos folder, else the home folder. Never the
/// program's own working directory.
QString AddDialogFolder();

/// Remembers the folder of sourcePath for the next Add dialog.
void WriteLastSourceFolder(const QString &sourcePath);

/// How many videos the batch converts at once: group "batch", key "Simultaneous"; 1 (one after
/// another) when none or no number of at least 1 is stored. Not limited to the cores here.
int ReadSimultaneous();
/// Stores count (at least 1) as the number of videos converted at once.
void WriteSimultaneous(int count);

/// The stored "Version" value, or an empty string when none is stored.
QString ReadStoredVersion();

/// The window caption "%s V%s": the product name and the stored version, or the program's own
/// version (TAVREL_VERSION) when none is stored, so the caption never ends in a bare " V".
QString FrameCaption(const QString &productName, const QString &storedVersion);
