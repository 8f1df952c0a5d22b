#pragma once

#include "BatchTexts.h"
#include "ConversionJob.h"
#include "ProfileFile.h"
#include "SleepInhibitor.h"
#include "TaskArray.h"
#include "TaskLogStore.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <memory>

/// The batch: a live queue that converts the tasks of a TaskArray. Start returns at once; from
/// then on every task that is waiting, in list order, gets a job of its own (ConversionJob: an
/// MP4 through the encoder, after a pre-conversion when the task needs one, or a WMV through a
/// converter), up to Simultaneous() at a time, the next one starting when a job ends. Tasks added
/// while it runs, and tasks taken back to waiting, join it. Tasks are addressed by id.
///
/// Start converts what is not converted: finished tasks keep their row and file and are
/// skipped; failed and stopped ones are tried again. Stop ends every running job as Stop ends
/// one (an encoder finishes its file, a converter is ended at once) and starts no other; Pause
/// suspends every running job's programs and starts none until Resume. The batch ends, with the
/// final message (or the power-off), when nothing is left to start and nothing runs; a paused
/// batch is not at its end.
///
/// The batch keeps each task's log of its last run (Logs), fed with what its programs print and
/// with the reasons of failures that no program explained. While it runs (not while paused) the
/// computer is kept from sleeping through the session manager when there is one. It reports to
/// the window only through its signals; nothing in it waits.
class ConversionBatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ConversionBatch)

public:
    enum class State {
        Idle,     ///< no batch: Start begins one
        Running,  ///< jobs run and waiting tasks are started
        Paused,   ///< jobs suspended, none started
        Stopping, ///< Stop was pressed: the running jobs are ending, none is started
    };
    Q_ENUM(State)

    /// tasks must outlive the batch, or be given up with Abandon first. converters makes the
    /// converter of each pre-conversion and WMV job. The program's profile file (ProfileFile::
    /// DefaultPath) is read once, here. The watchdog's limit comes from TAVREL_STALL_SECONDS
    /// (seconds; default 120).
    ConversionBatch(TaskArray &tasks, ConverterFactory converters, QObject *parent = nullptr);
    ~ConversionBatch() override;

    /// Starts a batch into the folder outputDirectory (the output directory's text as the user
    /// set it) and returns at once. Does nothing unless idle, or when there is no task. An empty
    /// or unusable folder gives an error message and nothing else. When the batch ends without
    /// Stop and powerOffAtEnd is true, powerOffRequested is emitted instead of the final message.
    void Start(const QString &outputDirectory, bool powerOffAtEnd);
    /// Stops the batch (see above); the batch turns idle once every job has ended.
    void Stop();
    /// Suspends the running batch, and resumes it.
    void Pause();
    void Resume();

    /// Tasks were appended to the list: a running batch starts them as jobs become free.
    void TasksAdded();
    /// The task with that id was taken out of the list: a job working on it is stopped as Stop
    /// stops one and keeps nothing; the batch goes on.
    void TaskRemoved(TaskId id);
    /// Takes the task back to waiting (its row loses its result) so that it is converted again:
    /// by the running batch, or by the next Start. Nothing while a job works on it.
    void ConvertAgain(TaskId id);

    /// How many jobs may run at once: 1 (one after another) up to MaxSimultaneous(). A change
    /// takes effect at once for starting jobs; running ones are not stopped.
    void SetSimultaneous(int count);
    int Simultaneous() const { return m_simultaneous; }
    /// The number of processor cores.
    static int MaxSimultaneous();

    State QueueState() const { return m_state; }
    /// True unless idle: the window shows Stop in Start's place.
    bool IsBusy() const { return m_state != State::Idle; }
    bool IsPaused() const { return m_state == State::Paused; }
    /// The job working on the task with that id, or nullptr.
    const ConversionJob *Job(TaskId id) const;
    /// The jobs working now, in the order they started.
    QList<const ConversionJob *> Jobs() const;
    /// Tick (TickCount, ms) from which the WMV task's "Used Time" counts; 0 when no job works on
    /// it.
    quint32 WmvStartTick(TaskId id) const;
    /// Where the batch stands (for the caption).
    BatchProgress Progress() const;

    /// The program file of the last encoder run (empty before).
    QString LastEncoderProgram() const { return m_lastEncoderProgram; }
    /// The profile file read when the batch was made; every task's command line comes from it.
    const ProfileFile &Profiles() const { return m_profiles; }
    /// Each task's log of its last run.
    TaskLogStore &Logs() { return m_logs; }
    const TaskLogStore &Logs() const { return m_logs; }

    /// Shortens the encoder's grace times after "q" and after terminate (milliseconds).
    void SetEncoderEndTimeouts(int quitGraceMs, int terminateGraceMs);
    /// The watchdog's limit in seconds of running without progress; 0 turns it off.
    void SetStallSeconds(int seconds) { m_settings.stallSeconds = seconds; }

    /// The owner (with the tasks) is going away: every job is ended at once (programs killed,
    /// their part files removed), the tasks are not touched again and no signal follows.
    void Abandon();

signals:
    void stateChanged(ConversionBatch::State state);
    /// The batch began (true) or ended (false).
    void busyChanged(bool busy);
    /// A message box to show: text already centred (CenterMessageText) and translated; caption
    /// "Error" or "Information" in English, which tells the kind: it is shown as
    /// QCoreApplication::translate("ConversionBatch", caption).
    void messageRequested(const QString &text, const QString &caption);
    /// The batch ended without Stop and the computer is to be powered off. finishedText is the
    /// final message, for when the power-off is cancelled.
    void powerOffRequested(const QString &finishedText);
    /// The batch ended: how many of its tasks were converted and failed, and whether Stop ended
    /// it. Emitted after the message (or the power-off request).
    void finished(int converted, int failed, bool stopped);
    /// Emitted when a job starts or ends and whenever the progress changes.
    void progressChanged(const BatchProgress &progress);
    /// A raw chunk of output of the program working on the task with that id.
    void taskOutput(TaskId id, const QByteArray &text);

private:
    void SetState(State state);
    void Fill();
    void StartJob(int index);
    void OnJobEnded(TaskId id);
    void End();
    void ReportProgress();
    ConversionJob *FindJob(TaskId id) const;

    TaskArray *m_tasks;
    ProfileFile m_profiles;
    JobSettings m_settings;
    SleepInhibitor m_inhibitor;
    TaskLogStore m_logs;
    QTimer m_progressTimer;
    QList<ConversionJob *> m_jobs; ///< children of the batch
    /// The tasks taking part in this batch: those queued at Start and those that joined since.
    QSet<TaskId> m_members;
    State m_state = State::Idle;
    int m_simultaneous = 1;
    bool m_powerOffAtEnd = false;
    bool m_stopRequested = false;
    QString m_lastEncoderProgram;
    BatchProgress m_lastProgress;
};
