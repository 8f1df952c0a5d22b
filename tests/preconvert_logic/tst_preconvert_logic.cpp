// The pre-conversion's choices and bookkeeping, against a media component stand-in that records
// what it is told (the real component is exercised in tst_preconvert_run).

#include "BatchState.h"
#include "MediaConverter.h"
#include "PartFile.h"
#include "PreConversion.h"

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
        return startResult;
    }
    void StopConversion() override { calls << QStringLiteral("StopConversion"); }
    bool LastConversionSucceeded() const override { return succeeded; }
    QString LastConversionError() const override { return error; }
};

ConversionTask RealMediaTask(const QString &title)
{
    ConversionTask task;
    task.sourcePath = QStringLiteral("/films/%1.rm").arg(title);
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
    void codecChoice_data();
    void codecChoice();
    void propertyWritesInOrder_data();
    void propertyWritesInOrder();
    void refusedStartDeletesTheFile();
    void waitEndsOnStopWithoutSpinning();
    void randomArithmetic_data();
    void randomArithmetic();
    void randomBetweenWithinOneSecond();
    void progressOfPreconversion_data();
    void progressOfPreconversion();
    void progressOfWmv_data();
    void progressOfWmv();
    void stopDuringProgressRemovesIntermediate();
    void finished_data();
    void finished();
    void intermediateFolder();
    void intermediateNameIsSafe();

private:
    QTemporaryDir m_dir;
    TaskArray m_tasks;
    QList<std::tuple<int, int, int>> m_invalidated;
    quint32 m_startTick = 0;
};

void TestPreconvertLogic::init()
{
    QVERIFY(m_dir.isValid());
    g_programDir = m_dir.path() + QLatin1Char('/');
    g_stopRequested = false;
    m_startTick = 0;
    m_tasks.clear();
    m_invalidated.clear();
    m_tasks.setCellInvalidator([this](int first, int last, int column) {
        m_invalidated.append({first, last, column});
    });
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

    m_tasks.append(RealMediaTask(QStringLiteral("other")));
    m_tasks.append(RealMediaTask(QStringLiteral("holiday")));
    RecordingMedia media;
    media.videoCodecs = video;
    media.audioCodecs = audio;
    int wmvConverting = 0;
    QString started;
    bool createdEmpty = false;
    media.onStart = [&](const QString &path) {
        started = path;
        createdEmpty = QFileInfo(path).isFile() && QFileInfo(path).size() == 0;
        QCOMPARE(m_tasks.at(1).preconvPhase, 1);
        QCOMPARE(m_tasks.at(1).intermediatePath, path);
        QFile(path).open(QIODevice::WriteOnly); // the component writes its file
        QTimer::singleShot(50, [&] { OnConversionFinished(1, m_tasks, media, wmvConverting); });
    };

    const quint32 before = TickCount();
    PartFile intermediate;
    PreConvert(1, m_startTick, m_tasks, media, intermediate);

    const QString source = QStringLiteral("/films/holiday.rm");
    const QStringList expected
        = expectedSetup
          + QStringList{QStringLiteral("AddVideoClip %1 1.5 9 0").arg(source),
                        QStringLiteral("AddAudioClip %1 1.5 9").arg(source),
                        "StartConversion",
                        "StopConversion"};
    QCOMPARE(media.calls, expected);
    QVERIFY(createdEmpty); // made exclusively before the component writes it
    const QRegularExpression name(
        QStringLiteral("^%1holiday_[0-9a-z]+\\.%2$")
            .arg(QRegularExpression::escape(m_dir.path() + QLatin1Char('/')), extension));
    QVERIFY2(name.match(started).hasMatch(), qPrintable(started));
    QVERIFY(m_startTick - before < 5000u);

    const ConversionTask task = m_tasks.at(1);
    QCOMPARE(task.intermediatePath, started);
    QCOMPARE(task.preconvPhase, 2);
    QCOMPARE(task.preconvDone, 1);
    QCOMPARE(task.failed, 0);
    QVERIFY(QFile::exists(started)); // kept for the encoder, until its owner lets go
    intermediate.Remove();
    QVERIFY(!QFile::exists(started));
    QCOMPARE(m_tasks.at(0), RealMediaTask(QStringLiteral("other")));
}

void TestPreconvertLogic::refusedStartDeletesTheFile()
{
    m_tasks.append(RealMediaTask(QStringLiteral("refused")));
    RecordingMedia media;
    media.startResult = false;
    media.succeeded = false;
    media.error = QStringLiteral("The converter was not found.");
    QString started;
    media.onStart = [&](const QString &path) {
        started = path;
        QFile(path).open(QIODevice::WriteOnly); // something got as far as creating it
    };
    PartFile intermediate;
    PreConvert(0, m_startTick, m_tasks, media, intermediate);
    QVERIFY(!started.isEmpty());
    QVERIFY(!QFile::exists(started));
    const ConversionTask task = m_tasks.at(0);
    QCOMPARE(task.preconvPhase, 1);
    QCOMPARE(task.preconvDone, 0);
    QCOMPARE(task.failed, 1);
    QCOMPARE(task.failureReason, media.error);
    QVERIFY(m_invalidated.contains(std::make_tuple(0, 0, int(ProgressColumn))));
}

void TestPreconvertLogic::waitEndsOnStopWithoutSpinning()
{
    m_tasks.append(RealMediaTask(QStringLiteral("waiting")));
    RecordingMedia media; // starts, then never reports
    QTimer::singleShot(1500, [] { g_stopRequested = true; });
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer wall;
    wall.start();
    PartFile intermediate;
    PreConvert(0, m_startTick, m_tasks, media, intermediate);
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    QVERIFY(wall.elapsed() >= 1400);
    QCOMPARE(m_tasks.at(0).preconvDone, 0);
    // A loop that spun would have burnt the whole wait on the processor.
    QVERIFY2(cpuSeconds < 0.5, qPrintable(QString::number(cpuSeconds)));
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

    m_tasks.append(RealMediaTask(QStringLiteral("a")));
    m_tasks.append(RealMediaTask(QStringLiteral("b")));
    RecordingMedia media;
    OnConversionProgress(1, position, total, TickCount() - quint32(elapsedMs), m_tasks, media);

    const ConversionTask task = m_tasks.at(1);
    QCOMPARE(task.preconvPosition, std::isfinite(position) ? position : 0.0);
    QCOMPARE(task.preconvPercent, percent);
    QVERIFY(std::isfinite(task.preconvRemaining));
    QVERIFY2(qAbs(task.preconvRemaining - remaining) < 0.05,
             qPrintable(QString::number(task.preconvRemaining)));
    QCOMPARE(m_invalidated, (QList<std::tuple<int, int, int>>{{1, 1, int(ProgressColumn)}}));
    QVERIFY(media.calls.isEmpty()); // no stop asked for
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
}

void TestPreconvertLogic::progressOfWmv()
{
    QFETCH(double, position);
    QFETCH(double, total);
    QFETCH(int, percent);
    ConversionTask task = RealMediaTask(QStringLiteral("w"));
    task.outputWmv = 1;
    task.needsPreconversion = 0;
    m_tasks.append(task);
    RecordingMedia media;
    g_stopRequested = true; // the WMV path leaves stopping to the batch's own wait
    OnConversionProgress(0, position, total, TickCount(), m_tasks, media);
    QCOMPARE(m_tasks.at(0).wmvPercent, percent);
    QCOMPARE(m_tasks.at(0).preconvPosition, 0.0);
    QVERIFY(media.calls.isEmpty());
    QCOMPARE(m_invalidated.size(), 1);
}

void TestPreconvertLogic::stopDuringProgressRemovesIntermediate()
{
    ConversionTask task = RealMediaTask(QStringLiteral("stopped"));
    task.intermediatePath = m_dir.filePath(QStringLiteral("stopped_12345.avi"));
    task.preconvPhase = 1;
    QFile file(task.intermediatePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_tasks.append(task);
    RecordingMedia media;
    g_stopRequested = true;
    OnConversionProgress(0, 12.0, 30.0, TickCount(), m_tasks, media);
    QCOMPARE(media.calls, QStringList{"StopConversion"});
    QVERIFY(!QFile::exists(task.intermediatePath));
    QCOMPARE(m_tasks.at(0).preconvPosition, 12.0);
}

void TestPreconvertLogic::finished_data()
{
    QTest::addColumn<int>("outputWmv");
    QTest::addColumn<bool>("succeeded");
    QTest::addRow("pre-conversion done") << 0 << true;
    QTest::addRow("pre-conversion failed") << 0 << false;
    QTest::addRow("WMV done") << 1 << true;
    QTest::addRow("WMV failed") << 1 << false;
}

void TestPreconvertLogic::finished()
{
    QFETCH(int, outputWmv);
    QFETCH(bool, succeeded);
    ConversionTask task = RealMediaTask(QStringLiteral("end"));
    task.outputWmv = outputWmv;
    task.preconvPhase = outputWmv ? 0 : 1;
    task.intermediatePath = outputWmv ? QString() : m_dir.filePath(QStringLiteral("end_2.avi"));
    if (!outputWmv) {
        QFile file(task.intermediatePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_tasks.append(task);
    RecordingMedia media;
    media.succeeded = succeeded;
    media.error = succeeded ? QString() : QStringLiteral("Error while decoding stream #0:0");
    int wmvConverting = 1;
    OnConversionFinished(0, m_tasks, media, wmvConverting);

    QCOMPARE(media.calls.value(0), QStringLiteral("StopConversion"));
    const ConversionTask after = m_tasks.at(0);
    QCOMPARE(after.failed, succeeded ? 0 : 1);
    QCOMPARE(after.failureReason, media.error);
    if (outputWmv) {
        QCOMPARE(wmvConverting, 0);
        QCOMPARE(after.preconvDone, 0);
    } else {
        QCOMPARE(wmvConverting, 1);
        QCOMPARE(after.preconvPhase, 2);
        QCOMPARE(after.preconvDone, 1);
        // A broken intermediate is not left for the encoder.
        QCOMPARE(QFile::exists(task.intermediatePath), succeeded);
    }
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
