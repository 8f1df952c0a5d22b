#pragma once

#include "SourceFacts.h"
#include "SourceTreatment.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the encoder does to its source beyond the options' translation (SourceTreatment.h):
// deinterlacing, tone mapping, colour conversion, the chosen sound mixed to stereo, burned-in
// subtitles. The decisions are printed on the error channel, one "Treatment: " line each,
// before ffmpeg starts.

/// The part of the source a command reads: the -ss and -t given before its first -i, seconds
/// (0: from the start, to the end).
struct InputRange
{
    double start = 0.0;
    double length = 0.0;
};

/// A time as ffmpeg reads it ("75", "75.5", "01:15", "00:01:15.500"); nullopt for anything
/// else or a negative time.
std::optional<double> ParseFfmpegTime(const QString &text);

/// The range of the command's first input.
InputRange InputRangeOf(const QStringList &arguments);

/// The height of the output frame the command asks for: the -s frame's; for -fit the height of
/// video's shown picture fitted within the box, never enlarged; else the picture's own.
int OutputFrameHeight(const QStringList &arguments, const VideoFacts &video);

/// The choices the program passed in the adapter's variables (EncoderEnvironment.h): the sound
/// track's index, the subtitle track's index or "none", and a locale name; empty or unreadable
/// values leave the default rule to choose (the language: this process's locale).
TrackChoices TrackChoicesFrom(const QString &sound,
                              const QString &subtitles,
                              const QString &locale);

/// translated (TranslateEncoderArguments's result for a command reading sourcePath from
/// startSeconds) with the treatment applied before its output file: the picture's and the
/// sound's "-map", the picture's chain (the translation's own "-vf" is taken in as the chain
/// that fits the picture) or graph, the stereo mix in front of any "-af", the colour tags. A
/// "-vn" or "-an" keeps its kind of stream out. Unchanged when there is no output file.
QStringList ApplyTreatment(const QStringList &translated,
                           const SourceTreatment &treatment,
                           const QString &sourcePath,
                           double startSeconds);

/// Whether the pictures of the range are interlaced, found by idet in a child run of ffmpeg
/// (program), each run bounded by InterlaceDetectionTimeoutMs. Blocks: for the encoder, which
/// has no window.
Interlacing DetectInterlacing(const QString &ffmpeg,
                              const QString &path,
                              const SourceFacts &facts,
                              const InputRange &range);

/// What the encoder does to the single source of a command: its facts, where the command reads
/// it from, and its treatment (interlacing detected, the choices of the variables).
struct SourcePlan
{
    QString source;
    double start = 0.0; ///< the -ss before the input, seconds
    SourceFacts facts;
    SourceTreatment treatment;
};

/// The plan for the command's source. nullopt, and the translation stays as it is, for a
/// command with another number of inputs, with its own "-map" or "-filter_complex", or whose
/// source cannot be read (ffmpeg then says why). Reads the file and may run idet (blocking).
std::optional<SourcePlan> PlanSource(const QString &ffmpeg, const QStringList &arguments);

/// Prints the decision lines (TreatmentReport.h) on the error channel, all in one write.
void ReportDecisions(const QStringList &decisions);
