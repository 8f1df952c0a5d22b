// Measures what each shipped profile gives for its bytes. Two generated hard clips (moving
// detail with grain and noisy stereo sound; one 16:9, one 4:3) are converted with every profile
// of the profile file through the encoder (tavenc) and, for its overhead, by ffmpeg run directly
// with the arguments tavenc translates them to. Prints per profile and clip: both wall times,
// the output size and bit rate, and SSIM against the source scaled and fitted by the same filter
// chain the profile used (ffmpeg's ssim filter). When HandBrakeCLI is installed, the nearest of
// its built-in presets is measured the same way on the same clip. Profiles that copy a fitting
// source are made to encode (bench_copy measures the copies).
//
// Usage: bench_quality [runtime folder] [seconds]   (defaults: the build folder, 20 s)

#include "BenchMedia.h"
#include "BenchRuntime.h"
#include "CIniFile.h"
#include "CommandLine.h"
#include "CopyProbe.h"
#include "EncoderArguments.h"
#include "EncoderEnvironment.h"
#include "PictureFit.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "TaskArray.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

/// Hard to compress: a zooming fractal with fine detail everywhere, film grain, noisy sound.
bool MakeHardClip(const QString &path, QSize size, int seconds)
{
    const QString video
        = QStringLiteral("mandelbrot=size=%1x%2:rate=30000/1001,noise=alls=6:allf=t+u")
              .arg(size.width())
              .arg(size.height());
    const Run run = RunProgram(
        QStringLiteral("ffmpeg"),
        {"-y",
         "-f",
         "lavfi",
         "-i",
         video,
         "-f",
         "lavfi",
         "-i",
         "aevalsrc=0.05*(random(0)*2-1)+0.2*sin(440*2*PI*t)|0.05*(random(1)*2-1):s=48000",
         "-t",
         QString::number(seconds),
         "-c:v",
         "libx264",
         "-preset",
         "ultrafast",
         "-crf",
         "10",
         "-c:a",
         "pcm_s16le",
         path},
        true);
    if (!run.ok)
        std::fprintf(stderr, "%s\n", qPrintable(run.errors));
    return run.ok;
}

/// The value after option in arguments, or empty.
QString ValueOf(const QStringList &arguments, const QString &option)
{
    const qsizetype index = arguments.lastIndexOf(option);
    return index >= 0 && index + 1 < arguments.size() ? arguments.at(index + 1) : QString();
}

struct Measure
{
    double seconds = 0.0;
    qint64 bytes = 0;
    double ssim = std::nan("");
};

void PrintRow(const char *clip,
              const QString &who,
              const Measure &m,
              double directSeconds,
              double clipSeconds)
{
    const double kbps = m.bytes * 8.0 / 1000.0 / clipSeconds;
    const double megabytes = m.bytes / 1e6;
    std::printf("%-5s %-44s %8.2f %8s %9.0f %7.0f %7.4f %6.2f %8.2f\n",
                clip,
                qPrintable(who.left(44)),
                m.seconds,
                directSeconds > 0 ? qPrintable(QString::number(directSeconds, 'f', 2)) : "-",
                m.bytes / 1000.0,
                kbps,
                m.ssim,
                Decibels(m.ssim),
                Decibels(m.ssim) / megabytes);
    std::fflush(stdout);
}

/// HandBrake's nearest built-in preset to a profile and the container it writes.
struct Preset
{
    QString name;
    QString extension;
};

Preset NearestPreset(int profile)
{
    switch (profile) {
    case 4:
        return {QStringLiteral("Fast 720p30"), QStringLiteral("mp4")};
    case 5:
        return {QStringLiteral("Fast 1080p30"), QStringLiteral("mp4")};
    case 6:
        return {QStringLiteral("H.265 MKV 1080p30"), QStringLiteral("mkv")};
    default:
        return {QStringLiteral("Fast 480p30"), QStringLiteral("mp4")};
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // What the encoders make of the bytes: a profile that may copy a fitting source encodes here.
    qputenv(AlwaysEncodeVariable, "1");
    if (!UseProgramFolder(argc, argv, QStringLiteral(TAVREL_RUNTIME_DIR)))
        return 1;
    const int seconds = argc > 2 ? std::max(1, atoi(argv[2])) : 20;
    const QString handBrake = QStandardPaths::findExecutable(QStringLiteral("HandBrakeCLI"));

    QTemporaryDir work;
    struct Clip
    {
        const char *name;
        QSize size;
        QString path;
    };
    QList<Clip> clips{{"16:9", QSize(1280, 720), work.filePath(u"wide.mkv"_qs)},
                      {"4:3", QSize(640, 480), work.filePath(u"four3.mkv"_qs)}};
    for (const Clip &clip : clips) {
        std::printf("Generating a %d s %dx%d hard clip...\n",
                    seconds,
                    clip.size.width(),
                    clip.size.height());
        std::fflush(stdout);
        if (!MakeHardClip(clip.path, clip.size, seconds))
            return 1;
    }

    CIniFile ini;
    ini.SetPath(AppDir() + u"/Zune_Profile.ini"_qs);
    QStringList sections;
    ini.GetSectionNames(sections);
    const int profiles = int(sections.size()) - 1;
    const ProfileFile profileFile(ProfileFile::DefaultPath());

    std::printf("\nwall: seconds through tavenc; direct: the same conversion by ffmpeg with the "
                "translated arguments.\nSSIM against the source fitted by the profile's own "
                "chain; dB = -10 log10(1 - SSIM); dB/MB = SSIM dB per megabyte.\n\n");
    QMap<QString, Measure> handBrakeRuns; // a preset already measured on a clip and frame
    std::printf("%-5s %-44s %8s %8s %9s %7s %7s %6s %8s\n",
                "clip",
                "profile",
                "wall s",
                "direct s",
                "size kB",
                "kbit/s",
                "SSIM",
                "dB",
                "dB/MB");
    for (const Clip &clip : clips) {
        for (int profile = 0; profile < profiles; ++profile) {
            ConversionTask task = NewConversionTask(clip.path, seconds, 0, 0);
            task.mpeg4Profile = profile;
            const QString output = work.filePath(QStringLiteral("p%1.mp4").arg(profile));
            const QString direct = work.filePath(QStringLiteral("d%1.mp4").arg(profile));
            const QStringList command
                = SplitCommandLine(BuildCommandLine(profileFile, task, output));
            QStringList tavencArguments = command.mid(1);
            tavencArguments.removeAll(u"-n"_qs);
            tavencArguments.prepend(u"-y"_qs);

            Measure ours;
            const Run run = RunProgram(AppDir() + u"/tavenc"_qs, tavencArguments, true);
            if (!run.ok) {
                std::fprintf(stderr, "profile %d failed: %s\n", profile, qPrintable(run.errors));
                continue;
            }
            ours.seconds = run.seconds;
            ours.bytes = QFileInfo(output).size();
            QStringList translated
                = TranslateEncoderArguments(PlanStreamCopy(tavencArguments, true).arguments);
            translated.last() = direct;
            const Run directRun = RunProgram(QStringLiteral("ffmpeg"), translated);
            QString chain = ValueOf(translated, u"-vf"_qs);
            if (chain.isEmpty())
                chain = u"null"_qs;
            ours.ssim = Ssim(output, clip.path, chain);
            const QString title = ini.GetString(sections.at(profile + 1), u"Title"_qs);
            PrintRow(clip.name,
                     QStringLiteral("%1 %2").arg(profile).arg(title),
                     ours,
                     directRun.ok ? directRun.seconds : -1.0,
                     seconds);
            QFile::remove(direct);

            if (handBrake.isEmpty())
                continue;
            // HandBrake keeps the shape without bars and never enlarges: its frame is the
            // largest within the profile's own.
            const Preset preset = NearestPreset(profile);
            static const QRegularExpression frame(QStringLiteral("(\\d+)x(\\d+)"));
            const QRegularExpressionMatch box = frame.match(title);
            const QString handBrakeOutput
                = work.filePath(QStringLiteral("hb%1.%2").arg(profile).arg(preset.extension));
            QStringList hbArguments{"-i",
                                    clip.path,
                                    "-o",
                                    handBrakeOutput,
                                    "--preset",
                                    preset.name,
                                    "--crop",
                                    "0:0:0:0"};
            if (profile <= 3) {
                hbArguments << "--maxWidth" << (box.hasMatch() ? box.captured(1) : u"320"_qs)
                            << "--maxHeight" << (box.hasMatch() ? box.captured(2) : u"240"_qs);
            }
            QFile::remove(output);
            const QString key = QString::fromLatin1(clip.name) + hbArguments.mid(4).join(u' ');
            if (handBrakeRuns.contains(key))
                continue;
            const Run hb = RunProgram(handBrake, hbArguments);
            if (!hb.ok) {
                std::fprintf(stderr, "HandBrakeCLI failed on %s\n", qPrintable(preset.name));
                continue;
            }
            Measure theirs;
            theirs.seconds = hb.seconds;
            theirs.bytes = QFileInfo(handBrakeOutput).size();
            theirs.ssim = Ssim(handBrakeOutput, clip.path, FitWithinFilter(4096, 4096));
            handBrakeRuns.insert(key, theirs);
            PrintRow(clip.name, u"  HandBrakeCLI "_qs + preset.name, theirs, -1.0, seconds);
            QFile::remove(handBrakeOutput);
        }
    }
    return 0;
}
