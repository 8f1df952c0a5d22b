#pragma once

#include "EncoderRun.h"
#include "ProfileFile.h"
#include "SleepInhibitor.h"
#include "TaskArray.h"

#include <QObject>
#include <QString>
#include <QTimer>

class MediaConverter;
class PartFile;

/// The batch: converts every task of a TaskArray, one after another in list order. A task with
/// outputWmv 0 becomes an MP4 file made by the encoder (RunEncoder), after a pre-conversion
/// through the media component when it needs one (PreConvert); a task with outputWmv 1 becomes a
/// WMV file made by the media component itself. Output files are named by MakeOutputPath.
///
/// Every run writes an exclusively created, hidden part file in the output folder (PartFile),
/// never the final name. When the run ends, finished or stopped, the part file is checked in
/// process (VerifyOutputFile: it opens, has picture and sound where the source has them, and a
/// finished one lasts the range) and only then moved to the first free output name without ever
/// replacing a file; otherwise it is deleted. No task is finished without such a file. A task's
/// intermediate file (pre-conversion) is deleted when its task ends, however it ends.
///
/// Start runs the whole batch and returns when it is over; every wait in it handles events, so
/// Stop, the converter's signals (connected here) and the window's handlers run re-entrantly
/// inside it. The batch owns the batch state (busy, stop and unwinding, the task being converted,
/// the start tick, the WMV wait) and the encoder run; g_stopRequested is its one program-wide
/// part. It reports to the window only through its signals.
///
/// Tasks cannot be added or removed while IsRunning() (the window's handlers look at busy; after
/// a Stop the loop touches no task again). While the batch runs, the computer is kept from
/// sleeping through the session manager when there is one (SleepInhibitor).
class ConversionBatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ConversionBatch)

public:
    /// tasks and media must outlive the batch, or be given up with Abandon first. The batch
    /// connects to media's signals itself, and reads the program's profile file (ProfileFile::
    /// DefaultPath) once, here.
    ConversionBatch(TaskArray &tasks, MediaConverter &media, QObject *parent = nullptr);
    ~ConversionBatch() override;

    /// Runs the batch into the folder outputDirectory (the output directory's text as the user
    /// set it) and returns when it is over. Does nothing while a batch runs or unwinds, or when
    /// there is no task. An empty or unusable folder gives an error message and nothing else.
    /// When the batch ends without Stop and powerOffAtEnd is true, powerOffRequested is emitted
    /// instead of the final message.
    void Start(const QString &outputDirectory, bool powerOffAtEnd);

    /// Stops the batch: sets g_stopRequested and acts on the task being converted. An encoder
    /// run is told to finish ("q"); a pre-conversion is stopped at once (its intermediate file
    /// goes with the task); a WMV conversion is stopped at once and the batch turns idle at once
    /// (busyChanged(false)) while its loop unwinds. The stopped task keeps its output when what
    /// was written plays (the row says "Stopped" and how much was kept), else nothing. No
    /// further task starts.
    void Stop();

    /// The owner (with the tasks and the media component) is going away while Start may still
    /// be running: stops, touches neither again, emits nothing more, and deletes itself once
    /// Start has returned (at once when it is not running).
    void Abandon();

    /// True from Start's beginning to the end of its unwinding; a Start meanwhile does nothing.
    bool IsRunning() const { return m_running; }
    /// True while the window shows the batch as running (Stop in Start's place); the window's
    /// handlers do nothing then.
    bool IsBusy() const { return m_busy; }
    /// Sets the busy state and emits busyChanged when it changes. Start and Stop do this; it is
    /// public so that the window's guards can be checked without running a batch.
    void SetBusy(bool busy);
    /// Tick (TickCount, ms) when the current WMV conversion started.
    quint32 WmvStartTick() const { return m_wmvStartTick; }
    /// Output file of the task being converted (or last converted).
    QString OutputPath() const { return m_outputPath; }
    /// The profile file read when the batch was made; every task's command line comes from it.
    const ProfileFile &Profiles() const { return m_profiles; }
    /// The encoder run the batch owns (for its program and process id).
    const EncoderRun &Encoder() const { return m_encoder; }
    /// Makes sure no encoder is left (EncoderRun::ShutDownEncoder), handling events meanwhile.
    void ShutDownEncoder() { m_encoder.ShutDownEncoder(); }
    /// Shortens the encoder's grace times after "q" and after terminate (milliseconds).
    void SetEncoderEndTimeouts(int quitGraceMs, int terminateGraceMs)
    {
        m_encoder.SetEndTimeouts(quitGraceMs, terminateGraceMs);
    }

signals:
    /// The batch began (true) or ended, or a WMV Stop made it idle (false).
    void busyChanged(bool busy);
    /// A message box to show: text already centred (CenterMessageText); caption "Error" or
    /// "Information".
    void messageRequested(const QString &text, const QString &caption);
    /// The batch ended without Stop and the computer is to be powered off. finishedText is the
    /// final message, for when the power-off is cancelled.
    void powerOffRequested(const QString &finishedText);
    /// The task being converted (number counts from 1, of count) and its percent done (0..100);
    /// emitted when a task begins and whenever the percent changes.
    void progressChanged(int number, int count, int percent);
    /// A raw chunk of output of the program working on task index (the encoder's merged output,
    /// or what the converter's ffmpeg prints for a pre-conversion or a WMV conversion).
    void taskOutput(int index, const QByteArray &text);

private:
    enum class Phase { Idle, Preconverting, Encoding, MakingWmv };
    enum class Outcome { Converted, Failed, Stopped };

    void OnConversionProgress(double position, double total);
    void OnConversionFinished();
    void OnConverterOutput(const QByteArray &text);
    Outcome ConvertMp4(int index, const QString &outputDirectory);
    Outcome ConvertWmv(int index, const QString &outputDirectory);
    /// Creates the part file for task index's planned output name (kept in m_outputPath) in
    /// outputDirectory; when it cannot be made, fails the task with the reason and returns false.
    bool CreatePartFile(int index,
                        const ConversionTask &task,
                        const QString &outputDirectory,
                        bool wmv,
                        PartFile &part);
    /// The end of every run, finished or stopped: the part file is checked (OutputVerifier) and
    /// moved to the first free output name only when it plays; otherwise it is deleted and the
    /// task fails (or, stopped, keeps nothing). Marks the task finished, failed or stopped.
    /// task is the task as its conversion began: the file is placed also after Abandon.
    Outcome PlaceOutput(const ConversionTask &task,
                        int index,
                        PartFile &part,
                        const QString &outputDirectory,
                        bool wmv,
                        bool stopped);
    /// Marks task index stopped, with the file it kept (empty: none) and that file's length.
    void MarkStopped(int index, const QString &output, double keptSeconds);
    void ReportProgress();
    bool Stopped() const;

    TaskArray *m_tasks;
    MediaConverter *m_media;
    ProfileFile m_profiles;
    EncoderRun m_encoder;
    SleepInhibitor m_inhibitor;
    QTimer m_progressTimer;

    bool m_busy = false;
    bool m_running = false;
    bool m_abandoned = false;
    Phase m_phase = Phase::Idle;
    /// The task being converted, and when its encoder run or pre-conversion started (TickCount).
    int m_index = 0;
    quint32 m_encodeStartTick = 0;
    int m_wmvConverting = 0;
    quint32 m_wmvStartTick = 0;
    QString m_outputPath;
    int m_count = 0;
    int m_lastNumber = -1;
    int m_lastPercent = -1;
};
