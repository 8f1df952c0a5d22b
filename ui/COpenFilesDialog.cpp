#include "COpenFilesDialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>

COpenFilesDialog::COpenFilesDialog(QWidget *parent, const QString &filter, const QString &folder)
    : QFileDialog(parent, QString(), folder, filter)
{
    setFileMode(QFileDialog::ExistingFiles);
    setSupportedSchemes({QStringLiteral("file")});
    // Parts of Qt's own dialog form, by the object names that form gives them.
    m_list = findChild<QAbstractItemView *>(QStringLiteral("listView"));
    m_name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (const auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
        m_open = buttons->button(QDialogButtonBox::Open);
    if (!m_list || !m_name || !m_open)
        return;
    // Qt's dialog sets the button on the same signals first; this runs after it.
    connect(m_name, &QLineEdit::textChanged, this, &COpenFilesDialog::UpdateOpenButton);
    connect(m_list->selectionModel(),
            &QItemSelectionModel::selectionChanged,
            this,
            &COpenFilesDialog::UpdateOpenButton);
    connect(m_list->selectionModel(),
            &QItemSelectionModel::currentChanged,
            this,
            &COpenFilesDialog::UpdateOpenButton);
}

QStringList COpenFilesDialog::ChosenFiles() const
{
    return m_taken.isEmpty() ? selectedFiles() : m_taken;
}

void COpenFilesDialog::accept()
{
    // A selection, however it was made, is what Qt's dialog reads itself.
    QString file;
    if (m_list && !HasSelection()) {
        file = FocusedRowFile();
        if (file.isEmpty())
            file = WholeTypedFile();
    }
    if (file.isEmpty()) {
        QFileDialog::accept();
        return;
    }
    m_taken = {file};
    QDialog::accept();
}

QString COpenFilesDialog::FocusedRowFile() const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(focusWidget());
    if (!view || view->selectionModel() != m_list->selectionModel())
        return {};
    const QModelIndex current = view->currentIndex();
    const QFileInfo info(current.data(QFileSystemModel::FilePathRole).toString());
    if (!current.isValid() || !(current.flags() & Qt::ItemIsEnabled) || !info.isFile())
        return {};
    return info.filePath();
}

QString COpenFilesDialog::WholeTypedFile() const
{
    const QString text = m_name->text();
    if (!text.contains(u'"'))
        return {}; // Qt's dialog reads a name without double quotes as it is
    const QFileInfo info(directory().absoluteFilePath(text));
    return info.isFile() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

bool COpenFilesDialog::HasSelection() const
{
    return m_list->selectionModel() && m_list->selectionModel()->hasSelection();
}

void COpenFilesDialog::UpdateOpenButton()
{
    if (!HasSelection() && !WholeTypedFile().isEmpty())
        m_open->setEnabled(true);
}
