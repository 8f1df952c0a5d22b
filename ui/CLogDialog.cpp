#include "CLogDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

CLogDialog::CLogDialog(const QString &sourceName,
                       const QByteArray &text,
                       const QString &filePath,
                       QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    //: caption of the log window; %1 is the source file's name
    setWindowTitle(tr("Log of %1").arg(sourceName));
    resize(640, 420);
    setStyleSheet(QStringLiteral(
        "CLogDialog { background-color: #1d2126; }"
        "QLabel { color: #9fb6c8; background: transparent; }"
        "QPlainTextEdit { background-color: #14171b; color: #d9dee4; border: 1px solid #343b43;"
        " selection-background-color: #2f6f98; }"
        "QPlainTextEdit:focus { border-color: #4a90b8; }"
        "QPushButton { background-color: #2e343b; color: #e3e7eb; border: 1px solid #454d57;"
        " border-radius: 3px; padding: 4px 14px; min-width: 70px; }"
        "QPushButton:focus, QPushButton:hover { border-color: #4a90b8; }"));

    m_view = new QPlainTextEdit(this);
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    //: screen reader name of the log text
    m_view->setAccessibleName(tr("Log"));
    // Progress lines end in carriage returns: each becomes a line of its own.
    QString shown = QString::fromLocal8Bit(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_view->setPlainText(shown);
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());

    auto *layout = new QVBoxLayout(this);
    if (!filePath.isEmpty()) {
        auto *where = new QLabel(tr("Saved as %1").arg(filePath), this);
        where->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(where);
    }
    layout->addWidget(m_view, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setIcon(QIcon());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_view->setFocus(Qt::OtherFocusReason);
}

QString CLogDialog::text() const
{
    return m_view->toPlainText();
}
