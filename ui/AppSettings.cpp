#include "AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

const char *const kSettingsOrganisation = "Tavrel";

namespace {

// Both values are the default value of a sub-key; QSettings names a key's default value
// "Default", in the registry and in the INI file alike.
const QString kDestinationKey = QStringLiteral("destination/Default");
const QString kVersionKey = QStringLiteral("Version/Default");
const QString kLastSourceFolderKey = QStringLiteral("lastSourceFolder/Default");
const QString kSimultaneousKey = QStringLiteral("batch/Simultaneous");

// The native format is the registry on Windows and an INI file ("Tavrel.conf") elsewhere.
QSettings userSettings()
{
    return QSettings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
}

} // namespace

QString DefaultDestination()
{
#ifdef Q_OS_WIN
    return QStringLiteral("D:\\");
#else
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (!videos.isEmpty() && QFileInfo(videos).isDir())
        return QDir::toNativeSeparators(videos);
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString ReadDestination()
{
    const QString stored = userSettings().value(kDestinationKey).toString();
    return stored.isEmpty() ? DefaultDestination() : stored;
}

void WriteDestination(const QString &dir)
{
    if (dir.isEmpty())
        return;
    QSettings settings = userSettings();
    settings.setValue(kDestinationKey, dir);
    settings.sync();
}

QString AddDialogFolder()
{
    const QString last = userSettings().value(kLastSourceFolderKey).toString();
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
    QSettings settings = userSettings();
    settings.setValue(kLastSourceFolderKey, folder);
    settings.sync();
}

int ReadSimultaneous()
{
    bool ok = false;
    const int stored = userSettings().value(kSimultaneousKey).toInt(&ok);
    return ok && stored >= 1 ? stored : 1;
}

void WriteSimultaneous(int count)
{
    QSettings settings = userSettings();
    settings.setValue(kSimultaneousKey, std::max(1, count));
    settings.sync();
}

QString ReadStoredVersion()
{
    return userSettings().value(kVersionKey).toString();
}

QString FrameCaption(const QString &productName, const QString &storedVersion)
{
    const QString version
        = storedVersion.isEmpty() ? QStringLiteral(TAVREL_VERSION) : storedVersion;
    return QStringLiteral("%1 V%2").arg(productName, version);
}
