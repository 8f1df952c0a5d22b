#include "CTavrelApp.h"

#include "BatchState.h"
#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "EncoderRunner.h"
#include "SelfCheck.h"
#include "SkinDriver.h"
#include "SkinFactory.h"
#include "SourceFiles.h"
#include "TerminationSignals.h"

#include <QDir>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

CTavrelApp::CTavrelApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tavrel"));
    setApplicationVersion(QStringLiteral(TAVREL_VERSION));
#ifdef Q_OS_UNIX
    // Writing "q" to an encoder that has already exited must fail harmlessly, not end Tavrel.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Logout, kill or a closed terminal: the batch stops and its files are cleaned up first.
    auto *terminationSignals = new TerminationSignals(this);
    connect(terminationSignals,
            &TerminationSignals::terminationRequested,
            this,
            &CTavrelApp::OnTerminationRequested);
    // Before start-up makes the program's folder current, so relative names still resolve.
    m_startupFiles
        = SourceFilesFromArguments(arguments().mid(1), QDir::currentPath(), &m_startupRejected);
}

CTavrelApp::~CTavrelApp()
{
    g_skin.ReleaseDispatch();
}

bool CTavrelApp::InitInstance()
{
    PrepareProcess();
    auto frame = std::make_unique<CMainFrameDlg>();
    const QString selfCheckSource = qEnvironmentVariable(kSelfCheckVariable);
    if (selfCheckSource.isEmpty()) {
        frame->page()->AddSourceFiles(m_startupFiles);
        // Once the window is up: the notice belongs in front of it.
        if (!m_startupRejected.isEmpty()) {
            CTavrelDlg *page = frame->page();
            QTimer::singleShot(
                0, page, [page, rejected = m_startupRejected] { page->ReportNotAdded(rejected); });
        }
        // A termination signal may have come while the files were probed.
        if (!m_terminated)
            frame->exec();
    } else {
        m_exitCode = RunSelfCheck(*frame, selfCheckSource);
    }
    if (m_terminated)
        m_exitCode = 0;
    frame.reset();
    return false;
}

int CTavrelApp::ExitInstance()
{
    // A batch stopped by closing the window has waited for its encoder already; this is the
    // last guard that no encoder outlives the program.
    ShutDownEncoder();
    g_skin.EndSkinning();
    return m_exitCode;
}

void CTavrelApp::OnTerminationRequested()
{
    m_terminated = true;
    if (g_mainFrame && g_mainFrame->page() && g_mainFrame->page()->IsBusy())
        g_mainFrame->page()->OnStop();
    // Message boxes and the power-off countdown first, the main window last: each close ends
    // its modal loop, and the batch (if any) unwinds below them.
    const QWidgetList windows = topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != g_mainFrame && window->isVisible())
            window->close();
    }
    if (g_mainFrame)
        g_mainFrame->close();
}

void CTavrelApp::PrepareProcess()
{
    // From here on relative paths resolve in the program's folder, wherever the program was
    // started from: the skin file below among them.
    if (g_programDir.isEmpty())
        InitProgramDir();
    QDir::setCurrent(g_programDir);

    g_skin.CreateDispatch(QString::fromLatin1(SkinComponentName));
    g_skin.SetSkinMode(0);
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(QString::fromLatin1(kSkinFile));
    g_skin.ActivateSkin();
}
