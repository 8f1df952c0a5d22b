#pragma once

#include <QString>

class CMainFrameDlg;

/// Name of the environment variable that turns start-up into a self-check. It holds the path of
/// a video (a relative one from the working directory); when it is set and not empty, the program converts that video instead of running
/// its window and exits with the result. Arguments play no part in it.
inline constexpr const char *kSelfCheckVariable = "TAVREL_SELFTEST";

/// A non-interactive check that an installed program finds what it reads from its own folder and
/// converts through its normal path: the window's page built as at start-up (skin, profile list,
/// output directory), then source added as Add adds it (an MP4 task with the default settings and
/// profile 0) and converted by Start's batch into the page's output directory.
///
/// Prints one line per finding on standard output ("program folder:", "skin:", "profiles:",
/// "encoder:", "output:", "failed:" with the reason when the conversion failed) and a last line
/// "self-check passed" or "self-check failed". Returns the process exit code: 0 when the skin is
/// active, the profile list is not empty and the output file was written, else 1. Nothing asks a
/// person anything; the window is never shown.
int RunSelfCheck(CMainFrameDlg &frame, const QString &source);
