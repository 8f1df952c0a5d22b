// Pre-conversions for real: a RealMedia file goes through PreConvert, the media component and
// ffmpeg into an intermediate file, with the events routed as the main window routes them.

#include "MediaFixtures.h"

#include "BatchState.h"
#include "CVideoEdit.h"
#include "FfmpegConverter.h"
#include "PartFile.h"
#include "PreConversion.h"

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
    explicit ListOverride(FfmpegConverter &media)
        : m_media(media)
    {}
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
    bool LastConversionSucceeded() const override { return m_media.LastConversionSucceeded(); }
    QString LastConversionError() const override { return m_media.LastConversionError(); }

private:
    FfmpegConverter &m_media;
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
    /// Routes the component's events to the handlers, as the main window does.
    void wire(FfmpegConverter &media, MediaConverter &handlersMedia);
    ConversionTask taskFor(const QString &source, const QString &title, double start, double end);

    QTemporaryDir m_dir;
    QString m_programDir;
    QString m_rm;
    QString m_longRm;
    TaskArray m_tasks;
    QList<ConversionTask> m_progressSeen;
    int m_wmvConverting = 0;
    quint32 m_startTick = 0;
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
    // WMV profiles come from the laid-out program; intermediates go to a folder of the test's.
    g_programDir = m_programDir + QLatin1Char('/');
    g_stopRequested = false;
    m_startTick = 0;
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

void TestPreconvertRun::wire(FfmpegConverter &media, MediaConverter &handlersMedia)
{
    connect(&media,
            &FfmpegConverter::ConversionProgress,
            this,
            [this, &handlersMedia](double p, double t) {
                OnConversionProgress(0, p, t, m_startTick, m_tasks, handlersMedia);
            });
    connect(&media, &FfmpegConverter::ConversionFinished, this, [this, &handlersMedia] {
        OnConversionFinished(0, m_tasks, handlersMedia, m_wmvConverting);
    });
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

    CVideoEdit media;
    ListOverride override(media.Converter());
    MediaConverter &used = realLists ? static_cast<MediaConverter &>(media.Converter()) : override;
    wire(media.Converter(), used);
    ConversionTask task = taskFor(m_rm, QStringLiteral("holiday"), 0.5, 2.5);
    QCOMPARE(task.needsPreconversion, 1);
    m_tasks.append(task);

    PartFile intermediate;
    PreConvert(0, m_startTick, m_tasks, used, intermediate);

    task = m_tasks.at(0);
    QVERIFY2(task.failed == 0, qPrintable(task.failureReason));
    QCOMPARE(task.preconvPhase, 2);
    QCOMPARE(task.preconvDone, 1);
    QVERIFY(!g_stopRequested);
    const QRegularExpression name(QStringLiteral("^%1holiday_[0-9a-z]+\\.%2$")
                                      .arg(QRegularExpression::escape(g_programDir), extension));
    QVERIFY2(name.match(task.intermediatePath).hasMatch(), qPrintable(task.intermediatePath));

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

    const ProbeResult probe = Probe(task.intermediatePath);
    QVERIFY(probe.ok);
    QCOMPARE(probe.videoCodec, videoCodec);
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QVERIFY2(qAbs(probe.frameRate - frameRate) < 0.001,
             qPrintable(QString::number(probe.frameRate)));
    QCOMPARE(probe.audioCodec, audioCodec);
    QVERIFY2(qAbs(probe.duration - 2.0) < 0.3, qPrintable(QString::number(probe.duration)));

    // The intermediate is a file the player (and so the encoder) can read.
    QSignalSpy ended(&media, &CVideoEdit::PlaybackEnded);
    media.ResetClips();
    media.AddVideoClip(task.intermediatePath, 0.0, 1.0, 0);
    QVERIFY(media.StartPlayback());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 60000);
}

void TestPreconvertRun::stopRemovesTheIntermediate()
{
    CVideoEdit media;
    wire(media.Converter(), media.Converter());
    m_tasks.append(taskFor(m_longRm, QStringLiteral("long"), 0.0, 60.0));
    // Stop is pressed while the first progress is shown (the list asks for the cell then).
    m_tasks.setCellInvalidator([this](int first, int, int) {
        m_progressSeen.append(m_tasks.at(first));
        g_stopRequested = true;
    });

    PartFile intermediate;
    PreConvert(0, m_startTick, m_tasks, media.Converter(), intermediate);

    QVERIFY(g_stopRequested);
    QVERIFY(!m_progressSeen.isEmpty());
    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.preconvPhase, 1);
    QVERIFY(!task.intermediatePath.isEmpty());
    QVERIFY(!media.Converter().IsConverting());
    QVERIFY(!QFile::exists(task.intermediatePath));
    QCOMPARE(QDir(m_programDir).entryList(QDir::Files), QStringList());
}

void TestPreconvertRun::refusedStartLeavesPhaseOne()
{
    CVideoEdit media;
    media.Converter().SetFfmpegProgram(QStringLiteral("tavrel-no-such-converter"));
    wire(media.Converter(), media.Converter());
    m_tasks.append(taskFor(m_rm, QStringLiteral("refused"), 0.0, 3.0));

    PartFile intermediate;
    PreConvert(0, m_startTick, m_tasks, media.Converter(), intermediate);

    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.preconvPhase, 1);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.failed, 1);
    QVERIFY(task.failureReason.contains(QStringLiteral("tavrel-no-such-converter")));
    QVERIFY(!QFile::exists(task.intermediatePath));
    QVERIFY(!g_stopRequested);
}

QTEST_MAIN(TestPreconvertRun)
#include "tst_preconvert_run.moc"
