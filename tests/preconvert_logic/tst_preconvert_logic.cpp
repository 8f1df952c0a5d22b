// The pre-conversion's choices and bookkeeping, against a media component stand-in that records
// what it is told and that a job uses as its converter (the real component is exercised in
// tst_preconvert_run).

#include "ConversionJob.h"
#include "MediaConverter.h"
#include "PreConversion.h"
#include "ProgramDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <ctime>
#include <functional>

namespace {

/// Records every call as text; StartConversion answers as the test says.
class RecordingMedia : public MediaConverter
{
public:
    QStringList calls;
    QStringList videoCodecs;
    QStringList audioCodecs;
    bool startResult = true;
    bool succeeded = true;
    QString error;
    std::function<void()> onResetClips;
    std::function<void(const QString &)> onStart;

    double GetMediaDuration(const QString &) override { return 0.0; }
    MediaItemList VideoCodecList() const override { return MediaItemList(videoCodecs); }
    MediaItemList AudioCodecList() const override { return MediaItemList(audioCodecs); }
    MediaItemList WmvProfileList() const override { return {}; }
    void SetOutputWidth(int v) override { calls << QStringLiteral("OutputWidth %1").arg(v); }
    void SetOutputHeight(int v) override { calls << QStringLiteral("OutputHeight %1").arg(v); }
    void SetOutputBitDepth(int v) override { calls << QStringLiteral("OutputBitDepth %1").arg(v); }
    void SetOutputFormat(int v) override { calls << QStringLiteral("OutputFormat %1").arg(v); }
    void SetFrameRate(double v) override { calls << QStringLiteral("FrameRate %1").arg(v); }
    void SetWmvProfileIndex(int v) override
    {
        calls << QStringLiteral("WmvProfileIndex %1").arg(v);
    }
    void SetVideoCodecIndex(int v) override
    {
        calls << QStringLiteral("VideoCodecIndex %1").arg(v);
    }
    void SetAudioCodecIndex(int v) override
    {
        calls << QStringLiteral("AudioCodecIndex %1").arg(v);
    }
    void SetUseVideoCodec(bool v) override { calls << QStringLiteral("UseVideoCodec %1").arg(v); }
    void SetUseAudioCodec(bool v) override { calls << QStringLiteral("UseAudioCodec %1").arg(v); }
    void ResetClips() override
    {
        calls << QStringLiteral("ResetClips");
        if (onResetClips)
            onResetClips();
    }
    bool AddVideoClip(const QString &path, double t1, double t2, int n) override
    {
        calls << QStringLiteral("AddVideoClip %1 %2 %3 %4").arg(path).arg(t1).arg(t2).arg(n);
        return true;
    }
    bool AddAudioClip(const QString &path, double t1, double t2) override
    {
        calls << QStringLiteral("AddAudioClip %1 %2 %3").arg(path).arg(t1).arg(t2);
        return true;
    }
    bool StartConversion(const QString &path) override
    {
        calls << QStringLiteral("StartConversion");
        if (onStart)
            onStart(path);
        converting = startResult;
        return startResult;
    }
    void StopConversion() override
    {
        calls << QStringLiteral("StopConversion");
        converting = false;
    }
    void SuspendConversion(bool) override {}
    bool IsConverting() const override { return converting; }
    /// Reports the end of the conversion, as the converter does from its event loop.
    void Finish(bool success, const QString &why = QString())
    {
        converting = false;
        succeeded = success;
        error = why;
        emit ConversionFinished();
    }
    bool converting = false;
    bool LastConversionSucceeded() const override { return succeeded; }
    QString LastConversionError() const override { return error; }
};

ConversionTask RealMediaTask(const QString &folder, const QString &title)
{
    ConversionTask task;
    task.sourcePath = QStringLiteral("%1/%2.rm").arg(folder, title);
    // The job checks that the source is there before anything runs.
    QFile(task.sourcePath).open(QIODevice::WriteOnly);
    task.title = title;
    task.baseName = title;
    task.trimStart = 1.5;
    task.trimEnd = 9.0;
    task.needsPreconversion = 1;
    return task;
}

} // namespace

class TestPreconvertLogic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void codecChoice_data();
    void codecChoice();
    void propertyWritesInOrder_data();
    void propertyWritesInOrder();
    void intermediateOfAJob();
    void refusedStartDeletesTheFile();
    void stopRemovesTheIntermediateAtOnce();
    void failedConversionFailsTheTask_data();
    void failedConversionFailsTheTask();
    void randomArithmetic_data();
    void randomArithmetic();
    void randomBetweenWithinOneSecond();
    void progressOfPreconversion_data();
    void progressOfPreconversion();
    void progressOfWmv_data();
    void progressOfWmv();
    void intermediateFolder();
    void intermediateNameIsSafe();

private:
    ConversionTask taskFor(const QString &title) { return RealMediaTask(m_dir.path(), title); }
    /// A job for task index whose converter is a RecordingMedia (m_media once made).
    std::unique_ptr<ConversionJob> jobFor(int index);

    QTemporaryDir m_dir;
    TaskArray m_tasks;
    QList<std::tuple<int, int, int>> m_invalidated;
    RecordingMedia *m_media = nullptr;
    std::function<void(RecordingMedia &)> m_setUp;
};

void TestPreconvertLogic::init()
{
    QVERIFY(m_dir.isValid());
    g_programDir = m_dir.path() + QLatin1Char('/');
    m_tasks.clear();
    m_invalidated.clear();
    m_media = nullptr;
    m_setUp = nullptr;
    m_tasks.setCellInvalidator([this](int first, int last, int column) {
        m_invalidated.append({first, last, column});
    });
}

void TestPreconvertLogic::cleanup()
{
    m_tasks.setCellInvalidator({});
}

std::unique_ptr<ConversionJob> TestPreconvertLogic::jobFor(int index)
{
    JobSettings settings;
    settings.outputDirectory = m_dir.path();
    settings.converters = [this]() -> std::unique_ptr<MediaConverter> {
        auto media = std::make_unique<RecordingMedia>();
        m_media = media.get();
        if (m_setUp)
            m_setUp(*media);
        return media;
    };
    return std::make_unique<ConversionJob>(m_tasks.at(index).id, m_tasks, settings);
}

void TestPreconvertLogic::codecChoice_data()
{
    QTest::addColumn<QStringList>("video");
    QTest::addColumn<QStringList>("audio");
    QTest::addColumn<int>("videoIndex");
    QTest::addColumn<int>("audioIndex");
    QTest::addColumn<bool>("avi");

    const QString v3 = QStringLiteral("Microsoft MPEG-4 Video Codec V3");
    const QString divx = QStringLiteral("DivX Pro 5.1 Codec");
    const QString mp3 = QStringLiteral("MPEG Layer-3");
    const QString pcm = QStringLiteral("PCM");
    QTest::addRow("preferred codecs")
        << QStringList{"Cinepak", v3, "Indeo"} << QStringList{"GSM 6.10", mp3} << 1 << 1 << true;
    QTest::addRow("fallbacks only")
        << QStringList{"Cinepak", divx} << QStringList{pcm, "GSM 6.10"} << 1 << 0 << true;
    QTest::addRow("ADPCM contains PCM as well")
        << QStringList{divx} << QStringList{pcm, "IMA ADPCM"} << 0 << 1 << true;
    QTest::addRow("preferred beats a later fallback")
        << QStringList{v3, divx} << QStringList{mp3, pcm} << 0 << 0 << true;
    QTest::addRow("last match wins")
        << QStringList{v3 + " (a)", "Cinepak", v3 + " (b)"}
        << QStringList{"PCM 8-bit", "PCM 16-bit", "GSM"} << 2 << 1 << true;
    QTest::addRow("names containing the text match")
        << QStringList{"(Microsoft MPEG-4 Video Codec V3 compatible)"}
        << QStringList{"Fraunhofer IIS MPEG Layer-3 Codec (advanced)"} << 0 << 0 << true;
    QTest::addRow("search is case-sensitive")
        << QStringList{"microsoft mpeg-4 video codec v3", "divx"} << QStringList{mp3} << -1 << 0
        << false;
    QTest::addRow("V2 is not V3") << QStringList{"Microsoft MPEG-4 Video Codec V2"}
                                  << QStringList{mp3} << -1 << 0 << false;
    QTest::addRow("no audio codec gives MPEG")
        << QStringList{v3} << QStringList{"GSM 6.10"} << 0 << -1 << false;
    QTest::addRow("empty lists give MPEG") << QStringList{} << QStringList{} << -1 << -1 << false;
}

void TestPreconvertLogic::codecChoice()
{
    QFETCH(QStringList, video);
    QFETCH(QStringList, audio);
    QFETCH(int, videoIndex);
    QFETCH(int, audioIndex);
    QFETCH(bool, avi);
    const IntermediateCodecs codecs
        = ChooseIntermediateCodecs(MediaItemList(video), MediaItemList(audio));
    QCOMPARE(codecs.video, videoIndex);
    QCOMPARE(codecs.audio, audioIndex);
    QCOMPARE(codecs.avi(), avi);
}

void TestPreconvertLogic::propertyWritesInOrder_data()
{
    QTest::addColumn<QStringList>("video");
    QTest::addColumn<QStringList>("audio");
    QTest::addColumn<QStringList>("expectedSetup");
    QTest::addColumn<QString>("extension");
    QTest::addRow("AVI kind") << QStringList{"Cinepak", "DivX"}
                              << QStringList{"PCM", "x", "MPEG Layer-3"}
                              << QStringList{"ResetClips",
                                             "OutputWidth 320",
                                             "OutputHeight 240",
                                             "OutputBitDepth 24",
                                             "FrameRate 25",
                                             "OutputFormat 8",
                                             "UseVideoCodec 1",
                                             "VideoCodecIndex 1",
                                             "UseAudioCodec 1",
                                             "AudioCodecIndex 2"}
                              << "avi";
    QTest::addRow("MPEG kind") << QStringList{"Cinepak"} << QStringList{"MPEG Layer-3"}
                               << QStringList{"ResetClips",
                                              "OutputWidth 320",
                                              "OutputHeight 240",
                                              "OutputBitDepth 24",
                                              "FrameRate 23.976",
                                              "OutputFormat 6"}
                               << "mpg";
}

void TestPreconvertLogic::propertyWritesInOrder()
{
    QFETCH(QStringList, video);
    QFETCH(QStringList, audio);
    QFETCH(QStringList, expectedSetup);
    QFETCH(QString, extension);

    RecordingMedia media;
    media.videoCodecs = video;
    media.audioCodecs = audio;
    const ConversionTask task = taskFor(QStringLiteral("holiday"));
    QCOMPARE(SetUpIntermediateConversion(media, task), extension == u"avi");
    const QStringList clips{QStringLiteral("AddVideoClip %1 1.5 9 0").arg(task.sourcePath),
                            QStringLiteral("AddAudioClip %1 1.5 9").arg(task.sourcePath)};
    QCOMPARE(media.calls, expectedSetup + clips);
}

void TestPreconvertLogic::intermediateOfAJob()
{
    m_tasks.append(taskFor(QStringLiteral("other")));
    m_tasks.append(taskFor(QStringLiteral("holiday")));
    QString started;
    bool createdEmpty = false;
    m_setUp = [&](RecordingMedia &media) {
        media.onStart = [&](const QString &path) {
            started = path;
            createdEmpty = QFileInfo(path).isFile() && QFileInfo(path).size() == 0;
            QCOMPARE(m_tasks.at(1).preconvPhase, 1);
            QCOMPARE(m_tasks.at(1).intermediatePath, path);
            QFile(path).open(QIODevice::WriteOnly); // the component writes its file
        };
    };
    const auto job = jobFor(1);
    QSignalSpy ended(job.get(), &ConversionJob::ended);
    QVERIFY(ended.isValid());
    job->Start();
    QVERIFY(m_media && m_media->converting);
    QCOMPARE(m_tasks.at(1).state, TaskState::Converting);
    QVERIFY(createdEmpty); // made exclusively before the component writes it
    const QRegularExpression name(
        QStringLiteral("^%1holiday_[0-9a-z]+\\.mpg$")
            .arg(QRegularExpression::escape(m_dir.path() + QLatin1Char('/'))));
    QVERIFY2(name.match(started).hasMatch(), qPrintable(started));

    // The end of the pre-conversion: the encoder would come next (there is no profile here, so
    // it cannot run); the intermediate goes with the job's end, however it ends.
    m_media->Finish(true);
    QCOMPARE(m_tasks.at(1).preconvPhase, 2);
    QCOMPARE(m_tasks.at(1).preconvDone, 1);
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(m_tasks.at(1).state, TaskState::Failed);
    QVERIFY(!QFile::exists(started));
    QCOMPARE(m_tasks.at(0).state, TaskState::Waiting);
    QCOMPARE(m_tasks.at(0).preconvPhase, 0);
}

void TestPreconvertLogic::refusedStartDeletesTheFile()
{
    m_tasks.append(taskFor(QStringLiteral("refused")));
    QString started;
    m_setUp = [&](RecordingMedia &media) {
        media.startResult = false;
        media.succeeded = false;
        media.error = QStringLiteral("The converter was not found.");
        media.onStart = [&](const QString &path) {
            started = path;
            QFile(path).open(QIODevice::WriteOnly); // something got as far as creating it
        };
    };
    const auto job = jobFor(0);
    job->Start();
    QVERIFY(!started.isEmpty());
    QVERIFY(!QFile::exists(started));
    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.preconvPhase, 1);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.state, TaskState::Failed);
    QCOMPARE(task.failureReason, QStringLiteral("The converter was not found."));
    QVERIFY(m_invalidated.contains(std::make_tuple(0, 0, int(ProgressColumn))));
}

void TestPreconvertLogic::stopRemovesTheIntermediateAtOnce()
{
    m_tasks.append(taskFor(QStringLiteral("stopped")));
    const auto job = jobFor(0);
    QSignalSpy ended(job.get(), &ConversionJob::ended);
    QVERIFY(ended.isValid());
    job->Start();
    const QString intermediate = m_tasks.at(0).intermediatePath;
    QVERIFY(QFile::exists(intermediate));
    job->Stop();
    QCOMPARE(m_media->calls.last(), QStringLiteral("StopConversion"));
    QVERIFY(!QFile::exists(intermediate));
    QCOMPARE(m_tasks.at(0).state, TaskState::Stopped);
    QCOMPARE(ended.count(), 0); // from the event loop, not from inside Stop
    QTRY_COMPARE(ended.count(), 1);
}

void TestPreconvertLogic::failedConversionFailsTheTask_data()
{
    QTest::addColumn<int>("outputWmv");
    QTest::addRow("pre-conversion") << 0;
    QTest::addRow("WMV") << 1;
}

void TestPreconvertLogic::failedConversionFailsTheTask()
{
    QFETCH(int, outputWmv);
    ConversionTask task = taskFor(QStringLiteral("end"));
    task.outputWmv = outputWmv;
    m_tasks.append(task);
    QString written;
    m_setUp = [&](RecordingMedia &media) {
        media.onStart = [&](const QString &path) {
            written = path;
        };
    };
    const auto job = jobFor(0);
    job->Start();
    QVERIFY(QFile::exists(written));
    m_media->Finish(false, QStringLiteral("Error while decoding stream #0:0"));
    const ConversionTask after = m_tasks.at(0);
    QCOMPARE(after.state, TaskState::Failed);
    QCOMPARE(after.failureReason, QStringLiteral("Error while decoding stream #0:0"));
    // A broken intermediate is not left for the encoder, nor a broken WMV part file.
    QVERIFY(!QFile::exists(written));
    const QStringList wmvFiles
        = QDir(m_dir.path()).entryList({"*.wmv"}, QDir::Files | QDir::Hidden);
    QCOMPARE(wmvFiles, QStringList());
}

void TestPreconvertLogic::randomArithmetic_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("expected");
    QTest::addRow("lowest draw") << 10000 << 50000 << 0 << 10000;
    QTest::addRow("highest draw is one past b") << 10000 << 50000 << 32767 << 50001;
    QTest::addRow("middle draw, truncated") << 10000 << 50000 << 16383 << 29999;
    QTest::addRow("b below a") << 7 << 3 << 32767 << 7;
    QTest::addRow("a equals b") << 5 << 5 << 20000 << 5;
    QTest::addRow("full int range does not overflow") << 0 << 2147483646 << 32767 << 2147483647;
}

void TestPreconvertLogic::randomArithmetic()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, r);
    QFETCH(int, expected);
    QCOMPARE(RandomBetweenWith(a, b, r), expected);
}

void TestPreconvertLogic::randomBetweenWithinOneSecond()
{
    QCOMPARE(RandomBetween(9, 2), 9);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const int first = RandomBetween(10000, 50000);
        const int second = RandomBetween(10000, 50000);
        if (std::time(nullptr) != before)
            continue; // crossed into the next second; try again
        QCOMPARE(first, second);
        QVERIFY(first >= 10000 && first <= 50001);
        return;
    }
    QFAIL("no two calls within one second");
}

void TestPreconvertLogic::progressOfPreconversion_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("remaining");
    QTest::addRow("first 20 s: plain difference") << 10.0 << 100.0 << 5000 << 10.0 << 90.0;
    QTest::addRow("exactly 20 s: still plain") << 20.0 << 100.0 << 5000 << 20.0 << 80.0;
    QTest::addRow("steady: rest at the measured rate") << 40.0 << 100.0 << 10000 << 40.0 << 15.0;
    QTest::addRow("zero total: no division by zero") << 5.0 << 0.0 << 1000 << 0.0 << 0.0;
    QTest::addRow("nothing done yet") << 0.0 << 60.0 << 0 << 0.0 << 60.0;
    QTest::addRow("not a number") << qQNaN() << 60.0 << 1000 << 0.0 << 60.0;
}

void TestPreconvertLogic::progressOfPreconversion()
{
    QFETCH(double, position);
    QFETCH(double, total);
    QFETCH(int, elapsedMs);
    QFETCH(double, percent);
    QFETCH(double, remaining);

    ConversionTask task = taskFor(QStringLiteral("a"));
    ApplyPreconversionProgress(task, position, total, quint32(elapsedMs));
    QCOMPARE(task.preconvPosition, std::isfinite(position) ? position : 0.0);
    QCOMPARE(task.preconvPercent, percent);
    QVERIFY(std::isfinite(task.preconvRemaining));
    QVERIFY2(qAbs(task.preconvRemaining - remaining) < 0.05,
             qPrintable(QString::number(task.preconvRemaining)));
}

void TestPreconvertLogic::progressOfWmv_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("percent");
    QTest::addRow("a quarter") << 50.0 << 200.0 << 25;
    QTest::addRow("rounded half up") << 1.0 << 8.0 << 13;
    QTest::addRow("almost done") << 199.9 << 200.0 << 100;
    QTest::addRow("zero total") << 3.0 << 0.0 << 0;
    QTest::addRow("past the end") << 300.0 << 200.0 << 100;
}

void TestPreconvertLogic::progressOfWmv()
{
    QFETCH(double, position);
    QFETCH(double, total);
    QFETCH(int, percent);
    QCOMPARE(WmvPercent(position, total), percent);
}

void TestPreconvertLogic::intermediateFolder()
{
    QCOMPARE(IntermediateFolder(), QDir::toNativeSeparators(m_dir.path() + QLatin1Char('/')));
    g_programDir = m_dir.filePath(QStringLiteral("not/there/"));
    QCOMPARE(IntermediateFolder(), QDir::toNativeSeparators(QDir::tempPath() + QLatin1Char('/')));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("readonly")));
    const QString readOnly = m_dir.filePath(QStringLiteral("readonly"));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    g_programDir = readOnly + QLatin1Char('/');
    const QString folder = IntermediateFolder();
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo(readOnly).isWritable() && folder == g_programDir)
        QSKIP("running with rights that write into read-only folders");
    QCOMPARE(folder, QDir::toNativeSeparators(QDir::tempPath() + QLatin1Char('/')));
}

void TestPreconvertLogic::intermediateNameIsSafe()
{
    const QString folder = IntermediateFolder();
    QCOMPARE(IntermediateFileName(QStringLiteral("../up/and\\away"), "k3x", true),
             folder + QStringLiteral(".._up_and_away_k3x.avi"));
    // Cut by bytes, at a character boundary: "é" is two bytes in UTF-8.
    const QString longName = IntermediateFileName(QString(300, QChar(0xe9)), "k3x", false);
    QCOMPARE(longName, folder + QString(123, QChar(0xe9)) + QStringLiteral("_k3x.mpg"));
}

QTEST_MAIN(TestPreconvertLogic)
#include "tst_preconvert_logic.moc"
