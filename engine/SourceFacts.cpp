#include "SourceFacts.h"

#include "SafeMediaFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

#include <cmath>

namespace {

QString Name(const char *text)
{
    if (!text)
        return {};
    const QString name = QString::fromLatin1(text);
    return name == QLatin1String("unknown") || name == QLatin1String("unspecified") ? QString()
                                                                                    : name;
}

QString Tag(const AVStream *stream, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(stream->metadata, key, nullptr, 0);
    return entry && entry->value ? QString::fromUtf8(entry->value).trimmed() : QString();
}

QString FieldOrderName(AVFieldOrder order)
{
    switch (order) {
    case AV_FIELD_PROGRESSIVE:
        return QStringLiteral("progressive");
    case AV_FIELD_TT:
        return QStringLiteral("tt");
    case AV_FIELD_BB:
        return QStringLiteral("bb");
    case AV_FIELD_TB:
        return QStringLiteral("tb");
    case AV_FIELD_BT:
        return QStringLiteral("bt");
    default:
        return {};
    }
}

double Rate(AVRational rate)
{
    if (rate.num <= 0 || rate.den <= 0)
        return 0.0;
    const double fps = av_q2d(rate);
    // Above this a stated rate is a time base, not a picture rate.
    return std::isfinite(fps) && fps <= 1000.0 ? fps : 0.0;
}

/// Clockwise quarter turns the display matrix asks for, in degrees (what ffmpeg's autorotate
/// undoes).
int Rotation(const AVStream *stream)
{
    size_t size = 0;
    const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (!matrix || size < 9 * sizeof(int32_t))
        return 0;
    const double counterClockwise
        = av_display_rotation_get(reinterpret_cast<const int32_t *>(matrix));
    if (!std::isfinite(counterClockwise))
        return 0;
    const int quarter = int(std::lround(-counterClockwise / 90.0));
    return ((quarter % 4) + 4) % 4 * 90;
}

VideoFacts ReadVideo(const AVStream *stream, int index)
{
    const AVCodecParameters *codec = stream->codecpar;
    VideoFacts video;
    video.present = true;
    video.streamIndex = index;
    video.codec = Name(avcodec_get_name(codec->codec_id));
    video.profile = Name(avcodec_profile_name(codec->codec_id, codec->profile));
    video.level = codec->level > 0 ? codec->level : 0;
    video.width = codec->width;
    video.height = codec->height;
    video.rotation = Rotation(stream);
    AVRational sar = codec->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        sar = stream->sample_aspect_ratio;
    if (sar.num > 0 && sar.den > 0) {
        video.sarNum = sar.num;
        video.sarDen = sar.den;
    }
    const auto format = AVPixelFormat(codec->format);
    if (const AVPixFmtDescriptor *pixel = av_pix_fmt_desc_get(format)) {
        video.pixelFormat = QString::fromLatin1(pixel->name);
        video.bitDepth = pixel->comp[0].depth;
        video.chroma420 = pixel->nb_components >= 3 && !(pixel->flags & AV_PIX_FMT_FLAG_RGB)
                          && pixel->log2_chroma_w == 1 && pixel->log2_chroma_h == 1;
    }
    video.fieldOrder = FieldOrderName(codec->field_order);
    video.colorTransfer = Name(av_color_transfer_name(codec->color_trc));
    video.colorPrimaries = Name(av_color_primaries_name(codec->color_primaries));
    video.colorSpace = Name(av_color_space_name(codec->color_space));
    video.colorRange = Name(av_color_range_name(codec->color_range));
    video.fps = Rate(stream->avg_frame_rate);
    if (video.fps <= 0.0)
        video.fps = Rate(stream->r_frame_rate);
    video.bitRate = codec->bit_rate > 0 ? codec->bit_rate : 0;
    return video;
}

bool IsPicture(const AVStream *stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
           && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

} // namespace

SourceFacts ReadSourceFacts(const QString &path, int deadlineMs)
{
    SourceFacts facts;
    SafeMediaFile file(path, deadlineMs);
    if (!file.IsOpen() || !file.FindStreamInfo()) {
        facts.error = file.Error();
        return facts;
    }
    const AVFormatContext *context = file.Context();
    facts.ok = true;
    facts.duration = file.Duration();

    // The main picture: the first one flagged default, else the first one.
    int picture = -1;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (!IsPicture(stream))
            continue;
        if (picture < 0
            || (stream->disposition & AV_DISPOSITION_DEFAULT
                && !(context->streams[picture]->disposition & AV_DISPOSITION_DEFAULT)))
            picture = int(i);
    }
    if (picture >= 0)
        facts.video = ReadVideo(context->streams[picture], picture);

    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVCodecParameters *codec = stream->codecpar;
        const bool isDefault = stream->disposition & AV_DISPOSITION_DEFAULT;
        const bool forced = stream->disposition & AV_DISPOSITION_FORCED;
        if (codec->codec_type == AVMEDIA_TYPE_AUDIO) {
            AudioTrackFacts track;
            track.streamIndex = int(i);
            track.trackIndex = int(facts.audio.size());
            track.codec = Name(avcodec_get_name(codec->codec_id));
            track.profile = Name(avcodec_profile_name(codec->codec_id, codec->profile));
            track.channels = codec->ch_layout.nb_channels;
            track.sampleRate = codec->sample_rate;
            track.bitRate = codec->bit_rate > 0 ? codec->bit_rate : 0;
            track.language = Tag(stream, "language");
            track.title = Tag(stream, "title");
            track.isDefault = isDefault;
            track.forced = forced;
            facts.audio.append(track);
        } else if (codec->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            SubtitleTrackFacts track;
            track.streamIndex = int(i);
            track.trackIndex = int(facts.subtitles.size());
            track.codec = Name(avcodec_get_name(codec->codec_id));
            const AVCodecDescriptor *descriptor = avcodec_descriptor_get(codec->codec_id);
            track.text = descriptor && (descriptor->props & AV_CODEC_PROP_TEXT_SUB);
            track.language = Tag(stream, "language");
            track.title = Tag(stream, "title");
            track.isDefault = isDefault;
            track.forced = forced;
            facts.subtitles.append(track);
        }
    }
    return facts;
}
