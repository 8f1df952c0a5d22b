// Writes main-window.png (the real window with the skin that start-up loads) and
// tasklist-states.png (the task list answering its cells as the window does, one row in each
// state a task can be in) into the folder given, the current folder by default.

#include "CFadePicture.h"
#include "CMainFrameDlg.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "ProgramDir.h"
#include "ProgressText.h"
#include "SkinDriver.h"
#include "TaskListHost.h"
#include "TaskRowStates.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

/// Handles events until done() is true or timeoutMs have passed.
template<typename Done>
void WaitUntil(Done done, int timeoutMs)
{
    QElapsedTimer wait;
    wait.start();
    while (!done() && wait.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

QImage MainWindowPicture()
{
    g_programDir = QDir::toNativeSeparators(QStringLiteral(TAVREL_RUNTIME_DIR "/"));
    CTavrelApp::PrepareProcess();
    QImage image;
    {
        CMainFrameDlg frame;
        frame.show();
        auto *picture = qobject_cast<CFadePicture *>(frame.page()->Control(IDC_PICTURE));
        WaitUntil([picture] { return picture && picture->fadeDone(); }, 30000);
        image = frame.grab().toImage();
    }
    g_skin.EndSkinning();
    g_skin.ReleaseDispatch();
    return image;
}

QImage TaskListPicture()
{
    const QList<TaskRowState> rows = EveryTaskRowState();
    TaskListHost host;
    host.list->setFont(QApplication::font()); // readable, smoothed text for people
    const QList<ColumnEntry> &columns = ColumnTable();
    for (int i = 0; i < columns.size(); ++i)
        host.list->InsertColumn(i, columns[i].heading, columns[i].alignment, columns[i].width);
    ShowTaskRowStates(host, rows, 60000);
    host.list->SelectRow(3);
    host.show();
    WaitUntil([&host] { return host.list->isVisible(); }, 5000);
    QCoreApplication::processEvents();
    return host.list->grab().toImage();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QDir folder(app.arguments().size() > 1 ? app.arguments().at(1) : QDir::currentPath());

    const std::pair<QString, QImage> pictures[] = {
        {QStringLiteral("main-window.png"), MainWindowPicture()},
        {QStringLiteral("tasklist-states.png"), TaskListPicture()},
    };
    int failures = 0;
    for (const auto &[name, image] : pictures) {
        const QString path = folder.absoluteFilePath(name);
        if (!image.isNull() && image.save(path)) {
            out << path << '\n';
        } else {
            err << "could not write " << path << '\n';
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
