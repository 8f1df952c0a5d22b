#include "PreConversion.h"

#include "BatchState.h"
#include "MediaConverter.h"
#include "OutputPath.h"
#include "PartFile.h"
#include "PumpMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
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
// The wait of PreConvert sleeps until an event arrives, at most this long.
constexpr int WaitSliceMs = 100;
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

void PreConvert(
    int index, quint32 &startTick, TaskArray &tasks, MediaConverter &media, PartFile &intermediate)
{
    if (!tasks.isValidIndex(index))
        return;
    const IntermediateCodecs codecs
        = ChooseIntermediateCodecs(media.VideoCodecList(), media.AudioCodecList());
    const bool avi = codecs.avi();

    const ConversionTask task = tasks.at(index);
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

    // Exclusively created under a random name: two windows pre-converting files of the same
    // title can never write into one file, and no file of anyone else is ever replaced.
    QString error;
    const bool created = intermediate.Create(
        [&task, avi](int) {
            const quint64 random = QRandomGenerator::system()->generate64();
            return IntermediateFileName(task.title, QString::number(random, 36), avi);
        },
        &error);
    tasks.update(index, NoColumn, [&intermediate](ConversionTask &t) {
        t.intermediatePath = intermediate.Path();
        t.preconvPhase = 1;
        t.preconvDone = 0;
    });
    if (!created) {
        tasks.fail(index, error);
        return;
    }
    startTick = TickCount();

    if (!media.StartConversion(intermediate.Path())) {
        intermediate.Remove();
        // A Stop while the converter was starting is no failure of the task.
        if (!g_stopRequested)
            tasks.fail(index, media.LastConversionError());
        return;
    }

    // The media component's events arrive while events are dispatched here; the wait sleeps
    // until the next one instead of spinning, leaving the processor to the converter.
    for (;;) {
        if (g_stopRequested)
            return;
        if (tasks.at(index).preconvDone == 1)
            return;
        PumpMessagesWaiting(WaitSliceMs);
    }
}

void OnConversionProgress(int index,
                          double position,
                          double total,
                          quint32 startTick,
                          TaskArray &tasks,
                          MediaConverter &media)
{
    if (!tasks.isValidIndex(index))
        return;
    position = Finite(position);
    total = Finite(total);

    if (tasks.at(index).outputWmv == 1) {
        tasks.update(index, ProgressColumn, [&](ConversionTask &task) {
            task.wmvPercent
                = total > 0.0 ? int(std::clamp(100.0 / total * position + 0.5, 0.0, 100.0)) : 0;
        });
        return;
    }

    const quint32 elapsedMs = TickCount() - startTick;
    const double rate = elapsedMs > 0 ? position * 1000.0 / double(elapsedMs) : 0.0;
    tasks.update(index, ProgressColumn, [&](ConversionTask &task) {
        task.preconvPosition = position;
        task.preconvPercent = total > 0.0 ? std::clamp(100.0 / total * position, 0.0, 100.0) : 0.0;
        const double left = std::max(0.0, total - position);
        task.preconvRemaining = rate > 0.0 && position > SteadyRateSeconds ? left / rate : left;
    });
    PumpMessages();

    if (g_stopRequested) {
        media.StopConversion();
        QFile::remove(tasks.at(index).intermediatePath);
    }
}

void OnConversionFinished(int index, TaskArray &tasks, MediaConverter &media, int &wmvConverting)
{
    media.StopConversion();
    if (!tasks.isValidIndex(index))
        return;
    const bool succeeded = media.LastConversionSucceeded();

    if (tasks.at(index).outputWmv == 1) {
        wmvConverting = 0;
        if (!succeeded)
            tasks.fail(index, media.LastConversionError());
        return;
    }

    QString intermediate;
    tasks.update(index, ProgressColumn, [&intermediate](ConversionTask &task) {
        task.preconvPhase = 2;
        task.preconvDone = 1;
        intermediate = task.intermediatePath;
    });
    if (!succeeded) {
        // A half-written intermediate would be encoded as if it were the whole source.
        tasks.fail(index, media.LastConversionError());
        if (!intermediate.isEmpty())
            QFile::remove(intermediate);
    }
}
