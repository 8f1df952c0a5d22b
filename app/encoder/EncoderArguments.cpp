#include "EncoderArguments.h"

#include "OptionValues.h"
#include "PictureFit.h"
#include "SafeMediaInput.h"

#include <QFileInfo>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <optional>

bool EncoderOptionTakesValue(const QString &option)
{
    static const QStringList options = {
        u"-i"_qs,           u"-f"_qs,           u"-vcodec"_qs,    u"-acodec"_qs,   u"-c"_qs,
        u"-codec"_qs,       u"-c:v"_qs,         u"-codec:v"_qs,   u"-c:a"_qs,      u"-codec:a"_qs,
        u"-b"_qs,           u"-ab"_qs,          u"-b:v"_qs,       u"-b:a"_qs,      u"-vlevel"_qs,
        u"-coder"_qs,       u"-bufsize"_qs,     u"-maxrate"_qs,   u"-minrate"_qs,  u"-ar"_qs,
        u"-ac"_qs,          u"-vol"_qs,         u"-r"_qs,         u"-s"_qs,        u"-aspect"_qs,
        u"-g"_qs,           u"-t"_qs,           u"-ss"_qs,        u"-to"_qs,       u"-metadata"_qs,
        u"-af"_qs,          u"-vf"_qs,          u"-filter:a"_qs,  u"-filter:v"_qs, u"-map"_qs,
        u"-level"_qs,       u"-profile"_qs,     u"-profile:v"_qs, u"-pix_fmt"_qs,  u"-movflags"_qs,
        u"-threads"_qs,     u"-loglevel"_qs,    u"-v"_qs,         u"-qscale"_qs,   u"-q:v"_qs,
        u"-q:a"_qs,         u"-crf"_qs,         u"-preset"_qs,    u"-tune"_qs,     u"-x264opts"_qs,
        u"-x264-params"_qs, u"-frames:v"_qs,    u"-vframes"_qs,   u"-fs"_qs,       u"-fit"_qs,
        u"-vprofile"_qs,    u"-x265-params"_qs, u"-fpsmax"_qs,
    };
    return options.contains(option);
}

namespace {

enum class VideoCodec { Unset, H264, Hevc, Mpeg4Simple, Other, None };
enum class AudioCodec { Unset, Aac, Other, None };

bool IsVideoCodecOption(const QString &option)
{
    return option == u"-vcodec" || option == u"-c:v" || option == u"-codec:v";
}

bool IsAudioCodecOption(const QString &option)
{
    return option == u"-acodec" || option == u"-c:a" || option == u"-codec:a";
}

VideoCodec ClassifyVideoCodec(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == u"xvid" || lower == u"libxvid")
        return VideoCodec::Mpeg4Simple;
    if (lower == u"h264" || lower == u"libx264" || lower == u"x264" || lower == u"avc")
        return VideoCodec::H264;
    if (lower == u"hevc" || lower == u"h265" || lower == u"libx265" || lower == u"x265")
        return VideoCodec::Hevc;
    return VideoCodec::Other;
}

AudioCodec ClassifyAudioCodec(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == u"aac" || lower == u"libfaac")
        return AudioCodec::Aac;
    return AudioCodec::Other;
}

bool KeepsIndexAtFront(const QString &outputFile)
{
    static const QStringList suffixes = {u"mp4"_qs, u"m4v"_qs, u"mov"_qs, u"3gp"_qs};
    return suffixes.contains(QFileInfo(outputFile).suffix().toLower());
}

int MacroblocksOf(int pixels)
{
    return (pixels + 15) / 16;
}

/// What one command line asks for, gathered before anything is written out.
struct Request
{
    VideoCodec video = VideoCodec::Unset;
    AudioCodec audio = AudioCodec::Unset;
    std::optional<QSize> frameSize;
    bool fitWithin = false;              ///< frameSize came from -fit: a limit, not the frame
    bool outputFrameSize = false;        ///< frameSize is an output option: the picture is fitted
    std::optional<double> displayAspect; ///< -aspect
    bool hasVideoFilter = false;         ///< -vf or -filter:v of the command's own
    bool keepFrameRate = false;          ///< -r keep
    std::optional<double> frameRate;
    qint64 videoBitsPerSecond = 0;
    qint64 maxBitsPerSecond = 0; ///< -maxrate: the ceiling of quality-based rate control
    QString h264Profile = u"baseline"_qs;
    bool hasX265Params = false;
    int minimumH264Level = 0;
    qint64 bufferBits = 0;
    std::optional<int> volume; ///< 256 = unchanged
    bool hasAudioFilter = false;
    bool hasMovflags = false;
    int outputIndex = -1; ///< the output file's argument, -1 when there is none
};

Request Gather(const QStringList &arguments)
{
    Request request;
    bool seenInput = false;
    int lastValueIndex = -1;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option == u"-vn") {
            request.video = VideoCodec::None;
            continue;
        }
        if (option == u"-an") {
            request.audio = AudioCodec::None;
            continue;
        }
        if (!EncoderOptionTakesValue(option) || i + 1 >= arguments.size())
            continue;
        const QString &value = arguments.at(++i);
        lastValueIndex = i;
        if (option == u"-i") {
            seenInput = true;
        } else if (IsVideoCodecOption(option)) {
            request.video = ClassifyVideoCodec(value);
        } else if (IsAudioCodecOption(option)) {
            request.audio = ClassifyAudioCodec(value);
        } else if (option == u"-s") {
            request.frameSize = ParseFrameSize(value);
            request.fitWithin = false;
            request.outputFrameSize = seenInput && request.frameSize;
        } else if (option == u"-fit") {
            request.frameSize = ParseFrameSize(value);
            request.fitWithin = bool(request.frameSize);
            request.outputFrameSize = bool(request.frameSize);
        } else if (option == u"-aspect") {
            request.displayAspect = ParseDisplayAspect(value);
        } else if (option == u"-vf" || option == u"-filter:v") {
            request.hasVideoFilter = seenInput;
        } else if (option == u"-r") {
            request.keepFrameRate = value == u"keep";
            request.frameRate = request.keepFrameRate ? std::optional<double>(KeptFrameRateLimit)
                                                      : ParseFrameRate(value);
        } else if (option == u"-maxrate") {
            request.maxBitsPerSecond = ParseBitrate(value).value_or(0);
        } else if (option == u"-vprofile") {
            request.h264Profile = value.toLower();
        } else if (option == u"-x265-params") {
            request.hasX265Params = true;
        } else if (option == u"-b" || option == u"-b:v") {
            request.videoBitsPerSecond = ParseBitrate(value).value_or(0);
        } else if (option == u"-vlevel") {
            request.minimumH264Level = value.toInt();
        } else if (option == u"-bufsize") {
            request.bufferBits = ParseBufferSize(value).value_or(0);
        } else if (option == u"-vol") {
            bool ok = false;
            const int volume = value.toInt(&ok);
            if (ok && volume >= 0)
                request.volume = volume;
        } else if (option == u"-af" || option == u"-filter:a") {
            request.hasAudioFilter = true;
        } else if (option == u"-movflags") {
            request.hasMovflags = true;
        }
    }
    // FFmpeg's convention: the output file comes last.
    const int last = int(arguments.size()) - 1;
    if (seenInput && last >= 0 && last != lastValueIndex
        && (!arguments.at(last).startsWith(u'-') || arguments.at(last) == u"-")) {
        request.outputIndex = last;
    }
    return request;
}

/// The chain that places the picture in the frame the command asks for; empty when it names none.
QString PictureFilter(const Request &request)
{
    if (!request.outputFrameSize || !request.frameSize)
        return {};
    const QSize size = *request.frameSize;
    if (request.fitWithin)
        return FitWithinFilter(size.width(), size.height());
    return LetterboxFilter(size.width(), size.height(), request.displayAspect.value_or(0.0));
}

QString VolumeFilter(int volume)
{
    return u"volume="_qs + QString::number(volume / 256.0, 'g', 6);
}

/// The options that make the video playable, written just before the output file.
QStringList VideoOutputOptions(const Request &request)
{
    QStringList options;
    const bool known = request.frameSize && request.frameRate;
    // The ceiling of the rate: -maxrate when given, else the bit rate itself.
    const qint64 ceiling
        = request.maxBitsPerSecond > 0 ? request.maxBitsPerSecond : request.videoBitsPerSecond;
    const int kbps = int(ceiling / 1000);
    qint64 bufferBits = request.bufferBits;
    if (bufferBits <= 0 && ceiling > 0)
        bufferBits = 2 * ceiling;

    if (request.video == VideoCodec::Hevc) {
        options << u"-profile:v"_qs << u"main"_qs << u"-tag:v"_qs << u"hvc1"_qs;
        if (!request.hasX265Params)
            options << u"-x265-params"_qs << u"log-level=error"_qs; // progress stays readable
        if (ceiling > 0) {
            options << u"-maxrate:v"_qs << QString::number(ceiling);
            options << u"-bufsize:v"_qs << QString::number(bufferBits);
        }
    } else if (request.video == VideoCodec::H264 || request.video == VideoCodec::Unset) {
        if (request.video == VideoCodec::Unset)
            options << u"-c:v"_qs << u"libx264"_qs;
        options << u"-profile:v"_qs << request.h264Profile;
        int level = 0;
        if (known) {
            level = H264LevelFor(request.frameSize->width(),
                                 request.frameSize->height(),
                                 *request.frameRate,
                                 kbps,
                                 request.minimumH264Level);
        }
        if (level > 0) {
            options << u"-level:v"_qs << QString::number(level);
            bufferBits = std::min(bufferBits, H264MaxCpbBits(level));
        }
        // With a bit rate the buffer bounds the peaks a player has to take; x264 needs both.
        if (ceiling > 0) {
            options << u"-maxrate:v"_qs << QString::number(ceiling);
            options << u"-bufsize:v"_qs << QString::number(bufferBits);
        }
    } else if (request.video == VideoCodec::Mpeg4Simple) {
        options << u"-profile:v"_qs << u"0"_qs; // Simple profile: no B-frames, no quarter pel
        int level = 0;
        if (known) {
            level = Mpeg4SimpleLevelFor(
                request.frameSize->width(), request.frameSize->height(), *request.frameRate, kbps);
        }
        if (level > 0) {
            options << u"-level:v"_qs << QString::number(level);
            bufferBits = std::min(bufferBits, Mpeg4SimpleVbvBits(level));
        }
        // FFmpeg's MPEG-4 encoder takes a buffer size only together with a maximum rate.
        if (ceiling > 0) {
            options << u"-maxrate:v"_qs << QString::number(ceiling);
            options << u"-bufsize:v"_qs << QString::number(bufferBits);
        }
    } else {
        return options; // a codec of the user's own choice (or copy) gets no additions
    }
    options << u"-pix_fmt"_qs << u"yuv420p"_qs;
    return options;
}

QStringList AudioOutputOptions(const Request &request)
{
    QStringList options;
    if (request.audio == AudioCodec::None)
        return options;
    if (request.audio == AudioCodec::Unset)
        options << u"-c:a"_qs << u"aac"_qs;
    if (request.audio == AudioCodec::Unset || request.audio == AudioCodec::Aac)
        options << u"-profile:a"_qs << u"aac_low"_qs;
    if (request.volume && *request.volume != 256 && !request.hasAudioFilter)
        options << u"-af"_qs << VolumeFilter(*request.volume);
    return options;
}

} // namespace

QStringList TranslateEncoderArguments(const QStringList &arguments)
{
    const Request request = Gather(arguments);
    const bool aac = request.audio == AudioCodec::Aac || request.audio == AudioCodec::Unset;
    const bool x264 = request.video == VideoCodec::H264 || request.video == VideoCodec::Unset;
    const bool ownVideo
        = x264 || request.video == VideoCodec::Mpeg4Simple || request.video == VideoCodec::Hevc;
    const QString pictureFilter = PictureFilter(request);

    QStringList outputOptions = VideoOutputOptions(request) + AudioOutputOptions(request);
    if (request.outputIndex >= 0 && !request.hasMovflags
        && KeepsIndexAtFront(arguments.at(request.outputIndex))) {
        outputOptions << u"-movflags"_qs << u"+faststart"_qs;
    }

    QStringList result{u"-hide_banner"_qs};
    bool pastInput = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (i == request.outputIndex)
            result += outputOptions;
        const QString &option = arguments.at(i);
        if (!EncoderOptionTakesValue(option) || i + 1 >= arguments.size()) {
            result << option;
            continue;
        }
        const QString &value = arguments.at(++i);
        pastInput = pastInput || option == u"-i";
        if (IsVideoCodecOption(option)) {
            const VideoCodec codec = ClassifyVideoCodec(value);
            if (codec == VideoCodec::H264)
                result << u"-c:v"_qs << u"libx264"_qs;
            else if (codec == VideoCodec::Mpeg4Simple)
                result << u"-c:v"_qs << u"mpeg4"_qs;
            else if (codec == VideoCodec::Hevc)
                result << u"-c:v"_qs << u"libx265"_qs;
            else
                result << option << value;
        } else if (IsAudioCodecOption(option)) {
            if (ClassifyAudioCodec(value) == AudioCodec::Aac)
                result << u"-c:a"_qs << u"aac"_qs;
            else
                result << option << value;
        } else if (option == u"-b") {
            result << u"-b:v"_qs << ModernBitrate(value);
        } else if (option == u"-ab") {
            result << u"-b:a"_qs << ModernBitrate(value);
        } else if (option == u"-vlevel") {
            // Folded into the level written before the output file.
        } else if (option == u"-coder") {
            if (x264)
                result << option << value; // libx264's own option: 0 is CAVLC
        } else if (option == u"-bufsize" || option == u"-maxrate") {
            if (!ownVideo)
                result << option << value;
        } else if (option == u"-vprofile") {
            // Written before the output file as -profile:v.
        } else if ((option == u"-s" || option == u"-fit") && pastInput && !pictureFilter.isEmpty()
                   && ParseFrameSize(value)) {
            // The frame becomes the fitting chain (with the command's own filter, if any).
            if (!request.hasVideoFilter)
                result << u"-vf"_qs << pictureFilter;
        } else if ((option == u"-vf" || option == u"-filter:v") && pastInput
                   && !pictureFilter.isEmpty()) {
            result << option << value + u',' + pictureFilter;
        } else if (option == u"-vol") {
            if (!request.volume)
                result << option << value; // not a volume: FFmpeg reports it
        } else if (option == u"-ar") {
            bool ok = false;
            const int rate = value.toInt(&ok);
            result << option
                   << (aac && ok && rate > 0 ? QString::number(NearestAacSampleRate(rate)) : value);
        } else if (option == u"-r") {
            if (value == u"keep")
                result << u"-fpsmax"_qs << QString::number(KeptFrameRateLimit);
            else
                result << option << ExactFrameRate(value);
        } else if ((option == u"-af" || option == u"-filter:a") && request.volume
                   && *request.volume != 256) {
            result << option << VolumeFilter(*request.volume) + u',' + value;
        } else {
            result << option << value;
        }
    }
    if (request.outputIndex < 0)
        result += outputOptions;
    return result;
}

namespace {

struct H264Level
{
    int idc;
    qint64 maxMacroblocksPerSecond;
    int maxFrameMacroblocks;
    int maxDpbMacroblocks;
    int maxKbps;
    int maxCpbKbit;
};

// Annex A limits for the Baseline profile.
constexpr H264Level H264Levels[] = {
    {10, 1485, 99, 396, 64, 175},
    {11, 3000, 396, 900, 192, 500},
    {12, 6000, 396, 2376, 384, 1000},
    {13, 11880, 396, 2376, 768, 2000},
    {20, 11880, 396, 2376, 2000, 2000},
    {21, 19800, 792, 4752, 4000, 4000},
    {22, 20250, 1620, 8100, 4000, 4000},
    {30, 40500, 1620, 8100, 10000, 10000},
    {31, 108000, 3600, 18000, 14000, 14000},
    {32, 216000, 5120, 20480, 20000, 20000},
    {40, 245760, 8192, 32768, 20000, 25000},
    {41, 245760, 8192, 32768, 50000, 62500},
    {42, 522240, 8704, 34816, 50000, 62500},
    {50, 589824, 22080, 110400, 135000, 135000},
    {51, 983040, 36864, 184320, 240000, 240000},
    {52, 2073600, 36864, 184320, 240000, 240000},
};

/// x264's default number of reference frames, which the decoded picture buffer must hold.
constexpr int ReferenceFrames = 3;

struct Mpeg4Level
{
    int level;
    int maxFrameMacroblocks;
    qint64 maxMacroblocksPerSecond;
    int maxKbps;
    int vbvUnits; ///< units of 16384 bits
};

constexpr Mpeg4Level Mpeg4SimpleLevels[] = {
    {1, 99, 1485, 64, 10},
    {2, 396, 5940, 128, 40},
    {3, 396, 11880, 384, 40},
    {4, 1200, 36000, 4000, 80}, // level 4a
    {5, 1620, 40500, 8000, 112},
    {6, 3600, 108000, 12000, 248},
};

} // namespace

int H264LevelFor(int width, int height, double fps, int kbps, int minimumLevel)
{
    if (width <= 0 || height <= 0 || !(fps > 0))
        return 0;
    const int widthMbs = MacroblocksOf(width);
    const int heightMbs = MacroblocksOf(height);
    const qint64 frameMbs = qint64(widthMbs) * heightMbs;
    const double mbsPerSecond = double(frameMbs) * fps;
    for (const H264Level &level : H264Levels) {
        if (level.idc < minimumLevel)
            continue;
        // A side may not exceed sqrt(8 * MaxFS) macroblocks.
        const double maxSide = std::sqrt(8.0 * level.maxFrameMacroblocks);
        if (frameMbs <= level.maxFrameMacroblocks && widthMbs <= maxSide && heightMbs <= maxSide
            && mbsPerSecond <= double(level.maxMacroblocksPerSecond)
            && frameMbs * ReferenceFrames <= level.maxDpbMacroblocks && kbps <= level.maxKbps) {
            return level.idc;
        }
    }
    return 0;
}

qint64 H264MaxCpbBits(int levelIdc)
{
    for (const H264Level &level : H264Levels) {
        if (level.idc == levelIdc)
            return qint64(level.maxCpbKbit) * 1000;
    }
    return 0;
}

int Mpeg4SimpleLevelFor(int width, int height, double fps, int kbps)
{
    if (width <= 0 || height <= 0 || !(fps > 0))
        return 0;
    const qint64 frameMbs = qint64(MacroblocksOf(width)) * MacroblocksOf(height);
    const double mbsPerSecond = double(frameMbs) * fps;
    for (const Mpeg4Level &level : Mpeg4SimpleLevels) {
        if (frameMbs <= level.maxFrameMacroblocks
            && mbsPerSecond <= double(level.maxMacroblocksPerSecond) && kbps <= level.maxKbps) {
            return level.level;
        }
    }
    return 0;
}

qint64 Mpeg4SimpleVbvBits(int level)
{
    for (const Mpeg4Level &entry : Mpeg4SimpleLevels) {
        if (entry.level == level)
            return qint64(entry.vbvUnits) * 16384;
    }
    return 0;
}

int NearestAacSampleRate(int rate)
{
    static constexpr int rates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    int best = rates[0];
    for (int candidate : rates) {
        if (std::abs(candidate - rate) <= std::abs(best - rate))
            best = candidate;
    }
    return best;
}

QStringList SecureInputs(const QStringList &arguments)
{
    QStringList result;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == u"-i" && i + 1 < arguments.size())
            result += SafeInputOptions();
        result << arguments.at(i);
    }
    return result;
}

QStringList InputFiles(const QStringList &arguments)
{
    QStringList files;
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == u"-i")
            files << arguments.at(++i);
    }
    return files;
}

QStringList AllowWritingPartFile(const QStringList &arguments, const QString &partFile)
{
    if (partFile.isEmpty() || arguments.isEmpty() || arguments.constLast() != partFile)
        return arguments;
    QStringList result = arguments;
    for (int i = 0; i + 1 < result.size(); ++i) {
        if (result.at(i) == u"-n")
            result[i] = u"-y"_qs;
    }
    return result;
}
