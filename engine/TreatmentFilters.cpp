#include "TreatmentFilters.h"

#include "PictureFit.h"

#include <QFileInfo>

namespace {

QString Escaped(const QString &text, QStringView special)
{
    QString result;
    result.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (special.contains(c) || c.isSpace())
            result += u'\\';
        result += c;
    }
    return result;
}

QString Joined(const QStringList &filters)
{
    QStringList present;
    for (const QString &filter : filters) {
        if (!filter.isEmpty())
            present << filter;
    }
    return present.join(u',');
}

QString PictureInput(const SourceTreatment &treatment)
{
    return treatment.videoStream >= 0 ? u"0:"_qs + QString::number(treatment.videoStream)
                                      : u"0:v:0?"_qs;
}

QString Seconds(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

QString FilterGraphValue(const QString &value)
{
    return Escaped(Escaped(value, u"\\':"), u"\\'[],;");
}

QString SourcePictureFilters(const SourceTreatment &treatment)
{
    QStringList filters;
    if (treatment.deinterlace) {
        // Every frame: a picture found combed may carry no interlaced flags at all.
        filters << QStringLiteral("bwdif=mode=send_frame:parity=%1:deint=all")
                       .arg(treatment.topFieldFirst ? u"tff" : u"bff");
    }
    if (!treatment.toneMapTransfer.isEmpty()) {
        // Light made linear (100 cd/m2 is SDR white), the primaries made BT.709, the highlights
        // rolled off gently (mobius keeps everything below half of SDR white as it is), then BT.709
        // in 8 bits.
        filters << QStringLiteral("zscale=tin=%1:pin=%2:min=%3:t=linear:npl=100,format=gbrpf32le,"
                                  "zscale=p=bt709,tonemap=tonemap=mobius:param=0.5:desat=0,"
                                  "zscale=t=bt709:m=bt709:r=tv,format=yuv420p")
                       .arg(treatment.toneMapTransfer,
                            treatment.toneMapPrimaries,
                            treatment.toneMapMatrix);
    } else if (treatment.toBt709) {
        filters
            << u"scale=in_color_matrix=bt601:out_color_matrix=bt709,setparams=colorspace=bt709"_qs;
    }
    return Joined(filters);
}

QString TextSubtitleFilter(const QString &sourcePath, int track, double startSeconds)
{
    const QString file = u"file:"_qs + QFileInfo(sourcePath).absoluteFilePath();
    const QString draw
        = QStringLiteral("subtitles=filename=%1:si=%2").arg(FilterGraphValue(file)).arg(track);
    if (!(startSeconds > 0.0))
        return draw;
    const QString shift = Seconds(startSeconds);
    return QStringLiteral("setpts=PTS+%1/TB,%2,setpts=PTS-%1/TB").arg(shift, draw);
}

QStringList PictureOptions(const SourceTreatment &treatment,
                           const QString &fitChain,
                           const QString &sourcePath,
                           double startSeconds)
{
    const QString source = SourcePictureFilters(treatment);
    const QString input = PictureInput(treatment);
    if (treatment.subtitleTrack >= 0 && !treatment.textSubtitles) {
        // The subtitle pictures are drawn for the source's frame: brought to its size (in
        // scale2ref, iw and ih are the reference's), laid over it, and fitted into the output
        // frame with it, so they stay inside the picture.
        const QString graph
            = QStringLiteral("[%1]%2[tavsrc];[0:s:%3][tavsrc]scale2ref=w=iw:h=ih[tavsub]"
                             "[tavpic];[tavpic][tavsub]overlay=eof_action=pass%4[tavout]")
                  .arg(input.chopped(input.endsWith(u'?') ? 1 : 0),
                       source.isEmpty() ? u"null"_qs : source,
                       QString::number(treatment.subtitleTrack),
                       fitChain.isEmpty() ? QString() : u',' + fitChain);
        return {u"-filter_complex"_qs, graph, u"-map"_qs, u"[tavout]"_qs};
    }
    QString chain = fitChain;
    if (treatment.subtitleTrack >= 0)
        chain = WithinPicture(
            chain, TextSubtitleFilter(sourcePath, treatment.subtitleTrack, startSeconds));
    chain = Joined({source, chain});
    QStringList options{u"-map"_qs, input};
    if (!chain.isEmpty())
        options << u"-vf"_qs << chain;
    return options;
}

QStringList SoundMapOptions(const SourceTreatment &treatment, int input)
{
    return {u"-map"_qs, QStringLiteral("%1:a:%2?").arg(input).arg(treatment.soundTrack)};
}

QString SoundMixFilter(const SourceTreatment &treatment)
{
    if (!treatment.mixToStereo)
        return {};
    // The centre as loud as each front channel, the surrounds at -3 dB, no LFE.
    return u"aresample=ochl=stereo:clev=1:slev=0.707:lfe_mix_level=0"_qs;
}

QStringList ColourTagOptions(const SourceTreatment &treatment)
{
    if (!treatment.toneMapTransfer.isEmpty()) {
        return {u"-color_primaries"_qs,
                u"bt709"_qs,
                u"-color_trc"_qs,
                u"bt709"_qs,
                u"-colorspace"_qs,
                u"bt709"_qs};
    }
    if (treatment.toBt709)
        return {u"-colorspace"_qs, u"bt709"_qs};
    return {};
}
