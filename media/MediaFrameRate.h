#pragma once

#include <QString>

/// The average frame rate in frames per second of the first video stream of the media file at
/// path, read in this process by libavformat through SafeMediaFile (a few frames are probed when the container does
/// not state it). For a variable-rate source (phones) this is frames over time, not the finest
/// time step. 0 when the file cannot be opened, holds no video or states no usable rate.
double ReadVideoFrameRate(const QString &path);
