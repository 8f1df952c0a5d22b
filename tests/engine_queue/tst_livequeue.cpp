// The batch as a live queue, with the real encoder and converter on short generated clips: tasks
// that join a running batch, a second Start, pause and resume, the watchdog, several jobs at
// once, removing a task that is being converted, and an owner that goes away mid-batch.

#include "BatchFixture.h"
#include "MediaFixtures.h"

#include "MediaDuration.h"
#include "ProgramDir.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

using namespace BatchFixture;
using namespace MediaFixtures;

namespace {

/// The state letter of a process (/proc/<pid>/stat): 'T' stopped, 'S' sleeping, 'R' running.
char ProcessState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray text = stat.readAll();
    const qsizetype end = text.lastIndexOf(')');
    return end >= 0 && end + 2 < text.size() ? text.at(end + 2) : '?';
}

/// Processes whose parent is this test.
QList<qint64> ChildProcesses()
{
    QList<qint64> children;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        bool ok = false;
        const qint64 pid = it.next().section(u'/', -1).toLongLong(&ok);
        QFile stat(it.filePath() + QStringLiteral("/stat"));
        if (!ok || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1) == self)
            children.append(pid);
    }
    return children;
}

qint64 FileSize(const QString &path)
{
    return path.isEmpty() ? -1 : QFileInfo(path).size();
}

} // namespace

class tst_LiveQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void addDuringABatchJoinsIt();
    void secondStartConvertsWhatIsNotConverted();
    void pauseHoldsEveryKindOfJob_data();
    void pauseHoldsEveryKindOfJob();
    void stalledEncoderFailsByTheWatchdog();
    void twoAtOnce();
    void removingAConvertingTask();
    void removeRightAfterAWmvStop();
    void ownerGoesAwayWhilePreconverting();

private:
    int add(const QString &source, bool wmv = false, int profile = 0);
    std::unique_ptr<ConversionBatch> makeBatch();
    QStringList outputFiles() const
    {
        return QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_sources;
    QTemporaryDir m_program;
    std::unique_ptr<QTemporaryDir> m_output;
    QString m_runtime;
    TaskArray m_tasks;
    std::unique_ptr<ConversionBatch> m_batch;
};

void tst_LiveQueue::initTestCase()
{
    m_runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    QString log;
    for (const auto &[name, seconds, size] : {std::tuple("clip.avi", 2.0, "160x120"),
                                              std::tuple("long.avi", 40.0, "640x480"),
                                              std::tuple("long.rm", 40.0, "320x240")}) {
        QVERIFY2(MakeSource(m_sources.filePath(name), seconds, size, &log), qPrintable(log));
    }
    // A program folder of the test's: profile 0 is the shipped encoder's profile 1, profile 1 a
    // stand-in that writes a little, then hangs and ignores "q".
    QVERIFY(QDir(m_program.path()).mkpath("app"));
    QFile profiles(m_program.filePath("app/Zune_Profile.ini"));
    QVERIFY(profiles.open(QIODevice::WriteOnly));
    const QString tavenc = m_runtime + "app/tavenc";
    const QString stuck = qEnvironmentVariable("TAVREL_TEST_HELPERS") + "/fake_encoder stuck";
    profiles.write(QStringLiteral("[Info]\nDefaultProfile=0\n"
                                  "[profile0]\nTitle=real\nCommand0=%1 -n $START$LENGTH -i "
                                  "\"$INPUT_FILE\" -vcodec h264 -s 320x240 -r 29.97 -b 768k "
                                  "-acodec aac -ac 2 -ab 128k -ar 44100 \"$OUTPUT_FILE\"\n"
                                  "[profile1]\nTitle=stuck\nCommand0=%2 \"$OUTPUT_FILE\"\n")
                       .arg(tavenc, stuck)
                       .toUtf8());
    profiles.close();
    // The WMV profiles are read from the program's folder: the laid-out one has them.
    QVERIFY(QFile::copy(m_runtime + "WMV_Profiles.ini", m_program.filePath("WMV_Profiles.ini")));
}

void tst_LiveQueue::init()
{
    g_programDir = m_program.path() + u'/';
    m_output = std::make_unique<QTemporaryDir>();
    m_tasks.clear();
    m_tasks.setCellInvalidator({}); // a test's watcher goes with it
    m_batch = makeBatch();
}

void tst_LiveQueue::cleanup()
{
    if (m_batch)
        QVERIFY(WaitForEnd(*m_batch, 60000));
    m_batch.reset();
    QTRY_COMPARE_WITH_TIMEOUT(ChildProcesses(), QList<qint64>(), 10000);
    qunsetenv("TAVREL_STALL_SECONDS");
}

std::unique_ptr<ConversionBatch> tst_LiveQueue::makeBatch()
{
    auto batch = std::make_unique<ConversionBatch>(m_tasks, FfmpegConverters());
    batch->SetEncoderEndTimeouts(500, 500);
    return batch;
}

int tst_LiveQueue::add(const QString &source, bool wmv, int profile)
{
    const QString path = m_sources.filePath(source);
    ConversionTask task = NewConversionTask(path, ReadMediaDuration(path), wmv, 0);
    task.mpeg4Profile = profile;
    return m_tasks.append(task);
}

void tst_LiveQueue::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString caption = QStringLiteral("Tavrel V1");
    QTest::newRow("one job: its place and percent")
        << BatchProgressCaption(caption, {2, 5, 1, 40, false}) << "Tavrel V1 – 3 of 5, 40 %";
    QTest::newRow("two jobs: how many are done")
        << BatchProgressCaption(caption, {2, 5, 2, 40, false}) << "Tavrel V1 – 2 of 5 done";
    QTest::newRow("paused") << BatchProgressCaption(caption, {2, 5, 1, 40, true})
                            << "Tavrel V1 – Paused, 2 of 5 done";
    QTest::newRow("two minutes") << StallReason(120)
                                 << "The conversion made no progress for 2 minutes and was ended.";
    QTest::newRow("one minute") << StallReason(60)
                                << "The conversion made no progress for 1 minute and was ended.";
    QTest::newRow("90 seconds") << StallReason(90)
                                << "The conversion made no progress for 90 seconds and was ended.";
}

void tst_LiveQueue::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void tst_LiveQueue::addDuringABatchJoinsIt()
{
    QSignalSpy busy(m_batch.get(), &ConversionBatch::busyChanged);
    QVERIFY(busy.isValid());
    add("long.avi");
    bool added = false;
    m_tasks.setCellInvalidator([&](int row, int, int) {
        if (row == 0 && !added && m_tasks.at(0).sizeKB > 0) {
            added = true;
            add("clip.avi");
            m_batch->TasksAdded();
        }
    });
    QVERIFY(RunToEnd(*m_batch, m_output->path()));

    QVERIFY(added);
    QCOMPARE(busy.count(), 2); // one batch: it began and ended once
    for (int i = 0; i < 2; ++i)
        QVERIFY2(IsConverted(m_tasks.at(i)), qPrintable(m_tasks.at(i).failureReason));
    QCOMPARE(outputFiles(), (QStringList{"clip.mp4", "long.mp4"}));
}

void tst_LiveQueue::secondStartConvertsWhatIsNotConverted()
{
    add("clip.avi");
    add("clip.avi");
    m_tasks.update(1, NoColumn, [this](ConversionTask &t) { t.sourcePath += ".gone"; });
    QVERIFY(RunToEnd(*m_batch, m_output->path()));
    QCOMPARE(m_tasks.at(0).state, TaskState::Finished);
    QCOMPARE(m_tasks.at(1).state, TaskState::Failed);
    QVERIFY2(m_tasks.at(1).failureReason.contains("does not exist"),
             qPrintable(m_tasks.at(1).failureReason));
    const QString first = m_tasks.at(0).outputFile;

    // One more video, and the failed one's source is back: the finished one is left alone.
    add("clip.avi");
    m_tasks.update(1, NoColumn, [](ConversionTask &t) { t.sourcePath.chop(5); });
    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QVERIFY(messages.isValid());
    QVERIFY(RunToEnd(*m_batch, m_output->path()));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(m_tasks.at(i).state, TaskState::Finished);
    QCOMPARE(m_tasks.at(0).outputFile, first);
    QCOMPARE(outputFiles(), (QStringList{"clip.mp4", "clip_2.mp4", "clip_3.mp4"}));
    QCOMPARE(messages.at(0).at(0).toString(), FinishedMessageText(0, 2));

    // "Convert again" takes a finished one back; the next Start converts just that one.
    m_batch->ConvertAgain(m_tasks.at(0).id);
    QCOMPARE(m_tasks.at(0).state, TaskState::Waiting);
    QVERIFY(RunToEnd(*m_batch, m_output->path()));
    QCOMPARE(outputFiles().size(), 4);
    QCOMPARE(m_tasks.at(1).outputFile, m_output->filePath("clip_2.mp4"));
}

void tst_LiveQueue::pauseHoldsEveryKindOfJob_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("wmv");
    QTest::newRow("encoding") << "long.avi" << false;
    QTest::newRow("pre-converting") << "long.rm" << false;
    QTest::newRow("making a WMV") << "long.avi" << true;
}

void tst_LiveQueue::pauseHoldsEveryKindOfJob()
{
    QFETCH(QString, source);
    QFETCH(bool, wmv);
    add(source, wmv);
    QSignalSpy progress(m_batch.get(), &ConversionBatch::progressChanged);
    QVERIFY(progress.isValid());
    m_batch->Start(m_output->path(), false);
    const TaskId id = m_tasks.at(0).id;
    // The file the job's program writes now: the part file, or the intermediate.
    auto written = [&] {
        const QString intermediate = m_tasks.at(0).intermediatePath;
        return !intermediate.isEmpty() && m_tasks.at(0).preconvPhase == 1
                   ? intermediate
                   : (m_batch->Job(id) ? m_batch->Job(id)->PartFilePath() : QString());
    };
    QTRY_VERIFY_WITH_TIMEOUT(FileSize(written()) > 20000, 60000);

    m_batch->Pause();
    QCOMPARE(m_batch->QueueState(), ConversionBatch::State::Paused);
    QCOMPARE(m_tasks.at(0).state, TaskState::Paused);
    QVERIFY(progress.count() > 0 && progress.last().at(0).value<BatchProgress>().paused);
    if (const qint64 pid = m_batch->Job(id)->ProcessId())
        QTRY_COMPARE(ProcessState(pid), 'T');
    const QString file = written();
    QTest::qWait(300); // what was under way before the stop reaches the file
    const qint64 held = FileSize(file);
    const qint64 runningAtPause = m_batch->Job(id)->RunningMs();
    QTest::qWait(1500);
    QCOMPARE(FileSize(file), held);
    // The pause does not count as the job's time.
    QVERIFY(m_batch->Job(id)->RunningMs() - runningAtPause < 100);

    m_batch->Resume();
    QCOMPARE(m_tasks.at(0).state, TaskState::Converting);
    QVERIFY(WaitForEnd(*m_batch));
    const ConversionTask task = m_tasks.at(0);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QVERIFY(qAbs(Probe(task.outputFile).duration - 40.0) < 0.5);
}

void tst_LiveQueue::stalledEncoderFailsByTheWatchdog()
{
    // Long enough for the real encoder of the second task to look at its source and report.
    qputenv("TAVREL_STALL_SECONDS", "4");
    m_batch = makeBatch(); // the limit is read when the batch is made
    add("clip.avi", false, 1);
    add("clip.avi");
    QVERIFY(RunToEnd(*m_batch, m_output->path(), false, 60000));

    QCOMPARE(m_tasks.at(0).state, TaskState::Failed);
    QCOMPARE(m_tasks.at(0).failureReason, StallReason(4));
    QVERIFY(m_batch->Logs().Text(m_tasks.at(0).id).contains("no progress for 4 seconds"));
    // The queue went on with the next task.
    QVERIFY2(IsConverted(m_tasks.at(1)), qPrintable(m_tasks.at(1).failureReason));
    QCOMPARE(outputFiles(), QStringList{"clip.mp4"});
}

void tst_LiveQueue::twoAtOnce()
{
    m_batch->SetSimultaneous(2);
    if (m_batch->Simultaneous() < 2)
        QSKIP("one core: one job at a time");
    add("long.avi");
    add("long.avi");
    add("clip.avi");
    int mostAtOnce = 0;
    m_tasks.setCellInvalidator([&](int, int, int) {
        int encoders = 0;
        for (const ConversionJob *job : m_batch->Jobs())
            encoders += job->ProcessId() > 0;
        mostAtOnce = std::max(mostAtOnce, encoders);
    });
    QVERIFY(RunToEnd(*m_batch, m_output->path()));
    QCOMPARE(mostAtOnce, 2);
    QCOMPARE(outputFiles(), (QStringList{"clip.mp4", "long.mp4", "long_2.mp4"}));
    for (const QString &name : outputFiles()) {
        const double expected = name.startsWith("clip") ? 2.0 : 40.0;
        QVERIFY(qAbs(Probe(m_output->filePath(name)).duration - expected) < 0.5);
    }
}

void tst_LiveQueue::removingAConvertingTask()
{
    add("long.avi");
    add("clip.avi");
    m_batch->Start(m_output->path(), false);
    const TaskId removed = m_tasks.at(0).id;
    QTRY_VERIFY_WITH_TIMEOUT(m_tasks.at(0).sizeKB > 0, 60000);
    const qint64 pid = m_batch->Job(removed)->ProcessId();
    m_tasks.removeAt(0);
    m_batch->TaskRemoved(removed);

    QVERIFY(WaitForEnd(*m_batch));
    QCOMPARE(m_tasks.count(), 1);
    QCOMPARE(m_tasks.at(0).state, TaskState::Finished);
    // The removed task's encoder is gone and kept nothing, not even a part file.
    QCOMPARE(ProcessState(pid), '?');
    QCOMPARE(outputFiles(), QStringList{"clip.mp4"});
}

void tst_LiveQueue::removeRightAfterAWmvStop()
{
    // The row above the stopped WMV task goes in the same handler as Stop: the stopped task,
    // not the one that moves into its row, is the one marked stopped.
    add("clip.avi");
    add("long.avi", true);
    add("clip.avi");
    bool stopped = false;
    m_tasks.setCellInvalidator([&](int row, int, int) {
        if (row == 1 && !stopped && m_tasks.at(1).wmvPercent > 0) {
            stopped = true;
            QTimer::singleShot(0, m_batch.get(), [&] {
                const TaskId first = m_tasks.at(0).id;
                m_batch->Stop();
                m_tasks.removeAt(0);
                m_batch->TaskRemoved(first);
            });
        }
    });
    QVERIFY(RunToEnd(*m_batch, m_output->path()));
    QVERIFY(stopped);
    QCOMPARE(m_tasks.count(), 2);
    QCOMPARE(m_tasks.at(0).state, TaskState::Stopped);
    QCOMPARE(m_tasks.at(0).outputWmv, 1);
    QCOMPARE(m_tasks.at(1).state, TaskState::Waiting);
    QCOMPARE(outputFiles(), QStringList{"clip.mp4"});
}

void tst_LiveQueue::ownerGoesAwayWhilePreconverting()
{
    auto tasks = std::make_unique<TaskArray>();
    const QString path = m_sources.filePath("long.rm");
    tasks->append(NewConversionTask(path, ReadMediaDuration(path), 0, 0));
    auto batch = std::make_unique<ConversionBatch>(*tasks, FfmpegConverters());
    batch->Start(m_output->path(), false);
    QTRY_VERIFY_WITH_TIMEOUT(tasks->at(0).preconvPercent > 0.0, 60000);
    const QString intermediate = tasks->at(0).intermediatePath;
    QVERIFY(QFileInfo::exists(intermediate));

    // The window goes: first the batch lets go, then the tasks go.
    batch->Abandon();
    tasks.reset();
    batch.reset();
    QVERIFY(!QFileInfo::exists(intermediate));
    QTRY_COMPARE_WITH_TIMEOUT(ChildProcesses(), QList<qint64>(), 10000);
    QCOMPARE(outputFiles(), QStringList());
}

QTEST_MAIN(tst_LiveQueue)
#include "tst_livequeue.moc"
