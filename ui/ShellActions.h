#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

/// Everything the windows ask of the desktop and of the user outside their own widgets: opening
/// a document in its program, message boxes, the file-open dialog, the folder picker and
/// the question before closing mid-batch. Each
/// goes through a replaceable handler so that tests answer in place of a person and nothing
/// blocks or launches a program. The defaults use QDesktopServices, QMessageBox and QFileDialog.
class ShellActions
{
public:
    using OpenUrlHandler = std::function<bool(const QUrl &url)>;
    using MessageHandler = std::function<void(
        QWidget *parent, const QString &text, const QString &caption, QMessageBox::Icon icon)>;
    /// Returns the full paths of the chosen files in the order picked, or none when cancelled.
    using OpenFileHandler
        = std::function<QStringList(QWidget *parent, const QString &filter, const QString &folder)>;
    /// Returns the chosen folder, or an empty string when cancelled. startDir is the folder the
    /// picker opens in; empty for the picker's own choice.
    using FolderHandler = std::function<QString(QWidget *parent, const QString &startDir)>;
    /// Returns true for "Stop and close", false for "Keep converting".
    using StopAndCloseHandler = std::function<bool(QWidget *parent)>;

    /// Opens url in the desktop's program for it; the result says whether that started.
    static bool OpenUrl(const QUrl &url);
    /// Opens the file at path in the desktop's program for it; when that cannot start, says so in
    /// a message that names the path. Returns whether it started.
    static bool OpenDocument(QWidget *parent, const QString &path);
    /// A modal message box with one OK button.
    static void Message(QWidget *parent,
                        const QString &text,
                        const QString &caption,
                        QMessageBox::Icon icon = QMessageBox::NoIcon);
    /// A modal file-open dialog for one or more existing files (COpenFilesDialog), opening in
    /// folder; filter in Qt's form ("Text (*.txt);;...").
    static QStringList OpenFiles(QWidget *parent, const QString &filter, const QString &folder);
    /// A modal folder picker that opens in startDir (when given).
    static QString PickFolder(QWidget *parent, const QString &startDir = QString());
    /// Asks whether to stop the running batch and close (CCloseGuardDialog); true to close.
    static bool ConfirmStopAndClose(QWidget *parent);

    /// Replace a handler; an empty function restores the default.
    static void SetOpenUrlHandler(OpenUrlHandler handler);
    static void SetMessageHandler(MessageHandler handler);
    static void SetOpenFileHandler(OpenFileHandler handler);
    static void SetFolderHandler(FolderHandler handler);
    static void SetStopAndCloseHandler(StopAndCloseHandler handler);
};
