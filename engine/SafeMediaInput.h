#pragma once

// What FFmpeg may open when it reads a video the user chose. A media file is untrusted input:
// playlist and indirection demuxers (concat, HLS, DASH, image sequences, tty, ...) would make
// FFmpeg open other files, devices or FIFOs named inside it, and any protocol but plain files
// would reach the network or other processes. Every reader of a source (the duration probe, the
// output check, the media component's ffmpeg runs and the encoder) allows only these.
// Header-only: the encoder program uses it too.

#include <QStringList>

/// libavformat demuxers of single, self-contained media files (names as FFmpeg lists them).
inline constexpr const char *SafeMediaFormats
    = "avi,mov,mpeg,mpegts,mpegvideo,asf,rm,matroska,flv,ogg,nut,dv,mxf,wav,mp3,aac,ac3,m4v,"
      "h264,hevc";
/// Protocols: local files only.
inline constexpr const char *SafeMediaProtocols = "file";

/// The ffmpeg command-line input options that impose both lists; they go before each "-i".
inline QStringList SafeInputOptions()
{
    return {QStringLiteral("-protocol_whitelist"),
            QString::fromLatin1(SafeMediaProtocols),
            QStringLiteral("-format_whitelist"),
            QString::fromLatin1(SafeMediaFormats)};
}
