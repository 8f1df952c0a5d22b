#include "CTavrelApp.h"

#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "ConversionBatch.h"
#include "InstanceChannel.h"
#include "ListKeeper.h"
#include "ProgramDir.h"
#include "SavedTaskList.h"
#include "SelfCheck.h"
#include "SkinDriver.h"
#include "SkinFactory.h"
#include "SourceFiles.h"
#include "TerminationSignals.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <memory>

CTavrelApp::CTavrelApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tavrel"));
    setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    // Logout, kill or a closed terminal: the batch stops and its files are cleaned up first.
    auto *terminationSignals = new TerminationSignals(this);
    connect(terminationSignals,
            &TerminationSignals::terminationRequested,
            this,
            &CTavrelApp::OnTerminationRequested);
    // Relative names resolve against the folder Tavrel was started from, which stays current.
    m_startupFiles
        = SourceFilesFromArguments(arguments().mid(1), QDir::currentPath(), &m_startupRejected);
}

CTavrelApp::~CTavrelApp()
{
    g_skin.ReleaseDispatch();
}

bool CTavrelApp::InitInstance()
{
    const QString selfCheckName = qEnvironmentVariable(kSelfCheckVariable);
    const QString selfCheckSource
        = selfCheckName.isEmpty() ? QString() : QFileInfo(selfCheckName).absoluteFilePath();
    // Files for the window that runs already go to it, and this program ends. The self-check
    // neither takes other programs' files nor keeps the list.
    InstanceChannel channel(InstanceChannel::DefaultName());
    const InstanceChannel::Role role = selfCheckSource.isEmpty()
                                           ? channel.Join(m_startupFiles, m_startupRejected)
                                           : InstanceChannel::Role::Alone;
    if (role == InstanceChannel::Role::Handed) {
        m_exitCode = 0;
        return false;
    }
    PrepareProcess();
    auto frame = std::make_unique<CMainFrameDlg>();
    if (selfCheckSource.isEmpty()) {
        CTavrelDlg *page = frame->page();
        ListKeeper keeper(page, SavedListFolder());
        keeper.Open();
        // The saved list first, then the command line's files, then files handed over.
        connect(&channel, &InstanceChannel::filesReceived, frame.get(), &CMainFrameDlg::TakeFiles);
        if (role == InstanceChannel::Role::First)
            channel.Listen();
        page->AddSourceFiles(m_startupFiles);
        // Once the window is up: the notice belongs in front of it.
        if (!m_startupRejected.isEmpty()) {
            QTimer::singleShot(
                0, page, [page, rejected = m_startupRejected] { page->ReportNotAdded(rejected); });
        }
        // A termination signal may have come while the files were probed.
        if (!m_terminated)
            frame->exec();
        channel.disconnect(frame.get());
        keeper.Close();
    } else {
        m_exitCode = RunSelfCheck(*frame, selfCheckSource);
    }
    if (m_terminated)
        m_exitCode = 0;
    // The window closed once its batch had ended; destroying it ends anything left at once.
    frame.reset();
    return false;
}

int CTavrelApp::ExitInstance()
{
    g_skin.EndSkinning();
    return m_exitCode;
}

void CTavrelApp::OnTerminationRequested()
{
    m_terminated = true;
    if (g_mainFrame && g_mainFrame->page() && g_mainFrame->page()->IsBusy())
        g_mainFrame->page()->OnStop();
    // Message boxes and the power-off countdown first, the main window last: each close ends
    // its modal loop. The main window closes once the stopped batch has ended.
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
    // The program's files are found by absolute path from its folder (the skin file below
    // among them); the working directory stays the one Tavrel was started in.
    if (g_programDir.isEmpty())
        InitProgramDir();

    g_skin.CreateDispatch(QString::fromLatin1(SkinComponentName));
    g_skin.SetSkinMode(0);
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(QString::fromLatin1(kSkinFile));
    g_skin.ActivateSkin();
}
