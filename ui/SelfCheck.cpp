#include "SelfCheck.h"

#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "ProgramDir.h"
#include "SkinDriver.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

int RunSelfCheck(CMainFrameDlg &frame, const QString &source)
{
    QTextStream out(stdout);
    CTavrelDlg *page = frame.page();
    out << "program folder: " << g_programDir << '\n';

    const bool skinActive = g_skin.component() && g_skin.component()->isActive();
    out << "skin: " << (skinActive ? "active" : "not loaded") << '\n';

    const auto *profiles = qobject_cast<QComboBox *>(page->Control(IDC_MPEG4_PROFILE));
    const int profileCount = profiles ? profiles->count() : 0;
    out << "profiles: " << profileCount << '\n';
    out.flush();

    // The video goes through the window's own path: added as Add adds it, then converted by
    // Start into the output directory. The window is not shown, so no message box appears. The
    // check waits here, in its own event loop, until the batch has ended (or a termination
    // signal stopped it).
    page->AddSourceFile(source);
    const int index = page->tasks().count() - 1;
    page->OnStart();
    if (page->IsBusy()) {
        QEventLoop wait;
        QObject::connect(&page->Batch(), &ConversionBatch::busyChanged, &wait, [&wait](bool busy) {
            if (!busy)
                wait.quit();
        });
        wait.exec();
    }

    const ConversionTask task = page->tasks().at(index);
    const QString output = task.outputFile;
    out << "encoder: " << page->Batch().LastEncoderProgram() << '\n';
    out << "output: " << output << '\n';
    if (task.state == TaskState::Failed)
        out << "failed: " << task.failureReason << '\n';
    const bool passed
        = skinActive && profileCount > 0 && IsConverted(task) && QFileInfo(output).size() > 0;
    out << (passed ? "self-check passed" : "self-check failed") << '\n';
    return passed ? 0 : 1;
}
