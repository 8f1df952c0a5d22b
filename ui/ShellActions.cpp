#include "ShellActions.h"

#include "CCloseGuardDialog.h"
#include "COpenFilesDialog.h"
#include "WindowMessages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace {

ShellActions::OpenUrlHandler g_openUrl;
ShellActions::MessageHandler g_message;
ShellActions::OpenFileHandler g_openFile;
ShellActions::FolderHandler g_folder;
ShellActions::StopAndCloseHandler g_stopAndClose;

} // namespace

bool ShellActions::OpenUrl(const QUrl &url)
{
    if (g_openUrl)
        return g_openUrl(url);
    return QDesktopServices::openUrl(url);
}

bool ShellActions::OpenDocument(QWidget *parent, const QString &path)
{
    if (OpenUrl(QUrl::fromLocalFile(path)))
        return true;
    Message(parent,
            WindowMessageText(WindowMessage::PageNotOpened).arg(QDir::toNativeSeparators(path)),
            WindowMessageText(WindowMessage::HelpCaption),
            QMessageBox::Information);
    return false;
}

void ShellActions::Message(QWidget *parent,
                           const QString &text,
                           const QString &caption,
                           QMessageBox::Icon icon)
{
    if (g_message) {
        g_message(parent, text, caption, icon);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QStringList ShellActions::OpenFiles(QWidget *parent, const QString &filter, const QString &folder)
{
    if (g_openFile)
        return g_openFile(parent, filter, folder);
    // The parent may be deleted while the dialog runs; the guard then reads no dead dialog.
    QPointer<COpenFilesDialog> dialog = new COpenFilesDialog(parent, filter, folder);
    const int result = dialog->exec();
    if (!dialog)
        return {};
    const QStringList files = result == QDialog::Accepted ? dialog->ChosenFiles() : QStringList();
    delete dialog.data();
    return files;
}

QString ShellActions::PickFolder(QWidget *parent, const QString &startDir)
{
    if (g_folder)
        return g_folder(parent, startDir);
    // The folder as the platform writes it (backslashes on Windows).
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent, QString(), startDir));
}

bool ShellActions::ConfirmStopAndClose(QWidget *parent)
{
    if (g_stopAndClose)
        return g_stopAndClose(parent);
    CCloseGuardDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

void ShellActions::SetStopAndCloseHandler(StopAndCloseHandler handler)
{
    g_stopAndClose = std::move(handler);
}

void ShellActions::SetOpenUrlHandler(OpenUrlHandler handler)
{
    g_openUrl = std::move(handler);
}

void ShellActions::SetMessageHandler(MessageHandler handler)
{
    g_message = std::move(handler);
}

void ShellActions::SetOpenFileHandler(OpenFileHandler handler)
{
    g_openFile = std::move(handler);
}

void ShellActions::SetFolderHandler(FolderHandler handler)
{
    g_folder = std::move(handler);
}
