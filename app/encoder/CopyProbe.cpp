#include "CopyProbe.h"

#include "CopyArguments.h"
#include "SafeMediaFile.h"

#include <QCoreApplication>

extern "C" {
#include <libavcodec/packet.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

/// How long the packet pass may take, in milliseconds.
constexpr int PacketDeadlineMs = 10000;
/// The stream time over which a bit rate the container does not state is measured.
constexpr double MeasureSeconds = 60.0;
/// Packets read after a seek before giving up finding the picture's.
constexpr int PacketsAfterSeek = 500;

/// Bytes and time span of one stream's packets.
struct Tally
{
    qint64 bytes = 0;
    double first = std::numeric_limits<double>::infinity();
    double end = -std::numeric_limits<double>::infinity();

    double Span() const { return end > first ? end - first : 0.0; }
    qint64 BitRate() const
    {
        return Span() > 0.0 ? qint64(std::llround(double(bytes) * 8.0 / Span())) : 0;
    }
};

/// What the packets of the source say.
struct PacketFacts
{
    int pictures = 0;
    qint64 videoBitRate = 0;
    qint64 soundBitRate = 0;
    std::optional<double> keyFrameStart;
};

double Seconds(int64_t timestamp, AVRational timeBase)
{
    return double(timestamp) * av_q2d(timeBase);
}

/// Adds up the sizes of the picture's and the sound's packets (a stream index < 0 is left out)
/// from the start until both have spanned MeasureSeconds or the file ends. Where the container
/// states no bit rate (Matroska, MPEG-TS) this estimates it: the average of the opening minute,
/// which for a phone or camera clip is the whole or typical of it, without reading a long film.
void MeasureBitRates(AVFormatContext *context, int video, int sound, PacketFacts &facts)
{
    AVPacket *packet = av_packet_alloc();
    if (!packet)
        return;
    Tally tallies[2];
    const int streams[2] = {video, sound};
    auto done = [&] {
        for (int i = 0; i < 2; ++i) {
            if (streams[i] >= 0 && tallies[i].Span() < MeasureSeconds)
                return false;
        }
        return true;
    };
    while (!done() && av_read_frame(context, packet) >= 0) {
        for (int i = 0; i < 2; ++i) {
            if (packet->stream_index != streams[i] || streams[i] < 0)
                continue;
            const AVRational timeBase = context->streams[streams[i]]->time_base;
            const int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            tallies[i].bytes += packet->size;
            if (stamp != AV_NOPTS_VALUE) {
                const double at = Seconds(stamp, timeBase);
                tallies[i].first = std::min(tallies[i].first, at);
                tallies[i].end = std::max(
                    tallies[i].end, at + Seconds(std::max<int64_t>(0, packet->duration), timeBase));
            }
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    facts.videoBitRate = tallies[0].BitRate();
    facts.soundBitRate = tallies[1].BitRate();
}

/// The timestamp and key flag of the picture's first packet after seeking to seconds the way
/// ffmpeg's -ss before an input does (from the file's start time, to the key frame at or before).
std::optional<std::pair<int64_t, bool>> FirstPictureAfterSeek(AVFormatContext *context,
                                                              int video,
                                                              double seconds)
{
    const int64_t origin = context->start_time != AV_NOPTS_VALUE ? context->start_time : 0;
    const int64_t target = origin + std::llround(seconds * AV_TIME_BASE);
    if (avformat_seek_file(context, -1, std::numeric_limits<int64_t>::min(), target, target, 0) < 0)
        return std::nullopt;
    AVPacket *packet = av_packet_alloc();
    if (!packet)
        return std::nullopt;
    std::optional<std::pair<int64_t, bool>> found;
    for (int n = 0; n < PacketsAfterSeek && !found && av_read_frame(context, packet) >= 0; ++n) {
        const int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (packet->stream_index == video && stamp != AV_NOPTS_VALUE)
            found = std::make_pair(stamp, bool(packet->flags & AV_PKT_FLAG_KEY));
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return found;
}

/// The time of the key frame within tolerance seconds of start, as ffmpeg's seek finds it; none
/// when the frame ffmpeg would start a copy at is no key frame or further away.
std::optional<double> KeyFrameNear(AVFormatContext *context,
                                   int video,
                                   double start,
                                   double tolerance)
{
    const AVRational timeBase = context->streams[video]->time_base;
    const double origin
        = context->start_time != AV_NOPTS_VALUE ? double(context->start_time) / AV_TIME_BASE : 0.0;
    const auto found = FirstPictureAfterSeek(context, video, start + tolerance);
    if (!found || !found->second)
        return std::nullopt;
    const double time = Seconds(found->first, timeBase) - origin;
    if (std::abs(time - start) > tolerance)
        return std::nullopt;
    // The copy is told to start at exactly this key frame: its seek must find the same one.
    const double exact = std::ceil(std::max(0.0, time) * 1e6) / 1e6;
    const auto again = FirstPictureAfterSeek(context, video, exact);
    if (!again || again->first != found->first)
        return std::nullopt;
    return exact;
}

PacketFacts ReadPacketFacts(const QString &path,
                            int video,
                            int sound,
                            bool measureVideo,
                            bool measureSound,
                            double start,
                            double frameSeconds)
{
    PacketFacts facts;
    SafeMediaFile file(path, PacketDeadlineMs);
    if (!file.IsOpen() || !file.FindStreamInfo())
        return facts;
    AVFormatContext *context = file.Context();
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        facts.pictures += stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
                          && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
    }
    const auto valid = [&](int index) {
        return index >= 0 && unsigned(index) < context->nb_streams;
    };
    if (!valid(video))
        return facts;
    if (measureVideo || measureSound) {
        MeasureBitRates(
            context, measureVideo ? video : -1, measureSound && valid(sound) ? sound : -1, facts);
    }
    if (start > 0.0)
        facts.keyFrameStart = KeyFrameNear(context, video, start, frameSeconds + 1e-6);
    return facts;
}

} // namespace

CopyInputs ProbeCopyInputs(const CopyLimits &limits, bool alwaysEncode)
{
    CopyInputs inputs;
    inputs.limits = limits;
    inputs.alwaysEncode = alwaysEncode;
    if (alwaysEncode || !limits.pictureNeeds.isEmpty())
        return inputs;
    const SourceFacts facts = ReadSourceFacts(limits.input);
    inputs.sourceRead = facts.ok;
    inputs.error = facts.error;
    inputs.video = facts.video;
    inputs.videoBitRate = facts.video.bitRate;
    const int track = limits.soundTrack >= 0 ? limits.soundTrack : DefaultSoundTrack(facts.audio);
    if (track >= 0 && track < facts.audio.size()) {
        inputs.sound = facts.audio.at(track);
        inputs.soundBitRate = inputs.sound->bitRate;
    }

    // The packets are read only when nothing they cannot change makes the picture encode.
    CopyInputs hopeful = inputs;
    hopeful.videoBitRate = std::max<qint64>(1, inputs.videoBitRate);
    hopeful.keyFrameStart = limits.start;
    if (!DecideStreamCopy(hopeful).copyVideo)
        return inputs;
    const PacketFacts packets = ReadPacketFacts(limits.input,
                                                facts.video.streamIndex,
                                                inputs.sound ? inputs.sound->streamIndex : -1,
                                                inputs.videoBitRate <= 0,
                                                inputs.sound && inputs.soundBitRate <= 0,
                                                limits.start,
                                                1.0 / facts.video.fps);
    // ffmpeg takes the largest picture, SourceFacts the default one: with several they may differ.
    if (packets.pictures > 1) {
        inputs.pictureNeeds << QCoreApplication::translate("StreamCopy",
                                                           "the source has %1 pictures")
                                   .arg(packets.pictures);
    }
    if (inputs.videoBitRate <= 0)
        inputs.videoBitRate = packets.videoBitRate;
    if (inputs.sound && inputs.soundBitRate <= 0)
        inputs.soundBitRate = packets.soundBitRate;
    inputs.keyFrameStart = packets.keyFrameStart;
    return inputs;
}

namespace {

/// Why the treatment keeps the picture from being copied, in words for the log.
QStringList PictureNeedsOf(const SourceTreatment &treatment)
{
    QStringList needs;
    if (treatment.deinterlace)
        needs << QCoreApplication::translate("CopyProbe", "the picture is deinterlaced");
    if (!treatment.toneMapTransfer.isEmpty())
        needs << QCoreApplication::translate("CopyProbe", "the picture is tone-mapped to SDR");
    if (treatment.toBt709)
        needs << QCoreApplication::translate("CopyProbe", "the colours are converted to BT.709");
    if (treatment.subtitleTrack >= 0)
        needs << QCoreApplication::translate("CopyProbe", "subtitles are burned in");
    return needs;
}

} // namespace

StreamCopyPlan PlanStreamCopy(const QStringList &arguments,
                              bool alwaysEncode,
                              const SourceTreatment *treatment)
{
    CopyLimits limits = ReadCopyLimits(arguments);
    CopyDecision decision;
    if (limits.wanted) {
        // The run maps the treatment's sound track: that one is judged.
        if (treatment && limits.soundTrack < 0)
            limits.soundTrack = treatment->soundTrack;
        CopyInputs inputs = ProbeCopyInputs(limits, alwaysEncode);
        if (treatment) {
            inputs.pictureNeeds += PictureNeedsOf(*treatment);
            if (NeedsSoundEncoding(*treatment))
                inputs.soundNeeds << QCoreApplication::translate("CopyProbe",
                                                                 "the sound is mixed to stereo");
        }
        decision = DecideStreamCopy(inputs);
    }
    return {CopyArguments(arguments, decision), decision.line};
}
