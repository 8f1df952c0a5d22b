#pragma once

#include <QFileDialog>
#include <QStringList>

class QAbstractItemView;
class QLineEdit;
class QPushButton;

/// The file-open dialog for one or more existing files that Add shows: Qt's own dialog, which
/// in addition takes two picks that Qt's would refuse with Return doing nothing:
/// - Return in the file list on the row the keyboard is on while no row is selected (the list
///   reached with Tab, or the focus moved with Ctrl+arrows): that file;
/// - a typed name with double quotes that names one existing file as a whole: that file (Qt's
///   dialog reads double quotes as the marks around each of several names).
/// Everything else (a selection made any way, several quoted names, folders, "..", ~ and $NAME)
/// is Qt's own handling. Deliberately without Q_OBJECT, so that where the platform has a dialog
/// of its own that one is still used; its pick is then taken as it comes.
class COpenFilesDialog : public QFileDialog
{
    Q_DISABLE_COPY(COpenFilesDialog)

public:
    /// Opens in folder (an existing folder) and lists the files of filter, in Qt's form
    /// ("Text (*.txt);;...").
    COpenFilesDialog(QWidget *parent, const QString &filter, const QString &folder);

    /// Full paths of the files taken, in the order picked. Meaningful once exec() returned
    /// Accepted.
    QStringList ChosenFiles() const;

protected:
    void accept() override;

private:
    /// The file the list's keyboard focus is on when Return is pressed there with nothing
    /// selected; empty otherwise.
    QString FocusedRowFile() const;
    /// The typed name, double quotes and all, when it names one existing file; empty otherwise.
    QString WholeTypedFile() const;
    bool HasSelection() const;
    void UpdateOpenButton();

    // Parts of Qt's dialog; null when the platform's dialog is in use.
    QAbstractItemView *m_list = nullptr; ///< its file list; the detail view shares its selection
    QLineEdit *m_name = nullptr;         ///< its name field
    QPushButton *m_open = nullptr;       ///< its Open button
    QStringList m_taken;                 ///< set when this class, not Qt's dialog, took the pick
};
