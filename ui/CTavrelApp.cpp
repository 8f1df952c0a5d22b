#include "CTavrelApp.h"

#include "BatchState.h"
#include "CMainFrameDlg.h"
#include "EncoderRunner.h"
#include "SkinDriver.h"
#include "SkinFactory.h"

#include <QDir>

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
}

CTavrelApp::~CTavrelApp()
{
    g_skin.ReleaseDispatch();
}

bool CTavrelApp::InitInstance()
{
    PrepareProcess();
    auto frame = std::make_unique<CMainFrameDlg>();
    frame->exec();
    frame.reset();
    return false;
}

int CTavrelApp::ExitInstance()
{
    // A batch stopped by closing the window has waited for its encoder already; this is the
    // last guard that no encoder outlives the program.
    ShutDownEncoder();
    g_skin.EndSkinning();
    return 0;
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
