// What the main window does around a batch: Start reads the output directory and the shutdown
// box, Start and Stop swap, the caption shows the progress, messages and the power-off go
// through their seams, Stop follows the task (not the output type shown), closing or destroying
// the window mid-batch leaves no encoder; the list stays live while it runs, Pause and "Videos
// at once"; Browse and Help. Tasks go into the list directly.

#include "BatchFixture.h"
#include "WindowFixture.h"

#include "AppSettings.h"
#include "BatchTexts.h"
#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "PowerActions.h"
#include "ProgramDir.h"
#include "ShellActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <cerrno>
#include <csignal>

class tst_BatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void start_data();
    void start();
    void endingMidBatch_data();
    void endingMidBatch();
    void liveListDuringABatch();
    void browse_data();
    void browse();
    void helpOpensThePageAlsoWhileBusy();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    void addTask(const QString &name);
    /// Adds the long clip and starts converting it; returns once its encoder has reported.
    void startLongBatch();
    /// Presses Stop and waits for the batch's end.
    void stopBatch();

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<CMainFrameDlg> m_frame;
    QStringList m_messages; // "caption|icon|text"
    QStringList m_pickerStarts;
    QString m_pickedFolder;
    QList<QUrl> m_openedUrls;
    bool m_countdownAnswer = true;
    bool m_powerOffAnswer = true;
    int m_countdowns = 0;
    int m_powerOffs = 0;
};

void tst_BatchWindow::initTestCase()
{
    // Nothing here may wait for a person or touch the machine.
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &text, const QString &caption, QMessageBox::Icon icon) {
            m_messages << QStringLiteral("%1|%2|%3").arg(caption).arg(icon).arg(text);
        });
    ShellActions::SetFolderHandler([this](QWidget *, const QString &startDir) {
        m_pickerStarts << startDir;
        return m_pickedFolder;
    });
    ShellActions::SetOpenUrlHandler([this](const QUrl &url) {
        m_openedUrls << url;
        return false; // as if no browser were there
    });
    PowerActions::SetCountdownHandler([this](QWidget *) {
        ++m_countdowns;
        return m_countdownAnswer;
    });
    PowerActions::SetPowerOffHandler([this] {
        ++m_powerOffs;
        return m_powerOffAnswer;
    });
    QString log;
    QVERIFY2(WindowFixture::PrepareClips(m_sources.path(), &log), qPrintable(log));
}

void tst_BatchWindow::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation).clear();
    m_output = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_pickerStarts.clear();
    m_openedUrls.clear();
    m_countdownAnswer = m_powerOffAnswer = true;
    m_countdowns = m_powerOffs = 0;
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    control<QLineEdit>(IDC_OUTPUT_DIR)->setText(m_output->path());
}

void tst_BatchWindow::cleanup()
{
    if (m_frame)
        QVERIFY(page()->Batch().Jobs().isEmpty());
    m_frame.reset();
}

void tst_BatchWindow::addTask(const QString &name)
{
    page()->AddSourceFile(m_sources.filePath(name));
}

void tst_BatchWindow::startLongBatch()
{
    addTask("long.avi");
    control<CImageButton>(IDC_START)->click();
    QTRY_VERIFY_WITH_TIMEOUT(page()->tasks().at(0).sizeKB > 0, 60000);
}

void tst_BatchWindow::stopBatch()
{
    control<CImageButton>(IDC_STOP)->click();
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
}

void tst_BatchWindow::start_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QString>("directory"); // "<out>": the test's output folder
    QTest::addColumn<int>("shutdown");      // 0 box not checked; 1 countdown runs out; 2 cancelled
    QTest::addColumn<bool>("powerOffAccepted");
    QTest::addColumn<QString>("message"); // "caption|icon|what the text says"; empty: none

    QTest::newRow("empty list: nothing at all") << 0 << "" << 0 << true << "";
    QTest::newRow("empty directory")
        << 1 << "" << 0 << true << "Error|0|Please set the output directory firstly";
    QTest::newRow("missing folder")
        << 1 << "<out>/missing" << 0 << true << "Error|0|does not exist";
    QTest::newRow("read-only folder") << 1 << "/proc" << 0 << true << "Error|0|cannot be written";
    QTest::newRow("two clips") << 2 << "<out>" << 0 << true << "Information|0|Converting Finished";
    QTest::newRow("box checked: powered off, no message") << 2 << "<out>" << 1 << true << "";
    QTest::newRow("box checked, countdown cancelled")
        << 2 << "<out>" << 2 << true << "Information|0|Converting Finished";
    QTest::newRow("box checked, power-off refused")
        << 2 << "<out>" << 1 << false << "Warning|3|Your computer cannot shutdown";
}

void tst_BatchWindow::start()
{
    QFETCH(int, tasks);
    QFETCH(QString, directory);
    QFETCH(int, shutdown);
    QFETCH(bool, powerOffAccepted);
    QFETCH(QString, message);

    for (int i = 0; i < tasks; ++i)
        addTask("clip.avi");
    control<QLineEdit>(IDC_OUTPUT_DIR)->setText(directory.replace("<out>", m_output->path()));
    control<QCheckBox>(IDC_SHUTDOWN)->setChecked(shutdown > 0);
    m_countdownAnswer = shutdown == 1;
    m_powerOffAnswer = powerOffAccepted;
    // While busy: Stop in Start's place and the progress in the caption.
    const QString plainCaption = m_frame->windowTitle();
    QStringList captions;
    connect(m_frame.get(), &QWidget::windowTitleChanged, this, [&](const QString &title) {
        const bool busy = title != plainCaption;
        QCOMPARE(control<CImageButton>(IDC_STOP)->isVisible(), busy);
        QCOMPARE(control<CImageButton>(IDC_START)->isVisible(), !busy);
        captions << title;
    });

    control<CImageButton>(IDC_START)->click();
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));

    QCOMPARE(m_messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        const QString text = m_messages[0].section(u'|', 2);
        QVERIFY2(m_messages[0].startsWith(message.section(u'|', 0, 1))
                     && text.contains(message.section(u'|', 2))
                     && (!message.startsWith("Error") || text.contains(directory)),
                 qPrintable(m_messages[0]));
        QCOMPARE(text, CenterMessageText(text.trimmed()));
    }
    QCOMPARE(m_countdowns, shutdown > 0 ? 1 : 0);
    QCOMPARE(m_powerOffs, shutdown == 1 ? 1 : 0);
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(),
             directory == m_output->path() ? tasks : 0);
    if (!captions.isEmpty()) {
        QCOMPARE(captions.first(), BatchProgressCaption(plainCaption, {0, 2, 1, 0, false}));
        QVERIFY(captions.contains(BatchProgressCaption(plainCaption, {1, 2, 1, 0, false})));
    }
    QCOMPARE(m_frame->windowTitle(), plainCaption);
    QVERIFY(!page()->IsBusy() && control<CImageButton>(IDC_START)->isVisible());
}

void tst_BatchWindow::endingMidBatch_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Stop while the window shows WMV") << "stop";
    QTest::newRow("closing the window") << "close";
    QTest::newRow("destroying the window") << "destroy";
}

void tst_BatchWindow::endingMidBatch()
{
    QFETCH(QString, how);

    addTask("long.avi");
    addTask("clip.avi");
    control<QCheckBox>(IDC_SHUTDOWN)->setChecked(true);
    // No row marked, so the switch changes no task: they are MP4 all the same.
    control<CTaskListCtrl>(IDC_TASK_LIST)->SetSelectionMark(-1);
    control<QRadioButton>(IDC_TO_WMV)->click();
    QSignalSpy finished(m_frame.get(), &QDialog::finished);
    QVERIFY(finished.isValid());
    bool ended = false;
    qint64 encoderPid = 0;
    page()->tasks().setCellInvalidator([&](int row, int, int) {
        if (row != 0 || ended || page()->tasks().at(0).sizeKB <= 0)
            return;
        ended = true;
        encoderPid = page()->Batch().Job(page()->tasks().at(0).id)->ProcessId();
        QTimer::singleShot(0, this, [&, how] {
            if (how == "stop")
                control<CImageButton>(IDC_STOP)->click();
            else if (how == "close")
                m_frame->close();
            else
                m_frame.reset();
        });
    });
    const QPointer<CImageButton> startButton = control<CImageButton>(IDC_START);
    startButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(ended, 60000);
    // Closing waits for the stopped batch's end, then the window goes.
    if (how == "close")
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    else if (how == "stop")
        QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
    else
        QTRY_VERIFY(startButton.isNull());

    // The encoder is gone (and reaped), whichever way the window went.
    QVERIFY(encoderPid > 0);
    QTRY_VERIFY(::kill(pid_t(encoderPid), 0) == -1 && errno == ESRCH);
    QCOMPARE(m_countdowns, 0);
    // Only Stop leaves a window to read the message; Stop and close gave the encoder "q" (a
    // valid, shorter file) and the second task never began. A window destroyed without being
    // closed ends its jobs at once: nothing of them is kept, not even a part file.
    QCOMPARE(m_messages.size(), how == "stop" ? 1 : 0);
    QCOMPARE(finished.count(), how == "close" ? 1 : 0);
    const QStringList files
        = QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    if (how == "destroy") {
        QCOMPARE(files, QStringList());
        return;
    }
    QVERIFY(MediaFixtures::Probe(m_output->filePath("long.mp4")).duration < 59.0);
    QCOMPARE(files, QStringList{"long.mp4"});
}

void tst_BatchWindow::liveListDuringABatch()
{
    const QString plainCaption = m_frame->windowTitle();
    auto *pause = control<CImageButton>(IDC_PAUSE);
    QVERIFY(!pause->isVisible());
    startLongBatch();
    QVERIFY(pause->isVisible() && control<CImageButton>(IDC_STOP)->isVisible());
    QCOMPARE(pause->accessibleName(), QStringLiteral("Pause converting"));

    // Added while it runs: the new task joins; the controls show it and take its settings.
    addTask("clip.avi");
    QCOMPARE(page()->CurTask(), 1);
    auto *title = control<QLineEdit>(IDC_TITLE);
    QVERIFY(!title->isReadOnly());
    title->selectAll();
    title->insert(QStringLiteral("renamed"));
    QCOMPARE(page()->tasks().at(1).title, QStringLiteral("renamed"));
    // The task being converted can be shown, not changed.
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->CellBounds(0, 0).center());
    QCOMPARE(page()->CurTask(), 0);
    QVERIFY(title->isReadOnly());
    control<QRadioButton>(IDC_TO_WMV)->click();
    QCOMPARE(page()->tasks().at(0).outputWmv, 0);
    QVERIFY(control<QRadioButton>(IDC_TO_MPEG4)->isChecked());

    // Pause and Ctrl+P: the row, the caption and the button say so; the encoder is held.
    pause->click();
    QCOMPARE(page()->tasks().at(0).state, TaskState::Paused);
    QCOMPARE(list->GetCellInfo(0, ProgressColumn)->text, QStringLiteral("    Paused"));
    QCOMPARE(pause->accessibleName(), QStringLiteral("Resume converting"));
    QTRY_VERIFY(m_frame->windowTitle().startsWith(plainCaption + QStringLiteral(" – Paused")));
    QTest::keyClick(m_frame.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(page()->tasks().at(0).state, TaskState::Converting);
    QCOMPARE(pause->accessibleName(), QStringLiteral("Pause converting"));

    // Two at once from now on, remembered for the next start.
    auto *atOnce = control<QComboBox>(IDC_SIMULTANEOUS);
    QCOMPARE(atOnce->count(), ConversionBatch::MaxSimultaneous());
    atOnce->setCurrentIndex(atOnce->count() - 1);
    emit atOnce->activated(atOnce->count() - 1);
    QCOMPARE(page()->Batch().Simultaneous(), ConversionBatch::MaxSimultaneous());
    QCOMPARE(ReadSimultaneous(), ConversionBatch::MaxSimultaneous());

    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
    QVERIFY(!pause->isVisible());
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files, QDir::Name),
             (QStringList{"long.mp4", "renamed.mp4"}));
    QCOMPARE(m_messages.size(), 1);
}

void tst_BatchWindow::browse_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("currentExists");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("pick a folder: opens in the current one") << false << true << false;
    QTest::newRow("current folder missing: the picker chooses") << false << false << false;
    QTest::newRow("cancel: nothing changes") << false << true << true;
    QTest::newRow("busy: no picker") << true << true << false;
}

void tst_BatchWindow::browse()
{
    QFETCH(bool, busy);
    QFETCH(bool, currentExists);
    QFETCH(bool, cancel);

    QTemporaryDir chosen;
    m_pickedFolder = cancel ? QString() : chosen.path();
    auto *edit = control<QLineEdit>(IDC_OUTPUT_DIR);
    if (!currentExists)
        edit->setText(m_output->filePath("gone"));
    const QString before = edit->text();
    if (busy)
        startLongBatch();
    control<QPushButton>(IDC_BROWSE)->click();
    if (busy)
        stopBatch();

    QCOMPARE(m_pickerStarts,
             busy ? QStringList() : QStringList{currentExists ? before : QString()});
    const bool taken = !busy && !cancel;
    QCOMPARE(edit->text(), taken ? chosen.path() : before);
    QCOMPARE(ReadDestination(), taken ? chosen.path() : DefaultDestination());
}

void tst_BatchWindow::helpOpensThePageAlsoWhileBusy()
{
    control<QPushButton>(IDC_HELP_BUTTON)->click();
    startLongBatch();
    control<QPushButton>(IDC_HELP_BUTTON)->click();
    const QUrl help = QUrl::fromLocalFile(g_programDir + "help/help.html");
    QCOMPARE(m_openedUrls, QList<QUrl>({help, help}));
    QCOMPARE(m_messages.size(), 2); // it could not be opened: each time a message says where
    stopBatch();
}

QTEST_MAIN(tst_BatchWindow)
#include "tst_batchwindow.moc"
