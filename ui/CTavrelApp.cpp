#include "CTavrelApp.h"

#include "BatchState.h"
#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "ConversionBatch.h"
#include "SelfCheck.h"
#include "SkinDriver.h"
#include "SkinFactory.h"
#include "SourceFiles.h"

#include <QDir>
#include <QFileInfo>

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
    // Relative names resolve against the folder Tavrel was started from, which stays current.
    m_startupFiles = SourceFilesFromArguments(arguments().mid(1), QDir::currentPath());
}

CTavrelApp::~CTavrelApp()
{
    g_skin.ReleaseDispatch();
}

bool CTavrelApp::InitInstance()
{
    PrepareProcess();
    auto frame = std::make_unique<CMainFrameDlg>();
    const QString selfCheckName = qEnvironmentVariable(kSelfCheckVariable);
    const QString selfCheckSource
        = selfCheckName.isEmpty() ? QString() : QFileInfo(selfCheckName).absoluteFilePath();
    if (selfCheckSource.isEmpty()) {
        frame->page()->AddSourceFiles(m_startupFiles);
        frame->exec();
    } else {
        m_exitCode = RunSelfCheck(*frame, selfCheckSource);
    }
    // A batch stopped by closing the window has waited for its encoder already; this is the
    // last guard that no encoder outlives the window.
    frame->page()->Batch().ShutDownEncoder();
    frame.reset();
    return false;
}

int CTavrelApp::ExitInstance()
{
    g_skin.EndSkinning();
    return m_exitCode;
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
