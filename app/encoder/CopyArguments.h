#pragma once

#include "CopyDecision.h"

#include <QStringList>

// The adapter's "-copy fit" option: copy the source's picture (and sound) unchanged when it
// already fits what the rest of the command asks for; otherwise encode as the command says.

/// What the command (the adapter's arguments, older dialect) asks of its output: wanted only
/// with "-copy fit"; the codec of -vcodec (H.264 when none), the box of -fit, the limit of -r
/// keep, the ceiling of -maxrate (else -b), the sound of -acodec, -ac and -ab, the start of an
/// -ss before the input and the sound track of a -map 0:a:N. Options that shape the picture or
/// the sound in a way a copy cannot (-s, -aspect, -vf, a fixed -r, an H.264 level floor, -vol
/// other than 256, -af, other -map forms, a second input) become needs.
CopyLimits ReadCopyLimits(const QStringList &arguments);

/// The arguments for ffmpeg's translation (TranslateEncoderArguments) that carry out decision:
/// "-copy" and its value always go; a copied picture loses the options that encode it and gets
/// "-c:v copy" (HEVC also the hvc1 tag players ask for), a copied sound likewise "-c:a copy",
/// both just before the output file; a copy of a trimmed part starts at decision.start.
QStringList CopyArguments(const QStringList &arguments, const CopyDecision &decision);

/// The seconds of an ffmpeg time: "hh:mm:ss[.fff]", "mm:ss[.fff]" or "ss[.fff]"; nullopt when
/// text is none of these.
std::optional<double> ParseTime(const QString &text);
