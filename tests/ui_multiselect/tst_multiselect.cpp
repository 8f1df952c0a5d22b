// One choice for many videos in the real window: rows selected by clicks and keys, a profile or
// output type chosen once for all of them (the title stays the current task's), the selection
// as screen readers read it, Remove of a selection, and "Apply these settings to all videos"
// while a batch runs.

#include "BatchFixture.h"
#include "WindowFixture.h"

#include "AppSettings.h"
#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "ShellActions.h"
#include "TaskRowActions.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_MultiSelect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oneChoiceForTheSelectedRows();
    void removeTakesTheSelection();
    void applyToAllLeavesFinishedAndConvertingAlone();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    CTaskListCtrl *list() const { return control<CTaskListCtrl>(IDC_TASK_LIST); }
    /// Adds clip.avi count times, each titled by its row.
    void addClips(int count);
    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(
            list()->viewport(), Qt::LeftButton, modifiers, list()->CellBounds(row, 1).center());
    }
    void chooseInCombo(int id, int index)
    {
        auto *combo = control<QComboBox>(id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QList<int> profiles() const
    {
        QList<int> result;
        for (int row = 0; row < page()->tasks().count(); ++row)
            result << page()->tasks().at(row).mpeg4Profile;
        return result;
    }

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<CMainFrameDlg> m_frame;
};

void tst_MultiSelect::initTestCase()
{
    ShellActions::SetMessageHandler([](QWidget *, const QString &, const QString &, auto) {});
    QString log;
    QVERIFY2(WindowFixture::PrepareClips(m_sources.path(), &log), qPrintable(log));
}

void tst_MultiSelect::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation).clear();
    m_output = std::make_unique<QTemporaryDir>();
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    control<QLineEdit>(IDC_OUTPUT_DIR)->setText(m_output->path());
}

void tst_MultiSelect::cleanup()
{
    QVERIFY(page()->Batch().Jobs().isEmpty());
    m_frame.reset();
}

void tst_MultiSelect::addClips(int count)
{
    const int first = page()->tasks().count();
    for (int i = 0; i < count; ++i) {
        page()->AddSourceFile(m_sources.filePath("clip.avi"));
        page()->tasks().update(first + i, NoColumn, [title = QString::number(first + i)](auto &t) {
            t.title = t.baseName = title;
        });
    }
}

void tst_MultiSelect::oneChoiceForTheSelectedRows()
{
    addClips(5);
    click(1);
    click(3, Qt::ShiftModifier);
    QCOMPARE(list()->SelectedRows(), (QList<int>{1, 2, 3}));
    QCOMPARE(page()->CurTask(), 3);
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QStringLiteral("3"));

    // Screen readers hear of the three rows; each cell says it can be one of several.
    QAccessibleTableInterface *table
        = QAccessible::queryAccessibleInterface(list())->tableInterface();
    QCOMPARE(table->selectedRows(), (QList<int>{1, 2, 3}));
    QCOMPARE(table->selectedCellCount(), 3 * list()->GetColumnCount());
    QVERIFY(table->cellAt(2, 4)->state().selected && table->cellAt(2, 4)->state().extSelectable);
    QVERIFY(!table->cellAt(0, 0)->state().selected);

    // One profile for the three; the title stays the current task's own.
    chooseInCombo(IDC_MPEG4_PROFILE, 4);
    QCOMPARE(profiles(), (QList<int>{0, 4, 4, 4, 0}));
    QCOMPARE(control<QComboBox>(IDC_MPEG4_PROFILE)->currentIndex(), 4);
    auto *title = control<QLineEdit>(IDC_TITLE);
    title->selectAll();
    title->insert(QStringLiteral("evening"));
    for (int row = 0; row < 5; ++row)
        QCOMPARE(page()->tasks().at(row).title, row == 3 ? u"evening"_qs : QString::number(row));

    // Ctrl+A, then the output type and a setting once for all five.
    QTest::keyClick(list(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list()->SelectedRows(), (QList<int>{0, 1, 2, 3, 4}));
    chooseInCombo(IDC_MPEG4_PROFILE, 0);
    chooseInCombo(IDC_VOLUME, 4);
    control<QRadioButton>(IDC_TO_WMV)->click();
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(page()->tasks().at(row).volume, 4);
        QVERIFY(list()->GetCellInfo(row, OutputColumn)->text.endsWith(u".wmv"));
    }
    QCOMPARE(page()->CurTask(), 3);
}

void tst_MultiSelect::removeTakesTheSelection()
{
    addClips(6);
    click(1);
    click(2, Qt::ControlModifier);
    click(4, Qt::ControlModifier);
    QCOMPARE(page()->CurTask(), 4);
    control<CImageButton>(IDC_REMOVE)->click();
    QCOMPARE(page()->tasks().count(), 3);
    QCOMPARE(list()->GetItemCount(), 3);
    // The task that took the first removed row's place is current, and selected alone.
    QCOMPARE(page()->CurTask(), 1);
    QCOMPARE(list()->SelectedRows(), QList<int>{1});
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QStringLiteral("3"));
    QStringList left;
    for (int row = 0; row < 3; ++row)
        left << page()->tasks().at(row).title;
    QCOMPARE(left, (QStringList{"0", "3", "5"}));
}

void tst_MultiSelect::applyToAllLeavesFinishedAndConvertingAlone()
{
    // One video at once: the short clip is made first, then the long one converts while the
    // last two wait.
    addClips(1);
    page()->AddSourceFile(m_sources.filePath("long.avi"));
    addClips(2);
    control<CImageButton>(IDC_START)->click();
    QTRY_VERIFY_WITH_TIMEOUT(page()->tasks().at(1).sizeKB > 0, 60000);
    QCOMPARE(page()->tasks().at(0).state, TaskState::Finished);
    QCOMPARE(page()->tasks().at(3).state, TaskState::Waiting);

    click(3);
    chooseInCombo(IDC_MPEG4_PROFILE, 4);
    // The row menu offers it, and its key works from the list.
    QMenu *menu = page()->findChild<TaskRowActions *>()->BuildMenu(3);
    QAction *apply = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("Apply these settings to all videos"))
            apply = action;
    }
    QVERIFY(apply);
    QCOMPARE(apply->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    delete menu;
    page()->tasks().updateTask(
        page()->tasks().at(3).id, NoColumn, [](ConversionTask &task) { task.alwaysEncode = true; });
    QTest::keyClick(list(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(profiles(), (QList<int>{0, 0, 4, 4}));
    QVERIFY(page()->tasks().at(2).alwaysEncode);
    QVERIFY(!page()->tasks().at(1).alwaysEncode);
    QCOMPARE(page()->tasks().at(2).title, QStringLiteral("2"));
    QCOMPARE(list()->SelectedRows(), QList<int>{3});
    control<CImageButton>(IDC_STOP)->click();
    QVERIFY(BatchFixture::WaitForEnd(page()->Batch()));
}

QTEST_MAIN(tst_MultiSelect)
#include "tst_multiselect.moc"
