#include "MediaFrameRate.h"

#include "SafeMediaFile.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cmath>

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
    // The source is untrusted: a regular file of a real container format, read with a deadline.
    SafeMediaFile file(path);
    if (!file.IsOpen() || !file.FindStreamInfo())
        return 0.0;
    AVFormatContext *context = file.Context();
    const int index = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return 0.0;
    const AVStream *stream = context->streams[index];
    const double fps = UsableRate(stream->avg_frame_rate);
    return fps > 0.0 ? fps : UsableRate(stream->r_frame_rate);
}
