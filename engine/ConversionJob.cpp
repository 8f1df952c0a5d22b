#include "ConversionJob.h"

#include "BackgroundCall.h"
#include "BatchTexts.h"
#include "CommandLine.h"
#include "EncoderEnvironment.h"
#include "MediaConverter.h"
#include "MediaDuration.h"
#include "OutputPath.h"
#include "PreConversion.h"
#include "ProfileFile.h"
#include "SafeMediaFile.h"
#include "TickCount.h"
#include "TreatmentNotes.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

/// How often the watchdog looks at the job's progress.
constexpr int WatchdogIntervalMs = 1000;
/// Longest line of a program's output kept while its end is awaited, bytes.
constexpr qsizetype MaxOutputLine = 4096;

qint64 FileSize(const QString &path)
{
    return path.isEmpty() ? -1 : QFileInfo(path).size();
}

} // namespace

ConversionJob::ConversionJob(TaskId id,
                             TaskArray &tasks,
                             const JobSettings &settings,
                             QObject *parent)
    : QObject(parent)
    , m_id(id)
    , m_tasks(&tasks)
    , m_settings(settings)
{
    m_watchdog.setInterval(WatchdogIntervalMs);
    connect(&m_watchdog, &QTimer::timeout, this, &ConversionJob::OnWatchdog);
    m_encoder.SetEndTimeouts(settings.quitGraceMs, settings.terminateGraceMs);
    connect(&m_encoder, &EncoderRun::outputReceived, this, &ConversionJob::OnOutput);
    connect(&m_encoder, &EncoderRun::finished, this, &ConversionJob::OnEncoderFinished);
}

ConversionJob::~ConversionJob()
{
    // The converter may outlive this body only as the last of the members: no signal of it may
    // reach a half-destroyed job.
    if (m_converter)
        m_converter->disconnect(this);
}

ConversionTask ConversionJob::Task() const
{
    return m_tasks && !m_discarded ? m_tasks->find(m_id) : ConversionTask();
}

void ConversionJob::SetState(TaskState state)
{
    if (m_tasks && !m_discarded)
        m_tasks->updateTask(m_id, ProgressColumn, [state](ConversionTask &t) { t.state = state; });
}

qint64 ConversionJob::RunningMs() const
{
    if (!m_clock.isValid())
        return 0;
    const qint64 now = m_clock.elapsed();
    return now - m_pausedMs - (m_paused ? now - m_pauseStartMs : 0);
}

quint32 ConversionJob::WmvStartTick() const
{
    return TickCount() - quint32(RunningMs() - m_phaseStartMs);
}

qint64 ConversionJob::ProcessId() const
{
    return m_encoder.ProcessId();
}

void ConversionJob::Start()
{
    if (m_phase != Phase::Idle)
        return;
    m_clock.start();
    m_started = Task();
    SetState(TaskState::Converting);
    m_watchdog.start();
    CheckSource(m_started);
}

// Before any program runs: a source that has gone, or a range that is empty (which would make
// an empty file, or for the converter the whole one), fails the task with the reason.
void ConversionJob::CheckSource(const ConversionTask &task)
{
    m_phase = Phase::Checking;
    if (!IsRegularFile(task.sourcePath)) {
        const QString path = QDir::toNativeSeparators(task.sourcePath);
        if (QFileInfo::exists(task.sourcePath))
            //: %1 is the source file's path.
            Fail(tr("The source file %1 is not a regular file.").arg(path));
        else
            //: %1 is the source file's path.
            Fail(tr("The source file %1 does not exist.").arg(path));
        return;
    }
    auto begin = [this, wmv = task.outputWmv == 1, pre = task.needsPreconversion == 1] {
        if (wmv)
            StartWmv();
        else if (pre)
            StartPreconversion();
        else
            StartEncoding();
    };
    if (task.trimEnd > task.trimStart) {
        Proceed(begin);
        return;
    }
    struct Probe
    {
        double duration = 0.0;
        QString error;
    };
    RunInBackground<Probe>(
        this,
        [path = task.sourcePath] {
            Probe probe;
            probe.duration = ReadMediaDuration(path, &probe.error);
            return probe;
        },
        [this, task](const Probe &probe) {
            if (m_phase != Phase::Checking)
                return;
            if (!probe.error.isEmpty())
                emit note(m_id, probe.error);
            Fail(EmptyRangeReason(task.trimStart, task.trimEnd, probe.duration));
        });
}

void ConversionJob::Proceed(std::function<void()> step)
{
    if (m_paused)
        m_pendingStep = std::move(step);
    else
        step();
}

MediaConverter &ConversionJob::NewConverter()
{
    if (m_converter)
        m_converter->disconnect(this);
    m_converter = m_settings.converters();
    connect(m_converter.get(),
            &MediaConverter::ConversionProgress,
            this,
            &ConversionJob::OnConverterProgress);
    connect(m_converter.get(),
            &MediaConverter::ConversionFinished,
            this,
            &ConversionJob::OnConverterFinished);
    connect(m_converter.get(), &MediaConverter::ConversionOutput, this, &ConversionJob::OnOutput);
    return *m_converter;
}

bool ConversionJob::BeginPhase(Phase phase, ConversionTask &task)
{
    task = Task();
    if (task.id == 0) {
        Finish(Outcome::Stopped); // gone from the list meanwhile
        return false;
    }
    m_phase = phase;
    m_phaseStartMs = m_markChangedMs = RunningMs();
    return true;
}

void ConversionJob::StartPreconversion()
{
    ConversionTask task;
    if (!BeginPhase(Phase::Preconverting, task))
        return;
    MediaConverter &media = NewConverter();
    const bool avi = SetUpIntermediateConversion(media, task);

    // Exclusively created under a random name: two windows pre-converting files of the same
    // title can never write into one file, and no file of anyone else is ever replaced.
    QString error;
    const bool created = m_intermediate.Create(
        [&task, avi](int) {
            const quint64 random = QRandomGenerator::system()->generate64();
            return IntermediateFileName(task.title, QString::number(random, 36), avi);
        },
        &error);
    m_tasks->updateTask(m_id, NoColumn, [this](ConversionTask &t) {
        t.intermediatePath = m_intermediate.Path();
        t.preconvPhase = 1;
        t.preconvDone = 0;
    });
    if (!created)
        return Fail(error);
    if (!media.StartConversion(m_intermediate.Path())) {
        m_intermediate.Remove();
        Fail(media.LastConversionError());
    }
}

void ConversionJob::StartEncoding()
{
    ConversionTask task;
    if (!BeginPhase(Phase::Encoding, task))
        return;
    // The encoder writes a part file of its own; the final name is taken only by a good file.
    QString error;
    const QString planned
        = MakeOutputPath(m_settings.outputDirectory, task.title, false, task.sourcePath);
    if (!m_part.CreateFor(planned, &error))
        return Fail(error);
    NotePartFile();
    const QString commandLine = m_settings.profiles
                                    ? BuildCommandLine(*m_settings.profiles, task, m_part.Path())
                                    : QString();
    m_encoder.SetRunVariables(EncoderTaskVariables(task, m_part.Path()));
    m_encoder.Start(commandLine, m_id, TickCount(), *m_tasks);
}

void ConversionJob::StartWmv()
{
    ConversionTask task;
    if (!BeginPhase(Phase::MakingWmv, task))
        return;
    MediaConverter &media = NewConverter();
    media.SetOutputFormat(WmvOutputFormat);
    media.SetWmvProfileIndex(task.wmvProfile);
    media.SetTrackChoices(task.soundTrack, task.subtitleTrack);
    media.ResetClips();
    media.AddVideoClip(task.sourcePath, task.trimStart, task.trimEnd, 0);
    media.AddAudioClip(task.sourcePath, task.trimStart, task.trimEnd);

    QString error;
    const QString planned
        = MakeOutputPath(m_settings.outputDirectory, task.title, true, task.sourcePath);
    if (!m_part.CreateFor(planned, &error))
        return Fail(error);
    NotePartFile();
    if (!media.StartConversion(m_part.Path())) {
        m_part.Remove();
        Fail(media.LastConversionError());
    }
}

void ConversionJob::OnOutput(const QByteArray &chunk)
{
    emit output(m_id, chunk);
    // What the encoder or converter did to the source becomes the task's summary, line by line:
    // a report may arrive split over chunks.
    m_outputLine += chunk;
    qsizetype end = -1;
    while ((end = m_outputLine.indexOf('\n')) >= 0) {
        const QByteArray line = m_outputLine.left(end + 1);
        m_outputLine.remove(0, end + 1);
        if (m_tasks && !m_discarded)
            NoteDecisions(*m_tasks, m_tasks->indexOf(m_id), line);
    }
    if (m_outputLine.size() > MaxOutputLine)
        m_outputLine.clear(); // a progress line without its end: not a report
}

void ConversionJob::OnConverterProgress(double position, double total)
{
    // The converter repeats its last position while ffmpeg is silent; a suspended one says
    // nothing new either.
    if (m_paused)
        return;
    const auto elapsedMs = quint32(RunningMs() - m_phaseStartMs);
    if (m_phase == Phase::Preconverting) {
        m_tasks->updateTask(m_id, ProgressColumn, [&](ConversionTask &t) {
            ApplyPreconversionProgress(t, position, total, elapsedMs);
        });
    } else if (m_phase == Phase::MakingWmv) {
        const int percent = WmvPercent(position, total);
        m_tasks->updateTask(m_id, ProgressColumn, [percent](ConversionTask &t) {
            t.wmvPercent = std::min(percent, 99); // 100 once the file is placed
        });
    }
}

void ConversionJob::OnConverterFinished()
{
    const bool succeeded = m_converter && m_converter->LastConversionSucceeded();
    const QString error = m_converter ? m_converter->LastConversionError() : QString();
    if (m_phase == Phase::Preconverting) {
        m_tasks->updateTask(m_id, ProgressColumn, [](ConversionTask &t) {
            t.preconvPhase = 2;
            t.preconvDone = 1;
        });
        // A half-written intermediate would be encoded as if it were the whole source.
        if (!succeeded) {
            m_intermediate.Remove();
            return Fail(error);
        }
        Proceed([this] { StartEncoding(); });
    } else if (m_phase == Phase::MakingWmv) {
        if (!succeeded) {
            m_part.Remove();
            return Fail(error);
        }
        PlaceOutput(false);
    }
}

void ConversionJob::OnEncoderFinished()
{
    if (m_phase != Phase::Encoding)
        return;
    const bool stopped = m_stopped || m_discarded;
    if (m_stalled) {
        m_part.Remove();
        return Fail(StallReason(m_settings.stallSeconds));
    }
    if (m_encoder.WasForced()) {
        // An encoder that did not finish on "q" left no finished file, stopped or not.
        m_part.Remove();
        if (m_discarded)
            return Finish(Outcome::Stopped);
        return Fail(tr("The encoder did not finish its file when told to and had to be ended."));
    }
    if (!stopped && !m_encoder.FailureReason().isEmpty()) {
        m_part.Remove();
        return Fail(m_encoder.FailureReason());
    }
    PlaceOutput(stopped);
}

void ConversionJob::PlaceOutput(bool stopped)
{
    if (m_discarded) {
        m_part.Remove();
        return Finish(Outcome::Stopped);
    }
    m_phase = Phase::Placing;
    // Whatever the program's exit status said, only a file that plays is an output. The check
    // reads both files, so it runs off this thread.
    const ConversionTask &task = m_started;
    RunInBackground<OutputVerdict>(
        this,
        [source = task.sourcePath,
         output = m_part.Path(),
         seconds = task.trimEnd - task.trimStart,
         stopped] { return VerifyConversionOutput(source, output, seconds, stopped); },
        [this, stopped](const OutputVerdict &verdict) { OnVerdict(verdict, stopped); });
}

void ConversionJob::OnVerdict(const OutputVerdict &verdict, bool stopped)
{
    if (m_phase != Phase::Placing)
        return;
    if (m_discarded) {
        m_part.Remove();
        return Finish(Outcome::Stopped);
    }
    // The name comes from the task as its conversion began: the file is placed even when the
    // task has gone from the list meanwhile.
    const ConversionTask &task = m_started;
    const bool wmv = task.outputWmv == 1;
    QString error = verdict.reason;
    const QString placed
        = verdict.ok ? m_part.MoveIntoPlace(
              [&](int n) {
                  return OutputPathCandidate(
                      m_settings.outputDirectory, task.title, wmv, task.sourcePath, n);
              },
              &error)
                     : QString();
    if (placed.isEmpty())
        m_part.Remove();
    if (stopped) {
        MarkStopped(placed, placed.isEmpty() ? 0.0 : verdict.duration);
        return Finish(Outcome::Stopped);
    }
    if (placed.isEmpty())
        return Fail(error);
    m_tasks->updateTask(
        m_id, OutputColumn, [&placed](ConversionTask &t) { t.outputFile = placed; });
    m_tasks->updateTask(m_id, ProgressColumn, [wmv](ConversionTask &t) {
        t.state = TaskState::Finished;
        if (wmv)
            t.wmvPercent = 100;
    });
    Finish(Outcome::Converted);
}

void ConversionJob::Stop()
{
    if (m_phase == Phase::Done || m_stopped)
        return;
    m_stopped = true;
    m_pendingStep = nullptr; // a step held back by a pause is not taken any more
    if (m_paused)
        Resume();
    switch (m_phase) {
    case Phase::Encoding:
        m_encoder.SendEncoderQuit(); // the run's end places what it kept
        return;
    case Phase::Placing:
        return; // the program had finished: its file is placed as a finished one
    case Phase::Preconverting:
        StopConverter();
        m_intermediate.Remove();
        break;
    case Phase::MakingWmv:
        // The converter ends a stopped conversion by killing it: the file never gets its
        // header's final values and index (a length of zero), so nothing of it is kept.
        StopConverter();
        m_part.Remove();
        break;
    default:
        break;
    }
    MarkStopped(QString(), 0.0);
    Finish(Outcome::Stopped);
}

void ConversionJob::Discard()
{
    m_discarded = true;
    Stop();
}

void ConversionJob::Pause()
{
    if (m_paused || m_phase == Phase::Done || m_stopped)
        return;
    m_paused = true;
    m_pauseStartMs = m_clock.elapsed();
    m_encoder.Suspend(true);
    if (m_converter)
        m_converter->SuspendConversion(true);
    SetState(TaskState::Paused);
}

void ConversionJob::Resume()
{
    if (!m_paused)
        return;
    m_pausedMs += m_clock.elapsed() - m_pauseStartMs;
    m_paused = false;
    m_encoder.Suspend(false);
    if (m_converter)
        m_converter->SuspendConversion(false);
    if (m_phase != Phase::Done)
        SetState(TaskState::Converting);
    if (m_pendingStep)
        std::exchange(m_pendingStep, nullptr)();
}

void ConversionJob::OnWatchdog()
{
    if (m_paused || m_settings.stallSeconds <= 0 || m_stalled)
        return;
    if (m_phase != Phase::Preconverting && m_phase != Phase::Encoding
        && m_phase != Phase::MakingWmv)
        return;
    const ConversionTask task = Task();
    const QString mark = QStringLiteral("%1/%2/%3/%4/%5")
                             .arg(task.encodedTime)
                             .arg(task.sizeKB)
                             .arg(task.preconvPosition)
                             .arg(FileSize(m_part.Path()))
                             .arg(FileSize(m_intermediate.Path()));
    const qint64 now = RunningMs();
    if (mark != m_progressMark) {
        m_progressMark = mark;
        m_markChangedMs = now;
        return;
    }
    if (now - m_markChangedMs >= qint64(m_settings.stallSeconds) * 1000)
        EndStalled();
}

void ConversionJob::EndStalled()
{
    m_stalled = true;
    if (m_phase == Phase::Encoding) {
        m_encoder.SendEncoderQuit(); // the stop ladder; the run's end fails the task
        return;
    }
    StopConverter();
    m_intermediate.Remove();
    m_part.Remove();
    Fail(StallReason(m_settings.stallSeconds));
}

void ConversionJob::Fail(const QString &reason)
{
    if (m_phase == Phase::Done)
        return;
    if (m_tasks && !m_discarded) {
        m_tasks->fail(m_id, reason);
        // A mark in the task's log, kept in English like the log's other marks.
        emit note(m_id, QStringLiteral("Failed: %1").arg(m_tasks->find(m_id).failureReason));
    }
    Finish(m_discarded ? Outcome::Stopped : Outcome::Failed);
}

void ConversionJob::MarkStopped(const QString &output, double keptSeconds)
{
    if (!m_tasks || m_discarded)
        return;
    m_tasks->updateTask(m_id, OutputColumn, [&](ConversionTask &t) { t.outputFile = output; });
    m_tasks->updateTask(m_id, ProgressColumn, [&](ConversionTask &t) {
        t.state = TaskState::Stopped;
        t.keptSeconds = keptSeconds;
    });
}

void ConversionJob::NotePartFile()
{
    // The task names its part file while it is written, so that a list restored after a crash
    // can remove it.
    if (m_tasks && !m_discarded)
        m_tasks->updateTask(
            m_id, NoColumn, [this](ConversionTask &t) { t.partFile = m_part.Path(); });
}

void ConversionJob::StopConverter()
{
    if (m_converter && m_converter->IsConverting()) {
        m_converter->SuspendConversion(false);
        m_converter->StopConversion();
    }
}

void ConversionJob::Finish(Outcome outcome)
{
    if (m_phase == Phase::Done)
        return;
    m_phase = Phase::Done;
    m_pendingStep = nullptr;
    m_watchdog.stop();
    StopConverter();
    m_intermediate.Remove();
    m_part.Remove();
    NotePartFile();
    if (m_abandoned)
        return;
    // Never from inside Start or a caller's Stop: the owner learns of the end from the event
    // loop, as of any other.
    QMetaObject::invokeMethod(
        this, [this, outcome] { emit ended(m_id, outcome); }, Qt::QueuedConnection);
}

void ConversionJob::Abandon()
{
    if (m_abandoned)
        return;
    m_abandoned = true;
    m_discarded = true;
    disconnect(this, nullptr, nullptr, nullptr);
    m_encoder.disconnect(this);
    m_encoder.Kill();
    if (m_converter)
        m_converter->disconnect(this);
    Finish(Outcome::Stopped);
    m_tasks = nullptr;
}
