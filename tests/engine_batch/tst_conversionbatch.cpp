// The batch without a window: real conversions of short generated clips through the encoder in
// app/ and the real media component; output names; Stop in each kind of task; failing tasks.

#include "BatchFixture.h"
#include "MediaFixtures.h"

#include "BatchTexts.h"
#include "ConversionBatch.h"
#include "FfmpegConverter.h"
#include "OutputPath.h"
#include "ProgramDir.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace MediaFixtures;
using namespace BatchFixture;

namespace {

/// A task of a test batch: a fixture file, its output type, a title ("" keeps the file's) and an
/// end (seconds; -1 keeps the file's duration). The start is always 0 unless end is 0.
struct Job
{
    QString source;
    bool wmv = false;
    QString title{};
    double end = -1.0;
};

} // namespace

Q_DECLARE_METATYPE(Job)

class tst_ConversionBatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void centerMessageText_data();
    void centerMessageText();
    void outputPath_data();
    void outputPath();
    void batchRuns_data();
    void batchRuns();
    void stopActsOnTheTaskBeingConverted_data();
    void stopActsOnTheTaskBeingConverted();

private:
    /// Runs jobs into the output folder; onProgress sees every progress report of a task.
    void run(const QList<Job> &jobs, std::function<void(int, const ConversionTask &)> onProgress);
    QStringList outputFiles() const { return QDir(m_output->path()).entryList(QDir::Files); }

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<FfmpegConverter> m_media;
    TaskArray m_tasks;
    std::unique_ptr<ConversionBatch> m_batch;
};

void tst_ConversionBatch::initTestCase()
{
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    QString log;
    for (const auto &[name, seconds, size] : {std::tuple("clip.avi", 2.0, "160x120"),
                                              std::tuple("clip.rm", 2.0, "160x120"),
                                              std::tuple("long.avi", 60.0, "320x240"),
                                              std::tuple("long.rm", 60.0, "320x240")}) {
        QVERIFY2(MakeSource(m_sources.filePath(name), seconds, size, &log), qPrintable(log));
    }
    QFile broken(m_sources.filePath("broken.avi"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(65536, 'Z')) > 0);
    QFile empty(m_sources.filePath("empty.avi"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    m_media = std::make_unique<FfmpegConverter>();
}

void tst_ConversionBatch::init()
{
    m_output = std::make_unique<QTemporaryDir>();
    m_tasks.clear();
    m_batch = std::make_unique<ConversionBatch>(m_tasks, FfmpegConverters());
}

void tst_ConversionBatch::cleanup()
{
    // No job, and with it no program, outlives the batch's end; no intermediate is left.
    QVERIFY(m_batch->Jobs().isEmpty());
    for (int i = 0; i < m_tasks.count(); ++i)
        QVERIFY(m_tasks.at(i).intermediatePath.isEmpty()
                || !QFileInfo::exists(m_tasks.at(i).intermediatePath));
    m_batch.reset();
}

void tst_ConversionBatch::run(const QList<Job> &jobs,
                              std::function<void(int, const ConversionTask &)> onProgress)
{
    for (const Job &job : jobs) {
        const QString path = m_sources.filePath(job.source);
        ConversionTask task = NewConversionTask(path, m_media->GetMediaDuration(path), job.wmv, 0);
        if (!job.title.isEmpty())
            task.title = task.baseName = job.title;
        if (job.end >= 0.0)
            task.trimEnd = job.end;
        m_tasks.append(task);
    }
    m_tasks.setCellInvalidator([this, onProgress](int row, int, int) {
        if (onProgress)
            onProgress(row, m_tasks.at(row));
    });
    QVERIFY(RunToEnd(*m_batch, m_output->path(), true));
}

void tst_ConversionBatch::centerMessageText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("leadingBlanks"); // -1: unchanged
    QTest::newRow("the end message") << "Converting Finished" << 40;
    QTest::newRow("empty: a line of blanks") << "" << 50;
    QTest::newRow("99 characters fill the line") << QString(99, u'a') << 0;
    QTest::newRow("100 characters stay") << QString(100, u'a') << -1;
}

void tst_ConversionBatch::centerMessageText()
{
    QFETCH(QString, text);
    QFETCH(int, leadingBlanks);
    QCOMPARE(CenterMessageText(text),
             leadingBlanks < 0 ? text : (QString(leadingBlanks, u' ') + text).leftJustified(99));
}

void tst_ConversionBatch::outputPath_data()
{
    QTest::addColumn<QStringList>("existing"); // "name", "name/" a folder, "name@" a dangling link
    QTest::addColumn<QString>("directory");    // the output folder's path followed by this
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("wmv");
    QTest::addColumn<QString>("expected");

    const QString e125 = QString(125, QChar(0xe9)) + ".mp4"; // "é" is 2 bytes: 254 bytes
    auto row = [](const char *name,
                  QStringList existing,
                  const QString &title,
                  bool wmv,
                  QString expected) {
        QTest::newRow(name) << existing << "" << title << wmv << expected;
    };
    row("free", {}, "clip", false, "clip.mp4");
    row("taken: _2", {"clip.mp4"}, "clip", false, "clip_2.mp4");
    row("_2 taken too: _3", {"clip.mp4", "clip_2.mp4"}, "clip", false, "clip_3.mp4");
    row("a folder or a dangling link takes a name",
        {"clip.wmv/", "clip_2.wmv@"},
        "clip",
        true,
        "clip_3.wmv");
    row("../x", {}, "../x", false, "___x.mp4");
    row("a/b", {}, "a/b", false, "a_b.mp4");
    row(".hidden", {}, ".hidden", false, "_hidden.mp4");
    row("empty title: the source's name", {}, "", true, "my.holiday.wmv");
    row("300 x é: cut to 255 bytes", {}, QString(300, QChar(0xe9)), false, e125);
    row("300 x é taken: cut again for _2",
        {e125},
        QString(300, QChar(0xe9)),
        false,
        QString(124, QChar(0xe9)) + "_2.mp4");
    QTest::newRow("a trailing separator gets no second one") << QStringList() << "/"
                                                             << "clip" << false << "clip.mp4";
}

void tst_ConversionBatch::outputPath()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, directory);
    QFETCH(QString, title);
    QFETCH(bool, wmv);
    QFETCH(QString, expected);

    const QDir dir(m_output->path());
    for (const QString &name : existing) {
        if (name.endsWith(u'/'))
            QVERIFY(dir.mkdir(name.chopped(1)));
        else if (name.endsWith(u'@'))
            QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath(name.chopped(1))));
        else
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    }
    QCOMPARE(MakeOutputPath(dir.path() + directory, title, wmv, "/videos/my.holiday.avi"),
             dir.filePath(expected));
}

void tst_ConversionBatch::batchRuns_data()
{
    QTest::addColumn<QList<Job>>("jobs");
    QTest::addColumn<int>("crashAt");         // task whose encoder is killed mid-file, or -1
    QTest::addColumn<QStringList>("results"); // per task: its output file, or "Failed: <reason>"

    // broken.avi and missing.avi were readable when they were added: 2 seconds long then.
    QTest::newRow("mp4, pre-converted RealMedia, wmv, a hostile title")
        << QList<Job>{{"clip.avi"}, {"clip.rm"}, {"clip.avi", true}, {"clip.avi", false, "../x"}}
        << -1 << QStringList{"clip.mp4", "clip_2.mp4", "clip.wmv", "___x.mp4"};
    QTest::newRow("a corrupt source between two good ones")
        << QList<Job>{{"clip.avi"},
                      {"broken.avi", false, "", 2},
                      {"broken.avi", true, "", 2},
                      {"clip.avi"}}
        << -1
        << QStringList{"clip.mp4", "Failed: Invalid data", "Failed: Invalid data", "clip_2.mp4"};
    QTest::newRow("an empty range and an unreadable file")
        << QList<Job>{{"clip.avi", false, "", 0}, {"empty.avi"}, {"empty.avi", true}} << -1
        << QStringList{"Failed: selected part of the file is empty",
                       "Failed: could not be read",
                       "Failed: could not be read"};
    QTest::newRow("a WMV the media component refuses, then an mp4")
        << QList<Job>{{"missing.avi", true, "", 2}, {"clip.avi"}} << -1
        << QStringList{"Failed: does not exist", "clip.mp4"};
    QTest::newRow("an encoder that crashes mid-file")
        << QList<Job>{{"long.avi"}, {"clip.avi"}} << 0 << QStringList{"Failed: ", "clip.mp4"};
}

void tst_ConversionBatch::batchRuns()
{
    QFETCH(QList<Job>, jobs);
    QFETCH(int, crashAt);
    QFETCH(QStringList, results);

    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QSignalSpy powerOff(m_batch.get(), &ConversionBatch::powerOffRequested);
    QSignalSpy output(m_batch.get(), &ConversionBatch::taskOutput);
    QVERIFY(messages.isValid() && powerOff.isValid() && output.isValid());
    run(jobs, [&](int row, const ConversionTask &task) {
        const ConversionJob *job = m_batch->Job(task.id);
        if (row == crashAt && task.sizeKB > 0 && job && job->ProcessId() > 0)
            ::kill(pid_t(job->ProcessId()), SIGKILL);
    });
    QSet<int> withOutput;
    for (const QList<QVariant> &chunk : std::as_const(output))
        withOutput.insert(m_tasks.indexOf(chunk.at(0).value<TaskId>()));

    QStringList files;
    int failed = 0;
    for (int i = 0; i < results.size(); ++i) {
        const ConversionTask task = m_tasks.at(i);
        // Every task that was tried has a log, also one that failed before any program ran.
        QVERIFY(m_batch->Logs().HasLog(task.id));
        QVERIFY(!m_batch->Logs().FilePath(task.id).isEmpty());
        if (results[i].startsWith("Failed: ")) {
            ++failed;
            QCOMPARE(task.state, TaskState::Failed);
            QVERIFY2(task.failureReason.contains(results[i].mid(8)),
                     qPrintable(task.failureReason));
            QVERIFY(m_batch->Logs().Text(task.id).contains(task.failureReason.toUtf8()));
            continue;
        }
        QCOMPARE(task.state, TaskState::Finished);
        // What the encoder or the converter printed reached the task's log.
        QVERIFY(withOutput.contains(i));
        const ProbeResult probe = Probe(m_output->filePath(results[i]));
        QVERIFY2(probe.formatName.contains(task.outputWmv ? "asf" : "mp4"), qPrintable(results[i]));
        QVERIFY(qAbs(probe.duration - task.trimEnd) < 0.5);
        files << results[i];
    }
    // Failed tasks leave no file behind; the batch went on after them.
    files.sort();
    QCOMPARE(outputFiles(), files);
    // The box was checked: the power-off (whose cancel shows this text) instead of the message.
    QCOMPARE(messages.count(), 0);
    QCOMPARE(powerOff.count(), 1);
    QCOMPARE(powerOff.at(0).at(0).toString(), FinishedMessageText(failed, results.size()));
}

void tst_ConversionBatch::stopActsOnTheTaskBeingConverted_data()
{
    QTest::addColumn<QList<Job>>("jobs"); // Stop comes once the second one is under way
    QTest::addColumn<QStringList>("files");
    QTest::newRow("encoding the second of three mp4 tasks")
        << QList<Job>{{"clip.avi"}, {"long.avi"}, {"clip.avi"}}
        << QStringList{"clip.mp4", "long.mp4"};
    QTest::newRow("making a WMV between mp4 tasks")
        << QList<Job>{{"clip.avi"}, {"long.avi", true}, {"clip.avi"}} << QStringList{"clip.mp4"};
    QTest::newRow("pre-converting between WMV tasks")
        << QList<Job>{{"clip.avi", true}, {"long.rm"}, {"clip.avi", true}}
        << QStringList{"clip.wmv"};
}

void tst_ConversionBatch::stopActsOnTheTaskBeingConverted()
{
    QFETCH(QList<Job>, jobs);
    QFETCH(QStringList, files);

    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QVERIFY(messages.isValid());
    int starts = 0;
    connect(m_batch.get(), &ConversionBatch::busyChanged, this, [&](bool busy) { starts += busy; });
    QString intermediate;
    bool stopped = false;
    bool stoppingAtOnce = false;
    run(jobs, [&](int row, const ConversionTask &task) {
        if (row == 1 && !stopped
            && (task.sizeKB > 0 || task.wmvPercent > 0 || task.preconvPercent > 0)) {
            stopped = true;
            intermediate = task.intermediatePath;
            QTimer::singleShot(0, m_batch.get(), [&] {
                m_batch->Stop();
                // Its job ends from the event loop; a Start meanwhile does nothing.
                stoppingAtOnce = m_batch->QueueState() == ConversionBatch::State::Stopping;
                m_batch->Start(m_output->path(), false);
            });
        }
    });

    QVERIFY(stopped);
    QVERIFY(stoppingAtOnce);
    QCOMPARE(starts, 1);
    // The stopped task is neither finished nor failed but stopped, the third never began.
    QCOMPARE(m_tasks.at(1).state, TaskState::Stopped);
    QVERIFY(m_tasks.at(1).wmvPercent < 100);
    QCOMPARE(m_tasks.at(2).state, TaskState::Waiting);
    QCOMPARE(m_tasks.at(2).encodedTime + m_tasks.at(2).wmvPercent + m_tasks.at(2).preconvPhase, 0);
    // Its intermediate is gone, a killed WMV's part-file too; the encoder finished its file on
    // "q": valid and shorter.
    QVERIFY(intermediate.isEmpty() || !QFileInfo::exists(intermediate));
    QCOMPARE(outputFiles(), files);
    // What a stopped task kept is checked and named; otherwise it kept nothing.
    const bool kept = files.contains("long.mp4");
    QCOMPARE(QFileInfo(m_tasks.at(1).outputFile).fileName(), kept ? "long.mp4" : "");
    QCOMPARE(m_tasks.at(1).keptSeconds > 0.0, kept);
    if (kept)
        QVERIFY(Probe(m_output->filePath("long.mp4")).duration < 59.0);
    // Stop's message, and no power-off although the box was checked.
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), FinishedMessageText(0, 3));
    QCOMPARE(messages.at(0).at(1).toString(), QStringLiteral("Information"));
}

QTEST_MAIN(tst_ConversionBatch)
#include "tst_conversionbatch.moc"
