#pragma once

#include <QSize>
#include <QString>

#include <optional>

// The values of the encoder's options as the older dialect of the profile templates writes
// them, read into numbers, and written out as FFmpeg 5.1 reads them.

/// A bare bit-rate number below this is kilobits per second, as the older dialect wrote them.
inline constexpr double OldDialectBitrateLimit = 10000;

/// "-r keep": the source's own rate (a variable rate stays variable), thinned to at most this.
inline constexpr int KeptFrameRateLimit = 60;

/// Bits per second of a bit-rate text ("768k", "1.5M", "128000", or the older "768").
std::optional<qint64> ParseBitrate(const QString &text);

/// The bit-rate text as FFmpeg 5.1 reads it: an older bare kilobit number gets its "k".
QString ModernBitrate(const QString &text);

/// Bits of a -bufsize text: a bare number is kilobytes (the older unit), a suffixed one is bits
/// as FFmpeg reads it ("2048k").
std::optional<qint64> ParseBufferSize(const QString &text);

/// "WxH" with sides of 1 to 5 digits.
std::optional<QSize> ParseFrameSize(const QString &text);

/// Frames per second of "25", "29.97" or "30000/1001".
std::optional<double> ParseFrameRate(const QString &text);

/// The rounded NTSC rates written as decimals become the exact rates they stand for.
QString ExactFrameRate(const QString &text);
