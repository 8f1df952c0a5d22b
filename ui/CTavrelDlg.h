#pragma once

#include "ControlTable.h"
#include "TaskArray.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

class BatchControls;
class CFadePicture;
class CImageButton;
class CRangeSlider;
class CTaskListCtrl;
class CVideoEdit;
class ConversionBatch;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct CellInfo;

/// 1 while a preview started with the play button runs; 0 after the stop button and whenever a
/// still preview starts.
extern int g_previewPlaying;

/// The main page: every control the user works with (task list, output directory, preview with
/// its range slider, output type, profiles, encoding settings, title, Start/Stop/Pause, videos
/// at once), created from the control table and placed at its positions. It owns the task array
/// and the batch (ConversionBatch, the live queue that keeps the batch state).
///
/// While a batch runs the list stays live: tasks can be added, shown and removed, and a task
/// that can change (CanChangeTask: not being converted, not converted already) takes the
/// person's settings; the controls of one that cannot show its settings and take no change.
///
/// Constructing the page creates its controls and runs OnInitDialog, which sets them up at their
/// defaults, reads the output directory and writes the frame's caption (g_mainFrame).
class CTavrelDlg : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CTavrelDlg)

public:
    /// The title names the output file; longer titles are cut.
    static constexpr int kMaxTitleLength = 255;

    explicit CTavrelDlg(QWidget *parent = nullptr);
    ~CTavrelDlg() override;

    /// The control with that id (ControlId), nullptr when the page has none.
    QWidget *Control(int id) const { return m_controls.value(id); }

    /// Puts the settings controls back to their defaults: the nine setting combos, the title
    /// (emptied; shown only when the output type is MP4), MPEG4 profile 0, the setting combos
    /// enabled for MP4, the range slider at 0..120 s, the first WMV profile. Changes no task.
    void ResetSettings();
    /// Shows, hides and enables the type-dependent controls for output type 0 (MP4) or 1 (WMV).
    void ApplyOutputType(int type);
    /// Enables or disables the nine setting combos together.
    void EnableSettingCombos(bool enable);
    /// Click handlers of the two output-type radio buttons: switch the window's output type and
    /// the type of the task at the selection mark, and of the tasks selected with it that can
    /// change. Nothing when the type is in force; when the marked task cannot change, the buttons
    /// go back to its type.
    void OnToZuneMpeg4();
    void OnToZuneWmv();
    /// Creates the five task-list columns.
    void InsertColumns();

    /// The conversion list; row i of the task list shows task i.
    TaskArray &tasks() { return m_tasks; }
    const TaskArray &tasks() const { return m_tasks; }
    /// Index of the task the controls show, -1 for none.
    int CurTask() const { return m_curTask; }
    /// 0 MP4 output, 1 WMV output.
    int OutputType() const { return m_outputType; }
    /// True while a batch runs (the batch is not idle).
    bool IsBusy() const;
    /// The batch the page runs; a child of the page.
    ConversionBatch &Batch() const { return *m_batch; }
    /// The output directory as read at start.
    QString Destination() const { return m_destination; }

    // Handlers of the controls and of the media component. Those whose behaviour belongs to the
    // list operations, the batch, preview and trimming, the output directory and the setting
    // handlers are wired here and filled in with that behaviour.
    void OnAdd();
    /// Appends one source file as a new task, which becomes current.
    void AddSourceFile(const QString &path);
    /// Adds files in order as Add does, showing the media component in the preview area; used
    /// by Add, by dropped files, by files named on the command line and by those another start
    /// of the program hands over. A running batch takes them in. Files given while an add is
    /// still probing its own are added after them, by that add.
    void AddSourceFiles(const QStringList &paths);
    /// One notice naming the files an add left out (see NotAddedNoticeText); none when names is
    /// empty.
    void ReportNotAdded(const QStringList &names);
    /// Appends tasks as they were kept (restored from the saved list, see RestoredTask) and makes
    /// the task at current current (the last one when current is out of range).
    void RestoreTasks(const QList<ConversionTask> &tasks, int current);
    /// Makes the controls show task index (m_curTask must already be index); out of range:
    /// nothing. Writes nothing back into the task.
    void ShowTask(int index);
    /// Whether the current task takes the person's changes (CanChangeTask); false for none.
    bool CurrentCanChange() const;
    /// Selects row (marks it, focuses the list and scrolls it into view). A row that is selected
    /// already keeps the rows selected with it.
    void SelectTaskRow(int row);
    /// Sets the list's row count to the number of tasks.
    void RefreshTaskList();
    /// Remove: takes the marked task out, with the tasks selected with it (a task being converted
    /// is stopped, keeping nothing). The task that took the first one's place becomes current.
    void OnRemove();
    /// Remove all: takes out every task; while a batch runs, every task but those being
    /// converted.
    void OnRemoveAll();
    /// Remove finished: takes out every converted task (their files stay).
    void OnRemoveFinished();
    void OnTaskListClick();
    /// Start: converts what is not converted in the list into the output directory the edit
    /// shows (see ConversionBatch); returns at once. Nothing while a batch runs.
    void OnStart();
    /// Stops a running batch (also run when the window closes while busy).
    void OnStop();
    /// Pause and Ctrl+P: suspends the running batch, or resumes the paused one.
    void OnPause();
    /// Browse: the folder picker, opening in the current output directory when it exists; the
    /// chosen folder goes into the edit and the settings. Nothing while busy or when cancelled.
    void OnBrowse();
    /// Help: opens "help/help.html" from the program's folder, also while busy; no message when
    /// it cannot be opened.
    void OpenHelp();
    void OnPreviewPlay();
    void OnPreviewStop();
    /// The title goes into the current task only; the profiles and the nine settings into every
    /// selected task that can change (the current one is always among them).
    void OnTitleChanged();
    void OnMpeg4ProfileChanged();
    void OnWmvProfileChanged();
    /// Selection change of setting combo comboId (1025..1033).
    void OnSettingChanged(int comboId);
    /// "Apply these settings to all videos" (row menu, Ctrl+Shift+A): the current task's output
    /// type, profiles and nine settings go into every other task that can change.
    void OnApplySettingsToAll();
    /// Fills one list cell from its task (UM_GETCELLINFO).
    void OnGetCellInfo(CellInfo *info);
    /// The range slider's RANGE_CHANGED: wParam which end (0 left, 1 right, 2 both), lParam 1
    /// when a drag ended. Stores the slider's range into the marked task; after a drag, shows
    /// one second of the source at the new end. Always returns 0.
    int OnRangeChanged(int wParam, int lParam);
    /// Plays one second of path from t seconds, without sound, so the frame there is seen.
    /// Nothing while the previous one still plays.
    void PreviewStill(const QString &path, double t);
    /// True from the start of a still preview until its playback ended.
    bool IsPreviewBusy() const { return m_previewBusy != 0; }
    void OnPlaybackEnded(double position);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void CreateControls();
    QWidget *CreateControl(const ControlEntry &entry);
    void BindControls();
    void ConnectHandlers();
    void OnInitDialog();
    void SetUpControls();
    void SetUpImageButtons();
    void LoadProfiles();
    void FillWmvProfiles();
    void MoveControlsToTable();
    void SetFrameTitle();
    /// Key filter run before any widget of the window sees a key (Enter and Escape never reach
    /// the window's buttons or close it). Returns true when the event is consumed.
    bool PreTranslateMessage(QObject *watched, QEvent *event);
    /// A navigation key or Ctrl+A pressed in the task list; true when the key is consumed.
    bool OnTaskListKey(int key, Qt::KeyboardModifiers modifiers);
    /// Ends any preview playback and the still preview's busy state.
    void StopPreview();
    /// No task is current any more: the clips go and the controls show the defaults.
    void ClearCurrentTask();
    /// Takes out every task for which goes is true (never one in progress); the current task,
    /// when it goes, gives way to the first that stays.
    void RemoveTasksWhere(const std::function<bool(const ConversionTask &)> &goes);
    /// The row of the list's selection mark when it indexes a task, else -1.
    int MarkedTask() const;
    /// The rows an action on row takes in: the selected rows when row is among them, else row
    /// alone; none for a row out of range. Ascending.
    QList<int> RowsActedOn(int row) const;
    /// After rows went: the controls show m_curTask, selected alone, or the defaults for none.
    void ShowCurrentAfterRemoval();
    void SwitchOutputType(int type);
    /// Shows output type 0 (MP4) or 1 (WMV) in the window without changing any task.
    void ShowOutputType(int type);
    /// The title can be typed into only while the current task can change.
    void UpdateEditability();
    /// A setting handler's one step: edit changes the current task and column is repainted
    /// (NoColumn: none). When the current task cannot change, the controls go back to what it
    /// holds instead. Nothing without a current task.
    void UpdateCurrentTask(int column, const std::function<void(ConversionTask &)> &edit);
    /// UpdateCurrentTask for the current task and the tasks selected with it: edit changes each of
    /// them that can change.
    void UpdateSelectedTasks(int column, const std::function<void(ConversionTask &)> &edit);
    /// The step both take: edit changes each task at rows that can change, then the controls go
    /// back to what the current task holds when it cannot change. Nothing without a current task.
    void UpdateTasks(const QList<int> &rows,
                     int column,
                     const std::function<void(ConversionTask &)> &edit);

    template<typename T>
    T *ControlAs(int id) const
    {
        return qobject_cast<T *>(Control(id));
    }

    TaskArray m_tasks;
    int m_curTask = -1;
    QPixmap m_background;
    QPixmap m_scaledBackground; ///< m_background stretched to the page's size
    QString m_destination;
    int m_settingRange = 0;
    int m_settingProfile = 0;
    int m_previewBusy = 0;
    int m_outputType = 0;
    int m_outputTypeRadio = -1;
    bool m_adding = false;     ///< AddSourceFiles is probing its files
    QStringList m_pendingAdds; ///< files to add once the add under way is done
    /// Runs the batch and owns its state; a child of the page, given up (Abandon) when the page
    /// goes away.
    ConversionBatch *m_batch = nullptr;
    /// Start, Stop, Pause and "Videos at once" following the batch's state.
    BatchControls *m_batchControls = nullptr;

    QHash<int, QWidget *> m_controls; ///< every control by id; owned by the page as children

    // The controls the page works with, bound by id after creation.
    CTaskListCtrl *m_taskList = nullptr;
    CImageButton *m_addButton = nullptr;
    CImageButton *m_removeButton = nullptr;
    CImageButton *m_removeAllButton = nullptr;
    QLineEdit *m_outputDirEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    CFadePicture *m_picture = nullptr;
    CVideoEdit *m_media = nullptr;
    CImageButton *m_previewPlayButton = nullptr;
    CImageButton *m_previewStopButton = nullptr;
    CRangeSlider *m_rangeSlider = nullptr;
    QRadioButton *m_toMpeg4Radio = nullptr;
    QRadioButton *m_toWmvRadio = nullptr;
    QLineEdit *m_titleEdit = nullptr;
    QLabel *m_mpeg4ProfileLabel = nullptr;
    QComboBox *m_mpeg4ProfileCombo = nullptr;
    QLabel *m_wmvProfileLabel = nullptr;
    QComboBox *m_wmvProfileCombo = nullptr;
    QList<QComboBox *> m_settingCombos; ///< 1025..1033 in id order
    QCheckBox *m_shutdownCheck = nullptr;
    QPushButton *m_helpButton = nullptr;
    CImageButton *m_startButton = nullptr;
    CImageButton *m_stopButton = nullptr;
    CImageButton *m_pauseButton = nullptr;
    QComboBox *m_simultaneousCombo = nullptr;
};
