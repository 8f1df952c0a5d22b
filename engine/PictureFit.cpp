#include "PictureFit.h"

#include <QRegularExpression>

#include <cmath>

namespace {

QString Decimal(double value)
{
    return QString::number(value, 'g', 10);
}

struct CommonRate
{
    double fps;
    const char *text;
};

constexpr CommonRate CommonRates[] = {
    {10.0, "10"},
    {12.0, "12"},
    {12.5, "12.5"},
    {15.0, "15"},
    {20.0, "20"},
    {24000.0 / 1001.0, "24000/1001"},
    {24.0, "24"},
    {25.0, "25"},
    {30000.0 / 1001.0, "30000/1001"},
    {30.0, "30"},
};

bool Near(double value, double target, double tolerance)
{
    return std::abs(value - target) <= target * tolerance;
}

} // namespace

QString LetterboxFilter(int width, int height, double displayAspect)
{
    const double frameAspect = displayAspect > 0.0 ? displayAspect : double(width) / height;
    // The output's sample aspect ratio: how wide one pixel of the frame is shown.
    const double sampleAspect = frameAspect * height / width;
    const QString w = QString::number(width);
    const QString h = QString::number(height);
    const QString d = Decimal(frameAspect);
    const QString s = Decimal(sampleAspect);
    // A picture wider than the frame's shape takes the full width, else the full height; the
    // other side follows from its display aspect "dar", counted in the frame's pixels.
    return QStringLiteral("scale=w='if(gt(dar,%3),%1,max(2,2*round(%2*dar/%4/2)))'"
                          ":h='if(gt(dar,%3),max(2,2*round(%1*%4/dar/2)),%2)',"
                          "pad=%1:%2:(ow-iw)/2:(oh-ih)/2,setsar=%4")
        .arg(w, h, d, s);
}

QString FitWithinFilter(int maxWidth, int maxHeight)
{
    const QString w = QString::number(maxWidth);
    const QString h = QString::number(maxHeight);
    // The source's shown width is iw*sar; the smallest of the three limits on each side wins.
    return QStringLiteral("scale=w='max(2,2*round(min(iw*sar,min(%1,%2*dar))/2))'"
                          ":h='max(2,2*round(min(ih,min(%2,%1/dar))/2))',setsar=1")
        .arg(w, h);
}

QString WithinPicture(const QString &chain, const QString &filters)
{
    if (filters.isEmpty())
        return chain;
    if (chain.isEmpty())
        return filters;
    // LetterboxFilter's padding, which ends the chain when the picture is placed on bars.
    static const QRegularExpression padding(
        u",pad=\\d+:\\d+:\\(ow-iw\\)/2:\\(oh-ih\\)/2,setsar=[0-9.e+-]+$"_qs);
    const QRegularExpressionMatch match = padding.match(chain);
    if (!match.hasMatch())
        return chain + u',' + filters;
    return chain.left(match.capturedStart()) + u',' + filters + chain.mid(match.capturedStart());
}

std::optional<double> ParseDisplayAspect(const QString &text)
{
    static const QRegularExpression ratio(u"^(\\d+(?:\\.\\d+)?)[:/](\\d+(?:\\.\\d+)?)$"_qs);
    static const QRegularExpression decimal(u"^\\d+(?:\\.\\d+)?$"_qs);
    const QString trimmed = text.trimmed();
    double value = 0.0;
    const QRegularExpressionMatch match = ratio.match(trimmed);
    if (match.hasMatch()) {
        const double denominator = match.captured(2).toDouble();
        if (denominator > 0.0)
            value = match.captured(1).toDouble() / denominator;
    } else if (decimal.match(trimmed).hasMatch()) {
        value = trimmed.toDouble();
    }
    if (!(value > 0.0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString PlayerFrameRate(double sourceFps)
{
    if (!(sourceFps > 0.0) || !std::isfinite(sourceFps))
        return QStringLiteral("30000/1001");
    // The nearest common rate within 1 % (30 and 30000/1001 are both common and 0.1 % apart).
    const CommonRate *nearest = nullptr;
    for (const CommonRate &rate : CommonRates) {
        if (Near(sourceFps, rate.fps, 0.01)
            && (!nearest || std::abs(sourceFps - rate.fps) < std::abs(sourceFps - nearest->fps)))
            nearest = &rate;
    }
    if (nearest)
        return QString::fromLatin1(nearest->text);
    if (sourceFps <= 30.0)
        return QString::number(sourceFps, 'f', 3);
    const double multiple = std::round(sourceFps / 25.0);
    if (multiple >= 2.0 && Near(sourceFps, multiple * 25.0, 0.01))
        return QStringLiteral("25");
    return QStringLiteral("30000/1001");
}
