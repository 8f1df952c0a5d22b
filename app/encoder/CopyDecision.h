#pragma once

#include "SourceFacts.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

/// What a command asks of its output, as far as copying the source's streams goes: read from
/// the command's own options by ReadCopyLimits (CopyArguments.h).
struct CopyLimits
{
    bool wanted = false;     ///< "-copy fit": copy what already fits
    QString input;           ///< the one source file; empty when the command reads none or several
    double start = 0.0;      ///< -ss before the input: where the part begins, seconds
    QString videoCodec;      ///< what the command makes: "h264", "hevc", or its own -vcodec text
    int h264ProfileRank = 0; ///< -vprofile: 0 baseline (the adapter's default), 1 main, 2 high
    QSize box;               ///< -fit WxH; empty when the command sets no box
    double maxFps = 0.0;     ///< -r keep: its limit; 0 when the command sets none
    qint64 maxVideoBitRate = 0; ///< -maxrate (else -b), bits per second; 0 none
    bool keepsSound = true;     ///< no -an
    QString soundCodec;         ///< "aac" or the command's own -acodec text
    int maxChannels = 2;        ///< -ac, at most 2
    qint64 maxSoundBitRate = 0; ///< -ab, bits per second; 0 none
    int soundTrack = -1;        ///< -map 0:a:N: the sound track the command takes; -1 ffmpeg's pick
    /// What the command does to the picture or the sound that a copy cannot, in words for the log
    /// ("the command sets the frame size"); any entry makes that stream encode.
    QStringList pictureNeeds;
    QStringList soundNeeds;
};

/// Everything DecideStreamCopy decides by: the command's limits and the probed facts of the
/// streams the run uses. Other per-task choices that change a stream add their needs to the
/// lists (a burned-in subtitle or a filter to pictureNeeds, a mix of the sound to soundNeeds).
struct CopyInputs
{
    CopyLimits limits;
    bool sourceRead = true; ///< the source could be read; else error says why
    QString error;
    VideoFacts video;                     ///< the picture the run uses; present false when none
    qint64 videoBitRate = 0;              ///< stated by the container, else measured; 0 unknown
    std::optional<AudioTrackFacts> sound; ///< the sound track the run uses; none when absent
    qint64 soundBitRate = 0;              ///< stated, else measured; 0 unknown
    /// For a part that does not begin at 0: the time of the key frame within one frame of its
    /// start (seconds), where a copy begins; none when there is no such key frame.
    std::optional<double> keyFrameStart;
    bool alwaysEncode = false; ///< the person asked for a new encoding
    QStringList pictureNeeds;  ///< as CopyLimits::pictureNeeds, from the task's choices
    QStringList soundNeeds;
};

/// What is copied, where a copy begins and the log line that says so.
struct CopyDecision
{
    bool copyVideo = false;
    bool copyAudio = false; ///< only together with copyVideo
    QString videoCodec;     ///< the copied picture's codec ("h264", "hevc"); empty when encoded
    std::optional<double> start; ///< the -ss a copy takes (a trimmed part's key frame)
    /// "video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; sound copied: AAC stereo
    /// 128 kbit/s", or "encoding: " and the first condition that fails; empty when the command
    /// did not ask for copying.
    QString line;
};

/// Copies the picture when every condition holds: the codec the command makes (H.264 in a
/// profile up to the command's -vprofile and level up to LevelCapFor(box), or HEVC Main), 8-bit
/// 4:2:0, the shown picture (rotation and pixel aspect applied) within the box, at most maxFps,
/// progressive (or not stated), standard dynamic range (BT.709, BT.601 or unstated; no PQ, HLG
/// or BT.2020), a known bit rate at most the ceiling, a start at 0 or on a key frame, and no
/// need of the command or the task. The sound is then copied when it is AAC-LC with at most
/// maxChannels, 44.1 or 48 kHz and a known bit rate at most maxSoundBitRate; otherwise encoded.
/// A picture that does not fit is encoded with its sound, as the command says.
CopyDecision DecideStreamCopy(const CopyInputs &inputs);

/// The highest H.264 level_idc the players of a box play: 41 for boxes up to 1280x720, 42 for
/// larger ones or none.
int LevelCapFor(QSize box);

/// The track ffmpeg takes when the command names none: a default-flagged one first, then the one
/// with the most channels, then the first. -1 when there is none.
int DefaultSoundTrack(const QList<AudioTrackFacts> &tracks);
