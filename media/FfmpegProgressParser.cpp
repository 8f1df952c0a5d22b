#include "FfmpegProgressParser.h"

#include <cmath>

namespace {
// Lines of the progress output are short; a longer run of bytes without a newline is not
// progress output and is dropped rather than kept growing.
constexpr qsizetype MaxLineLength = 4096;
} // namespace

QList<FfmpegProgressParser::Update> FfmpegProgressParser::feed(const QByteArray &bytes)
{
    QList<Update> updates;
    m_pending += bytes;
    qsizetype start = 0;
    for (;;) {
        const qsizetype newline = m_pending.indexOf('\n', start);
        if (newline < 0)
            break;
        handleLine(m_pending.mid(start, newline - start).trimmed(), updates);
        start = newline + 1;
    }
    m_pending.remove(0, start);
    if (m_pending.size() > MaxLineLength)
        m_pending.clear();
    return updates;
}

void FfmpegProgressParser::reset()
{
    m_pending.clear();
    m_position = 0.0;
}

void FfmpegProgressParser::handleLine(const QByteArray &line, QList<Update> &updates)
{
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0)
        return;
    const QByteArray key = line.left(equals);
    const QByteArray value = line.mid(equals + 1).trimmed();
    if (key == "out_time_us" || key == "out_time_ms") {
        // Both carry microseconds (the "ms" name is a historical slip); "N/A" before the first
        // frame, and a negative value while the first timestamps settle.
        bool ok = false;
        const qlonglong micros = value.toLongLong(&ok);
        if (ok) {
            const double seconds = double(micros) / 1e6;
            if (std::isfinite(seconds))
                m_position = std::max(0.0, seconds);
        }
    } else if (key == "progress") {
        updates.append(Update{m_position, value == "end"});
    }
}
