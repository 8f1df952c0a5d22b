// The program as a person runs it who presses Start as soon as the window is up: the real
// application object and window (the saved list, the "Open with" channel and all), its folder
// taken from TAVREL_RUNTIME_DIR (where the build lays out the profiles and the encoder). Tests
// start it to have a program that is converting when they kill it.

#include "CMainFrameDlg.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "ProgramDir.h"

#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    CTavrelApp app(argc, argv);
    g_programDir = QDir::toNativeSeparators(
        QDir::cleanPath(qEnvironmentVariable("TAVREL_RUNTIME_DIR")) + QLatin1Char('/'));
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&press] {
        if (!g_mainFrame || !g_mainFrame->isVisible())
            return;
        press.stop();
        g_mainFrame->page()->OnStart();
    });
    press.start(50);
    app.InitInstance();
    return app.ExitInstance();
}
