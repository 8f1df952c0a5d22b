#include "JsonReport.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

QJsonObject VideoEvent(const char *event, const ConvertVideo &video)
{
    return {{QStringLiteral("event"), QLatin1String(event)},
            {QStringLiteral("index"), video.index},
            {QStringLiteral("file"), video.task.sourcePath}};
}

} // namespace

JsonReport::JsonReport(std::FILE *out, bool quiet)
    : ConvertReport(out)
    , m_quiet(quiet)
{}

void JsonReport::Started(const ConvertVideo &video)
{
    QJsonObject event = VideoEvent("start", video);
    event.insert(QStringLiteral("total"), video.total);
    Write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}

void JsonReport::Progressed(const ConvertVideo &video)
{
    if (m_quiet || !video.figures.reported)
        return;
    const int whole = int(std::floor(video.figures.percent));
    if (m_lastPercent.value(video.index, -1) == whole)
        return;
    m_lastPercent.insert(video.index, whole);
    QJsonObject event = VideoEvent("progress", video);
    event.insert(QStringLiteral("percent"), std::round(video.figures.percent * 10.0) / 10.0);
    if (video.figures.sizeKB >= 0)
        event.insert(QStringLiteral("size_kb"), video.figures.sizeKB);
    else if (video.partBytes >= 0)
        event.insert(QStringLiteral("size_kb"), video.partBytes / 1024);
    if (video.figures.remainingSeconds >= 0)
        event.insert(QStringLiteral("remaining"), video.figures.remainingSeconds);
    Write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}

void JsonReport::Ended(const ConvertVideo &video)
{
    const ConversionTask &task = video.task;
    QJsonObject event;
    switch (task.state) {
    case TaskState::Finished:
        event = VideoEvent("finished", video);
        event.insert(QStringLiteral("output"), task.outputFile);
        event.insert(QStringLiteral("video_copied"), task.videoCopied);
        break;
    case TaskState::Failed:
        event = VideoEvent("failed", video);
        event.insert(QStringLiteral("reason"), task.failureReason);
        break;
    default:
        event = VideoEvent("stopped", video);
        if (!task.outputFile.isEmpty()) {
            event.insert(QStringLiteral("output"), task.outputFile);
            event.insert(QStringLiteral("kept_seconds"), task.keptSeconds);
        }
        break;
    }
    if (!video.logFile.isEmpty())
        event.insert(QStringLiteral("log"), video.logFile);
    Write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}

void JsonReport::Done(const ConvertSummary &summary)
{
    const QJsonObject event{{QStringLiteral("event"), QStringLiteral("done")},
                            {QStringLiteral("converted"), summary.converted},
                            {QStringLiteral("failed"), summary.failed},
                            {QStringLiteral("stopped"), summary.stopped},
                            {QStringLiteral("not_started"), summary.notStarted},
                            {QStringLiteral("status"), summary.exitStatus}};
    Write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}
