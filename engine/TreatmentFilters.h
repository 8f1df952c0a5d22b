#pragma once

#include "SourceTreatment.h"

#include <QString>
#include <QStringList>

// A SourceTreatment written as ffmpeg output options: the streams mapped, the picture's filter
// chain (or graph, when picture subtitles are overlaid), the sound's mix and the colour tags.
// Input 0 is the source the treatment was planned for.

/// value escaped for a filter option inside a filter graph: first as an option value (\ ' :),
/// then for the graph (\ ' [ ] , ;), with every blank kept. Any file name comes through whole
/// and cannot end the option or the filter early.
QString FilterGraphValue(const QString &value);

/// The filters run on the source's picture before it is fitted into the frame: bwdif (one frame
/// per frame, keeping the rate), the tone map of an HDR picture (zscale and tonemap, ending in
/// 8-bit BT.709) or the BT.601 to BT.709 conversion; empty when there is nothing to do.
QString SourcePictureFilters(const SourceTreatment &treatment);

/// libass drawing subtitle track (0:s:track) of sourcePath (made absolute, read as a local file)
/// onto the picture. startSeconds is where the input was seeked to: the subtitles are read by
/// name from the start of the file, so their clock is moved on by that much around the filter.
QString TextSubtitleFilter(const QString &sourcePath, int track, double startSeconds);

/// The picture's output options: its "-map" and its "-vf" chain, or a "-filter_complex" graph
/// and the "-map" of its output when picture subtitles are overlaid. fitChain is the chain that
/// fits the picture into the frame (a command's own filters first; empty for none). The
/// source's filters run before it; text subtitles are drawn at the output size onto the picture
/// before it is placed on bars; picture subtitles are overlaid at the source's size and scaled
/// with it. startSeconds as for TextSubtitleFilter.
QStringList PictureOptions(const SourceTreatment &treatment,
                           const QString &fitChain,
                           const QString &sourcePath,
                           double startSeconds);

/// The "-map" of the sound track of input (0 the source).
QStringList SoundMapOptions(const SourceTreatment &treatment, int input = 0);

/// The sound's filter: the stereo mix of a track with more channels (its centre, the dialogue,
/// kept at full level); empty when the sound is left as it is.
QString SoundMixFilter(const SourceTreatment &treatment);

/// The output's colour tags when the treatment made the picture BT.709; empty otherwise (the
/// source's tags pass through).
QStringList ColourTagOptions(const SourceTreatment &treatment);
