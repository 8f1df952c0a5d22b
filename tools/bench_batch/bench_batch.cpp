// Measures what converting a list through the main window costs. Twenty generated 5-second
// 640x480 clips are converted with profile 0's default settings (a) by the real main window's
// Start, offscreen, one video at a time, and (b) by running the same twenty encoder commands one
// after another directly; in two rounds, a before b and then b before a, so that neither order
// is favoured by the machine warming up. Then a mixed list (MP4, pre-converted RealMedia and WMV
// tasks) goes through Start once more, and the twenty clips with "Videos at once" 2.
//
// Prints the wall-time ratio (a)/(b) of each order and of both, the largest gap between one
// encoder's end and the next one's start in (a) (as the program sees them: the process's
// finished and started signals), the largest delay of a 10 ms timer on the user-interface thread
// during every batch, and the wall-time ratio of two at once against one at a time.
//
// Usage: bench_batch [runtime folder]   (default: the build folder it was built in)

#include "BenchRuntime.h"
#include "MediaFixtures.h"
#include "MediaProbe.h"
#include "UiTimerProbe.h"

#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "CommandLine.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "EncoderRun.h"
#include "OutputPath.h"
#include "PowerActions.h"
#include "PreConversion.h"
#include "ProgramDir.h"
#include "ShellActions.h"

#include <QApplication>
#include <QChildEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

/// The shipped profile file, read once: the benchmarks time encoders, not profile reading.
const ProfileFile &ShippedProfiles()
{
    static const ProfileFile profiles(ProfileFile::DefaultPath());
    return profiles;
}

constexpr int ClipCount = 20;
constexpr double ClipSeconds = 5.0;
constexpr int Rounds = 2;

/// Watches the encoder processes the runner starts (children of the application) and keeps the
/// largest gap between one's end and the next one's start.
class EncoderGapWatch : public QObject
{
public:
    qint64 largestGapMs = 0;
    int encoders = 0;

    void reset()
    {
        largestGapMs = 0;
        encoders = 0;
        m_lastEnd = -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A process creates its pipe notifiers as its children once it is fully constructed and
        // starting: the moment to connect to it.
        auto *process = qobject_cast<QProcess *>(watched);
        if (event->type() == QEvent::ChildAdded && process
            && qobject_cast<EncoderRun *>(process->parent())
            && !process->property("benchWatched").toBool()) {
            process->setProperty("benchWatched", true);
            connect(process, &QProcess::started, this, [this] {
                ++encoders;
                if (m_lastEnd >= 0)
                    largestGapMs = std::max(largestGapMs, m_clock.elapsed() - m_lastEnd);
            });
            connect(process, &QProcess::finished, this, [this] { m_lastEnd = m_clock.elapsed(); });
        }
        return false;
    }

private:
    QElapsedTimer m_clock = [] {
        QElapsedTimer clock;
        clock.start();
        return clock;
    }();
    qint64 m_lastEnd = -1;
};

struct BatchRun
{
    double wallSeconds = 0.0;
    qint64 largestTimerGapMs = 0;
    int finished = 0;
};

/// (a): the list through the window's Start button, clicked from a handler of a running loop,
/// until the batch has ended; atOnce videos at a time.
BatchRun RunThroughWindow(const QList<ConversionTask> &tasks, const QString &outputDir, int atOnce)
{
    CMainFrameDlg frame;
    frame.show();
    CTavrelDlg *page = frame.page();
    page->Batch().SetSimultaneous(atOnce);
    for (const ConversionTask &task : tasks)
        page->tasks().append(task);
    qobject_cast<CTaskListCtrl *>(page->Control(IDC_TASK_LIST))->SetItemCount(int(tasks.size()));
    qobject_cast<QLineEdit *>(page->Control(IDC_OUTPUT_DIR))->setText(outputDir);

    BatchRun result;
    QEventLoop loop;
    UiTimerProbe probe;
    QElapsedTimer wall;
    QObject::connect(&page->Batch(), &ConversionBatch::busyChanged, &loop, [&](bool busy) {
        if (busy)
            return;
        probe.end();
        result.wallSeconds = wall.nsecsElapsed() / 1e9;
        loop.quit();
    });
    QTimer::singleShot(0, &loop, [&] {
        wall.start();
        probe.begin();
        qobject_cast<CImageButton *>(page->Control(IDC_START))->click();
    });
    loop.exec();
    result.largestTimerGapMs = probe.largestGapMs();
    for (int i = 0; i < page->tasks().count(); ++i) {
        result.finished += IsConverted(page->tasks().at(i)) ? 1 : 0;
    }
    return result;
}

/// (b): the same encoder commands, one after another, output thrown away.
double RunDirectly(const QList<ConversionTask> &tasks, const QString &outputDir)
{
    QStringList commands;
    for (const ConversionTask &task : tasks)
        commands << BuildCommandLine(
            ShippedProfiles(), task, MakeOutputPath(outputDir, task.title, false));
    QElapsedTimer wall;
    wall.start();
    for (const QString &commandLine : commands) {
        const QStringList command = SplitCommandLine(commandLine);
        QProcess encoder;
        encoder.setWorkingDirectory(AppDir());
        encoder.setProcessChannelMode(QProcess::MergedChannels);
        encoder.setStandardOutputFile(QProcess::nullDevice());
        encoder.start(AppDir() + u'/' + command.value(0), command.mid(1));
        encoder.waitForFinished(-1);
        if (encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0)
            std::fprintf(stderr, "direct run failed (exit code %d)\n", encoder.exitCode());
    }
    return wall.nsecsElapsed() / 1e9;
}

QString NewFolder(const QTemporaryDir &work, const QString &name)
{
    QDir(work.path()).mkpath(name);
    return work.filePath(name);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing here may power the computer off or wait for a person.
    qputenv("TAVREL_NO_POWEROFF", "1");
    QApplication app(argc, argv);
    ShellActions::SetMessageHandler([](QWidget *, const QString &, const QString &, auto) {});
    PowerActions::SetCountdownHandler([](QWidget *) { return false; });
    PowerActions::SetPowerOffHandler([] { return false; });

    if (!UseProgramFolder(argc, argv, QStringLiteral(TAVREL_RUNTIME_DIR)))
        return 1;

    QTemporaryDir work;
    std::printf("Generating %d clips of %.0f s, 640x480, and a RealMedia file...\n",
                ClipCount,
                ClipSeconds);
    std::fflush(stdout);
    QList<ConversionTask> tasks;
    for (int i = 0; i < ClipCount; ++i) {
        const QString clip
            = work.filePath(QStringLiteral("clip%1.avi").arg(i + 1, 2, 10, QChar(u'0')));
        const QString error = GenerateClip(clip, ClipSeconds, QSize(640, 480));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        tasks << NewConversionTask(clip, ClipSeconds, 0, 0);
    }
    const QString realMedia = work.filePath(u"real.rm"_qs);
    if (!MediaFixtures::MakeSource(realMedia, ClipSeconds, u"640x480"_qs)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(realMedia));
        return 1;
    }
    std::printf(
        "Command of the first task (profile 0, default settings):\n  %s\n\n",
        qPrintable(BuildCommandLine(ShippedProfiles(), tasks[0], work.filePath(u"out.mp4"_qs))));

    EncoderGapWatch gaps;
    app.installEventFilter(&gaps);
    double windowTotal = 0.0;
    double directTotal = 0.0;
    qint64 largestEncoderGap = 0;
    qint64 largestTimerGap = 0;
    for (int round = 1; round <= Rounds; ++round) {
        // Round 1 runs the window first, round 2 the direct commands first.
        const bool windowFirst = round % 2 == 1;
        double b = 0.0;
        if (!windowFirst)
            b = RunDirectly(tasks, NewFolder(work, QStringLiteral("b%1").arg(round)));
        gaps.reset();
        const BatchRun a
            = RunThroughWindow(tasks, NewFolder(work, QStringLiteral("a%1").arg(round)), 1);
        if (windowFirst)
            b = RunDirectly(tasks, NewFolder(work, QStringLiteral("b%1").arg(round)));
        std::printf("round %d (%s first): (a) window %7.3f s, %d of %d finished, %d encoders, "
                    "largest encoder gap %lld ms, largest timer gap %lld ms; (b) direct %7.3f s; "
                    "ratio (a)/(b) %.4f\n",
                    round,
                    windowFirst ? "window" : "direct",
                    a.wallSeconds,
                    a.finished,
                    ClipCount,
                    gaps.encoders,
                    gaps.largestGapMs,
                    a.largestTimerGapMs,
                    b,
                    a.wallSeconds / b);
        std::fflush(stdout);
        windowTotal += a.wallSeconds;
        directTotal += b;
        largestEncoderGap = std::max(largestEncoderGap, gaps.largestGapMs);
        largestTimerGap = std::max(largestTimerGap, a.largestTimerGapMs);
    }

    // A mixed list: the media component's pre-conversions and WMV files included.
    QList<ConversionTask> mixed;
    for (int i = 0; i < 2; ++i) {
        mixed << NewConversionTask(realMedia, ClipSeconds, 0, 0);
        mixed << NewConversionTask(tasks[i].sourcePath, ClipSeconds, 1, 0);
        mixed << tasks[i];
    }
    const BatchRun m = RunThroughWindow(mixed, NewFolder(work, u"mixed"_qs), 1);
    std::printf("(m) mixed list: wall %7.3f s, %d of %lld finished, largest timer gap %lld ms\n",
                m.wallSeconds,
                m.finished,
                static_cast<long long>(mixed.size()),
                m.largestTimerGapMs);
    largestTimerGap = std::max(largestTimerGap, m.largestTimerGapMs);
    // Intermediate files of the pre-conversions stay in the program's folder: not ours to keep.
    const QStringList intermediates
        = QDir(IntermediateFolder()).entryList({u"real_*.avi"_qs, u"real_*.mpg"_qs}, QDir::Files);
    for (const QString &name : intermediates)
        QFile::remove(IntermediateFolder() + name);

    // Two at once: the same twenty clips, against one at a time (the rounds above).
    const BatchRun two = RunThroughWindow(tasks, NewFolder(work, u"two"_qs), 2);
    std::printf("(2) two at once: wall %7.3f s, %d of %d finished, largest timer gap %lld ms\n",
                two.wallSeconds,
                two.finished,
                ClipCount,
                two.largestTimerGapMs);

    std::printf(
        "\nwall time: (a) %.3f s, (b) %.3f s in %d rounds\n", windowTotal, directTotal, Rounds);
    std::printf("wall-time ratio (a)/(b):                   %.4f   (target <= 1.02)\n",
                windowTotal / directTotal);
    std::printf("largest gap between two encoders in (a):   %lld ms   (target <= 50 ms)\n",
                largestEncoderGap);
    std::printf("largest delay of the 10 ms timer, all batches: %lld ms beyond its interval (gap "
                "%lld ms; target <= 50 ms)\n",
                std::max<qint64>(0, largestTimerGap - UiTimerProbe::IntervalMs),
                largestTimerGap);
    std::printf("two at once against one at a time:        %.4f of the wall time (%d cores)\n",
                two.wallSeconds / (windowTotal / Rounds),
                ConversionBatch::MaxSimultaneous());
    std::printf("largest delay of the 10 ms timer with two jobs: %lld ms beyond its interval\n",
                std::max<qint64>(0, two.largestTimerGapMs - UiTimerProbe::IntervalMs));
    return 0;
}
