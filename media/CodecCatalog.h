#pragma once

#include <QList>
#include <QString>

/// An encoder that can write into the AVI intermediate, under the name the media component lists.
struct CodecEntry
{
    QString name;    ///< listed name; ends with the encoder's name in brackets
    QString encoder; ///< FFmpeg encoder name ("msmpeg4", "libmp3lame", ...)
};

/// The installed video encoders, of those known to fit an AVI file, in a fixed order. Only
/// encoders the installed FFmpeg libraries provide are listed.
QList<CodecEntry> InstalledVideoCodecs();
/// The same for audio.
QList<CodecEntry> InstalledAudioCodecs();
/// Every candidate, installed or not, in list order (video or audio).
QList<CodecEntry> CandidateVideoCodecs();
QList<CodecEntry> CandidateAudioCodecs();
