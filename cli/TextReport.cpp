#include "TextReport.h"

#include <QFileInfo>

#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

/// A running video's lines are redrawn at most this often, milliseconds.
constexpr int RedrawIntervalMs = 200;

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

TextReport::TextReport(std::FILE *out, Mode mode)
    : ConvertReport(out)
    , m_mode(mode)
{
    m_pendingDraw.setSingleShot(true);
    QObject::connect(&m_pendingDraw, &QTimer::timeout, &m_pendingDraw, [this] { Redraw(); });
}

bool TextReport::IsTerminal(std::FILE *out)
{
#ifdef Q_OS_UNIX
    const char *term = std::getenv("TERM");
    return ::isatty(::fileno(out)) == 1 && term && *term && std::strcmp(term, "dumb") != 0;
#else
    Q_UNUSED(out)
    return false;
#endif
}

int TextReport::Width() const
{
#ifdef Q_OS_UNIX
    winsize size = {};
    if (::ioctl(::fileno(Out()), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
#endif
    return 80;
}

void TextReport::Started(const ConvertVideo &video)
{
    const QString name = FileName(video.task.sourcePath);
    const QString place = QStringLiteral("[%1/%2]").arg(video.index + 1).arg(video.total);
    if (m_mode == Mode::Lines) {
        //: %1 is the video's place, such as [2/5]; %2 its file name
        Write(tr("%1 Converting %2").arg(place, name).toLocal8Bit() + '\n');
    } else if (m_mode == Mode::Live) {
        //: %1 is the video's place, such as [2/5]; %2 its file name
        m_running.insert(video.index, tr("%1 %2: starting").arg(place, name));
        Redraw();
    }
}

void TextReport::Progressed(const ConvertVideo &video)
{
    if (m_mode != Mode::Live || !video.figures.reported)
        return;
    const ProgressFigures &figures = video.figures;
    const qint64 bytes = figures.sizeKB >= 0 ? qint64(figures.sizeKB) * 1024 : video.partBytes;
    //: %1 is a size in megabytes, such as 12.5
    const QString size
        = bytes >= 0 ? tr("%1 MB").arg(double(bytes) / 1048576.0, 0, 'f', 1) : QStringLiteral("--");
    //: %1 is the time still needed, hh:mm:ss
    const QString remaining = figures.remainingSeconds >= 0
                                  ? tr("%1 left").arg(FormatHms(figures.remainingSeconds))
                                  : QString();
    //: a running video's line: [%1 of %2 videos] %3 file name, %4 percent done, %5 size written
    //: ("12.5 MB"), %6 time left ("00:01:05 left", may be empty); one line of a terminal
    m_running.insert(video.index,
                     tr("[%1/%2] %3  %4 %  %5  %6")
                         .arg(QString::number(video.index + 1),
                              QString::number(video.total),
                              FileName(video.task.sourcePath),
                              QString::number(figures.percent, 'f', 1),
                              size,
                              remaining));
    const qint64 sinceDraw = m_sinceDraw.isValid() ? m_sinceDraw.elapsed() : RedrawIntervalMs;
    if (sinceDraw >= RedrawIntervalMs)
        Redraw();
    else if (!m_pendingDraw.isActive())
        m_pendingDraw.start(int(RedrawIntervalMs - sinceDraw));
}

void TextReport::Ended(const ConvertVideo &video)
{
    const ConversionTask &task = video.task;
    const QString place = QStringLiteral("[%1/%2]").arg(video.index + 1).arg(video.total);
    const QString name = FileName(task.sourcePath);
    QString line;
    switch (task.state) {
    case TaskState::Finished:
        if (task.videoCopied) {
            //: %1 is the video's place, such as [2/5]; %2 its file name; %3 the output file's
            //: path. Its picture was copied from the source, not encoded again.
            line = tr("%1 Converted %2 -> %3 (video copied)").arg(place, name, task.outputFile);
        } else {
            //: %1 is the video's place, such as [2/5]; %2 its file name; %3 the output file's
            //: path
            line = tr("%1 Converted %2 -> %3").arg(place, name, task.outputFile);
        }
        break;
    case TaskState::Failed:
        // A reason of several lines keeps them, indented under the first.
        //: %1 is the video's place, such as [2/5]; %2 its file name; %3 why it failed
        line = tr("%1 Failed %2: %3")
                   .arg(place, name, task.failureReason.trimmed().replace(u'\n', "\n    "));
        break;
    default:
        line = task.outputFile.isEmpty()
                   //: %1 is the video's place, such as [2/5]; %2 its file name
                   ? tr("%1 Stopped %2: nothing was kept").arg(place, name)
                   //: %1 is the video's place, such as [2/5]; %2 its file name; %3 a time,
                   //: hh:mm:ss; %4 the output file's path
                   : tr("%1 Stopped %2: the first %3 were kept in %4")
                         .arg(place,
                              name,
                              FormatHms(TruncateToInt(task.keptSeconds)),
                              task.outputFile);
        break;
    }
    m_running.remove(video.index);
    if (m_mode == Mode::Live)
        Redraw({line});
    else if (m_mode == Mode::Lines || task.state == TaskState::Failed)
        Write(line.toLocal8Bit() + '\n');
}

void TextReport::Done(const ConvertSummary &summary)
{
    m_running.clear();
    QStringList lines;
    for (const ConvertVideo &video : summary.failures) {
        if (!video.logFile.isEmpty())
            //: %1 is a video's file name, %2 the path of its log file
            lines.append(tr("Log of %1: %2").arg(FileName(video.task.sourcePath), video.logFile));
    }
    if (m_mode != Mode::Quiet) {
        if (summary.stopped > 0 || summary.notStarted > 0) {
            //: the summary after a termination signal; %1 to %4 are numbers of videos
            lines.append(tr("Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.")
                             .arg(summary.converted)
                             .arg(summary.failed)
                             .arg(summary.stopped)
                             .arg(summary.notStarted));
        } else {
            //: the summary; %1 and %2 are numbers of videos
            lines.append(tr("%1 converted, %2 failed.").arg(summary.converted).arg(summary.failed));
        }
    }
    if (m_mode == Mode::Live)
        Redraw(lines);
    else if (!lines.isEmpty())
        Write(lines.join(u'\n').toLocal8Bit() + '\n');
}

void TextReport::Redraw(const QStringList &lasting)
{
    QByteArray text;
    // Back to the first running line; each line is cleared before it is written again, and
    // what is below the last one (a line of a video that has ended since) is cleared too.
    if (m_drawnLines > 0)
        text += "\r\x1b[" + QByteArray::number(m_drawnLines) + 'A';
    for (const QString &line : lasting)
        text += "\x1b[2K" + line.toLocal8Bit() + '\n';
    // A running line must not wrap: the cursor would no longer come back to its start.
    const int width = std::max(10, Width() - 1);
    for (const QString &line : std::as_const(m_running))
        text += "\x1b[2K" + line.left(width).toLocal8Bit() + '\n';
    text += "\x1b[J";
    m_drawnLines = int(m_running.size());
    m_sinceDraw.start();
    m_pendingDraw.stop();
    Write(text);
}
