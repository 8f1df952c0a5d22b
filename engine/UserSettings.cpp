#include "UserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

const char *const kSettingsOrganisation = "Tavrel";

namespace {

// The destination is the default value of a sub-key; QSettings names a key's default value
// "Default", in the registry and in the INI file alike.
const QString kDestinationKey = QStringLiteral("destination/Default");
const QString kSimultaneousKey = QStringLiteral("batch/Simultaneous");

} // namespace

// The native format is the registry on Windows and an INI file ("Tavrel.conf") elsewhere.
QSettings UserSettings()
{
    return QSettings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
}

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

QString StoredDestination()
{
    return UserSettings().value(kDestinationKey).toString();
}

QString ReadDestination()
{
    const QString stored = StoredDestination();
    return stored.isEmpty() ? DefaultDestination() : stored;
}

void WriteDestination(const QString &dir)
{
    if (dir.isEmpty())
        return;
    QSettings settings = UserSettings();
    settings.setValue(kDestinationKey, dir);
    settings.sync();
}

int ReadSimultaneous()
{
    bool ok = false;
    const int stored = UserSettings().value(kSimultaneousKey).toInt(&ok);
    return ok && stored >= 1 ? stored : 1;
}

void WriteSimultaneous(int count)
{
    QSettings settings = UserSettings();
    settings.setValue(kSimultaneousKey, std::max(1, count));
    settings.sync();
}
