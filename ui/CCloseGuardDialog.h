#pragma once

#include <QDialog>

class QPushButton;

/// The question asked when the window is closed while a batch runs: "A conversion is running.
/// Stop it and close Tavrel?" with "&Stop and close" (Alt+S, accepts) and "&Keep converting" (the
/// default: Enter and Escape keep converting, rejects). Dark, in the skin's colours, whether or
/// not a skin is loaded.
class CCloseGuardDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CCloseGuardDialog)

public:
    explicit CCloseGuardDialog(QWidget *parent = nullptr);

    QPushButton *keepButton() const { return m_keep; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_stop = nullptr;
    QPushButton *m_keep = nullptr;
};
