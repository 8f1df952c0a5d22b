#include "SourceFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

QList<SourceFilterGroup> makeGroups()
{
    auto list = [](const char *patterns) {
        return QString::fromLatin1(patterns).split(u';');
    };
    return {
        {QStringLiteral("Support Video Files"),
         list("*.rm;*rmvb;*.avi;*.mpg;*.mpeg;*.vob;*.wmv;*.wma;*.asf;*.mov;*.qt;*.3gp;"
              "*.mp4;*.m4v;*.mkv;*.webm;*.ts;*.mts;*.m2ts;*.flv;*.ogv;*.dv;*.divx;*.3g2")},
        {QStringLiteral("RealMedia Files (*.rm,*.rmvb)"), list("*.rm;*.rmvb")},
        {QStringLiteral("AVI Files (*.avi)"), list("*.avi")},
        {QStringLiteral("Mpeg files (*.mpg, *.mpeg,*.vob)"), list("*.mpg;*.mpeg;*.vob")},
        {QStringLiteral("Windows Media files (*.wmv, *.wma, *.asf)"), list("*.wmv;*.wma;*.asf")},
        {QStringLiteral("Quick Time Files (*.mov, *.qt)"), list("*.mov; *.qt")},
        {QStringLiteral("3GP Files (*.3gp)"), list("*.3gp")},
        // Containers of phones, camcorders, TV recordings and the web; the groups above keep
        // their places so that a stored filter choice still means the same group.
        {QStringLiteral("Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, "
                        "*.flv, *.ogv, *.dv, *.divx, *.3g2)"),
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
        entries.append(QStringLiteral("%1 (%2)").arg(group.description, patterns.join(u' ')));
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

QStringList SourceFilesFromUrls(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) {
            const QStringList names = QDir(info.absoluteFilePath())
                                          .entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
            for (const QString &name : std::as_const(names)) {
                if (IsSupportedSourceFile(name))
                    files.append(QDir(info.absoluteFilePath()).filePath(name));
            }
        } else if (info.isFile() && IsSupportedSourceFile(info.fileName())) {
            files.append(info.absoluteFilePath());
        }
    }
    return files;
}

QStringList SourceFilesFromArguments(const QStringList &arguments, const QString &workingDir)
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
    return SourceFilesFromUrls(urls);
}
