#include "PreConversion.h"

#include "MediaConverter.h"
#include "OutputPath.h"
#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

#include <cmath>
#include <ctime>

namespace {

const QString PreferredVideo = QStringLiteral("Microsoft MPEG-4 Video Codec V3");
const QString FallbackVideo = QStringLiteral("DivX");
const QString PreferredAudio = QStringLiteral("MPEG Layer-3");
const QString FallbackAudio = QStringLiteral("PCM");

constexpr int IntermediateWidth = 320;
constexpr int IntermediateHeight = 240;
constexpr int IntermediateBitDepth = 24;
constexpr double AviFrameRate = 25.0;
constexpr double MpegFrameRate = 23.976;
// Below this many seconds of source the rate is too unsteady to predict the rest from.
constexpr double SteadyRateSeconds = 20.0;

double Finite(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

int LastIndexContaining(const MediaItemList &list, const QString &text)
{
    int found = -1;
    const int count = list.Count();
    for (int i = 0; i < count; ++i) {
        if (list.ItemName(i).contains(text, Qt::CaseSensitive))
            found = i;
    }
    return found;
}

IntermediateCodecs ChooseIntermediateCodecs(const MediaItemList &videoCodecs,
                                            const MediaItemList &audioCodecs)
{
    IntermediateCodecs codecs;
    const int mpeg4 = LastIndexContaining(videoCodecs, PreferredVideo);
    codecs.video = mpeg4 >= 0 ? mpeg4 : LastIndexContaining(videoCodecs, FallbackVideo);
    const int mp3 = LastIndexContaining(audioCodecs, PreferredAudio);
    codecs.audio = mp3 >= 0 ? mp3 : LastIndexContaining(audioCodecs, FallbackAudio);
    return codecs;
}

int RandomBetweenWith(int a, int b, int r)
{
    if (b < a)
        return a;
    const qint64 span = qint64(b) - qint64(a) + 1;
    return int(qint64(a) + qint64(r) * span / 32767);
}

int RandomBetween(int a, int b)
{
    if (b < a)
        return a;
    // The generator of the Windows C runtime (rand after srand(time)), so the numbers are the
    // same on every platform and no other user of rand() is disturbed.
    quint32 state = quint32(std::time(nullptr));
    state = state * 214013u + 2531011u;
    const int r = int((state >> 16) & 0x7fff);
    return RandomBetweenWith(a, b, r);
}

QString IntermediateFolder()
{
    QString folder = g_programDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_programDir;
    // An installed program's folder is usually read-only; trying is the only sure test.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("tavrel_probe_XXXXXX")));
    if (folder.isEmpty() || !probe.open())
        folder = QDir::tempPath();
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString IntermediateFileName(const QString &title, const QString &unique, bool avi)
{
    QString safeTitle = title;
    safeTitle.replace(QLatin1Char('/'), QLatin1Char('_'));
    safeTitle.replace(QLatin1Char('\\'), QLatin1Char('_'));
    const QString suffix = QStringLiteral("_%1.%2").arg(unique, avi ? u"avi"_qs : u"mpg"_qs);
    return IntermediateFolder() + FitFileName(safeTitle, suffix);
}

bool SetUpIntermediateConversion(MediaConverter &media, const ConversionTask &task)
{
    const IntermediateCodecs codecs
        = ChooseIntermediateCodecs(media.VideoCodecList(), media.AudioCodecList());
    const bool avi = codecs.avi();
    media.ResetClips();
    media.SetOutputWidth(IntermediateWidth);
    media.SetOutputHeight(IntermediateHeight);
    media.SetOutputBitDepth(IntermediateBitDepth);
    media.SetFrameRate(avi ? AviFrameRate : MpegFrameRate);
    media.SetOutputFormat(avi ? AviIntermediateFormat : MpegIntermediateFormat);
    if (avi) {
        media.SetUseVideoCodec(true);
        media.SetVideoCodecIndex(codecs.video);
        media.SetUseAudioCodec(true);
        media.SetAudioCodecIndex(codecs.audio);
    }
    media.SetTrackChoices(task.soundTrack, task.subtitleTrack);
    media.AddVideoClip(task.sourcePath, task.trimStart, task.trimEnd, 0);
    media.AddAudioClip(task.sourcePath, task.trimStart, task.trimEnd);
    return avi;
}

void ApplyPreconversionProgress(ConversionTask &task,
                                double position,
                                double total,
                                quint32 elapsedMs)
{
    position = Finite(position);
    total = Finite(total);
    const double rate = elapsedMs > 0 ? position * 1000.0 / double(elapsedMs) : 0.0;
    task.preconvPosition = position;
    task.preconvPercent = total > 0.0 ? std::clamp(100.0 / total * position, 0.0, 100.0) : 0.0;
    const double left = std::max(0.0, total - position);
    task.preconvRemaining = rate > 0.0 && position > SteadyRateSeconds ? left / rate : left;
}

int WmvPercent(double position, double total)
{
    position = Finite(position);
    total = Finite(total);
    return total > 0.0 ? int(std::clamp(100.0 / total * position + 0.5, 0.0, 100.0)) : 0;
}
