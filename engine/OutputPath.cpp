#include "OutputPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>

namespace {

bool IsSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

/// Characters that cannot stand in a file name here.
bool IsForbidden(QChar c)
{
    if (IsSeparator(c) || c.unicode() == 0)
        return true;
#ifdef Q_OS_WIN
    return c.unicode() < 0x20 || QStringView(u"<>:\"|?*").contains(c);
#else
    return false;
#endif
}

QString SafeName(QString name)
{
    for (QChar &c : name) {
        if (IsForbidden(c))
            c = u'_';
    }
    // A leading full stop would hide the file (and ".." would name the parent folder).
    for (QChar &c : name) {
        if (c != u'.')
            break;
        c = u'_';
    }
#ifdef Q_OS_WIN
    // Windows drops trailing blanks and full stops, and some names are devices.
    if (!name.isEmpty() && (name.back() == u'.' || name.back() == u' '))
        name.back() = u'_';
    static const QStringList devices{"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                     "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                     "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    if (devices.contains(name.section(u'.', 0, 0).trimmed(), Qt::CaseInsensitive))
        name.prepend(u'_');
#endif
    return name;
}

/// Length of text as the file system counts it.
qsizetype EncodedLength(QStringView text)
{
#ifdef Q_OS_WIN
    return text.size();
#else
    return QFile::encodeName(text.toString()).size();
#endif
}

} // namespace

QString FitFileName(const QString &stem, const QString &suffix)
{
    const qsizetype budget = MaxFileNameLength - EncodedLength(suffix);
    if (EncodedLength(stem) <= budget)
        return stem + suffix;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, stem);
    qsizetype fitting = 0;
    qsizetype used = 0;
    qsizetype previous = 0;
    for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary()) {
        used += EncodedLength(QStringView(stem).mid(previous, next - previous));
        if (used > budget)
            break;
        fitting = next;
        previous = next;
    }
    return stem.left(fitting) + suffix;
}

bool PathIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString OutputFileTitle(const QString &title, const QString &sourcePath)
{
    if (!title.isEmpty())
        return SafeName(title);
    const QString sourceName = QFileInfo(sourcePath).completeBaseName();
    return sourceName.isEmpty() ? QStringLiteral("video") : SafeName(sourceName);
}

QString MakeOutputPath(const QString &directory,
                       const QString &title,
                       bool wmv,
                       const QString &sourcePath)
{
    for (int n = 1;; ++n) {
        const QString candidate = OutputPathCandidate(directory, title, wmv, sourcePath, n);
        if (!PathIsTaken(candidate))
            return candidate;
    }
}

QString OutputPathCandidate(
    const QString &directory, const QString &title, bool wmv, const QString &sourcePath, int n)
{
    QString folder = directory;
    if (!folder.isEmpty() && !IsSeparator(folder.back()))
        folder += QDir::separator();
    const QString stem = OutputFileTitle(title, sourcePath);
    const QString extension = wmv ? QStringLiteral(".wmv") : QStringLiteral(".mp4");
    const QString suffix = n <= 1 ? extension : QStringLiteral("_%1").arg(n) + extension;
    return folder + FitFileName(stem, suffix);
}

QString OutputDirectoryProblem(const QString &directory)
{
    const QString shown = QDir::toNativeSeparators(directory);
    if (!QFileInfo(directory).isDir())
        //: %1 is the folder's path.
        return QCoreApplication::translate("OutputPath",
                                           "The output directory \"%1\" does not exist.")
            .arg(shown);
    // Permission bits do not tell (an administrator, a read-only mount, access lists): try.
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".tavrel_XXXXXX")));
    if (!probe.open())
        //: %1 is the folder's path.
        return QCoreApplication::translate("OutputPath",
                                           "The output directory \"%1\" cannot be written.")
            .arg(shown);
    return {};
}
