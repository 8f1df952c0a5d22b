// The per-task log: bounded in memory, one file per run, only the newest runs kept on disk, and a
// log belongs to the task it was made for.

#include "TaskLogStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_TaskLogStore : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheEndOfLongOutput_data();
    void keepsTheEndOfLongOutput();
    void oneFilePerRunNewestKept();
    void aLogBelongsToItsTask();
    void defaultFolderFollowsXdgState();
};

void tst_TaskLogStore::keepsTheEndOfLongOutput_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("kept");
    // Limit 16 bytes.
    QTest::newRow("short: all of it") << QByteArray("one\ntwo\n") << QByteArray("one\ntwo\n");
    QTest::newRow("long: from the first whole line inside the limit")
        << QByteArray("first line\nsecond\nthird\nlast\n") << QByteArray("third\nlast\n");
    QTest::newRow("one long line: its last bytes")
        << QByteArray(40, 'x') + "END" << QByteArray(13, 'x') + "END";
}

void tst_TaskLogStore::keepsTheEndOfLongOutput()
{
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, kept);
    TaskLogStore store(QString(), 16, 5);
    store.StartRun(7, "a.avi");
    // Chunks as a pipe delivers them: in pieces that split lines.
    for (qsizetype i = 0; i < output.size(); i += 5)
        store.Append(7, output.mid(i, 5));
    QCOMPARE(store.Text(7), kept);
    store.FinishRun(7);
    QCOMPARE(store.FilePath(7), QString()); // no folder: memory only
}

void tst_TaskLogStore::oneFilePerRunNewestKept()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("state/tavrel/logs");
    TaskLogStore store(folder, 1024, 3);
    for (int batch = 0; batch < 3; ++batch) {
        // Two runs side by side, their output interleaved.
        store.StartRun(1, "/v/a.avi");
        store.StartRun(2, "/v/b.avi");
        store.Append(1, "a says " + QByteArray::number(batch) + "\n");
        store.Append(2, "b says " + QByteArray::number(batch) + "\n");
        store.FinishRun(1);
        QVERIFY(!store.FilePath(1).isEmpty());
        QVERIFY(store.FilePath(2).isEmpty()); // b still runs
        store.Append(2, "b ends\n");
        store.FinishRun(2);
    }
    const QStringList files = QDir(folder).entryList({"*.log"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 3);
    QFile last(store.FilePath(2));
    QVERIFY(last.open(QIODevice::ReadOnly));
    const QByteArray text = last.readAll();
    QVERIFY2(text.contains("/v/b.avi") && text.endsWith("b says 2\nb ends\n"), text.constData());
    QCOMPARE(QFileInfo(last).fileName(), files.last());
    QVERIFY(files.last().endsWith("-b.log"));
}

void tst_TaskLogStore::aLogBelongsToItsTask()
{
    TaskLogStore store{QString()};
    store.Append(2, "before any run\n"); // no run open: dropped
    QVERIFY(!store.HasLog(2));
    store.StartRun(2, "/v/a.avi");
    store.Append(2, "hello\n");
    QVERIFY(store.HasLog(2));
    QVERIFY(!store.HasLog(1));
    store.FinishRun(2);
    store.Append(2, "after its end\n");
    QCOMPARE(store.Text(2), QByteArray("hello\n"));
    // A new run replaces the last one; a task that has gone has none.
    store.StartRun(2, "/v/a.avi");
    QCOMPARE(store.Text(2), QByteArray());
    store.Forget(2);
    QVERIFY(!store.HasLog(2));
}

void tst_TaskLogStore::defaultFolderFollowsXdgState()
{
    qputenv("XDG_STATE_HOME", "/tmp/state-here");
    QCOMPARE(TaskLogStore::DefaultFolder(), QStringLiteral("/tmp/state-here/tavrel/logs"));
    qputenv("XDG_STATE_HOME", "relative/is/ignored");
    QCOMPARE(TaskLogStore::DefaultFolder(), QDir::homePath() + "/.local/state/tavrel/logs");
    qunsetenv("XDG_STATE_HOME");
}

QTEST_GUILESS_MAIN(tst_TaskLogStore)
#include "tst_tasklogstore.moc"
