// The list operations of the main page: Add (by dialog, by drop, by command line), Remove,
// Remove all, clicks and keys in the list (one row or several selected), and loading a task into
// the controls.

#include "CTavrelDlg.h"

#include "AppSettings.h"
#include "CFadePicture.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CVideoEdit.h"
#include "ConversionBatch.h"
#include "ListSelection.h"
#include "NotAddedNotice.h"
#include "SettingTables.h"
#include "ShellActions.h"
#include "SourceFiles.h"
#include "TaskListRules.h"
#include "WindowMessages.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

std::optional<NavigationKey> NavigationKeyOf(int key)
{
    switch (key) {
    case Qt::Key_PageDown:
        return NavigationKey::PageDown;
    case Qt::Key_PageUp:
        return NavigationKey::PageUp;
    case Qt::Key_Up:
        return NavigationKey::Up;
    case Qt::Key_Down:
        return NavigationKey::Down;
    case Qt::Key_Home:
        return NavigationKey::Home;
    case Qt::Key_End:
        return NavigationKey::End;
    default:
        return std::nullopt;
    }
}

} // namespace

void CTavrelDlg::OnAdd()
{
    const QStringList paths
        = ShellActions::OpenFiles(this, QtSourceFileFilter(), AddDialogFolder());
    AddSourceFiles(paths);
}

void CTavrelDlg::AddSourceFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    // Files handed over by another program while this add probes its files wait for it.
    m_pendingAdds += paths;
    if (m_adding)
        return;
    QScopedValueRollback<bool> adding(m_adding, true);
    // From the first file on, the preview area is the media component for good.
    m_media->show();
    m_picture->hide();
    while (!m_pendingAdds.isEmpty()) {
        const QStringList next = std::exchange(m_pendingAdds, {});
        for (const QString &path : next)
            AddSourceFile(path);
        WriteLastSourceFolder(next.constLast());
    }
    m_batch->TasksAdded();
}

void CTavrelDlg::AddSourceFile(const QString &path)
{
    const double duration = m_media->GetMediaDuration(path);
    const ConversionTask task
        = NewConversionTask(path, duration, m_outputType, m_wmvProfileCombo->currentIndex());
    ResetSettings();
    m_titleEdit->setText(task.baseName);
    m_curTask = m_tasks.append(task);
    RefreshTaskList();
    {
        QScopedValueRollback<int> guard(m_settingRange, 1);
        m_rangeSlider->SetLimits(0.0, task.trimEnd);
        m_rangeSlider->SetSelection(0.0, task.trimEnd);
    }
    SelectTaskRow(m_curTask);
    UpdateEditability();
}

void CTavrelDlg::OnRemove()
{
    const QList<int> removed = RowsActedOn(MarkedTask());
    if (removed.isEmpty())
        return;
    if (removed.contains(m_curTask))
        StopPreview(); // its preview must not play on, with sound, after it has gone
    QList<TaskId> ids;
    for (int row : removed)
        ids.append(m_tasks.at(row).id);
    for (qsizetype i = removed.size() - 1; i >= 0; --i)
        m_tasks.removeAt(removed.at(i));
    RefreshTaskList();
    // A job working on one of them is stopped and keeps nothing; the batch goes on.
    for (TaskId id : std::as_const(ids))
        m_batch->TaskRemoved(id);
    m_curTask = CurrentAfterRemoval(removed.first(), m_tasks.count());
    ShowCurrentAfterRemoval();
}

void CTavrelDlg::OnRemoveAll()
{
    StopPreview();
    if (!IsBusy()) {
        QList<TaskId> ids;
        for (int i = 0; i < m_tasks.count(); ++i)
            ids.append(m_tasks.at(i).id);
        m_tasks.clear();
        m_taskList->DeleteAllItems();
        for (TaskId id : std::as_const(ids))
            m_batch->TaskRemoved(id);
        m_curTask = -1;
        ClearCurrentTask();
        return;
    }
    // During a batch the tasks being converted stay.
    RemoveTasksWhere([](const ConversionTask &task) { return !IsInProgress(task); });
}

void CTavrelDlg::OnRemoveFinished()
{
    const ConversionTask current = m_tasks.at(m_curTask);
    if (IsConverted(current))
        StopPreview();
    RemoveTasksWhere([](const ConversionTask &task) { return IsConverted(task); });
}

void CTavrelDlg::RemoveTasksWhere(const std::function<bool(const ConversionTask &)> &goes)
{
    const TaskId current = m_tasks.at(m_curTask).id;
    for (int i = m_tasks.count() - 1; i >= 0; --i) {
        const ConversionTask task = m_tasks.at(i);
        if (IsInProgress(task) || !goes(task))
            continue;
        m_tasks.removeAt(i);
        m_batch->TaskRemoved(task.id);
    }
    RefreshTaskList();
    m_curTask = m_tasks.indexOf(current);
    if (m_curTask < 0 && m_tasks.count() > 0)
        m_curTask = 0;
    ShowCurrentAfterRemoval();
    m_taskList->viewport()->update();
}

void CTavrelDlg::ShowCurrentAfterRemoval()
{
    // The rows that were selected now show other tasks.
    m_taskList->SetSelection({});
    if (m_curTask < 0)
        ClearCurrentTask();
    else
        ShowTask(m_curTask);
}

void CTavrelDlg::RestoreTasks(const QList<ConversionTask> &tasks, int current)
{
    if (tasks.isEmpty())
        return;
    m_media->show();
    m_picture->hide();
    for (const ConversionTask &task : tasks)
        m_tasks.append(task);
    RefreshTaskList();
    m_curTask = m_tasks.isValidIndex(current) ? current : m_tasks.count() - 1;
    ShowTask(m_curTask);
}

void CTavrelDlg::ClearCurrentTask()
{
    m_media->ResetClips();
    ResetSettings();
}

void CTavrelDlg::OnTaskListClick()
{
    const int mark = m_taskList->GetSelectionMark();
    if (mark != m_curTask && m_tasks.isValidIndex(mark)) {
        m_curTask = mark;
        ShowTask(mark);
    } else if (m_curTask >= 0) {
        // A click on empty space or on the current row leaves the current row selected.
        SelectTaskRow(m_curTask);
    }
}

bool CTavrelDlg::OnTaskListKey(int key, Qt::KeyboardModifiers modifiers)
{
    SelectionInput input;
    input.modifiers = modifiers;
    const std::optional<NavigationKey> navigation = NavigationKeyOf(key);
    if (navigation) {
        input.kind = SelectionInput::Key;
        input.key = *navigation;
    } else if (key == Qt::Key_A && (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        input.kind = SelectionInput::SelectAll;
    } else {
        return false;
    }
    const ListSelection next = NextSelection(m_taskList->Selection(), m_tasks.count(), input);
    m_taskList->SetSelection(next);
    if (m_tasks.isValidIndex(next.current) && next.current != m_curTask) {
        m_curTask = next.current;
        ShowTask(m_curTask);
    }
    SelectTaskRow(m_curTask);
    return true;
}

void CTavrelDlg::ShowTask(int index)
{
    if (!m_tasks.isValidIndex(index))
        return;
    const ConversionTask task = m_tasks.at(index);
    {
        QScopedValueRollback<int> guard(m_settingRange, 1);
        m_rangeSlider->SetLimits(0.0, task.sourceDuration);
        m_rangeSlider->SetSelection(task.trimStart, task.trimEnd);
    }
    SelectTaskRow(m_curTask);
    UpdateEditability();

    if (task.outputWmv == 1) {
        // The title and the nine settings keep what they show; they are disabled for WMV.
        m_wmvProfileCombo->setCurrentIndex(task.wmvProfile);
        ShowOutputType(1);
        return;
    }
    m_titleEdit->setText(task.baseName);
    {
        QScopedValueRollback<int> guard(m_settingProfile, 1);
        m_mpeg4ProfileCombo->setCurrentIndex(task.mpeg4Profile);
    }
    EnableSettingCombos(task.mpeg4Profile == 0);
    if (task.mpeg4Profile == 0) {
        for (int i = 0; i < m_settingCombos.size(); ++i) {
            const SettingTable *table = SettingTableForCombo(SettingComboIds().at(i));
            m_settingCombos[i]->setCurrentIndex(task.*(table->field));
        }
    }
    ShowOutputType(0);
}

void CTavrelDlg::SelectTaskRow(int row)
{
    if (m_tasks.isValidIndex(row)) {
        if (m_taskList->IsRowSelected(row))
            m_taskList->SetSelectionMark(row);
        else
            m_taskList->SelectRow(row);
        m_taskList->EnsureVisible(row);
    } else {
        m_taskList->SetSelectionMark(-1);
    }
    m_taskList->setFocus(Qt::OtherFocusReason);
}

void CTavrelDlg::RefreshTaskList()
{
    m_taskList->SetItemCount(m_tasks.count());
    const int mark = m_taskList->GetSelectionMark();
    m_taskList->RedrawItems(mark, mark);
}

// --- dropping files ---------------------------------------------------------------------------

// Files and folders dragged from a file manager are added as if each had been chosen with Add,
// also while a batch runs, which takes them in.
void CTavrelDlg::dragEnterEvent(QDragEnterEvent *event)
{
    const bool acceptable = event->mimeData()->hasUrls();
    event->setAccepted(acceptable);
    if (acceptable)
        event->acceptProposedAction();
}

void CTavrelDlg::dragMoveEvent(QDragMoveEvent *event)
{
    const bool acceptable = event->mimeData()->hasUrls();
    event->setAccepted(acceptable);
    if (acceptable)
        event->acceptProposedAction();
}

void CTavrelDlg::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QStringList rejected;
    AddSourceFiles(SourceFilesFromUrls(event->mimeData()->urls(), &rejected));
    // After the drop has ended: a modal box inside it would hold the dragging program too.
    if (!rejected.isEmpty())
        QTimer::singleShot(0, this, [this, rejected] { ReportNotAdded(rejected); });
}

void CTavrelDlg::ReportNotAdded(const QStringList &names)
{
    if (!names.isEmpty())
        ShellActions::Message(
            this, NotAddedNoticeText(names), WindowMessageText(WindowMessage::InformationCaption));
}
