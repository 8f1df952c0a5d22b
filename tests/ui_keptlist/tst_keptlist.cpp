// The list kept between runs, through the application's real start-up (InitInstance): a window
// closed and opened again, a program killed mid-batch and the next start resuming it, and a
// second program handing its files to the first window. This test program is built beside the
// real program, so its own folder is the program's folder.

#include "MediaFixtures.h"

#include "AppSettings.h"
#include "CMainFrameDlg.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "PartFile.h"
#include "SavedTaskList.h"
#include "SettingTables.h"
#include "ShellActions.h"
#include "SkinDriver.h"
#include "TaskRecord.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>

namespace {

const char *const kAnotherWindowKeeps = "another Tavrel window keeps the list";

/// What the person sees of every row (the list's five cells) and holds in it (the kept fields).
struct ListView
{
    QStringList cells;
    QList<QJsonObject> records;
    int current = -1;
    bool operator==(const ListView &) const = default;
};

ListView ViewOf(CTavrelDlg &page)
{
    ListView view;
    auto *list = qobject_cast<CTaskListCtrl *>(page.Control(IDC_TASK_LIST));
    for (int row = 0; row < page.tasks().count(); ++row) {
        for (int column = SourceColumn; column <= ProgressColumn; ++column)
            view.cells << list->GetCellInfo(row, column)->text;
        view.records << TaskToRecord(page.tasks().at(row));
    }
    view.current = page.CurTask();
    return view;
}

/// Runs the program's start-up with files on its command line; once the window is up, during()
/// runs inside its loop, and then the window closes.
void RunWindow(const QStringList &files, const std::function<void(CTavrelDlg &)> &during)
{
    auto *app = static_cast<CTavrelApp *>(qApp);
    app->SetStartupFiles(files);
    QTimer look;
    look.callOnTimeout([&] {
        if (!g_mainFrame || !g_mainFrame->isVisible())
            return;
        look.stop();
        during(*g_mainFrame->page());
        g_mainFrame->close();
    });
    look.start(10);
    app->InitInstance();
    app->SetStartupFiles({});
    app->ExitInstance();
    g_skin.ReleaseDispatch();
}

void Choose(CTavrelDlg &page, int row)
{
    page.SelectTaskRow(row);
    page.OnTaskListClick();
}

template<typename T>
T *ControlOf(CTavrelDlg &page, int id)
{
    return qobject_cast<T *>(page.Control(id));
}

/// Files (hidden ones too) in folder, sorted.
QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

SavedList SavedOnDisk()
{
    QFile file(SavedListPath(SavedListFolder()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseSavedList(file.readAll()).list;
}

} // namespace

class tst_KeptList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void reopenedWindowShowsTheSameList();
    void killedBatchIsResumedWithoutDuplicates();
    void secondProgramHandsItsFilesToTheFirstWindow();

private:
    QString Source(const char *name) const { return m_sources.filePath(QLatin1String(name)); }

    QTemporaryDir m_sources;
    QStringList m_messages;
};

void tst_KeptList::initTestCase()
{
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &text, const QString &, QMessageBox::Icon) {
            m_messages << text;
        });
    ShellActions::SetStopAndCloseHandler([](QWidget *) { return true; });
    QString log;
    for (const auto &[name, seconds] : {std::pair("a.avi", 2.0),
                                        std::pair("b.mpg", 4.0),
                                        std::pair("c.avi", 2.0),
                                        std::pair("long.avi", 60.0)}) {
        QVERIFY2(MediaFixtures::MakeSource(Source(name), seconds, "320x240", &log),
                 qPrintable(log));
    }
}

void tst_KeptList::init()
{
    QVERIFY(QDir(SavedListFolder()).removeRecursively());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation).clear();
    m_messages.clear();
}

void tst_KeptList::reopenedWindowShowsTheSameList()
{
    // Three videos with settings of their own, one of them trimmed, closed with the second one
    // current: the next start shows the same rows, texts, settings and current row.
    ListView before;
    RunWindow({Source("a.avi"), Source("b.mpg"), Source("c.avi")}, [&](CTavrelDlg &page) {
        Choose(page, 0);
        const int sizeCombo = SettingComboIds().at(1);
        ControlOf<QComboBox>(page, sizeCombo)->setCurrentIndex(1);
        page.OnSettingChanged(sizeCombo);
        ControlOf<QLineEdit>(page, IDC_TITLE)->setText("first clip");
        page.OnTitleChanged();
        Choose(page, 1);
        ControlOf<QComboBox>(page, IDC_MPEG4_PROFILE)->setCurrentIndex(2);
        page.OnMpeg4ProfileChanged();
        ControlOf<CRangeSlider>(page, IDC_RANGE_SLIDER)->SetSelection(1.0, 3.0);
        page.OnRangeChanged(2, 0);
        Choose(page, 2);
        page.OnToZuneWmv();
        Choose(page, 1);
        before = ViewOf(page);
    });
    QCOMPARE(before.records.size(), 3);
    QCOMPARE(before.cells.mid(5, 3),
             (QStringList{"b.mpg", "00:00:01", "00:00:03"})); // the trim shows
    QCOMPARE(before.records.at(0).value("videoSize").toInt(), 1);
    QCOMPARE(before.records.at(1).value("mpeg4Profile").toInt(), 2);
    QCOMPARE(before.records.at(2).value("outputWmv").toInt(), 1);

    ListView after;
    RunWindow({}, [&](CTavrelDlg &page) { after = ViewOf(page); });
    QCOMPARE(after.cells, before.cells);
    QCOMPARE(after.records, before.records);
    QCOMPARE(after.current, 1);

    // Files of the command line come after the restored rows.
    QStringList sources;
    RunWindow({Source("long.avi")}, [&](CTavrelDlg &page) {
        for (int i = 0; i < page.tasks().count(); ++i)
            sources << QFileInfo(page.tasks().at(i).sourcePath).fileName();
    });
    QCOMPARE(sources, (QStringList{"a.avi", "b.mpg", "c.avi", "long.avi"}));
}

void tst_KeptList::killedBatchIsResumedWithoutDuplicates()
{
    QTemporaryDir output;
    WriteDestination(output.path());
    // The real program converting three videos, killed while the long one is half done.
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(qEnvironmentVariable("TAVREL_TEST_HELPERS") + "/start_pressing_tavrel",
                  {Source("a.avi"), Source("long.avi"), Source("c.avi")});
    QVERIFY(program.waitForStarted(30000));
    QString part;
    QTRY_VERIFY2_WITH_TIMEOUT(
        [&] {
            const SavedList saved = SavedOnDisk();
            if (saved.tasks.size() != 3 || saved.tasks.at(0).task.state != TaskState::Finished
                || saved.tasks.at(1).task.state != TaskState::Converting)
                return false;
            part = saved.tasks.at(1).task.partFile;
            return QFileInfo(part).size() > 0;
        }(),
        program.readAll().constData(),
        180000);
    QVERIFY(::kill(pid_t(program.processId()), SIGKILL) == 0);
    QVERIFY(program.waitForFinished(30000));
    QVERIFY(IsPartFileName(QFileInfo(part).fileName()));

    // The next start: the finished one stays finished, the interrupted one waits again without
    // its part file, and Start converts only those two.
    QList<TaskState> restored;
    QStringList filesAtStart;
    QList<TaskState> converted;
    RunWindow({}, [&](CTavrelDlg &page) {
        for (int i = 0; i < page.tasks().count(); ++i)
            restored << page.tasks().at(i).state;
        filesAtStart = FilesIn(output.path());
        page.OnStart();
        QTRY_VERIFY_WITH_TIMEOUT(!page.IsBusy(), 240000);
        for (int i = 0; i < page.tasks().count(); ++i)
            converted << page.tasks().at(i).state;
    });
    QCOMPARE(restored, (QList{TaskState::Finished, TaskState::Waiting, TaskState::Waiting}));
    QCOMPARE(filesAtStart, QStringList{"a.mp4"});
    QCOMPARE(converted, (QList{TaskState::Finished, TaskState::Finished, TaskState::Finished}));
    QCOMPARE(FilesIn(output.path()), (QStringList{"a.mp4", "c.mp4", "long.mp4"}));
}

void tst_KeptList::secondProgramHandsItsFilesToTheFirstWindow()
{
    const QString program = QCoreApplication::applicationDirPath() + "/tavrel";
    QVERIFY(QFile::copy(Source("a.avi"), Source("notes.txt")));
    QProcess second;
    QProcess third;
    QStringList sources;
    RunWindow({Source("a.avi")}, [&](CTavrelDlg &page) {
        // "Open with" on a video (by a relative name) and a text file while the window runs.
        second.setWorkingDirectory(m_sources.path());
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(program, {"b.mpg", "notes.txt"});
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 30000);
        QTRY_COMPARE(page.tasks().count(), 2);
        for (int i = 0; i < page.tasks().count(); ++i)
            sources << page.tasks().at(i).sourcePath;
        QTRY_COMPARE(m_messages.size(), 1);

        // Started without files, the program opens a window of its own, which keeps no list.
        third.setProcessChannelMode(QProcess::MergedChannels);
        third.start(program, {});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += third.readAll()).contains(kAnotherWindowKeeps), 30000);
        QCOMPARE(third.state(), QProcess::Running);
        QCOMPARE(said.count(kAnotherWindowKeeps), 1);
        third.kill();
        QVERIFY(third.waitForFinished(30000));
    });
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QVERIFY2(second.exitCode() == 0, second.readAll().constData());
    QCOMPARE(sources, (QStringList{Source("a.avi"), Source("b.mpg")}));
    QVERIFY2(m_messages.value(0).contains("notes.txt"), qPrintable(m_messages.value(0)));
    // The first window kept the list, the second one had none to keep.
    QCOMPARE(SavedOnDisk().tasks.size(), 2);
}

int main(int argc, char *argv[])
{
    CTavrelApp app(argc, argv);
    tst_KeptList test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keptlist.moc"
