#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

/// The last chance before the computer powers off at the end of a batch: "The computer will
/// power off in 60 seconds", counting down once a second, with "Power off now" and Cancel.
/// Accepted when the time runs out or "Power off now" is pressed; rejected by Cancel, Escape or
/// closing it.
class CPowerOffCountdown : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CPowerOffCountdown)

public:
    /// seconds: how long the countdown runs (at least 1).
    explicit CPowerOffCountdown(QWidget *parent = nullptr, int seconds = 60);

    QPushButton *PowerOffNowButton() const { return m_powerOffNow; }
    QPushButton *CancelButton() const { return m_cancel; }

private:
    void OnTick();
    void ShowSecondsLeft();

    int m_secondsLeft;
    QTimer m_tick;
    QLabel *m_text = nullptr;
    QPushButton *m_powerOffNow = nullptr;
    QPushButton *m_cancel = nullptr;
};
