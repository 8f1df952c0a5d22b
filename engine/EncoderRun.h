#pragma once

#include "TaskArray.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class EncoderMessageLog;
class QProcess;

/// One encoder at a time: starts the encoder of a command line, reads its merged output
/// (standard output and error in one stream) chunk by chunk, takes the progress into the task
/// and ends the process by the stop ladder ("q", then terminate, then kill). The batch owns one
/// and passes the task index and the start tick of each run; nothing of it is program-wide.
///
/// Everything happens on the user-interface thread; every wait handles events, so Stop and the
/// window's other handlers run re-entrantly inside RunEncoder. The object owns its QProcess;
/// when it is destroyed no encoder is left running.
class EncoderRun : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EncoderRun)

public:
    explicit EncoderRun(QObject *parent = nullptr);
    ~EncoderRun() override;

    /// Runs the encoder of commandLine (a command line of BuildCommandLine) for task taskIndex
    /// and returns when its output has ended, or once g_stopRequested is seen after a chunk.
    /// startTick (TickCount) is when the run began; the speed is measured from it. The program is
    /// looked up in the app folder first, then on the PATH, and runs there; no shell is involved.
    ///
    /// The loop reads a chunk (at most 255 bytes), emits it (outputReceived), takes its progress
    /// (ParseEncoderOutput), handles events and looks at the stop flag, in that order. A task
    /// that needs a pre-conversion is told to finish ("q") once the trimmed length is encoded.
    /// When RunEncoder returns no encoder is left running.
    ///
    /// An encoder that cannot be started, crashes or exits with a non-zero status marks the task
    /// failed (FailTask) with its last message (or why it could not start), unless the run was
    /// told to finish (Stop or the pre-conversion rule): then its ending is no failure. A call
    /// made while a run is under way (from a handler inside it) does nothing.
    void RunEncoder(const QString &commandLine, int taskIndex, quint32 startTick, TaskArray &tasks);

    /// Takes the progress of one chunk of output into task taskIndex (see ParseEncoderChunk):
    /// size into sizeKB; time into encodedTime, and the speed (seconds encoded per second since
    /// startTick, unsigned 32-bit milliseconds; unchanged when no millisecond has passed). Sends
    /// "q" when the task needs a pre-conversion, some output exists and the time has reached
    /// trimEnd - trimStart. Always repaints the task's progress cell.
    void ParseEncoderOutput(const QByteArray &chunk,
                            int taskIndex,
                            quint32 startTick,
                            TaskArray &tasks);

    /// Stops reading the encoder's output, writes the one byte "q" to its input and closes the
    /// input. Each step happens once per run; with no encoder, or one that has exited, it does
    /// nothing harmful. The encoder's later output is discarded.
    void SendEncoderQuit();

    /// True while an encoder process runs.
    bool IsEncoderRunning() const;

    /// Makes sure no encoder is left: tells a running encoder to finish, terminates it after a
    /// grace time and kills it after another, handling events while it waits.
    void ShutDownEncoder();

    /// How long the encoder gets after "q" before it is terminated, and after that before it is
    /// killed, in milliseconds. The defaults suit FFmpeg writing out a file; tests shorten them.
    void SetEndTimeouts(int quitGraceMs, int terminateGraceMs);

    /// Environment variables added for the following runs (EncoderTaskVariables): the part file
    /// the encoder may write over, and what the task asks of the adapter.
    void SetRunVariables(const QMap<QString, QString> &variables) { m_variables = variables; }

    /// True when the last run's encoder did not end on "q" and had to be terminated or killed:
    /// whatever it left is not a finished file.
    bool WasForced() const { return m_forced; }

    /// The program file of the last run that found one (empty before).
    QString Program() const { return m_program; }
    /// Process id of the running encoder; 0 when none runs.
    qint64 ProcessId() const;
    /// How the last encoder ended: its exit code, and whether it crashed (or was terminated or
    /// killed). 0 and false before the first run.
    int ExitCode() const;
    bool Crashed() const;

signals:
    /// A raw chunk of the encoder's merged output, as read (at most 255 bytes), before its
    /// progress is taken. Emitted inside RunEncoder, on the user-interface thread.
    void outputReceived(const QByteArray &chunk);

private:
    bool StartProcess(const QString &commandLine, QString &reason);
    void ReadOutput(int taskIndex, quint32 startTick, TaskArray &tasks, EncoderMessageLog &log);
    void WaitForEnd();

    std::unique_ptr<QProcess> m_process;
    QString m_program;
    /// The program's two ends of the encoder's channels, as the read loop and SendEncoderQuit
    /// see them: the output is read until it ends or is closed, the input takes one "q".
    bool m_outputOpen = false;
    bool m_inputOpen = false;
    /// Whether the current run was told to finish, and when (TickCount()).
    bool m_quitSent = false;
    quint32 m_quitTick = 0;
    /// True while RunEncoder is on the stack: the process must outlive it.
    bool m_inRun = false;
    bool m_forced = false;
    QMap<QString, QString> m_variables;
    int m_quitGraceMs = 5000;
    int m_terminateGraceMs = 3000;
};
