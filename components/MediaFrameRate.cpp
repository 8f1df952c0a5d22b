#include "MediaFrameRate.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <cmath>
#include <mutex>

namespace {

double UsableRate(AVRational rate)
{
    if (rate.num <= 0 || rate.den <= 0)
        return 0.0;
    const double fps = av_q2d(rate);
    // Above this a stated rate is a time base, not a picture rate.
    return std::isfinite(fps) && fps <= 1000.0 ? fps : 0.0;
}

} // namespace

double ReadVideoFrameRate(const QString &path)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    // Only regular files: a device or a pipe could block.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return 0.0;
#ifdef Q_OS_WIN
    const QByteArray name = path.toUtf8();
#else
    const QByteArray name = QFile::encodeName(path);
#endif
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, name.constData(), nullptr, nullptr) < 0)
        return 0.0;
    double fps = 0.0;
    if (avformat_find_stream_info(context, nullptr) >= 0) {
        const int index = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVStream *stream = context->streams[index];
            fps = UsableRate(stream->avg_frame_rate);
            if (fps <= 0.0)
                fps = UsableRate(stream->r_frame_rate);
        }
    }
    avformat_close_input(&context);
    return fps;
}
