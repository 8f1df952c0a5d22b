#include "SelfCheck.h"

#include "BatchState.h"
#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "CommandLine.h"
#include "ControlTable.h"
#include "EncoderRunner.h"
#include "MediaDuration.h"
#include "SkinDriver.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
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

    // One task, as Add would make it, converted the way a batch converts an MP4 task.
    TaskArray &tasks = page->tasks();
    const int index = tasks.append(NewConversionTask(source, ReadMediaDuration(source), 0, 0));
    const QString output = QDir::toNativeSeparators(
        QDir(page->Destination()).filePath(tasks.at(index).title + QStringLiteral(".mp4")));
    g_stopRequested = false;
    g_batchIndex = index;
    g_encodeStartTick = TickCount();
    const QString commandLine = BuildCommandLine(tasks.at(index), output);
    out.flush();
    RunEncoder(commandLine, index, tasks);

    const ConversionTask task = tasks.at(index);
    out << "encoder: " << (g_encoder ? g_encoder->program() : QString()) << '\n';
    out << "output: " << output << '\n';
    if (task.failed)
        out << "failed: " << task.failureReason << '\n';
    const bool passed = skinActive && profileCount > 0 && !commandLine.isEmpty() && !task.failed
                        && QFileInfo(output).size() > 0;
    out << (passed ? "self-check passed" : "self-check failed") << '\n';
    return passed ? 0 : 1;
}
