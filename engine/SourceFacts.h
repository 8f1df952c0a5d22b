#pragma once

#include <QList>
#include <QString>

/// What a source's picture stream says of itself, as libavformat reads it from the file (after
/// reading ahead for what the header leaves out). Texts are FFmpeg's own names ("h264", "High",
/// "yuv420p", "tt", "arib-std-b67"); empty when the stream does not say.
struct VideoFacts
{
    bool present = false;
    int streamIndex = -1; ///< index among all streams of the file
    QString codec;        ///< "h264", "hevc", "mpeg2video", ...
    QString profile;      ///< "High", "Main", "Main 10", ...; empty when unknown
    int level = 0;        ///< as the codec numbers it (H.264 level_idc: 41 = 4.1); 0 unknown
    int width = 0;        ///< coded picture, pixels, before rotation
    int height = 0;
    int rotation = 0; ///< clockwise degrees the picture is turned for display: 0/90/180/270
    int sarNum = 0;   ///< sample (pixel) aspect ratio; 0/0 when unknown
    int sarDen = 0;
    QString pixelFormat;    ///< "yuv420p", "yuv420p10le", ...
    int bitDepth = 0;       ///< bits per component; 0 unknown
    bool chroma420 = false; ///< planar YUV with 4:2:0 chroma
    QString fieldOrder;     ///< "progressive", "tt", "bb", "tb", "bt"; empty when unknown
    QString colorTransfer;  ///< "bt709", "smpte2084" (PQ), "arib-std-b67" (HLG), ...; empty unknown
    QString colorPrimaries; ///< "bt709", "bt2020", "smpte170m", ...
    QString colorSpace;     ///< the matrix: "bt709", "bt2020nc", "smpte170m", "bt470bg", ...
    QString colorRange;     ///< "tv", "pc"
    double fps = 0.0;       ///< average frames per second; 0 unknown
    qint64 bitRate = 0;     ///< bits per second the stream states; 0 unknown

    /// The size shown: width x height, swapped for a quarter turn.
    int displayWidth() const { return rotation % 180 != 0 ? height : width; }
    int displayHeight() const { return rotation % 180 != 0 ? width : height; }
};

/// One sound stream of a source.
struct AudioTrackFacts
{
    int streamIndex = -1; ///< index among all streams of the file
    int trackIndex = -1;  ///< index among the sound streams (ffmpeg's "0:a:N")
    QString codec;        ///< "aac", "ac3", "mp3", ...
    QString profile;      ///< "LC", "HE-AAC", ...; empty when unknown
    int channels = 0;
    int sampleRate = 0; ///< Hz
    qint64 bitRate = 0; ///< bits per second; 0 unknown
    QString language;   ///< the stream's language tag ("eng", "deu"); empty when none
    QString title;      ///< the stream's title tag
    bool isDefault = false;
    bool forced = false;
};

/// One subtitle stream of a source.
struct SubtitleTrackFacts
{
    int streamIndex = -1; ///< index among all streams of the file
    int trackIndex = -1;  ///< index among the subtitle streams (ffmpeg's "0:s:N")
    QString codec;        ///< "subrip", "ass", "mov_text", "dvd_subtitle", "hdmv_pgs_subtitle", ...
    bool text = false;    ///< a text format (drawn by libass); else pictures
    QString language;
    QString title;
    bool isDefault = false;
    bool forced = false;
};

/// What a source file holds: its length and every picture, sound and subtitle stream.
struct SourceFacts
{
    bool ok = false;       ///< the file could be opened and read
    QString error;         ///< why not, when !ok
    double duration = 0.0; ///< seconds; 0 unknown
    VideoFacts video;      ///< the main picture (cover art aside); present false when none
    QList<AudioTrackFacts> audio;
    QList<SubtitleTrackFacts> subtitles;
};

/// Reads the facts of the source at path in this process (SafeMediaFile: a local regular file of
/// a real container format, given up after deadlineMs). Blocks the calling thread meanwhile: call
/// it off the user-interface thread, or from a program without a window.
SourceFacts ReadSourceFacts(const QString &path, int deadlineMs = 5000);
