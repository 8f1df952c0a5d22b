#include "TaskRowActions.h"

#include "CLogDialog.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "ConversionBatch.h"
#include "ShellActions.h"
#include "TrackMenus.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

namespace {

bool HasConvertedTask(const TaskArray &tasks)
{
    for (int i = 0; i < tasks.count(); ++i) {
        if (IsConverted(tasks.at(i)))
            return true;
    }
    return false;
}

} // namespace

TaskRowActions::TaskRowActions(CTavrelDlg *page, CTaskListCtrl *list, ConversionBatch *batch)
    : QObject(page)
    , m_page(page)
    , m_list(list)
    , m_batch(batch)
    , m_tracks(new TrackMenus(page, list))
    , m_applyToAll(new QAction(tr("Apply these settings to all videos"), page))
{
    m_applyToAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    m_applyToAll->setShortcutContext(Qt::WindowShortcut);
    page->addAction(m_applyToAll);
    connect(m_applyToAll, &QAction::triggered, page, &CTavrelDlg::OnApplySettingsToAll);
    // The list's own context-menu events, which tell a right click from the menu key.
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
}

TaskRowActions::~TaskRowActions() = default;

QString TaskRowActions::MadeOutput(int row) const
{
    const ConversionTask task = m_page->tasks().at(row);
    if (!IsConverted(task))
        return QString();
    // The batch names the file it placed before it marks the task converted.
    const QString &path = task.outputFile;
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

QMenu *TaskRowActions::BuildMenu(int row)
{
    auto *menu = new QMenu(m_list);
    const ConversionTask task = m_page->tasks().at(row);
    QAction *log = menu->addAction(tr("Show log…"), this, [this, row] { ShowLog(row); });
    log->setEnabled(m_batch->Logs().HasLog(task.id));

    const QString made = MadeOutput(row);
    const auto *edit = qobject_cast<QLineEdit *>(m_page->Control(IDC_OUTPUT_DIR));
    const QString folder = !made.isEmpty() ? QFileInfo(made).path()
                           : edit          ? edit->text()
                                           : m_page->Destination();
    QAction *open = menu->addAction(tr("Open output folder"), this, [folder] {
        ShellActions::OpenUrl(QUrl::fromLocalFile(folder));
    });
    open->setEnabled(!folder.isEmpty() && QFileInfo(folder).isDir());
    QAction *play = menu->addAction(
        tr("Play output"), this, [made] { ShellActions::OpenUrl(QUrl::fromLocalFile(made)); });
    play->setEnabled(!made.isEmpty());
    // A converted task is skipped by Start; this takes it back to convert it once more.
    QAction *again = menu->addAction(tr("Convert again"), this, [this, id = task.id] {
        m_batch->ConvertAgain(id);
        const int row = m_page->tasks().indexOf(id);
        if (row == m_page->CurTask())
            m_page->ShowTask(row);
    });
    again->setEnabled(IsConverted(task));
    // Stored with the task; the encoder hears of it when the task's next run starts.
    QAction *encode = menu->addAction(tr("Always re-encode"));
    encode->setCheckable(true);
    encode->setChecked(task.alwaysEncode);
    encode->setEnabled(task.outputWmv == 0 && CanChangeTask(task));
    connect(encode, &QAction::toggled, this, [this, id = task.id](bool on) {
        m_page->tasks().updateTask(id, NoColumn, [on](ConversionTask &t) { t.alwaysEncode = on; });
    });
    m_tracks->AddTo(menu, row);
    menu->addAction(m_applyToAll);
    menu->addSeparator();
    //: row menu: removes the selected videos from the list
    menu->addAction(tr("Remove"), m_page, &CTavrelDlg::OnRemove);
    QAction *finished
        = menu->addAction(tr("Remove finished"), m_page, &CTavrelDlg::OnRemoveFinished);
    finished->setEnabled(HasConvertedTask(m_page->tasks()));
    return menu;
}

CLogDialog *TaskRowActions::ShowLog(int row)
{
    const ConversionTask task = m_page->tasks().at(row);
    const TaskLogStore &logs = m_batch->Logs();
    if (!logs.HasLog(task.id))
        return nullptr;
    auto *dialog = new CLogDialog(
        QFileInfo(task.sourcePath).fileName(), logs.Text(task.id), logs.FilePath(task.id), m_page);
    dialog->show();
    return dialog;
}

bool TaskRowActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu
        || (watched != m_list && watched != m_list->viewport()))
        return QObject::eventFilter(watched, event);
    auto *request = static_cast<QContextMenuEvent *>(event);
    // By the pointer: the row under it (the press has made it current); by the keyboard: the
    // current row, with the menu at its first cell.
    const QPoint inViewport = m_list->viewport()->mapFromGlobal(request->globalPos());
    const bool byKey = request->reason() == QContextMenuEvent::Keyboard;
    const int row = byKey ? m_list->GetSelectionMark() : m_list->rowAt(inViewport.y());
    if (m_page->tasks().isValidIndex(row)) {
        const QPoint at = byKey ? m_list->CellBounds(row, 0).center() : inViewport;
        QMenu *menu = BuildMenu(row);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_list->viewport()->mapToGlobal(at));
    }
    return true;
}
