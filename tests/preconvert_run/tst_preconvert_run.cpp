// Pre-conversions for real: a RealMedia file goes through a conversion job, the media component's
// converter and ffmpeg into an intermediate file, which the encoder then reads.

#include "MediaFixtures.h"

#include "CVideoEdit.h"
#include "ConversionJob.h"
#include "FfmpegConverter.h"
#include "ProfileFile.h"
#include "ProgramDir.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace MediaFixtures;

namespace {

/// The real component with stand-in codec lists (the only thing changed): lets a test see the
/// MPEG kind on a machine whose FFmpeg has the AVI codecs.
class ListOverride : public MediaConverter
{
public:
    ListOverride()
    {
        connect(&m_media,
                &MediaConverter::ConversionProgress,
                this,
                &MediaConverter::ConversionProgress);
        connect(&m_media,
                &MediaConverter::ConversionFinished,
                this,
                &MediaConverter::ConversionFinished);
        connect(
            &m_media, &MediaConverter::ConversionOutput, this, &MediaConverter::ConversionOutput);
    }
    QStringList video;
    QStringList audio;

    double GetMediaDuration(const QString &path) override { return m_media.GetMediaDuration(path); }
    MediaItemList VideoCodecList() const override { return MediaItemList(video); }
    MediaItemList AudioCodecList() const override { return MediaItemList(audio); }
    MediaItemList WmvProfileList() const override { return m_media.WmvProfileList(); }
    void SetOutputWidth(int v) override { m_media.SetOutputWidth(v); }
    void SetOutputHeight(int v) override { m_media.SetOutputHeight(v); }
    void SetOutputBitDepth(int v) override { m_media.SetOutputBitDepth(v); }
    void SetOutputFormat(int v) override { m_media.SetOutputFormat(v); }
    void SetFrameRate(double v) override { m_media.SetFrameRate(v); }
    void SetWmvProfileIndex(int v) override { m_media.SetWmvProfileIndex(v); }
    void SetVideoCodecIndex(int v) override { m_media.SetVideoCodecIndex(v); }
    void SetAudioCodecIndex(int v) override { m_media.SetAudioCodecIndex(v); }
    void SetUseVideoCodec(bool v) override { m_media.SetUseVideoCodec(v); }
    void SetUseAudioCodec(bool v) override { m_media.SetUseAudioCodec(v); }
    void ResetClips() override { m_media.ResetClips(); }
    bool AddVideoClip(const QString &p, double a, double b, int n) override
    {
        return m_media.AddVideoClip(p, a, b, n);
    }
    bool AddAudioClip(const QString &p, double a, double b) override
    {
        return m_media.AddAudioClip(p, a, b);
    }
    bool StartConversion(const QString &path) override { return m_media.StartConversion(path); }
    void StopConversion() override { m_media.StopConversion(); }
    void SuspendConversion(bool s) override { m_media.SuspendConversion(s); }
    bool IsConverting() const override { return m_media.IsConverting(); }
    bool LastConversionSucceeded() const override { return m_media.LastConversionSucceeded(); }
    QString LastConversionError() const override { return m_media.LastConversionError(); }

private:
    FfmpegConverter m_media;
};

} // namespace

class TestPreconvertRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void preconvertsForReal_data();
    void preconvertsForReal();
    void stopRemovesTheIntermediate();
    void refusedStartLeavesPhaseOne();

private:
    ConversionTask taskFor(const QString &source, const QString &title, double start, double end);
    /// A job for the first task; converters come from makeConverter.
    std::unique_ptr<ConversionJob> jobFor(ConverterFactory makeConverter);
    /// Runs job to its end.
    void run(ConversionJob &job);

    QTemporaryDir m_dir;
    QString m_programDir;
    QString m_rm;
    QString m_longRm;
    TaskArray m_tasks;
    QList<ConversionTask> m_progressSeen;
    std::unique_ptr<ProfileFile> m_profiles;
};

void TestPreconvertRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_programDir = m_dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_programDir));
    m_rm = m_dir.filePath(QStringLiteral("holiday.rm"));
    m_longRm = m_dir.filePath(QStringLiteral("long.rm"));
    QString log;
    QVERIFY2(MakeSource(m_rm, 3.0, QStringLiteral("176x144"), &log), qPrintable(log));
    QVERIFY2(MakeSource(m_longRm, 60.0, QStringLiteral("352x288"), &log), qPrintable(log));
}

void TestPreconvertRun::init()
{
    // Intermediates go to a folder of the test's; the encoder's profiles are the laid-out ones.
    g_programDir = m_programDir + QLatin1Char('/');
    const QString app = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QStringLiteral("/app");
    QFile::link(app, m_programDir + QStringLiteral("/app"));
    m_profiles = std::make_unique<ProfileFile>(app + QStringLiteral("/Zune_Profile.ini"));
    m_tasks.clear();
    m_progressSeen.clear();
    m_tasks.setCellInvalidator([this](int first, int, int column) {
        if (column == ProgressColumn)
            m_progressSeen.append(m_tasks.at(first));
    });
}

void TestPreconvertRun::cleanup()
{
    QDir(m_programDir).removeRecursively();
    QDir().mkpath(m_programDir);
}

std::unique_ptr<ConversionJob> TestPreconvertRun::jobFor(ConverterFactory makeConverter)
{
    JobSettings settings;
    settings.outputDirectory = m_dir.path();
    settings.profiles = m_profiles.get();
    settings.converters = std::move(makeConverter);
    return std::make_unique<ConversionJob>(m_tasks.at(0).id, m_tasks, settings);
}

void TestPreconvertRun::run(ConversionJob &job)
{
    QSignalSpy ended(&job, &ConversionJob::ended);
    QVERIFY(ended.isValid());
    job.Start();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 120000);
}

ConversionTask TestPreconvertRun::taskFor(const QString &source,
                                          const QString &title,
                                          double start,
                                          double end)
{
    ConversionTask task = NewConversionTask(source, end, 0, 0);
    task.title = title;
    task.baseName = title;
    task.trimStart = start;
    task.trimEnd = end;
    return task;
}

void TestPreconvertRun::preconvertsForReal_data()
{
    QTest::addColumn<bool>("realLists");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("videoCodec");
    QTest::addColumn<QString>("audioCodec");
    QTest::addColumn<double>("frameRate");
    QTest::addRow("AVI with the installed codecs") << true << "avi"
                                                   << "msmpeg4v3"
                                                   << "mp3" << 25.0;
    QTest::addRow("MPEG when no codec is listed") << false << "mpg"
                                                  << "mpeg1video"
                                                  << "mp2" << 24000.0 / 1001.0;
}

void TestPreconvertRun::preconvertsForReal()
{
    QFETCH(bool, realLists);
    QFETCH(QString, extension);
    QFETCH(QString, videoCodec);
    QFETCH(QString, audioCodec);
    QFETCH(double, frameRate);

    ConversionTask task = taskFor(m_rm, QStringLiteral("holiday"), 0.5, 2.5);
    QCOMPARE(task.needsPreconversion, 1);
    m_tasks.append(task);
    // The intermediate lives as long as its job: a copy is kept when its end is reported.
    const QString kept = m_dir.filePath(QStringLiteral("kept.") + extension);
    QFile::remove(kept);
    QString intermediate;
    m_tasks.setCellInvalidator([&](int first, int, int column) {
        const ConversionTask seen = m_tasks.at(first);
        if (column == ProgressColumn && seen.preconvPhase == 1)
            m_progressSeen.append(seen);
        if (seen.preconvDone == 1 && intermediate.isEmpty()) {
            intermediate = seen.intermediatePath;
            QVERIFY(QFile::copy(intermediate, kept));
        }
    });
    const auto job = jobFor([realLists]() -> std::unique_ptr<MediaConverter> {
        if (realLists)
            return std::make_unique<FfmpegConverter>();
        return std::make_unique<ListOverride>();
    });
    run(*job);

    task = m_tasks.at(0);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QCOMPARE(task.preconvPhase, 2);
    QCOMPARE(task.preconvDone, 1);
    const QRegularExpression name(QStringLiteral("^%1holiday_[0-9a-z]+\\.%2$")
                                      .arg(QRegularExpression::escape(g_programDir), extension));
    QVERIFY2(name.match(intermediate).hasMatch(), qPrintable(intermediate));
    QVERIFY(!QFile::exists(intermediate)); // gone with its job

    // Progress arrived in order and reached the end of the trimmed part.
    QVERIFY(!m_progressSeen.isEmpty());
    double previous = -1.0;
    for (const ConversionTask &seen : std::as_const(m_progressSeen)) {
        QVERIFY(seen.preconvPosition >= previous);
        QVERIFY(seen.preconvPercent >= 0.0 && seen.preconvPercent <= 100.0);
        QVERIFY(seen.preconvRemaining >= 0.0);
        previous = seen.preconvPosition;
    }
    QVERIFY2(m_progressSeen.last().preconvPercent > 85.0,
             qPrintable(QString::number(m_progressSeen.last().preconvPercent)));

    const ProbeResult probe = Probe(kept);
    QVERIFY(probe.ok);
    QCOMPARE(probe.videoCodec, videoCodec);
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QVERIFY2(qAbs(probe.frameRate - frameRate) < 0.001,
             qPrintable(QString::number(probe.frameRate)));
    QCOMPARE(probe.audioCodec, audioCodec);
    QVERIFY2(qAbs(probe.duration - 2.0) < 0.3, qPrintable(QString::number(probe.duration)));
    // The encoder read it whole: the output lasts the trimmed part.
    QVERIFY2(qAbs(Probe(task.outputFile).duration - 2.0) < 0.3, qPrintable(task.outputFile));

    // The intermediate is a file the player can read.
    CVideoEdit media;
    QSignalSpy ended(&media, &CVideoEdit::PlaybackEnded);
    media.AddVideoClip(kept, 0.0, 1.0, 0);
    QVERIFY(media.StartPlayback());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 60000);
}

void TestPreconvertRun::stopRemovesTheIntermediate()
{
    m_tasks.append(taskFor(m_longRm, QStringLiteral("long"), 0.0, 60.0));
    const auto job = jobFor([] { return std::make_unique<FfmpegConverter>(); });
    // Stop is pressed while the first progress is shown (the list asks for the cell then).
    bool stopped = false;
    m_tasks.setCellInvalidator([&](int first, int, int) {
        if (!stopped && m_tasks.at(first).preconvPercent > 0.0) {
            stopped = true;
            job->Stop();
        }
    });
    run(*job);

    QVERIFY(stopped);
    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.state, TaskState::Stopped);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.preconvPhase, 1);
    QVERIFY(!task.intermediatePath.isEmpty());
    QVERIFY(!QFile::exists(task.intermediatePath));
    QCOMPARE(QDir(m_programDir).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(m_dir.path()).entryList({"*long*.mp4"}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestPreconvertRun::refusedStartLeavesPhaseOne()
{
    m_tasks.append(taskFor(m_rm, QStringLiteral("refused"), 0.0, 3.0));
    const auto job = jobFor([] {
        auto media = std::make_unique<FfmpegConverter>();
        media->SetFfmpegProgram(QStringLiteral("tavrel-no-such-converter"));
        return media;
    });
    run(*job);

    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.preconvPhase, 1);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.state, TaskState::Failed);
    QVERIFY(task.failureReason.contains(QStringLiteral("tavrel-no-such-converter")));
    QVERIFY(!QFile::exists(task.intermediatePath));
}

QTEST_MAIN(TestPreconvertRun)
#include "tst_preconvert_run.moc"
