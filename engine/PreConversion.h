#pragma once

#include "MediaItemList.h"
#include "TaskArray.h"

#include <QString>

class MediaConverter;
class PartFile;

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

/// Pre-converts task index through media into an intermediate AVI or MPEG file and waits,
/// handling events, until the media component reports the end for that task (preconvDone 1) or
/// g_stopRequested is set. startTick is set to the tick (TickCount) the conversion starts at;
/// OnConversionProgress measures the rate from it. The intermediate is created in intermediate,
/// exclusively, under a name with a random part that no other run (of this or another window)
/// can share; the caller owns it and deletes it when the task ends, however it ends. A file
/// that cannot be created or a refused start leaves preconvPhase 1 and marks the task failed
/// with the reason.
void PreConvert(
    int index, quint32 &startTick, TaskArray &tasks, MediaConverter &media, PartFile &intermediate);

/// Handler of the media component's ConversionProgress event (position and total in seconds)
/// for task index, the task being converted: pre-conversion progress (rate measured from
/// startTick, and the stop clean-up), or WMV percent.
void OnConversionProgress(int index,
                          double position,
                          double total,
                          quint32 startTick,
                          TaskArray &tasks,
                          MediaConverter &media);

/// Handler of the media component's ConversionFinished event for task index, the task being
/// converted: ends the pre-conversion wait (preconvDone 1) or the WMV wait (sets the caller's
/// wmvConverting, the batch's flag, to 0). A conversion that failed marks the task failed with
/// the reason, and a half-written intermediate file is deleted.
void OnConversionFinished(int index, TaskArray &tasks, MediaConverter &media, int &wmvConverting);
