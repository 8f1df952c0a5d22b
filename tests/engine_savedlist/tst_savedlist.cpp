// The saved list: every kept field through a write and a read, files that cannot be read, what
// a task becomes when it is restored, and when the saver writes.

#include "PartFile.h"
#include "PreConversion.h"
#include "SavedTaskList.h"
#include "SettingTables.h"
#include "TaskListSaver.h"
#include "TaskRecord.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <variant>

namespace {

/// A value for every kind of field that no new task has.
struct OtherValue
{
    const char *key;
    void operator()(QString ConversionTask::*member, ConversionTask &task) const
    {
        task.*member = QStringLiteral("/tmp/\u00e9t\u00e9 \"%1\"\n").arg(QLatin1String(key));
    }
    void operator()(int ConversionTask::*member, ConversionTask &task) const { task.*member = 3; }
    void operator()(double ConversionTask::*member, ConversionTask &task) const
    {
        task.*member = 4321.0625;
    }
    void operator()(bool ConversionTask::*member, ConversionTask &task) const
    {
        task.*member = !(task.*member);
    }
    void operator()(TaskState ConversionTask::*member, ConversionTask &task) const
    {
        task.*member = TaskState::Stopped;
    }
};

void SetOtherValue(const TaskRecordField &field, ConversionTask &task)
{
    std::visit([&](auto member) { OtherValue{field.key}(member, task); }, field.member);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

SavedListReading ReadBack(const SavedList &list)
{
    return ParseSavedList(SerialiseSavedList(list));
}

} // namespace

class tst_SavedList : public QObject
{
    Q_OBJECT

private slots:
    void everyFieldRoundTrips_data();
    void everyFieldRoundTrips();
    void unreadableFiles_data();
    void unreadableFiles();
    void interruptedRuns_data();
    void interruptedRuns();
    void profilesFoundByName_data();
    void profilesFoundByName();
    void saverWritesChangesNotProgress();
};

void tst_SavedList::everyFieldRoundTrips_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < TaskRecordFields().size(); ++i)
        QTest::newRow(TaskRecordFields().at(i).key) << i;
    QTest::newRow("all at once, progress figures not kept") << -1;
}

void tst_SavedList::everyFieldRoundTrips()
{
    QFETCH(int, field);
    ConversionTask task = NewConversionTask("/videos/a.avi", 12.0, 0, 0);
    task.id = 7;
    for (int i = 0; i < TaskRecordFields().size(); ++i) {
        if (field < 0 || field == i)
            SetOtherValue(TaskRecordFields().at(i), task);
    }
    ConversionTask expected = task;
    expected.id = 0; // ids are given anew
    if (field < 0) {
        // A run's progress does not outlive the program.
        task.sizeKB = 900;
        task.speed = 2.5;
        task.encodedTime = 8.0;
        task.preconvPhase = 2;
        task.preconvDone = 1;
        task.preconvPosition = 3.0;
        task.preconvPercent = 40.0;
        task.preconvRemaining = 9.0;
        task.wmvPercent = 55;
    }
    SavedList list;
    list.tasks = {SavedTaskOf(NewConversionTask("/videos/first.mpg", 1.0, 1, 2), {}),
                  {task, QStringLiteral("H.264 \u00bd"), QStringLiteral("WMV 9")}};
    list.current = 1;

    const SavedListReading reading = ReadBack(list);
    QCOMPARE(reading.status, SavedListReading::Status::Read);
    QCOMPARE(reading.list.current, 1);
    QCOMPARE(reading.list.tasks.size(), 2);
    QCOMPARE(reading.list.tasks.at(0).task.sourcePath, QStringLiteral("/videos/first.mpg"));
    const SavedTask &saved = reading.list.tasks.at(1);
    QCOMPARE(saved.profileTitle, QStringLiteral("H.264 \u00bd"));
    QCOMPARE(saved.wmvProfileName, QStringLiteral("WMV 9"));
    QVERIFY(saved.task == expected);
}

void tst_SavedList::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // null: a folder in the file's place
    QTest::addColumn<SavedListReading::Status>("status");
    using S = SavedListReading::Status;
    QTest::newRow("cut short") << QByteArray(R"({"format": 1, "tasks": [{"sourcePath": "/a)")
                               << S::Unreadable;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\x12garbage", 10) << S::Unreadable;
    QTest::newRow("a list, not an object") << QByteArray("[]") << S::Unreadable;
    QTest::newRow("no format version") << QByteArray(R"({"tasks": []})") << S::Unreadable;
    QTest::newRow("tasks not a list")
        << QByteArray(R"({"format": 1, "tasks": {}})") << S::Unreadable;
    QTest::newRow("a task without source")
        << QByteArray(R"({"format": 1, "tasks": [{"title": "x"}]})") << S::Unreadable;
    QTest::newRow("a text where a number belongs")
        << QByteArray(R"({"format": 1, "tasks": [{"sourcePath": "/a.avi", "trimEnd": "1:00"}]})")
        << S::Unreadable;
    QTest::newRow("a fraction where an index belongs")
        << QByteArray(R"({"format": 1, "tasks": [{"sourcePath": "/a.avi", "volume": 1.5}]})")
        << S::Unreadable;
    QTest::newRow("an unknown state")
        << QByteArray(R"({"format": 1, "tasks": [{"sourcePath": "/a.avi", "state": "done"}]})")
        << S::Unreadable;
    QTest::newRow("a folder in its place") << QByteArray() << S::Unreadable;
    QTest::newRow("a newer format is left alone")
        << QByteArray(R"({"format": 2, "tasks": "whatever it is now"})") << S::Newer;
    QTest::newRow("an older record without the newer fields")
        << QByteArray(R"({"format": 1, "current": 0, "tasks": [{"sourcePath": "/a.avi"}]})")
        << S::Read;
}

void tst_SavedList::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(SavedListReading::Status, status);
    QTemporaryDir folder;
    const QString path = SavedListPath(folder.path());
    QVERIFY(content.isNull() ? QDir().mkpath(path) : WriteAll(path, content));

    const SavedListReading reading = LoadSavedList(path);
    QCOMPARE(reading.status, status);
    const QString aside = path + ".bad";
    switch (status) {
    case SavedListReading::Status::Unreadable:
        // Set aside whole, so that the next write loses nothing; the reason says where.
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(content.isNull() ? QFileInfo(aside).isDir() : ReadAll(aside) == content);
        QVERIFY2(reading.reason.contains(QDir::toNativeSeparators(aside)),
                 qPrintable(reading.reason));
        QVERIFY(reading.list.tasks.isEmpty());
        break;
    case SavedListReading::Status::Newer:
        QCOMPARE(ReadAll(path), content);
        QVERIFY(!QFileInfo::exists(aside));
        QVERIFY(reading.reason.contains("newer"));
        break;
    default:
        QCOMPARE(reading.list.tasks.size(), 1);
        QCOMPARE(reading.list.tasks.at(0).task.state, TaskState::Waiting);
        QCOMPARE(reading.list.tasks.at(0).task.title, QString());
        break;
    }
}

void tst_SavedList::interruptedRuns_data()
{
    QTest::addColumn<TaskState>("state");
    QTest::addColumn<bool>("partHeld");    // a living program holds the part file
    QTest::addColumn<QString>("partName"); // in the output folder
    QTest::addColumn<TaskState>("restored");
    QTest::addColumn<bool>("partRemoved");
    QTest::addColumn<bool>("intermediateRemoved");
    const TaskState converting = TaskState::Converting;
    QTest::newRow("converting: waiting again, its files gone")
        << converting << false << ".a.tavrel-part.mp4" << TaskState::Waiting << true << true;
    QTest::newRow("paused: waiting again, its files gone")
        << TaskState::Paused << false << ".a.tavrel-part-2.wmv" << TaskState::Waiting << true
        << true;
    QTest::newRow("a part file a living program holds stays")
        << converting << true << ".a.tavrel-part.mp4" << TaskState::Waiting << false << true;
    QTest::newRow("a file that is no part file stays")
        << converting << false << "a.mp4" << TaskState::Waiting << false << true;
    QTest::newRow("finished stays finished, no file touched")
        << TaskState::Finished << false << ".a.tavrel-part.mp4" << TaskState::Finished << false
        << false;
    QTest::newRow("stopped stays stopped") << TaskState::Stopped << false << ".a.tavrel-part.mp4"
                                           << TaskState::Stopped << false << false;
}

void tst_SavedList::interruptedRuns()
{
    QFETCH(TaskState, state);
    QFETCH(bool, partHeld);
    QFETCH(QString, partName);
    QFETCH(TaskState, restored);
    QFETCH(bool, partRemoved);
    QFETCH(bool, intermediateRemoved);
    QTemporaryDir output;
    PartFile held;
    const QString part = output.filePath(partName);
    if (partHeld)
        QVERIFY(held.Create([&](int) { return part; }));
    else
        QVERIFY(WriteAll(part, "half a video"));
    // Where pre-conversions put their intermediates when the program's folder is read-only.
    const QString intermediate = QDir::temp().filePath("a_1x2y3z4w5v6u.mpg");
    QVERIFY(WriteAll(intermediate, "half a source"));
    const QString outsider = output.filePath("holiday_2024.mpg"); // not an intermediate's name
    QVERIFY(WriteAll(outsider, "a video of the person's"));

    ConversionTask task = NewConversionTask("/videos/a.avi", 60.0, 0, 0);
    task.state = state;
    task.partFile = part;
    task.intermediatePath = intermediate;
    task.outputFile = state == TaskState::Finished ? output.filePath("a.mp4") : QString();
    task.failureReason = state == TaskState::Stopped ? "kept nothing" : "";
    ConversionTask outsiderTask = task;
    outsiderTask.intermediatePath = outsider;

    const ConversionTask back = RestoredTask({task, {}, {}}, {});
    RestoredTask({outsiderTask, {}, {}}, {});
    QCOMPARE(back.state, restored);
    QCOMPARE(back.outputFile, task.outputFile);
    QCOMPARE(back.failureReason, state == TaskState::Stopped ? task.failureReason : QString());
    QVERIFY(back.partFile.isEmpty() && back.intermediatePath.isEmpty());
    QCOMPARE(!QFileInfo::exists(part), partRemoved);
    QCOMPARE(!QFileInfo::exists(intermediate), intermediateRemoved);
    QVERIFY(QFileInfo::exists(outsider));
    QFile::remove(intermediate);
}

void tst_SavedList::profilesFoundByName_data()
{
    QTest::addColumn<int>("savedIndex");
    QTest::addColumn<QString>("savedTitle");
    QTest::addColumn<QStringList>("titles"); // the profile file now
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("noted");
    const QStringList titles{"Custom", "Small", "Large", "Phone"};
    QTest::newRow("at its place") << 2 << "Large" << titles << 2 << false;
    QTest::newRow("moved in the file")
        << 2 << "Large" << QStringList{"Custom", "Phone", "Small", "Large"} << 3 << false;
    QTest::newRow("gone: the default profile") << 2 << "Huge" << titles << 1 << true;
    QTest::newRow("saved without a title, in range") << 3 << "" << titles << 3 << false;
    QTest::newRow("saved without a title, out of range") << 9 << "" << titles << 1 << true;
    QTest::newRow("no profile file: the index stays")
        << 2 << "Large" << QStringList() << 2 << false;
}

void tst_SavedList::profilesFoundByName()
{
    QFETCH(int, savedIndex);
    QFETCH(QString, savedTitle);
    QFETCH(QStringList, titles);
    QFETCH(int, index);
    QFETCH(bool, noted);
    ConversionTask task = NewConversionTask("/videos/a.avi", 60.0, 0, 1);
    task.mpeg4Profile = savedIndex;
    task.volume = 999; // a setting outside its table gives its default
    const ProfileNames names{titles, 1, {"WMV low", "WMV high"}};
    const ConversionTask back = RestoredTask({task, savedTitle, "WMV high"}, names);
    QCOMPARE(back.mpeg4Profile, index);
    QCOMPARE(back.wmvProfile, 1);
    QCOMPARE(!back.note.isEmpty(), noted);
    if (noted)
        QVERIFY2(back.note.contains(titles.at(1)), qPrintable(back.note));
    ConversionTask defaults;
    ApplyDefaultSettings(defaults);
    QCOMPARE(back.volume, defaults.volume);
}

void tst_SavedList::saverWritesChangesNotProgress()
{
    QTemporaryDir folder;
    const QString path = SavedListPath(folder.filePath("not yet made"));
    TaskArray tasks;
    tasks.append(NewConversionTask("/videos/a.avi", 60.0, 0, 0));
    tasks.append(NewConversionTask("/videos/b.avi", 60.0, 0, 0));
    auto snapshot = [&tasks] {
        SavedList list;
        for (int i = 0; i < tasks.count(); ++i)
            list.tasks.append(SavedTaskOf(tasks.at(i), {}));
        return list;
    };
    auto saved = [&path] {
        return ParseSavedList(ReadAll(path)).list.tasks;
    };
    TaskListSaver saver(path, tasks, snapshot);
    QSignalSpy written(&saver, &TaskListSaver::written);
    QVERIFY(written.isValid());
    QTRY_COMPARE(written.size(), 1); // what was there at the start
    QCOMPARE(saved().size(), 2);

    // Typing a title: many changes, one write, after a second at most.
    for (const char *title : {"n", "ne", "new"})
        tasks.update(0, NoColumn, [title](ConversionTask &t) { t.title = title; });
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, 3000);
    QCOMPARE(saved().at(0).task.title, QStringLiteral("new"));
    QCOMPARE(saver.WriteCount(), 2);

    // A run's progress is never written.
    tasks.update(1, ProgressColumn, [](ConversionTask &t) { t.state = TaskState::Converting; });
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 3, 3000);
    for (int tick = 1; tick <= 5; ++tick) {
        tasks.update(1, ProgressColumn, [tick](ConversionTask &t) {
            t.encodedTime = tick;
            t.sizeKB = tick * 100;
        });
        QTest::qWait(300);
    }
    QCOMPARE(saver.WriteCount(), 3);

    // A placed output is written at once, whenever the last write was.
    tasks.update(1, ProgressColumn, [](ConversionTask &t) {
        t.state = TaskState::Finished;
        t.outputFile = "/out/b.mp4";
    });
    QCOMPARE(saver.WriteCount(), 4);
    QTRY_COMPARE(written.size(), 4);
    QCOMPARE(saved().at(1).task.state, TaskState::Finished);

    // The last change before the end is written by Flush, which waits for it.
    tasks.removeAt(0);
    QVERIFY(saver.Flush());
    QCOMPARE(saved().size(), 1);
    QCOMPARE(saved().at(0).task.outputFile, QStringLiteral("/out/b.mp4"));
}

QTEST_GUILESS_MAIN(tst_SavedList)
#include "tst_savedlist.moc"
