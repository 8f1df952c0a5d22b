#include "InterlaceDetection.h"

#include "SafeMediaInput.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

/// Fewer frames than this tell nothing.
constexpr int MinimumFrames = 10;
/// Interlaced frames counted in one field order at least this many times as often as in the
/// other.
constexpr int ConsistentOrder = 4;

} // namespace

double InterlaceSampleStart(double rangeStart, double rangeLength, double duration)
{
    const double start = std::max(0.0, rangeStart);
    const double length = rangeLength > 0.0 ? rangeLength : duration - start;
    if (!(length > InterlaceSampleSeconds))
        return start;
    return start + (length - InterlaceSampleSeconds) / 2.0;
}

QStringList InterlaceDetectionArguments(const QString &path, double sampleStart, int videoStream)
{
    QStringList arguments{
        u"-nostdin"_qs, u"-hide_banner"_qs, u"-nostats"_qs, u"-loglevel"_qs, u"info"_qs};
    if (sampleStart > 0.0)
        arguments << u"-ss"_qs << QString::number(sampleStart, 'f', 3);
    arguments << SafeInputOptions() << u"-i"_qs << u"file:"_qs + QFileInfo(path).absoluteFilePath()
              << u"-map"_qs
              << (videoStream >= 0 ? u"0:"_qs + QString::number(videoStream) : u"0:v:0"_qs)
              << u"-an"_qs << u"-sn"_qs << u"-dn"_qs << u"-t"_qs
              << QString::number(InterlaceSampleSeconds) << u"-vf"_qs << u"idet"_qs << u"-f"_qs
              << u"null"_qs << u"-"_qs;
    return arguments;
}

Interlacing ParseInterlaceReport(QByteArrayView report)
{
    // "Multi frame detection: TFF:    50 BFF:     0 Progressive:     0 Undetermined:     0"
    static const QRegularExpression counts(
        u"Multi frame detection: TFF:\\s*(\\d+)\\s+BFF:\\s*(\\d+)\\s+Progressive:\\s*(\\d+)"
        "\\s+Undetermined:\\s*(\\d+)"_qs);
    const QRegularExpressionMatch match = counts.match(QString::fromLatin1(report));
    if (!match.hasMatch())
        return Interlacing::Unknown;
    const qint64 tff = match.captured(1).toLongLong();
    const qint64 bff = match.captured(2).toLongLong();
    const qint64 progressive = match.captured(3).toLongLong();
    const qint64 undetermined = match.captured(4).toLongLong();
    if (tff + bff + progressive + undetermined < MinimumFrames)
        return Interlacing::Unknown;
    // Interlaced pictures show one field order throughout; sharp synthetic motion can look
    // combed to idet, but then in either order.
    const qint64 dominant = std::max(tff, bff);
    if (dominant <= progressive || dominant < ConsistentOrder * std::min(tff, bff))
        return Interlacing::Progressive;
    return tff >= bff ? Interlacing::TopFieldFirst : Interlacing::BottomFieldFirst;
}
