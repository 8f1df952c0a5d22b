// The main window at work: the output-type switch, the stored settings, the keys that must not
// close it, closing it while a batch runs, the help command and the list's cells.

#include "MainWindowFixture.h"

#include "CImageButton.h"
#include "CTaskListCtrl.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "ShellActions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace MainWindowFixture;

namespace {

ConversionTask makeTask(int mpeg4Profile, int outputWmv)
{
    ConversionTask task = NewConversionTask(QStringLiteral("/videos/clip.avi"), 60.0, 0, 0);
    task.mpeg4Profile = mpeg4Profile;
    task.outputWmv = outputWmv;
    return task;
}

} // namespace

class tst_MainWindowUse
    : public QObject
    , private Host
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void outputType_data();
    void outputType();
    void titleAfterResetInWmv();

    void storedSettings_data();
    void storedSettings();
    void defaultDestinationWithoutVideosFolder();

    void enterAndEscapeKeepTheWindowOpen_data();
    void enterAndEscapeKeepTheWindowOpen();
    void closingStopsARunningBatch_data();
    void closingStopsARunningBatch();
    void helpCommandOpensTheHelpFile_data();
    void helpCommandOpensTheHelpFile();
    void listCellsComeFromTheTasks();

private:
    QList<QUrl> m_openedUrls;
};

void tst_MainWindowUse::initTestCase()
{
    QVERIFY2(!runtimeDir().isEmpty(), "TAVREL_RUNTIME_DIR is not set");
    useRuntimeDir();
    ShellActions::SetOpenUrlHandler([this](const QUrl &url) {
        m_openedUrls.append(url);
        return true;
    });
}

void tst_MainWindowUse::init()
{
    clearStoredSettings();
    m_openedUrls.clear();
}

void tst_MainWindowUse::cleanup()
{
    m_frame.reset();
    QCOMPARE(g_mainFrame, nullptr);
}

// --- output type ------------------------------------------------------------------------------

void tst_MainWindowUse::outputType_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("markedProfile"); // -1: no task marked
    QTest::addColumn<int>("taskOutputWmv"); // of the marked task before the click
    QTest::addColumn<bool>("converting");   // the marked task is being converted
    QTest::addColumn<int>("click");         // 0 "To Zune MPEG4", 1 "To Zune WMV"
    QTest::addColumn<int>("outputType");
    QTest::addColumn<bool>("mpeg4Shown");
    QTest::addColumn<bool>("titleEnabled");
    QTest::addColumn<bool>("combosEnabled");
    QTest::addColumn<int>("expectedTaskWmv");

    // clang-format off
    QTest::newRow("WMV, nothing marked")              << 0 << -1 << 0 << false << 1 << 1 << false << false << false << -1;
    QTest::newRow("back to MPEG4, nothing marked")    << 1 << -1 << 0 << false << 0 << 0 << true  << true  << true  << -1;
    QTest::newRow("MPEG4 with profile 0 marked")      << 1 <<  0 << 1 << false << 0 << 0 << true  << true  << true  <<  0;
    QTest::newRow("MPEG4 with profile 2 marked")      << 1 <<  2 << 1 << false << 0 << 0 << true  << true  << false <<  0;
    QTest::newRow("WMV with profile 0 marked")        << 0 <<  0 << 0 << false << 1 << 1 << false << false << false <<  1;
    QTest::newRow("MPEG4 clicked while in force")     << 0 <<  0 << 1 << false << 0 << 0 << true  << true  << true  <<  1;
    QTest::newRow("WMV clicked while in force")       << 1 <<  2 << 0 << false << 1 << 1 << false << false << false <<  0;
    QTest::newRow("WMV clicked, the task converting") << 0 <<  0 << 0 << true  << 1 << 0 << true  << true  << true  <<  0;
    // clang-format on
}

void tst_MainWindowUse::outputType()
{
    QFETCH(int, startType);
    QFETCH(int, markedProfile);
    QFETCH(int, taskOutputWmv);
    QFETCH(bool, converting);
    QFETCH(int, click);
    QFETCH(int, outputType);
    QFETCH(bool, mpeg4Shown);
    QFETCH(bool, titleEnabled);
    QFETCH(bool, combosEnabled);
    QFETCH(int, expectedTaskWmv);

    QVERIFY(openFrame());
    if (startType == 1)
        control<QRadioButton>(IDC_TO_WMV)->click();
    QCOMPARE(page()->OutputType(), startType);

    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    if (markedProfile >= 0) {
        page()->tasks().append(makeTask(0, 0));
        page()->tasks().append(makeTask(markedProfile, taskOutputWmv));
        list->SetItemCount(2);
        list->SelectRow(1);
        QCOMPARE(list->GetSelectionMark(), 1);
    }
    if (converting)
        page()->tasks().update(
            1, NoColumn, [](ConversionTask &t) { t.state = TaskState::Converting; });
    const ConversionTask unmarkedBefore = page()->tasks().at(0);

    control<QRadioButton>(click == 0 ? IDC_TO_MPEG4 : IDC_TO_WMV)->click();

    QCOMPARE(page()->OutputType(), outputType);
    QCOMPARE(control<QLabel>(IDC_LABEL_MPEG4_PROFILE)->isVisible(), mpeg4Shown);
    QCOMPARE(control<QComboBox>(IDC_MPEG4_PROFILE)->isVisible(), mpeg4Shown);
    QCOMPARE(control<QLabel>(IDC_LABEL_WMV_PROFILE)->isVisible(), !mpeg4Shown);
    QCOMPARE(control<QComboBox>(IDC_WMV_PROFILE)->isVisible(), !mpeg4Shown);
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->isEnabled(), titleEnabled);
    for (int id : SettingComboIds())
        QCOMPARE(control<QComboBox>(id)->isEnabled(), combosEnabled);
    if (expectedTaskWmv >= 0) {
        QCOMPARE(page()->tasks().at(1).outputWmv, expectedTaskWmv);
        QCOMPARE(page()->tasks().at(0), unmarkedBefore);
        // The list shows the marked task's new output name.
        QCOMPARE(list->GetCellInfo(1, 3)->text,
                 expectedTaskWmv ? QStringLiteral("clip.wmv") : QStringLiteral("clip.mp4"));
    }
    // The buttons show the type in force.
    QCOMPARE(control<QRadioButton>(IDC_TO_WMV)->isChecked(), outputType == 1);
}

void tst_MainWindowUse::titleAfterResetInWmv()
{
    QVERIFY(openFrame());
    auto *title = control<QLineEdit>(IDC_TITLE);
    title->setText(QStringLiteral("holiday"));

    control<QRadioButton>(IDC_TO_WMV)->click();
    QVERIFY(title->isVisible());
    QVERIFY(!title->isEnabled());

    page()->ResetSettings();
    QCOMPARE(title->text(), QString());
    QVERIFY(!title->isVisible());

    // Back to MPEG4: the edit is enabled again but stays hidden until a reset made in MPEG4.
    control<QRadioButton>(IDC_TO_MPEG4)->click();
    QVERIFY(title->isEnabled());
    QVERIFY(!title->isVisible());

    page()->ResetSettings();
    QVERIFY(title->isVisible());
    QVERIFY(title->isEnabled());
}

// --- stored settings --------------------------------------------------------------------------

void tst_MainWindowUse::storedSettings_data()
{
    QTest::addColumn<QString>("destination"); // null: not stored
    QTest::addColumn<QString>("version");     // null: not stored
    QTest::addColumn<QString>("shownDirectory");
    QTest::addColumn<QString>("caption");

    const QString videos = QDir::homePath() + QStringLiteral("/Videos");
    const QString own = QStringLiteral("Tavrel V" TAVREL_VERSION);
    QTest::newRow("nothing stored") << QString() << QString() << videos << own;
    QTest::newRow("both stored") << "/data/converted"
                                 << "2.5"
                                 << "/data/converted"
                                 << "Tavrel V2.5";
    QTest::newRow("empty values stored") << ""
                                         << "" << videos << own;
    QTest::newRow("directory with a trailing separator")
        << "/media/player/" << QString() << "/media/player/" << own;
    QTest::newRow("directory that does not exist") << "/no/such/folder"
                                                   << "1.0 beta"
                                                   << "/no/such/folder"
                                                   << "Tavrel V1.0 beta";
}

void tst_MainWindowUse::storedSettings()
{
    QFETCH(QString, destination);
    QFETCH(QString, version);
    QFETCH(QString, shownDirectory);
    QFETCH(QString, caption);

    QVERIFY(QDir().mkpath(QDir::homePath() + QStringLiteral("/Videos")));
    if (!destination.isNull())
        storeSetting(QStringLiteral("destination/Default"), destination);
    if (!version.isNull())
        storeSetting(QStringLiteral("Version/Default"), version);

    QVERIFY(openFrame());
    QCOMPARE(control<QLineEdit>(IDC_OUTPUT_DIR)->text(), QDir::toNativeSeparators(shownDirectory));
    QCOMPARE(page()->Destination(), QDir::toNativeSeparators(shownDirectory));
    QCOMPARE(m_frame->windowTitle(), caption);
}

void tst_MainWindowUse::defaultDestinationWithoutVideosFolder()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    QVERIFY(QDir().mkpath(videos));
    QCOMPARE(DefaultDestination(), QDir::toNativeSeparators(videos));
    QVERIFY(QDir(videos).removeRecursively());
    QCOMPARE(DefaultDestination(), QDir::toNativeSeparators(QDir::homePath()));

    QVERIFY(openFrame());
    QCOMPARE(control<QLineEdit>(IDC_OUTPUT_DIR)->text(),
             QDir::toNativeSeparators(QDir::homePath()));
}

// --- keys, closing, help, cells ---------------------------------------------------------------

void tst_MainWindowUse::enterAndEscapeKeepTheWindowOpen_data()
{
    QTest::addColumn<int>("focusId"); // 0: the frame itself
    QTest::addColumn<int>("key");

    const int focus[] = {0, IDC_BROWSE, IDC_TITLE, IDC_TASK_LIST, IDC_HELP_BUTTON, IDC_VIDEO_TYPE};
    const std::pair<int, const char *> keys[]
        = {{Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Escape, "Escape"}};
    for (int id : focus) {
        for (const auto &[key, name] : keys) {
            QTest::addRow("%s on %s", name, id ? qPrintable(QString::number(id)) : "frame")
                << id << key;
        }
    }
}

void tst_MainWindowUse::enterAndEscapeKeepTheWindowOpen()
{
    QFETCH(int, focusId);
    QFETCH(int, key);

    QVERIFY(openFrame());
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QWidget *target = focusId ? page()->Control(focusId) : static_cast<QWidget *>(m_frame.get());
    target->setFocus();
    QSignalSpy finished(m_frame.get(), &QDialog::finished);
    QVERIFY(finished.isValid());
    QSignalSpy browse(control<QPushButton>(IDC_BROWSE), &QPushButton::clicked);
    QVERIFY(browse.isValid());
    QSignalSpy help(control<QPushButton>(IDC_HELP_BUTTON), &QPushButton::clicked);
    QVERIFY(help.isValid());

    QTest::keyClick(target, Qt::Key(key));
    QCoreApplication::processEvents();

    QVERIFY(m_frame->isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(browse.count(), 0);
    QCOMPARE(help.count(), 0);
}

void tst_MainWindowUse::closingStopsARunningBatch_data()
{
    QTest::addColumn<bool>("byClose"); // false: the window is destroyed without closing
    QTest::newRow("close while idle") << true;
    QTest::newRow("destroy while idle") << false;
}

// (Closing and destroying the window while a batch converts: tst_ui_batch.)
void tst_MainWindowUse::closingStopsARunningBatch()
{
    QFETCH(bool, byClose);

    QVERIFY(openFrame());
    QVERIFY(control<CImageButton>(IDC_START)->isVisible());
    QVERIFY(!control<CImageButton>(IDC_STOP)->isVisible());
    if (byClose) {
        QSignalSpy finished(m_frame.get(), &QDialog::finished);
        QVERIFY(finished.isValid());
        QVERIFY(m_frame->close());
        QCOMPARE(finished.count(), 1);
    } else {
        m_frame.reset();
    }
}

void tst_MainWindowUse::helpCommandOpensTheHelpFile_data()
{
    QTest::addColumn<bool>("withChm");
    QTest::addColumn<QString>("opened");
    QTest::newRow("compiled help present") << true << "Help.chm";
    QTest::newRow("only the HTML page") << false << "help/help.html";
}

void tst_MainWindowUse::helpCommandOpensTheHelpFile()
{
    QFETCH(bool, withChm);
    QFETCH(QString, opened);

    QTemporaryDir programDir;
    QVERIFY(programDir.isValid());
    if (withChm) {
        QFile chm(programDir.filePath(QStringLiteral("Help.chm")));
        QVERIFY(chm.open(QIODevice::WriteOnly));
    }
    QVERIFY(openFrame());
    const QString saved = g_programDir;
    g_programDir = QDir::toNativeSeparators(programDir.path() + u'/');

    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(m_frame.get(), Qt::Key_F1);
    QTest::keyClick(control<QLineEdit>(IDC_TITLE), Qt::Key_F1);
    g_programDir = saved;

    const QUrl expected = QUrl::fromLocalFile(programDir.filePath(opened));
    QCOMPARE(m_openedUrls, QList<QUrl>({expected, expected}));
}

void tst_MainWindowUse::listCellsComeFromTheTasks()
{
    QVERIFY(openFrame());
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    ConversionTask task = makeTask(0, 0);
    task.trimStart = 75.0;
    page()->tasks().append(task);
    task.outputWmv = 1;
    task.wmvPercent = 100;
    task.state = TaskState::Finished;
    page()->tasks().append(task);
    list->SetItemCount(2);

    QCOMPARE(list->GetCellInfo(0, 0)->text, QStringLiteral("clip.avi"));
    QCOMPARE(list->GetCellInfo(0, 1)->text, QStringLiteral("00:01:15"));
    QCOMPARE(list->GetCellInfo(1, 3)->text, QStringLiteral("clip.wmv"));
    const CellInfo *progress = list->GetCellInfo(1, 4);
    QCOMPARE(progress->text, QStringLiteral("    Finished"));
    QCOMPARE(progress->progressPos, 100);
    QCOMPARE(list->GetCellInfo(1, 0)->backColor, Rgb(220, 220, 255));
    // A row without a task keeps the list's defaults.
    QCOMPARE(list->GetCellInfo(5, 0)->text, QString());
}

QTEST_MAIN(tst_MainWindowUse)
#include "tst_mainwindowuse.moc"
