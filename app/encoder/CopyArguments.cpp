#include "CopyArguments.h"

#include "EncoderArguments.h"
#include "OptionValues.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("StreamCopy", text);
}

/// The output options that only make sense when the picture is encoded.
const QStringList &PictureEncodingOptions()
{
    static const QStringList options = {
        u"-vcodec"_qs,   u"-c:v"_qs,         u"-codec:v"_qs,     u"-vprofile"_qs, u"-profile:v"_qs,
        u"-vlevel"_qs,   u"-level"_qs,       u"-preset"_qs,      u"-tune"_qs,     u"-crf"_qs,
        u"-maxrate"_qs,  u"-minrate"_qs,     u"-bufsize"_qs,     u"-fit"_qs,      u"-r"_qs,
        u"-fpsmax"_qs,   u"-b"_qs,           u"-b:v"_qs,         u"-g"_qs,        u"-coder"_qs,
        u"-x264opts"_qs, u"-x264-params"_qs, u"-x265-params"_qs, u"-pix_fmt"_qs,  u"-qscale"_qs,
        u"-q:v"_qs,
    };
    return options;
}

/// The output options that only make sense when the sound is encoded.
const QStringList &SoundEncodingOptions()
{
    static const QStringList options = {u"-acodec"_qs,
                                        u"-c:a"_qs,
                                        u"-codec:a"_qs,
                                        u"-ab"_qs,
                                        u"-b:a"_qs,
                                        u"-ar"_qs,
                                        u"-ac"_qs,
                                        u"-vol"_qs,
                                        u"-q:a"_qs};
    return options;
}

/// The codec the adapter makes for a -vcodec or -acodec text, as FFmpeg names the stream's codec.
QString MadeCodec(const QString &value)
{
    const QString lower = value.toLower();
    if (lower == u"h264" || lower == u"libx264" || lower == u"x264" || lower == u"avc")
        return u"h264"_qs;
    if (lower == u"hevc" || lower == u"h265" || lower == u"libx265" || lower == u"x265")
        return u"hevc"_qs;
    if (lower == u"aac" || lower == u"libfaac")
        return u"aac"_qs;
    return lower;
}

int H264ProfileRank(const QString &value)
{
    const QString lower = value.toLower();
    if (lower == u"high")
        return 2;
    return lower == u"main" ? 1 : 0;
}

/// Index of the output file (the last argument when it is no option and no option's value);
/// -1 when there is none.
int OutputIndex(const QStringList &arguments)
{
    int lastValue = -1;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == u"-copy" || EncoderOptionTakesValue(arguments.at(i)))
            lastValue = ++i;
    }
    const int last = int(arguments.size()) - 1;
    return last > lastValue && !arguments.at(last).startsWith(u'-') ? last : -1;
}

/// What one output option means for a copy.
void ReadOutputOption(const QString &option, const QString &value, CopyLimits &limits)
{
    static const QRegularExpression soundTrack(u"^0:a:(\\d+)$"_qs);
    if (option == u"-vcodec" || option == u"-c:v" || option == u"-codec:v") {
        limits.videoCodec = MadeCodec(value);
        if (limits.videoCodec != u"h264" && limits.videoCodec != u"hevc")
            limits.pictureNeeds << Tr("the profile's %1 is never copied").arg(value);
    } else if (option == u"-acodec" || option == u"-c:a" || option == u"-codec:a") {
        limits.soundCodec = MadeCodec(value);
    } else if (option == u"-c" || option == u"-codec") {
        limits.pictureNeeds << Tr("the command sets every codec");
    } else if (option == u"-vprofile") {
        limits.h264ProfileRank = H264ProfileRank(value);
    } else if (option == u"-fit") {
        limits.box = ParseFrameSize(value).value_or(QSize());
    } else if (option == u"-r") {
        if (value == u"keep")
            limits.maxFps = KeptFrameRateLimit;
        else
            limits.pictureNeeds << Tr("the command sets the frame rate");
    } else if (option == u"-s") {
        limits.pictureNeeds << Tr("the command sets the frame size");
    } else if (option == u"-aspect") {
        limits.pictureNeeds << Tr("the command sets the display aspect");
    } else if (option == u"-vf" || option == u"-filter:v") {
        limits.pictureNeeds << Tr("the command filters the picture");
    } else if (option == u"-maxrate") {
        limits.maxVideoBitRate = ParseBitrate(value).value_or(0);
    } else if ((option == u"-b" || option == u"-b:v") && limits.maxVideoBitRate == 0) {
        limits.maxVideoBitRate = ParseBitrate(value).value_or(0);
    } else if (option == u"-ab" || option == u"-b:a") {
        limits.maxSoundBitRate = ParseBitrate(value).value_or(0);
    } else if (option == u"-ac") {
        limits.maxChannels = std::clamp(value.toInt(), 1, 2);
    } else if (option == u"-vol" && value != u"256") {
        limits.soundNeeds << Tr("the command changes the volume");
    } else if (option == u"-af" || option == u"-filter:a") {
        limits.soundNeeds << Tr("the command filters the sound");
    } else if (option == u"-map") {
        const QRegularExpressionMatch match = soundTrack.match(value);
        if (match.hasMatch())
            limits.soundTrack = match.captured(1).toInt();
        else
            limits.pictureNeeds << Tr("the command maps its own streams");
    } else if (option == u"-ss") {
        limits.pictureNeeds << Tr("the command seeks in its output");
    }
}

/// A start for ffmpeg's -ss, rounded up to the microsecond: its seek then finds the key frame at
/// that time, not the one before.
QString StartText(double seconds)
{
    return QString::number(std::ceil(seconds * 1e6) / 1e6, 'f', 6);
}

} // namespace

std::optional<double> ParseTime(const QString &text)
{
    static const QRegularExpression pattern(u"^(?:(?:(\\d+):)?(\\d{1,2}):)?(\\d+(?:\\.\\d*)?)$"_qs);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60
           + match.captured(3).toDouble();
}

CopyLimits ReadCopyLimits(const QStringList &arguments)
{
    CopyLimits limits;
    limits.videoCodec = u"h264"_qs; // what the adapter makes without a -vcodec
    limits.soundCodec = u"aac"_qs;
    int inputs = 0;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option == u"-an") {
            limits.keepsSound = false;
        } else if (option == u"-vn") {
            limits.pictureNeeds << Tr("the command drops the picture");
        } else if (option == u"-copy" && i + 1 < arguments.size()) {
            limits.wanted = arguments.at(++i) == u"fit";
        } else if (EncoderOptionTakesValue(option) && i + 1 < arguments.size()) {
            const QString &value = arguments.at(++i);
            if (option == u"-i") {
                ++inputs;
                limits.input = value;
            } else if (option == u"-ss" && inputs == 0) {
                limits.start = std::max(0.0, ParseTime(value).value_or(0.0));
            } else if (inputs > 0) {
                ReadOutputOption(option, value, limits);
            }
        }
    }
    if (inputs != 1) {
        limits.input.clear();
        limits.pictureNeeds << Tr("the command reads %1 inputs").arg(inputs);
    }
    return limits;
}

QStringList CopyArguments(const QStringList &arguments, const CopyDecision &decision)
{
    const int output = OutputIndex(arguments);
    QStringList copyOptions;
    if (decision.copyVideo) {
        copyOptions << u"-c:v"_qs << u"copy"_qs;
        if (decision.videoCodec == u"hevc")
            copyOptions << u"-tag:v"_qs << u"hvc1"_qs;
    }
    if (decision.copyAudio)
        copyOptions << u"-c:a"_qs << u"copy"_qs;

    QStringList result;
    bool pastInput = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (i == output)
            result += copyOptions;
        if (option == u"-copy" && i + 1 < arguments.size()) {
            ++i;
            continue;
        }
        if (!EncoderOptionTakesValue(option) || i + 1 >= arguments.size()) {
            result << option;
            continue;
        }
        const QString &value = arguments.at(++i);
        pastInput = pastInput || option == u"-i";
        if (pastInput && decision.copyVideo && PictureEncodingOptions().contains(option))
            continue;
        if (pastInput && decision.copyAudio && SoundEncodingOptions().contains(option))
            continue;
        const bool copyStart
            = !pastInput && option == u"-ss" && decision.copyVideo && decision.start;
        result << option << (copyStart ? StartText(*decision.start) : value);
    }
    if (output < 0)
        result += copyOptions;
    return result;
}
