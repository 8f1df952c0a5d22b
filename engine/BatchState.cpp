#include "BatchState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

bool g_stopRequested = false;
QString g_programDir;

quint32 TickCount()
{
    // A steady clock started once per process; truncation to 32 bits keeps the wrap-around
    // arithmetic of tick differences.
    static QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return quint32(quint64(clock.elapsed()));
}

void InitProgramDir()
{
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    g_programDir = dir;
}

QString AppDir()
{
    return g_programDir + QStringLiteral("app");
}
