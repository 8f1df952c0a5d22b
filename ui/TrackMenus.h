#pragma once

#include "SourceFactsCache.h"
#include "SourceTreatment.h"

#include <QObject>

class CTaskListCtrl;
class CTavrelDlg;
class QActionGroup;
class QMenu;
struct ConversionTask;

/// The "Sound" and "Subtitles" submenus of the task list's row menu: the source's tracks, with
/// the one the task plays (or burns in) checked, and "None" for subtitles; choosing one stores it
/// in the task. The tracks are read off the user-interface thread (SourceFactsCache) as soon as
/// a row is added to the list, and again when the file has changed.
class TrackMenus : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TrackMenus)

public:
    /// A child of page; list is the page's task list.
    TrackMenus(CTavrelDlg *page, CTaskListCtrl *list);
    ~TrackMenus() override;

    /// Adds both submenus for row to menu (disabled while a batch runs, or with a note while
    /// the source's tracks are still being read).
    void AddTo(QMenu *menu, int row);

    SourceFactsCache &facts() { return m_facts; }

private:
    void OnRowsAdded(int first, int last);
    void AddSound(QMenu *menu, int row, const ConversionTask &task, const SourceFacts &facts);
    void AddSubtitles(QMenu *menu, int row, const ConversionTask &task, const SourceFacts &facts);
    /// A choice of a track (or NoTrack) for the task that row showed when the menu was made.
    struct Choice
    {
        int row = -1;
        QString path;      ///< the row's source then
        bool sound = true; ///< the sound track, else the subtitle track
        int track = AutomaticTrack;
    };
    /// Adds a checkable item to group's menu (its parent) that makes choice.
    void AddChoice(QActionGroup *group, const QString &text, bool checked, const Choice &choice);
    /// Stores the choice when the row still shows its source and no batch runs.
    void Choose(const Choice &choice);

    CTavrelDlg *m_page;
    SourceFactsCache m_facts;
};
