#include "CommandLine.h"

#include "SettingTables.h"

#include <climits>
#include <cmath>

namespace {

QString hms(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

/// "hh:mm:ss", or "hh:mm:ss.mmm" when seconds (rounded to the millisecond) is not whole. The
/// encoder's time syntax takes both; cutting to whole seconds would lose the end of every file.
QString TimeText(double seconds)
{
    const int whole = WholeSeconds(seconds);
    if (whole == INT_MAX)
        return hms(whole);
    qint64 millis = std::llround(std::max(0.0, seconds - whole) * 1000.0);
    int shownWhole = whole;
    if (millis >= 1000 && whole < INT_MAX) {
        ++shownWhole;
        millis -= 1000;
    }
    if (millis == 0)
        return hms(shownWhole);
    return hms(shownWhole) + QString::asprintf(".%03lld", static_cast<long long>(millis));
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

/// The value escaped for a place where quoting is already open. Backslashes only need doubling
/// where a quote follows them: before a quote in the value, and at the value's end when the
/// template closes the quote right after it (closesQuote).
QString escapeInsideQuotes(const QString &value, bool closesQuote)
{
    QString out;
    out.reserve(value.size() + 8);
    qsizetype backslashes = 0;
    for (const QChar c : value) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') {
            out += QString(backslashes * 2 + 1, u'\\');
            out += u'"';
        } else {
            out += QString(backslashes, u'\\');
            out += c;
        }
        backslashes = 0;
    }
    out += QString(closesQuote ? backslashes * 2 : backslashes, u'\\');
    return out;
}

enum class Kind { Text, Option };

struct Placeholder
{
    QString name;
    QString value;
    Kind kind;
};

QString timeStamp(const QDateTime &now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::asprintf("%d-%02d-%02d %02d:%02d:%02d",
                             d.year(),
                             d.month(),
                             d.day(),
                             t.hour(),
                             t.minute(),
                             t.second());
}

QList<Placeholder> placeholdersFor(const ConversionTask &task,
                                   const QString &outputPath,
                                   const QDateTime &now)
{
    const bool intermediate = task.needsPreconversion == 1;
    QList<Placeholder> list = {
        {QStringLiteral("$INPUT_FILE"),
         intermediate ? task.intermediatePath : task.sourcePath,
         Kind::Text},
        // The intermediate file already begins at the trim start: no seek at all.
        {QStringLiteral("$START"), intermediate ? QString() : StartText(task), Kind::Option},
        {QStringLiteral("$LENGTH"), LengthText(task), Kind::Option},
        {QStringLiteral("$TITLE"), task.baseName, Kind::Text},
        {QStringLiteral("$TIMESTAMP"), timeStamp(now), Kind::Text},
        {QStringLiteral("$OUTPUT_FILE"), outputPath, Kind::Text},
    };
    if (task.mpeg4Profile == 0) {
        // Only profile 0 takes the window's settings; other profiles keep these as written.
        for (const SettingTable &table : SettingTables()) {
            const int index = task.*table.field;
            if (index >= 0 && index < table.items.size())
                list.append({table.placeholder, table.items.at(index).replacement, Kind::Option});
        }
    }
    return list;
}

} // namespace

int WholeSeconds(double seconds)
{
    if (std::isnan(seconds) || seconds <= 0.0)
        return 0;
    if (seconds >= double(INT_MAX))
        return INT_MAX;
    return int(seconds);
}

QString StartText(const ConversionTask &task)
{
    // Any seek, even to 0, makes FFmpeg start decoding at a key frame: on MPEG-4 Part 2 files
    // with B-frames it cannot seek to 0 exactly and every frame up to the next key frame is lost.
    const QString start = TimeText(task.trimStart);
    if (start == QLatin1String("00:00:00"))
        return QString();
    return QStringLiteral(" -ss ") + start;
}

QString LengthText(const ConversionTask &task)
{
    return QStringLiteral(" -t ") + TimeText(task.trimEnd - task.trimStart);
}

QString BuildCommandLineFromTemplate(const QString &templateText,
                                     const ConversionTask &task,
                                     const QString &outputPath,
                                     const QDateTime &now)
{
    const QList<Placeholder> placeholders = placeholdersFor(task, outputPath, now);
    QString out;
    out.reserve(templateText.size() + 512);
    bool inQuotes = false;
    qsizetype i = 0;
    const qsizetype n = templateText.size();
    while (i < n) {
        const QChar c = templateText.at(i);
        if (c == u'$') {
            const Placeholder *match = nullptr;
            for (const Placeholder &p : placeholders) {
                if (QStringView(templateText).mid(i).startsWith(p.name)) {
                    match = &p;
                    break;
                }
            }
            if (match) {
                i += match->name.size();
                if (match->kind == Kind::Option) {
                    out += match->value;
                } else if (inQuotes) {
                    const bool closes = i < n && templateText.at(i) == u'"';
                    out += escapeInsideQuotes(match->value, closes);
                } else {
                    out += u'"' + escapeInsideQuotes(match->value, true) + u'"';
                }
                continue;
            }
        }
        if (c == u'\\') {
            // Follow the template's own escapes so the quoting state stays right.
            qsizetype run = 0;
            while (i + run < n && templateText.at(i + run) == u'\\')
                ++run;
            out += templateText.mid(i, run);
            i += run;
            if (i < n && templateText.at(i) == u'"') {
                out += u'"';
                if (run % 2 == 0)
                    inQuotes = !inQuotes;
                ++i;
            }
            continue;
        }
        if (c == u'"')
            inQuotes = !inQuotes;
        out += c;
        ++i;
    }
    return out;
}

QString BuildCommandLine(const ProfileFile &profiles,
                         const ConversionTask &task,
                         const QString &outputPath)
{
    const QString templateText = profiles.CommandTemplate(task.mpeg4Profile);
    if (templateText.isEmpty())
        return QString();
    return BuildCommandLineFromTemplate(
        templateText, task, outputPath, QDateTime::currentDateTime());
}

QStringList SplitCommandLine(const QString &commandLine)
{
    QStringList arguments;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(commandLine.at(i)))
            ++i;
        if (i >= n)
            break;
        QString argument;
        bool inQuotes = false;
        while (i < n) {
            const QChar c = commandLine.at(i);
            if (c == u'\\') {
                qsizetype run = 0;
                while (i + run < n && commandLine.at(i + run) == u'\\')
                    ++run;
                i += run;
                if (i < n && commandLine.at(i) == u'"') {
                    argument += QString(run / 2, u'\\');
                    if (run % 2 == 1) {
                        argument += u'"';
                        ++i;
                    }
                    // An even run leaves the quote to the branch below.
                } else {
                    argument += QString(run, u'\\');
                }
                continue;
            }
            if (c == u'"') {
                inQuotes = !inQuotes;
                ++i;
                continue;
            }
            if (!inQuotes && isBlank(c))
                break;
            argument += c;
            ++i;
        }
        arguments.append(argument);
    }
    return arguments;
}

QString QuoteCommandLineArgument(const QString &argument)
{
    const bool needsQuotes
        = argument.isEmpty() || std::any_of(argument.begin(), argument.end(), [](QChar c) {
              return isBlank(c) || c == u'"';
          });
    if (!needsQuotes)
        return argument;
    return u'"' + escapeInsideQuotes(argument, true) + u'"';
}
