#pragma once

#include <QObject>
#include <QString>

struct BatchProgress;

class ConversionBatch;
class QWidget;

/// Shows what a ConversionBatch reports, over the main page: its messages in message boxes
/// (ShellActions::Message), the power-off with its countdown (ShutDownComputer), and while it
/// runs its progress in the frame's caption (g_mainFrame), which returns to the plain caption
/// when the batch turns idle. A batch that ends after the window was closed shows nothing: no
/// one is left to read it.
class BatchPresenter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BatchPresenter)

public:
    /// Connects to batch; page is the parent of the message boxes and of this object.
    BatchPresenter(ConversionBatch *batch, QWidget *page);

private:
    void OnBusyChanged(bool busy);
    void OnMessage(const QString &text, const QString &caption);
    void OnPowerOffRequested(const QString &finishedText);
    void OnProgressChanged(const BatchProgress &progress);
    bool WindowShown() const;

    QWidget *m_page;
    QString m_caption; ///< the plain caption, taken when the batch began
};
