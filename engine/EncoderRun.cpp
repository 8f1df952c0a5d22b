#include "EncoderRun.h"

#include "BatchState.h"
#include "ChildProcess.h"
#include "CommandLine.h"
#include "EncoderMessageLog.h"
#include "EncoderOutputParser.h"
#include "PumpMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

/// Longest single wait for output before events are handled again.
constexpr int ReadWaitMs = 20;
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
{}

EncoderRun::~EncoderRun()
{
    // A run never leaves its process running; this is the last guard for an owner that goes
    // away between runs.
    if (IsEncoderRunning()) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

bool EncoderRun::StartProcess(const QString &commandLine, QString &reason)
{
    const QStringList parts = SplitCommandLine(commandLine);
    if (parts.isEmpty()) {
        reason = QStringLiteral("The profile gives no encoder command line.");
        return false;
    }
    const QString appDir = AppDir();
    const QString workingDir = QFileInfo(appDir).isDir() ? appDir : QDir::currentPath();
    const QString program = ResolveEncoderProgram(parts.first(), workingDir);
    if (program.isEmpty()) {
        reason = QStringLiteral("The encoder \"%1\" was not found.").arg(parts.first());
        return false;
    }
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
    process.start(QIODevice::ReadWrite);
    while (process.state() == QProcess::Starting)
        PumpMessagesWaiting(ReadWaitMs);
    if (process.state() == QProcess::NotRunning && process.error() == QProcess::FailedToStart) {
        reason = QStringLiteral("The encoder \"%1\" could not be started: %2")
                     .arg(parts.first(), process.errorString());
        return false;
    }
    return true;
}

/// The read loop: read a chunk, take its progress, handle events, look at the stop flag.
/// While the encoder is silent it waits in short steps and handles events between them.
void EncoderRun::ReadOutput(int taskIndex,
                            quint32 startTick,
                            TaskArray &tasks,
                            EncoderMessageLog &log)
{
    QProcess &process = *m_process;
    char buffer[ChunkBytes];
    for (;;) {
        while (m_outputOpen && process.bytesAvailable() == 0
               && process.state() != QProcess::NotRunning) {
            PumpMessagesWaiting(ReadWaitMs);
            if (g_stopRequested)
                return;
        }
        if (!m_outputOpen)
            return; // SendEncoderQuit closed it
        const qint64 count = process.read(buffer, ChunkBytes);
        if (count <= 0)
            return; // the encoder has ended and everything it wrote is read
        const QByteArray chunk(buffer, count);
        emit outputReceived(chunk);
        log.feed(chunk);
        ParseEncoderOutput(chunk, taskIndex, startTick, tasks);
        PumpMessages();
        if (g_stopRequested)
            return;
    }
}

/// Waits, handling events, until the encoder has ended. One that keeps running is told to
/// finish, then terminated, then killed, each after its grace time.
void EncoderRun::WaitForEnd()
{
    QProcess &process = *m_process;
    const quint32 waitStart = TickCount();
    bool terminated = false;
    bool killed = false;
    quint32 terminateTick = 0;
    quint32 killTick = 0;
    while (process.state() != QProcess::NotRunning) {
        const quint32 now = TickCount();
        if (!m_quitSent) {
            if (now - waitStart >= quint32(m_quitGraceMs))
                SendEncoderQuit();
        } else if (!terminated) {
            if (now - m_quitTick >= quint32(m_quitGraceMs)) {
                process.terminate();
                terminated = true;
                m_forced = true;
                terminateTick = now;
            }
        } else if (!killed) {
            if (now - terminateTick >= quint32(m_terminateGraceMs)) {
                process.kill();
                killed = true;
                killTick = now;
            }
        } else if (now - killTick >= quint32(m_terminateGraceMs)) {
            break; // a killed process that never reports its end: nothing more to do
        }
        PumpMessagesWaiting(ReadWaitMs);
    }
}

void EncoderRun::RunEncoder(const QString &commandLine,
                            int taskIndex,
                            quint32 startTick,
                            TaskArray &tasks)
{
    if (m_inRun)
        return;
    // Each run gets a fresh process: a closed read channel stays closed on a QProcess. It is
    // also a child of the run, so that observers can tell an encoder from other processes.
    m_process = std::make_unique<QProcess>(this);
    m_inRun = true;
    m_outputOpen = true;
    m_inputOpen = true;
    m_quitSent = false;
    m_forced = false;
    EncoderMessageLog log;
    QString reason;
    if (!StartProcess(commandLine, reason)) {
        m_outputOpen = false;
        m_inputOpen = false;
        m_inRun = false;
        // A run stopped while the encoder was starting is no failure; its task (and the window
        // that holds it) may already be gone.
        if (!g_stopRequested)
            tasks.fail(taskIndex, reason);
        return;
    }
    ReadOutput(taskIndex, startTick, tasks, log);
    if (g_stopRequested)
        SendEncoderQuit(); // Stop normally has done so already
    WaitForEnd();
    m_inRun = false;

    // An encoder that was told to finish may end any way it likes; otherwise its end is judged.
    if (g_stopRequested || m_quitSent)
        return;
    const QString message = log.lastMessage();
    if (m_process->exitStatus() == QProcess::CrashExit) {
        tasks.fail(taskIndex, message.isEmpty() ? QStringLiteral("The encoder crashed.") : message);
    } else if (m_process->exitCode() != 0) {
        tasks.fail(
            taskIndex,
            message.isEmpty()
                ? QStringLiteral("The encoder ended with exit code %1.").arg(m_process->exitCode())
                : message);
    }
}

void EncoderRun::ParseEncoderOutput(const QByteArray &chunk,
                                    int taskIndex,
                                    quint32 startTick,
                                    TaskArray &tasks)
{
    const quint32 now = TickCount();
    const EncoderProgress progress = ParseEncoderChunk(chunk);
    const bool videoCopied = ReportsVideoCopy(chunk);
    bool quit = false;
    tasks.update(taskIndex, ProgressColumn, [&](ConversionTask &task) {
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
    if (!m_process)
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
        m_quitTick = TickCount();
        if (m_process->state() != QProcess::NotRunning) {
            m_process->write("q", 1);
            m_process->closeWriteChannel();
        }
    }
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

void EncoderRun::ShutDownEncoder()
{
    if (!IsEncoderRunning())
        return;
    SendEncoderQuit();
    WaitForEnd();
}

void EncoderRun::SetEndTimeouts(int quitGraceMs, int terminateGraceMs)
{
    m_quitGraceMs = std::max(0, quitGraceMs);
    m_terminateGraceMs = std::max(0, terminateGraceMs);
}
