#pragma once

#include "SourceTreatment.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Interlace detection by looking at the pictures: ffmpeg's idet filter over a few seconds of
// the source, in an ffmpeg run of its own that the caller bounds in time.

/// Seconds of pictures one detection run looks at.
inline constexpr double InterlaceSampleSeconds = 4.0;
/// How long one detection run may take before it is given up, milliseconds.
inline constexpr int InterlaceDetectionTimeoutMs = 15000;

/// Where the sample starts, in seconds of the source: in the middle of the range that begins at
/// rangeStart and lasts rangeLength seconds (<= 0: up to duration; both unknown: rangeStart).
double InterlaceSampleStart(double rangeStart, double rangeLength, double duration);

/// The ffmpeg arguments (without the program) of one detection run over the sample from
/// sampleStart of picture stream videoStream (index among all streams; -1 the first picture) of
/// path, read through the safe-input whitelists. The report goes to the error channel.
QStringList InterlaceDetectionArguments(const QString &path, double sampleStart, int videoStream);

/// The verdict of a detection run's error output: interlaced (the field order idet counted
/// most) when more frames were found interlaced in that order than progressive, and far more
/// than in the other order; else progressive; Unknown
/// when the report is missing or idet saw too few frames to tell.
Interlacing ParseInterlaceReport(QByteArrayView report);
