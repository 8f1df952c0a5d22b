// Measures what running the encoder through Tavrel costs. A generated 60-second 640x480 clip is
// converted with profile 0's default settings (a) through an EncoderRun in a running event loop
// and (b) by running the same encoder command directly, alternating, three times each. Prints
// the median wall-time ratio (a)/(b), the processor time Tavrel's own process used during (a),
// and the largest delay a 10 ms timer on the same thread saw during (a).
//
// Usage: bench_encoder [runtime folder]   (default: the build folder it was built in)

#include "BenchRuntime.h"
#include "CommandLine.h"
#include "EncoderRun.h"
#include "MediaProbe.h"
#include "ProgramDir.h"
#include "TaskArray.h"
#include "TickCount.h"
#include "UiTimerProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

/// The shipped profile file, read once: the benchmarks time encoders, not profile reading.
const ProfileFile &ShippedProfiles()
{
    static const ProfileFile profiles(ProfileFile::DefaultPath());
    return profiles;
}

constexpr int ClipSeconds = 60;
constexpr int Runs = 3;

/// Processor seconds (user + system) this process has used; its children are not counted.
double OwnCpuSeconds()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
    return 0.0;
#endif
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

struct RunnerRun
{
    double wallSeconds = 0.0;
    double cpuSeconds = 0.0;
    qint64 largestGapMs = 0;
    int failed = 0;
};

/// (a): an EncoderRun driven by the running event loop, as a job of the batch drives it.
RunnerRun RunThroughRunner(const ConversionTask &task, const QString &output)
{
    TaskArray tasks;
    tasks.append(task);
    RunnerRun result;
    QEventLoop loop;
    UiTimerProbe probe;
    EncoderRun run;
    const QString commandLine = BuildCommandLine(ShippedProfiles(), tasks.at(0), output);
    double cpuBefore = 0.0;
    QElapsedTimer wall;
    QObject::connect(&run, &EncoderRun::finished, &loop, [&] {
        probe.end();
        result.wallSeconds = wall.nsecsElapsed() / 1e9;
        result.cpuSeconds = OwnCpuSeconds() - cpuBefore;
        result.failed = !run.FailureReason().isEmpty();
        loop.quit();
    });
    QTimer::singleShot(0, &loop, [&] {
        cpuBefore = OwnCpuSeconds();
        wall.start();
        probe.begin();
        run.Start(commandLine, tasks.at(0).id, TickCount(), tasks);
    });
    loop.exec();
    result.largestGapMs = probe.largestGapMs();
    return result;
}

/// (b): the same command, run directly with its output thrown away.
double RunDirectly(const ConversionTask &task, const QString &output)
{
    const QStringList command = SplitCommandLine(BuildCommandLine(ShippedProfiles(), task, output));
    QProcess encoder;
    encoder.setWorkingDirectory(AppDir());
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer wall;
    wall.start();
    encoder.start(AppDir() + u'/' + command.value(0), command.mid(1));
    encoder.waitForFinished(-1);
    const double seconds = wall.nsecsElapsed() / 1e9;
    if (encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0)
        std::fprintf(stderr, "direct run failed (exit code %d)\n", encoder.exitCode());
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!UseProgramFolder(argc, argv, QStringLiteral(TAVREL_RUNTIME_DIR)))
        return 1;

    QTemporaryDir work;
    const QString clip = work.filePath(u"clip.avi"_qs);
    std::printf("Generating a %d s 640x480 clip...\n", ClipSeconds);
    std::fflush(stdout);
    const QString clipError = GenerateClip(clip, ClipSeconds, QSize(640, 480));
    if (!clipError.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(clipError));
        return 1;
    }
    const ConversionTask task = NewConversionTask(clip, ClipSeconds, 0, 0);
    std::printf(
        "Command (profile 0, default settings):\n  %s\n\n",
        qPrintable(BuildCommandLine(ShippedProfiles(), task, work.filePath(u"out.mp4"_qs))));

    std::vector<double> runnerWall, directWall, ratios, cpuShare;
    qint64 largestGap = 0;
    for (int i = 0; i < Runs; ++i) {
        const QString outA = work.filePath(QStringLiteral("a%1.mp4").arg(i));
        const RunnerRun a = RunThroughRunner(task, outA);
        std::printf("(a) EncoderRun  run %d: wall %7.3f s, Tavrel CPU %6.3f s (%5.2f %%), largest "
                    "timer gap %lld ms%s\n",
                    i + 1,
                    a.wallSeconds,
                    a.cpuSeconds,
                    100.0 * a.cpuSeconds / a.wallSeconds,
                    a.largestGapMs,
                    a.failed ? "  FAILED" : "");
        std::fflush(stdout);
        const QString outB = work.filePath(QStringLiteral("b%1.mp4").arg(i));
        const double b = RunDirectly(task, outB);
        std::printf("(b) direct      run %d: wall %7.3f s\n", i + 1, b);
        std::fflush(stdout);
        QFile::remove(outA);
        QFile::remove(outB);
        runnerWall.push_back(a.wallSeconds);
        directWall.push_back(b);
        ratios.push_back(a.wallSeconds / b);
        cpuShare.push_back(100.0 * a.cpuSeconds / a.wallSeconds);
        largestGap = std::max(largestGap, a.largestGapMs);
    }

    std::printf(
        "\nmedian wall time: (a) %.3f s, (b) %.3f s\n", Median(runnerWall), Median(directWall));
    std::printf("median wall-time ratio (a)/(b):          %.4f   (target <= 1.02)\n",
                Median(ratios));
    std::printf("Tavrel's own CPU during (a), median:     %.3f %% of the conversion's wall time "
                "(target <= 2 %%)\n",
                Median(cpuShare));
    std::printf(
        "largest delay of the 10 ms timer in (a): %lld ms beyond its interval (gap %lld ms; "
        "target <= 50 ms)\n",
        std::max<qint64>(0, largestGap - UiTimerProbe::IntervalMs),
        largestGap);
    return 0;
}
