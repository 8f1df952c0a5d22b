#include "CCloseGuardDialog.h"

#include "WindowMessages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CCloseGuardDialog::CCloseGuardDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Tavrel"));
    setModal(true);
    // The skin's surfaces and accent, set here so the box matches the window also without it.
    setStyleSheet(QStringLiteral(
        "CCloseGuardDialog { background-color: #1d2126; }"
        "QLabel { color: #e3e7eb; background: transparent; }"
        "QPushButton { background-color: #2e343b; color: #e3e7eb; border: 1px solid #454d57;"
        " border-radius: 3px; padding: 4px 14px; min-width: 90px; }"
        "QPushButton:hover { background-color: #363e47; border-color: #4a90b8; }"
        "QPushButton:focus { border-color: #4a90b8; }"
        "QPushButton:default { border-color: #4a90b8; }"));

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto *text = new QLabel(WindowMessageText(WindowMessage::CloseQuestion), this);
    text->setWordWrap(true);
    text->setMinimumWidth(280);

    m_stop = new QPushButton(WindowMessageText(WindowMessage::StopAndClose), this);
    m_keep = new QPushButton(WindowMessageText(WindowMessage::KeepConverting), this);
    m_stop->setAutoDefault(false);
    m_keep->setAutoDefault(true);
    m_keep->setDefault(true);
    connect(m_stop, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_keep, &QPushButton::clicked, this, &QDialog::reject);

    auto *message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_keep);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addLayout(message);
    layout->addLayout(buttons);
}

void CCloseGuardDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The safe answer has the focus, so a stray Space keeps converting too.
    m_keep->setFocus(Qt::OtherFocusReason);
}
