// Measures what copying a fitting source saves. Ten generated phone-like clips (H.264 High with
// AAC at 1280x720 and 1920x1080, grainy so that they hold their bit rate; one Matroska file that
// states no bit rates, one turned a quarter, one with 5.1 sound) go through the phones and the
// TV profile three ways: as shipped (copying what fits), with copying off (what "Always
// re-encode" does), and by HandBrakeCLI's nearest preset when it is installed. Prints per clip
// and way: the encoder's decision, wall time, size, bit rate, SSIM against the source fitted by
// the profile's chain, and whether the output's video packets are the source's own.
//
// Usage: bench_copy [runtime folder] [seconds]   (defaults: the build folder, 30 s)

#include "BenchMedia.h"
#include "BenchRuntime.h"
#include "CommandLine.h"
#include "EncoderEnvironment.h"
#include "MediaProbe.h"
#include "PictureFit.h"
#include "ProfileFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Clip
{
    const char *name;
    QSize size;
    int fps;
    int kbps;
    const char *extension;
    int channels;
    bool rotated;
};

constexpr Clip Clips[] = {
    {"720p30 3M", {1280, 720}, 30, 3000, "mp4", 2, false},
    {"720p30 4M", {1280, 720}, 30, 4000, "mp4", 2, false},
    {"720p60 4M", {1280, 720}, 60, 4000, "mp4", 2, false},
    {"720p30 3M mkv", {1280, 720}, 30, 3000, "mkv", 2, false},
    {"720p30 3M 5.1", {1280, 720}, 30, 3000, "mp4", 6, false},
    {"540p30 2M turned", {960, 540}, 30, 2000, "mp4", 2, true},
    {"1080p30 6M", {1920, 1080}, 30, 6000, "mp4", 2, false},
    {"1080p30 8M", {1920, 1080}, 30, 8000, "mp4", 2, false},
    {"1080p60 9M", {1920, 1080}, 60, 9000, "mp4", 2, false},
    {"1080p30 12M", {1920, 1080}, 30, 12000, "mp4", 2, false},
};

/// A phone's clip: H.264 High with a key frame every two seconds and AAC-LC sound; the grain
/// makes the encoder spend the whole bit rate, as a real picture does.
bool MakeClip(const Clip &clip, const QString &path, int seconds)
{
    const QString made = path + u".made."_qs + QString::fromLatin1(clip.extension);
    const QString kbps = QString::number(clip.kbps);
    const QString arguments
        = QStringLiteral("-y -f lavfi -i testsrc2=size=%1x%2:rate=%3,noise=alls=10:allf=t -f lavfi "
                         "-i sine=frequency=440:sample_rate=48000 -t %4 -c:v libx264 -preset "
                         "veryfast -profile:v high -g %5 -b:v %6k -maxrate %6k -bufsize %7k "
                         "-pix_fmt yuv420p -c:a aac -ac %8 -b:a %9k")
              .arg(clip.size.width())
              .arg(clip.size.height())
              .arg(clip.fps)
              .arg(seconds)
              .arg(clip.fps * 2)
              .arg(kbps)
              .arg(clip.kbps * 2)
              .arg(clip.channels)
              .arg(clip.channels > 2 ? 384 : 128);
    Run run = RunProgram(u"ffmpeg"_qs, arguments.split(u' ') + QStringList{made}, true);
    if (run.ok) {
        // FFmpeg 5.1 turns a picture only by a tag written while copying.
        QStringList copy{"-y", "-i", made, "-c", "copy"};
        if (clip.rotated)
            copy << "-metadata:s:v:0"
                 << "rotate=90";
        run = RunProgram(u"ffmpeg"_qs, copy << path, true);
    }
    QFile::remove(made);
    if (!run.ok)
        std::fprintf(stderr, "%s\n", qPrintable(run.errors.right(2000)));
    return run.ok;
}

struct Result
{
    bool ok = false;
    QString decision;
    double seconds = 0.0;
    qint64 bytes = 0;
    double ssim = std::nan("");
    bool samePackets = false;
};

Result Measure(const Run &run,
               const QString &output,
               const QString &source,
               const QString &chain,
               const QString &decision)
{
    Result result;
    result.ok = run.ok;
    result.seconds = run.seconds;
    result.decision = decision;
    if (!run.ok) {
        result.decision = run.errors.trimmed().section(u'\n', -1);
        return result;
    }
    result.bytes = QFileInfo(output).size();
    result.ssim = Ssim(output, source, chain);
    result.samePackets = PacketHashes(output, u"v"_qs) == PacketHashes(source, u"v"_qs);
    QFile::remove(output);
    return result;
}

void PrintRow(const char *clip, int profile, const char *way, const Result &r, int seconds)
{
    std::printf("%-17s %2d %-16s %7.2f %8.2f %7.0f %7.4f %-4s %s\n",
                clip,
                profile,
                way,
                r.seconds,
                r.bytes / 1e6,
                r.bytes * 8.0 / 1000.0 / seconds,
                r.ssim,
                r.samePackets ? "yes" : "no",
                qPrintable(r.decision.left(80)));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!UseProgramFolder(argc, argv, QStringLiteral(TAVREL_RUNTIME_DIR)))
        return 1;
    const int seconds = argc > 2 ? std::max(1, atoi(argv[2])) : 30;
    const QString handBrake = QStandardPaths::findExecutable(QStringLiteral("HandBrakeCLI"));
    const ProfileFile profiles(ProfileFile::DefaultPath());
    QTemporaryDir work;

    std::printf("wall: seconds of the whole run; SSIM against the source fitted by the profile's "
                "chain;\nsame: the output's video packets are the source's, bit for bit.\n\n");
    std::printf("%-17s %2s %-16s %7s %8s %7s %7s %-4s %s\n",
                "clip",
                "pr",
                "way",
                "wall s",
                "size MB",
                "kbit/s",
                "SSIM",
                "same",
                "decision");
    int number = 0;
    for (const Clip &clip : Clips) {
        const QString source
            = work.filePath(QStringLiteral("clip%1.%2").arg(number++).arg(clip.extension));
        if (!MakeClip(clip, source, seconds))
            return 1;
        for (const int profile : {4, 5}) {
            const QSize box = profile == 4 ? QSize(1280, 720) : QSize(1920, 1080);
            const QString chain = FitWithinFilter(box.width(), box.height());
            ConversionTask task = NewConversionTask(source, seconds, 0, 0);
            task.mpeg4Profile = profile;
            const QString output = work.filePath(u"out.mp4"_qs);
            QStringList arguments
                = SplitCommandLine(BuildCommandLine(profiles, task, output)).mid(1);
            arguments.replaceInStrings(QRegularExpression(u"^-n$"_qs), u"-y"_qs);

            for (const bool copying : {true, false}) {
                QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
                if (!copying)
                    environment.insert(QString::fromLatin1(AlwaysEncodeVariable), u"1"_qs);
                const Run run = RunProgram(AppDir() + u"/tavenc"_qs, arguments, true, environment);
                const QString decision = run.errors.section(u'\n', 0, 0);
                PrintRow(clip.name,
                         profile,
                         copying ? "tavenc" : "tavenc no copy",
                         Measure(run, output, source, chain, decision),
                         seconds);
            }
            if (handBrake.isEmpty())
                continue;
            const QString preset = profile == 4 ? u"Fast 720p30"_qs : u"Fast 1080p30"_qs;
            const QString hbOutput = work.filePath(u"hb.mp4"_qs);
            const Run run = RunProgram(
                handBrake, {"-i", source, "-o", hbOutput, "--preset", preset, "--crop", "0:0:0:0"});
            PrintRow(clip.name,
                     profile,
                     qPrintable(u"HB "_qs + preset),
                     Measure(run, hbOutput, source, chain, u"HandBrakeCLI"_qs),
                     seconds);
        }
        QFile::remove(source);
    }
    return 0;
}
