#pragma once

#include "ConversionTask.h"
#include "ProgressText.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>

/// One video of tavrel-convert's batch as a report sees it.
struct ConvertVideo
{
    int index = 0; ///< its place among the batch's videos, from 0
    int total = 0; ///< how many videos the batch has
    ConversionTask task;
    /// While it is converted: how far it has come (the window's Progress column's figures).
    ProgressFigures figures;
    /// Bytes of the file being written when the task carries no size (WMV, pre-conversion);
    /// -1 when unknown.
    qint64 partBytes = -1;
    QString logFile; ///< its log of this run, once written (after its end)
};

/// How a batch of tavrel-convert ended.
struct ConvertSummary
{
    int converted = 0;
    int failed = 0;
    int stopped = 0;    ///< ended by a termination signal
    int notStarted = 0; ///< still waiting when the batch was stopped
    int exitStatus = 0;
    /// The videos that failed, with their reasons and logs.
    QList<ConvertVideo> failures;
};

/// Where tavrel-convert tells what happens: JSON lines for scripts (JsonReport) or text for
/// people (TextReport). For each video Started comes first, then any number of Progressed, then
/// Ended once (task.state Finished, Failed or Stopped); Done comes last, once.
class ConvertReport
{
public:
    explicit ConvertReport(std::FILE *out)
        : m_out(out)
    {}
    virtual ~ConvertReport() = default;
    Q_DISABLE_COPY(ConvertReport)

    virtual void Started(const ConvertVideo &video) = 0;
    virtual void Progressed(const ConvertVideo &video) = 0;
    virtual void Ended(const ConvertVideo &video) = 0;
    virtual void Done(const ConvertSummary &summary) = 0;

protected:
    std::FILE *Out() const { return m_out; }
    /// Writes text and flushes, so that a reader sees each report as it happens.
    void Write(const QByteArray &text)
    {
        std::fwrite(text.constData(), 1, size_t(text.size()), m_out);
        std::fflush(m_out);
    }

private:
    std::FILE *m_out;
};
