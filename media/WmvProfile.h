#pragma once

#include <QList>
#include <QString>

/// One WMV output the media component offers. Bit rates in kbit/s; frameRate 0 keeps the
/// source's rate.
struct WmvProfile
{
    QString name;
    QString videoCodec = QStringLiteral("wmv2");
    int videoBitrate = 500;
    QString audioCodec = QStringLiteral("wmav2");
    int audioBitrate = 96;
    int width = 320;
    int height = 240;
    int sampleRate = 44100;
    int channels = 2;
    double frameRate = 0.0;

    /// The profile used when the data file is missing or the index is out of range.
    static WmvProfile fallback();
};

/// Name of the data file that lists the WMV profiles, in the program's folder.
inline constexpr const char *WmvProfileFileName = "WMV_Profiles.ini";

/// The profiles of an INI data file in section order. Sections without a name, with a codec
/// other than wmv1/wmv2 (video) or wmav1/wmav2 (audio) or with bit rates outside 16..20000
/// kbit/s are skipped. A missing file gives an empty list.
QList<WmvProfile> LoadWmvProfiles(const QString &path);
