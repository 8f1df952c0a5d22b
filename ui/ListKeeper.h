#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class CTavrelDlg;
class TaskListSaver;
struct ProfileNames;

/// Keeps the first window's conversion list between runs: Open restores the saved list
/// (SavedListFolder) into the page and from then on a TaskListSaver writes every change; Close
/// writes it once more. Only one window keeps the list, the one that holds its lock (a QLockFile
/// beside it; the lock of a window that crashed is taken over). A later window starts with an
/// empty list and saves nothing, and says so once on the program's output, as it says why a
/// saved list could not be read (set aside as ".bad") or is left alone (a newer format).
class ListKeeper : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ListKeeper)

public:
    /// Keeps page's list in folder. page must outlive the keeper (its tasks are read until
    /// Close).
    ListKeeper(CTavrelDlg *page, const QString &folder, QObject *parent = nullptr);
    /// Closes.
    ~ListKeeper() override;

    /// Restores and starts keeping (see above). Call once, before any other task is added.
    void Open();
    /// Writes the list a last time and stops following the page; nothing without the lock.
    void Close();
    /// Whether this window keeps the saved list.
    bool Keeps() const { return m_saver != nullptr; }

private:
    ProfileNames Profiles() const;

    CTavrelDlg *m_page;
    QString m_folder;
    QLockFile m_lock;
    std::unique_ptr<TaskListSaver> m_saver;
};
