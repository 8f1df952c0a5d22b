#include "EncoderTreatment.h"

#include "EncoderArguments.h"
#include "EncoderEnvironment.h"
#include "InterlaceDetection.h"
#include "TreatmentFilters.h"
#include "TreatmentReport.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

/// The value of the first option named name among arguments[from, to); empty when none.
QString OptionValue(const QStringList &arguments, QStringView name, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i + 1 < to; ++i) {
        if (arguments.at(i) == name)
            return arguments.at(i + 1);
    }
    return {};
}

qsizetype FirstInput(const QStringList &arguments)
{
    const qsizetype input = arguments.indexOf(u"-i"_qs);
    return input < 0 ? arguments.size() : input;
}

/// The width and height of a "WxH" value; nullopt for anything else.
std::optional<std::pair<int, int>> FrameSize(const QString &text)
{
    static const QRegularExpression pattern(u"^(\\d{1,5})x(\\d{1,5})$"_qs);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return std::make_pair(match.captured(1).toInt(), match.captured(2).toInt());
}

/// The output file, the last argument, or -1 when the command names none after its input (the
/// last argument is an option, or the value of one: it follows an option that is no flag).
qsizetype OutputIndex(const QStringList &arguments)
{
    static const QStringList flags{u"-n"_qs,
                                   u"-y"_qs,
                                   u"-vn"_qs,
                                   u"-an"_qs,
                                   u"-sn"_qs,
                                   u"-dn"_qs,
                                   u"-shortest"_qs,
                                   u"-hide_banner"_qs,
                                   u"-nostdin"_qs,
                                   u"-nostats"_qs};
    const qsizetype last = arguments.size() - 1;
    if (last <= FirstInput(arguments) + 1 || arguments.at(last).startsWith(u'-'))
        return -1;
    const QString &before = arguments.at(last - 1);
    return before.startsWith(u'-') && !flags.contains(before) ? -1 : last;
}

/// Takes the first value of one of names after the input out of arguments; empty when none.
QString TakeOption(QStringList &arguments, std::initializer_list<QStringView> names)
{
    for (qsizetype i = FirstInput(arguments) + 2; i + 1 < arguments.size(); ++i) {
        if (std::find(names.begin(), names.end(), arguments.at(i)) != names.end()) {
            const QString value = arguments.at(i + 1);
            arguments.remove(i, 2);
            return value;
        }
    }
    return {};
}

Interlacing RunDetection(const QString &ffmpeg,
                         const QString &path,
                         double sampleStart,
                         int videoStream)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // Ended with the encoder, which may be stopped meanwhile.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process.start(ffmpeg, InterlaceDetectionArguments(path, sampleStart, videoStream));
    if (!process.waitForFinished(InterlaceDetectionTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return Interlacing::Unknown;
    }
    return ParseInterlaceReport(process.readAll());
}

} // namespace

std::optional<double> ParseFfmpegTime(const QString &text)
{
    static const QRegularExpression pattern(u"^(?:(?:(\\d+):)?(\\d{1,2}):)?(\\d+(?:\\.\\d+)?)$"_qs);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 3600.0 + match.captured(2).toDouble() * 60.0
           + match.captured(3).toDouble();
}

InputRange InputRangeOf(const QStringList &arguments)
{
    const qsizetype input = FirstInput(arguments);
    InputRange range;
    range.start = ParseFfmpegTime(OptionValue(arguments, u"-ss", 0, input)).value_or(0.0);
    range.length = ParseFfmpegTime(OptionValue(arguments, u"-t", 0, input)).value_or(0.0);
    return range;
}

int OutputFrameHeight(const QStringList &arguments, const VideoFacts &video)
{
    const qsizetype input = FirstInput(arguments);
    if (const auto frame = FrameSize(OptionValue(arguments, u"-s", input, arguments.size())))
        return frame->second;
    const double sar
        = video.sarNum > 0 && video.sarDen > 0 ? double(video.sarNum) / video.sarDen : 1.0;
    double shownWidth = video.width * sar;
    double shownHeight = video.height;
    if (video.rotation % 180 != 0)
        std::swap(shownWidth, shownHeight);
    const auto box = FrameSize(OptionValue(arguments, u"-fit", input, arguments.size()));
    if (!box || !(shownWidth > 0.0) || !(shownHeight > 0.0))
        return int(shownHeight);
    const double scale = std::min({1.0, box->first / shownWidth, box->second / shownHeight});
    return int(std::lround(shownHeight * scale));
}

TrackChoices TrackChoicesFrom(const QString &sound, const QString &subtitles, const QString &locale)
{
    TrackChoices choices;
    bool ok = false;
    const int soundTrack = sound.toInt(&ok);
    if (ok && soundTrack >= 0)
        choices.sound = soundTrack;
    const int subtitleTrack = subtitles.toInt(&ok);
    if (subtitles == u"none")
        choices.subtitles = NoTrack;
    else if (ok && subtitleTrack >= 0)
        choices.subtitles = subtitleTrack;
    choices.language = (locale.isEmpty() ? QLocale() : QLocale(locale)).language();
    return choices;
}

QStringList ApplyTreatment(const QStringList &translated,
                           const SourceTreatment &treatment,
                           const QString &sourcePath,
                           double startSeconds)
{
    if (OutputIndex(translated) < 0)
        return translated;
    QStringList result = translated;
    const QString fitChain = TakeOption(result, {u"-vf", u"-filter:v"});
    QStringList options;
    if (!result.contains(u"-vn"_qs))
        options += PictureOptions(treatment, fitChain, sourcePath, startSeconds);
    if (!result.contains(u"-an"_qs)) {
        options += SoundMapOptions(treatment);
        QString sound = SoundMixFilter(treatment);
        const QString own = TakeOption(result, {u"-af", u"-filter:a"});
        if (!own.isEmpty())
            sound = sound.isEmpty() ? own : sound + u',' + own;
        if (!sound.isEmpty())
            options << u"-af"_qs << sound;
    }
    options += ColourTagOptions(treatment);
    const qsizetype output = OutputIndex(result);
    for (qsizetype i = 0; i < options.size(); ++i)
        result.insert(output + i, options.at(i));
    return result;
}

Interlacing DetectInterlacing(const QString &ffmpeg,
                              const QString &path,
                              const SourceFacts &facts,
                              const InputRange &range)
{
    const double start = std::max(0.0, range.start);
    const double sample = InterlaceSampleStart(start, range.length, facts.duration);
    const Interlacing verdict = RunDetection(ffmpeg, path, sample, facts.video.streamIndex);
    // A seek past the last key frame finds nothing: once more from the range's start.
    if (verdict == Interlacing::Unknown && sample > start)
        return RunDetection(ffmpeg, path, start, facts.video.streamIndex);
    return verdict;
}

std::optional<SourcePlan> PlanSource(const QString &ffmpeg, const QStringList &arguments)
{
    const QStringList inputs = InputFiles(arguments);
    if (inputs.size() != 1 || arguments.contains(u"-map"_qs)
        || arguments.contains(u"-filter_complex"_qs))
        return std::nullopt;
    SourcePlan plan;
    plan.source = inputs.first();
    plan.facts = ReadSourceFacts(plan.source);
    if (!plan.facts.ok)
        return std::nullopt; // ffmpeg says why it cannot read it
    const InputRange range = InputRangeOf(arguments);
    plan.start = range.start;
    const bool picture = plan.facts.video.present && !arguments.contains(u"-vn"_qs);
    const Interlacing detected = picture && NeedsInterlaceDetection(plan.facts.video)
                                     ? DetectInterlacing(ffmpeg, plan.source, plan.facts, range)
                                     : Interlacing::Unknown;
    const TrackChoices choices = TrackChoicesFrom(qEnvironmentVariable(SoundTrackVariable),
                                                  qEnvironmentVariable(SubtitleTrackVariable),
                                                  qEnvironmentVariable(LanguageVariable));
    plan.treatment = PlanTreatment(
        plan.facts, detected, choices, OutputFrameHeight(arguments, plan.facts.video));
    return plan;
}

void ReportDecisions(const QStringList &decisions)
{
    const QByteArray lines = DecisionLines(decisions);
    if (lines.isEmpty())
        return;
    std::fwrite(lines.constData(), 1, size_t(lines.size()), stderr);
    std::fflush(stderr);
}
