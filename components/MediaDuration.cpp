#include "MediaDuration.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <cmath>
#include <mutex>

namespace {

QByteArray FfmpegPath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toUtf8(); // libavformat opens UTF-8 names on Windows
#else
    return QFile::encodeName(path);
#endif
}

double Seconds(int64_t value, AVRational timeBase)
{
    if (value == AV_NOPTS_VALUE || value <= 0)
        return 0.0;
    return double(value) * av_q2d(timeBase);
}

// The container's duration, else the longest stream's.
double KnownDuration(const AVFormatContext *context)
{
    double seconds = Seconds(context->duration, AVRational{1, AV_TIME_BASE});
    if (seconds > 0.0)
        return seconds;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        seconds = std::max(seconds, Seconds(stream->duration, stream->time_base));
    }
    return seconds;
}

} // namespace

double ReadMediaDuration(const QString &path)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    // Only regular files: a device or a pipe could block the interface.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return 0.0;

    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, FfmpegPath(path).constData(), nullptr, nullptr) < 0)
        return 0.0;

    double seconds = 0.0;
    if (context->nb_streams > 0 || !(context->ctx_flags & AVFMTCTX_NOHEADER))
        seconds = KnownDuration(context);
    if (seconds <= 0.0 && avformat_find_stream_info(context, nullptr) >= 0)
        seconds = KnownDuration(context);
    if (context->nb_streams == 0)
        seconds = 0.0;
    avformat_close_input(&context);

    return std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
}
