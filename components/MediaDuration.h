#pragma once

#include <QString>

/// Duration in seconds of the media file at path, read in this process by libavformat (no child
/// process). Formats whose header states the length are answered from the header; the others
/// (MPEG program streams among them) are probed. 0 when the file cannot be opened, holds no
/// stream or has no known, finite, positive duration.
double ReadMediaDuration(const QString &path);
