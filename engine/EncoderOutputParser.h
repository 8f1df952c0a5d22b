#pragma once

#include <QByteArrayView>

/// What one chunk of the encoder's output says about its progress.
struct EncoderProgress
{
    bool frameFound = false; ///< "frame=" seen (its count is not used)
    bool sizeFound = false;  ///< "size=" seen with a number after it
    int sizeKB = 0;          ///< output size so far, kilobytes ("kB" and "KiB" alike)
    bool timeFound = false;  ///< "time=" seen with a readable time after it
    double seconds = 0.0;    ///< output encoded so far, seconds (never negative)

    bool operator==(const EncoderProgress &) const = default;
};

/// Reads one chunk of the encoder's output on its own: chunks are never joined, so a key cut off
/// at the end of a chunk is missed. Each key counts at its first occurrence as a word of its own
/// ("vbv_bufsize=" is no "size="; the final report's "Lsize=" is).
///
/// size: needs at least 8 characters after the key; those 8 are read as a whole number, leading
///       blanks skipped, up to the first non-digit ("    1234kB", "    1234KiB" give 1234).
/// time: needs at least 4 characters after the key. A clock "hh:mm:ss[.ff]" (FFmpeg 5.1) is read
///       whole, and only when at least "h:mm:ss" is complete; otherwise the 5 characters after
///       the key are read as seconds ("123.45" gives 123.4).
/// A value that is no number ("N/A") counts as not found.
EncoderProgress ParseEncoderChunk(QByteArrayView chunk);

/// True for a progress line of the encoder ("frame= ...", "size= ...", the final "... Lsize=")
/// as opposed to a message; leading blanks are ignored.
bool IsEncoderProgressLine(QByteArrayView line);

/// True when a line of chunk begins (blanks aside) with VideoCopiedMark (EncoderEnvironment.h):
/// the adapter copied the source's picture. The adapter writes that line first and in one piece,
/// so the first chunk of its output holds it whole.
bool ReportsVideoCopy(QByteArrayView chunk);
