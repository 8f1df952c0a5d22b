#include "EncoderOutputParser.h"

#include "EncoderEnvironment.h"

#include <algorithm>
#include <limits>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsWordCharacter(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

/// Position of the first occurrence of key that starts a word (or follows allowedPrefix at the
/// start of a word), or -1.
qsizetype FindKey(QByteArrayView chunk, QByteArrayView key, char allowedPrefix = 0)
{
    for (qsizetype from = 0;;) {
        const qsizetype at = chunk.indexOf(key, from);
        if (at < 0)
            return -1;
        if (at == 0 || !IsWordCharacter(chunk.at(at - 1)))
            return at;
        if (allowedPrefix && chunk.at(at - 1) == allowedPrefix
            && (at == 1 || !IsWordCharacter(chunk.at(at - 2)))) {
            return at;
        }
        from = at + 1;
    }
}

/// Reads digits at pos; returns how many were read (0 when none) and their value.
qsizetype ReadDigits(QByteArrayView text, qsizetype pos, qint64 &value)
{
    value = 0;
    qsizetype count = 0;
    while (pos + count < text.size() && IsDigit(text.at(pos + count))) {
        if (value < (qint64(1) << 40))
            value = value * 10 + (text.at(pos + count) - '0');
        ++count;
    }
    return count;
}

bool ReadSize(QByteArrayView afterKey, int &sizeKB)
{
    constexpr qsizetype FieldWidth = 8;
    if (afterKey.size() < FieldWidth)
        return false;
    const QByteArrayView field = afterKey.first(FieldWidth);
    qsizetype pos = 0;
    while (pos < field.size() && (field.at(pos) == ' ' || field.at(pos) == '\t'))
        ++pos;
    qint64 value = 0;
    if (ReadDigits(field, pos, value) == 0)
        return false;
    sizeKB = int(std::min<qint64>(value, std::numeric_limits<int>::max()));
    return true;
}

/// "[-]h+:mm:ss[.f+]" at the start of text. False when text is no clock or the clock is cut
/// before its seconds are complete.
bool ReadClock(QByteArrayView text, double &seconds, bool &isClock)
{
    qsizetype pos = 0;
    const bool negative = pos < text.size() && text.at(pos) == '-';
    if (negative)
        ++pos;
    qint64 hours = 0;
    const qsizetype hourDigits = ReadDigits(text, pos, hours);
    isClock = hourDigits > 0 && pos + hourDigits < text.size() && text.at(pos + hourDigits) == ':';
    if (!isClock)
        return false;
    pos += hourDigits + 1;
    qint64 minutes = 0;
    if (ReadDigits(text, pos, minutes) != 2 || pos + 2 >= text.size() || text.at(pos + 2) != ':')
        return false;
    pos += 3;
    qint64 wholeSeconds = 0;
    if (ReadDigits(text, pos, wholeSeconds) != 2)
        return false;
    pos += 2;
    double fraction = 0.0;
    if (pos < text.size() && text.at(pos) == '.') {
        double scale = 0.1;
        for (++pos; pos < text.size() && IsDigit(text.at(pos)); ++pos, scale /= 10)
            fraction += (text.at(pos) - '0') * scale;
    }
    const double value
        = double(hours) * 3600 + double(minutes) * 60 + double(wholeSeconds) + fraction;
    seconds = negative ? 0.0 : value;
    return true;
}

/// The older form: the 5 characters after the key as a decimal number of seconds.
bool ReadDecimalSeconds(QByteArrayView afterKey, double &seconds)
{
    const QByteArrayView field = afterKey.first(std::min<qsizetype>(5, afterKey.size()));
    qsizetype pos = 0;
    while (pos < field.size() && field.at(pos) == ' ')
        ++pos;
    const bool negative = pos < field.size() && field.at(pos) == '-';
    if (negative || (pos < field.size() && field.at(pos) == '+'))
        ++pos;
    qint64 whole = 0;
    const qsizetype wholeDigits = ReadDigits(field, pos, whole);
    pos += wholeDigits;
    double fraction = 0.0;
    qsizetype fractionDigits = 0;
    if (pos < field.size() && field.at(pos) == '.') {
        double scale = 0.1;
        for (++pos; pos < field.size() && IsDigit(field.at(pos)); ++pos, scale /= 10) {
            fraction += (field.at(pos) - '0') * scale;
            ++fractionDigits;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0)
        return false;
    seconds = negative ? 0.0 : double(whole) + fraction;
    return true;
}

bool ReadTime(QByteArrayView afterKey, double &seconds)
{
    if (afterKey.size() < 4)
        return false;
    bool isClock = false;
    if (ReadClock(afterKey, seconds, isClock))
        return true;
    if (isClock)
        return false; // a clock cut before its seconds: missed like a cut key
    return ReadDecimalSeconds(afterKey, seconds);
}

} // namespace

EncoderProgress ParseEncoderChunk(QByteArrayView chunk)
{
    static constexpr QByteArrayView FrameKey("frame=");
    static constexpr QByteArrayView SizeKey("size=");
    static constexpr QByteArrayView TimeKey("time=");

    EncoderProgress progress;
    progress.frameFound = FindKey(chunk, FrameKey) >= 0;
    if (const qsizetype at = FindKey(chunk, SizeKey, 'L'); at >= 0)
        progress.sizeFound = ReadSize(chunk.sliced(at + SizeKey.size()), progress.sizeKB);
    if (const qsizetype at = FindKey(chunk, TimeKey); at >= 0)
        progress.timeFound = ReadTime(chunk.sliced(at + TimeKey.size()), progress.seconds);
    return progress;
}

bool IsEncoderProgressLine(QByteArrayView line)
{
    const QByteArrayView trimmed = line.trimmed();
    return trimmed.startsWith("frame=") || trimmed.startsWith("size=")
           || trimmed.startsWith("Lsize=");
}

bool ReportsVideoCopy(QByteArrayView chunk)
{
    const QByteArrayView mark(VideoCopiedMark);
    for (qsizetype from = 0; from < chunk.size();) {
        qsizetype end = from;
        while (end < chunk.size() && chunk.at(end) != '\n' && chunk.at(end) != '\r')
            ++end;
        if (chunk.sliced(from, end - from).trimmed().startsWith(mark))
            return true;
        from = end + 1;
    }
    return false;
}
