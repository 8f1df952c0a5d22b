#include "CTavrelApp.h"
#include "ProgramDir.h"

int main(int argc, char *argv[])
{
    CTavrelApp app(argc, argv);
    InitProgramDir();
    app.InitInstance();
    return app.ExitInstance();
}
