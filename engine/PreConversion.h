#pragma once

#include "ConversionTask.h"
#include "MediaItemList.h"

#include <QString>

class MediaConverter;

/// Indexes chosen for the AVI intermediate: -1 when no suitable codec is listed.
struct IntermediateCodecs
{
    int video = -1; ///< index in VideoCodecList
    int audio = -1; ///< index in AudioCodecList
    bool avi() const { return video >= 0 && audio >= 0; }
};

/// Index of the last name in list that contains text (case-sensitive), or -1.
int LastIndexContaining(const MediaItemList &list, const QString &text);

/// Video: "Microsoft MPEG-4 Video Codec V3", else "DivX". Audio: "MPEG Layer-3", else "PCM".
/// The last matching name of each wins.
IntermediateCodecs ChooseIntermediateCodecs(const MediaItemList &videoCodecs,
                                            const MediaItemList &audioCodecs);

/// A whole number from a to b (b + 1 in one case out of 32768); a when b < a. Seeds the
/// pseudo-random generator with the current time in seconds, so calls within one second agree.
int RandomBetween(int a, int b);

/// The arithmetic of RandomBetween for a drawn value r (0..32767): a + r * (b - a + 1) / 32767,
/// truncated; a when b < a.
int RandomBetweenWith(int a, int b, int r);

/// Folder (ending with a separator) where intermediate files are written: the program's folder
/// when it is writable, else the user's temporary folder.
QString IntermediateFolder();

/// Path of an intermediate file for title: IntermediateFolder(), the title (directory separators
/// replaced by '_'), "_", unique, then ".avi" or ".mpg"; the title is cut at a character
/// boundary so that the name fits the file system's limit in bytes.
QString IntermediateFileName(const QString &title, const QString &unique, bool avi);

/// Sets media up to write task's trimmed part into an AVI intermediate (when a video and an
/// audio codec of its lists suit) or an MPEG one: frame size, depth, rate, format, codecs, and
/// the task's clips. Returns true for AVI.
bool SetUpIntermediateConversion(MediaConverter &media, const ConversionTask &task);

/// Takes a pre-conversion's progress report into task: position and total (seconds) of the
/// source converted so far and in all, elapsedMs the milliseconds the pre-conversion has run
/// (pauses not counted). The remaining time is measured from the rate once more than 20 seconds
/// are done, the plain time left before that. Values that are no numbers count as 0.
void ApplyPreconversionProgress(ConversionTask &task,
                                double position,
                                double total,
                                quint32 elapsedMs);

/// The WMV conversion's percent for a progress report: 0 when total is 0, else position of
/// total rounded half up, within 0..100.
int WmvPercent(double position, double total);
