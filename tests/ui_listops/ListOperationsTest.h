#pragma once

// The list-operation tests share one window fixture; the test functions are spread over
// tst_listoperations.cpp (adding, removing, navigating, dropping) and tst_tasksettings.cpp
// (what a selected task shows and what the setting controls write into it).

#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"

#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class tst_ListOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addSourceFile_data();
    void addSourceFile();
    void addThroughTheDialog();
    void addThroughTheRealDialog_data();
    void addThroughTheRealDialog();
    void remove_data();
    void remove();
    void navigation_data();
    void navigation();
    void selectingATaskShowsItsSettings();
    void settingHandlers_data();
    void settingHandlers();
    void titleAndProfiles();
    void drops_data();
    void drops();
    void modernContainers_data();
    void modernContainers();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    CTaskListCtrl *list() const { return control<CTaskListCtrl>(IDC_TASK_LIST); }
    QString clip(const QString &name) const { return m_dir.filePath(name); }
    QStringList m_messages; ///< texts of the message boxes shown
    void addClips(int count);
    /// Puts the task at row into state (as the batch does when it converts or finishes it) and
    /// shows the current task again.
    void setState(int row, TaskState state)
    {
        page()->tasks().update(row, NoColumn, [state](ConversionTask &t) { t.state = state; });
        page()->ShowTask(page()->CurTask());
    }
    /// Puts the Add dialog's double in place: it answers m_dialogAnswer.
    void installDialogDouble();
    void chooseInCombo(int id, int index);
    /// Types text into the title edit over what it shows, as a person would.
    void typeTitle(const QString &text)
    {
        auto *title = control<QLineEdit>(IDC_TITLE);
        title->selectAll();
        title->insert(text); // an edit, as typing or pasting is
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrameDlg> m_frame;
    QStringList m_dialogFolders;
    QString m_dialogFilter;
    QStringList m_dialogAnswer;
};
