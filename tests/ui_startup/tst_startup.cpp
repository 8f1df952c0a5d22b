// Start-up and shut-down of the application object. This test program is built beside the real
// program (in the build folder's top, next to app/ and the skin file), so its own folder is what
// the program's folder is at run time.

#include "MediaFixtures.h"

#include "CMainFrameDlg.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "ProgramDir.h"
#include "SavedTaskList.h"
#include "SkinDriver.h"
#include "SkinEngine.h"
#include "SourceFiles.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

QString nativeDir(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path) + u'/');
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

bool skinActive()
{
    return g_skin.component() && g_skin.component()->isActive();
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void missingSkinAndProfileFile();
    void fromAnotherWorkingDirectory();
    void initInstanceRunsTheWindowModally();
    void realProgramStartsFromAnotherWorkingDirectory();
    void commandLineFilesBecomeTasks();

private:
    QString m_startDir;
};

void tst_Startup::init()
{
    m_startDir = QDir::currentPath();
    // Each start begins with no list kept from an earlier one.
    QVERIFY(QDir(SavedListFolder()).removeRecursively());
}

void tst_Startup::cleanup()
{
    static_cast<CTavrelApp *>(qApp)->ExitInstance();
    g_skin.ReleaseDispatch();
    QVERIFY(qApp->styleSheet().isEmpty());
    QDir::setCurrent(m_startDir);
    g_programDir.clear();
}

void tst_Startup::missingSkinAndProfileFile()
{
    // A program folder without the skin file and without app/Zune_Profile.ini.
    QTemporaryDir programDir;
    QTemporaryDir elsewhere;
    QVERIFY(programDir.isValid() && elsewhere.isValid());
    g_programDir = nativeDir(programDir.path());
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    CTavrelApp::PrepareProcess();
    QCOMPARE(QDir::current(), QDir(elsewhere.path())); // the working directory stays
    QVERIFY(!skinActive());
    QVERIFY(qApp->styleSheet().isEmpty());

    CMainFrameDlg frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CTavrelDlg *page = frame.page();
    auto *profiles = qobject_cast<QComboBox *>(page->Control(IDC_MPEG4_PROFILE));
    QVERIFY(profiles);
    QCOMPARE(profiles->count(), 0);
    QCOMPARE(profiles->currentIndex(), -1);
    QVERIFY(profiles->isVisible());
    // Everything else is in place as usual.
    for (const ControlEntry &entry : ControlTable())
        QVERIFY(page->Control(entry.id));
    QVERIFY(page->Control(IDC_START)->isVisible());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Tavrel V" TAVREL_VERSION));
}

void tst_Startup::fromAnotherWorkingDirectory()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    // g_programDir is empty: start-up takes it from the program's own path.
    CTavrelApp::PrepareProcess();
    const QString programDir = QCoreApplication::applicationDirPath();
    QCOMPARE(g_programDir, nativeDir(programDir));
    QVERIFY2(QFile::exists(programDir + u'/' + QLatin1String(CTavrelApp::kSkinFile)),
             "the build lays the skin file out beside the program");
    QVERIFY(skinActive());
    QVERIFY(!qApp->styleSheet().isEmpty());

    CMainFrameDlg frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    // The profiles come from app/Zune_Profile.ini beside the program: one item per "Title".
    QFile ini(programDir + QStringLiteral("/app/Zune_Profile.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList titles;
    while (!ini.atEnd()) {
        const QString line = QString::fromUtf8(ini.readLine()).trimmed();
        if (line.startsWith(QLatin1String("Title=")))
            titles.append(line.mid(6));
    }
    auto *profiles = qobject_cast<QComboBox *>(frame.page()->Control(IDC_MPEG4_PROFILE));
    QVERIFY(profiles);
    QVERIFY(profiles->count() > 1);
    QCOMPARE(itemsOf(profiles), titles);
    QCOMPARE(profiles->currentIndex(), 0);
    QCOMPARE(QDir::current(), QDir(elsewhere.path())); // read by absolute path
    QVERIFY(QFile::exists(programDir + QStringLiteral("/help/help.html")));
}

void tst_Startup::initInstanceRunsTheWindowModally()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    bool sawWindow = false;
    QPoint position(-1, -1);
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        // Runs inside the window's modal loop.
        if (!g_mainFrame)
            return;
        sawWindow = g_mainFrame->isVisible();
        position = g_mainFrame->pos();
        modal = g_mainFrame->isModal();
        g_mainFrame->close();
    });
    auto *app = static_cast<CTavrelApp *>(qApp);
    QCOMPARE(app->InitInstance(), false);
    QVERIFY(sawWindow);
    QVERIFY(modal);
    QCOMPARE(position, QPoint(0, 0));
    QCOMPARE(g_mainFrame, nullptr);
    QVERIFY(skinActive());
    QCOMPARE(app->ExitInstance(), 0);
    QVERIFY(!skinActive());
}

void tst_Startup::realProgramStartsFromAnotherWorkingDirectory()
{
    // The real program, started the way a person starts it but from a foreign folder, comes up
    // and stays up (nothing it needs is looked for in the working directory).
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel");
    QVERIFY(QFile::exists(program));
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QProcess process;
    process.setWorkingDirectory(elsewhere.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {});
    QVERIFY(process.waitForStarted(30000));
    QVERIFY2(!process.waitForFinished(3000), process.readAll().constData());
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    QVERIFY(process.waitForFinished(30000));
}

void tst_Startup::commandLineFilesBecomeTasks()
{
    // "Open with": two videos and a text file, a relative name among them, an option and a web
    // address; only the two videos become tasks, in the order given.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(MediaFixtures::MakeSource(folder.filePath("b.mpg"), 1.0));
    QVERIFY(QFile::copy(folder.filePath("b.mpg"), folder.filePath("A.AVI")));
    QVERIFY(QFile::copy(folder.filePath("b.mpg"), folder.filePath("notes.txt")));
    QStringList rejected;
    const QStringList files
        = SourceFilesFromArguments({"b.mpg",
                                    "--verbose",
                                    folder.filePath("notes.txt"),
                                    "https://example.org/c.avi",
                                    QUrl::fromLocalFile(folder.filePath("A.AVI")).toString()},
                                   folder.path(),
                                   &rejected);
    QCOMPARE(files, (QStringList{folder.filePath("b.mpg"), folder.filePath("A.AVI")}));
    QCOMPARE(rejected, (QStringList{"notes.txt", "https://example.org/c.avi"}));

    auto *app = static_cast<CTavrelApp *>(qApp);
    app->SetStartupFiles(files);
    QStringList sources;
    // Durations are probed off the UI thread while timers run on: look once the window is up.
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&] {
        if (!g_mainFrame || !g_mainFrame->isVisible())
            return;
        look.stop();
        const TaskArray &tasks = g_mainFrame->page()->tasks();
        for (int i = 0; i < tasks.count(); ++i)
            sources.append(tasks.at(i).sourcePath);
        g_mainFrame->close();
    });
    look.start(10);
    app->InitInstance();
    app->SetStartupFiles({});
    QCOMPARE(sources, files);
}

int main(int argc, char *argv[])
{
    CTavrelApp app(argc, argv);
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
