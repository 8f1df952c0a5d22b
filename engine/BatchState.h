#pragma once

#include <QString>

/// State of the running batch shared by the engine and the main window. Everything runs on the
/// user-interface thread, so plain globals are enough.

/// 1 once Stop was pressed in the current batch; cleared when a batch starts.
extern bool g_stopRequested;
/// Index of the task the batch is converting.
extern int g_batchIndex;
/// Tick count (milliseconds, see TickCount) when the current encoder run or pre-conversion
/// started; the speed is measured from it.
extern quint32 g_encodeStartTick;
/// The program's folder, ending with a directory separator. Profiles live in its "app" folder.
extern QString g_programDir;

/// Monotonic milliseconds, kept as unsigned 32 bits: differences stay right across a wrap.
quint32 TickCount();

/// Fills g_programDir from the running program's folder (with a trailing separator).
void InitProgramDir();

/// The "app" folder in the program's folder: the profile file lives there, and the encoder runs
/// there (when it exists). The program's own working directory is never changed.
QString AppDir();
