#include "ConversionTask.h"

#include "SettingTables.h"

#include <cmath>

namespace {

qsizetype lastSeparator(const QString &path)
{
#ifdef Q_OS_WIN
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#else
    return path.lastIndexOf(u'/');
#endif
}

} // namespace

int NeedsPreconversion(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return 0;
    return path.mid(dot).contains(QLatin1String("rm"), Qt::CaseSensitive) ? 1 : 0;
}

QString BaseNameOf(const QString &path)
{
    const qsizetype separator = lastSeparator(path);
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype length = dot - separator - 1;
    if (length <= 0)
        return QString();
    return path.mid(separator + 1, length);
}

ConversionTask NewConversionTask(const QString &path,
                                 double duration,
                                 int outputWmv,
                                 int wmvProfile)
{
    ConversionTask task;
    task.sourcePath = path;
    task.trimStart = 0.0;
    task.trimEnd = std::isfinite(duration) && duration > 0.0 ? duration : 0.0;
    task.sourceDuration = task.trimEnd;
    task.baseName = BaseNameOf(path);
    task.title = task.baseName;
    ApplyDefaultSettings(task);
    task.mpeg4Profile = 0;
    task.needsPreconversion = NeedsPreconversion(path);
    task.outputWmv = outputWmv;
    task.wmvProfile = wmvProfile;
    return task;
}
