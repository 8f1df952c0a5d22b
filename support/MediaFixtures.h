#pragma once

// Real media files for the media and pre-conversion tests and the benchmarks, made with the
// installed ffmpeg from its generated test picture and tone, and read back with ffprobe.
// Header-only, in the tavrel_support library.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace MediaFixtures {

/// Container and codec options for a source file of each type the program accepts.
struct SourceKind
{
    const char *extension;
    QStringList options; ///< everything between the inputs and the output name
};

inline QList<SourceKind> SourceKinds()
{
    const QStringList rm{"-c:v", "rv20", "-c:a", "ac3", "-ac", "2", "-f", "rm"};
    const QStringList mpeg{"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"};
    const QStringList asf{"-c:v", "wmv2", "-c:a", "wmav2", "-f", "asf"};
    const QStringList mov{"-c:v", "mpeg4", "-c:a", "aac", "-f", "mov"};
    return {
        {"rm", rm},
        {"rmvb", rm},
        {"avi", {"-c:v", "mpeg4", "-c:a", "libmp3lame", "-f", "avi"}},
        {"mpg", mpeg},
        {"mpeg", mpeg},
        {"vob", {"-c:v", "mpeg2video", "-c:a", "ac3", "-f", "vob"}},
        {"wmv", asf},
        {"asf", {"-c:v", "wmv1", "-c:a", "wmav1", "-f", "asf"}},
        {"wma", {"-vn", "-c:a", "wmav2", "-f", "asf"}},
        {"mov", mov},
        {"qt", mov},
        {"3gp", {"-c:v", "mpeg4", "-c:a", "aac", "-ar", "16000", "-ac", "1", "-f", "3gp"}},
    };
}

inline SourceKind KindFor(const QString &extension)
{
    for (const SourceKind &kind : SourceKinds()) {
        if (extension == QLatin1String(kind.extension))
            return kind;
    }
    return {"", {}};
}

/// Runs ffmpeg to completion; true when it exited with 0. Output goes to *log when given.
inline bool RunFfmpeg(const QStringList &arguments, QString *log = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"} + arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (log)
        *log = QString::fromLocal8Bit(process.readAll());
    return ok;
}

/// Writes seconds of the moving test picture (width x height, 25 frames per second) with a
/// stereo tone into path, in the container and codecs of the path's extension.
inline bool MakeSource(const QString &path,
                       double seconds,
                       const QString &size = QStringLiteral("160x120"),
                       QString *log = nullptr)
{
    const QString extension = path.section(QLatin1Char('.'), -1);
    const SourceKind kind = KindFor(extension);
    if (kind.options.isEmpty())
        return false;
    const QString duration = QString::number(seconds);
    QStringList arguments{"-f",
                          "lavfi",
                          "-i",
                          QStringLiteral("testsrc=size=%1:rate=25").arg(size),
                          "-f",
                          "lavfi",
                          "-i",
                          "sine=frequency=440:sample_rate=44100",
                          "-t",
                          duration};
    arguments << kind.options << path;
    return RunFfmpeg(arguments, log);
}

/// What ffprobe says about a file's first video and first audio stream.
struct ProbeResult
{
    bool ok = false;
    QString formatName;
    double duration = 0.0;
    QString videoCodec;
    int width = 0;
    int height = 0;
    double frameRate = 0.0; ///< r_frame_rate as a number
    QString audioCodec;
    int sampleRate = 0;
    int channels = 0;
};

inline double Rate(const QString &fraction)
{
    const QStringList parts = fraction.split(QLatin1Char('/'));
    if (parts.size() != 2 || parts.at(1).toDouble() == 0.0)
        return parts.value(0).toDouble();
    return parts.at(0).toDouble() / parts.at(1).toDouble();
}

inline ProbeResult Probe(const QString &path)
{
    ProbeResult result;
    QProcess process;
    process.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return result;
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    const QJsonObject format = root.value("format").toObject();
    result.formatName = format.value("format_name").toString();
    result.duration = format.value("duration").toString().toDouble();
    for (const QJsonValue &value : root.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value("codec_type").toString();
        if (type == QLatin1String("video") && result.videoCodec.isEmpty()) {
            result.videoCodec = stream.value("codec_name").toString();
            result.width = stream.value("width").toInt();
            result.height = stream.value("height").toInt();
            result.frameRate = Rate(stream.value("r_frame_rate").toString());
        } else if (type == QLatin1String("audio") && result.audioCodec.isEmpty()) {
            result.audioCodec = stream.value("codec_name").toString();
            result.sampleRate = stream.value("sample_rate").toString().toInt();
            result.channels = stream.value("channels").toInt();
        }
    }
    result.ok = true;
    return result;
}

/// Names of the encoders the installed ffmpeg program lists.
inline QStringList FfmpegEncoders()
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), {"-hide_banner", "-encoders"});
    process.waitForFinished(60000);
    QStringList names;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    bool table = false;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0) == "------") {
            table = true;
            continue;
        }
        if (table && fields.size() >= 2)
            names << QString::fromLatin1(fields.at(1));
    }
    return names;
}

} // namespace MediaFixtures
