// The window for keyboard and screen-reader users and around a batch's end: every control's
// accessible name and role (read from the control table), rows read as their cells, the tab order
// of the layout with a visible focus on the self-drawn controls, the question before closing
// mid-batch, the desktop notice at the end of a batch, and Help that always answers.

#include "BatchFixture.h"
#include "WindowFixture.h"

#include "AppSettings.h"
#include "CCloseGuardDialog.h"
#include "CImageButton.h"
#include "CLogDialog.h"
#include "CMainFrameDlg.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "DesktopNotifier.h"
#include "EncoderEnvironment.h"
#include "EncoderRun.h"
#include "ProgramDir.h"
#include "ShellActions.h"
#include "SourceTreatment.h"
#include "TaskRowActions.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

class tst_WindowAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void namesAndRoles_data();
    void namesAndRoles();
    void rowsReadAsTheirCells();
    void tabOrderFollowsTheLayout();
    void closeQuestionKeys_data();
    void closeQuestionKeys();
    void closingMidBatch_data();
    void closingMidBatch();
    void endOfBatchNotice_data();
    void endOfBatchNotice();
    void helpThatCannotOpenSaysWhere();
    void rowMenuByKeyAndPointer_data();
    void rowMenuByKeyAndPointer();
    void rowMenuAndLog();
    void rowMenuChoosesTracks();
    void alwaysReencodeIsStoredWithTheTask();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    /// Closes the window as its close button does: through the window system, which makes the
    /// close spontaneous (QWindow::close() would count as the program's own).
    void closeByPerson()
    {
        QCloseEvent close;
        QCoreApplication::sendEvent(m_frame->windowHandle(), &close);
    }
    /// Runs a batch of the long clip and a short one; `whenEncoding` runs once while the first
    /// is being encoded.
    void runBatch(std::function<void()> whenEncoding);

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<CMainFrameDlg> m_frame;
    QStringList m_messages;
    QStringList m_notices;
    int m_questions = 0;
    bool m_stopAndClose = false;
};

void tst_WindowAccess::initTestCase()
{
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &text, const QString &caption, QMessageBox::Icon) {
            m_messages << caption + u'|' + text;
        });
    ShellActions::SetOpenUrlHandler([](const QUrl &) { return false; });
    ShellActions::SetStopAndCloseHandler([this](QWidget *) {
        ++m_questions;
        return m_stopAndClose;
    });
    DesktopNotifier::SetHandler(
        [this](const QString &summary, const QString &) { m_notices << summary; });
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_sources.filePath("state")));
    QString log;
    QVERIFY2(WindowFixture::PrepareClips(m_sources.path(), &log), qPrintable(log));
    QFile broken(m_sources.filePath("broken.avi"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a video\n") > 0);
}

void tst_WindowAccess::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation).clear();
    m_output = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_notices.clear();
    m_questions = 0;
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    control<QLineEdit>(IDC_OUTPUT_DIR)->setText(m_output->path());
}

void tst_WindowAccess::cleanup()
{
    QVERIFY(page()->Batch().Jobs().isEmpty());
    m_frame.reset();
}

void tst_WindowAccess::namesAndRoles_data()
{
    QTest::addColumn<int>("id");
    for (const ControlEntry &entry : ControlTable()) {
        if (!entry.rect.isNull())
            QTest::newRow(qPrintable(QStringLiteral("control %1").arg(entry.id))) << entry.id;
    }
}

void tst_WindowAccess::namesAndRoles()
{
    QFETCH(int, id);
    const ControlEntry &entry = *ControlEntryFor(id);
    QWidget *widget = page()->Control(id);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    const QString name = iface->text(QAccessible::Name);
    QVERIFY2(!name.isEmpty(), "no accessible name");

    static const QHash<ControlKind, QAccessible::Role> roles = {
        {ControlKind::TaskList, QAccessible::Table},
        {ControlKind::ImageButton, QAccessible::Button},
        {ControlKind::Label, QAccessible::StaticText},
        {ControlKind::Edit, QAccessible::EditableText},
        {ControlKind::PushButton, QAccessible::Button},
        {ControlKind::RangeSlider, QAccessible::Slider},
        {ControlKind::RadioButton, QAccessible::RadioButton},
        {ControlKind::ComboBox, QAccessible::ComboBox},
        {ControlKind::CheckBox, QAccessible::CheckBox},
    };
    if (roles.contains(entry.kind))
        QCOMPARE(iface->role(), roles.value(entry.kind));

    // Where the name comes from: the table's own name, the image button's action, the label
    // that names the control, or the control's own text.
    QString expected = entry.accessibleName.isEmpty() ? entry.text : entry.accessibleName;
    for (const ImageButtonEntry &button : ImageButtonTable()) {
        if (button.id == id) {
            expected = button.accessibleName;
            QCOMPARE(iface->text(QAccessible::Description), button.tooltip);
        }
    }
    for (const ControlEntry &label : ControlTable()) {
        if (label.buddy != id)
            continue;
        expected = label.text;
        expected.remove(u':');
        QCOMPARE(control<QLabel>(label.id)->buddy(), widget);
        // The label is announced as the control's label.
        const auto relations = iface->relations(QAccessible::Label);
        QVERIFY(std::any_of(relations.cbegin(), relations.cend(), [&](const auto &relation) {
            return relation.first->object() == page()->Control(label.id);
        }));
    }
    if (!expected.isEmpty())
        QCOMPARE(name, expected);
    if (entry.kind == ControlKind::RangeSlider)
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("from 00:00:00 to 00:02:00"));
}

void tst_WindowAccess::rowsReadAsTheirCells()
{
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    page()->AddSourceFile(m_sources.filePath("long.avi"));
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    QAccessibleTableInterface *table
        = QAccessible::queryAccessibleInterface(list)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = table->cellAt(row, column)->text(QAccessible::Name);
            QCOMPARE(text, list->GetCellInfo(row, column)->text);
            QVERIFY(column == 4 || !text.isEmpty());
        }
    }
}

void tst_WindowAccess::tabOrderFollowsTheLayout()
{
    // With a video in the list, as the layout reads: the list, its buttons, the output folder,
    // the preview's buttons and slider, then the settings top to bottom, row by row, then the
    // shutdown box, Start, the number of videos at once and Help. The output folder's edit is
    // read-only (disabled); only the chosen output type is a tab stop; the WMV profile, Stop and
    // Pause are hidden.
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    const QList<int> layout = {
        IDC_TASK_LIST,     IDC_ADD,           IDC_REMOVE,       IDC_REMOVE_ALL,  IDC_BROWSE,
        IDC_PREVIEW_PLAY,  IDC_PREVIEW_STOP,  IDC_RANGE_SLIDER, IDC_TO_MPEG4,    IDC_TITLE,
        IDC_MPEG4_PROFILE, IDC_VIDEO_TYPE,    IDC_VIDEO_SIZE,   IDC_FRAME_RATE,  IDC_VIDEO_BITRATE,
        IDC_ASPECT,        IDC_AUDIO_BITRATE, IDC_CHANNELS,     IDC_SAMPLE_RATE, IDC_VOLUME,
        IDC_SHUTDOWN,      IDC_START,         IDC_SIMULTANEOUS, IDC_HELP_BUTTON};
    QWidget *first = page()->Control(IDC_TASK_LIST);
    first->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QList<int> walked;
    for (int step = 0; step < 40; ++step) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        walked << focused->property("controlId").toInt();
        // The self-drawn controls show the focus: their picture changes when it leaves.
        if (qobject_cast<CImageButton *>(focused) || qobject_cast<CRangeSlider *>(focused)) {
            const QImage withFocus = focused->grab().toImage();
            focused->clearFocus();
            QVERIFY2(focused->grab().toImage() != withFocus, "no visible focus");
            focused->setFocus(Qt::TabFocusReason);
        }
        QTest::keyClick(focused, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
    }
    QCOMPARE(walked, layout);
}

void tst_WindowAccess::runBatch(std::function<void()> whenEncoding)
{
    page()->AddSourceFile(m_sources.filePath("long.avi"));
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    // The watcher outlives this call (the batch goes on): what it keeps is its own.
    auto done = std::make_shared<bool>(false);
    page()->tasks().setCellInvalidator([this, done, whenEncoding](int row, int, int) {
        if (row != 0 || *done || page()->tasks().at(0).sizeKB <= 0)
            return;
        *done = true;
        QTimer::singleShot(0, this, whenEncoding);
    });
    control<CImageButton>(IDC_START)->click();
    QTRY_VERIFY_WITH_TIMEOUT(*done, 60000);
}

void tst_WindowAccess::closeQuestionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter keeps converting") << int(Qt::Key_Return) << 0 << int(QDialog::Rejected);
    QTest::newRow("Escape keeps converting") << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    QTest::newRow("Alt+S stops and closes")
        << int(Qt::Key_S) << int(Qt::AltModifier) << int(QDialog::Accepted);
}

void tst_WindowAccess::closeQuestionKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, result);
    // The real question in its modal loop; a key goes to what has the focus there. Should the
    // key do nothing, a time-out ends the loop with a result of its own.
    CCloseGuardDialog question(m_frame.get());
    QTimer::singleShot(0, &question, [&] {
        // The offscreen platform leaves the main window active; a person's desktop activates
        // the question, which Alt+S needs.
        QApplication::setActiveWindow(&question);
        QCOMPARE(question.focusWidget(), question.keepButton()); // the default has the focus
        QWidget *target = question.focusWidget() ? question.focusWidget() : &question;
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    });
    QTimer::singleShot(10000, &question, [&] { question.done(99); });
    QCOMPARE(question.exec(), result);
}

void tst_WindowAccess::closingMidBatch_data()
{
    QTest::addColumn<QString>("how"); // "person" closes through the window system, "program"
    QTest::addColumn<bool>("answer"); // true: "Stop and close"
    QTest::newRow("Keep converting: the batch runs on") << "person" << false;
    QTest::newRow("Stop and close") << "person" << true;
    QTest::newRow("closed by the program (signal): no question") << "program" << false;
}

void tst_WindowAccess::closingMidBatch()
{
    QFETCH(QString, how);
    QFETCH(bool, answer);
    m_stopAndClose = answer;
    QSignalSpy finished(m_frame.get(), &QDialog::finished);
    QVERIFY(finished.isValid());
    bool keptRunning = false;
    bool asked = false;
    runBatch([&] {
        if (how == "person")
            closeByPerson();
        else
            m_frame->close();
        keptRunning = page()->Batch().QueueState() == ConversionBatch::State::Running;
        if (keptRunning)
            page()->OnStop();
        asked = true;
    });
    QTRY_VERIFY(asked);
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
    QCOMPARE(m_questions, how == "person" ? 1 : 0);
    const bool closes = how == "program" || answer;
    QCOMPARE(keptRunning, !closes);
    // A closing window goes once its stopped batch has ended.
    QTRY_COMPARE(finished.count(), closes ? 1 : 0);
    QCOMPARE(m_frame->isVisible(), !closes);

    // Closing while idle asks nothing.
    if (!closes) {
        m_questions = 0;
        closeByPerson();
        QCOMPARE(m_questions, 0);
        QCOMPARE(finished.count(), 1);
    }
}

void tst_WindowAccess::endOfBatchNotice_data()
{
    QTest::addColumn<bool>("active"); // the window is the active one at the end
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("second"); // the second video
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("window behind others: announced once")
        << false << false << "clip.avi" << QStringList{"Tavrel: 2 videos converted"};
    QTest::newRow("one failed") << false << false << "broken.avi"
                                << QStringList{"Tavrel: 1 converted, 1 failed"};
    QTest::newRow("window active: only the box") << true << false << "clip.avi" << QStringList();
    QTest::newRow("stopped by the person: nothing") << false << true << "clip.avi" << QStringList();
}

void tst_WindowAccess::endOfBatchNotice()
{
    QFETCH(bool, active);
    QFETCH(bool, stopped);
    QFETCH(QString, second);
    QFETCH(QStringList, notices);

    QWidget other;
    other.resize(100, 100);
    if (!active) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    page()->AddSourceFile(m_sources.filePath(second));
    bool done = false;
    if (stopped) {
        page()->tasks().setCellInvalidator([&](int row, int, int) {
            if (row != 0 || done || page()->tasks().at(0).sizeKB <= 0)
                return;
            done = true;
            QTimer::singleShot(0, page(), &CTavrelDlg::OnStop);
        });
    }
    page()->OnStart();
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
    QCOMPARE(m_notices, notices);
    QCOMPARE(m_messages.size(), 1); // the window's own box stays
}

void tst_WindowAccess::helpThatCannotOpenSaysWhere()
{
    control<QPushButton>(IDC_HELP_BUTTON)->click();
    m_frame->OnHelp();
    QCOMPARE(m_messages.size(), 2);
    for (const QString &message : std::as_const(m_messages))
        QVERIFY2(message.contains(QDir::toNativeSeparators(g_programDir + "help/help.html")),
                 qPrintable(message));
}

void tst_WindowAccess::rowMenuByKeyAndPointer_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("removed"); // the row whose Remove the menu offers
    QTest::newRow("menu key: the current row") << true << 1;
    QTest::newRow("right click: the row under the pointer") << false << 0;
}

void tst_WindowAccess::rowMenuByKeyAndPointer()
{
    QFETCH(bool, byKey);
    QFETCH(int, removed);
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    page()->AddSourceFile(m_sources.filePath("long.avi")); // current
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    if (byKey) {
        QContextMenuEvent key(
            QContextMenuEvent::Keyboard, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(list, &key);
    } else {
        // The press makes the row current, then the menu is asked for.
        const QPoint cell = list->CellBounds(0, 1).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, cell);
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, cell, list->viewport()->mapToGlobal(cell));
        QCoreApplication::sendEvent(list->viewport(), &click);
    }
    QMenu *menu = list->findChild<QMenu *>();
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction *> actions = menu->actions();
    QStringList texts;
    for (QAction *action : actions)
        texts << (action->isEnabled() ? action->text() : u'(' + action->text() + u')');
    // Nothing converted yet: no log, nothing to play; the folder is the output directory.
    QCOMPARE(texts,
             (QStringList{"(Show log…)",
                          "Open output folder",
                          "(Play output)",
                          "(Convert again)",
                          "Always re-encode",
                          "Sound",
                          "Subtitles",
                          "Apply these settings to all videos",
                          "",
                          "Remove",
                          "(Remove finished)"}));
    const QString left = page()->tasks().at(1 - removed).sourcePath;
    actions.at(texts.indexOf("Remove"))->trigger();
    menu->close();
    QCOMPARE(page()->tasks().count(), 1);
    QCOMPARE(page()->tasks().at(0).sourcePath, left);
}

void tst_WindowAccess::rowMenuAndLog()
{
    // A file the encoder cannot read, with a part to convert: the encoder runs, complains and
    // fails. Then a video that converts.
    page()->AddSourceFile(m_sources.filePath("broken.avi"));
    ConversionTask task = page()->tasks().at(0);
    task.trimEnd = 5.0;
    page()->tasks().store(0, task);
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    QList<QUrl> opened;
    ShellActions::SetOpenUrlHandler([&](const QUrl &url) {
        opened << url;
        return true;
    });
    auto restore
        = qScopeGuard([] { ShellActions::SetOpenUrlHandler([](const QUrl &) { return false; }); });
    page()->OnStart();
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));

    const ConversionTask failed = page()->tasks().at(0);
    QCOMPARE(failed.state, TaskState::Failed);
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    QVERIFY(list->GetCellInfo(0, ProgressColumn)
                ->text.contains(failed.failureReason.section(u'\n', 0, 0)));

    auto *rows = page()->findChild<TaskRowActions *>();
    QVERIFY(rows);
    auto actions = [&](int row) {
        QHash<QString, QAction *> byText;
        QMenu *menu = rows->BuildMenu(row);
        for (QAction *action : menu->actions())
            byText.insert(action->text(), action);
        return byText;
    };
    const auto failedMenu = actions(0);
    QVERIFY(failedMenu.value("Show log…")->isEnabled());
    QVERIFY(!failedMenu.value("Play output")->isEnabled());
    QVERIFY(failedMenu.value("Remove")->isEnabled());

    // The log: what the encoder said last, also in its own file.
    failedMenu.value("Show log…")->trigger();
    auto *dialog = page()->findChild<CLogDialog *>();
    QVERIFY(dialog);
    QVERIFY2(dialog->text().contains(failed.failureReason.section(u'\n', 0, 0)),
             qPrintable(dialog->text().right(400)));
    const QString file = page()->Batch().Logs().FilePath(failed.id);
    QVERIFY(file.startsWith(qEnvironmentVariable("XDG_STATE_HOME")));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains(failed.failureReason.section(u'\n', 0, 0).toUtf8()));
    dialog->close();

    // The converted video plays from its row; its folder opens; it can be converted again.
    const auto doneMenu = actions(1);
    QVERIFY(doneMenu.value("Play output")->isEnabled());
    QVERIFY(doneMenu.value("Convert again")->isEnabled());
    QVERIFY(!failedMenu.value("Convert again")->isEnabled());
    doneMenu.value("Play output")->trigger();
    doneMenu.value("Open output folder")->trigger();
    QCOMPARE(opened,
             (QList<QUrl>{QUrl::fromLocalFile(m_output->filePath("clip.mp4")),
                          QUrl::fromLocalFile(m_output->path())}));

    // Remove finished takes out the converted row, not its file, and leaves the failed one.
    QVERIFY(doneMenu.value("Remove finished")->isEnabled());
    doneMenu.value("Remove finished")->trigger();
    QCOMPARE(page()->tasks().count(), 1);
    QCOMPARE(page()->tasks().at(0).state, TaskState::Failed);
    QVERIFY(QFileInfo::exists(m_output->filePath("clip.mp4")));
    QVERIFY(!actions(0).value("Remove finished")->isEnabled());
}

void tst_WindowAccess::rowMenuChoosesTracks()
{
    // English and German sound (the German flagged default), forced English subtitles.
    const QString srt = m_sources.filePath("lines.srt");
    QFile lines(srt);
    QVERIFY(lines.open(QIODevice::WriteOnly));
    lines.write("1\n00:00:00,000 --> 00:00:01,000\nLINE\n\n");
    lines.close();
    const QString source = m_sources.filePath("languages.mkv");
    QString log;
    QVERIFY2(MediaFixtures::RunFfmpeg(
                 QString("-f lavfi -i color=size=160x90 -f lavfi -i sine -f lavfi -i sine -i %1 -t "
                         "1 -map 0 -map 1 -map 2 -map 3 -c:v libx264 -c:a aac -c:s srt "
                         "-metadata:s:a:0 language=eng -metadata:s:a:1 language=ger "
                         "-metadata:s:a:1 title=Deutsch -disposition:a:0 0 -disposition:a:1 "
                         "default -metadata:s:s:0 language=eng -disposition:s:0 forced %2")
                     .arg(srt, source)
                     .split(u' '),
                 &log),
             qPrintable(log));
    page()->AddSourceFile(source);
    auto *rows = page()->findChild<TaskRowActions *>();
    // The submenu's items, "*" before the checked one, "(...)" around a disabled one.
    auto items = [&](const QString &title) {
        QStringList texts;
        for (QAction *entry : rows->BuildMenu(0)->actions()) {
            if (entry->text() != title || !entry->menu())
                continue;
            for (QAction *action : entry->menu()->actions()) {
                const QString text = (action->isChecked() ? u"*"_qs : QString()) + action->text();
                texts << (action->isEnabled() ? text : u'(' + text + u')');
            }
        }
        return texts;
    };
    // Read off the user-interface thread once the row was added.
    QTRY_VERIFY(!items("Sound").contains(u"(Reading the source…)"_qs));
    QCOMPARE(
        items("Sound"),
        (QStringList{"Track 1: English, mono", "*Track 2: German, mono, \u201cDeutsch\u201d"}));
    QCOMPARE(items("Subtitles"), (QStringList{"None", "*Track 1: English, forced, text"}));

    auto choose = [&](const QString &title, const QString &item) {
        for (QAction *entry : rows->BuildMenu(0)->actions()) {
            for (QAction *action : entry->menu() ? entry->menu()->actions() : QList<QAction *>()) {
                if (entry->text() == title && action->text() == item)
                    action->trigger();
            }
        }
    };
    choose("Sound", "Track 1: English, mono");
    choose("Subtitles", "None");
    QCOMPARE(page()->tasks().at(0).soundTrack, 0);
    QCOMPARE(page()->tasks().at(0).subtitleTrack, int(NoTrack));
    QCOMPARE(items("Subtitles").first(), u"*None"_qs);

    // What a run did shows on the Output cell.
    ConversionTask task = page()->tasks().at(0);
    task.treatmentSummary = u"sound track 1 \"eng\""_qs;
    page()->tasks().store(0, task);
    QCOMPARE(control<CTaskListCtrl>(IDC_TASK_LIST)->GetCellInfo(0, OutputColumn)->toolTip,
             task.treatmentSummary);
}

void tst_WindowAccess::alwaysReencodeIsStoredWithTheTask()
{
    page()->AddSourceFile(m_sources.filePath("clip.avi"));
    page()->AddSourceFile(m_sources.filePath("long.avi"));
    auto *rows = page()->findChild<TaskRowActions *>();
    QVERIFY(rows);
    auto item = [&](int row) {
        std::unique_ptr<QMenu> menu(rows->BuildMenu(row));
        for (QAction *action : menu->actions()) {
            if (action->text() == u"Always re-encode") {
                action->setParent(nullptr); // outlives the menu for the checks below
                return std::unique_ptr<QAction>(action);
            }
        }
        return std::unique_ptr<QAction>();
    };
    const auto first = item(1);
    QVERIFY(first && first->isCheckable() && !first->isChecked());
    first->trigger();
    // Stored in that task only, and handed to the encoder for its next run.
    QVERIFY(page()->tasks().at(1).alwaysEncode);
    QVERIFY(!page()->tasks().at(0).alwaysEncode);
    QCOMPARE(EncoderTaskVariables(page()->tasks().at(1), {}).value(AlwaysEncodeVariable), u"1"_qs);
    QVERIFY(!EncoderTaskVariables(page()->tasks().at(0), {}).contains(AlwaysEncodeVariable));
    const auto again = item(1);
    QVERIFY(again->isChecked());
    again->trigger();
    QVERIFY(!page()->tasks().at(1).alwaysEncode);
}

QTEST_MAIN(tst_WindowAccess)
#include "tst_windowaccess.moc"
