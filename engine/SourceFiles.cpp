#include "SourceFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <dirent.h>

namespace {

QList<SourceFilterGroup> makeGroups()
{
    auto list = [](const char *patterns) {
        return QString::fromLatin1(patterns).split(u';');
    };
    return {
        //: File dialog's filter: every type the program reads.
        {QT_TRANSLATE_NOOP("SourceFiles", "Support Video Files"),
         list("*.rm;*rmvb;*.avi;*.mpg;*.mpeg;*.vob;*.wmv;*.wma;*.asf;*.mov;*.qt;*.3gp;"
              "*.mp4;*.m4v;*.mkv;*.webm;*.ts;*.mts;*.m2ts;*.flv;*.ogv;*.dv;*.divx;*.3g2")},
        {QT_TRANSLATE_NOOP("SourceFiles", "RealMedia Files (*.rm,*.rmvb)"), list("*.rm;*.rmvb")},
        {QT_TRANSLATE_NOOP("SourceFiles", "AVI Files (*.avi)"), list("*.avi")},
        {QT_TRANSLATE_NOOP("SourceFiles", "Mpeg files (*.mpg, *.mpeg,*.vob)"),
         list("*.mpg;*.mpeg;*.vob")},
        {QT_TRANSLATE_NOOP("SourceFiles", "Windows Media files (*.wmv, *.wma, *.asf)"),
         list("*.wmv;*.wma;*.asf")},
        {QT_TRANSLATE_NOOP("SourceFiles", "Quick Time Files (*.mov, *.qt)"), list("*.mov; *.qt")},
        {QT_TRANSLATE_NOOP("SourceFiles", "3GP Files (*.3gp)"), list("*.3gp")},
        // Containers of phones, camcorders, TV recordings and the web; the groups above keep
        // their places so that a stored filter choice still means the same group.
        {QT_TRANSLATE_NOOP("SourceFiles",
                           "Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, "
                           "*.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)"),
         list("*.mp4;*.m4v;*.mkv;*.webm;*.ts;*.mts;*.m2ts;*.flv;*.ogv;*.dv;*.divx;*.3g2")},
    };
}

const QList<QRegularExpression> &supportedPatterns()
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> expressions;
        for (const QString &pattern : SourceFilterGroups().constFirst().patterns) {
            expressions.append(QRegularExpression(
                QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                QRegularExpression::CaseInsensitiveOption));
        }
        return expressions;
    }();
    return patterns;
}

/// Names in folder that the file name encoding cannot express (not valid UTF-8): Qt leaves such
/// entries out of its listings, and no QString path could open them.
QStringList UndecodableNames(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (QFile::encodeName(QFile::decodeName(raw)) != raw)
            names.append(QFile::decodeName(raw));
    }
    ::closedir(dir);
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace

const QList<SourceFilterGroup> &SourceFilterGroups()
{
    static const QList<SourceFilterGroup> groups = makeGroups();
    return groups;
}

QString QtSourceFileFilter()
{
    QStringList entries;
    for (const SourceFilterGroup &group : SourceFilterGroups()) {
        QStringList patterns;
        for (const QString &pattern : group.patterns)
            patterns.append(pattern.trimmed());
        for (const QString &pattern : group.patterns)
            patterns.append(pattern.trimmed().toUpper());
        entries.append(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("SourceFiles", group.description), patterns.join(u' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

bool IsSupportedSourceFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return std::any_of(
        supportedPatterns().cbegin(),
        supportedPatterns().cend(),
        [&name](const QRegularExpression &pattern) { return pattern.match(name).hasMatch(); });
}

QStringList SourceFilesFromUrls(const QList<QUrl> &urls, QStringList *rejected)
{
    QStringList files;
    // A name that is not valid UTF-8 decodes with replacement characters and names no file.
    auto take = [&files, rejected](const QFileInfo &info) {
        if (info.isFile() && info.isReadable() && IsSupportedSourceFile(info.fileName()))
            files.append(info.absoluteFilePath());
        else if (rejected)
            rejected->append(info.fileName().isEmpty() ? info.filePath() : info.fileName());
    };
    for (const QUrl &url : urls) {
        if (!url.isLocalFile()) {
            if (rejected)
                rejected->append(url.toDisplayString());
            continue;
        }
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) {
            const QDir folder(info.absoluteFilePath());
            const QStringList names
                = folder.entryList(QDir::Files | QDir::System, QDir::Name | QDir::IgnoreCase);
            for (const QString &name : std::as_const(names))
                take(QFileInfo(folder.filePath(name)));
            if (rejected)
                *rejected += UndecodableNames(folder.path());
        } else {
            take(info);
        }
    }
    return files;
}

QStringList SourceFilesFromArguments(const QStringList &arguments,
                                     const QString &workingDir,
                                     QStringList *rejected)
{
    static const QRegularExpression urlScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    QList<QUrl> urls;
    for (const QString &argument : arguments) {
        if (argument.isEmpty() || argument.startsWith(u'-'))
            continue;
        if (urlScheme.match(argument).hasMatch())
            urls.append(QUrl(argument));
        else
            urls.append(QUrl::fromLocalFile(QDir(workingDir).absoluteFilePath(argument)));
    }
    return SourceFilesFromUrls(urls, rejected);
}
