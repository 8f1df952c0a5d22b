#pragma once

class QProcess;

/// Configures a child process that Tavrel starts for a conversion (the encoder, the converter's
/// ffmpeg runs) before it is started. Every such child goes through here, so that what all of
/// them need (a hidden console on Windows; on Linux, death with the program: PR_SET_PDEATHSIG,
/// so that no encoder outlives Tavrel even when Tavrel is killed) is decided in one place. Call it on the user-interface thread, before QProcess::start.
void PrepareChildProcess(QProcess &process);

/// Makes writing to a pipe whose reader has gone fail with an error instead of ending the
/// program (a "q" for an encoder that has just exited). Safe to call any number of times.
void IgnoreSigpipe();
