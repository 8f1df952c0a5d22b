#include "BatchState.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InitProgramDir();
    QLabel window(QStringLiteral("Tavrel"));
    window.resize(692, 590);
    window.show();
    return app.exec();
}
