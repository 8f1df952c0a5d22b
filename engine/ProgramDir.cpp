#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

QString g_programDir;

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
