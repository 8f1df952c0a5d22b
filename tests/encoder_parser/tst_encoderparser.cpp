#include "EncoderMessageLog.h"
#include "EncoderOutputParser.h"
#include "EncoderRun.h"
#include "TaskArray.h"
#include "TickCount.h"

#include <QTest>

// Recorded and hand-made chunks of encoder output, read by the pure parser and by
// ParseEncoderOutput into a task.
class tst_EncoderParser : public QObject
{
    Q_OBJECT

private slots:
    void parseChunk_data();
    void parseChunk();
    void progressLines_data();
    void progressLines();
    void storesIntoTheTask_data();
    void storesIntoTheTask();
    void videoCopyNotice_data();
    void videoCopyNotice();
    void speedSurvivesTickWrap();
    void outOfRangeIndexIsIgnored();
    void messageLog_data();
    void messageLog();
    void messageLogStaysBounded();
};

void tst_EncoderParser::parseChunk_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("sizeFound");
    QTest::addColumn<int>("sizeKB");
    QTest::addColumn<bool>("timeFound");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("frameFound");

    QTest::newRow("older progress line")
        << QByteArray("frame=  250 fps= 50 q=2.0 size=    1234kB time=10.00 bitrate= 1010.9kbits/s")
        << true << 1234 << true << 10.0 << true;
    QTest::newRow("FFmpeg 5.1 clock time") << QByteArray(
        "frame= 1875 fps=120 q=28.0 size=    3310kB time=00:01:02.50 bitrate= 433.8kbits/s "
        "speed=3.9x    \r") << true << 3310 << true
                                           << 62.5 << true;
    QTest::newRow("hours in the clock") << QByteArray("size=  900000kB time=01:02:03.04 bitrate=")
                                        << true << 900000 << true << 3723.04 << false;
    QTest::newRow("hours beyond two digits")
        << QByteArray("size=       1kB time=100:00:00.00 bitrate=") << true << 1 << true << 360000.0
        << false;
    QTest::newRow("KiB from newer builds")
        << QByteArray("frame=   60 fps=0.0 q=-1.0 size=     387KiB time=00:00:02.00 bitrate=")
        << true << 387 << true << 2.0 << true;
    QTest::newRow("final report Lsize")
        << QByteArray("frame=   60 fps=0.0 q=-1.0 Lsize=     387kB time=00:00:02.00 bitrate=")
        << true << 387 << true << 2.0 << true;
    QTest::newRow("N/A size and time")
        << QByteArray("frame=    0 fps=0.0 q=0.0 size=N/A time=N/A bitrate=N/A speed=N/A    \r")
        << false << 0 << false << 0.0 << true;
    QTest::newRow("N/A time with a size")
        << QByteArray("size=       0kB time=N/A bitrate=N/A speed=N/A    \r") << true << 0 << false
        << 0.0 << false;
    QTest::newRow("time with fewer than 4 characters after the key")
        << QByteArray("frame=  250 fps= 50 q=2.0 size=    1234kB time=1") << true << 1234 << false
        << 0.0 << true;
    QTest::newRow("seconds with 4 characters after the key")
        << QByteArray("size=    1234kB time=12.5") << true << 1234 << true << 12.5 << false;
    QTest::newRow("seconds read from five characters")
        << QByteArray("size=   12345kB time=123.45 bitrate") << true << 12345 << true << 123.4
        << false;
    QTest::newRow("size cut at the end of the chunk")
        << QByteArray("frame=  250 fps= 50 q=2.0 size=    12") << false << 0 << false << 0.0
        << true;
    QTest::newRow("key itself cut at the end of the chunk")
        << QByteArray("frame=  250 fps= 50 q=2.0 siz") << false << 0 << false << 0.0 << true;
    QTest::newRow("clock cut before its seconds")
        << QByteArray("size=    1234kB time=00:01:0") << true << 1234 << false << 0.0 << false;
    QTest::newRow("two progress lines take the first")
        << QByteArray("frame=  100 size=     100kB time=00:00:04.00 bitrate= 1.0kbits/s\r"
                      "frame=  125 size=     200kB time=00:00:05.00 bitrate= 1.0kbits/s\r")
        << true << 100 << true << 4.0 << true;
    QTest::newRow("x264 option text is no size") << QByteArray(
        "vbv_maxrate=768 vbv_bufsize=2000 nal_hrd=none filler=0 ip_ratio=1.40 aq=1:1.00\n")
                                                 << false << 0 << false << 0.0 << false;
    QTest::newRow("option text before a real size")
        << QByteArray("vbv_bufsize=2000\nframe=   10 size=       5kB time=00:00:00.33 bitrate=")
        << true << 5 << true << 0.33 << true;
    QTest::newRow("negative clock at the start")
        << QByteArray("frame=    1 size=       0kB time=-00:00:00.02 bitrate=N/A") << true << 0
        << true << 0.0 << true;
    QTest::newRow("plain message") << QByteArray("clip.avi: No such file or directory\n") << false
                                   << 0 << false << 0.0 << false;
    QTest::newRow("empty chunk") << QByteArray() << false << 0 << false << 0.0 << false;
}

void tst_EncoderParser::parseChunk()
{
    QFETCH(QByteArray, chunk);
    QFETCH(bool, sizeFound);
    QFETCH(int, sizeKB);
    QFETCH(bool, timeFound);
    QFETCH(double, seconds);
    QFETCH(bool, frameFound);
    const EncoderProgress progress = ParseEncoderChunk(chunk);
    QCOMPARE(progress.sizeFound, sizeFound);
    if (sizeFound)
        QCOMPARE(progress.sizeKB, sizeKB);
    QCOMPARE(progress.timeFound, timeFound);
    if (timeFound)
        QCOMPARE(progress.seconds, seconds);
    QCOMPARE(progress.frameFound, frameFound);
}

void tst_EncoderParser::progressLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("progress");
    QTest::newRow("frame line") << QByteArray("frame=   10 fps=0.0 size=  1kB time=00:00:00.33")
                                << true;
    QTest::newRow("audio-only line")
        << QByteArray("size=   12kB time=00:00:01.00 bitrate=") << true;
    QTest::newRow("final report") << QByteArray("   Lsize=     387kB time=00:00:02.00") << true;
    QTest::newRow("error message") << QByteArray("Conversion failed!") << false;
    QTest::newRow("summary") << QByteArray("video:204kB audio:32kB subtitle:0kB") << false;
}

void tst_EncoderParser::progressLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, progress);
    QCOMPARE(IsEncoderProgressLine(line), progress);
}

void tst_EncoderParser::storesIntoTheTask_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<int>("sizeKB");
    QTest::addColumn<double>("encodedTime");
    QTest::addColumn<bool>("speedChanged");

    QTest::newRow("size and time")
        << QByteArray("frame=  250 fps= 50 q=2.0 size=    1234kB time=10.00 bitrate= 1010.9kbits/s")
        << 1234 << 10.0 << true;
    QTest::newRow("time missed keeps time and speed")
        << QByteArray("frame=  250 fps= 50 q=2.0 size=    1234kB time=1") << 1234 << 7.0 << false;
    QTest::newRow("nothing readable keeps everything")
        << QByteArray("size=N/A time=N/A bitrate=N/A speed=N/A") << 77 << 7.0 << false;
}

void tst_EncoderParser::storesIntoTheTask()
{
    QFETCH(QByteArray, chunk);
    QFETCH(int, sizeKB);
    QFETCH(double, encodedTime);
    QFETCH(bool, speedChanged);
    TaskArray tasks;
    QList<std::tuple<int, int, int>> invalidated;
    tasks.setCellInvalidator([&](int first, int last, int column) {
        invalidated.append({first, last, column});
    });
    ConversionTask before;
    before.sizeKB = 77;
    before.encodedTime = 7.0;
    before.speed = 0.5;
    tasks.append(ConversionTask());
    tasks.append(before);

    EncoderRun().ParseEncoderOutput(chunk, tasks.at(1).id, TickCount() - 4000u, tasks);

    const ConversionTask after = tasks.at(1);
    QCOMPARE(after.sizeKB, sizeKB);
    QCOMPARE(after.encodedTime, encodedTime);
    if (speedChanged) {
        // 10 s in a little more than 4 s of wall time.
        QVERIFY2(after.speed > 1.0 && after.speed <= 2.5, qPrintable(QString::number(after.speed)));
    } else {
        QCOMPARE(after.speed, 0.5);
    }
    ConversionTask untouched;
    untouched.id = tasks.at(0).id;
    QCOMPARE(tasks.at(0), untouched);
    QCOMPARE(invalidated.size(), 1);
    QCOMPARE(invalidated.first(), std::make_tuple(1, 1, int(ProgressColumn)));
}

void tst_EncoderParser::videoCopyNotice_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("copied");
    QTest::newRow("the adapter's first line")
        << QByteArray("video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; sound "
                      "copied: AAC stereo 128 kbit/s\nInput #0, mov,mp4,m4a,3gp,3g2,mj2, from")
        << true;
    QTest::newRow("after another line")
        << QByteArray("Input #0, matroska\r\n  video copied: H.264 Main") << true;
    QTest::newRow("an encoding") << QByteArray("encoding: 1920x1080 is larger than 1280x720\n")
                                 << false;
    QTest::newRow("ffmpeg's own stream copy")
        << QByteArray("  Stream #0:0 -> #0:0 (copy)\nvideo copied in the title: no") << false;
    QTest::newRow("the mark inside a line") << QByteArray("title: my video copied: 2\n") << false;
}

void tst_EncoderParser::videoCopyNotice()
{
    QFETCH(QByteArray, chunk);
    QFETCH(bool, copied);
    QCOMPARE(ReportsVideoCopy(chunk), copied);

    // The run's first chunk tells; the later ones keep what it said.
    TaskArray tasks;
    tasks.append(ConversionTask());
    EncoderRun run;
    const TaskId id = tasks.at(0).id;
    run.ParseEncoderOutput(chunk, id, TickCount(), tasks);
    run.ParseEncoderOutput("frame=  250 fps= 50 q=2.0 size=    1234kB time=10.00", id, 0, tasks);
    QCOMPARE(tasks.at(0).videoCopied, copied);
}

void tst_EncoderParser::speedSurvivesTickWrap()
{
    // The start tick lies "after" the current one when the 32-bit tick count has wrapped since;
    // the unsigned difference is still the elapsed time.
    TaskArray tasks;
    tasks.append(ConversionTask());
    const quint32 startTick = TickCount() + (0xFFFFFFFFu - 1999u); // 2000 ms ago across the wrap
    EncoderRun().ParseEncoderOutput(
        "size=      10kB time=00:00:04.00 bitrate=", tasks.at(0).id, startTick, tasks);
    const double speed = tasks.at(0).speed;
    QVERIFY2(speed > 1.0 && speed <= 2.0, qPrintable(QString::number(speed)));
}

void tst_EncoderParser::outOfRangeIndexIsIgnored()
{
    // A task that has gone (its id is found no more) takes nothing, nor does id 0.
    TaskArray tasks;
    int calls = 0;
    tasks.setCellInvalidator([&](int, int, int) { ++calls; });
    tasks.append(ConversionTask());
    const ConversionTask before = tasks.at(0);
    EncoderRun run;
    run.ParseEncoderOutput("size=      10kB time=00:00:04.00 bitrate=", before.id + 1, 0, tasks);
    run.ParseEncoderOutput("size=      10kB time=00:00:04.00 bitrate=", 0, 0, tasks);
    QCOMPARE(tasks.at(0), before);
    QCOMPARE(calls, 0);
}

void tst_EncoderParser::messageLog_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QString>("lastMessage");

    QTest::newRow("nothing") << QList<QByteArray>{} << QString();
    QTest::newRow("progress only") << QList<QByteArray>{"frame=  1 size=  1kB time=00:00:00.03\r",
                                                        "frame=  2 size=  2kB time=00:00:00.06\r"}
                                   << QString();
    QTest::newRow("message after progress")
        << QList<QByteArray>{"frame=  1 size=  1kB time=00:00:00.03\r",
                             "Error while decoding stream #0:0\n",
                             "frame=  2 size=  2kB time=00:00:00.06\r"}
        << u"Error while decoding stream #0:0"_qs;
    QTest::newRow("message split across chunks")
        << QList<QByteArray>{"clip.avi: No such file", " or directory\n"}
        << u"clip.avi: No such file or directory"_qs;
    QTest::newRow("last line without its end")
        << QList<QByteArray>{"first\n", "Conversion failed!"} << u"Conversion failed!"_qs;
    QTest::newRow("carriage return ends a line")
        << QList<QByteArray>{"  Press [q] to stop\r\n\r\n"} << u"Press [q] to stop"_qs;
}

void tst_EncoderParser::messageLog()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QString, lastMessage);
    EncoderMessageLog log;
    for (const QByteArray &chunk : chunks)
        log.feed(chunk);
    QCOMPARE(log.lastMessage(), lastMessage);
    log.clear();
    QCOMPARE(log.lastMessage(), QString());
}

void tst_EncoderParser::messageLogStaysBounded()
{
    EncoderMessageLog log;
    const QByteArray chunk(255, 'x');
    for (int i = 0; i < 1000; ++i)
        log.feed(chunk);
    QCOMPARE(log.lastMessage().size(), EncoderMessageLog::MaxLineBytes);
    log.feed("\nshort\n");
    QCOMPARE(log.lastMessage(), u"short"_qs);
}

QTEST_GUILESS_MAIN(tst_EncoderParser)
#include "tst_encoderparser.moc"
