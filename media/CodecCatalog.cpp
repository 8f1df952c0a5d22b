#include "CodecCatalog.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

QList<CodecEntry> Installed(const QList<CodecEntry> &candidates, AVMediaType type)
{
    QList<CodecEntry> result;
    for (const CodecEntry &entry : candidates) {
        const AVCodec *codec = avcodec_find_encoder_by_name(entry.encoder.toLatin1().constData());
        if (codec && codec->type == type)
            result.append(entry);
    }
    return result;
}

} // namespace

// The pre-conversion looks for "Microsoft MPEG-4 Video Codec V3", then "DivX", in the video
// names and for "MPEG Layer-3", then "PCM", in the audio names, the last match winning: no other
// name may contain those texts.
QList<CodecEntry> CandidateVideoCodecs()
{
    return {
        {QStringLiteral("Microsoft MPEG-4 Video Codec V2 (msmpeg4v2)"),
         QStringLiteral("msmpeg4v2")},
        {QStringLiteral("Microsoft MPEG-4 Video Codec V3 (msmpeg4)"), QStringLiteral("msmpeg4")},
        {QStringLiteral("DivX compatible MPEG-4 Part 2 (mpeg4)"), QStringLiteral("mpeg4")},
        {QStringLiteral("Xvid MPEG-4 Part 2 (libxvid)"), QStringLiteral("libxvid")},
        {QStringLiteral("Motion JPEG (mjpeg)"), QStringLiteral("mjpeg")},
    };
}

QList<CodecEntry> CandidateAudioCodecs()
{
    return {
        {QStringLiteral("PCM 16-bit (pcm_s16le)"), QStringLiteral("pcm_s16le")},
        {QStringLiteral("MPEG Layer-2 (mp2)"), QStringLiteral("mp2")},
        {QStringLiteral("MPEG Layer-3 (libmp3lame)"), QStringLiteral("libmp3lame")},
        {QStringLiteral("Dolby Digital AC-3 (ac3)"), QStringLiteral("ac3")},
    };
}

QList<CodecEntry> InstalledVideoCodecs()
{
    return Installed(CandidateVideoCodecs(), AVMEDIA_TYPE_VIDEO);
}

QList<CodecEntry> InstalledAudioCodecs()
{
    return Installed(CandidateAudioCodecs(), AVMEDIA_TYPE_AUDIO);
}
