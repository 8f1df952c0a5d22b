#include "BatchPresenter.h"

#include <QCoreApplication>

#include "AppSettings.h"
#include "BatchTexts.h"
#include "CMainFrameDlg.h"
#include "ConversionBatch.h"
#include "PowerActions.h"
#include "ShellActions.h"
#include "WindowMessages.h"

BatchPresenter::BatchPresenter(ConversionBatch *batch, QWidget *page)
    : QObject(page)
    , m_page(page)
{
    connect(batch, &ConversionBatch::busyChanged, this, &BatchPresenter::OnBusyChanged);
    connect(batch, &ConversionBatch::messageRequested, this, &BatchPresenter::OnMessage);
    connect(batch, &ConversionBatch::powerOffRequested, this, &BatchPresenter::OnPowerOffRequested);
    connect(batch, &ConversionBatch::progressChanged, this, &BatchPresenter::OnProgressChanged);
}

bool BatchPresenter::WindowShown() const
{
    return m_page->window()->isVisible();
}

void BatchPresenter::OnBusyChanged(bool busy)
{
    m_caption = FrameCaption(g_productName, ReadStoredVersion());
    if (!busy && g_mainFrame)
        g_mainFrame->setWindowTitle(m_caption);
}

void BatchPresenter::OnMessage(const QString &text, const QString &caption)
{
    // The caption comes in English (it names the kind of message) and is shown translated.
    if (WindowShown())
        ShellActions::Message(
            m_page,
            text,
            QCoreApplication::translate("ConversionBatch", caption.toUtf8().constData()));
}

void BatchPresenter::OnPowerOffRequested(const QString &finishedText)
{
    if (!WindowShown())
        return;
    // Cancelled: the batch ends as it does without the box checked.
    if (ShutDownComputer(m_page) == ShutdownResult::Cancelled)
        ShellActions::Message(
            m_page, finishedText, WindowMessageText(WindowMessage::InformationCaption));
}

void BatchPresenter::OnProgressChanged(const BatchProgress &progress)
{
    if (g_mainFrame && !m_caption.isEmpty())
        g_mainFrame->setWindowTitle(BatchProgressCaption(m_caption, progress));
}
