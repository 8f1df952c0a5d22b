#include "ConversionRequest.h"

#include "MediaConverter.h"
#include "PictureFit.h"
#include "SafeMediaInput.h"
#include "TreatmentFilters.h"

#include <QFileInfo>

#include <cmath>

namespace {

QString Number(double value)
{
    return QString::number(value, 'f', 3);
}

// Rates that players know by their NTSC fraction are passed as that fraction: MPEG-1 accepts
// only its table of rates, and 23.976 must come out as 24000/1001, not 2997/125.
QString RateText(double fps)
{
    if (std::abs(fps - 23.976) < 0.01)
        return QStringLiteral("24000/1001");
    if (std::abs(fps - 29.97) < 0.01)
        return QStringLiteral("30000/1001");
    if (std::abs(fps - 59.94) < 0.01)
        return QStringLiteral("60000/1001");
    return QString::number(fps, 'g', 6);
}

// Paths go in absolute and through the file protocol, so that no name can be read as an option
// ("-x.avi") or as another protocol ("pipe:1", "http:...").
QString AbsolutePath(const QString &path)
{
    return QStringLiteral("file:") + QFileInfo(path).absoluteFilePath();
}

QStringList InputArguments(const MediaClip &clip)
{
    QStringList args;
    if (clip.start > 0.0)
        args << QStringLiteral("-ss") << Number(clip.start);
    if (clip.hasEnd())
        args << QStringLiteral("-t") << Number(clip.end - clip.start);
    // The source is untrusted: real container formats of local files only.
    args << SafeInputOptions() << QStringLiteral("-i") << AbsolutePath(clip.path);
    return args;
}

double ClipLength(const MediaClip &clip, double fileDuration)
{
    double end = fileDuration;
    if (clip.hasEnd())
        end = fileDuration > 0.0 ? std::min(clip.end, fileDuration) : clip.end;
    return std::max(0.0, end - clip.start);
}

} // namespace

QStringList ConversionRequest::ffmpegArguments() const
{
    if (outputPath.isEmpty() || (!hasVideoClip && !hasAudioClip))
        return {};
    if (format != MpegIntermediateFormat && format != AviIntermediateFormat
        && format != WmvOutputFormat)
        return {};
    if (format != WmvOutputFormat
        && (width < 16 || height < 16 || width > 4096 || height > 4096 || !(frameRate > 0.0)
            || frameRate > 240.0))
        return {};

    QStringList args{QStringLiteral("-nostdin"),
                     QStringLiteral("-hide_banner"),
                     QStringLiteral("-nostats"),
                     QStringLiteral("-loglevel"),
                     QStringLiteral("error"),
                     QStringLiteral("-progress"),
                     QStringLiteral("pipe:1"),
                     QStringLiteral("-stats_period"),
                     QStringLiteral("0.25"),
                     QStringLiteral("-y")};

    // Input 0 gives the picture; the sound comes from input 0 as well when the audio clip is the
    // same part of the same file, else from a second input.
    const MediaClip &first = hasVideoClip ? videoClip : audioClip;
    args << InputArguments(first);
    QString audioInput = QStringLiteral("0");
    if (hasVideoClip && hasAudioClip && !(audioClip == videoClip)) {
        args << InputArguments(audioClip);
        audioInput = QStringLiteral("1");
    }
    const bool isWmv = format == WmvOutputFormat;
    const int outWidth = isWmv ? wmv.width : width;
    const int outHeight = isWmv ? wmv.height : height;
    const double outRate = isWmv ? wmv.frameRate : frameRate;
    // The picture keeps its display shape (pixel aspect, rotation) on black bars.
    if (hasVideoClip)
        args << PictureOptions(
            treatment, LetterboxFilter(outWidth, outHeight, 0.0), videoClip.path, videoClip.start)
             << ColourTagOptions(treatment);
    // The treatment's sound track is one of input 0's.
    const SourceTreatment sound = audioInput == QLatin1String("0") ? treatment : SourceTreatment();
    if (hasAudioClip) {
        args << SoundMapOptions(sound, audioInput.toInt());
        if (!SoundMixFilter(sound).isEmpty())
            args << QStringLiteral("-af") << SoundMixFilter(sound);
    } else {
        args << QStringLiteral("-an");
    }
    if (hasVideoClip && hasAudioClip && audioInput == QLatin1String("1"))
        args << QStringLiteral("-shortest");

    if (hasVideoClip) {
        // The player takes a constant rate; a rate the source does not have would repeat or
        // drop frames, so a profile without a rate of its own follows the source's.
        if (outRate > 0.0)
            args << QStringLiteral("-r") << RateText(outRate);
        else if (isWmv)
            args << QStringLiteral("-r") << PlayerFrameRate(sourceFrameRate);
        args << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    } else {
        args << QStringLiteral("-vn");
    }

    const QString audioRate = QStringLiteral("44100");
    const QString stereo = QStringLiteral("2");
    if (format == MpegIntermediateFormat) {
        args << QStringLiteral("-c:v") << QStringLiteral("mpeg1video") << QStringLiteral("-b:v")
             << QStringLiteral("1500k") << QStringLiteral("-c:a") << QStringLiteral("mp2")
             << QStringLiteral("-b:a") << QStringLiteral("192k") << QStringLiteral("-ar")
             << audioRate << QStringLiteral("-ac") << stereo << QStringLiteral("-f")
             << QStringLiteral("mpeg");
    } else if (format == AviIntermediateFormat) {
        const QString video = videoEncoder.isEmpty() ? QStringLiteral("mpeg4") : videoEncoder;
        const QString audio = audioEncoder.isEmpty() ? QStringLiteral("libmp3lame") : audioEncoder;
        args << QStringLiteral("-c:v") << video;
        if (video == QLatin1String("mjpeg"))
            args << QStringLiteral("-q:v") << QStringLiteral("3");
        else
            args << QStringLiteral("-b:v") << QStringLiteral("1200k");
        if (video == QLatin1String("mpeg4"))
            args << QStringLiteral("-vtag") << QStringLiteral("DIVX");
        args << QStringLiteral("-c:a") << audio;
        if (!audio.startsWith(QLatin1String("pcm_")))
            args << QStringLiteral("-b:a") << QStringLiteral("192k");
        args << QStringLiteral("-ar") << audioRate << QStringLiteral("-ac") << stereo
             << QStringLiteral("-f") << QStringLiteral("avi");
    } else {
        args << QStringLiteral("-c:v") << wmv.videoCodec << QStringLiteral("-b:v")
             << QString::number(wmv.videoBitrate) + QLatin1Char('k') << QStringLiteral("-c:a")
             << wmv.audioCodec << QStringLiteral("-b:a")
             << QString::number(wmv.audioBitrate) + QLatin1Char('k') << QStringLiteral("-ar")
             << QString::number(wmv.sampleRate) << QStringLiteral("-ac")
             << QString::number(wmv.channels) << QStringLiteral("-f") << QStringLiteral("asf");
    }
    args << AbsolutePath(outputPath);
    return args;
}

double ConversionRequest::expectedLength(double videoFileDuration, double audioFileDuration) const
{
    if (hasVideoClip)
        return ClipLength(videoClip, videoFileDuration);
    if (hasAudioClip)
        return ClipLength(audioClip, audioFileDuration);
    return 0.0;
}
