#include "SourceTreatment.h"

namespace {

/// Frames up to this height are SD: players take an untagged SD picture for BT.601 and an
/// untagged larger one for BT.709.
constexpr int LargestSdHeight = 576;

QString Quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QLocale::Language LanguageOf(const QString &tag)
{
    if (tag.isEmpty())
        return QLocale::AnyLanguage;
    const QLocale::Language language = QLocale::codeToLanguage(tag.toLower());
    return language == QLocale::C ? QLocale::AnyLanguage : language;
}

bool IsBt601(const VideoFacts &video)
{
    if (video.colorSpace == u"smpte170m" || video.colorSpace == u"bt470bg")
        return true;
    return video.colorSpace.isEmpty() && video.height > 0 && video.height <= LargestSdHeight;
}

/// zscale's name for what the stream states, or the BT.2020 an HDR stream is made with.
QString Bt2020Primaries(const QString &stated)
{
    return stated == u"bt709" || stated == u"bt2020" ? stated : u"bt2020"_qs;
}

QString Bt2020Matrix(const QString &stated)
{
    return stated == u"bt709" || stated == u"bt2020nc" || stated == u"bt2020c" ? stated
                                                                               : u"bt2020nc"_qs;
}

QString HdrName(const QString &transfer)
{
    return transfer == u"smpte2084" ? u"PQ"_qs : u"HLG"_qs;
}

int ValidTrack(int chosen, qsizetype count)
{
    return chosen >= 0 && chosen < count ? chosen : AutomaticTrack;
}

QString SoundDecision(const AudioTrackFacts &track, bool mixed)
{
    QString line = QStringLiteral("sound track %1").arg(track.trackIndex + 1);
    if (!track.language.isEmpty())
        line += u' ' + Quoted(track.language);
    if (!track.title.isEmpty())
        line += u", "_qs + Quoted(track.title);
    if (mixed)
        line
            += QStringLiteral(": %1 channels mixed to stereo, the centre kept").arg(track.channels);
    return line;
}

QString SubtitleDecision(const SubtitleTrackFacts &track)
{
    QString line = QStringLiteral("subtitles track %1").arg(track.trackIndex + 1);
    if (!track.language.isEmpty())
        line += u' ' + Quoted(track.language);
    if (track.forced)
        line += u" (forced)"_qs;
    return line + u": burned in"_qs;
}

} // namespace

Interlacing StatedInterlacing(const VideoFacts &video)
{
    // The order the fields are shown in (a "tb" stream is coded top first, shown bottom first).
    if (video.fieldOrder == u"tt" || video.fieldOrder == u"bt")
        return Interlacing::TopFieldFirst;
    if (video.fieldOrder == u"bb" || video.fieldOrder == u"tb")
        return Interlacing::BottomFieldFirst;
    return Interlacing::Unknown;
}

bool NeedsInterlaceDetection(const VideoFacts &video)
{
    return video.present && StatedInterlacing(video) == Interlacing::Unknown;
}

bool SameLanguage(const QString &first, const QString &second)
{
    const QLocale::Language language = LanguageOf(first);
    return language != QLocale::AnyLanguage && language == LanguageOf(second);
}

int DefaultSoundTrack(const QList<AudioTrackFacts> &tracks, QLocale::Language language)
{
    for (const AudioTrackFacts &track : tracks) {
        if (track.isDefault)
            return track.trackIndex;
    }
    for (const AudioTrackFacts &track : tracks) {
        if (language != QLocale::AnyLanguage && LanguageOf(track.language) == language)
            return track.trackIndex;
    }
    return tracks.isEmpty() ? -1 : tracks.first().trackIndex;
}

int DefaultSubtitleTrack(const QList<SubtitleTrackFacts> &tracks, const QString &soundLanguage)
{
    int forced = -1;
    for (const SubtitleTrackFacts &track : tracks) {
        if (!track.forced)
            continue;
        if (SameLanguage(track.language, soundLanguage))
            return track.trackIndex;
        if (forced < 0)
            forced = track.trackIndex;
    }
    if (forced >= 0)
        return forced;
    for (const SubtitleTrackFacts &track : tracks) {
        if (track.isDefault && LanguageOf(track.language) != QLocale::AnyLanguage
            && LanguageOf(soundLanguage) != QLocale::AnyLanguage
            && !SameLanguage(track.language, soundLanguage))
            return track.trackIndex;
    }
    return -1;
}

SourceTreatment PlanTreatment(const SourceFacts &facts,
                              Interlacing detected,
                              const TrackChoices &choices,
                              int outputHeight)
{
    SourceTreatment treatment;
    if (!facts.ok)
        return treatment;
    const VideoFacts &video = facts.video;
    if (video.present) {
        treatment.videoStream = video.streamIndex;
        const Interlacing stated = StatedInterlacing(video);
        const Interlacing interlacing = stated != Interlacing::Unknown ? stated : detected;
        if (interlacing == Interlacing::TopFieldFirst
            || interlacing == Interlacing::BottomFieldFirst) {
            treatment.deinterlace = true;
            treatment.topFieldFirst = interlacing == Interlacing::TopFieldFirst;
            treatment.decisions << QStringLiteral("interlaced (%1 field first): deinterlaced")
                                       .arg(treatment.topFieldFirst ? u"top" : u"bottom");
        }
        if (video.colorTransfer == u"smpte2084" || video.colorTransfer == u"arib-std-b67") {
            treatment.toneMapTransfer = video.colorTransfer;
            treatment.toneMapPrimaries = Bt2020Primaries(video.colorPrimaries);
            treatment.toneMapMatrix = Bt2020Matrix(video.colorSpace);
            treatment.decisions << QStringLiteral("HDR (%1): tone-mapped to BT.709 SDR")
                                       .arg(HdrName(video.colorTransfer));
        } else if (IsBt601(video) && outputHeight > LargestSdHeight) {
            treatment.toBt709 = true;
            treatment.decisions << u"BT.601 colours: converted to BT.709 for the HD frame"_qs;
        }
    }

    const int sound = ValidTrack(choices.sound, facts.audio.size()) != AutomaticTrack
                          ? choices.sound
                          : DefaultSoundTrack(facts.audio, choices.language);
    QString soundLanguage;
    if (sound >= 0) {
        const AudioTrackFacts &track = facts.audio.at(sound);
        treatment.soundTrack = sound;
        treatment.mixToStereo = track.channels > 2;
        soundLanguage = track.language;
        if (facts.audio.size() > 1 || treatment.mixToStereo)
            treatment.decisions << SoundDecision(track, treatment.mixToStereo);
    }

    int subtitles = -1;
    if (choices.subtitles != NoTrack) {
        subtitles = ValidTrack(choices.subtitles, facts.subtitles.size()) != AutomaticTrack
                        ? choices.subtitles
                        : DefaultSubtitleTrack(facts.subtitles, soundLanguage);
    }
    if (subtitles >= 0 && video.present) {
        const SubtitleTrackFacts &track = facts.subtitles.at(subtitles);
        treatment.subtitleTrack = subtitles;
        treatment.textSubtitles = track.text;
        treatment.decisions << SubtitleDecision(track);
    }
    return treatment;
}

bool NeedsPictureFiltering(const SourceTreatment &treatment)
{
    return treatment.deinterlace || !treatment.toneMapTransfer.isEmpty() || treatment.toBt709
           || treatment.subtitleTrack >= 0;
}

bool NeedsSoundEncoding(const SourceTreatment &treatment)
{
    return treatment.mixToStereo;
}
