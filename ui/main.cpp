#include "AppTranslations.h"
#include "CTavrelApp.h"
#include "ProgramDir.h"

int main(int argc, char *argv[])
{
    CTavrelApp app(argc, argv);
    InstallTranslations(PreferredLocale());
    InitProgramDir();
    app.InitInstance();
    return app.ExitInstance();
}
