#pragma once

#include "SourceFacts.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// What a conversion does to a source's picture and sound beyond fitting it into the output
// frame: deinterlacing, tone mapping, colour matrices, the sound track and its mix, burned-in
// subtitles. Decided here from plain values (the source's facts, the interlace verdict, the
// person's choices), so that the encoder adapter and the media component decide alike.

/// A task's sound or subtitle choice: a track index among the source's sound or subtitle streams
/// (ffmpeg's 0:a:N, 0:s:N), or one of these.
inline constexpr int AutomaticTrack = -1; ///< the default rule chooses
inline constexpr int NoTrack = -2;        ///< subtitles: none are burned in

/// What the person chose for one conversion.
struct TrackChoices
{
    int sound = AutomaticTrack;     ///< a sound track index or AutomaticTrack
    int subtitles = AutomaticTrack; ///< a subtitle track index, AutomaticTrack or NoTrack
    /// The person's language: the sound in it is the default after a flagged one.
    QLocale::Language language = QLocale::AnyLanguage;

    bool operator==(const TrackChoices &) const = default;
};

/// Whether a picture is interlaced and which field it shows first.
enum class Interlacing { Unknown, Progressive, TopFieldFirst, BottomFieldFirst };

/// The interlacing the picture stream's field order states; Unknown when it states progressive
/// or nothing (streams are often flagged progressive whatever they hold).
Interlacing StatedInterlacing(const VideoFacts &video);

/// True when the pictures themselves must be looked at (idet) to know whether they are
/// interlaced: there is a picture and its stream states no interlacing.
bool NeedsInterlaceDetection(const VideoFacts &video);

/// True when two language tags name the same language, whatever code they use ("ger", "deu",
/// "de"); false when either is empty or unknown.
bool SameLanguage(const QString &first, const QString &second);

/// The sound track chosen by default: the first one flagged default, else the first one in
/// language, else the first one; -1 when there is none.
int DefaultSoundTrack(const QList<AudioTrackFacts> &tracks, QLocale::Language language);

/// The subtitle track burned in by default, given the language of the sound that is played: a
/// track flagged forced (one in the sound's language first), else a track flagged default whose
/// language is known to differ from the sound's; -1 for none.
int DefaultSubtitleTrack(const QList<SubtitleTrackFacts> &tracks, const QString &soundLanguage);

/// What one conversion does to its source. The default value does nothing: the first picture
/// and the first sound track, as they are.
struct SourceTreatment
{
    int videoStream = -1; ///< the picture's index among all streams; -1 the first picture
    bool deinterlace = false;
    bool topFieldFirst = true; ///< the field shown first, when deinterlacing
    /// The HDR transfer tone-mapped to BT.709 SDR ("smpte2084" PQ, "arib-std-b67" HLG); empty
    /// for none. The primaries and matrix it is read with (zscale's names) go with it.
    QString toneMapTransfer;
    QString toneMapPrimaries;
    QString toneMapMatrix;
    bool toBt709 = false;       ///< a BT.601 (SD) picture converted to the BT.709 of an HD output
    int soundTrack = 0;         ///< the sound track played (0:a:N)
    bool mixToStereo = false;   ///< it has more than two channels: mixed down, the centre kept
    int subtitleTrack = -1;     ///< the subtitle track burned in (0:s:N); -1 none
    bool textSubtitles = false; ///< that track is text (drawn by libass), not pictures
    /// What was decided, one short line each ("interlaced (top field first): deinterlaced"),
    /// for the task's log and its summary.
    QStringList decisions;

    bool operator==(const SourceTreatment &) const = default;
};

/// The treatment of a source with facts (facts.ok false: the default treatment), whose pictures
/// were found to be detected (Unknown when they were not looked at), converted with choices
/// into an output frame outputHeight pixels high (0 unknown). A choice of a track the source
/// does not have falls back to the default rule.
SourceTreatment PlanTreatment(const SourceFacts &facts,
                              Interlacing detected,
                              const TrackChoices &choices,
                              int outputHeight);

/// True when the picture cannot be copied as it is: it is deinterlaced, tone-mapped, converted
/// or gets subtitles.
bool NeedsPictureFiltering(const SourceTreatment &treatment);

/// True when the sound cannot be copied as it is: it is mixed down.
bool NeedsSoundEncoding(const SourceTreatment &treatment);
