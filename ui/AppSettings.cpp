#include "AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kVersionKey = QStringLiteral("Version/Default");
const QString kLastSourceFolderKey = QStringLiteral("lastSourceFolder/Default");

} // namespace

QString AddDialogFolder()
{
    const QString last = UserSettings().value(kLastSourceFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (!videos.isEmpty() && QFileInfo(videos).isDir())
        return videos;
    return QDir::homePath();
}

void WriteLastSourceFolder(const QString &sourcePath)
{
    const QString folder = QFileInfo(sourcePath).absolutePath();
    if (sourcePath.isEmpty() || folder.isEmpty())
        return;
    QSettings settings = UserSettings();
    settings.setValue(kLastSourceFolderKey, folder);
    settings.sync();
}

QString ReadStoredVersion()
{
    return UserSettings().value(kVersionKey).toString();
}

QString FrameCaption(const QString &productName, const QString &storedVersion)
{
    const QString version
        = storedVersion.isEmpty() ? QStringLiteral(TAVREL_VERSION) : storedVersion;
    //: the window's caption; %1 is the program's name, %2 its version (1.0.0)
    return QCoreApplication::translate("AppSettings", "%1 V%2").arg(productName, version);
}
