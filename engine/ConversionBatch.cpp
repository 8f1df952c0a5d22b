#include "ConversionBatch.h"

#include "BatchState.h"
#include "BatchTexts.h"
#include "CommandLine.h"
#include "MediaConverter.h"
#include "OutputPath.h"
#include "PreConversion.h"
#include "ProgressText.h"
#include "PumpMessages.h"

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

bool IsNonEmptyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

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
            FailTask(i, emptyRange, QString(), false);
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
    if (task.needsPreconversion == 1) {
        m_phase = Phase::Preconverting;
        PreConvert(index, m_encodeStartTick, *m_tasks, *m_media);
        if (Stopped())
            return Outcome::Stopped;
        task = m_tasks->at(index);
        // The encoder would read a missing or partial intermediate file.
        if (task.failed)
            return Outcome::Failed;
    }

    const QString output = MakeOutputPath(outputDirectory, task.title, false, task.sourcePath);
    m_outputPath = output;
    const QString commandLine = BuildCommandLine(m_profiles, task, output);
    const bool existed = PathIsTaken(output);
    m_encodeStartTick = TickCount();
    m_phase = Phase::Encoding;
    m_encoder.RunEncoder(commandLine, index, m_encodeStartTick, *m_tasks);
    if (Stopped())
        return Outcome::Stopped; // the encoder finished its file on "q": a valid, shorter output
    m_encoder.SendEncoderQuit();

    task = m_tasks->at(index);
    if (task.failed) {
        FailTask(index, QString(), output, existed);
        return Outcome::Failed;
    }
    if (!IsNonEmptyFile(output)) {
        FailTask(index, QStringLiteral("The encoder wrote no output file."), output, existed);
        return Outcome::Failed;
    }
    m_tasks->update(index, ProgressColumn, [](ConversionTask &t) { t.finished = 1; });
    return Outcome::Converted;
}

ConversionBatch::Outcome ConversionBatch::ConvertWmv(int index, const QString &outputDirectory)
{
    const ConversionTask task = m_tasks->at(index);
    m_media->SetOutputFormat(WmvOutputFormat);
    m_media->SetWmvProfileIndex(task.wmvProfile);
    m_media->ResetClips();
    m_media->AddVideoClip(task.sourcePath, task.trimStart, task.trimEnd, 0);
    m_media->AddAudioClip(task.sourcePath, task.trimStart, task.trimEnd);

    m_wmvConverting = 1;
    const QString output = MakeOutputPath(outputDirectory, task.title, true, task.sourcePath);
    m_outputPath = output;
    const bool existed = PathIsTaken(output);
    if (!m_media->StartConversion(output)) {
        m_wmvConverting = 0;
        if (Stopped()) {
            // Stopped while the converter was starting: whatever it began is abandoned.
            if (!existed && QFileInfo(output).isFile())
                QFile::remove(output);
            return Outcome::Stopped;
        }
        // The task fails; the batch goes on with the next one.
        FailTask(index, m_media->LastConversionError(), output, existed);
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
        // The media component ends a conversion by killing it: the file's header was never
        // completed and no player can use it.
        if (!existed && QFileInfo(output).isFile())
            QFile::remove(output);
        return Outcome::Stopped;
    }

    if (m_tasks->at(index).failed) {
        FailTask(index, QString(), output, existed);
        return Outcome::Failed;
    }
    m_tasks->update(index, ProgressColumn, [](ConversionTask &t) { t.wmvPercent = 100; });
    return Outcome::Converted;
}

void ConversionBatch::FailTask(int index,
                               const QString &reason,
                               const QString &output,
                               bool outputExisted)
{
    m_tasks->fail(index, reason);
    // A failed run leaves no broken file behind, but never removes one it did not make.
    if (!output.isEmpty() && !outputExisted && QFileInfo(output).isFile())
        QFile::remove(output);
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
        if (m_media)
            m_media->StopConversion();
        if (m_tasks) {
            const QString intermediate = m_tasks->at(m_index).intermediatePath;
            if (!intermediate.isEmpty())
                QFile::remove(intermediate);
        }
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
