#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

/// One group of the Add dialog's file-type filter: what the user reads and the patterns it
/// lists, as the dialog has always offered them ("*rmvb" has no dot; "*.qt" follows a blank).
struct SourceFilterGroup
{
    /// In English; shown as QCoreApplication::translate("SourceFiles", description).
    const char *description;
    QStringList patterns;
};

/// The groups of the Add dialog's filter in their order; the first lists every supported type.
const QList<SourceFilterGroup> &SourceFilterGroups();

/// The filter in Qt's form ("Description (*.a *.b);;..."), one entry per group. Each pattern is
/// followed by its upper-case twin, so that names written by cameras (".AVI", ".MOV") are listed
/// also by file dialogs that match letter case.
QString QtSourceFileFilter();

/// True when the file name of path matches a pattern of the first group, ignoring letter case.
bool IsSupportedSourceFile(const QString &path);

/// The source files that dropping urls (or naming them on the command line) adds, in order:
/// each local file that is supported, and for a local folder the supported files directly
/// inside it, sorted by name with letter case ignored.
/// Other types, missing or unreadable paths, names that are not valid in the file name encoding
/// and non-local URLs are left out; when rejected is given, their names are appended to it.
QStringList SourceFilesFromUrls(const QList<QUrl> &urls, QStringList *rejected = nullptr);

/// The source files that the program's command-line arguments name (a file manager's "Open
/// with"), by the rules of SourceFilesFromUrls: each argument is a path, relative ones taken
/// from workingDir, or a URL with a scheme. Options (arguments that start with '-') and
/// everything unsupported are left out.
QStringList SourceFilesFromArguments(const QStringList &arguments,
                                     const QString &workingDir,
                                     QStringList *rejected = nullptr);
