#pragma once

// Where a benchmark finds the laid-out program. Header-only; the benchmarks include it by path.

#include "ProgramDir.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>

/// Points g_programDir at the program's folder: argv[1] when given, else defaultDir (the build
/// folder). Returns false, after saying why, when the encoder is not in its app folder there.
inline bool UseProgramFolder(int argc, char *argv[], const QString &defaultDir)
{
    const QString runtimeDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : defaultDir;
    g_programDir = QDir(runtimeDir).absolutePath() + u'/';
    if (QFileInfo(AppDir() + QStringLiteral("/tavenc")).isExecutable())
        return true;
    std::fprintf(stderr, "no encoder in %s\n", qPrintable(AppDir()));
    return false;
}
