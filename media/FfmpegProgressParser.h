#pragma once

#include <QByteArray>
#include <QList>

/// Reads FFmpeg's machine-readable progress output ("-progress pipe:1": key=value lines, each
/// block closed by "progress=continue" or "progress=end") in the pieces a pipe delivers.
class FfmpegProgressParser
{
public:
    struct Update
    {
        double position = 0.0; ///< seconds of output written, never negative
        bool end = false;      ///< the closing block of the run
    };

    /// Takes the next bytes and returns one update per block they complete.
    QList<Update> feed(const QByteArray &bytes);
    void reset();

private:
    void handleLine(const QByteArray &line, QList<Update> &updates);

    QByteArray m_pending;
    double m_position = 0.0;
};
