#include "ProgressText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The progress cell's words stand four blanks from its left edge.
const QString kIndent = QStringLiteral("    ");
const COLORREF kBarColor = Rgb(154, 30, 28);

/// The path's file name: what follows its last directory separator.
QString FileNameOf(const QString &path)
{
#ifdef Q_OS_WIN
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#else
    const qsizetype separator = path.lastIndexOf(u'/');
#endif
    return separator < 0 ? path : path.mid(separator + 1);
}

/// Percent done of an encoder run over `length` seconds, rounded half up; 99 and above show as
/// 100 (the encoder's last report usually stops short of the end). Not-a-number gives 0.
double EncodePercent(double encodedTime, double length)
{
    if (!(length > 0.0))
        return 0.0;
    const double percent = encodedTime * 100.0 / length + 0.5;
    if (std::isnan(percent))
        return 0.0;
    return percent >= 99.0 ? 100.0 : percent;
}

/// Seconds left: measured media time left divided by the encoding speed once the encoder has
/// done 20 seconds (before that the speed is too unsteady), else the media time left itself.
int RemainingSeconds(double length, double encodedTime, double speed)
{
    const double left = length - encodedTime;
    if (speed > 0.0 && encodedTime > 20.0)
        return TruncateToInt(left / speed);
    return TruncateToInt(left);
}

/// "Remain Time:" followed by the seconds as hh:mm:ss.
QString RemainText(int remaining)
{
    //: Progress cell, before the time left as hh:mm:ss; the cell is narrow.
    return QCoreApplication::translate("ProgressText", "Remain Time:") + FormatHms(remaining);
}

QString EncodeText(double percent, int sizeKB, int remaining)
{
    return QString::asprintf("    %.2f%%  %.02fMB   ", percent, double(sizeKB) / 1024.0)
           + RemainText(remaining);
}

/// The progress of a task that is waiting or being converted.
void FillRunningProgress(TaskCell &cell,
                         const ConversionTask &task,
                         quint32 wmvStartTick,
                         quint32 now)
{
    const ProgressFigures figures = ComputeProgressFigures(task, wmvStartTick, now);
    if (!figures.reported)
        return;
    cell.progressMax = 100;
    cell.progressPos = TruncateToInt(figures.percent);
    cell.barColor = kBarColor;
    if (task.outputWmv != 0) {
        cell.text = QString::asprintf("    %d %%   ", task.wmvPercent)
                    //: Progress cell; %1 is the whole seconds the conversion has taken so far.
                    + QCoreApplication::translate("ProgressText", "Used Time:%1 S")
                          .arg(unsigned(figures.usedSeconds));
    } else if (figures.sizeKB < 0) {
        cell.text = QString::asprintf("    %.2f%%    ", figures.percent)
                    + RemainText(figures.remainingSeconds);
    } else {
        cell.text = EncodeText(figures.percent, figures.sizeKB, figures.remainingSeconds);
    }
}

void FillProgress(TaskCell &cell, const ConversionTask &task, quint32 wmvStartTick, quint32 now)
{
    if (task.state == TaskState::Failed) {
        // A failed run has no meaningful position. Its reason follows on the same line (its first
        // line; the list cuts it where the cell ends) and shows whole in the tooltip.
        const QString reason = task.failureReason.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (reason.isEmpty()) {
            //: Progress cell of a conversion that failed.
            cell.text = kIndent + QCoreApplication::translate("ProgressText", "Failed");
        } else {
            //: Progress cell; %1 is the first line of why the conversion failed.
            cell.text
                = kIndent + QCoreApplication::translate("ProgressText", "Failed: %1").arg(reason);
        }
        cell.toolTip = task.failureReason;
        return;
    }
    if (task.state == TaskState::Stopped) {
        //: Progress cell of a conversion the user stopped.
        cell.text = kIndent + QCoreApplication::translate("ProgressText", "Stopped");
        if (task.keptSeconds > 0.0) {
            //: Tooltip; %1 is a length as hh:mm:ss, %2 the output file's name.
            cell.toolTip
                = QCoreApplication::translate("ProgressText",
                                              "Stopped: the first %1 were kept in %2.")
                      .arg(FormatHms(TruncateToInt(task.keptSeconds)), FileNameOf(task.outputFile));
        } else {
            //: Tooltip of a stopped conversion whose output file was removed.
            cell.toolTip
                = QCoreApplication::translate("ProgressText", "Stopped: nothing was kept.");
        }
        return;
    }
    if (task.state == TaskState::Finished) {
        //: Progress cell of a conversion that ended well.
        cell.text = kIndent + QCoreApplication::translate("ProgressText", "Finished");
        if (task.videoCopied)
            //: Tooltip: the picture was copied from the source, not encoded again.
            cell.toolTip = QCoreApplication::translate("ProgressText", "video copied");
        cell.progressMax = 100;
        cell.progressPos = 100;
        cell.barColor = kBarColor;
        return;
    }
    FillRunningProgress(cell, task, wmvStartTick, now);
    if (task.state == TaskState::Paused) {
        // The bar stays where the job was suspended; the words say why it does not move.
        //: Progress cell of a conversion the user paused.
        cell.text = kIndent + QCoreApplication::translate("ProgressText", "Paused");
        if (cell.progressMax <= 0) {
            cell.progressMax = 100;
            cell.barColor = kBarColor;
        }
    }
}

} // namespace

ProgressFigures ComputeProgressFigures(const ConversionTask &task,
                                       quint32 wmvStartTick,
                                       quint32 nowTick)
{
    ProgressFigures figures;
    if (task.outputWmv != 0) {
        if (task.wmvPercent <= 0)
            return figures;
        figures.reported = true;
        figures.percent = task.wmvPercent;
        // Unsigned difference: right across a wrap of the tick count.
        figures.usedSeconds = (nowTick - wmvStartTick) / 1000u;
        // The converter reports no speed: the time so far, scaled to what is left.
        figures.remainingSeconds
            = int(figures.usedSeconds * (100 - std::min(task.wmvPercent, 100)) / task.wmvPercent);
        return figures;
    }

    const double length = task.trimEnd - task.trimStart;
    if (task.needsPreconversion == 0) {
        if (!(task.encodedTime > 0.0) || task.sizeKB <= 0)
            return figures; // the encoder has not reported yet
        figures.reported = true;
        figures.percent = EncodePercent(task.encodedTime, length);
        figures.sizeKB = task.sizeKB;
        figures.remainingSeconds
            = std::max(0, RemainingSeconds(length, task.encodedTime, task.speed));
        return figures;
    }

    // Pre-converted source: the pre-conversion is the first half, the encoding of the
    // intermediate file the second.
    switch (task.preconvPhase) {
    case 1: {
        double half = task.preconvPercent * 0.5;
        if (std::isnan(half))
            half = 0.0;
        figures.reported = true;
        figures.percent = half;
        // Half the trimmed length is the estimate for the encoding that follows.
        figures.remainingSeconds = std::max(0, TruncateToInt(length * 0.5 + task.preconvRemaining));
        return figures;
    }
    case 2:
        figures.reported = true;
        figures.percent = length > 0.0 ? EncodePercent(task.encodedTime, length) * 0.5 + 50.0 : 0.0;
        figures.sizeKB = task.sizeKB;
        figures.remainingSeconds
            = std::max(0, RemainingSeconds(length, task.encodedTime, task.speed));
        return figures;
    default:
        return figures;
    }
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

QString FormatHms(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QString::asprintf("%02lld:%02lld:%02lld",
                             static_cast<long long>(seconds / 3600),
                             static_cast<long long>(seconds % 3600 / 60),
                             static_cast<long long>(seconds % 60));
}

RowColors TaskRowColors(int row)
{
    RowColors colors;
    const bool even = row % 2 == 0;
    colors.textColor = even ? Rgb(10, 5, 20) : Rgb(40, 10, 40);
    colors.backColor = even ? Rgb(180, 180, 255) : Rgb(220, 220, 255);
    colors.selTextColor = even ? Rgb(240, 200, 128) : Rgb(240, 250, 128);
    colors.selBackColorNoFocus = even ? Rgb(20, 20, 120) : Rgb(20, 60, 120);
    colors.selBackColor = Rgb(30, 50, 96);
    colors.hotTextColor = Rgb(170, 10, 150);
    return colors;
}

TaskCell ComputeTaskCell(
    const ConversionTask &task, int row, int column, quint32 wmvStartTick, quint32 nowTick)
{
    TaskCell cell;
    cell.colors = TaskRowColors(row);
    switch (column) {
    case 0:
        cell.text = FileNameOf(task.sourcePath);
        break;
    case 1:
        cell.text = FormatHms(TruncateToInt(task.trimStart));
        break;
    case 2:
        cell.text = FormatHms(TruncateToInt(task.trimEnd));
        break;
    case 3:
        // The name the file really got once it is known (another file may have taken the title).
        cell.text
            = !task.outputFile.isEmpty()
                  ? FileNameOf(task.outputFile)
                  : task.title
                        + (task.outputWmv != 0 ? QLatin1String(".wmv") : QLatin1String(".mp4"));
        // What the run did to the source (deinterlaced, tone-mapped, the sound, the subtitles).
        cell.toolTip = task.treatmentSummary;
        break;
    case 4:
        FillProgress(cell, task, wmvStartTick, nowTick);
        break;
    default:
        break;
    }
    if (!task.note.isEmpty())
        cell.toolTip = cell.toolTip.isEmpty() ? task.note : cell.toolTip + u'\n' + task.note;
    return cell;
}
