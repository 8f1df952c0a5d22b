#pragma once

#include <QString>

/// The program's folder, ending with a directory separator: where its app folder (profiles and
/// encoder), help, skin and, when writable, the intermediates are found. Filled at start
/// (InitProgramDir); tests point it elsewhere.
extern QString g_programDir;

/// Fills g_programDir from the running program's folder (with a trailing separator).
void InitProgramDir();

/// The "app" folder in the program's folder: the profile file lives there, and the encoder runs
/// there (when it exists). The program's own working directory is never changed.
QString AppDir();
