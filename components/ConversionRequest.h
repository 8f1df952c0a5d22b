#pragma once

#include "SourceTreatment.h"
#include "WmvProfile.h"

#include <QString>
#include <QStringList>

/// A part of a media file: start and end in seconds; an end not after the start means "to the
/// end of the file".
struct MediaClip
{
    QString path;
    double start = 0.0;
    double end = 0.0;

    bool hasEnd() const { return end > start; }
    bool operator==(const MediaClip &) const = default;
};

/// Everything one ffmpeg run needs to make an intermediate or a WMV file. A plain value: the
/// media component fills it from its properties and clips.
struct ConversionRequest
{
    int format = 0;  ///< MediaOutputFormat value
    int width = 320; ///< frame size of MPEG and AVI output (WMV: the profile's)
    int height = 240;
    double frameRate = 25.0; ///< frames per second of MPEG and AVI output (WMV: the profile's)
    QString videoEncoder;    ///< AVI: FFmpeg encoder of the video; empty: "mpeg4"
    QString audioEncoder;    ///< AVI: FFmpeg encoder of the audio; empty: "libmp3lame"
    WmvProfile wmv;          ///< WMV output
    /// Average frames per second of the picture's source (0: unknown). A WMV profile without a
    /// rate of its own takes the player's rate nearest to it (PlayerFrameRate).
    double sourceFrameRate = 0.0;
    bool hasVideoClip = false;
    MediaClip videoClip; ///< the picture (and the sound when there is no audio clip)
    bool hasAudioClip = false;
    MediaClip audioClip; ///< the sound
    QString outputPath;
    /// What is done to the picture clip's source (deinterlacing, tone mapping, its sound track
    /// and mix, burned-in subtitles); the sound track and mix apply when the sound comes from
    /// the same part of the same file. The default does nothing.
    SourceTreatment treatment;

    /// The ffmpeg arguments (without the program): progress on standard output as key=value
    /// blocks four times a second, errors only on the error channel, no reading of standard
    /// input, the output file overwritten, the treatment's filters around the picture's fit into
    /// the frame. Empty when the request cannot be converted (unknown
    /// format, no clip, no output path).
    QStringList ffmpegArguments() const;
    /// Seconds the output will last given the durations of the clips' files (0 when unknown):
    /// the picture clip's length, else the sound clip's.
    double expectedLength(double videoFileDuration, double audioFileDuration) const;
};
