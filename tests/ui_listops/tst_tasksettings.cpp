// What a selected task shows in the setting controls, and every setting the user changes
// landing in the task it belongs to (and nowhere while that task is converted or done).

#include "ListOperationsTest.h"

#include "SettingTables.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

// --- what a selected task shows -------------------------------------------------------------------

void tst_ListOperations::selectingATaskShowsItsSettings()
{
    // Task 0: MP4 with its own settings; task 1: WMV with profile 3; task 2: MPEG4 profile 1.
    addClips(3);
    ConversionTask tasks[3] = {page()->tasks().at(0), page()->tasks().at(1), page()->tasks().at(2)};
    tasks[0].videoSize = 1;
    tasks[0].volume = 5;
    tasks[1].outputWmv = 1;
    tasks[1].wmvProfile = 3;
    tasks[2].mpeg4Profile = 1;
    for (int i = 0; i < 3; ++i) {
        tasks[i].title = tasks[i].baseName = QString::number(i);
        page()->tasks().store(i, tasks[i]);
    }
    const auto select = [this](int row) {
        list()->SetSelectionMark(row);
        page()->OnTaskListClick();
    };

    select(0);
    QCOMPARE(control<QComboBox>(IDC_VIDEO_SIZE)->currentIndex(), 1);
    QCOMPARE(control<QComboBox>(IDC_VOLUME)->currentIndex(), 5);
    QVERIFY(control<QComboBox>(IDC_VOLUME)->isEnabled());

    // WMV: the title and the settings keep showing task 0, disabled; its WMV profile is shown.
    select(1);
    QCOMPARE(page()->OutputType(), 1);
    QVERIFY(control<QRadioButton>(IDC_TO_WMV)->isChecked());
    QCOMPARE(control<QComboBox>(IDC_WMV_PROFILE)->currentIndex(), 3);
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(IDC_VOLUME)->currentIndex(), 5);
    QVERIFY(!control<QComboBox>(IDC_VOLUME)->isEnabled());

    // Another MPEG4 profile: the settings keep what they show, disabled.
    select(2);
    QCOMPARE(page()->OutputType(), 0);
    QVERIFY(control<QRadioButton>(IDC_TO_MPEG4)->isChecked());
    QCOMPARE(control<QComboBox>(IDC_MPEG4_PROFILE)->currentIndex(), 1);
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QStringLiteral("2"));
    QCOMPARE(control<QComboBox>(IDC_VOLUME)->currentIndex(), 5);
    QVERIFY(!control<QComboBox>(IDC_VOLUME)->isEnabled());

    // Showing tasks wrote nothing back into them.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(page()->tasks().at(i), tasks[i]);
}

// --- setting handlers -----------------------------------------------------------------------------

void tst_ListOperations::settingHandlers_data()
{
    QTest::addColumn<int>("comboId");
    for (const SettingTable &table : SettingTables())
        QTest::newRow(qPrintable(table.label)) << table.comboId;
}

void tst_ListOperations::settingHandlers()
{
    QFETCH(int, comboId);
    const SettingTable *table = SettingTableForCombo(comboId);
    const int choice
        = int(table->items.size()) - 1 == table->defaultIndex ? 0 : int(table->items.size()) - 1;

    // No task: nothing to write into.
    chooseInCombo(comboId, choice);
    QCOMPARE(page()->tasks().count(), 0);

    addClips(2);
    const ConversionTask before = page()->tasks().at(1);
    // A task being converted, or converted already, takes no change; the combo shows its value.
    for (const TaskState state : {TaskState::Converting, TaskState::Finished}) {
        setState(1, state);
        chooseInCombo(comboId, choice);
        QCOMPARE(page()->tasks().at(1).*(table->field), table->defaultIndex);
        QCOMPARE(control<QComboBox>(comboId)->currentIndex(), table->defaultIndex);
    }
    QCOMPARE(before.*(table->field), table->defaultIndex); // so a write would have shown
    // A failed one may be set up anew for its next try.
    setState(1, TaskState::Failed);

    chooseInCombo(comboId, choice);
    ConversionTask expected = before;
    expected.state = TaskState::Failed;
    expected.*(table->field) = choice;
    QCOMPARE(page()->tasks().at(1), expected);
    QCOMPARE(page()->tasks().at(0).*(table->field), table->defaultIndex);
}

void tst_ListOperations::titleAndProfiles()
{
    typeTitle("no task yet");
    addClips(2);

    // The title goes into both names at once, and the Output cell shows it.
    typeTitle("Summer evening");
    QCOMPARE(page()->tasks().at(1).title, QStringLiteral("Summer evening"));
    QCOMPARE(page()->tasks().at(1).baseName, QStringLiteral("Summer evening"));
    QCOMPARE(list()->GetCellInfo(1, OutputColumn)->text, QStringLiteral("Summer evening.mp4"));
    QCOMPARE(page()->tasks().at(0).title, QStringLiteral("holiday.trip"));
    typeTitle(QString(300, u'é'));
    QCOMPARE(page()->tasks().at(1).title, QString(255, u'é'));

    // The MPEG4 profile decides whether the settings can be edited.
    chooseInCombo(IDC_MPEG4_PROFILE, 1);
    QCOMPARE(page()->tasks().at(1).mpeg4Profile, 1);
    QVERIFY(!control<QComboBox>(IDC_VIDEO_TYPE)->isEnabled());
    chooseInCombo(IDC_MPEG4_PROFILE, 0);
    QCOMPARE(page()->tasks().at(1).mpeg4Profile, 0);
    QVERIFY(control<QComboBox>(IDC_VIDEO_TYPE)->isEnabled());

    // A task being converted keeps its title (the edit is read-only) and its profiles.
    setState(1, TaskState::Converting);
    QVERIFY(control<QLineEdit>(IDC_TITLE)->isReadOnly());
    typeTitle("typed while it converts");
    QCOMPARE(page()->tasks().at(1).title, QString(255, u'é'));
    chooseInCombo(IDC_MPEG4_PROFILE, 1);
    QCOMPARE(page()->tasks().at(1).mpeg4Profile, 0);
    QCOMPARE(control<QComboBox>(IDC_MPEG4_PROFILE)->currentIndex(), 0);
    chooseInCombo(IDC_WMV_PROFILE, 2);
    QCOMPARE(page()->tasks().at(1).wmvProfile, 0);
    setState(1, TaskState::Waiting);
    QVERIFY(!control<QLineEdit>(IDC_TITLE)->isReadOnly());
    chooseInCombo(IDC_WMV_PROFILE, 2);
    QCOMPARE(page()->tasks().at(1).wmvProfile, 2);
    QCOMPARE(page()->tasks().at(0).wmvProfile, 0);
}
