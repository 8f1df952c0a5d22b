#include "CopyDecision.h"

#include "EncoderEnvironment.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("StreamCopy", text);
}

/// A frame rate may exceed its limit by this much and still count as within it (59.94 vs 60 is
/// no issue; a rate stored as 60.0001 is 60).
constexpr double FpsSlack = 0.01;

QString VideoCodecName(const QString &codec)
{
    if (codec == u"h264")
        return u"H.264"_qs;
    if (codec == u"hevc")
        return u"HEVC"_qs;
    return codec.toUpper();
}

QString LevelText(const VideoFacts &video)
{
    if (video.codec == u"hevc")
        return QString::number(video.level / 30.0, 'f', 1); // HEVC numbers levels 30 per step
    if (video.level == 9)
        return u"1b"_qs;
    return QStringLiteral("%1.%2").arg(video.level / 10).arg(video.level % 10);
}

QString SizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString FpsText(double fps)
{
    return QString::number(std::round(fps * 100.0) / 100.0, 'g', 6);
}

QString MbitText(qint64 bitsPerSecond)
{
    return QString::number(bitsPerSecond / 1e6, 'f', 1) + u" Mbit/s"_qs;
}

QString KbitText(qint64 bitsPerSecond)
{
    return QString::number(std::llround(bitsPerSecond / 1000.0)) + u" kbit/s"_qs;
}

QString ChannelText(int channels)
{
    switch (channels) {
    case 1:
        return Tr("mono");
    case 2:
        return Tr("stereo");
    case 6:
        return u"5.1"_qs;
    case 8:
        return u"7.1"_qs;
    default:
        return Tr("%1 channels").arg(channels);
    }
}

/// The picture as it is shown, rotation and pixel aspect applied; each side the larger of the
/// stored and the shown one, so that neither the decoder nor the screen gets more than the box.
QSize PictureExtent(const VideoFacts &video)
{
    int width = video.width;
    if (video.sarNum > 0 && video.sarDen > 0)
        width
            = std::max(width, int(std::lround(double(video.width) * video.sarNum / video.sarDen)));
    return video.rotation % 180 != 0 ? QSize(video.height, width) : QSize(width, video.height);
}

/// Why a stream's bit rate (0 unknown) is not within ceiling (0: none), written by text; or empty.
QString RateProblem(qint64 rate,
                    qint64 ceiling,
                    const QString &unknown,
                    QString (*text)(qint64 bitsPerSecond))
{
    if (ceiling <= 0)
        return {};
    if (rate <= 0)
        return unknown;
    return rate > ceiling ? Tr("%1 is more than %2").arg(text(rate), text(ceiling)) : QString();
}

/// 0 Baseline, 1 Main, 2 High; -1 for a profile beyond High (10-bit, 4:2:2, 4:4:4, Extended).
int H264ProfileRank(const QString &profile)
{
    if (profile == u"Constrained Baseline" || profile == u"Baseline")
        return 0;
    if (profile == u"Main")
        return 1;
    if (profile == u"High")
        return 2;
    return -1;
}

QString H264ProfileName(int rank)
{
    static const char *const names[] = {"Baseline", "Main", "High"};
    return QString::fromLatin1(names[std::clamp(rank, 0, 2)]);
}

/// Standard dynamic range in the colours of HD (BT.709) or SD (BT.601) television; an unstated
/// value counts as such, as players take it.
bool IsStandardColour(const QString &name)
{
    static const QStringList standard
        = {QString(), u"bt709"_qs, u"smpte170m"_qs, u"bt470bg"_qs, u"bt470m"_qs};
    return standard.contains(name);
}

/// Why the picture cannot be copied, or empty when it can.
QString PictureProblem(const CopyInputs &in)
{
    const CopyLimits &limits = in.limits;
    const VideoFacts &video = in.video;
    if (in.alwaysEncode)
        return Tr("always re-encode is on");
    const QStringList needs = limits.pictureNeeds + in.pictureNeeds;
    if (!needs.isEmpty())
        return needs.first();
    if (!in.sourceRead)
        return Tr("the source cannot be read (%1)").arg(in.error);
    if (!video.present)
        return Tr("the source has no picture");
    if (video.codec != limits.videoCodec) {
        return Tr("%1 is not the profile's %2")
            .arg(VideoCodecName(video.codec), VideoCodecName(limits.videoCodec));
    }
    if (video.bitDepth != 8 || !video.chroma420) {
        return Tr("%1 is not 8-bit 4:2:0")
            .arg(video.pixelFormat.isEmpty() ? Tr("an unknown pixel format") : video.pixelFormat);
    }
    const QSize extent = PictureExtent(video);
    if (!limits.box.isEmpty()
        && (extent.width() > limits.box.width() || extent.height() > limits.box.height())) {
        return Tr("%1 is larger than %2").arg(SizeText(extent), SizeText(limits.box));
    }
    if (!(video.fps > 0.0))
        return Tr("the frame rate is unknown");
    if (limits.maxFps > 0.0 && video.fps > limits.maxFps + FpsSlack)
        return Tr("%1 fps is more than %2").arg(FpsText(video.fps), FpsText(limits.maxFps));
    if (!video.fieldOrder.isEmpty() && video.fieldOrder != u"progressive")
        return Tr("the picture is interlaced (%1)").arg(video.fieldOrder);
    for (const QString &colour : {video.colorTransfer, video.colorPrimaries, video.colorSpace}) {
        if (!IsStandardColour(colour))
            return Tr("%1 is not standard dynamic range BT.709").arg(colour);
    }
    if (video.codec == u"h264") {
        const int rank = H264ProfileRank(video.profile);
        if (rank < 0 || rank > limits.h264ProfileRank) {
            return Tr("H.264 %1 is above %2")
                .arg(video.profile.isEmpty() ? Tr("of unknown profile") : video.profile,
                     H264ProfileName(limits.h264ProfileRank));
        }
        const int cap = LevelCapFor(limits.box);
        if (video.level <= 0)
            return Tr("the H.264 level is unknown");
        if (video.level > cap) {
            return Tr("H.264 level %1 is above %2")
                .arg(LevelText(video), QStringLiteral("%1.%2").arg(cap / 10).arg(cap % 10));
        }
    } else if (video.codec == u"hevc" && video.profile != u"Main") {
        return Tr("HEVC %1 is not Main").arg(video.profile);
    }
    if (const QString problem = RateProblem(
            in.videoBitRate, limits.maxVideoBitRate, Tr("the video bit rate is unknown"), MbitText);
        !problem.isEmpty())
        return problem;
    if (limits.start > 0.0 && !in.keyFrameStart)
        return Tr("the start at %1 s is not on a key frame").arg(limits.start, 0, 'f', 3);
    return {};
}

QString PictureSummary(const CopyInputs &in)
{
    const VideoFacts &video = in.video;
    QStringList words{VideoCodecName(video.codec)};
    if (!video.profile.isEmpty())
        words << video.profile;
    if (video.level > 0)
        words << LevelText(video);
    words << SizeText(PictureExtent(video)) << FpsText(video.fps) + u" fps"_qs;
    if (in.videoBitRate > 0)
        words << MbitText(in.videoBitRate);
    return words.join(u' ');
}

/// Why the sound cannot be copied, or empty when it can.
QString SoundProblem(const CopyInputs &in)
{
    const CopyLimits &limits = in.limits;
    const AudioTrackFacts &sound = *in.sound;
    const QStringList needs = limits.soundNeeds + in.soundNeeds;
    if (!needs.isEmpty())
        return needs.first();
    if (limits.soundCodec != u"aac")
        return Tr("the profile makes %1").arg(limits.soundCodec);
    if (sound.codec != u"aac")
        return Tr("%1 is not AAC").arg(sound.codec.toUpper());
    if (sound.profile != u"LC")
        return Tr("AAC %1 is not AAC-LC").arg(sound.profile);
    if (sound.channels > limits.maxChannels) {
        return Tr("AAC %1 has more than %2 channels")
            .arg(ChannelText(sound.channels))
            .arg(limits.maxChannels);
    }
    if (sound.sampleRate != 44100 && sound.sampleRate != 48000)
        return Tr("%1 Hz is neither 44.1 nor 48 kHz").arg(sound.sampleRate);
    return RateProblem(
        in.soundBitRate, limits.maxSoundBitRate, Tr("the sound bit rate is unknown"), KbitText);
}

} // namespace

int LevelCapFor(QSize box)
{
    const bool upTo720p = !box.isEmpty() && box.width() <= 1280 && box.height() <= 720;
    return upTo720p ? 41 : 42;
}

int DefaultSoundTrack(const QList<AudioTrackFacts> &tracks)
{
    int best = -1;
    for (int i = 0; i < tracks.size(); ++i) {
        const AudioTrackFacts &track = tracks.at(i);
        if (best < 0 || track.isDefault > tracks.at(best).isDefault
            || (track.isDefault == tracks.at(best).isDefault
                && track.channels > tracks.at(best).channels)) {
            best = i;
        }
    }
    return best;
}

CopyDecision DecideStreamCopy(const CopyInputs &inputs)
{
    CopyDecision decision;
    if (!inputs.limits.wanted)
        return decision;
    const QString pictureProblem = PictureProblem(inputs);
    if (!pictureProblem.isEmpty()) {
        decision.line = u"encoding: "_qs + pictureProblem;
        return decision;
    }
    decision.copyVideo = true;
    decision.videoCodec = inputs.video.codec;
    if (inputs.limits.start > 0.0)
        decision.start = inputs.keyFrameStart;
    decision.line = QString::fromLatin1(VideoCopiedMark) + u' ' + PictureSummary(inputs) + u' '
                    + Tr("fits") + u"; "_qs;
    if (!inputs.sound || !inputs.limits.keepsSound) {
        decision.line += Tr("no sound");
        return decision;
    }
    const QString soundProblem = SoundProblem(inputs);
    decision.copyAudio = soundProblem.isEmpty();
    const AudioTrackFacts &sound = *inputs.sound;
    if (!decision.copyAudio) {
        decision.line += u"sound encoded: "_qs + soundProblem;
        return decision;
    }
    decision.line += u"sound copied: AAC "_qs + ChannelText(sound.channels);
    if (inputs.soundBitRate > 0)
        decision.line += u' ' + KbitText(inputs.soundBitRate);
    return decision;
}
