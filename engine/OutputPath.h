#pragma once

#include <QString>

/// Names of output files and the check of the output directory.

/// Longest file name the file system takes: 255 bytes of the file name encoding (UTF-8) on Linux
/// and other Unix systems, 255 UTF-16 units on Windows.
constexpr int MaxFileNameLength = 255;

/// The file name (without "_N" and extension) that a task's title gives. Directory separators
/// ('/', and on Windows '\' and the other characters a file name cannot hold) become '_', and so
/// do leading full stops, so the name is always a visible file inside the output directory. An
/// empty title gives the source file's name without its extension, or "video" when that is
/// empty too. Not yet cut to MaxFileNameLength (MakeOutputPath does that).
QString OutputFileTitle(const QString &title, const QString &sourcePath);

/// The output file for a task: directory (as the user set it; one separator is added only when
/// it does not end in one), OutputFileTitle and ".mp4" (wmv false) or ".wmv" (wmv true). While a
/// file, folder or link of that name exists, the next candidate ends in "_2", "_3" and so on.
/// The name with its "_N" and extension is cut to MaxFileNameLength at a character boundary.
QString MakeOutputPath(const QString &directory,
                       const QString &title,
                       bool wmv,
                       const QString &sourcePath = QString());

/// Candidate n (1, 2, ...) of MakeOutputPath: n 1 is the plain name, n 2 ends in "_2", and so on,
/// whether or not the name is free.
QString OutputPathCandidate(
    const QString &directory, const QString &title, bool wmv, const QString &sourcePath, int n);

/// stem + suffix, the stem cut at a character (grapheme) boundary so that the whole name fits
/// MaxFileNameLength as the file system counts it (bytes of UTF-8 on Linux).
QString FitFileName(const QString &stem, const QString &suffix);

/// True when something of that name exists, a dangling link included (a writer would follow it
/// out of the folder): the name is not free for a new file.
bool PathIsTaken(const QString &path);

/// What keeps the batch from writing into directory, as a message that names it: the folder does
/// not exist (or is no folder) or a file cannot be created in it. Empty when files can be written.
QString OutputDirectoryProblem(const QString &directory);
