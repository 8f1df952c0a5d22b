// The batch without a window: real conversions of short generated clips through the encoder in
// app/ and the real media component, the output names, the refused starts, Stop in each kind of
// task, and tasks that fail without ending the batch.

#include "../media_support/MediaFixtures.h"

#include "BatchState.h"
#include "BatchTexts.h"
#include "CVideoEdit.h"
#include "ConversionBatch.h"
#include "EncoderRunner.h"
#include "OutputPath.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace MediaFixtures;

namespace {

/// One task of a test batch: a source file of the fixtures, its output type, and optionally its
/// title and range (seconds; a negative end keeps the whole file).
struct Job
{
    QString source;
    bool wmv = false;
    QString title = QStringLiteral("<source>");
    double start = 0.0;
    double end = -1.0;
};

Job Mp4(const QString &source)
{
    return {source};
}

Job Wmv(const QString &source)
{
    return {source, true};
}

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
    void refusedStart_data();
    void refusedStart();
    void batchRuns_data();
    void batchRuns();
    void stopActsOnTheTaskBeingConverted_data();
    void stopActsOnTheTaskBeingConverted();

private:
    QString source(const QString &name) const { return m_sources.filePath(name); }
    void addJobs(const QList<Job> &jobs);
    /// Runs the batch into the output folder; onProgress sees each progress report of a task.
    void run(bool powerOff, std::function<void(int, const ConversionTask &)> onProgress = {});
    QStringList outputFiles() const;

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<CVideoEdit> m_media;
    TaskArray m_tasks;
    std::unique_ptr<ConversionBatch> m_batch;
};

void tst_ConversionBatch::initTestCase()
{
    const QString runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR");
    QVERIFY(!runtime.isEmpty());
    g_programDir = QDir::toNativeSeparators(runtime + u'/');
    QVERIFY(m_sources.isValid());
    QString log;
    for (const auto &[name, seconds, size] : {std::tuple("clip.avi", 2.0, "160x120"),
                                              std::tuple("clip.rm", 2.0, "160x120"),
                                              std::tuple("long.avi", 60.0, "320x240"),
                                              std::tuple("long.rm", 60.0, "320x240")}) {
        QVERIFY2(
            MakeSource(source(QString::fromLatin1(name)), seconds, QString::fromLatin1(size), &log),
            qPrintable(log));
    }
    QFile broken(source(QStringLiteral("broken.avi")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(64 * 1024, '\x5a'));
    broken.close();
    QFile empty(source(QStringLiteral("empty.avi")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    m_media = std::make_unique<CVideoEdit>();
}

void tst_ConversionBatch::init()
{
    m_output = std::make_unique<QTemporaryDir>();
    QVERIFY(m_output->isValid());
    m_tasks.clear();
    g_stopRequested = false;
    m_batch = std::make_unique<ConversionBatch>(m_tasks, *m_media);
    connect(m_media.get(),
            &CVideoEdit::ConversionFinished,
            m_batch.get(),
            &ConversionBatch::OnConversionFinished);
    connect(m_media.get(),
            &CVideoEdit::ConversionProgress,
            m_batch.get(),
            &ConversionBatch::OnConversionProgress);
}

void tst_ConversionBatch::cleanup()
{
    // Intermediate files of finished pre-conversions stay in the program's folder.
    for (int i = 0; i < m_tasks.count(); ++i) {
        if (!m_tasks.at(i).intermediatePath.isEmpty())
            QFile::remove(m_tasks.at(i).intermediatePath);
    }
    m_batch.reset();
    QVERIFY(!IsEncoderRunning());
    QVERIFY(!m_media->IsConverting());
}

void tst_ConversionBatch::addJobs(const QList<Job> &jobs)
{
    for (const Job &job : jobs) {
        const QString path = source(job.source);
        ConversionTask task = NewConversionTask(path, m_media->GetMediaDuration(path), job.wmv, 0);
        if (job.title != QLatin1String("<source>"))
            task.title = task.baseName = job.title;
        task.trimStart = job.start;
        if (job.end >= 0.0)
            task.trimEnd = job.end;
        m_tasks.append(task);
    }
}

void tst_ConversionBatch::run(bool powerOff,
                              std::function<void(int, const ConversionTask &)> onProgress)
{
    m_tasks.setCellInvalidator([this, onProgress](int first, int, int column) {
        if (onProgress && column == ProgressColumn)
            onProgress(first, m_tasks.at(first));
    });
    m_batch->Start(m_output->path(), powerOff);
}

QStringList tst_ConversionBatch::outputFiles() const
{
    return QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// --- plain functions --------------------------------------------------------------------------

void tst_ConversionBatch::centerMessageText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("leadingBlanks"); // -1: returned unchanged
    QTest::newRow("the end message") << "Converting Finished" << 40;
    QTest::newRow("one character") << "x" << 49;
    QTest::newRow("empty: a line of blanks") << "" << 50;
    QTest::newRow("98 characters") << QString(98, u'a') << 1;
    QTest::newRow("99 characters fill the line") << QString(99, u'a') << 0;
    QTest::newRow("100 characters stay") << QString(100, u'a') << -1;
    QTest::newRow("longer texts stay") << QString(150, u'a') << -1;
}

void tst_ConversionBatch::centerMessageText()
{
    QFETCH(QString, text);
    QFETCH(int, leadingBlanks);
    const QString expected
        = leadingBlanks < 0 ? text
                            : (QString(leadingBlanks, u' ') + text).leftJustified(99, u' ', true);
    QCOMPARE(CenterMessageText(text), expected);
}

void tst_ConversionBatch::outputPath_data()
{
    QTest::addColumn<QStringList>("existing"); // "name", "name/" a folder, "name@" a dangling link
    QTest::addColumn<bool>("trailingSeparator");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("wmv");
    QTest::addColumn<QString>("sourcePath");
    QTest::addColumn<QString>("expected");

    const QString longTitle(300, QChar(0xe9)); // "é", two bytes each
    const QString fits125 = QString(125, QChar(0xe9)) + ".mp4";
    const QString src = QStringLiteral("/videos/my.holiday.avi");
    QTest::newRow("free") << QStringList() << false << "clip" << false << src << "clip.mp4";
    QTest::newRow("taken: _2") << QStringList{"clip.mp4"} << false << "clip" << false << src
                               << "clip_2.mp4";
    QTest::newRow("_2 taken too: _3")
        << QStringList{"clip.mp4", "clip_2.mp4"} << false << "clip" << false << src << "clip_3.mp4";
    QTest::newRow("a folder takes the name")
        << QStringList{"clip.wmv/"} << false << "clip" << true << src << "clip_2.wmv";
    QTest::newRow("a dangling link takes the name")
        << QStringList{"clip.mp4@"} << false << "clip" << false << src << "clip_2.mp4";
    QTest::newRow("directory ending in a separator")
        << QStringList() << true << "clip" << false << src << "clip.mp4";
    QTest::newRow("../x") << QStringList() << false << "../x" << false << src << "___x.mp4";
    QTest::newRow("a/b") << QStringList() << false << "a/b" << false << src << "a_b.mp4";
    QTest::newRow(".hidden") << QStringList() << false << ".hidden" << false << src
                             << "_hidden.mp4";
    QTest::newRow("empty title: the source's name")
        << QStringList() << false << "" << true << src << "my.holiday.wmv";
    QTest::newRow("empty title, no source name")
        << QStringList() << false << "" << false << QString() << "video.mp4";
    QTest::newRow("300 x é: cut to 255 bytes")
        << QStringList() << false << longTitle << false << src << fits125;
    QTest::newRow("300 x é, taken: cut again for _2")
        << QStringList{fits125} << false << longTitle << false << src
        << QString(124, QChar(0xe9)) + "_2.mp4";
}

void tst_ConversionBatch::outputPath()
{
    QFETCH(QStringList, existing);
    QFETCH(bool, trailingSeparator);
    QFETCH(QString, title);
    QFETCH(bool, wmv);
    QFETCH(QString, sourcePath);
    QFETCH(QString, expected);

    const QDir dir(m_output->path());
    for (const QString &name : existing) {
        if (name.endsWith(u'/')) {
            QVERIFY(dir.mkdir(name.chopped(1)));
        } else if (name.endsWith(u'@')) {
            QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath(name.chopped(1))));
        } else {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    const QString directory = m_output->path() + (trailingSeparator ? "/" : "");
    QCOMPARE(MakeOutputPath(directory, title, wmv, sourcePath), dir.filePath(expected));
}

void tst_ConversionBatch::refusedStart_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QString>("directory"); // "<output>": the test's output folder
    QTest::addColumn<QString>("message");   // what the message says (and names); empty: none

    QTest::newRow("empty list: not even the directory check") << 0 << ""
                                                              << "";
    QTest::newRow("empty directory") << 1 << ""
                                     << "Please set the output directory firstly";
    QTest::newRow("missing folder") << 1 << "<output>/missing"
                                    << "does not exist";
    QTest::newRow("read-only folder") << 1 << "/proc"
                                      << "cannot be written";
}

void tst_ConversionBatch::refusedStart()
{
    QFETCH(int, tasks);
    QFETCH(QString, directory);
    QFETCH(QString, message);

    for (int i = 0; i < tasks; ++i)
        addJobs({Mp4("clip.avi")});
    directory.replace("<output>", m_output->path());
    QSignalSpy busy(m_batch.get(), &ConversionBatch::busyChanged);
    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QVERIFY(busy.isValid() && messages.isValid());

    m_batch->Start(directory, true);

    QCOMPARE(busy.count(), 0);
    QCOMPARE(messages.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        const QString text = messages.at(0).at(0).toString();
        QVERIFY2(text.contains(message) && text.contains(directory), qPrintable(text));
        QCOMPARE(text, CenterMessageText(text.trimmed()));
        QCOMPARE(messages.at(0).at(1).toString(), QStringLiteral("Error"));
    }
    QCOMPARE(m_tasks.at(0).finished, 0);
    QVERIFY(outputFiles().isEmpty());
}

// --- whole batches ----------------------------------------------------------------------------

void tst_ConversionBatch::batchRuns_data()
{
    QTest::addColumn<QList<Job>>("jobs");
    QTest::addColumn<int>("crashAt");         // task whose encoder is killed once it writes, or -1
    QTest::addColumn<QStringList>("results"); // per task: its output file, or "Failed: <reason>"

    Job emptyRange = Mp4("clip.avi");
    emptyRange.start = emptyRange.end = 1.0;
    Job hostile = Mp4("clip.avi");
    hostile.title = "../x";
    // Sources that were readable when they were added: 2 seconds long then.
    auto damaged = [](Job job) {
        job.end = 2.0;
        return job;
    };

    QTest::newRow("mp4, pre-converted RealMedia, wmv, a hostile title")
        << QList<Job>{Mp4("clip.avi"), Mp4("clip.rm"), Wmv("clip.avi"), hostile} << -1
        << QStringList{"clip.mp4", "clip_2.mp4", "clip.wmv", "___x.mp4"};
    QTest::newRow("a corrupt source between two good ones")
        << QList<Job>{Mp4("clip.avi"),
                      damaged(Mp4("broken.avi")),
                      damaged(Wmv("broken.avi")),
                      Mp4("clip.avi")}
        << -1 << QStringList{"clip.mp4", "Failed: ", "Failed: ", "clip_2.mp4"};
    QTest::newRow("an empty range and an unreadable file")
        << QList<Job>{emptyRange, Mp4("empty.avi"), Wmv("empty.avi")} << -1
        << QStringList{"Failed: selected part of the file is empty",
                       "Failed: could not be read",
                       "Failed: could not be read"};
    QTest::newRow("a WMV the media component refuses, then an mp4")
        << QList<Job>{damaged(Wmv("missing.avi")), Mp4("clip.avi")} << -1
        << QStringList{"Failed: does not exist", "clip.mp4"};
    QTest::newRow("an encoder that crashes mid-file")
        << QList<Job>{Mp4("long.avi"), Mp4("clip.avi")} << 0 << QStringList{"Failed: ", "clip.mp4"};
}

void tst_ConversionBatch::batchRuns()
{
    QFETCH(QList<Job>, jobs);
    QFETCH(int, crashAt);
    QFETCH(QStringList, results);

    addJobs(jobs);
    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QSignalSpy powerOff(m_batch.get(), &ConversionBatch::powerOffRequested);
    QSignalSpy busy(m_batch.get(), &ConversionBatch::busyChanged);
    QVERIFY(messages.isValid() && powerOff.isValid() && busy.isValid());

    bool crashed = false;
    run(true, [&](int index, const ConversionTask &task) {
        if (index == crashAt && task.sizeKB > 0 && !crashed && g_encoder) {
            crashed = true;
            ::kill(pid_t(g_encoder->processId()), SIGKILL);
        }
    });

    QStringList expectedFiles;
    int failed = 0;
    for (int i = 0; i < results.size(); ++i) {
        const ConversionTask task = m_tasks.at(i);
        if (results[i].startsWith("Failed: ")) {
            ++failed;
            QVERIFY2(task.failed == 1 && task.failureReason.contains(results[i].mid(8)),
                     qPrintable(QString::number(i) + ": " + task.failureReason));
            QCOMPARE(task.finished, 0);
            continue;
        }
        QVERIFY2(task.failed == 0, qPrintable(task.failureReason));
        QCOMPARE(task.outputWmv == 1 ? task.wmvPercent : task.finished * 100, 100);
        expectedFiles << results[i];
        const ProbeResult probe = Probe(m_output->filePath(results[i]));
        QVERIFY2(probe.ok, qPrintable(results[i]));
        QVERIFY(probe.formatName.contains(task.outputWmv ? "asf" : "mp4"));
        QVERIFY2(qAbs(probe.duration - (task.trimEnd - task.trimStart)) < 0.5,
                 qPrintable(QString::number(probe.duration)));
    }
    // Failed tasks leave no file behind; the others each made one.
    expectedFiles.sort();
    QCOMPARE(outputFiles(), expectedFiles);

    // The box was checked: the power-off (whose cancel shows the final text) and no message.
    QCOMPARE(busy.count(), 2);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(powerOff.count(), 1);
    QCOMPARE(powerOff.at(0).at(0).toString(), FinishedMessageText(failed, results.size()));
}

void tst_ConversionBatch::stopActsOnTheTaskBeingConverted_data()
{
    QTest::addColumn<QList<Job>>("jobs");

    QTest::newRow("encoding the second of three mp4 tasks")
        << QList<Job>{Mp4("clip.avi"), Mp4("long.avi"), Mp4("clip.avi")};
    QTest::newRow("making a WMV between mp4 tasks")
        << QList<Job>{Mp4("clip.avi"), Wmv("long.avi"), Mp4("clip.avi")};
    QTest::newRow("pre-converting between WMV tasks")
        << QList<Job>{Wmv("clip.avi"), Mp4("long.rm"), Wmv("clip.avi")};
}

void tst_ConversionBatch::stopActsOnTheTaskBeingConverted()
{
    QFETCH(QList<Job>, jobs);

    addJobs(jobs);
    QSignalSpy messages(m_batch.get(), &ConversionBatch::messageRequested);
    QSignalSpy powerOff(m_batch.get(), &ConversionBatch::powerOffRequested);
    QVERIFY(messages.isValid() && powerOff.isValid());
    // A Start while the stopped batch unwinds (the window may show Start already) does nothing.
    int starts = 0;
    connect(m_batch.get(), &ConversionBatch::busyChanged, this, [&](bool busy) {
        starts += busy ? 1 : 0;
        if (!busy && m_batch->IsRunning())
            m_batch->Start(m_output->path(), false);
    });

    QString intermediate;
    bool stopped = false;
    bool idleAtOnce = false;
    run(true, [&](int index, const ConversionTask &task) {
        const bool underWay = task.sizeKB > 0 || task.wmvPercent > 0 || task.preconvPercent > 0;
        if (index == 1 && underWay && !stopped) {
            stopped = true;
            intermediate = task.intermediatePath;
            QTimer::singleShot(0, m_batch.get(), [&] {
                m_batch->Stop();
                idleAtOnce = !m_batch->IsBusy();
            });
        }
    });

    QVERIFY(stopped);
    QCOMPARE(starts, 1);
    // Only a WMV conversion, stopped at once, makes the batch idle before it has unwound.
    QCOMPARE(idleAtOnce, jobs[1].wmv);
    QVERIFY(!m_batch->IsBusy() && !m_batch->IsRunning());
    // The stopped task is neither finished nor failed, the next one never began.
    const ConversionTask second = m_tasks.at(1);
    QCOMPARE(second.finished + second.failed, 0);
    QVERIFY(second.wmvPercent < 100);
    QCOMPARE(m_tasks.at(2), [&] {
        ConversionTask untouched = m_tasks.at(2);
        untouched.finished = untouched.sizeKB = untouched.wmvPercent = 0;
        untouched.encodedTime = 0.0;
        return untouched;
    }());
    // Stop's message, and no power-off although the box was checked.
    QCOMPARE(powerOff.count(), 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), FinishedMessageText(0, 3));
    QCOMPARE(messages.at(0).at(1).toString(), QStringLiteral("Information"));

    if (jobs[1].source == QLatin1String("long.rm")) {
        // Stopped at once: no intermediate file and no encoder run.
        QVERIFY(!intermediate.isEmpty());
        QVERIFY(!QFileInfo::exists(intermediate));
        QCOMPARE(outputFiles(), QStringList{"clip.wmv"});
    } else if (jobs[1].wmv) {
        // Killed by the media component: its part-file is of no use and is gone.
        QCOMPARE(outputFiles(), QStringList{"clip.mp4"});
    } else {
        // The encoder finished its file on "q": valid and shorter than the source.
        const ProbeResult probe = Probe(m_output->filePath("long.mp4"));
        QVERIFY(probe.ok);
        QVERIFY2(probe.duration > 0.0 && probe.duration < 59.0,
                 qPrintable(QString::number(probe.duration)));
    }
}

QTEST_MAIN(tst_ConversionBatch)
#include "tst_conversionbatch.moc"
