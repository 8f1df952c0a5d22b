#include "ProgressText.h"

#include <QTest>

#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kProgress = 4;

ConversionTask Mp4Task(double encodedTime, double speed, int sizeKB)
{
    ConversionTask task;
    task.sourcePath = QStringLiteral("/videos/clip.avi");
    task.title = QStringLiteral("clip");
    task.trimStart = 0.0;
    task.trimEnd = 100.0;
    task.encodedTime = encodedTime;
    task.speed = speed;
    task.sizeKB = sizeKB;
    return task;
}

ConversionTask PreconvTask(int phase)
{
    ConversionTask task = Mp4Task(0.0, 0.0, 0);
    task.sourcePath = QStringLiteral("/videos/clip.rmvb");
    task.needsPreconversion = 1;
    task.preconvPhase = phase;
    return task;
}

ConversionTask WmvTask(int percent)
{
    ConversionTask task = Mp4Task(0.0, 0.0, 0);
    task.outputWmv = 1;
    task.wmvPercent = percent;
    return task;
}

} // namespace

class tst_ProgressText : public QObject
{
    Q_OBJECT

private slots:
    void progressCell_data();
    void progressCell();
    void wmvUsedTimeKeepsCounting();
    void figures_data();
    void figures();
    void otherColumns_data();
    void otherColumns();
    void rowColours();
    void formatHms_data();
    void formatHms();
    void truncateToInt_data();
    void truncateToInt();
};

void tst_ProgressText::progressCell_data()
{
    QTest::addColumn<ConversionTask>("task");
    QTest::addColumn<quint32>("wmvStartTick");
    QTest::addColumn<quint32>("nowTick");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<int>("progressPos");
    QTest::addColumn<QString>("toolTip");

    const QString none;
    const quint32 t0 = 1000;

    QTest::newRow("mp4 waiting: nothing reported yet")
        << Mp4Task(0.0, 0.0, 0) << t0 << t0 << none << -1 << 0 << none;
    QTest::newRow("mp4 size reported, no time yet")
        << Mp4Task(0.0, 0.0, 300) << t0 << t0 << none << -1 << 0 << none;
    QTest::newRow("mp4 time reported, no size yet")
        << Mp4Task(5.0, 1.0, 0) << t0 << t0 << none << -1 << 0 << none;
    QTest::newRow("mp4 divides by the speed after 20 s")
        << Mp4Task(25.0, 2.5, 2048) << t0 << t0 << "    25.50%  2.00MB   Remain Time:00:00:30"
        << 100 << 25 << none;
    QTest::newRow("mp4 media time left before 20 s")
        << Mp4Task(15.0, 2.5, 2048) << t0 << t0 << "    15.50%  2.00MB   Remain Time:00:01:25"
        << 100 << 15 << none;
    QTest::newRow("mp4 speed 0 after 20 s: media time left")
        << Mp4Task(40.0, 0.0, 512) << t0 << t0 << "    40.50%  0.50MB   Remain Time:00:01:00" << 100
        << 40 << none;
    QTest::newRow("mp4 99.5 of 100 shows 100 % unfinished")
        << Mp4Task(99.5, 1.0, 1024) << t0 << t0 << "    100.00%  1.00MB   Remain Time:00:00:00"
        << 100 << 100 << none;
    QTest::newRow("mp4 past the trimmed length: no negative time")
        << Mp4Task(103.0, 1.0, 1024) << t0 << t0 << "    100.00%  1.00MB   Remain Time:00:00:00"
        << 100 << 100 << none;
    {
        ConversionTask task = Mp4Task(10.0, 1.0, 100);
        task.trimStart = task.trimEnd = 50.0;
        QTest::newRow("mp4 empty range shows 0 %")
            << task << t0 << t0 << "    0.00%  0.10MB   Remain Time:00:00:00" << 100 << 0 << none;
    }
    {
        ConversionTask task = Mp4Task(30.0, 3.0, 1024);
        task.trimStart = 60.0;
        task.trimEnd = 3660.0; // one hour
        QTest::newRow("mp4 trimmed hour, hours in the remaining time")
            << task << t0 << t0 << "    1.33%  1.00MB   Remain Time:00:19:50" << 100 << 1 << none;
    }
    {
        ConversionTask task = Mp4Task(10.0, 1.0, 100);
        task.trimEnd = kNaN;
        QTest::newRow("mp4 broken duration (NaN)")
            << task << t0 << t0 << "    0.00%  0.10MB   Remain Time:00:00:00" << 100 << 0 << none;
    }
    {
        ConversionTask task = Mp4Task(10.0, 1e-300, 100);
        task.trimEnd = 1e300;
        QTest::newRow("mp4 huge duration and tiny speed")
            << task << t0 << t0 << "    0.50%  0.10MB   Remain Time:596523:14:07" << 100 << 0
            << none;
    }
    {
        ConversionTask task = Mp4Task(kInf, 1.0, 100);
        QTest::newRow("mp4 infinite encoded time")
            << task << t0 << t0 << "    100.00%  0.10MB   Remain Time:00:00:00" << 100 << 100
            << none;
    }
    {
        ConversionTask task = Mp4Task(40.0, 2.0, 4096);
        task.state = TaskState::Finished;
        QTest::newRow("mp4 finished") << task << t0 << t0 << "    Finished" << 100 << 100 << none;
        task.state = TaskState::Paused;
        QTest::newRow("mp4 paused: the bar stays where it was")
            << task << t0 << t0 << "    Paused" << 100 << 40 << none;
        task.state = TaskState::Finished;
        task.videoCopied = true;
        QTest::newRow("mp4 finished by copying the picture")
            << task << t0 << t0 << "    Finished" << 100 << 100 << "video copied";
    }
    {
        ConversionTask task = Mp4Task(40.0, 2.0, 4096);
        task.state = TaskState::Failed;
        task.failureReason = QStringLiteral("The encoder could not be started");
        QTest::newRow("mp4 failed: no bar, reason after Failed and as tooltip")
            << task << t0 << t0 << "    Failed: The encoder could not be started" << -1 << 0
            << "The encoder could not be started";
    }
    {
        ConversionTask task = Mp4Task(40.0, 12.0, 4096);
        task.state = TaskState::Stopped;
        task.keptSeconds = 61.5;
        task.outputFile = QStringLiteral("/out/clip_2.mp4");
        QTest::newRow("stopped: what was kept as tooltip")
            << task << t0 << t0 << "    Stopped" << -1 << 0
            << "Stopped: the first 00:01:01 were kept in clip_2.mp4.";
        task.keptSeconds = 0.0;
        task.outputFile.clear();
        QTest::newRow("stopped with nothing kept")
            << task << t0 << t0 << "    Stopped" << -1 << 0 << "Stopped: nothing was kept.";
    }
    {
        ConversionTask task = PreconvTask(1);
        task.preconvPercent = 60.0;
        task.preconvRemaining = 12.0;
        QTest::newRow("preconv phase 1 is the first half")
            << task << t0 << t0 << "    30.00%    Remain Time:00:01:02" << 100 << 30 << none;
    }
    {
        ConversionTask task = PreconvTask(1);
        task.preconvPercent = kNaN;
        task.preconvRemaining = kInf;
        QTest::newRow("preconv phase 1 with broken figures")
            << task << t0 << t0 << "    0.00%    Remain Time:596523:14:07" << 100 << 0 << none;
    }
    {
        ConversionTask task = PreconvTask(2);
        task.encodedTime = 50.0;
        task.speed = 5.0;
        task.sizeKB = 3072;
        QTest::newRow("preconv phase 2 at half the length")
            << task << t0 << t0 << "    75.25%  3.00MB   Remain Time:00:00:10" << 100 << 75 << none;
    }
    {
        ConversionTask task = PreconvTask(2);
        QTest::newRow("preconv phase 2 shows before the encoder reports")
            << task << t0 << t0 << "    50.25%  0.00MB   Remain Time:00:01:40" << 100 << 50 << none;
    }
    {
        ConversionTask task = PreconvTask(2);
        task.trimEnd = 0.0;
        QTest::newRow("preconv phase 2 with an empty range")
            << task << t0 << t0 << "    0.00%  0.00MB   Remain Time:00:00:00" << 100 << 0 << none;
    }
    QTest::newRow("preconv phase 0 shows nothing")
        << PreconvTask(0) << t0 << t0 << none << -1 << 0 << none;
    {
        ConversionTask task = PreconvTask(2);
        task.state = TaskState::Finished;
        QTest::newRow("preconv finished")
            << task << t0 << t0 << "    Finished" << 100 << 100 << none;
    }

    QTest::newRow("wmv not started") << WmvTask(0) << t0 << t0 << none << -1 << 0 << none;
    QTest::newRow("wmv negative percent") << WmvTask(-5) << t0 << t0 << none << -1 << 0 << none;
    QTest::newRow("wmv at 40 %") << WmvTask(40) << t0 << t0 + 12999 << "    40 %   Used Time:12 S"
                                 << 100 << 40 << none;
    QTest::newRow("wmv across a tick wrap") << WmvTask(7) << quint32(0xFFFFF000u) << quint32(5000)
                                            << "    7 %   Used Time:9 S" << 100 << 7 << none;
    QTest::newRow("wmv at 100 % but not placed yet")
        << WmvTask(100) << t0 << t0 + 2000 << "    100 %   Used Time:2 S" << 100 << 100 << none;
    {
        ConversionTask task = WmvTask(100);
        task.state = TaskState::Finished;
        QTest::newRow("wmv finished") << task << t0 << t0 << "    Finished" << 100 << 100 << none;
        task.wmvPercent = 0;
        task.state = TaskState::Paused;
        QTest::newRow("wmv paused before its first report")
            << task << t0 << t0 << "    Paused" << 100 << 0 << none;
    }
    {
        ConversionTask task = WmvTask(30);
        task.state = TaskState::Failed;
        task.failureReason = QStringLiteral("Conversion refused\nby the muxer");
        QTest::newRow("wmv failed: the reason's first line in the cell")
            << task << t0 << t0 << "    Failed: Conversion refused" << -1 << 0
            << "Conversion refused\nby the muxer";
    }
}

void tst_ProgressText::progressCell()
{
    QFETCH(ConversionTask, task);
    QFETCH(quint32, wmvStartTick);
    QFETCH(quint32, nowTick);
    QFETCH(QString, text);
    QFETCH(int, progressMax);
    QFETCH(int, progressPos);
    QFETCH(QString, toolTip);

    const TaskCell cell = ComputeTaskCell(task, 3, kProgress, wmvStartTick, nowTick);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.progressMax, progressMax);
    QCOMPARE(cell.progressPos, progressPos);
    QCOMPARE(cell.barColor, progressMax > 0 ? Rgb(154, 30, 28) : CLR_DEFAULT);
    QCOMPARE(cell.toolTip, toolTip);
    QCOMPARE(cell.colors, TaskRowColors(3));
}

void tst_ProgressText::wmvUsedTimeKeepsCounting()
{
    // Each paint computes the time afresh, also after the batch was stopped.
    const ConversionTask task = WmvTask(40);
    QCOMPARE(ComputeTaskCell(task, 0, kProgress, 0, 5000).text,
             QStringLiteral("    40 %   Used Time:5 S"));
    QCOMPARE(ComputeTaskCell(task, 0, kProgress, 0, 65000).text,
             QStringLiteral("    40 %   Used Time:65 S"));
}

void tst_ProgressText::figures_data()
{
    QTest::addColumn<ConversionTask>("task");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("sizeKB");
    QTest::addColumn<int>("remaining");

    // The same figures as the cells above show; what a cell does not show is -1.
    QTest::newRow("mp4: percent, size and time left")
        << Mp4Task(25.0, 2.5, 2048) << 25.5 << 2048 << 30;
    QTest::newRow("mp4 past its length: no time below 0")
        << Mp4Task(103.0, 1.0, 1024) << 100.0 << 1024 << 0;
    {
        ConversionTask task = PreconvTask(1);
        task.preconvPercent = 40.0;
        task.preconvRemaining = 12.0;
        QTest::newRow("pre-converting: no size yet") << task << 20.0 << -1 << 62;
    }
    QTest::newRow("wmv: time so far scaled to what is left") << WmvTask(25) << 25.0 << -1 << 90;
}

void tst_ProgressText::figures()
{
    QFETCH(ConversionTask, task);
    QFETCH(double, percent);
    QFETCH(int, sizeKB);
    QFETCH(int, remaining);
    const ProgressFigures figures = ComputeProgressFigures(task, 0, 30000);
    QVERIFY(figures.reported);
    QCOMPARE(figures.percent, percent);
    QCOMPARE(figures.sizeKB, sizeKB);
    QCOMPARE(figures.remainingSeconds, remaining);
}

void tst_ProgressText::otherColumns_data()
{
    QTest::addColumn<ConversionTask>("task");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    ConversionTask task = Mp4Task(0, 0, 0);
    task.sourcePath = QStringLiteral("/videos/my.holiday.avi");
    task.trimStart = 3725.9;
    task.trimEnd = 7384.2;
    task.title = QStringLiteral("Summer & Sea");
    QTest::newRow("source: the file name") << task << 0 << "my.holiday.avi";
    QTest::newRow("begin: truncated seconds") << task << 1 << "01:02:05";
    QTest::newRow("end") << task << 2 << "02:03:04";
    QTest::newRow("output: mp4") << task << 3 << "Summer & Sea.mp4";
    QTest::newRow("beyond the last column") << task << 5 << "";
    QTest::newRow("negative column") << task << -1 << "";

    ConversionTask bare = task;
    bare.sourcePath = QStringLiteral("clip.avi");
    bare.outputWmv = 1;
    bare.trimStart = kNaN;
    bare.trimEnd = 1e300;
    QTest::newRow("source without a folder") << bare << 0 << "clip.avi";
    QTest::newRow("output: wmv") << bare << 3 << "Summer & Sea.wmv";
    QTest::newRow("begin: NaN") << bare << 1 << "00:00:00";
    QTest::newRow("end: beyond int") << bare << 2 << "596523:14:07";

    ConversionTask failed = task;
    failed.state = TaskState::Failed;
    failed.failureReason = QStringLiteral("reason");
    QTest::newRow("failed task keeps its output name") << failed << 3 << "Summer & Sea.mp4";
    ConversionTask written = task;
    written.outputFile = QStringLiteral("/out/Summer & Sea_2.mp4");
    QTest::newRow("output: the name the file really got") << written << 3 << "Summer & Sea_2.mp4";
}

void tst_ProgressText::otherColumns()
{
    QFETCH(ConversionTask, task);
    QFETCH(int, column);
    QFETCH(QString, text);

    const TaskCell cell = ComputeTaskCell(task, 0, column, 0, 0);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.progressMax, -1);
    QVERIFY(cell.toolTip.isEmpty());
}

void tst_ProgressText::rowColours()
{
    for (int row : {0, 2, 4}) {
        const RowColors colors = TaskRowColors(row);
        QCOMPARE(colors.textColor, Rgb(10, 5, 20));
        QCOMPARE(colors.backColor, Rgb(180, 180, 255));
        QCOMPARE(colors.selTextColor, Rgb(240, 200, 128));
        QCOMPARE(colors.selBackColorNoFocus, Rgb(20, 20, 120));
        QCOMPARE(colors.selBackColor, Rgb(30, 50, 96));
        QCOMPARE(colors.hotTextColor, Rgb(170, 10, 150));
    }
    for (int row : {1, 3, 5}) {
        const RowColors colors = TaskRowColors(row);
        QCOMPARE(colors.textColor, Rgb(40, 10, 40));
        QCOMPARE(colors.backColor, Rgb(220, 220, 255));
        QCOMPARE(colors.selTextColor, Rgb(240, 250, 128));
        QCOMPARE(colors.selBackColorNoFocus, Rgb(20, 60, 120));
        QCOMPARE(colors.selBackColor, Rgb(30, 50, 96));
        QCOMPARE(colors.hotTextColor, Rgb(170, 10, 150));
    }
    // Every column of a row carries the row's colours.
    const ConversionTask task = Mp4Task(25.0, 2.5, 2048);
    for (int column = 0; column <= kProgress; ++column)
        QCOMPARE(ComputeTaskCell(task, 7, column, 0, 0).colors, TaskRowColors(1));
    QCOMPARE(Rgb(180, 180, 255), COLORREF(0x00FFB4B4));
}

void tst_ProgressText::formatHms_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00:00";
    QTest::newRow("under a minute") << qint64(59) << "00:00:59";
    QTest::newRow("a minute") << qint64(60) << "00:01:00";
    QTest::newRow("just under an hour") << qint64(3599) << "00:59:59";
    QTest::newRow("an hour") << qint64(3600) << "01:00:00";
    QTest::newRow("a hundred hours") << qint64(360000) << "100:00:00";
    QTest::newRow("negative shows zero") << qint64(-3) << "00:00:00";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "00:00:00";
}

void tst_ProgressText::formatHms()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatHms(seconds), text);
}

void tst_ProgressText::truncateToInt_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    QTest::newRow("positive fraction") << 2.9 << 2;
    QTest::newRow("negative fraction") << -2.9 << -2;
    QTest::newRow("NaN") << kNaN << 0;
    QTest::newRow("infinity") << kInf << max;
    QTest::newRow("minus infinity") << -kInf << min;
    QTest::newRow("huge") << 1e300 << max;
    QTest::newRow("hugely negative") << -1e300 << min;
    QTest::newRow("just past int") << 2147483648.5 << max;
    QTest::newRow("largest int") << 2147483647.0 << max;
}

void tst_ProgressText::truncateToInt()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(TruncateToInt(value), expected);
}

QTEST_APPLESS_MAIN(tst_ProgressText)
#include "tst_progresstext.moc"
