#pragma once

#include "EncoderMessageLog.h"
#include "TaskArray.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QProcess;

/// One run of the encoder: starts the encoder of a command line, reads its merged output
/// (standard output and error in one stream) chunk by chunk as it arrives, takes the progress
/// into the task, and ends the process by the stop ladder ("q", then terminate, then kill), each
/// step after its grace time. Nothing waits: everything happens in slots on the user-interface
/// thread, and finished() says when the run is over. The object owns its QProcess; when it is
/// destroyed no encoder is left running.
class EncoderRun : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EncoderRun)

public:
    explicit EncoderRun(QObject *parent = nullptr);
    /// Kills an encoder that still runs (the last guard of an owner that goes away mid-run).
    ~EncoderRun() override;

    /// Starts the encoder of commandLine (a command line of BuildCommandLine) for the task with
    /// that id in tasks, which must outlive the run (or see Kill). startTick (TickCount) is when
    /// the run began; the speed is measured from it. The program is looked up in the app folder
    /// first, then on the PATH, and runs there; no shell is involved. Returns at once; finished()
    /// follows exactly once, from the event loop (also when the encoder cannot be started). A
    /// call while a run is under way does nothing.
    ///
    /// Each chunk (at most 255 bytes) is emitted (outputReceived), then its progress is taken
    /// (ParseEncoderOutput), then the run looks whether it was told to finish meanwhile, in that
    /// order. A task that needs a pre-conversion is told to finish ("q") once the trimmed length
    /// is encoded.
    void Start(const QString &commandLine, TaskId id, quint32 startTick, TaskArray &tasks);

    /// Takes the progress of one chunk of output into the task with that id (see
    /// ParseEncoderChunk): size into sizeKB; time into encodedTime, and the speed (seconds
    /// encoded per second since startTick, unsigned 32-bit milliseconds; unchanged when no
    /// millisecond has passed). Sends "q" when the task needs a pre-conversion, some output
    /// exists and the time has reached trimEnd - trimStart. Always repaints the task's progress
    /// cell.
    void ParseEncoderOutput(const QByteArray &chunk,
                            TaskId id,
                            quint32 startTick,
                            TaskArray &tasks);

    /// Tells the encoder to finish: stops reading its output (the rest is discarded), writes the
    /// one byte "q" to its input and closes the input, then starts the stop ladder. Once per run;
    /// harmless with no encoder or one that has exited.
    void SendEncoderQuit();
    /// Ends the run at once: kills the encoder and forgets the task; finished() still follows.
    void Kill();
    /// Suspends or resumes the encoder and whatever it started (its process group). While
    /// suspended the speed's clock stands still: the time spent suspended is not counted.
    void Suspend(bool suspend);

    /// True from Start until finished() was emitted.
    bool IsRunning() const { return m_running; }
    /// True while an encoder process exists.
    bool IsEncoderRunning() const;

    /// How long the encoder gets after "q" before it is terminated, and after that before it is
    /// killed, in milliseconds. The defaults suit FFmpeg writing out a file; tests shorten them.
    void SetEndTimeouts(int quitGraceMs, int terminateGraceMs);
    /// Environment variables added for the following runs (EncoderTaskVariables): the part file
    /// the encoder may write over, and what the task asks of the adapter.
    void SetRunVariables(const QMap<QString, QString> &variables) { m_variables = variables; }

    /// After finished(): why the run failed (the encoder could not start, crashed or ended with a
    /// non-zero status: its last message, or the reason), empty when it did not fail. An encoder
    /// that was told to finish ("q") may end any way it likes: that is no failure.
    QString FailureReason() const { return m_failure; }
    /// True when the last run's encoder did not end on "q" and had to be terminated or killed:
    /// whatever it left is not a finished file.
    bool WasForced() const { return m_forced; }
    /// True when the last run was told to finish (Stop, Kill or the pre-conversion rule).
    bool WasToldToFinish() const { return m_quitSent; }

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
    /// progress is taken.
    void outputReceived(const QByteArray &chunk);
    /// The run is over and no encoder is left; see FailureReason and WasForced.
    void finished();

private:
    QString StartProcess(const QString &commandLine);
    void OnReadyRead();
    void OnOutputEnded();
    void OnProcessFinished();
    void OnStartFailed();
    void OnLadderStep();
    void Conclude();

    std::unique_ptr<QProcess> m_process;
    QTimer m_ladder;
    EncoderMessageLog m_log;
    QMap<QString, QString> m_variables;
    QString m_program;
    QString m_failure;
    TaskArray *m_tasks = nullptr;
    TaskId m_task = 0;
    quint32 m_startTick = 0;
    quint32 m_suspendTick = 0;
    bool m_running = false;
    bool m_suspended = false;
    /// The program's two ends of the encoder's channels: the output is read until it ends or is
    /// closed, the input takes one "q".
    bool m_outputOpen = false;
    bool m_inputOpen = false;
    bool m_quitSent = false;
    bool m_terminated = false;
    bool m_killed = false;
    bool m_forced = false;
    int m_quitGraceMs = 5000;
    int m_terminateGraceMs = 3000;
};
