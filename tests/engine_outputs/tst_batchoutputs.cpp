// What a batch leaves in the output folder, with the real encoder and converter and with
// stand-ins that misbehave: whole files of the source's length under free names, verified before
// they get them; nothing half-written, nothing of another batch touched, no intermediate left;
// untrusted sources that fail without reaching other files.

#include "BatchFixture.h"
#include "MediaFixtures.h"
#include "MediaProbe.h"

#include "ConversionBatch.h"
#include "FfmpegConverter.h"
#include "PartFile.h"
#include "PreConversion.h"
#include "ProgramDir.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace MediaFixtures;
using namespace BatchFixture;

namespace {

/// Files of folder, hidden ones too.
QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class tst_BatchOutputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sourcesComeOutWhole_data();
    void sourcesComeOutWhole();
    void twoBatchesIntoOneFolder();
    void encoderEndings_data();
    void encoderEndings();
    void intermediateIsGone_data();
    void intermediateIsGone();
    void untrustedSources_data();
    void untrustedSources();

private:
    /// One task of source (in the sources folder), trimmed start..end (end -1: the whole file).
    int AddTask(TaskArray &tasks, const QString &source, bool wmv, double start, double end);
    /// A batch whose profile 0 runs command (a template) instead of the shipped encoder.
    std::unique_ptr<ConversionBatch> BatchWithEncoder(TaskArray &tasks, const QString &command);

    QTemporaryDir m_sources;
    QTemporaryDir m_fakeProgram;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<FfmpegConverter> m_media;
    QString m_runtime;
};

void tst_BatchOutputs::initTestCase()
{
    m_runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    g_programDir = m_runtime;
    QString log;
    for (const auto &[name, seconds] : {std::pair("clip596.mov", 5.96),
                                        std::pair("clip192.mov", 1.92),
                                        std::pair("long.avi", 60.0),
                                        std::pair("clip.rm", 2.0)}) {
        QVERIFY2(MakeSource(m_sources.filePath(name), seconds, "160x120", &log), qPrintable(log));
    }
    // The most common AVI: MPEG-4 Part 2 with B-frames and a single key frame.
    QVERIFY2(RunFfmpeg({"-f",
                        "lavfi",
                        "-i",
                        "testsrc=size=320x240:rate=25",
                        "-f",
                        "lavfi",
                        "-i",
                        "sine=frequency=440:sample_rate=44100",
                        "-t",
                        "6",
                        "-c:v",
                        "mpeg4",
                        "-bf",
                        "2",
                        "-g",
                        "300",
                        "-c:a",
                        "libmp3lame",
                        m_sources.filePath("bframes.avi")},
                       &log),
             qPrintable(log));
    // A RealMedia file whose name is 250 bytes of two-byte characters.
    QVERIFY(QFile::copy(m_sources.filePath("clip.rm"),
                        m_sources.filePath(QString(123, QChar(0xe9)) + "a.rm")));
    m_media = std::make_unique<FfmpegConverter>();
}

void tst_BatchOutputs::init()
{
    g_programDir = m_runtime;
    m_output = std::make_unique<QTemporaryDir>();
}

int tst_BatchOutputs::AddTask(
    TaskArray &tasks, const QString &source, bool wmv, double start, double end)
{
    const QString path = m_sources.filePath(source);
    ConversionTask task = NewConversionTask(path, m_media->GetMediaDuration(path), wmv, 0);
    task.trimStart = start;
    if (end >= 0.0)
        task.trimEnd = end;
    return tasks.append(task);
}

std::unique_ptr<ConversionBatch> tst_BatchOutputs::BatchWithEncoder(TaskArray &tasks,
                                                                    const QString &command)
{
    QDir(m_fakeProgram.path()).mkpath("app");
    QFile profile(m_fakeProgram.filePath("app/Zune_Profile.ini"));
    if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    profile.write(
        ("[Info]\nDefaultProfile=0\n[profile0]\nTitle=stand-in\nCommand0=" + command + "\n")
            .toUtf8());
    profile.close();
    // The profile file is read when the batch is made.
    g_programDir = m_fakeProgram.path() + u'/';
    auto batch = std::make_unique<ConversionBatch>(tasks, FfmpegConverters());
    g_programDir = m_runtime;
    batch->SetEncoderEndTimeouts(500, 500);
    return batch;
}

void tst_BatchOutputs::sourcesComeOutWhole_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("wmv");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("tolerance"); // seconds the output's length may differ from the range
    QTest::addColumn<double>("frameAt"); // a frame of the output compared with the source's, or -1

    // One frame at 25 per second (ASF adds its preroll and audio packets of its own).
    QTest::newRow("5.96 s, untrimmed") << "clip596.mov" << false << 0.0 << 0.045 << -1.0;
    QTest::newRow("1.92 s, untrimmed") << "clip192.mov" << false << 0.0 << 0.045 << -1.0;
    QTest::newRow("B-frames, untrimmed") << "bframes.avi" << false << 0.0 << 0.045 << 3.0;
    QTest::newRow("B-frames, from 2 s") << "bframes.avi" << false << 2.0 << 0.045 << 1.0;
    QTest::newRow("B-frames, WMV") << "bframes.avi" << true << 0.0 << 0.2 << 3.0;
    QTest::newRow("RealMedia with a 250-byte name")
        << QString(123, QChar(0xe9)) + "a.rm" << false << 0.0 << 0.1 << -1.0;
}

void tst_BatchOutputs::sourcesComeOutWhole()
{
    QFETCH(QString, source);
    QFETCH(bool, wmv);
    QFETCH(double, start);
    QFETCH(double, tolerance);
    QFETCH(double, frameAt);

    TaskArray tasks;
    AddTask(tasks, source, wmv, start, -1.0);
    ConversionBatch batch(tasks, FfmpegConverters());
    QVERIFY(RunToEnd(batch, m_output->path()));

    const ConversionTask task = tasks.at(0);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QCOMPARE(FilesIn(m_output->path()), QStringList{QFileInfo(task.outputFile).fileName()});
    const double seconds = Probe(m_sources.filePath(source)).duration - start;
    const double duration = Probe(task.outputFile).duration;
    QVERIFY2(qAbs(duration - seconds) <= tolerance,
             qPrintable(QStringLiteral("%1 s for %2 s").arg(duration).arg(seconds)));
    if (frameAt >= 0.0) {
        const double difference
            = ThumbnailDifference(GreyThumbnail(task.outputFile, frameAt),
                                  GreyThumbnail(m_sources.filePath(source), start + frameAt));
        QVERIFY2(difference < 8.0, qPrintable(QString::number(difference)));
    }
}

void tst_BatchOutputs::twoBatchesIntoOneFolder()
{
    // The second batch starts while the first one's encoder writes: both pick "clip" as name.
    TaskArray first;
    TaskArray second;
    AddTask(first, "clip596.mov", false, 0.0, -1.0);
    AddTask(second, "clip596.mov", false, 0.0, -1.0);
    ConversionBatch one(first, FfmpegConverters());
    ConversionBatch two(second, FfmpegConverters());
    bool started = false;
    first.setCellInvalidator([&](int, int, int) {
        if (!started && first.at(0).sizeKB > 0) {
            started = true;
            two.Start(m_output->path(), false);
        }
    });
    QVERIFY(RunToEnd(one, m_output->path()));
    QVERIFY(WaitForEnd(two));

    QVERIFY(started);
    QVERIFY2(IsConverted(first.at(0)), qPrintable(first.at(0).failureReason));
    QVERIFY2(IsConverted(second.at(0)), qPrintable(second.at(0).failureReason));
    QCOMPARE(FilesIn(m_output->path()), (QStringList{"clip596.mp4", "clip596_2.mp4"}));
    for (const TaskArray *tasks : {&first, &second}) {
        QVERIFY(FilesIn(m_output->path()).contains(QFileInfo(tasks->at(0).outputFile).fileName()));
        QVERIFY(qAbs(Probe(tasks->at(0).outputFile).duration
                     - Probe(m_sources.filePath("clip596.mov")).duration)
                <= 0.045);
    }
}

void tst_BatchOutputs::encoderEndings_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file without its end, exit 0") << "truncated" << false << "not playable";
    QTest::newRow("ignores q on Stop and is killed") << "stuck" << true << "had to be ended";
}

void tst_BatchOutputs::encoderEndings()
{
    QFETCH(QString, mode);
    QFETCH(bool, stop);
    QFETCH(QString, reason);

    TaskArray tasks;
    AddTask(tasks, "clip596.mov", false, 0.0, -1.0);
    // Something already has the final name: it must stay as it is.
    QFile theirs(m_output->filePath("clip596.mp4"));
    QVERIFY(theirs.open(QIODevice::WriteOnly) && theirs.write("theirs") == 6);
    theirs.close();
    const auto batch
        = BatchWithEncoder(tasks,
                           QStringLiteral("%1/fake_encoder %2 \"$OUTPUT_FILE\"")
                               .arg(qEnvironmentVariable("TAVREL_TEST_HELPERS"), mode));
    QVERIFY(batch);
    bool stopped = false;
    tasks.setCellInvalidator([&](int, int, int) {
        if (stop && !stopped && tasks.at(0).sizeKB > 0) {
            stopped = true;
            QTimer::singleShot(0, batch.get(), [&] { batch->Stop(); });
        }
    });
    QVERIFY(RunToEnd(*batch, m_output->path()));

    const ConversionTask task = tasks.at(0);
    QCOMPARE(task.state, TaskState::Failed);
    QVERIFY2(task.failureReason.contains(reason), qPrintable(task.failureReason));
    QCOMPARE(FilesIn(m_output->path()), QStringList{"clip596.mp4"});
    QFile kept(m_output->filePath("clip596.mp4"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("theirs"));
}

void tst_BatchOutputs::intermediateIsGone_data()
{
    QTest::addColumn<QString>("ending"); // "finished", "failed", "stopped"
    QTest::newRow("finished") << "finished";
    QTest::newRow("encoder failed") << "failed";
    QTest::newRow("stopped while encoding") << "stopped";
}

void tst_BatchOutputs::intermediateIsGone()
{
    QFETCH(QString, ending);
    TaskArray tasks;
    AddTask(tasks, "clip.rm", false, 0.0, -1.0);
    std::unique_ptr<ConversionBatch> batch
        = ending == "failed"
              ? BatchWithEncoder(tasks,
                                 QStringLiteral("%1/fake_encoder fail 1 \"no, thanks\"")
                                     .arg(qEnvironmentVariable("TAVREL_TEST_HELPERS")))
              : std::make_unique<ConversionBatch>(tasks, FfmpegConverters());
    QString intermediate;
    tasks.setCellInvalidator([&](int, int, int) {
        const ConversionTask task = tasks.at(0);
        if (task.preconvPhase == 2 && intermediate.isEmpty()) {
            intermediate = task.intermediatePath;
            if (ending == "stopped")
                QTimer::singleShot(0, batch.get(), [&] { batch->Stop(); });
        }
    });
    QVERIFY(RunToEnd(*batch, m_output->path()));

    QVERIFY(!intermediate.isEmpty());
    QVERIFY2(!QFileInfo::exists(intermediate), qPrintable(intermediate));
    const TaskState expected = ending == "failed"     ? TaskState::Failed
                               : ending == "finished" ? TaskState::Finished
                                                      : TaskState::Stopped;
    QCOMPARE(tasks.at(0).state, expected);
}

void tst_BatchOutputs::untrustedSources_data()
{
    QTest::addColumn<QByteArray>("content"); // the "video"; empty: a FIFO
    QTest::addColumn<bool>("wmv");
    // Without the whitelists FFmpeg would convert the private video the playlist names.
    const QByteArray secret = "ffconcat version 1.0\nfile 'secret.avi'\n";
    const QByteArray concat = "ffconcat version 1.0\nfile 'fifo.avi'\n";
    QTest::newRow("concat playlist naming a secret, MP4") << secret << false;
    QTest::newRow("concat playlist naming a secret, WMV") << secret << true;
    QTest::newRow("concat playlist naming a FIFO, MP4") << concat << false;
    QTest::newRow("concat playlist naming a FIFO, WMV") << concat << true;
    QTest::newRow("a FIFO, MP4") << QByteArray() << false;
}

void tst_BatchOutputs::untrustedSources()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, wmv);

    QTemporaryDir folder;
    QVERIFY(QFile::copy(m_sources.filePath("clip192.mov"), folder.filePath("secret.avi")));
    QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("fifo.avi")).constData(), 0600) == 0);
    const QString video = folder.filePath(content.isEmpty() ? "fifo.avi" : "video.avi");
    if (!content.isEmpty()) {
        QFile file(video);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    // A 10 ms timer stands for the window: it must keep ticking through the add and the batch.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticker.start(10);
    TaskArray tasks;
    ConversionTask task = NewConversionTask(video, m_media->GetMediaDuration(video), wmv, 0);
    QCOMPARE(task.trimEnd, 0.0); // nothing readable
    task.trimEnd = 2.0;          // as if it had been readable when it was added
    tasks.append(task);
    ConversionBatch batch(tasks, FfmpegConverters());
    QVERIFY(RunToEnd(batch, m_output->path()));
    longestGap = std::max(longestGap, clock.elapsed() - last); // a batch that never let it tick
    ticker.stop();

    QCOMPARE(tasks.at(0).state, TaskState::Failed);
    QCOMPARE(FilesIn(m_output->path()), QStringList{});
    QVERIFY2(longestGap < 2000, qPrintable(QString::number(longestGap)));
}

QTEST_MAIN(tst_BatchOutputs)
#include "tst_batchoutputs.moc"
