#pragma once

#include <QMap>
#include <QString>

struct ConversionTask;

// What one task asks of the encoder adapter beyond its command line travels in environment
// variables of the adapter's process: the templates stay the person's to write, and a variable an
// adapter does not know changes nothing. The names are shared by the program and the adapter.

/// The part file the program created exclusively for this run: the one existing file the adapter
/// may write over despite the template's "-n".
inline constexpr const char *PartFileVariable = "TAVREL_PART_FILE";

/// The sound track the person chose (its index among the source's sound streams); unset: the
/// default rule chooses.
inline constexpr const char *SoundTrackVariable = "TAVREL_SOUND_TRACK";
/// The subtitle track to burn in (its index among the source's subtitle streams) or "none";
/// unset: the default rule chooses.
inline constexpr const char *SubtitleTrackVariable = "TAVREL_SUBTITLE_TRACK";
/// The person's language (a locale name such as "de_DE"), for the default sound track.
inline constexpr const char *LanguageVariable = "TAVREL_LANGUAGE";

/// The variables of the adapter's run for task, writing partFile (empty: none).
QMap<QString, QString> EncoderTaskVariables(const ConversionTask &task, const QString &partFile);
