#pragma once

#include <QString>

/// Duration in seconds of the media file at path, read in this process by libavformat (no child
/// process) through SafeMediaFile: only a local regular file of a real container format, given
/// up after SafeMediaFile::DefaultDeadlineMs. Formats whose header states the length are
/// answered from the header; the others (MPEG program streams among them) are probed. 0 when
/// the file cannot be opened, holds no stream or has no known, finite, positive duration; then
/// *error (when given) says why in the reader's own words. Blocks the calling thread for as long
/// as the probe takes.
double ReadMediaDuration(const QString &path, QString *error = nullptr);

/// ReadMediaDuration for the user-interface thread: the probe runs on a worker thread while this
/// thread keeps dispatching everything but user input (paint, timers, sockets). On any other
/// thread, or without an application object, it is ReadMediaDuration itself.
double ReadMediaDurationResponsively(const QString &path);
