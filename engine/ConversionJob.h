#pragma once

#include "EncoderRun.h"
#include "OutputVerifier.h"
#include "PartFile.h"
#include "TaskArray.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class MediaConverter;
class ProfileFile;

/// Makes the converter a job works with: each job has its own, so that two jobs (or a job and
/// the window's preview) never share clips, settings or a process.
using ConverterFactory = std::function<std::unique_ptr<MediaConverter>()>;

/// What every job of one batch shares.
struct JobSettings
{
    QString outputDirectory;               ///< absolute folder the outputs go to
    const ProfileFile *profiles = nullptr; ///< the command templates; outlives the jobs
    ConverterFactory converters;           ///< for pre-conversions and WMV conversions
    /// A program that shows no progress (no new encoded time, no growth of its output) for this
    /// many seconds of running (pauses not counted) is ended and its task fails; 0: never.
    int stallSeconds = 120;
    int quitGraceMs = 5000;      ///< the encoder's time to finish its file after "q"
    int terminateGraceMs = 3000; ///< and after being terminated, before it is killed
};

/// The conversion of one task, from its checks to its placed output: an MP4 made by the encoder
/// (after a pre-conversion through a converter when the task needs one), or a WMV made by a
/// converter. Driven only by signals and timers: the encoder's and converter's output, their
/// ends, the background checks of the source and of the output, the watchdog's tick. Tasks are
/// addressed by id: rows may come and go meanwhile, and a task that has gone is converted no
/// further and keeps nothing.
///
/// Every run writes an exclusively created, hidden part file in the output folder (PartFile),
/// never the final name. When the run ends, finished or stopped, the part file is checked off
/// the user-interface thread (VerifyConversionOutput) and only then moved to the first free
/// output name without ever replacing a file; otherwise it is deleted. The intermediate of a
/// pre-conversion is deleted when the job ends, however it ends.
///
/// The job writes the task's state (Converting, Paused, then Finished, Failed or Stopped) and
/// progress, and says ended() exactly once, from the event loop.
class ConversionJob : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ConversionJob)

public:
    enum class Outcome { Converted, Failed, Stopped };

    /// tasks must outlive the job, or the job must be abandoned first (Abandon).
    ConversionJob(TaskId id,
                  TaskArray &tasks,
                  const JobSettings &settings,
                  QObject *parent = nullptr);
    ~ConversionJob() override;

    TaskId Id() const { return m_id; }

    /// Marks the task Converting and begins: the checks of the source, then the programs.
    void Start();
    /// As Stop ends a conversion: an encoder is told to finish its file ("q") and what it wrote
    /// is kept when it plays; a pre-conversion or a WMV conversion is ended at once and keeps
    /// nothing. The task ends Stopped.
    void Stop();
    /// The task has been taken out of the list: stopped as Stop does, keeping nothing.
    void Discard();
    /// Suspends the job's program (and the job's own clocks), or resumes it. A job that is
    /// between two steps takes the next one only once resumed.
    void Pause();
    void Resume();
    bool IsPaused() const { return m_paused; }
    /// Ends everything at once for an owner that goes away: the programs are killed, files it
    /// made removed, nothing more is written into tasks and no signal follows.
    void Abandon();

    /// Milliseconds of running so far, pauses not counted.
    qint64 RunningMs() const;
    /// Tick (TickCount) from which a WMV conversion's used time counts, pauses not counted: the
    /// list shows TickCount() minus this.
    quint32 WmvStartTick() const;
    /// The encoder of this job (for its program and process id).
    const EncoderRun &Encoder() const { return m_encoder; }
    /// Process id of the program working now (encoder or converter); 0 when none.
    qint64 ProcessId() const;
    /// The output file being written (the part file); empty when none.
    QString PartFilePath() const { return m_part.Path(); }

signals:
    /// A raw chunk of what the job's program printed (the encoder's merged output, or the
    /// converter's ffmpeg output).
    void output(TaskId id, const QByteArray &text);
    /// A line the job itself adds to the task's log (a reason, a probe's words).
    void note(TaskId id, const QString &text);
    /// The job is over: its task is Finished, Failed or Stopped (or gone).
    void ended(TaskId id, ConversionJob::Outcome outcome);

private:
    enum class Phase { Idle, Checking, Preconverting, Encoding, MakingWmv, Placing, Done };

    ConversionTask Task() const;
    void SetState(TaskState state);
    void CheckSource(const ConversionTask &task);
    void Proceed(std::function<void()> step);
    /// Enters phase with the task as it is now (in task); false, the job ended, when the task
    /// has gone from the list.
    bool BeginPhase(Phase phase, ConversionTask &task);
    void StartPreconversion();
    void StartEncoding();
    void StartWmv();
    MediaConverter &NewConverter();
    void OnOutput(const QByteArray &chunk);
    void OnConverterProgress(double position, double total);
    void OnConverterFinished();
    void OnEncoderFinished();
    void PlaceOutput(bool stopped);
    void OnVerdict(const OutputVerdict &verdict, bool stopped);
    void OnWatchdog();
    void EndStalled();
    void Fail(const QString &reason);
    void MarkStopped(const QString &output, double keptSeconds);
    void Finish(Outcome outcome);
    void StopConverter();
    void NotePartFile();

    TaskId m_id;
    TaskArray *m_tasks;
    JobSettings m_settings;
    ConversionTask m_started; ///< the task as its conversion began (it may go meanwhile)
    Phase m_phase = Phase::Idle;
    EncoderRun m_encoder;
    std::unique_ptr<MediaConverter> m_converter;
    PartFile m_part;
    PartFile m_intermediate;
    QTimer m_watchdog;
    QElapsedTimer m_clock;
    qint64 m_pausedMs = 0;
    qint64 m_pauseStartMs = 0;
    qint64 m_phaseStartMs = 0;
    /// The last progress mark the watchdog saw and when (running ms) it changed.
    QString m_progressMark;
    QByteArray m_outputLine; ///< the start of a line of output whose end has not come yet
    qint64 m_markChangedMs = 0;
    std::function<void()> m_pendingStep; ///< what to do once resumed
    bool m_paused = false;
    bool m_stopped = false;
    bool m_discarded = false;
    bool m_stalled = false;
    bool m_abandoned = false;
};
