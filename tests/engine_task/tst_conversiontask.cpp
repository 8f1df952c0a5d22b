#include "ConversionTask.h"
#include "SettingTables.h"
#include "TaskArray.h"

#include <QTest>

#include <limits>

class tst_ConversionTask : public QObject
{
    Q_OBJECT

private slots:
    void needsPreconversion_data();
    void needsPreconversion();
    void baseName_data();
    void baseName();
    void newTask_data();
    void newTask();
    void taskArrayIgnoresIndexesOutOfRange();
    void idsStayWithTheirTasks();
    void resetTaskProgressClearsOnlyProgress();
};

void tst_ConversionTask::needsPreconversion_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("expected");
    QTest::newRow("rmvb") << "/videos/clip.rmvb" << 1;
    QTest::newRow("rm") << "/videos/clip.rm" << 1;
    QTest::newRow("upper case RM is not RealMedia") << "/videos/clip.RM" << 0;
    QTest::newRow("avi") << "/videos/clip.avi" << 0;
    QTest::newRow("rm before the last dot only") << "/videos/clip.rm.avi" << 0;
    QTest::newRow("no extension") << "/videos/clip" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("dotted folder, no extension") << "/my.rmfolder/clip" << 1;
}

void tst_ConversionTask::needsPreconversion()
{
    QFETCH(QString, path);
    QFETCH(int, expected);
    QCOMPARE(NeedsPreconversion(path), expected);
}

void tst_ConversionTask::baseName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dots in the name") << "/videos/my.holiday.avi"
                                      << "my.holiday";
    QTest::newRow("plain") << "/videos/clip.rmvb"
                           << "clip";
    QTest::newRow("no folder") << "clip.avi"
                               << "clip";
    QTest::newRow("no extension") << "/videos/clip"
                                  << "";
    QTest::newRow("dot only in the folder") << "/my.videos/clip"
                                            << "";
    QTest::newRow("hidden file") << "/videos/.avi"
                                 << "";
    QTest::newRow("blanks and quotes") << "/v/a \"b\" c.avi"
                                       << "a \"b\" c";
    QTest::newRow("placeholder in the name") << "/v/a$TITLE.avi"
                                             << "a$TITLE";
    QTest::newRow("non-ASCII") << "/v/Ünïcødé 日本.mov"
                               << "Ünïcødé 日本";
    QTest::newRow("leading dash") << "/v/-y.avi"
                                  << "-y";
#ifndef Q_OS_WIN
    QTest::newRow("backslash is an ordinary character here") << "/v/a\\b.avi"
                                                             << "a\\b";
#else
    QTest::newRow("windows separator") << "D:\\videos\\my.holiday.avi"
                                       << "my.holiday";
#endif
}

void tst_ConversionTask::baseName()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(BaseNameOf(path), expected);
}

void tst_ConversionTask::newTask_data()
{
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("expectedEnd");
    QTest::newRow("ordinary") << 93.5 << 93.5;
    QTest::newRow("unreadable file") << 0.0 << 0.0;
    QTest::newRow("negative") << -4.0 << 0.0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0.0;
}

void tst_ConversionTask::newTask()
{
    QFETCH(double, duration);
    QFETCH(double, expectedEnd);
    const ConversionTask task
        = NewConversionTask(QStringLiteral("/v/holiday.trip.rmvb"), duration, 1, 3);
    QCOMPARE(task.sourcePath, QStringLiteral("/v/holiday.trip.rmvb"));
    QCOMPARE(task.trimStart, 0.0);
    QCOMPARE(task.trimEnd, expectedEnd);
    QCOMPARE(task.baseName, QStringLiteral("holiday.trip"));
    QCOMPARE(task.title, task.baseName);
    QCOMPARE(task.needsPreconversion, 1);
    QCOMPARE(task.outputWmv, 1);
    QCOMPARE(task.wmvProfile, 3);
    QCOMPARE(task.mpeg4Profile, 0);
    // Every setting starts on its list's default item.
    for (const SettingTable &table : SettingTables())
        QCOMPARE(task.*table.field, table.defaultIndex);
    QCOMPARE(task.state, TaskState::Waiting);
    QCOMPARE(task.sizeKB, 0);
    QCOMPARE(task.preconvPhase, 0);
    QVERIFY(task.intermediatePath.isEmpty());
    QCOMPARE(task.sourceDuration, expectedEnd);
}

void tst_ConversionTask::taskArrayIgnoresIndexesOutOfRange()
{
    TaskArray tasks;
    ConversionTask a;
    a.title = QStringLiteral("a");
    QCOMPARE(tasks.append(a), 0);
    ConversionTask b;
    b.title = QStringLiteral("b");
    tasks.store(1, b);
    tasks.store(-1, b);
    tasks.removeAt(5);
    QCOMPARE(tasks.count(), 1);
    QCOMPARE(tasks.at(0).title, QStringLiteral("a"));
    QCOMPARE(tasks.at(7), ConversionTask());
    QCOMPARE(tasks.append(b), 1);
    tasks.removeAt(0);
    QCOMPARE(tasks.at(0).title, QStringLiteral("b"));
}

void tst_ConversionTask::idsStayWithTheirTasks()
{
    TaskArray tasks;
    for (const char *title : {"a", "b", "c"}) {
        ConversionTask task;
        task.title = QString::fromLatin1(title);
        task.id = 99; // what a task carries is replaced: ids are the array's to give
        tasks.append(task);
    }
    const TaskId a = tasks.at(0).id;
    const TaskId c = tasks.at(2).id;
    QVERIFY(a != 0 && a != 99 && c != a);
    tasks.removeAt(1);
    // Rows moved; ids did not, and storing a task over a row keeps the row's id.
    QCOMPARE(tasks.indexOf(c), 1);
    QCOMPARE(tasks.find(c).title, QStringLiteral("c"));
    ConversionTask replacement = tasks.at(0);
    replacement.id = c;
    replacement.title = QStringLiteral("a2");
    tasks.store(0, replacement);
    QCOMPARE(tasks.find(a).title, QStringLiteral("a2"));
    QVERIFY(tasks.updateTask(c, NoColumn, [](ConversionTask &t) { t.id = 0; }));
    QCOMPARE(tasks.indexOf(c), 1);
    // A removed id is never given again, and nothing is found for it.
    tasks.clear();
    QCOMPARE(tasks.indexOf(a), -1);
    QVERIFY(!tasks.updateTask(a, NoColumn, [](ConversionTask &) { QFAIL("called"); }));
    tasks.append(ConversionTask());
    QVERIFY(tasks.at(0).id > c);
}

void tst_ConversionTask::resetTaskProgressClearsOnlyProgress()
{
    // A task as the user set it up (trimmed, its own settings, already pre-converted) ...
    ConversionTask before = NewConversionTask(QStringLiteral("/v/a.rm"), 60.0, 0, 0);
    before.trimStart = 5.0;
    before.videoBitrate = 5;
    before.preconvPhase = 2;
    before.preconvDone = 1;
    before.preconvPercent = 100.0;
    before.intermediatePath = QStringLiteral("/tmp/a_12345.avi");
    // ... and after a run that finished it, one that failed it and one that was stopped.
    ConversionTask finished = before;
    finished.state = TaskState::Finished;
    finished.sizeKB = 900;
    finished.speed = 3.5;
    finished.encodedTime = 55.0;
    finished.wmvPercent = 100;
    finished.outputFile = QStringLiteral("/out/a_2.mp4");
    ConversionTask failed = before;
    failed.state = TaskState::Failed;
    failed.failureReason = QStringLiteral("Conversion failed!");
    ConversionTask stopped = before;
    stopped.state = TaskState::Stopped;
    stopped.keptSeconds = 12.0;
    stopped.outputFile = QStringLiteral("/out/a_2.mp4");

    for (ConversionTask task : {finished, failed, stopped}) {
        ResetTaskProgress(task);
        QCOMPARE(task, before);
    }
}

QTEST_GUILESS_MAIN(tst_ConversionTask)
#include "tst_conversiontask.moc"
