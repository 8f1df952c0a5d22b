#pragma once

#include <QObject>

class CLogDialog;
class CTaskListCtrl;
class CTavrelDlg;
class ConversionBatch;
class QMenu;
class TrackMenus;

/// The task list's row menu. A right click or the menu key on a row opens: "Show log…" (when the
/// task has a log of its last run, which the batch keeps), "Open output folder", "Play output"
/// (when the run made a file), "Convert again" (for a converted task), "Sound" and "Subtitles"
/// (TrackMenus), "Remove" and "Remove finished" (every converted row, when there is one).
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
};
