#include "SafeMediaFile.h"

#include "SafeMediaInput.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <cmath>
#include <mutex>

#include <sys/stat.h>

namespace {

double Seconds(int64_t value, AVRational timeBase)
{
    if (value == AV_NOPTS_VALUE || value <= 0)
        return 0.0;
    return double(value) * av_q2d(timeBase);
}

QString AvError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

bool IsRegularFile(const QString &path)
{
    struct stat info = {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0
           && S_ISREG(info.st_mode);
}

SafeMediaFile::SafeMediaFile(const QString &path, int deadlineMs)
    : m_deadlineMs(deadlineMs)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    m_clock.start();

    // A FIFO or a device would block the open itself, before any deadline can help.
    if (!IsRegularFile(path)) {
        m_error = QFileInfo::exists(path)
                      ? tr("The file could not be read: it is not a regular file.")
                      : tr("The file could not be read: it does not exist.");
        return;
    }
    AVFormatContext *context = avformat_alloc_context();
    if (!context) {
        m_error = tr("Out of memory.");
        return;
    }
    context->interrupt_callback.callback = &SafeMediaFile::Interrupted;
    context->interrupt_callback.opaque = this;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "format_whitelist", SafeMediaFormats, 0);
    av_dict_set(&options, "protocol_whitelist", SafeMediaProtocols, 0);
    // "file:" so that no name is read as another protocol ("subfile,...", "pipe:").
    const QByteArray url = "file:" + QFile::encodeName(path);
    const int opened = avformat_open_input(&context, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        Fail(opened); // the context is freed
        return;
    }
    m_context = context;
}

SafeMediaFile::~SafeMediaFile()
{
    if (m_context)
        avformat_close_input(&m_context);
}

int SafeMediaFile::Interrupted(void *opaque)
{
    const auto *self = static_cast<const SafeMediaFile *>(opaque);
    return self->m_clock.elapsed() > self->m_deadlineMs ? 1 : 0;
}

void SafeMediaFile::Fail(int code)
{
    if (m_clock.elapsed() > m_deadlineMs)
        m_error = tr("The file could not be read in time.");
    else
        //: %1 is libavformat's reason, in English.
        m_error = tr("The file could not be read: %1").arg(AvError(code));
}

bool SafeMediaFile::FindStreamInfo()
{
    if (!m_context)
        return false;
    const int found = avformat_find_stream_info(m_context, nullptr);
    if (found < 0) {
        Fail(found);
        return false;
    }
    return true;
}

double SafeMediaFile::Duration() const
{
    if (!m_context)
        return 0.0;
    double seconds = Seconds(m_context->duration, AVRational{1, AV_TIME_BASE});
    if (seconds <= 0.0) {
        for (unsigned i = 0; i < m_context->nb_streams; ++i) {
            const AVStream *stream = m_context->streams[i];
            seconds = std::max(seconds, Seconds(stream->duration, stream->time_base));
        }
    }
    return std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
}
