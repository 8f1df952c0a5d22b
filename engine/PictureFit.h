#pragma once

#include <QString>

#include <optional>

// How a source picture is placed in an output frame, written as FFmpeg filter chains.
//
// The chains read the source's shape from the decoded frames themselves: ffmpeg turns a rotated
// source (a display matrix, as phones write) upright before the chain (its autorotate, on by
// default), and the scale filter's "sar" and "dar" variables carry the sample aspect ratio of
// anamorphic DV, DVD and TV pictures (1 when the source states none). So nothing has to be
// probed in advance, and the fit stays right when the container and the stream disagree: what
// counts is what the decoder delivers.

/// The filter chain that scales the picture to fit inside a frame of width x height pixels shown
/// at displayAspect (width / height of the shown frame, e.g. 4/3 or 16/9; <= 0 means square
/// pixels) and centres it on black bars (letterbox or pillarbox). The picture keeps its display
/// shape and is never stretched; its size is even. The output's sample aspect ratio is set so
/// that the frame is shown at displayAspect.
QString LetterboxFilter(int width, int height, double displayAspect);

/// The filter chain that scales the picture to fit within maxWidth x maxHeight, keeping its
/// display shape without bars and never making it larger than the source. The output has
/// square pixels and an even width and height.
QString FitWithinFilter(int maxWidth, int maxHeight);

/// chain (a command's own filters, then LetterboxFilter or FitWithinFilter; or empty) with
/// filters run on the scaled picture before it is placed on bars: put before the padding of a
/// chain that ends in LetterboxFilter's, else after the chain.
QString WithinPicture(const QString &chain, const QString &filters);

/// A display aspect written as "16:9", "16/9" or "1.7778"; nullopt when text is none of these
/// or not positive.
std::optional<double> ParseDisplayAspect(const QString &text);

/// The constant frame rate for a portable player, as FFmpeg reads it, for a source whose average
/// rate is sourceFps frames per second: the source's rate up to 30 (NTSC rates and rates within
/// 1% of a common rate written exactly), above that 25 for the 50 Hz family (50, 100, ...) and
/// 30000/1001 for the rest. An unknown rate (<= 0) gives 30000/1001.
QString PlayerFrameRate(double sourceFps);
