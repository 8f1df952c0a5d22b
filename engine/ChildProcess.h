#pragma once

#include <QtGlobal>

class QProcess;

/// Configures a child process that Tavrel starts for a conversion (the encoder, the converter's
/// ffmpeg runs) before it is started. Every such child goes through here, so that what all of
/// them need is decided in one place: a hidden console on Windows; on Linux, death with the
/// program (PR_SET_PDEATHSIG, so that no encoder outlives Tavrel even when Tavrel is killed); and
/// SIGPIPE ignored program-wide, once, so that writing to a child that has just exited fails
/// harmlessly. Each child also leads a process group of its own, so that pausing reaches it and
/// whatever it starts, and a Ctrl+C in a terminal reaches only Tavrel, which stops its children in
/// good order. Call it on the user-interface thread, before QProcess::start.
void PrepareChildProcess(QProcess &process);

/// Suspends (true) or resumes (false) the process group that the child processId leads (a child
/// prepared by PrepareChildProcess): SIGSTOP or SIGCONT to all of it. Returns whether the signal
/// was sent. Does nothing for processId 0, and nothing on Windows.
bool SuspendChildProcess(qint64 processId, bool suspend);
