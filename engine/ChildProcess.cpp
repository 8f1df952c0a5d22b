#include "ChildProcess.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <csignal>
#endif

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
#else
    Q_UNUSED(process)
#endif
}

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
