#pragma once

#include <QString>
#include <QStringList>

/// The encoder's options are partly an older FFmpeg's dialect. TranslateEncoderArguments turns
/// them into FFmpeg 5.1 arguments whose output a small portable player plays:
///
///   -vcodec xvid       MPEG-4 Part 2, Simple profile, at the level the picture needs
///   -vcodec h264       libx264, Baseline profile (no B-frames, CAVLC) unless -vprofile says
///                      otherwise, at a level no lower than -vlevel and no lower than frame
///                      size, rate and bit rate (or its ceiling) need
///   -vlevel N          the lowest H.264 level wanted (level_idc, 13 = 1.3)
///   -bufsize N         a bare number is kilobytes (the old unit); kept within the level's buffer
///   -b N, -ab N        video and audio bit rate (-b:v, -b:a); a bare number below 10000 is
///                      kilobits per second (the old unit)
///   -acodec aac        AAC-LC
///   -ar N              for AAC: the nearest rate the player plays (54000 and 96000 give 48000)
///   -vol N             audio volume N/256 (256 keeps it)
///   -r 29.97           the exact NTSC rate 30000/1001
///   -r keep            the source's own frame rate (a variable rate stays variable), at most 60
///                      frames per second: a faster source is thinned to 60
///   -s WxH             the output frame; the picture keeps its display shape (its pixel aspect
///                      and rotation) and is fitted inside the frame on black bars
///   -aspect A          the display shape of the -s frame ("4:3", "16:9"); without it the frame
///                      has square pixels
///   -fit WxH           no fixed frame: the picture is fitted within WxH keeping its display
///                      shape, without bars, never enlarged, with square pixels and even sides
///   -vcodec hevc       libx265, Main profile, tagged hvc1 for players that ask for it
///   -vprofile P        the H.264 profile: baseline (the default), main or high
///   -crf N             rate control by quality (libx264, libx265); -maxrate N then is the
///                      ceiling (a bare number below 10000 is kilobits per second) and -bufsize
///                      its buffer (twice the ceiling when not given)
/// Every output gets yuv420p video; an .mp4/.m4v/.mov/.3gp output keeps its index at the front.
/// A command's own -vf runs first, then the chain that fits the picture into the frame.
/// Without a video or audio codec option the output still gets H.264 Baseline and AAC-LC.
/// Any option not named here passes through unchanged, in its place.
QStringList TranslateEncoderArguments(const QStringList &arguments);

/// True for the options whose next argument is their value. Knowing them tells a value from the
/// output file; options outside this list still pass through unchanged.
bool EncoderOptionTakesValue(const QString &option);

/// The lowest H.264 level (level_idc: 10, 11, 12, 13, 20, ... 52) that is at least minimumLevel
/// and allows frames of width x height pixels at fps frames per second, three reference frames
/// and kbps kilobits per second (0: no bit-rate limit) in the Baseline profile. 0 when no level
/// does.
int H264LevelFor(int width, int height, double fps, int kbps, int minimumLevel);

/// The largest coded picture buffer of an H.264 level in bits (Baseline profile); 0 for an
/// unknown level.
qint64 H264MaxCpbBits(int levelIdc);

/// The lowest MPEG-4 Part 2 Simple profile level (1, 2, 3, 4 for 4a, 5, 6) that allows frames of
/// width x height pixels at fps frames per second and kbps kilobits per second; 0 when none does.
int Mpeg4SimpleLevelFor(int width, int height, double fps, int kbps);

/// The VBV buffer of an MPEG-4 Simple profile level in bits; 0 for an unknown level.
qint64 Mpeg4SimpleVbvBits(int level);

/// The AAC sample rate up to 48000 Hz nearest to rate (ties go up): what the player plays.
int NearestAacSampleRate(int rate);

/// The arguments with the safe-input options (SafeMediaInput.h: real container formats of local
/// files only) before every "-i", so that no source can make ffmpeg read a playlist, a device or
/// another file.
QStringList SecureInputs(const QStringList &arguments);

/// The values of every "-i" option, in order.
QStringList InputFiles(const QStringList &arguments);

/// When the output (the last argument) is exactly partFile, "-n" (never overwrite) becomes "-y":
/// the caller created that file exclusively for this run and it is empty. Otherwise unchanged.
QStringList AllowWritingPartFile(const QStringList &arguments, const QString &partFile);
