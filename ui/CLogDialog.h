#pragma once

#include <QDialog>

class QPlainTextEdit;

/// Shows one task's log: read-only, monospaced, dark, scrolled to its end, with the log file's
/// path when there is one. Not modal; deletes itself when closed.
class CLogDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CLogDialog)

public:
    /// sourceName names the task in the caption; filePath may be empty (the run is still open).
    CLogDialog(const QString &sourceName,
               const QByteArray &text,
               const QString &filePath,
               QWidget *parent = nullptr);

    /// The text shown.
    QString text() const;

private:
    QPlainTextEdit *m_view = nullptr;
};
