// What the main window does around a batch: Start reads the output directory and the shutdown
// box, Start and Stop swap, the caption shows the progress, the messages and the power-off go
// through their seams, Stop acts on the task being converted, closing or destroying the window
// mid-batch leaves no encoder running; Browse, Help and the power-off countdown.
//
// Tasks are put into the list directly (not through Add).

#include "../media_support/MediaFixtures.h"

#include "AppSettings.h"
#include "BatchState.h"
#include "BatchTexts.h"
#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CPowerOffCountdown.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "ControlTable.h"
#include "EncoderRunner.h"
#include "PowerActions.h"
#include "ShellActions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace MediaFixtures;

namespace {

struct Message
{
    QString text;
    QString caption;
    QMessageBox::Icon icon;
};

} // namespace

class tst_BatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startReadsTheControls_data();
    void startReadsTheControls();
    void powerOffAtTheEnd_data();
    void powerOffAtTheEnd();
    void endingMidBatch_data();
    void endingMidBatch();
    void browse_data();
    void browse();
    void helpOpensThePageAlsoWhileBusy();
    void countdown_data();
    void countdown();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    void addTask(const QString &path);
    /// Clicks Start; returns when the batch is over.
    void start();

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<CMainFrameDlg> m_frame;
    QList<Message> m_messages;
    QList<QString> m_pickerStarts;
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
            m_messages.append({text, caption, icon});
        });
    ShellActions::SetFolderHandler([this](QWidget *, const QString &startDir) {
        m_pickerStarts.append(startDir);
        return m_pickedFolder;
    });
    ShellActions::SetOpenUrlHandler([this](const QUrl &url) {
        m_openedUrls.append(url);
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

    const QString runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR");
    QVERIFY(!runtime.isEmpty());
    g_programDir = QDir::toNativeSeparators(runtime + u'/');
    QVERIFY(m_sources.isValid());
    QString log;
    QVERIFY2(MakeSource(m_sources.filePath("clip.avi"), 2.0, "160x120", &log), qPrintable(log));
    QVERIFY2(MakeSource(m_sources.filePath("long.avi"), 60.0, "320x240", &log), qPrintable(log));
}

void tst_BatchWindow::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation).clear();
    m_output = std::make_unique<QTemporaryDir>();
    QVERIFY(m_output->isValid());
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
    m_frame.reset();
    QVERIFY(!IsEncoderRunning());
}

void tst_BatchWindow::addTask(const QString &path)
{
    auto *media = control<CVideoEdit>(IDC_MEDIA);
    page()->tasks().append(NewConversionTask(path, media->GetMediaDuration(path), 0, 0));
    control<CTaskListCtrl>(IDC_TASK_LIST)->SetItemCount(page()->tasks().count());
}

void tst_BatchWindow::start()
{
    control<CImageButton>(IDC_START)->click();
}

// --- Start --------------------------------------------------------------------------------------

void tst_BatchWindow::startReadsTheControls_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<bool>("emptyDirectory");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("caption");

    QTest::newRow("empty list: nothing at all") << 0 << true << ""
                                                << "";
    QTest::newRow("empty directory") << 1 << true << "Please set the output directory firstly"
                                     << "Error";
    QTest::newRow("two clips") << 2 << false << "Converting Finished"
                               << "Information";
}

void tst_BatchWindow::startReadsTheControls()
{
    QFETCH(int, tasks);
    QFETCH(bool, emptyDirectory);
    QFETCH(QString, message);
    QFETCH(QString, caption);

    for (int i = 0; i < tasks; ++i)
        addTask(m_sources.filePath("clip.avi"));
    if (emptyDirectory)
        control<QLineEdit>(IDC_OUTPUT_DIR)->clear();
    const QString plainCaption = m_frame->windowTitle();
    // While busy: Stop in Start's place and the progress in the caption.
    QStringList captions;
    bool swapped = true;
    connect(m_frame.get(), &QWidget::windowTitleChanged, this, [&](const QString &title) {
        captions.append(title);
        if (title != plainCaption)
            swapped = swapped && control<CImageButton>(IDC_STOP)->isVisible()
                      && !control<CImageButton>(IDC_START)->isVisible();
    });

    start();

    QCOMPARE(m_messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_messages[0].text, CenterMessageText(message));
        QCOMPARE(m_messages[0].caption, caption);
        QCOMPARE(m_messages[0].icon, QMessageBox::NoIcon);
    }
    QVERIFY(swapped);
    QVERIFY(!page()->IsBusy());
    QVERIFY(control<CImageButton>(IDC_START)->isVisible());
    QCOMPARE(m_frame->windowTitle(), plainCaption);
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(), emptyDirectory ? 0 : tasks);
    if (!emptyDirectory) {
        QCOMPARE(captions.first(), BatchProgressCaption(plainCaption, 1, 2, 0));
        QVERIFY(captions.contains(BatchProgressCaption(plainCaption, 2, 2, 0)));
        QCOMPARE(captions.last(), plainCaption);
    }
}

void tst_BatchWindow::powerOffAtTheEnd_data()
{
    QTest::addColumn<bool>("countdownAnswer");
    QTest::addColumn<bool>("powerOffAnswer");
    QTest::addColumn<int>("powerOffs");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("caption");

    QTest::newRow("powered off, no message") << true << true << 1 << ""
                                             << "";
    QTest::newRow("countdown cancelled") << false << true << 0 << "Converting Finished"
                                         << "Information";
    QTest::newRow("power-off refused") << true << false << 1 << "Your computer cannot shutdown"
                                       << "Warning";
}

void tst_BatchWindow::powerOffAtTheEnd()
{
    QFETCH(bool, countdownAnswer);
    QFETCH(bool, powerOffAnswer);
    QFETCH(int, powerOffs);
    QFETCH(QString, message);
    QFETCH(QString, caption);

    m_countdownAnswer = countdownAnswer;
    m_powerOffAnswer = powerOffAnswer;
    addTask(m_sources.filePath("clip.avi"));
    control<QCheckBox>(IDC_SHUTDOWN)->setChecked(true);

    start();

    QCOMPARE(m_countdowns, 1);
    QCOMPARE(m_powerOffs, powerOffs);
    QCOMPARE(m_messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_messages[0].text, CenterMessageText(message));
        QCOMPARE(m_messages[0].caption, caption);
        QCOMPARE(m_messages[0].icon,
                 caption == "Warning" ? QMessageBox::Critical : QMessageBox::NoIcon);
    }
    QVERIFY(!page()->IsBusy());
}

// --- ending a batch part-way ----------------------------------------------------------------------

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

    addTask(m_sources.filePath("long.avi"));
    addTask(m_sources.filePath("clip.avi"));
    control<QCheckBox>(IDC_SHUTDOWN)->setChecked(true);
    // The output type the window shows does not decide what Stop does: the task does.
    control<QRadioButton>(IDC_TO_WMV)->click();
    QCOMPARE(page()->OutputType(), 1);
    QSignalSpy finished(m_frame.get(), &QDialog::finished);
    QVERIFY(finished.isValid());

    bool ended = false;
    page()->tasks().setCellInvalidator([&](int row, int, int) {
        if (row != 0 || ended || page()->tasks().at(0).sizeKB <= 0)
            return;
        ended = true;
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

    QVERIFY(ended);
    QVERIFY(!IsEncoderRunning());
    QCOMPARE(m_countdowns, 0);
    const QString output = m_output->filePath("long.mp4");
    if (how == "stop") {
        // The encoder got "q" and finished a valid, shorter file; the second task never began.
        const ProbeResult probe = Probe(output);
        QVERIFY(probe.ok && probe.duration < 59.0);
        QVERIFY(!QFileInfo::exists(m_output->filePath("clip.mp4")));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, FinishedMessageText(0, 2));
        return;
    }
    // Nobody is left to read a message; the window ends.
    QCOMPARE(m_messages.size(), 0);
    if (how == "close")
        QCOMPARE(finished.count(), 1);
    else
        QVERIFY(!startButton);
}

// --- Browse and Help -----------------------------------------------------------------------------

void tst_BatchWindow::browse_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("currentExists");
    QTest::addColumn<QString>("picked"); // "<new>": a new folder; empty: cancelled

    QTest::newRow("pick a folder") << false << true << "<new>";
    QTest::newRow("current folder missing: the picker chooses") << false << false << "<new>";
    QTest::newRow("cancel") << false << true << "";
    QTest::newRow("busy: nothing") << true << true << "<new>";
}

void tst_BatchWindow::browse()
{
    QFETCH(bool, busy);
    QFETCH(bool, currentExists);
    QFETCH(QString, picked);

    QTemporaryDir chosen;
    m_pickedFolder = picked == "<new>" ? chosen.path() : picked;
    auto *edit = control<QLineEdit>(IDC_OUTPUT_DIR);
    if (!currentExists)
        edit->setText(m_output->filePath("gone"));
    const QString before = edit->text();
    page()->SetBusy(busy);

    control<QPushButton>(IDC_BROWSE)->click();
    page()->SetBusy(false);

    if (busy) {
        QVERIFY(m_pickerStarts.isEmpty());
    } else {
        QCOMPARE(m_pickerStarts, QStringList{currentExists ? before : QString()});
    }
    const bool taken = !busy && !picked.isEmpty();
    QCOMPARE(edit->text(), taken ? m_pickedFolder : before);
    QCOMPARE(ReadDestination(), taken ? m_pickedFolder : DefaultDestination());
}

void tst_BatchWindow::helpOpensThePageAlsoWhileBusy()
{
    const QUrl page_ = QUrl::fromLocalFile(g_programDir + "help/help.html");
    control<QPushButton>(IDC_HELP_BUTTON)->click();
    page()->SetBusy(true);
    control<QPushButton>(IDC_HELP_BUTTON)->click();
    page()->SetBusy(false);
    QCOMPARE(m_openedUrls, QList<QUrl>({page_, page_}));
    QVERIFY(m_messages.isEmpty()); // the page could not be opened: no message
}

// --- the countdown before powering off ------------------------------------------------------------

void tst_BatchWindow::countdown_data()
{
    QTest::addColumn<QString>("press"); // a button, or "" to let the time run out
    QTest::addColumn<int>("result");
    QTest::newRow("Power off now") << "Power off now" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "Cancel" << int(QDialog::Rejected);
    QTest::newRow("the time runs out") << "" << int(QDialog::Accepted);
}

void tst_BatchWindow::countdown()
{
    QFETCH(QString, press);
    QFETCH(int, result);

    CPowerOffCountdown dialog(page(), press.isEmpty() ? 2 : 60);
    QSignalSpy finished(&dialog, &QDialog::finished);
    QVERIFY(finished.isValid());
    dialog.show();
    if (press.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(dialog.SecondsLeft() == 1, 3000);
        QCOMPARE(dialog.findChild<QLabel *>()->text(),
                 QStringLiteral("The computer will power off in 1 second"));
    } else {
        QCOMPARE(dialog.findChild<QLabel *>()->text(),
                 QStringLiteral("The computer will power off in 60 seconds"));
        (press == "Cancel" ? dialog.CancelButton() : dialog.PowerOffNowButton())->click();
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.at(0).at(0).toInt(), result);
}

QTEST_MAIN(tst_BatchWindow)
#include "tst_batchwindow.moc"
