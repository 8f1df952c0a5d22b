#include "EncoderRun.h"

#include "ChildProcess.h"
#include "CommandLine.h"
#include "EncoderOutputParser.h"
#include "ProgramDir.h"
#include "TickCount.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

/// Read size: at most 255 bytes a chunk, as the progress rules expect.
constexpr qint64 ChunkBytes = 255;

/// The program file of a command line's first item: in the app folder first, then on the PATH.
/// Empty when it is found nowhere.
QString ResolveEncoderProgram(const QString &program, const QString &appDir)
{
    auto runnable = [](const QString &path) {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable();
    };
    QStringList candidates{program};
#ifdef Q_OS_WIN
    if (QFileInfo(program).suffix().isEmpty())
        candidates << program + QStringLiteral(".exe");
#endif
    if (QFileInfo(program).isAbsolute()) {
        for (const QString &candidate : candidates) {
            if (runnable(candidate))
                return candidate;
        }
        return {};
    }
    for (const QString &candidate : candidates) {
        const QString inAppDir = QDir(appDir).absoluteFilePath(candidate);
        if (runnable(inAppDir))
            return inAppDir;
    }
    // A bare name may live on the PATH; a relative path names a file in the app folder only.
    if (program.contains(u'/') || program.contains(QDir::separator()))
        return {};
    return QStandardPaths::findExecutable(program);
}

} // namespace

EncoderRun::EncoderRun(QObject *parent)
    : QObject(parent)
{
    m_ladder.setSingleShot(true);
    connect(&m_ladder, &QTimer::timeout, this, &EncoderRun::OnLadderStep);
}

EncoderRun::~EncoderRun()
{
    // A run never leaves its process running; this is the last guard for an owner that goes
    // away in the middle of one.
    if (IsEncoderRunning()) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

QString EncoderRun::StartProcess(const QString &commandLine)
{
    const QStringList parts = SplitCommandLine(commandLine);
    if (parts.isEmpty())
        return tr("The profile gives no encoder command line.");
    const QString appDir = AppDir();
    const QString workingDir = QFileInfo(appDir).isDir() ? appDir : QDir::currentPath();
    const QString program = ResolveEncoderProgram(parts.first(), workingDir);
    if (program.isEmpty())
        //: %1 is the encoder program's name.
        return tr("The encoder \"%1\" was not found.").arg(parts.first());
    m_program = program;
    QProcess &process = *m_process;
    process.setProgram(program);
    process.setArguments(parts.mid(1));
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!m_variables.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
    }
    PrepareChildProcess(process);
    connect(&process, &QProcess::readyReadStandardOutput, this, &EncoderRun::OnReadyRead);
    connect(&process, &QProcess::readChannelFinished, this, &EncoderRun::OnOutputEnded);
    connect(&process, &QProcess::finished, this, &EncoderRun::OnProcessFinished);
    connect(&process, &QProcess::errorOccurred, this, [this, name = parts.first()](auto error) {
        if (error != QProcess::FailedToStart || !m_running || !m_failure.isEmpty())
            return;
        //: %1 is the encoder program's name, %2 the system's reason.
        m_failure
            = tr("The encoder \"%1\" could not be started: %2").arg(name, m_process->errorString());
        OnStartFailed();
    });
    process.start(QIODevice::ReadWrite);
    return {};
}

void EncoderRun::Start(const QString &commandLine, TaskId id, quint32 startTick, TaskArray &tasks)
{
    if (m_running)
        return;
    // Each run gets a fresh process: a closed read channel stays closed on a QProcess. It is
    // also a child of the run, so that observers can tell an encoder from other processes.
    if (m_process)
        m_process.release()->deleteLater();
    m_process = std::make_unique<QProcess>(this);
    m_tasks = &tasks;
    m_task = id;
    m_startTick = startTick;
    m_running = true;
    m_suspended = false;
    m_outputOpen = true;
    m_inputOpen = true;
    m_quitSent = false;
    m_terminated = false;
    m_killed = false;
    m_forced = false;
    m_failure.clear();
    m_log.clear();
    const QString reason = StartProcess(commandLine);
    if (!reason.isEmpty()) {
        m_failure = reason;
        OnStartFailed();
    }
}

void EncoderRun::OnStartFailed()
{
    m_outputOpen = false;
    m_inputOpen = false;
    // Never from inside Start: the caller learns of the end as of any other.
    QMetaObject::invokeMethod(this, &EncoderRun::Conclude, Qt::QueuedConnection);
}

/// Each chunk in turn: emitted, parsed, then a look whether a listener told the run to finish.
void EncoderRun::OnReadyRead()
{
    QProcess *process = m_process.get();
    char buffer[ChunkBytes];
    while (m_outputOpen && process->bytesAvailable() > 0) {
        const qint64 count = process->read(buffer, ChunkBytes);
        if (count <= 0)
            return;
        const QByteArray chunk(buffer, count);
        emit outputReceived(chunk);
        m_log.feed(chunk);
        if (m_tasks)
            ParseEncoderOutput(chunk, m_task, m_startTick, *m_tasks);
    }
}

void EncoderRun::OnOutputEnded()
{
    // An encoder that closed its output but goes on running is told to finish after a grace
    // time, then terminated and killed like any other.
    if (IsEncoderRunning() && !m_quitSent && !m_ladder.isActive())
        m_ladder.start(m_quitGraceMs);
}

void EncoderRun::OnProcessFinished()
{
    OnReadyRead(); // what it wrote last, if no readyRead brought it yet
    Conclude();
}

void EncoderRun::OnLadderStep()
{
    if (!IsEncoderRunning())
        return;
    if (!m_quitSent) {
        SendEncoderQuit();
    } else if (!m_terminated) {
        m_terminated = true;
        m_forced = true;
        m_process->terminate();
        m_ladder.start(m_terminateGraceMs);
    } else if (!m_killed) {
        m_killed = true;
        m_process->kill();
        m_ladder.start(m_terminateGraceMs);
    } else {
        Conclude(); // a killed process that never reports its end: nothing more to do
    }
}

void EncoderRun::Conclude()
{
    if (!m_running)
        return;
    m_running = false;
    m_ladder.stop();
    m_outputOpen = false;
    m_inputOpen = false;
    m_tasks = nullptr;
    // An encoder that was told to finish may end any way it likes; otherwise its end is judged.
    if (m_failure.isEmpty() && !m_quitSent && m_process) {
        const QString message = m_log.lastMessage();
        if (m_process->exitStatus() == QProcess::CrashExit)
            m_failure = message.isEmpty() ? tr("The encoder crashed.") : message;
        else if (m_process->exitCode() != 0)
            //: %1 is the encoder's exit code, a number.
            m_failure = message.isEmpty()
                            ? tr("The encoder ended with exit code %1.").arg(m_process->exitCode())
                            : message;
    }
    emit finished();
}

void EncoderRun::ParseEncoderOutput(const QByteArray &chunk,
                                    TaskId id,
                                    quint32 startTick,
                                    TaskArray &tasks)
{
    const quint32 now = TickCount();
    const EncoderProgress progress = ParseEncoderChunk(chunk);
    const bool videoCopied = ReportsVideoCopy(chunk);
    bool quit = false;
    tasks.updateTask(id, ProgressColumn, [&](ConversionTask &task) {
        task.videoCopied = task.videoCopied || videoCopied;
        if (progress.sizeFound)
            task.sizeKB = progress.sizeKB;
        if (progress.timeFound) {
            const double t = progress.seconds;
            quit = task.needsPreconversion == 1 && task.sizeKB > 0
                   && t >= task.trimEnd - task.trimStart;
            task.encodedTime = t;
            const quint32 elapsedMs = now - startTick; // wraps harmlessly
            if (elapsedMs != 0)
                task.speed = t * 1000.0 / double(elapsedMs);
        }
    });
    if (quit)
        SendEncoderQuit();
}

void EncoderRun::SendEncoderQuit()
{
    if (!m_process || !m_running)
        return;
    if (m_outputOpen) {
        m_outputOpen = false;
        // Qt keeps draining the pipe and drops what arrives, so the encoder never blocks on a
        // full pipe nor sees it broken while it writes out its file.
        m_process->closeReadChannel(QProcess::StandardOutput);
    }
    if (m_inputOpen) {
        m_inputOpen = false;
        m_quitSent = true;
        if (m_suspended)
            Suspend(false); // a stopped process could not read its "q"
        if (m_process->state() != QProcess::NotRunning) {
            m_process->write("q", 1);
            m_process->closeWriteChannel();
            m_ladder.start(m_quitGraceMs);
        }
    }
}

void EncoderRun::Kill()
{
    if (!m_running)
        return;
    m_quitSent = true;
    m_forced = true;
    m_outputOpen = false;
    m_inputOpen = false;
    m_tasks = nullptr;
    if (IsEncoderRunning()) {
        if (m_suspended)
            Suspend(false);
        m_killed = true;
        m_process->kill();
        m_ladder.start(m_terminateGraceMs);
    }
}

void EncoderRun::Suspend(bool suspend)
{
    if (suspend == m_suspended || !IsEncoderRunning())
        return;
    if (suspend && m_quitSent)
        return; // finishing its file: it is not held up
    if (!SuspendChildProcess(m_process->processId(), suspend))
        return;
    m_suspended = suspend;
    const quint32 now = TickCount();
    if (suspend)
        m_suspendTick = now;
    else
        m_startTick += now - m_suspendTick; // the pause does not count towards the speed
}

bool EncoderRun::IsEncoderRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 EncoderRun::ProcessId() const
{
    return IsEncoderRunning() ? m_process->processId() : 0;
}

int EncoderRun::ExitCode() const
{
    return m_process ? m_process->exitCode() : 0;
}

bool EncoderRun::Crashed() const
{
    return m_process && m_process->exitStatus() == QProcess::CrashExit;
}

void EncoderRun::SetEndTimeouts(int quitGraceMs, int terminateGraceMs)
{
    m_quitGraceMs = std::max(0, quitGraceMs);
    m_terminateGraceMs = std::max(0, terminateGraceMs);
}
