#include "OptionValues.h"

#include <QRegularExpression>

#include <cmath>

std::optional<qint64> ParseBitrate(const QString &text)
{
    static const QRegularExpression pattern(u"^(\\d+(?:\\.\\d+)?)([kKmM]?)$"_qs);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    double value = match.captured(1).toDouble();
    const QString suffix = match.captured(2).toLower();
    if (suffix == u"k")
        value *= 1000;
    else if (suffix == u"m")
        value *= 1000000;
    else if (value < OldDialectBitrateLimit)
        value *= 1000;
    return qint64(std::llround(value));
}

QString ModernBitrate(const QString &text)
{
    static const QRegularExpression bare(u"^\\d+(?:\\.\\d+)?$"_qs);
    if (bare.match(text).hasMatch() && text.toDouble() < OldDialectBitrateLimit)
        return text + u'k';
    return text;
}

std::optional<qint64> ParseBufferSize(const QString &text)
{
    static const QRegularExpression pattern(u"^(\\d+)([kKmM]?)$"_qs);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 value = match.captured(1).toLongLong();
    const QString suffix = match.captured(2).toLower();
    if (suffix == u"k")
        return value * 1000;
    if (suffix == u"m")
        return value * 1000000;
    return value * 8 * 1024;
}

std::optional<QSize> ParseFrameSize(const QString &text)
{
    static const QRegularExpression pattern(u"^(\\d{1,5})x(\\d{1,5})$"_qs);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<double> ParseFrameRate(const QString &text)
{
    static const QRegularExpression decimal(u"^\\d+(?:\\.\\d+)?$"_qs);
    static const QRegularExpression ratio(u"^(\\d+)/(\\d+)$"_qs);
    if (decimal.match(text).hasMatch())
        return text.toDouble();
    const QRegularExpressionMatch match = ratio.match(text);
    if (match.hasMatch() && match.captured(2).toLongLong() > 0)
        return match.captured(1).toDouble() / match.captured(2).toDouble();
    return std::nullopt;
}

QString ExactFrameRate(const QString &text)
{
    if (text == u"29.97")
        return u"30000/1001"_qs;
    if (text == u"23.976")
        return u"24000/1001"_qs;
    if (text == u"59.94")
        return u"60000/1001"_qs;
    return text;
}
