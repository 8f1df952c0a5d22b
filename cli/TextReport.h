#pragma once

#include "ConvertReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTimer>

/// The report for people. On a terminal (Live) one line per running video with its percent,
/// size and remaining time, redrawn in place with ANSI cursor movements; the line of a video
/// that has ended stays above them. Elsewhere (Lines) a line when a video starts and when it
/// ends. Quiet tells only failures. Each mode ends with the failures' logs; all but Quiet with
/// a summary.
class TextReport : public ConvertReport
{
    Q_DECLARE_TR_FUNCTIONS(TextReport)

public:
    enum class Mode { Live, Lines, Quiet };

    TextReport(std::FILE *out, Mode mode);

    /// Whether out is a terminal that understands cursor movements (not TERM=dumb).
    static bool IsTerminal(std::FILE *out);

    void Started(const ConvertVideo &video) override;
    void Progressed(const ConvertVideo &video) override;
    void Ended(const ConvertVideo &video) override;
    void Done(const ConvertSummary &summary) override;

private:
    /// Redraws the running videos' lines, with lines that stay written above them first.
    void Redraw(const QStringList &lasting = {});
    /// Columns of the terminal; 80 when it does not say.
    int Width() const;

    Mode m_mode;
    QMap<int, QString> m_running; ///< the running videos' lines, by index
    int m_drawnLines = 0;         ///< lines of m_running on the screen now
    QElapsedTimer m_sinceDraw;
    QTimer m_pendingDraw; ///< a redraw held back by the interval
};
