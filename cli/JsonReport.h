#pragma once

#include "ConvertReport.h"

#include <QHash>

/// The report for scripts: one JSON object a line, each with "event" and, for a video, "index"
/// (from 0) and "file" (the source's absolute path):
///   start    also "total"
///   progress also "percent" (0 to 100, one decimal), "size_kb" and "remaining" (seconds) when
///            known; one each time the whole percent changes
///   finished also "output"
///   failed   also "reason"
///   stopped  also "output" and "kept_seconds" when part of it was kept
/// and each of these three "log", the file of the run's log, when it was written
///   done     "converted", "failed", "stopped", "not_started", "status" (the exit status)
/// quiet leaves out the progress events.
class JsonReport : public ConvertReport
{
public:
    JsonReport(std::FILE *out, bool quiet);

    void Started(const ConvertVideo &video) override;
    void Progressed(const ConvertVideo &video) override;
    void Ended(const ConvertVideo &video) override;
    void Done(const ConvertSummary &summary) override;

private:
    bool m_quiet;
    QHash<int, int> m_lastPercent; ///< by video index
};
