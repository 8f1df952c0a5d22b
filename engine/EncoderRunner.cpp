#include "EncoderRunner.h"

#include "BatchState.h"
#include "CommandLine.h"
#include "EncoderMessageLog.h"
#include "EncoderOutputParser.h"
#include "PumpMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <csignal>
#endif

QProcess *g_encoder = nullptr;

namespace {

/// The encoder process; the QPointer notices when the application deletes it with itself.
QPointer<QProcess> s_process;
/// The program's two ends of the encoder's channels, as the read loop and SendEncoderQuit see
/// them: the output is read until it ends or is closed, the input takes one "q".
bool s_outputOpen = false;
bool s_inputOpen = false;
/// Whether the current run was told to finish, and when (TickCount()).
bool s_quitSent = false;
quint32 s_quitTick = 0;
/// Nesting depth of RunEncoder: the process object must outlive every run on the stack.
int s_runDepth = 0;

int s_quitGraceMs = 5000;
int s_terminateGraceMs = 3000;
/// Longest single wait for output before messages are handled again.
constexpr int ReadWaitMs = 20;
/// Read size: at most 255 bytes a chunk, as the progress rules expect.
constexpr qint64 ChunkBytes = 255;

void SetEncoder(QProcess *process)
{
    s_process = process;
    g_encoder = process;
}

QProcess *Encoder()
{
    if (!s_process)
        g_encoder = nullptr;
    return s_process.data();
}

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

void MarkFailed(int taskIndex, TaskArray &tasks, const QString &reason)
{
    if (!tasks.isValidIndex(taskIndex))
        return;
    ConversionTask task = tasks.at(taskIndex);
    task.failed = 1;
    task.failureReason = reason;
    tasks.store(taskIndex, task);
    tasks.invalidateCells(taskIndex, taskIndex, ProgressColumn);
}

/// Starts the encoder of commandLine in the app folder with merged output. Waits for the start
/// while handling messages. On failure returns false with the reason.
bool StartEncoderProcess(QProcess &process, const QString &commandLine, QString &reason)
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
    process.setProgram(program);
    process.setArguments(parts.mid(1));
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_WIN
    // The encoder gets its own console, kept hidden.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->flags |= CREATE_NEW_CONSOLE;
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_HIDE;
    });
#endif
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

/// The read loop: read a chunk, take its progress, handle messages, look at the stop flag.
/// While the encoder is silent it waits in short steps and handles messages between them.
void ReadEncoderOutput(QProcess &process, int taskIndex, TaskArray &tasks, EncoderMessageLog &log)
{
    char buffer[ChunkBytes + 1];
    for (;;) {
        while (s_outputOpen && process.bytesAvailable() == 0
               && process.state() != QProcess::NotRunning) {
            PumpMessagesWaiting(ReadWaitMs);
            if (g_stopRequested)
                return;
        }
        if (!s_outputOpen)
            return; // SendEncoderQuit closed it
        std::memset(buffer, 0, sizeof buffer);
        const qint64 count = process.read(buffer, ChunkBytes);
        if (count <= 0)
            return; // the encoder has ended and everything it wrote is read
        const QByteArray chunk(buffer, count);
        log.feed(chunk);
        ParseEncoderOutput(chunk, taskIndex, tasks);
        PumpMessages();
        if (g_stopRequested)
            return;
    }
}

/// Waits, handling messages, until the encoder has ended. One that keeps running is told to
/// finish, then terminated, then killed, each after its grace time.
void WaitForEncoderEnd(QProcess &process)
{
    const quint32 waitStart = TickCount();
    bool terminated = false;
    bool killed = false;
    quint32 terminateTick = 0;
    quint32 killTick = 0;
    while (process.state() != QProcess::NotRunning) {
        const quint32 now = TickCount();
        if (!s_quitSent) {
            if (now - waitStart >= quint32(s_quitGraceMs))
                SendEncoderQuit();
        } else if (!terminated) {
            if (now - s_quitTick >= quint32(s_quitGraceMs)) {
                process.terminate();
                terminated = true;
                terminateTick = now;
            }
        } else if (!killed) {
            if (now - terminateTick >= quint32(s_terminateGraceMs)) {
                process.kill();
                killed = true;
                killTick = now;
            }
        } else if (now - killTick >= quint32(s_terminateGraceMs)) {
            break; // a killed process that never reports its end: nothing more to do
        }
        PumpMessagesWaiting(ReadWaitMs);
    }
}

} // namespace

void IgnoreSigpipe()
{
#ifdef SIGPIPE
    static const bool ignored = [] {
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    Q_UNUSED(ignored);
#endif
}

void RunEncoder(const QString &commandLine, int taskIndex, TaskArray &tasks)
{
    IgnoreSigpipe();
    if (QProcess *previous = Encoder()) {
        // A run never leaves its process running; this only guards against a caller that
        // started a run from inside another one.
        if (previous->state() != QProcess::NotRunning) {
            SendEncoderQuit();
            WaitForEncoderEnd(*previous);
        }
        if (s_runDepth == 0)
            delete previous;
    }
    // A child of the application, so that it is gone (killed if need be) with the application
    // at the latest; g_encoder must not outlive it.
    auto *process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QObject::destroyed, [process] {
        if (g_encoder == process)
            g_encoder = nullptr;
    });
    SetEncoder(process);

    ++s_runDepth;
    s_outputOpen = true;
    s_inputOpen = true;
    s_quitSent = false;
    EncoderMessageLog log;
    QString reason;
    if (!StartEncoderProcess(*process, commandLine, reason)) {
        s_outputOpen = false;
        s_inputOpen = false;
        --s_runDepth;
        // A run stopped while the encoder was starting is no failure; its task (and the window
        // that holds it) may already be gone.
        if (!g_stopRequested)
            MarkFailed(taskIndex, tasks, reason);
        return;
    }
    ReadEncoderOutput(*process, taskIndex, tasks, log);
    if (g_stopRequested)
        SendEncoderQuit(); // Stop normally has done so already
    WaitForEncoderEnd(*process);
    --s_runDepth;

    // An encoder that was told to finish may end any way it likes; otherwise its end is judged.
    if (g_stopRequested || s_quitSent)
        return;
    if (process->exitStatus() == QProcess::CrashExit) {
        const QString message = log.lastMessage();
        MarkFailed(
            taskIndex, tasks, message.isEmpty() ? QStringLiteral("The encoder crashed.") : message);
    } else if (process->exitCode() != 0) {
        const QString message = log.lastMessage();
        MarkFailed(
            taskIndex,
            tasks,
            message.isEmpty()
                ? QStringLiteral("The encoder ended with exit code %1.").arg(process->exitCode())
                : message);
    }
}

void ParseEncoderOutput(const QByteArray &chunk, int taskIndex, TaskArray &tasks)
{
    if (!tasks.isValidIndex(taskIndex))
        return;
    const quint32 now = TickCount();
    ConversionTask task = tasks.at(taskIndex);
    const EncoderProgress progress = ParseEncoderChunk(chunk);
    if (progress.sizeFound)
        task.sizeKB = progress.sizeKB;
    if (progress.timeFound) {
        const double t = progress.seconds;
        if (task.needsPreconversion == 1 && task.sizeKB > 0 && t >= task.trimEnd - task.trimStart)
            SendEncoderQuit();
        task.encodedTime = t;
        const quint32 elapsedMs = now - g_encodeStartTick; // wraps harmlessly
        if (elapsedMs != 0)
            task.speed = t * 1000.0 / double(elapsedMs);
    }
    tasks.store(taskIndex, task);
    tasks.invalidateCells(taskIndex, taskIndex, ProgressColumn);
}

void SendEncoderQuit()
{
    QProcess *process = Encoder();
    if (!process)
        return;
    if (s_outputOpen) {
        s_outputOpen = false;
        // Qt keeps draining the pipe and drops what arrives, so the encoder never blocks on a
        // full pipe nor sees it broken while it writes out its file.
        process->closeReadChannel(QProcess::StandardOutput);
    }
    if (s_inputOpen) {
        s_inputOpen = false;
        s_quitSent = true;
        s_quitTick = TickCount();
        if (process->state() != QProcess::NotRunning) {
            process->write("q", 1);
            process->closeWriteChannel();
        }
    }
}

bool IsEncoderRunning()
{
    const QProcess *process = Encoder();
    return process && process->state() != QProcess::NotRunning;
}

void ShutDownEncoder()
{
    QProcess *process = Encoder();
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        SendEncoderQuit();
        WaitForEncoderEnd(*process);
    }
    if (s_runDepth == 0) {
        SetEncoder(nullptr);
        delete process;
    }
}

void SetEncoderEndTimeouts(int quitGraceMs, int terminateGraceMs)
{
    s_quitGraceMs = std::max(0, quitGraceMs);
    s_terminateGraceMs = std::max(0, terminateGraceMs);
}
