#include "WmvProfile.h"

#include "CIniFile.h"

WmvProfile WmvProfile::fallback()
{
    WmvProfile profile;
    profile.name = QStringLiteral("WMV 8, 320x240, 500 kbps video, 96 kbps audio");
    return profile;
}

QList<WmvProfile> LoadWmvProfiles(const QString &path)
{
    QList<WmvProfile> profiles;
    CIniFile ini;
    if (!ini.SetPath(path))
        return profiles;
    QStringList sections;
    ini.GetSectionNames(sections);
    for (const QString &section : std::as_const(sections)) {
        if (section.isEmpty())
            continue;
        WmvProfile profile;
        profile.name = ini.GetString(section, QStringLiteral("name"));
        profile.videoCodec = ini.GetString(section, QStringLiteral("videoCodec")).toLower();
        profile.audioCodec = ini.GetString(section, QStringLiteral("audioCodec")).toLower();
        profile.videoBitrate = ini.GetString(section, QStringLiteral("videoBitrate")).toInt();
        profile.audioBitrate = ini.GetString(section, QStringLiteral("audioBitrate")).toInt();
        const QString rate = ini.GetString(section, QStringLiteral("frameRate"));
        profile.frameRate = rate.isEmpty() ? 0.0 : rate.toDouble();
        const bool videoOk = profile.videoCodec == QLatin1String("wmv1")
                             || profile.videoCodec == QLatin1String("wmv2");
        const bool audioOk = profile.audioCodec == QLatin1String("wmav1")
                             || profile.audioCodec == QLatin1String("wmav2");
        const auto rateOk = [](int kbps) {
            return kbps >= 16 && kbps <= 20000;
        };
        if (profile.name.isEmpty() || !videoOk || !audioOk || !rateOk(profile.videoBitrate)
            || !rateOk(profile.audioBitrate) || profile.frameRate < 0.0 || profile.frameRate > 60.0)
            continue;
        profiles.append(profile);
    }
    return profiles;
}
