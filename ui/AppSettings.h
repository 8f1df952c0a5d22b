#pragma once

#include "UserSettings.h"

#include <QString>

/// The values only the window keeps between runs, in the same store as UserSettings.h's: the
/// stored "Version" (group "Version", key "Default") and the folder of the last file added
/// ("lastSourceFolder"). The output directory and the number of videos at once, which the
/// command-line converter reads too, are in UserSettings.h.

/// The folder the Add dialog opens in: the folder of the last source file added (kept between
/// runs) when it still exists, else the user's Videos folder, else the home folder. Never the
/// program's own working directory.
QString AddDialogFolder();

/// Remembers the folder of sourcePath for the next Add dialog.
void WriteLastSourceFolder(const QString &sourcePath);

/// The stored "Version" value, or an empty string when none is stored.
QString ReadStoredVersion();

/// The window caption "%s V%s": the product name and the stored version, or the program's own
/// version (TAVREL_VERSION) when none is stored, so the caption never ends in a bare " V".
QString FrameCaption(const QString &productName, const QString &storedVersion);
