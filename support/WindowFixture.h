#pragma once

// What the tests of the real main window share: the program's folder and the two clips they add.
// Header-only; its users link tavrel_ui.

#include "MediaFixtures.h"
#include "ProgramDir.h"

#include <QDir>

namespace WindowFixture {

/// Points g_programDir at the laid-out program (TAVREL_RUNTIME_DIR) and makes, in dir,
/// clip.avi (2 s, 160x120) and long.avi (60 s, 320x240: still converting while a test looks).
/// False, with ffmpeg's output in log, when a clip cannot be made.
inline bool PrepareClips(const QDir &dir, QString *log)
{
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    return MediaFixtures::MakeSource(dir.filePath("clip.avi"), 2.0, "160x120", log)
           && MediaFixtures::MakeSource(dir.filePath("long.avi"), 60.0, "320x240", log);
}

} // namespace WindowFixture
