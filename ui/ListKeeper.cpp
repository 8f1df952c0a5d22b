#include "ListKeeper.h"

#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "SavedTaskList.h"
#include "TaskListSaver.h"

#include <QComboBox>
#include <QDir>

namespace {

QStringList ItemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

ListKeeper::ListKeeper(CTavrelDlg *page, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_folder(folder)
    , m_lock(QDir(folder).filePath(QStringLiteral("tasks.lock")))
{
    // Held for the window's whole life: only a lock of a process that has gone is stale.
    m_lock.setStaleLockTime(0);
}

ListKeeper::~ListKeeper()
{
    Close();
}

ProfileNames ListKeeper::Profiles() const
{
    ProfileNames names;
    names.mpeg4 = ItemsOf(qobject_cast<QComboBox *>(m_page->Control(IDC_MPEG4_PROFILE)));
    names.mpeg4Default = m_page->Batch().Profiles().List().defaultIndex;
    names.wmv = ItemsOf(qobject_cast<QComboBox *>(m_page->Control(IDC_WMV_PROFILE)));
    return names;
}

void ListKeeper::Open()
{
    const QString path = SavedListPath(m_folder);
    if (!QDir().mkpath(m_folder) || !m_lock.tryLock(0)) {
        qInfo("Tavrel: %s",
              qPrintable(m_lock.error() == QLockFile::LockFailedError
                             ? tr("another Tavrel window keeps the list of videos; this "
                                  "window's list is not kept when it closes.")
                             : tr("the list of videos cannot be kept in %1.")
                                   .arg(QDir::toNativeSeparators(m_folder))));
        return;
    }
    const SavedListReading reading = LoadSavedList(path);
    switch (reading.status) {
    case SavedListReading::Status::Newer:
        qWarning("Tavrel: %s",
                 qPrintable(tr("the saved list %1 is left as it is and this window's list is "
                               "not kept: %2.")
                                .arg(QDir::toNativeSeparators(path), reading.reason)));
        m_lock.unlock();
        return;
    case SavedListReading::Status::Unreadable:
        qWarning("Tavrel: %s",
                 qPrintable(tr("the saved list %1 cannot be read, the list starts empty: %2.")
                                .arg(QDir::toNativeSeparators(path), reading.reason)));
        break;
    default:
        break;
    }
    const ProfileNames profiles = Profiles();
    QList<ConversionTask> tasks;
    for (const SavedTask &saved : reading.list.tasks)
        tasks.append(RestoredTask(saved, profiles));
    m_page->RestoreTasks(tasks, reading.list.current);

    m_saver = std::make_unique<TaskListSaver>(path, m_page->tasks(), [this] {
        const ProfileNames names = Profiles();
        SavedList list;
        list.current = m_page->CurTask();
        const TaskArray &all = m_page->tasks();
        for (int i = 0; i < all.count(); ++i)
            list.tasks.append(SavedTaskOf(all.at(i), names));
        return list;
    });
    connect(m_saver.get(), &TaskListSaver::writeFailed, this, [path](const QString &reason) {
        qWarning("Tavrel: %s",
                 qPrintable(tr("the list of videos cannot be written to %1: %2")
                                .arg(QDir::toNativeSeparators(path), reason)));
    });
}

void ListKeeper::Close()
{
    if (!m_saver)
        return;
    m_saver->Flush();
    m_saver.reset();
    m_lock.unlock();
}
