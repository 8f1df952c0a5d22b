// The settings on the main page: the setting controls at their defaults, the output type and
// what it shows, and the handlers that write the person's choices into the current task and the
// tasks selected with it (those that can change).

#include "CTavrelDlg.h"

#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "ConversionBatch.h"
#include "OutputTypeRules.h"
#include "SettingTables.h"
#include "SharedSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

/// Range the slider shows while no task is current, seconds.
constexpr double kDefaultRangeEnd = 120.0;

} // namespace

// --- settings and output type -----------------------------------------------------------------

void CTavrelDlg::ResetSettings()
{
    for (int i = 0; i < m_settingCombos.size(); ++i) {
        const SettingTable *table = SettingTableForCombo(SettingComboIds().at(i));
        m_settingCombos[i]->setCurrentIndex(table->defaultIndex);
    }
    m_titleEdit->clear();
    m_titleEdit->setVisible(m_outputType == 0);
    {
        QScopedValueRollback<int> guard(m_settingProfile, 1);
        m_mpeg4ProfileCombo->setCurrentIndex(m_mpeg4ProfileCombo->count() > 0 ? 0 : -1);
    }
    EnableSettingCombos(m_outputType == 0);
    {
        QScopedValueRollback<int> guard(m_settingRange, 1);
        m_rangeSlider->SetLimits(0.0, kDefaultRangeEnd);
        m_rangeSlider->SetSelection(0.0, kDefaultRangeEnd);
    }
    if (m_wmvProfileCombo->count() > 0)
        m_wmvProfileCombo->setCurrentIndex(0);
}

void CTavrelDlg::ApplyOutputType(int type)
{
    const int marked = MarkedTask();
    std::optional<int> markedProfile;
    if (marked >= 0)
        markedProfile = m_tasks.at(marked).mpeg4Profile;
    const OutputTypeView view = ViewForOutputType(type, markedProfile);

    m_mpeg4ProfileLabel->setVisible(view.mpeg4ProfileShown);
    m_mpeg4ProfileCombo->setVisible(view.mpeg4ProfileShown);
    m_wmvProfileLabel->setVisible(view.wmvProfileShown);
    m_wmvProfileCombo->setVisible(view.wmvProfileShown);
    m_titleEdit->setEnabled(view.titleEnabled);
    EnableSettingCombos(view.settingCombosEnabled);
}

void CTavrelDlg::EnableSettingCombos(bool enable)
{
    for (QComboBox *combo : std::as_const(m_settingCombos))
        combo->setEnabled(enable);
}

void CTavrelDlg::OnToZuneMpeg4()
{
    SwitchOutputType(0);
}

void CTavrelDlg::OnToZuneWmv()
{
    SwitchOutputType(1);
}

void CTavrelDlg::SwitchOutputType(int type)
{
    if (m_outputType == type)
        return;
    const int marked = MarkedTask();
    UpdateChangeableTasks(m_tasks, RowsActedOn(marked), OutputColumn, [type](ConversionTask &task) {
        task.outputWmv = type;
    });
    if (marked >= 0 && !CanChangeTask(m_tasks.at(marked))) {
        // The task keeps its type, and the buttons show it.
        m_toMpeg4Radio->setChecked(m_outputType == 0);
        m_toWmvRadio->setChecked(m_outputType == 1);
        return;
    }
    ShowOutputType(type);
}

void CTavrelDlg::ShowOutputType(int type)
{
    m_outputType = type;
    ApplyOutputType(type);
    m_toMpeg4Radio->setChecked(type == 0);
    m_toWmvRadio->setChecked(type == 1);
}

int CTavrelDlg::MarkedTask() const
{
    const int mark = m_taskList->GetSelectionMark();
    return m_tasks.isValidIndex(mark) ? mark : -1;
}

QList<int> CTavrelDlg::RowsActedOn(int row) const
{
    if (!m_tasks.isValidIndex(row))
        return {};
    QList<int> rows = m_taskList->SelectedRows();
    rows.removeIf([this](int selected) { return !m_tasks.isValidIndex(selected); });
    return rows.contains(row) ? rows : QList<int>{row};
}

bool CTavrelDlg::IsBusy() const
{
    return m_batch->IsBusy();
}

bool CTavrelDlg::CurrentCanChange() const
{
    return m_tasks.isValidIndex(m_curTask) && CanChangeTask(m_tasks.at(m_curTask));
}

void CTavrelDlg::UpdateEditability()
{
    m_titleEdit->setReadOnly(m_tasks.isValidIndex(m_curTask) && !CurrentCanChange());
}

// --- setting handlers: the user's choice goes into the selected tasks at once -----------------

void CTavrelDlg::UpdateCurrentTask(int column, const std::function<void(ConversionTask &)> &edit)
{
    UpdateTasks({m_curTask}, column, edit);
}

void CTavrelDlg::UpdateSelectedTasks(int column, const std::function<void(ConversionTask &)> &edit)
{
    UpdateTasks(RowsActedOn(m_curTask), column, edit);
}

void CTavrelDlg::UpdateTasks(const QList<int> &rows,
                             int column,
                             const std::function<void(ConversionTask &)> &edit)
{
    if (!m_tasks.isValidIndex(m_curTask))
        return;
    UpdateChangeableTasks(m_tasks, rows, column, edit);
    if (!CurrentCanChange())
        ShowTask(m_curTask); // the controls show what the task holds, not the refused change
}

void CTavrelDlg::OnSettingChanged(int comboId)
{
    const SettingTable *table = SettingTableForCombo(comboId);
    if (!table)
        return;
    const int index = ControlAs<QComboBox>(comboId)->currentIndex();
    UpdateSelectedTasks(OutputColumn,
                        [table, index](ConversionTask &task) { task.*(table->field) = index; });
}

void CTavrelDlg::OnTitleChanged()
{
    const QString title = m_titleEdit->text().left(kMaxTitleLength);
    UpdateCurrentTask(OutputColumn, [&title](ConversionTask &task) {
        task.baseName = title;
        task.title = title;
    });
}

// The profile decides whether the nine settings can be edited.
void CTavrelDlg::OnMpeg4ProfileChanged()
{
    if (m_settingProfile == 1)
        return;
    const int profile = m_mpeg4ProfileCombo->currentIndex();
    // Also without a task; a current task that cannot change has been shown again instead.
    // A profile chosen by the person answers the note that a restored one had gone.
    UpdateSelectedTasks(OutputColumn, [profile](ConversionTask &task) {
        task.mpeg4Profile = profile;
        task.note.clear();
    });
    if (!m_tasks.isValidIndex(m_curTask) || CurrentCanChange())
        EnableSettingCombos(profile == 0);
}

void CTavrelDlg::OnWmvProfileChanged()
{
    const int profile = m_wmvProfileCombo->currentIndex();
    UpdateSelectedTasks(OutputColumn, [profile](ConversionTask &task) {
        task.wmvProfile = profile;
        task.note.clear();
    });
}

void CTavrelDlg::OnApplySettingsToAll()
{
    ApplySettingsToAll(m_tasks, m_curTask);
}
