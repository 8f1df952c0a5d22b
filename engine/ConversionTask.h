#pragma once

#include <QString>

/// The stable identity of a task: given when it joins a TaskArray, never reused in that array,
/// and unchanged when rows above it come or go. 0 means none.
using TaskId = quint64;

/// Where a task's conversion stands. Waiting tasks are converted by the next Start (or by the
/// running batch); Finished ones are skipped until "Convert again".
enum class TaskState {
    Waiting,    ///< not converted yet (or taken back to convert again)
    Converting, ///< a job works on it now
    Paused,     ///< its job is suspended with the paused batch
    Finished,   ///< its last run placed its output file (outputFile)
    Failed,     ///< its last run failed (failureReason)
    Stopped,    ///< Stop (or a removal) ended its last run; keptSeconds of it may be in outputFile
};

/// One entry of the conversion list: a source file, what the user chose for it, and the progress
/// of its conversion. A plain value: copy it out of the TaskArray, change the copy, store it back.
///
/// Times are seconds (double), sizes kilobytes. The nine setting fields are 0-based item indexes
/// of the setting combo boxes (see SettingTables.h for their texts and defaults).
struct ConversionTask
{
    QString sourcePath;            ///< full path of the source file
    double trimStart = 0.0;        ///< start of the part to convert, seconds
    double trimEnd = 0.0;          ///< end of the part to convert, seconds
    QString baseName;              ///< title used in the command line ($TITLE); equal to title
    int videoType = 0;             ///< "Video Type" index
    int videoSize = 0;             ///< "Video Size" index
    int frameRate = 0;             ///< "Frame Rate" index
    int videoBitrate = 0;          ///< "Video Quality" index
    int aspect = 0;                ///< "Video Aspect" index
    int channels = 0;              ///< "Channels" index
    int audioBitrate = 0;          ///< "Audio Quality" index
    int sampleRate = 0;            ///< "Sample Rate" index
    int volume = 0;                ///< "Volume" index
    int mpeg4Profile = 0;          ///< profile n is section "profile<n>" of the profile file
    QString title;                 ///< output file name without extension; equal to baseName
    int sizeKB = 0;                ///< output size the encoder last reported, kilobytes
    double speed = 0.0;            ///< seconds encoded per wall-clock second in the current run
    double encodedTime = 0.0;      ///< seconds of output the encoder last reported
    int needsPreconversion = 0;    ///< 1 when the source goes through an intermediate file first
    QString intermediatePath;      ///< path of the intermediate file of the pre-conversion
    int preconvPhase = 0;          ///< 0 none yet, 1 pre-converting, 2 encoding the intermediate
    int preconvDone = 0;           ///< 1 once the media component reported the end
    double preconvPosition = 0.0;  ///< seconds of the source pre-converted so far
    double preconvPercent = 0.0;   ///< 0 to 100
    double preconvRemaining = 0.0; ///< estimated seconds left in the pre-conversion
    int outputWmv = 0;        ///< 0: MP4 through the encoder; 1: WMV through the media component
    int wmvProfile = 0;       ///< index in the "WMV Profile" combo
    int wmvPercent = 0;       ///< 0 to 100: how far the WMV conversion has come
    QString failureReason;    ///< the encoder's or media component's message that explains it
    double keptSeconds = 0.0; ///< seconds a stopped conversion kept (0: nothing was kept)
    QString outputFile;       ///< full path of the file the conversion wrote, once it is known
    TaskId id = 0;            ///< given by the TaskArray the task joins
    TaskState state = TaskState::Waiting;
    double sourceDuration = 0.0; ///< seconds the source lasts, read when it was added; 0 unknown
    /// The sound track to play (its index among the source's sound streams), or AutomaticTrack
    /// (SourceTreatment.h): the default rule chooses.
    int soundTrack = -1;
    /// The subtitle track to burn in (index among the source's subtitle streams), AutomaticTrack
    /// (a forced one, or a default one in another language than the sound) or NoTrack (-2).
    int subtitleTrack = -1;
    /// What the last run did to the picture and sound, one decision a line ("interlaced (top
    /// field first): deinterlaced"), as its converter reported them; empty when nothing.
    QString treatmentSummary;
    QString partFile; ///< the part file its running conversion writes; empty when none runs
    QString note;     ///< a remark its row's tooltip shows (a restored profile that had gone)

    /// "Always re-encode": encode even a source whose streams already fit the profile.
    bool alwaysEncode = false;
    /// The last run copied the source's picture unchanged (the encoder said so).
    bool videoCopied = false;

    bool operator==(const ConversionTask &) const = default;
};

/// Whether the task's last run made its file.
inline bool IsConverted(const ConversionTask &task)
{
    return task.state == TaskState::Finished;
}

/// Whether a job works on the task now (converting, or suspended with the paused batch).
inline bool IsInProgress(const ConversionTask &task)
{
    return task.state == TaskState::Converting || task.state == TaskState::Paused;
}

/// Whether the person may change the task's settings, title, profile, output type and range: not
/// while a job works on it, and not once it has made its file (it would not be converted again
/// with them; "Convert again" takes it back to waiting).
inline bool CanChangeTask(const ConversionTask &task)
{
    return !IsInProgress(task) && !IsConverted(task);
}

/// 1 when the text of path from its last full stop on contains "rm" (".rm", ".rmvb"), compared
/// case-sensitively; such sources are pre-converted before the encoder reads them.
int NeedsPreconversion(const QString &path);

/// The characters of path between its last directory separator and its last full stop; empty
/// when there is no full stop after the last separator. '/' separates everywhere, and '\' as well
/// on Windows.
QString BaseNameOf(const QString &path);

/// The task that adding a source file creates: the range 0 to duration (a duration that is not a
/// finite number or is negative gives 0), the default settings, profile 0, the base name as title.
ConversionTask NewConversionTask(const QString &path,
                                 double duration,
                                 int outputWmv,
                                 int wmvProfile);
