#pragma once

#include <QString>

/// What a finished conversion's output must hold. Seconds are the trimmed range's length.
struct OutputExpectation
{
    bool video = true;    ///< the source has a picture: the output must have one
    bool audio = true;    ///< the source has sound: the output must have it
    double seconds = 0.0; ///< expected length; 0 or less: not checked
    bool stopped = false; ///< a stopped run: some picture (or sound) is enough, any length
};

/// The verdict on an output file.
struct OutputVerdict
{
    bool ok = false;
    QString reason;        ///< why not, for the user; empty when ok
    double duration = 0.0; ///< seconds the file lasts (0 when unknown)
    bool hasVideo = false; ///< at least one packet of a picture stream (cover art aside)
    bool hasAudio = false; ///< at least one packet of a sound stream
};

/// The streams of a source file, as far as the output check cares.
struct SourceStreams
{
    bool ok = false; ///< the file could be opened
    bool video = false;
    bool audio = false;
};

/// Whether the file at path opens safely (SafeMediaFile) and which kinds of stream it has.
SourceStreams ProbeSourceStreams(const QString &path);

/// Checks in process (libavformat, SafeMediaFile) that path is a playable output: it opens, it
/// has the kinds of stream expected (with at least one packet each), and its length is within
/// the tolerance of the expected seconds: the larger of 0.5 s and 2 %. A stopped run's output
/// only has to open and hold some of the picture (or of the sound when no picture is expected).
OutputVerdict VerifyOutputFile(const QString &path, const OutputExpectation &expected);

/// VerifyOutputFile for the output of a conversion of source: a picture is expected unless the
/// source is known to have none, sound when the source has it, and a finished (not stopped) run
/// lasts seconds. Blocks while it reads both files: run it off the user-interface thread.
OutputVerdict VerifyConversionOutput(const QString &source,
                                     const QString &output,
                                     double seconds,
                                     bool stopped);

/// The tolerance of VerifyOutputFile for an expected length, in seconds.
double OutputLengthTolerance(double seconds);
