#include "ChildProcess.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <csignal>

#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

/*
 * Writing to a pipe whose reader has gone (a "q" for an encoder that has just exited) must fail
 * with an error, not end the program. Every child is started after PrepareChildProcess, so this
 * is the one place that decides it, once.
 */
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

} // namespace

void PrepareChildProcess(QProcess &process)
{
    IgnoreSigpipe();
#ifdef Q_OS_WIN
    // Each child gets its own console, kept hidden.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->flags |= CREATE_NEW_CONSOLE;
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_HIDE;
    });
#elif defined(Q_OS_LINUX)
    // The child dies with Tavrel, however Tavrel ends (SIGKILL included): the kernel sends it
    // SIGKILL when its parent goes. The setting survives tavenc's exec of ffmpeg. A parent that
    // died before the setting took effect is caught by the parent check.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        ::setpgid(0, 0);
    });
#elif defined(Q_OS_UNIX)
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#else
    Q_UNUSED(process)
#endif
}

bool SuspendChildProcess(qint64 processId, bool suspend)
{
#ifdef Q_OS_UNIX
    if (processId <= 0)
        return false;
    // The group first; a child that could not make its own group gets the signal alone.
    const int signal = suspend ? SIGSTOP : SIGCONT;
    return ::kill(-pid_t(processId), signal) == 0 || ::kill(pid_t(processId), signal) == 0;
#else
    Q_UNUSED(processId)
    Q_UNUSED(suspend)
    return false;
#endif
}
