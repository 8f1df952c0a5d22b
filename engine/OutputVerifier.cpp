#include "OutputVerifier.h"

#include "SafeMediaFile.h"

#include <QCoreApplication>

extern "C" {
#include <libavcodec/packet.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cmath>

namespace {

// Streams are interleaved within a second or so: this many packets show every kind that exists.
constexpr int MaxPacketsToLook = 4000;
constexpr double MinimumTolerance = 0.5;
constexpr double RelativeTolerance = 0.02;

bool IsPicture(const AVStream *stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
           && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

bool IsSound(const AVStream *stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

/// Which kinds of stream have a packet, reading from the start until both are seen.
void FindPackets(AVFormatContext *context, bool &video, bool &audio)
{
    bool anyVideo = false;
    bool anyAudio = false;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        anyVideo |= IsPicture(context->streams[i]);
        anyAudio |= IsSound(context->streams[i]);
    }
    AVPacket *packet = av_packet_alloc();
    if (!packet)
        return;
    for (int n = 0; n < MaxPacketsToLook && (video != anyVideo || audio != anyAudio); ++n) {
        if (av_read_frame(context, packet) < 0)
            break;
        if (packet->stream_index >= 0 && unsigned(packet->stream_index) < context->nb_streams
            && packet->size > 0) {
            const AVStream *stream = context->streams[packet->stream_index];
            video |= IsPicture(stream);
            audio |= IsSound(stream);
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
}

} // namespace

double OutputLengthTolerance(double seconds)
{
    return std::max(MinimumTolerance, RelativeTolerance * std::max(0.0, seconds));
}

SourceStreams ProbeSourceStreams(const QString &path)
{
    SourceStreams streams;
    SafeMediaFile file(path);
    if (!file.IsOpen())
        return streams;
    AVFormatContext *context = file.Context();
    if (context->nb_streams == 0 || (context->ctx_flags & AVFMTCTX_NOHEADER))
        file.FindStreamInfo();
    streams.ok = true;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        streams.video |= IsPicture(context->streams[i]);
        streams.audio |= IsSound(context->streams[i]);
    }
    return streams;
}

OutputVerdict VerifyOutputFile(const QString &path, const OutputExpectation &expected)
{
    OutputVerdict verdict;
    SafeMediaFile file(path);
    if (!file.IsOpen()) {
        //: %1 is why the file could not be read, a sentence.
        verdict.reason
            = QCoreApplication::translate("OutputVerifier", "The output file is not playable. %1")
                  .arg(file.Error());
        return verdict;
    }
    AVFormatContext *context = file.Context();
    verdict.duration = file.Duration();
    if (verdict.duration <= 0.0 && file.FindStreamInfo())
        verdict.duration = file.Duration();
    FindPackets(context, verdict.hasVideo, verdict.hasAudio);

    if (expected.stopped) {
        const bool some = expected.video ? verdict.hasVideo : verdict.hasAudio;
        if (!some || verdict.duration <= 0.0)
            verdict.reason = QCoreApplication::translate(
                "OutputVerifier", "Nothing playable was written before the stop.");
    } else if (expected.video && !verdict.hasVideo) {
        verdict.reason
            = QCoreApplication::translate("OutputVerifier", "The output file has no picture.");
    } else if (expected.audio && !verdict.hasAudio) {
        verdict.reason
            = QCoreApplication::translate("OutputVerifier", "The output file has no sound.");
    } else if (expected.seconds > 0.0
               && !(std::abs(verdict.duration - expected.seconds)
                    <= OutputLengthTolerance(expected.seconds))) {
        //: %1 is the file's length, %2 the length expected, both in seconds.
        verdict.reason = QCoreApplication::translate("OutputVerifier",
                                                     "The output file lasts %1 s instead of %2 s.")
                             .arg(verdict.duration, 0, 'f', 2)
                             .arg(expected.seconds, 0, 'f', 2);
    }
    verdict.ok = verdict.reason.isEmpty();
    return verdict;
}

OutputVerdict VerifyConversionOutput(const QString &source,
                                     const QString &output,
                                     double seconds,
                                     bool stopped)
{
    const SourceStreams streams = ProbeSourceStreams(source);
    OutputExpectation expected;
    expected.video = !streams.ok || streams.video;
    expected.audio = streams.ok && streams.audio;
    expected.seconds = seconds;
    expected.stopped = stopped;
    return VerifyOutputFile(output, expected);
}
