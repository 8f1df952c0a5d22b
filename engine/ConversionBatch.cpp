#include "ConversionBatch.h"

#include "OutputPath.h"
#include "PartFile.h"
#include "ProgressText.h"
#include "TickCount.h"

#include <QDir>
#include <QThread>

#include <algorithm>

namespace {

// How often the caption's figures are brought up to date while jobs run.
constexpr int ProgressIntervalMs = 250;
constexpr int DefaultStallSeconds = 120;

// The message boxes' captions, in English: they tell the kind of message (the command line
// reports only errors); whoever shows one translates it in this file's context.
//: Message box caption.
const QString ErrorCaption = QString::fromLatin1(QT_TRANSLATE_NOOP("ConversionBatch", "Error"));
//: Message box caption.
const QString InformationCaption
    = QString::fromLatin1(QT_TRANSLATE_NOOP("ConversionBatch", "Information"));

/// Why the computer is kept awake, as the desktop shows it beside the program's name.
QString InhibitReason()
{
    //: The desktop shows it as why sleep is held off while a batch runs.
    return ConversionBatch::tr("Converting videos");
}

int StallSecondsFromEnvironment()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TAVREL_STALL_SECONDS", &ok);
    return ok && seconds >= 0 ? seconds : DefaultStallSeconds;
}

bool HasEnded(const ConversionTask &task)
{
    return task.state == TaskState::Finished || task.state == TaskState::Failed
           || task.state == TaskState::Stopped;
}

} // namespace

ConversionBatch::ConversionBatch(TaskArray &tasks, ConverterFactory converters, QObject *parent)
    : QObject(parent)
    , m_tasks(&tasks)
    , m_profiles(ProfileFile::DefaultPath())
{
    m_settings.profiles = &m_profiles;
    m_settings.converters = std::move(converters);
    m_settings.stallSeconds = StallSecondsFromEnvironment();
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &ConversionBatch::ReportProgress);
}

ConversionBatch::~ConversionBatch()
{
    Abandon();
}

int ConversionBatch::MaxSimultaneous()
{
    return std::max(1, QThread::idealThreadCount());
}

void ConversionBatch::SetSimultaneous(int count)
{
    m_simultaneous = std::clamp(count, 1, MaxSimultaneous());
    Fill();
}

void ConversionBatch::SetEncoderEndTimeouts(int quitGraceMs, int terminateGraceMs)
{
    m_settings.quitGraceMs = std::max(0, quitGraceMs);
    m_settings.terminateGraceMs = std::max(0, terminateGraceMs);
}

void ConversionBatch::SetState(State state)
{
    if (m_state == state)
        return;
    const bool wasBusy = IsBusy();
    m_state = state;
    emit stateChanged(state);
    if (wasBusy != IsBusy())
        emit busyChanged(IsBusy());
}

void ConversionBatch::Start(const QString &outputDirectoryText, bool powerOffAtEnd)
{
    if (m_state != State::Idle || !m_tasks || m_tasks->count() < 1)
        return;
    if (outputDirectoryText.isEmpty()) {
        //: Message box when Start is pressed with no output folder chosen.
        emit messageRequested(CenterMessageText(tr("Please set the output directory firstly")),
                              ErrorCaption);
        return;
    }
    // A relative folder is the working directory's: the encoder, which runs in the app folder,
    // and the converter must both get the same absolute one.
    const QString outputDirectory = QDir::current().absoluteFilePath(outputDirectoryText);
    const QString problem = OutputDirectoryProblem(outputDirectory);
    if (!problem.isEmpty()) {
        emit messageRequested(CenterMessageText(problem), ErrorCaption);
        return;
    }
    // Part files of a Tavrel that was killed (nothing of it could clean up) go now.
    PartFile::RemoveStalePartFiles(outputDirectory);
    m_settings.outputDirectory = outputDirectory;
    m_powerOffAtEnd = powerOffAtEnd;
    m_stopRequested = false;
    m_members.clear();
    // What is converted stays so; everything else is converted (again).
    for (int i = 0; i < m_tasks->count(); ++i) {
        ConversionTask task = m_tasks->at(i);
        if (IsConverted(task))
            continue;
        ResetTaskProgress(task);
        m_tasks->store(i, task);
        m_tasks->invalidateCells(i, i, ProgressColumn);
        m_tasks->invalidateCells(i, i, OutputColumn);
        m_members.insert(task.id);
    }
    if (m_members.isEmpty()) {
        emit messageRequested(FinishedMessageText(0, 0), InformationCaption);
        return;
    }
    m_lastProgress = {};
    SetState(State::Running);
    m_inhibitor.Acquire(InhibitReason());
    m_progressTimer.start();
    Fill();
}

void ConversionBatch::Fill()
{
    if (m_state != State::Running || !m_tasks)
        return;
    while (m_jobs.size() < m_simultaneous) {
        int next = -1;
        for (int i = 0; i < m_tasks->count() && next < 0; ++i) {
            const ConversionTask task = m_tasks->at(i);
            if (task.state == TaskState::Waiting && !FindJob(task.id))
                next = i;
        }
        if (next < 0)
            break;
        StartJob(next);
    }
    if (m_jobs.isEmpty())
        End();
    else
        ReportProgress();
}

void ConversionBatch::StartJob(int index)
{
    const ConversionTask task = m_tasks->at(index);
    m_members.insert(task.id);
    auto *job = new ConversionJob(task.id, *m_tasks, m_settings, this);
    m_jobs.append(job);
    m_logs.StartRun(task.id, task.sourcePath);
    connect(job, &ConversionJob::output, this, [this](TaskId id, const QByteArray &text) {
        m_logs.Append(id, text);
        emit taskOutput(id, text);
    });
    connect(job, &ConversionJob::note, this, [this](TaskId id, const QString &text) {
        m_logs.Append(id, (u'\n' + text + u'\n').toUtf8());
    });
    connect(job, &ConversionJob::ended, this, &ConversionBatch::OnJobEnded);
    job->Start();
}

void ConversionBatch::OnJobEnded(TaskId id)
{
    ConversionJob *job = FindJob(id);
    if (!job)
        return;
    m_jobs.removeOne(job);
    if (!job->Encoder().Program().isEmpty())
        m_lastEncoderProgram = job->Encoder().Program();
    job->deleteLater();
    m_logs.FinishRun(id);
    switch (m_state) {
    case State::Running:
        Fill();
        break;
    case State::Stopping:
        if (m_jobs.isEmpty())
            End();
        break;
    default:
        ReportProgress();
        break;
    }
}

void ConversionBatch::End()
{
    m_progressTimer.stop();
    int converted = 0;
    int failed = 0;
    int total = 0;
    for (int i = 0; m_tasks && i < m_tasks->count(); ++i) {
        const ConversionTask task = m_tasks->at(i);
        if (!m_members.contains(task.id))
            continue;
        ++total;
        converted += IsConverted(task);
        failed += task.state == TaskState::Failed;
    }
    m_inhibitor.Release();
    SetState(State::Idle);
    const QString text = FinishedMessageText(failed, total);
    if (!m_stopRequested && m_powerOffAtEnd)
        emit powerOffRequested(text);
    else
        emit messageRequested(text, InformationCaption);
    emit finished(converted, failed, m_stopRequested);
}

void ConversionBatch::Stop()
{
    if (m_state == State::Idle || m_state == State::Stopping)
        return;
    m_stopRequested = true;
    SetState(State::Stopping);
    // Every job's Stop resumes it first when it is suspended; their ends come from the event
    // loop, so the list cannot change under this loop.
    const QList<ConversionJob *> jobs = m_jobs;
    for (ConversionJob *job : jobs)
        job->Stop();
    if (m_jobs.isEmpty())
        End();
}

void ConversionBatch::Pause()
{
    if (m_state != State::Running)
        return;
    SetState(State::Paused);
    for (ConversionJob *job : std::as_const(m_jobs))
        job->Pause();
    m_inhibitor.Release();
    ReportProgress();
}

void ConversionBatch::Resume()
{
    if (m_state != State::Paused)
        return;
    SetState(State::Running);
    m_inhibitor.Acquire(InhibitReason());
    for (ConversionJob *job : std::as_const(m_jobs))
        job->Resume();
    Fill();
}

void ConversionBatch::TasksAdded()
{
    Fill();
}

void ConversionBatch::TaskRemoved(TaskId id)
{
    m_members.remove(id);
    m_logs.Forget(id);
    if (ConversionJob *job = FindJob(id))
        job->Discard();
    ReportProgress();
}

void ConversionBatch::ConvertAgain(TaskId id)
{
    if (!m_tasks || FindJob(id))
        return;
    const int index = m_tasks->indexOf(id);
    if (index < 0)
        return;
    m_tasks->update(index, ProgressColumn, [](ConversionTask &task) { ResetTaskProgress(task); });
    m_tasks->invalidateCells(index, index, OutputColumn);
    if (IsBusy())
        m_members.insert(id);
    Fill();
}

ConversionJob *ConversionBatch::FindJob(TaskId id) const
{
    for (ConversionJob *job : m_jobs) {
        if (job->Id() == id)
            return job;
    }
    return nullptr;
}

const ConversionJob *ConversionBatch::Job(TaskId id) const
{
    return FindJob(id);
}

QList<const ConversionJob *> ConversionBatch::Jobs() const
{
    return {m_jobs.cbegin(), m_jobs.cend()};
}

quint32 ConversionBatch::WmvStartTick(TaskId id) const
{
    const ConversionJob *job = FindJob(id);
    return job ? job->WmvStartTick() : 0;
}

BatchProgress ConversionBatch::Progress() const
{
    BatchProgress progress;
    progress.paused = m_state == State::Paused;
    progress.running = int(m_jobs.size());
    for (int i = 0; m_tasks && i < m_tasks->count(); ++i) {
        const ConversionTask task = m_tasks->at(i);
        if (!m_members.contains(task.id))
            continue;
        ++progress.total;
        progress.done += HasEnded(task);
    }
    if (m_jobs.size() == 1) {
        const ConversionTask task = m_tasks->find(m_jobs.first()->Id());
        const TaskCell cell
            = ComputeTaskCell(task, 0, ProgressColumn, m_jobs.first()->WmvStartTick(), TickCount());
        progress.percent = cell.progressMax > 0
                               ? std::clamp(cell.progressPos * 100 / cell.progressMax, 0, 100)
                               : 0;
    }
    return progress;
}

void ConversionBatch::ReportProgress()
{
    if (!IsBusy() || !m_tasks)
        return;
    const BatchProgress progress = Progress();
    if (progress == m_lastProgress)
        return;
    m_lastProgress = progress;
    emit progressChanged(progress);
}

void ConversionBatch::Abandon()
{
    disconnect(this, nullptr, nullptr, nullptr);
    for (ConversionJob *job : std::as_const(m_jobs)) {
        job->Abandon();
        delete job;
    }
    m_jobs.clear();
    m_progressTimer.stop();
    m_inhibitor.Release();
    m_state = State::Idle;
    m_tasks = nullptr;
}
