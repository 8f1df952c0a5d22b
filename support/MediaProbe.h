#pragma once

#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

// What the encoder tests and benchmarks need to know about real media files, found out with the
// installed ffmpeg and ffprobe (part of the tavrel_support library).

/// Writes a test clip: an AVI with moving, slightly noisy pictures (MPEG-4, high quality) and
/// stereo noise of amplitude 0.05 at 48000 Hz in both channels (independent, so downmixes and
/// bit rates behave like real sound). Returns an empty text on success, else what went wrong.
QString GenerateClip(const QString &path, double seconds, QSize size);

struct StreamInfo
{
    QString codec;
    QString profile;
    int level = 0;
    int width = 0;
    int height = 0;
    double frameRate = 0.0;
    QString displayAspect;
    qint64 bitRate = 0;
    int sampleRate = 0;
    int channels = 0;
    int bFrames = -1; ///< has_b_frames, -1 unknown
    QString pixelFormat;
    QString colorSpace; ///< the matrix ("bt709"); empty when untagged
    QString colorTransfer;
    QString colorPrimaries;
    QMap<QString, QString> tags;
};

struct MediaInfo
{
    bool ok = false;
    double duration = 0.0;
    bool hasVideo = false;
    bool hasAudio = false;
    StreamInfo video;
    StreamInfo audio;
    QMap<QString, QString> tags; ///< container tags (title, comment, ...)
};

/// ffprobe's view of the file; ok false when ffprobe cannot read it.
MediaInfo ProbeMedia(const QString &path);

/// Mean volume of the first audio stream in dB (volumedetect); NaN when it cannot be measured.
double MeanVolume(const QString &path);

/// A signalstats value (key "SATAVG", "YMAX", ...) of the picture at seconds into the file,
/// after filter (a crop, say; empty for none); NaN when it cannot be measured.
double PictureStatistic(const QString &path,
                        double seconds,
                        const QString &key,
                        const QString &filter = QString());

/// Mean volume in dB of the first audio stream through a narrow band-pass at frequency Hz: the
/// loudest of a few frequencies is the tone one hears. NaN when it cannot be measured.
double ToneLevel(const QString &path, int frequency);

/// ffmpeg's idet report (its error output) over the whole of the first video stream.
QByteArray InterlaceReport(const QString &path);

/// True when the whole file decodes without a single error: what a player needs.
bool DecodesCleanly(const QString &path, QString *errors = nullptr);

/// True when the MP4 index ("moov") comes before the media data ("mdat"), so a player can
/// start at once.
bool IndexAtFront(const QString &path);
