#pragma once

#include <QString>

/// The two program-wide values the engine shares with the main window's handlers by name: the
/// stop flag (set by Stop, read by every wait of the batch) and the program's folder (where the
/// app folder, help, skin and intermediates are found). Everything runs on the user-interface
/// thread, so plain globals are enough. The rest of the batch's state lives in ConversionBatch.

/// 1 once Stop was pressed in the current batch; cleared when a batch starts.
extern bool g_stopRequested;
/// The program's folder, ending with a directory separator. Profiles live in its "app" folder.
extern QString g_programDir;

/// Monotonic milliseconds, kept as unsigned 32 bits: differences stay right across a wrap.
quint32 TickCount();

/// Fills g_programDir from the running program's folder (with a trailing separator).
void InitProgramDir();

/// The "app" folder in the program's folder: the profile file lives there, and the encoder runs
/// there (when it exists). The program's own working directory is never changed.
QString AppDir();
