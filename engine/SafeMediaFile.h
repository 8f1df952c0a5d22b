#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

struct AVFormatContext;

/// A media file opened for reading in process by libavformat, the safe way: only a local regular
/// file (never a FIFO, device or directory), only the demuxers and protocols of SafeMediaInput.h,
/// and every blocking read given up once the deadline has passed. Thread-safe to use on any one
/// thread; libavformat's log is kept quiet.
class SafeMediaFile
{
    Q_DISABLE_COPY(SafeMediaFile)
    Q_DECLARE_TR_FUNCTIONS(SafeMediaFile)

public:
    /// How long opening and reading a file may take, in milliseconds, unless told otherwise.
    static constexpr int DefaultDeadlineMs = 2000;

    /// Opens path; IsOpen tells whether that worked and Error why not.
    explicit SafeMediaFile(const QString &path, int deadlineMs = DefaultDeadlineMs);
    ~SafeMediaFile();

    bool IsOpen() const { return m_context != nullptr; }
    /// Why the file could not be opened or read; empty while all is well.
    QString Error() const { return m_error; }
    /// The open context (nullptr when not open). Owned by this object.
    AVFormatContext *Context() const { return m_context; }

    /// Reads ahead to learn what the header does not say (avformat_find_stream_info).
    bool FindStreamInfo();
    /// The container's duration in seconds, else its longest stream's; 0 when unknown.
    double Duration() const;

private:
    static int Interrupted(void *opaque);
    /// Sets the error of a read that failed with libavformat's code (or ran out of time).
    void Fail(int code);

    AVFormatContext *m_context = nullptr;
    QElapsedTimer m_clock;
    int m_deadlineMs = DefaultDeadlineMs;
    QString m_error;
};

/// True when path names a regular file (a link to one included): what the program reads.
bool IsRegularFile(const QString &path);
