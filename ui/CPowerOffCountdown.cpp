#include "CPowerOffCountdown.h"

#include "WindowMessages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CPowerOffCountdown::CPowerOffCountdown(QWidget *parent, int seconds)
    : QDialog(parent)
    , m_secondsLeft(std::max(1, seconds))
    , m_text(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Tavrel"));
    auto *buttons = new QDialogButtonBox(this);
    m_powerOffNow = buttons->addButton(WindowMessageText(WindowMessage::PowerOffNow),
                                       QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    // Cancel is the default: a stray Enter must not power the computer off.
    m_cancel->setDefault(true);
    m_cancel->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    ShowSecondsLeft();

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &CPowerOffCountdown::OnTick);
    m_tick.start();
}

void CPowerOffCountdown::OnTick()
{
    --m_secondsLeft;
    if (m_secondsLeft <= 0) {
        m_tick.stop();
        accept();
        return;
    }
    ShowSecondsLeft();
}

void CPowerOffCountdown::ShowSecondsLeft()
{
    m_text->setText(m_secondsLeft == 1
                        ? WindowMessageText(WindowMessage::PowerOffInOne)
                        : WindowMessageText(WindowMessage::PowerOffInMany).arg(m_secondsLeft));
}
