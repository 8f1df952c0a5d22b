#include "ConvertRunner.h"

#include "BackgroundCall.h"
#include "ConversionBatch.h"
#include "FfmpegConverter.h"
#include "MediaDuration.h"
#include "NotAddedNotice.h"
#include "SourceFiles.h"
#include "TerminationSignals.h"
#include "TickCount.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace {

bool HasEnded(const ConversionTask &task)
{
    return task.state == TaskState::Finished || task.state == TaskState::Failed
           || task.state == TaskState::Stopped;
}

void PrintError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

ConvertRunner::ConvertRunner(QObject *parent)
    : QObject(parent)
    , m_batch(std::make_unique<ConversionBatch>(
          m_tasks,
          []() -> std::unique_ptr<MediaConverter> { return std::make_unique<FfmpegConverter>(); }))
    , m_signals(new TerminationSignals(this))
{
    connect(
        m_signals, &TerminationSignals::terminationRequested, this, &ConvertRunner::OnTermination);
    connect(m_batch.get(), &ConversionBatch::finished, this, &ConvertRunner::OnBatchFinished);
    // The batch's message boxes: only a refused start matters here (the end is reported by the
    // report), told apart by when it comes, not by its caption, which is in the person's
    // language. Their lines are centred with blanks for a box.
    connect(m_batch.get(), &ConversionBatch::messageRequested, this, [this](const QString &text) {
        if (!m_starting)
            return;
        QStringList lines = text.split(u'\n');
        for (QString &line : lines)
            line = line.trimmed();
        m_startError = lines.join(u'\n');
    });
    // Every change the engine makes to a task asks for its row to be repainted: the report
    // looks at the task then.
    m_tasks.setCellInvalidator([this](int first, int last, int) {
        for (int row = first; row <= last; ++row)
            Observe(row);
    });
}

ConvertRunner::~ConvertRunner()
{
    m_tasks.setCellInvalidator({});
    m_batch.reset();
}

const ProfileFile &ConvertRunner::Profiles() const
{
    return m_batch->Profiles();
}

void ConvertRunner::Start(const ConvertOptions &options, std::unique_ptr<ConvertReport> report)
{
    m_options = options;
    m_report = std::move(report);
    QList<QUrl> urls;
    for (const QString &input : options.inputs)
        urls.append(QUrl::fromLocalFile(QDir::current().absoluteFilePath(input)));
    QStringList rejected;
    m_sources = SourceFilesFromUrls(urls, &rejected);
    if (!rejected.isEmpty())
        PrintError(NotAddedNoticeText(rejected));
    if (m_sources.isEmpty())
        return Refuse(tr("No video to convert."));
    if (options.title && m_sources.size() != 1) {
        //: %1 is the number of videos found among the inputs (2 or more)
        return Refuse(tr("--title names one output file, but the inputs hold %1 videos.")
                          .arg(m_sources.size()));
    }
    m_outputDirectory = QDir::current().absoluteFilePath(options.outputDirectory);
    if (!QFileInfo(m_outputDirectory).isDir() && !QDir().mkpath(m_outputDirectory)) {
        //: %1 is a folder's path
        return Refuse(tr("The output folder %1 cannot be made.")
                          .arg(QDir::toNativeSeparators(m_outputDirectory)));
    }
    // What Add reads of each file, off this thread: a signal meanwhile is still heard.
    m_probing = true;
    RunInBackground<QList<double>>(
        this,
        [sources = m_sources] {
            QList<double> durations;
            for (const QString &source : sources)
                durations.append(ReadMediaDuration(source));
            return durations;
        },
        [this](const QList<double> &durations) { OnDurations(durations); });
}

void ConvertRunner::OnDurations(const QList<double> &durations)
{
    m_probing = false;
    for (int i = 0; i < m_sources.size(); ++i) {
        m_tasks.append(m_options.TaskFor(m_sources.at(i), durations.value(i)));
        m_seen.append(Seen::Waiting);
    }
    if (m_signal != 0)
        return Finish(false);
    m_batch->SetSimultaneous(m_options.jobs);
    m_starting = true;
    m_batch->Start(m_outputDirectory, false);
    m_starting = false;
    if (!m_over && !m_batch->IsBusy())
        Refuse(m_startError.isEmpty() ? tr("The conversion could not start.") : m_startError);
}

void ConvertRunner::Refuse(const QString &message)
{
    m_over = true;
    PrintError(message);
    emit ended(ConvertArguments::UsageStatus);
}

void ConvertRunner::OnTermination(int signalNumber)
{
    if (m_over)
        return;
    if (m_signal == 0) {
        m_signal = signalNumber;
        // The batch's end finishes the run; while the durations are read, their end does.
        if (m_batch->IsBusy())
            m_batch->Stop();
        else if (!m_probing)
            Finish(false);
        return;
    }
    // Asked again: the encoders are not waited for any more; nothing of theirs is kept.
    if (m_batch->IsBusy()) {
        m_batch->Abandon();
        Finish(true);
    }
}

void ConvertRunner::Observe(int row)
{
    if (m_over || row < 0 || row >= m_seen.size())
        return;
    const ConversionTask task = m_tasks.at(row);
    if (m_seen[row] == Seen::Waiting && (IsInProgress(task) || HasEnded(task))) {
        ReportEnds(); // the videos that ended before this one started come first
        m_seen[row] = Seen::Running;
        if (const ConversionJob *job = m_batch->Job(task.id)) {
            connect(
                job, &ConversionJob::ended, this, &ConvertRunner::ReportEnds, Qt::QueuedConnection);
        }
        m_report->Started(Video(row));
    }
    if (m_seen[row] != Seen::Running)
        return;
    if (HasEnded(task)) {
        m_seen[row] = Seen::Ending;
        ReportEnds();
    } else {
        m_report->Progressed(Video(row));
    }
}

void ConvertRunner::ReportEnds()
{
    for (int row = 0; row < m_seen.size() && !m_over; ++row) {
        // A job that is still there is placing or cleaning up; its log is written at its end.
        if (m_seen[row] != Seen::Ending || m_batch->Job(m_tasks.at(row).id))
            continue;
        m_seen[row] = Seen::Ended;
        m_report->Ended(Video(row));
    }
}

void ConvertRunner::OnBatchFinished()
{
    ReportEnds();
    Finish(false);
}

void ConvertRunner::Finish(bool abandoned)
{
    if (m_over)
        return;
    m_over = true;
    ConvertSummary summary;
    for (int row = 0; row < m_tasks.count(); ++row) {
        ConvertVideo video = Video(row);
        if (abandoned && m_seen.value(row) == Seen::Running) {
            // Its programs were ended and its part file removed: nothing of it is kept.
            video.task.state = TaskState::Stopped;
            video.task.outputFile.clear();
        }
        if (m_seen.value(row) == Seen::Running || m_seen.value(row) == Seen::Ending)
            m_report->Ended(video);
        switch (video.task.state) {
        case TaskState::Finished:
            ++summary.converted;
            break;
        case TaskState::Failed:
            ++summary.failed;
            summary.failures.append(video);
            break;
        case TaskState::Waiting:
            ++summary.notStarted;
            break;
        default:
            ++summary.stopped;
            break;
        }
    }
    summary.exitStatus = m_signal != 0 ? SignalStatusBase + m_signal : summary.failed > 0 ? 1 : 0;
    m_report->Done(summary);
    emit ended(summary.exitStatus);
}

ConvertVideo ConvertRunner::Video(int row) const
{
    ConvertVideo video;
    video.index = row;
    video.total = m_tasks.count();
    video.task = m_tasks.at(row);
    const TaskId id = video.task.id;
    video.figures = ComputeProgressFigures(video.task, m_batch->WmvStartTick(id), TickCount());
    const ConversionJob *job = m_batch->Job(id);
    if (job && video.figures.sizeKB < 0 && !job->PartFilePath().isEmpty())
        video.partBytes = QFileInfo(job->PartFilePath()).size();
    video.logFile = m_batch->Logs().FilePath(id);
    return video;
}
