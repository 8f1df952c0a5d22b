#pragma once

#include "TaskArray.h"

#include <QByteArray>
#include <QString>

class QProcess;

/// The one encoder process of the program, program-wide so that Stop and shut-down reach it;
/// nullptr before the first run and after ShutDownEncoder. Its standard output and error arrive
/// merged in one stream. Owned by the runner: callers look, they do not delete.
extern QProcess *g_encoder;

/// Makes writing to a pipe whose reader has gone fail with an error instead of ending the
/// program (a "q" for an encoder that has just exited). Safe to call any number of times.
void IgnoreSigpipe();

/// Runs the encoder of commandLine (a command line of BuildCommandLine) for task taskIndex and
/// returns when its output has ended, or once g_stopRequested is seen after a chunk. Messages are
/// handled all along (the window stays alive). The program is looked up in the app folder first,
/// then on the PATH, and runs there; no shell is involved.
///
/// Progress ("size=", "time=") goes into the task as it comes, and its progress cell is
/// invalidated. A task that needs a pre-conversion is told to finish ("q") once the trimmed
/// length is encoded. When RunEncoder returns no encoder is left running: one that was told
/// to finish and is still running after a few seconds is terminated, then killed.
///
/// An encoder that cannot be started, crashes or exits with a non-zero status sets the task's
/// failed to 1 and failureReason to its last message (or why it could not start), unless the
/// run was told to finish (Stop or the pre-conversion rule): then its ending is no failure.
void RunEncoder(const QString &commandLine, int taskIndex, TaskArray &tasks);

/// Takes the progress of one chunk of output (at most 255 bytes) into task taskIndex (see
/// ParseEncoderChunk): size into sizeKB; time into encodedTime, and the speed (seconds encoded
/// per second since g_encodeStartTick, in unsigned 32-bit milliseconds; unchanged when no
/// millisecond has passed). Sends "q" when the task needs a pre-conversion, some output exists
/// and the time has reached trimEnd - trimStart. Always invalidates the task's progress cell.
void ParseEncoderOutput(const QByteArray &chunk, int taskIndex, TaskArray &tasks);

/// Stops reading the encoder's output, writes the one byte "q" to its input and closes the
/// input. Each step happens once per run; with no encoder, or one that has exited, it does
/// nothing harmful. The encoder's later output is discarded.
void SendEncoderQuit();

/// True while an encoder process runs.
bool IsEncoderRunning();

/// Makes sure no encoder is left, for the end of the program: tells a running encoder to finish,
/// terminates it after a few seconds and kills it after a few more, handling messages while it
/// waits. The application calls it on its way out (CTavrelApp::ExitInstance): the program leaves
/// through the frame's modal loop, so QCoreApplication::aboutToQuit never comes.
void ShutDownEncoder();

/// How long the encoder gets after "q" before it is terminated, and after that before it is
/// killed, in milliseconds. The defaults suit FFmpeg writing out a file; tests shorten them.
void SetEncoderEndTimeouts(int quitGraceMs, int terminateGraceMs);
