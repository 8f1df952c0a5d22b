#include "MediaProbe.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (!process.waitForStarted(30000) || !process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

double ParseRate(const QString &text)
{
    const QStringList parts = text.split(u'/');
    if (parts.size() == 2 && parts.at(1).toDouble() > 0)
        return parts.at(0).toDouble() / parts.at(1).toDouble();
    return text.toDouble();
}

QMap<QString, QString> Tags(const QJsonObject &object)
{
    QMap<QString, QString> tags;
    const QJsonObject json = object.value(u"tags").toObject();
    for (auto it = json.begin(); it != json.end(); ++it)
        tags.insert(it.key(), it.value().toString());
    return tags;
}

StreamInfo ReadStream(const QJsonObject &stream)
{
    StreamInfo info;
    info.codec = stream.value(u"codec_name").toString();
    info.profile = stream.value(u"profile").toString();
    info.level = stream.value(u"level").toInt();
    info.width = stream.value(u"width").toInt();
    info.height = stream.value(u"height").toInt();
    info.frameRate = ParseRate(stream.value(u"r_frame_rate").toString());
    info.displayAspect = stream.value(u"display_aspect_ratio").toString();
    info.bitRate = stream.value(u"bit_rate").toString().toLongLong();
    info.sampleRate = stream.value(u"sample_rate").toString().toInt();
    info.channels = stream.value(u"channels").toInt();
    if (stream.contains(u"has_b_frames"))
        info.bFrames = stream.value(u"has_b_frames").toInt();
    info.pixelFormat = stream.value(u"pix_fmt").toString();
    info.colorSpace = stream.value(u"color_space").toString();
    info.colorTransfer = stream.value(u"color_transfer").toString();
    info.colorPrimaries = stream.value(u"color_primaries").toString();
    info.tags = Tags(stream);
    return info;
}

/// Mean volume in dB of the first audio stream after filter (empty: none); NaN when unknown.
double MeanVolumeThrough(const QString &path, const QString &filter)
{
    const Run run = RunTool(QStringLiteral("ffmpeg"),
                            {u"-hide_banner"_qs,
                             u"-nostats"_qs,
                             u"-i"_qs,
                             path,
                             u"-vn"_qs,
                             u"-af"_qs,
                             filter.isEmpty() ? u"volumedetect"_qs : filter + u",volumedetect"_qs,
                             u"-f"_qs,
                             u"null"_qs,
                             u"-"_qs});
    static const QRegularExpression pattern(u"mean_volume: (-?[0-9.]+) dB"_qs);
    const QRegularExpressionMatch match = pattern.match(QString::fromLocal8Bit(run.err));
    if (run.exitCode != 0 || !match.hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    return match.captured(1).toDouble();
}

} // namespace

QString GenerateClip(const QString &path, double seconds, QSize size)
{
    const QString video = QStringLiteral("testsrc2=size=%1x%2:rate=30,noise=alls=2:allf=t")
                              .arg(size.width())
                              .arg(size.height());
    const QString audio
        = QStringLiteral("aevalsrc=0.05*(random(0)*2-1)|0.05*(random(1)*2-1):s=48000");
    const Run run = RunTool(QStringLiteral("ffmpeg"),
                            {u"-hide_banner"_qs,
                             u"-loglevel"_qs,
                             u"error"_qs,
                             u"-y"_qs,
                             u"-f"_qs,
                             u"lavfi"_qs,
                             u"-i"_qs,
                             video,
                             u"-f"_qs,
                             u"lavfi"_qs,
                             u"-i"_qs,
                             audio,
                             u"-t"_qs,
                             QString::number(seconds),
                             u"-c:v"_qs,
                             u"mpeg4"_qs,
                             u"-q:v"_qs,
                             u"3"_qs,
                             u"-c:a"_qs,
                             u"pcm_s16le"_qs,
                             path});
    if (run.exitCode != 0)
        return QStringLiteral("ffmpeg could not make the clip: ") + QString::fromLocal8Bit(run.err);
    return {};
}

MediaInfo ProbeMedia(const QString &path)
{
    MediaInfo info;
    const Run run = RunTool(QStringLiteral("ffprobe"),
                            {u"-v"_qs,
                             u"error"_qs,
                             u"-show_format"_qs,
                             u"-show_streams"_qs,
                             u"-of"_qs,
                             u"json"_qs,
                             path});
    if (run.exitCode != 0)
        return info;
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    const QJsonObject format = root.value(u"format").toObject();
    info.duration = format.value(u"duration").toString().toDouble();
    info.tags = Tags(format);
    for (const QJsonValue &value : root.value(u"streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(u"codec_type").toString();
        if (type == u"video" && !info.hasVideo) {
            info.hasVideo = true;
            info.video = ReadStream(stream);
        } else if (type == u"audio" && !info.hasAudio) {
            info.hasAudio = true;
            info.audio = ReadStream(stream);
        }
    }
    info.ok = true;
    return info;
}

double PictureStatistic(const QString &path,
                        double seconds,
                        const QString &key,
                        const QString &filter)
{
    const QString measure = QStringLiteral("signalstats,metadata=print:key=lavfi.signalstats.%1"
                                           ":file=-")
                                .arg(key);
    const Run run = RunTool(QStringLiteral("ffmpeg"),
                            {u"-hide_banner"_qs,
                             u"-nostats"_qs,
                             u"-ss"_qs,
                             QString::number(seconds),
                             u"-i"_qs,
                             path,
                             u"-frames:v"_qs,
                             u"1"_qs,
                             u"-vf"_qs,
                             filter.isEmpty() ? measure : filter + u',' + measure,
                             u"-f"_qs,
                             u"null"_qs,
                             u"-"_qs});
    const QRegularExpression pattern(QStringLiteral("signalstats\\.%1=(-?[0-9.]+)").arg(key));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(run.out));
    if (run.exitCode != 0 || !match.hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    return match.captured(1).toDouble();
}

double MeanVolume(const QString &path)
{
    return MeanVolumeThrough(path, QString());
}

double ToneLevel(const QString &path, int frequency)
{
    return MeanVolumeThrough(path,
                             QStringLiteral("bandpass=f=%1:width_type=q:w=10").arg(frequency));
}

QByteArray InterlaceReport(const QString &path)
{
    return RunTool(QStringLiteral("ffmpeg"),
                   {u"-hide_banner"_qs,
                    u"-nostats"_qs,
                    u"-i"_qs,
                    path,
                    u"-map"_qs,
                    u"0:v:0"_qs,
                    u"-vf"_qs,
                    u"idet"_qs,
                    u"-f"_qs,
                    u"null"_qs,
                    u"-"_qs})
        .err;
}

bool DecodesCleanly(const QString &path, QString *errors)
{
    const Run run = RunTool(
        QStringLiteral("ffmpeg"),
        {u"-hide_banner"_qs, u"-v"_qs, u"error"_qs, u"-i"_qs, path, u"-f"_qs, u"null"_qs, u"-"_qs});
    if (errors)
        *errors = QString::fromLocal8Bit(run.err);
    return run.exitCode == 0 && run.err.trimmed().isEmpty();
}

bool IndexAtFront(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Walk the top-level boxes: 32-bit size and type, a 64-bit size when the size is 1.
    const qint64 fileSize = file.size();
    qint64 offset = 0;
    while (offset + 8 <= fileSize) {
        file.seek(offset);
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            return false;
        auto byteAt = [&](int i) {
            return quint64(quint8(header.at(i)));
        };
        quint64 size = (byteAt(0) << 24) | (byteAt(1) << 16) | (byteAt(2) << 8) | byteAt(3);
        const QByteArray type = header.mid(4, 4);
        if (size == 1) {
            if (header.size() < 16)
                return false;
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = (size << 8) | byteAt(i);
        }
        if (type == "moov")
            return true;
        if (type == "mdat")
            return false;
        if (size < 8)
            return false; // 0 ("to the end") or broken: no index before the data
        offset += qint64(size);
    }
    return false;
}
