#pragma once

#include <QObject>

class CLogDialog;
class CTaskListCtrl;
class CTavrelDlg;
class ConversionBatch;
class QAction;
class QMenu;
class TrackMenus;

/// The task list's row menu. A right click or the menu key on a row opens: "Show log…" (when the
/// task has a log of its last run, which the batch keeps), "Open output folder", "Play output"
/// (when the run made a file), "Convert again" (for a converted task), "Always re-encode" (a
/// check item stored in the task: its next runs encode even a source that already fits),
/// "Sound" and "Subtitles" (TrackMenus), "Apply these settings to all videos" (also Ctrl+Shift+A
/// anywhere in the window), "Remove" (of the selected rows when the row is among them) and
/// "Remove finished" (every converted row, when there is one).
class TaskRowActions : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TaskRowActions)

public:
    /// A child of page; list is the page's task list, batch the page's batch.
    TaskRowActions(CTavrelDlg *page, CTaskListCtrl *list, ConversionBatch *batch);
    ~TaskRowActions() override;

    /// The menu for row (with the actions enabled as they apply), owned by the caller.
    QMenu *BuildMenu(int row);
    /// Opens the log of row in a CLogDialog and returns it; nullptr when the row has none.
    CLogDialog *ShowLog(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The output file of row's last run when that run made one; else empty.
    QString MadeOutput(int row) const;

    CTavrelDlg *m_page;
    CTaskListCtrl *m_list;
    ConversionBatch *m_batch;
    TrackMenus *m_tracks;
    QAction *m_applyToAll; ///< the page's action, shared by every row menu
};
