#pragma once

class QProcess;

/// Configures a child process that Tavrel starts for a conversion (the encoder, the converter's
/// ffmpeg runs) before it is started. Every such child goes through here, so that what all of
/// them need is decided in one place: a hidden console on Windows; on Linux, death with the
/// program (PR_SET_PDEATHSIG, so that no encoder outlives Tavrel even when Tavrel is killed); and
/// SIGPIPE ignored program-wide, once, so that writing to a child that has just exited fails
/// harmlessly. Call it on the user-interface thread, before QProcess::start.
void PrepareChildProcess(QProcess &process);
