#include "ConversionBatch.h"

#include "BatchState.h"
#include "BatchTexts.h"
#include "CommandLine.h"
#include "EncoderEnvironment.h"
#include "MediaConverter.h"
#include "OutputPath.h"
#include "OutputVerifier.h"
#include "PartFile.h"
#include "PreConversion.h"
#include "ProgressText.h"
#include "PumpMessages.h"
#include "TreatmentNotes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The WMV wait sleeps until the next event, at most this long, instead of spinning.
constexpr int WmvWaitSliceMs = 100;
// How often the caption's percent is brought up to date while a task runs.
constexpr int ProgressIntervalMs = 250;

const QString InhibitReason = QStringLiteral("Converting videos");

} // namespace

ConversionBatch::ConversionBatch(TaskArray &tasks, MediaConverter &media, QObject *parent)
    : QObject(parent)
    , m_tasks(&tasks)
    , m_media(&media)
    , m_profiles(ProfileFile::DefaultPath())
{
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &ConversionBatch::ReportProgress);
    connect(
        &media, &MediaConverter::ConversionProgress, this, &ConversionBatch::OnConversionProgress);
    connect(
        &media, &MediaConverter::ConversionFinished, this, &ConversionBatch::OnConversionFinished);
    connect(&media, &MediaConverter::ConversionOutput, this, &ConversionBatch::OnConverterOutput);
    connect(&m_encoder, &EncoderRun::outputReceived, this, [this](const QByteArray &chunk) {
        emit taskOutput(m_index, chunk);
    });
    // What the encoder or converter did to the source becomes the task's summary.
    connect(this, &ConversionBatch::taskOutput, this, [this](int index, const QByteArray &chunk) {
        if (m_tasks)
            NoteDecisions(*m_tasks, index, chunk);
    });
}

ConversionBatch::~ConversionBatch() = default;

bool ConversionBatch::Stopped() const
{
    return g_stopRequested || m_abandoned;
}

void ConversionBatch::SetBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}

void ConversionBatch::Start(const QString &outputDirectoryText, bool powerOffAtEnd)
{
    if (m_running || m_busy || m_abandoned || m_tasks->count() < 1)
        return;
    m_media->StopConversion();
    if (outputDirectoryText.isEmpty()) {
        emit messageRequested(CenterMessageText(QStringLiteral("Please set the output directory "
                                                               "firstly")),
                              QStringLiteral("Error"));
        return;
    }
    // A relative folder is the working directory's: the encoder, which runs in the app folder,
    // and the converter must both get the same absolute one.
    const QString outputDirectory = QDir::current().absoluteFilePath(outputDirectoryText);
    const QString problem = OutputDirectoryProblem(outputDirectory);
    if (!problem.isEmpty()) {
        emit messageRequested(CenterMessageText(problem), QStringLiteral("Error"));
        return;
    }
    // Part files of a Tavrel that was killed (nothing of it could clean up) go now.
    PartFile::RemoveStalePartFiles(outputDirectory);
    m_running = true;
    m_count = m_tasks->count();
    SetBusy(true);
    m_inhibitor.Acquire(InhibitReason);
    g_stopRequested = false;
    m_wmvConverting = 0;
    ResetTaskProgress(*m_tasks);
    m_lastNumber = -1;
    m_progressTimer.start();

    int failed = 0;
    for (int i = 0; i < m_count && !Stopped(); ++i) {
        m_index = i;
        ReportProgress();
        const ConversionTask task = m_tasks->at(i);
        Outcome outcome;
        // An empty range would make an empty file (or, for the media component, the whole one).
        const QString emptyRange
            = task.trimEnd > task.trimStart
                  ? QString()
                  : EmptyRangeReason(
                      task.trimStart, task.trimEnd, m_media->GetMediaDuration(task.sourcePath));
        if (!emptyRange.isEmpty()) {
            m_tasks->fail(i, emptyRange);
            outcome = Outcome::Failed;
        } else if (task.outputWmv == 1) {
            outcome = ConvertWmv(i, outputDirectory);
        } else {
            outcome = ConvertMp4(i, outputDirectory);
        }
        m_phase = Phase::Idle;
        if (outcome == Outcome::Failed)
            ++failed;
    }

    m_progressTimer.stop();
    const bool stopped = g_stopRequested;
    SetBusy(false);
    m_inhibitor.Release();
    if (!m_abandoned) {
        const QString text = FinishedMessageText(failed, m_count);
        if (!stopped && powerOffAtEnd)
            emit powerOffRequested(text);
        else
            emit messageRequested(text, QStringLiteral("Information"));
    }
    m_running = false;
    if (m_abandoned)
        deleteLater();
}

ConversionBatch::Outcome ConversionBatch::ConvertMp4(int index, const QString &outputDirectory)
{
    ConversionTask task = m_tasks->at(index);
    // The intermediate lives as long as its task: deleted when this returns, however it ends.
    PartFile intermediate;
    if (task.needsPreconversion == 1) {
        m_phase = Phase::Preconverting;
        PreConvert(index, m_encodeStartTick, *m_tasks, *m_media, intermediate);
        if (Stopped()) {
            MarkStopped(index, QString(), 0.0);
            return Outcome::Stopped;
        }
        task = m_tasks->at(index);
        // The encoder would read a missing or partial intermediate file.
        if (task.failed)
            return Outcome::Failed;
    }

    // The encoder writes a part file of its own; the final name is taken only by a good file.
    PartFile part;
    if (!CreatePartFile(index, task, outputDirectory, false, part))
        return Outcome::Failed;
    const QString commandLine = BuildCommandLine(m_profiles, task, part.Path());
    m_encodeStartTick = TickCount();
    m_phase = Phase::Encoding;
    m_encoder.SetRunVariables(EncoderTaskVariables(task, part.Path()));
    m_encoder.RunEncoder(commandLine, index, m_encodeStartTick, *m_tasks);
    m_encoder.SetRunVariables({});
    const bool stopped = Stopped();
    if (m_encoder.WasForced()) {
        // An encoder that did not finish on "q" left no finished file, stopped or not.
        if (!m_abandoned && m_tasks)
            m_tasks->fail(index,
                          QStringLiteral("The encoder did not finish its file when told to and "
                                         "had to be ended."));
        return Outcome::Failed;
    }
    return PlaceOutput(task, index, part, outputDirectory, false, stopped);
}

bool ConversionBatch::CreatePartFile(
    int index, const ConversionTask &task, const QString &outputDirectory, bool wmv, PartFile &part)
{
    m_outputPath = MakeOutputPath(outputDirectory, task.title, wmv, task.sourcePath);
    QString error;
    if (part.CreateFor(m_outputPath, &error))
        return true;
    m_tasks->fail(index, error);
    return false;
}

ConversionBatch::Outcome ConversionBatch::ConvertWmv(int index, const QString &outputDirectory)
{
    const ConversionTask task = m_tasks->at(index);
    m_media->SetOutputFormat(WmvOutputFormat);
    m_media->SetWmvProfileIndex(task.wmvProfile);
    m_media->SetTrackChoices(task.soundTrack, task.subtitleTrack);
    m_media->ResetClips();
    m_media->AddVideoClip(task.sourcePath, task.trimStart, task.trimEnd, 0);
    m_media->AddAudioClip(task.sourcePath, task.trimStart, task.trimEnd);

    PartFile part;
    if (!CreatePartFile(index, task, outputDirectory, true, part))
        return Outcome::Failed;
    m_wmvConverting = 1;
    if (!m_media->StartConversion(part.Path())) {
        m_wmvConverting = 0;
        if (Stopped()) {
            // Stopped while the converter was starting: whatever it began is abandoned.
            MarkStopped(index, QString(), 0.0);
            return Outcome::Stopped;
        }
        // The task fails; the batch goes on with the next one.
        m_tasks->fail(index, m_media->LastConversionError());
        return Outcome::Failed;
    }
    m_wmvStartTick = TickCount();
    m_phase = Phase::MakingWmv;

    // ConversionFinished (OnConversionFinished) or Stop ends the wait.
    while (m_wmvConverting == 1) {
        if (Stopped()) {
            m_wmvConverting = 0;
            if (m_media)
                m_media->StopConversion();
            break;
        }
        PumpMessagesWaiting(WmvWaitSliceMs);
    }
    if (Stopped()) {
        // The media component ends a stopped conversion by killing it: the file never gets its
        // header's final values and index (a length of zero), so nothing of it is kept.
        part.Remove();
        MarkStopped(index, QString(), 0.0);
        return Outcome::Stopped;
    }
    if (m_tasks->at(index).failed)
        return Outcome::Failed;
    return PlaceOutput(task, index, part, outputDirectory, true, false);
}

ConversionBatch::Outcome ConversionBatch::PlaceOutput(const ConversionTask &task,
                                                      int index,
                                                      PartFile &part,
                                                      const QString &outputDirectory,
                                                      bool wmv,
                                                      bool stopped)
{
    // Only the task array may be gone (the window closed mid-batch): the file is judged and
    // placed all the same, from the task as it was when its conversion began.
    const bool tasksLeft = !m_abandoned && m_tasks;
    if (!stopped && tasksLeft && m_tasks->at(index).failed)
        return Outcome::Failed;
    // Whatever the encoder's exit status said, only a file that plays is an output.
    const SourceStreams source = ProbeSourceStreams(task.sourcePath);
    OutputExpectation expected;
    expected.video = !source.ok || source.video;
    expected.audio = source.ok && source.audio;
    expected.seconds = task.trimEnd - task.trimStart;
    expected.stopped = stopped;
    const OutputVerdict verdict = VerifyOutputFile(part.Path(), expected);
    QString error = verdict.reason;
    const QString placed
        = verdict.ok ? part.MoveIntoPlace(
              [&](int n) {
                  return OutputPathCandidate(outputDirectory, task.title, wmv, task.sourcePath, n);
              },
              &error)
                     : QString();
    if (placed.isEmpty())
        part.Remove();
    else
        m_outputPath = placed;
    if (stopped) {
        MarkStopped(index, placed, placed.isEmpty() ? 0.0 : verdict.duration);
        return Outcome::Stopped;
    }
    if (!tasksLeft)
        return placed.isEmpty() ? Outcome::Failed : Outcome::Converted;
    if (placed.isEmpty()) {
        m_tasks->fail(index, error);
        return Outcome::Failed;
    }
    m_tasks->update(index, OutputColumn, [&placed](ConversionTask &t) { t.outputFile = placed; });
    m_tasks->update(index, ProgressColumn, [wmv](ConversionTask &t) {
        if (wmv)
            t.wmvPercent = 100;
        else
            t.finished = 1;
    });
    return Outcome::Converted;
}

void ConversionBatch::MarkStopped(int index, const QString &output, double keptSeconds)
{
    if (m_abandoned || !m_tasks)
        return;
    m_tasks->update(index, OutputColumn, [&](ConversionTask &t) { t.outputFile = output; });
    m_tasks->update(index, ProgressColumn, [&](ConversionTask &t) {
        t.stopped = 1;
        t.keptSeconds = keptSeconds;
    });
}

void ConversionBatch::Stop()
{
    g_stopRequested = true;
    if (!m_running)
        return;
    // Stop acts on what is being converted now, whatever output type the window shows.
    switch (m_phase) {
    case Phase::Encoding:
        m_encoder.SendEncoderQuit();
        break;
    case Phase::Preconverting:
        // The intermediate goes when the task's conversion unwinds (its PartFile).
        if (m_media)
            m_media->StopConversion();
        break;
    case Phase::MakingWmv:
        m_wmvConverting = 0;
        if (m_media)
            m_media->StopConversion();
        // The window turns idle at once; a Start before the loop has unwound does nothing.
        SetBusy(false);
        break;
    case Phase::Idle:
        break;
    }
}

void ConversionBatch::Abandon()
{
    if (m_running)
        Stop();
    m_abandoned = true;
    if (m_media)
        m_media->disconnect(this);
    m_tasks = nullptr;
    m_media = nullptr;
    disconnect(this, nullptr, nullptr, nullptr);
    if (m_running)
        setParent(nullptr); // Start deletes it on its way out
}

void ConversionBatch::OnConversionProgress(double position, double total)
{
    if (m_running && m_tasks && m_media)
        ::OnConversionProgress(m_index, position, total, m_encodeStartTick, *m_tasks, *m_media);
}

void ConversionBatch::OnConversionFinished()
{
    if (m_running && m_tasks && m_media)
        ::OnConversionFinished(m_index, *m_tasks, *m_media, m_wmvConverting);
}

void ConversionBatch::OnConverterOutput(const QByteArray &text)
{
    if (m_running && !m_abandoned)
        emit taskOutput(m_index, text);
}

void ConversionBatch::ReportProgress()
{
    if (!m_running || !m_busy || !m_tasks || !m_tasks->isValidIndex(m_index))
        return;
    const int index = m_index;
    const TaskCell cell
        = ComputeTaskCell(m_tasks->at(index), index, ProgressColumn, m_wmvStartTick, TickCount());
    const int percent
        = cell.progressMax > 0 ? std::clamp(cell.progressPos * 100 / cell.progressMax, 0, 100) : 0;
    if (index + 1 == m_lastNumber && percent == m_lastPercent)
        return;
    m_lastNumber = index + 1;
    m_lastPercent = percent;
    emit progressChanged(index + 1, m_count, percent);
}
