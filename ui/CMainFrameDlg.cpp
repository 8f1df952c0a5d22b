#include "CMainFrameDlg.h"

#include "CTavrelDlg.h"
#include "ConversionBatch.h"
#include "ProgramDir.h"
#include "ResourceImages.h"
#include "ShellActions.h"
#include "SkinDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

CMainFrameDlg *g_mainFrame = nullptr;
const QString g_productName = QStringLiteral("Tavrel");

// The program's only window: a normal top-level window (in the task bar, with a minimise box),
// fixed in size, that runs the modal loop.
CMainFrameDlg::CMainFrameDlg(QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_icon(LoadResourceIcon(IDI_APPLICATION_ICON))
{
    setWindowTitle(g_productName);
    OnInitDialog();
}

CMainFrameDlg::~CMainFrameDlg()
{
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

void CMainFrameDlg::OnInitDialog()
{
    setWindowIcon(m_icon);
    g_mainFrame = this;

    // A fixed frame in the top-left corner of the screen, whatever its last place was.
    setFixedSize(kFrameSize);
    move(0, 0);

    m_page = new CTavrelDlg(this);
    m_page->setGeometry(kPageRect);
    m_page->show();
    g_skin.SetWindowUnskinned(m_page, 0);

    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CMainFrameDlg::OnHelp);
    connect(&m_page->Batch(), &ConversionBatch::busyChanged, this, [this](bool busy) {
        if (!busy && m_closeWhenIdle)
            close();
    });
}

void CMainFrameDlg::OnHelp()
{
    const QString chm = g_programDir + QStringLiteral("Help.chm");
    const QString html = g_programDir + QStringLiteral("help/help.html");
    ShellActions::OpenDocument(this, QFileInfo::exists(chm) ? chm : html);
}

void CMainFrameDlg::TakeFiles(const QStringList &files, const QStringList &rejected)
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    m_page->AddSourceFiles(files);
    // From the event loop: the notice's modal loop must not hold up the channel.
    if (!rejected.isEmpty())
        QTimer::singleShot(
            0, m_page, [page = m_page, rejected] { page->ReportNotAdded(rejected); });
}

void CMainFrameDlg::closeEvent(QCloseEvent *event)
{
    // A running batch is stopped first, and the window closes (ending the modal loop) once its
    // last job has ended, so that every kept file is checked and placed. When the person closed
    // the window (the close came from the window system), they are asked first; a session
    // logout, a signal or the program itself closes without asking.
    if (m_page && m_page->IsBusy()) {
        // Asked once; "Keep converting" keeps the window, unless the program closed it while it
        // asked (a signal arrived meanwhile and made it close once idle).
        if (!m_closeWhenIdle && event->spontaneous() && !qApp->isSavingSession()
            && !ShellActions::ConfirmStopAndClose(this) && isVisible() && !m_closeWhenIdle) {
            event->ignore();
            return;
        }
        m_closeWhenIdle = true;
        if (m_page->IsBusy())
            m_page->OnStop();
        if (m_page->IsBusy()) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

void CMainFrameDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter would press a default button and Escape would reject the dialog: neither may close
    // the program's one window.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
