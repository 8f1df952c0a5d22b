#include "ConvertArguments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

enum class Option {
    Profile,
    Wmv,
    Output,
    Start,
    End,
    Title,
    AlwaysEncode,
    Jobs,
    Json,
    ListProfiles,
    Quiet,
    Help,
    Version,
    Setting,
};

enum class Arity { None, Required, Optional };

struct OptionEntry
{
    QString name;    ///< "--profile"
    QChar shortName; ///< 'p', or 0
    Arity arity;
    Option option;
    int setting = -1; ///< Option::Setting: index into SettingTables()
};

QList<OptionEntry> OptionTable()
{
    QList<OptionEntry> options{
        {QStringLiteral("--profile"), u'p', Arity::Required, Option::Profile},
        {QStringLiteral("--wmv"), {}, Arity::Optional, Option::Wmv},
        {QStringLiteral("--output"), u'o', Arity::Required, Option::Output},
        {QStringLiteral("--start"), {}, Arity::Required, Option::Start},
        {QStringLiteral("--end"), {}, Arity::Required, Option::End},
        {QStringLiteral("--title"), {}, Arity::Required, Option::Title},
        {QStringLiteral("--always-encode"), {}, Arity::None, Option::AlwaysEncode},
        {QStringLiteral("--jobs"), u'j', Arity::Required, Option::Jobs},
        {QStringLiteral("--json"), {}, Arity::None, Option::Json},
        {QStringLiteral("--list-profiles"), {}, Arity::None, Option::ListProfiles},
        {QStringLiteral("--quiet"), u'q', Arity::None, Option::Quiet},
        {QStringLiteral("--help"), u'h', Arity::None, Option::Help},
        {QStringLiteral("--version"), {}, Arity::None, Option::Version},
    };
    const QList<SettingTable> &tables = SettingTables();
    for (int i = 0; i < tables.size(); ++i) {
        options.append({ConvertArguments::SettingOption(tables.at(i)),
                        {},
                        Arity::Required,
                        Option::Setting,
                        i});
    }
    return options;
}

const OptionEntry *FindOption(const QList<OptionEntry> &options, const QString &name)
{
    for (const OptionEntry &option : options) {
        if (option.name == name
            || (!option.shortName.isNull() && name.size() == 2 && name.at(1) == option.shortName))
            return &option;
    }
    return nullptr;
}

/// A setting's text compared without blanks and letter case ("640x480" is "640 x 480").
QString Squeezed(const QString &text)
{
    QString squeezed;
    for (const QChar c : text) {
        if (!c.isSpace())
            squeezed.append(c.toLower());
    }
    return squeezed;
}

/// The item's text without its unit ("44100  Hz" gives "44100"); empty when it has none.
QString WithoutUnit(const QString &itemText)
{
    static const QRegularExpression unit(QStringLiteral("^([0-9.]+)(fps|kbps|hz|%)$"));
    const QRegularExpressionMatch match = unit.match(Squeezed(itemText));
    return match.hasMatch() ? match.captured(1) : QString();
}

/// "  N  title" lines, one per entry.
QString NumberedList(const QStringList &entries)
{
    QStringList lines;
    for (int i = 0; i < entries.size(); ++i)
        lines.append(QStringLiteral("  %1  %2").arg(i, 2).arg(entries.at(i)));
    return lines.join(u'\n');
}

QStringList SettingValues(const SettingTable &table)
{
    QStringList values;
    for (const SettingItem &item : table.items)
        values.append(item.itemText.simplified());
    return values;
}

int DefaultProfile(const ProfileList &profiles)
{
    const bool inRange
        = profiles.defaultIndex >= 0 && profiles.defaultIndex < profiles.titles.size();
    return inRange ? profiles.defaultIndex : 0;
}

} // namespace

// --- the options' task ----------------------------------------------------------------------

ConversionTask ConvertOptions::TaskFor(const QString &path, double duration) const
{
    ConversionTask task = NewConversionTask(path, duration, wmv ? 1 : 0, wmvProfile);
    task.mpeg4Profile = profile;
    const QList<SettingTable> &tables = SettingTables();
    for (int i = 0; i < tables.size() && i < settings.size(); ++i)
        task.*tables.at(i).field = settings.at(i);
    task.alwaysEncode = alwaysEncode;
    if (title) {
        task.baseName = *title;
        task.title = *title;
    }
    if (task.trimEnd > 0.0) {
        const double length = task.trimEnd;
        task.trimStart = std::clamp(start.value_or(0.0), 0.0, length);
        task.trimEnd = std::clamp(end.value_or(length), 0.0, length);
    }
    return task;
}

// --- reading the command line ---------------------------------------------------------------

std::optional<double> ConvertArguments::ParseTime(const QString &text)
{
    static const QRegularExpression seconds(QStringLiteral("^\\d+(\\.\\d+)?$"));
    static const QRegularExpression clock(
        QStringLiteral("^(?:(\\d+):)?([0-5]?\\d):([0-5]?\\d(?:\\.\\d+)?)$"));
    if (seconds.match(text).hasMatch())
        return text.toDouble();
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double hours = match.captured(1).isEmpty() ? 0.0 : match.captured(1).toDouble();
    return hours * 3600.0 + match.captured(2).toDouble() * 60.0 + match.captured(3).toDouble();
}

QString ConvertArguments::SettingOption(const SettingTable &table)
{
    return QStringLiteral("--") + table.label.toLower().replace(u' ', u'-');
}

namespace {

/// Reads one command line; a class so that every step can refuse with its reason.
class Reader
{
    Q_DECLARE_TR_FUNCTIONS(ConvertArguments)

public:
    explicit Reader(const ConvertContext &context)
        : m_context(context)
        , m_table(OptionTable())
    {}

    ConvertArgumentsResult Read(const QStringList &arguments);

private:
    /// Takes the option option, written as name (for messages), with its value.
    bool Take(const OptionEntry &option, const QString &name, const QString &value, bool hasValue);
    bool Check();
    /// The index that text chooses among names: a number, or text found in exactly one name
    /// (letter case ignored; a name equal to it wins). option names the option in messages.
    std::optional<int> Choose(const QString &option, const QString &text, const QStringList &names);
    bool NamesWmvProfile(const QString &text) const;
    bool Refuse(const QString &error)
    {
        if (m_error.isEmpty())
            m_error = error;
        return false;
    }

    const ConvertContext &m_context;
    const QList<OptionEntry> m_table;
    ConvertOptions m_options;
    QString m_error;
    bool m_profileGiven = false;
    QStringList m_settingsGiven;
};

ConvertArgumentsResult Reader::Read(const QStringList &arguments)
{
    for (const SettingTable &table : SettingTables())
        m_options.settings.append(table.defaultIndex);
    m_options.profile = DefaultProfile(m_context.profiles);
    m_options.outputDirectory = m_context.defaultOutputDirectory;
    m_options.jobs = std::max(1, m_context.defaultJobs);

    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && m_error.isEmpty(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || !argument.startsWith(u'-')) {
            m_options.inputs.append(argument);
            continue;
        }
        QString name = argument;
        QString value;
        bool hasValue = false;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = argument.indexOf(u'=');
            if (equals > 0) {
                name = argument.left(equals);
                value = argument.mid(equals + 1);
                hasValue = true;
            }
        } else if (argument.size() > 2) {
            name = argument.left(2);
            value = argument.mid(argument.at(2) == u'=' ? 3 : 2);
            hasValue = true;
        }
        const OptionEntry *option = FindOption(m_table, name);
        if (!option) {
            //: %1 is the option as given, such as --foo
            Refuse(tr("Unknown option %1.").arg(name));
            break;
        }
        if (option->arity == Arity::None && hasValue) {
            //: %1 is an option, such as --json
            Refuse(tr("%1 takes no value.").arg(name));
            break;
        }
        const bool nextIsValue
            = i + 1 < arguments.size()
              && (option->arity == Arity::Required
                  || (option->arity == Arity::Optional && NamesWmvProfile(arguments.at(i + 1))));
        if (!hasValue && option->arity != Arity::None && nextIsValue) {
            value = arguments.at(++i);
            hasValue = true;
        }
        if (option->arity == Arity::Required && !hasValue) {
            //: %1 is an option, such as --jobs
            Refuse(tr("%1 needs a value.").arg(name));
            break;
        }
        if (option->option == Option::Help || option->option == Option::Version) {
            m_options.action = option->option == Option::Help ? ConvertOptions::Action::Help
                                                              : ConvertOptions::Action::Version;
            return {m_options, {}, 0};
        }
        Take(*option, name, value, hasValue);
    }
    if (m_error.isEmpty())
        Check();
    if (!m_error.isEmpty())
        return {m_options, m_error, ConvertArguments::UsageStatus};
    return {m_options, {}, 0};
}

bool Reader::Take(const OptionEntry &option,
                  const QString &name,
                  const QString &value,
                  bool hasValue)
{
    switch (option.option) {
    case Option::Profile: {
        const std::optional<int> index = Choose(name, value, m_context.profiles.titles);
        if (!index)
            return false;
        m_options.profile = *index;
        m_profileGiven = true;
        return true;
    }
    case Option::Wmv: {
        if (m_context.wmvProfiles.isEmpty())
            return Refuse(tr("No WMV profile is available: the file of WMV profiles beside the "
                             "program is missing or lists none."));
        m_options.wmv = true;
        m_options.wmvProfile = 0;
        if (!hasValue)
            return true;
        const std::optional<int> index = Choose(name, value, m_context.wmvProfiles);
        if (index)
            m_options.wmvProfile = *index;
        return index.has_value();
    }
    case Option::Output:
        if (value.isEmpty())
            //: %1 is the option, --output or -o
            return Refuse(tr("%1 needs a folder.").arg(name));
        m_options.outputDirectory = value;
        return true;
    case Option::Start:
    case Option::End: {
        const std::optional<double> seconds = ConvertArguments::ParseTime(value);
        if (!seconds)
            //: %1 is the option (--start or --end), %2 the value given; keep the examples
            return Refuse(tr("%1 \"%2\" is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm "
                             "(00:01:30.500).")
                              .arg(name, value));
        (option.option == Option::Start ? m_options.start : m_options.end) = *seconds;
        return true;
    }
    case Option::Title:
        if (value.trimmed().isEmpty())
            //: %1 is the option, --title
            return Refuse(tr("%1 needs a text.").arg(name));
        m_options.title = value;
        return true;
    case Option::Jobs: {
        bool number = false;
        const int jobs = value.toInt(&number);
        if (!number || jobs < 1)
            //: %1 is the option (--jobs or -j), %2 the value given
            return Refuse(
                tr("%1 \"%2\" is not a number of videos at once (1 or more).").arg(name, value));
        m_options.jobs = jobs;
        return true;
    }
    case Option::AlwaysEncode:
        m_options.alwaysEncode = true;
        return true;
    case Option::Json:
        m_options.json = true;
        return true;
    case Option::ListProfiles:
        m_options.action = ConvertOptions::Action::ListProfiles;
        return true;
    case Option::Quiet:
        m_options.quiet = true;
        return true;
    case Option::Setting: {
        const SettingTable &table = SettingTables().at(option.setting);
        const QString wanted = Squeezed(value);
        for (int i = 0; i < table.items.size(); ++i) {
            const QString &item = table.items.at(i).itemText;
            if (Squeezed(item) == wanted || (!wanted.isEmpty() && WithoutUnit(item) == wanted)) {
                m_options.settings[option.setting] = i;
                m_settingsGiven.append(option.name);
                return true;
            }
        }
        //: %1 is a setting's option (--video-size), %2 the value given, %3 the values it takes,
        //: which stay as they are (they are typed as listed)
        return Refuse(tr("%1 \"%2\" is not one of the values: %3.")
                          .arg(name, value, SettingValues(table).join(QStringLiteral(", "))));
    }
    case Option::Help:
    case Option::Version:
        break;
    }
    return true;
}

bool Reader::Check()
{
    if (m_options.action != ConvertOptions::Action::Convert)
        return true;
    if (m_options.inputs.isEmpty())
        return Refuse(tr("No video given: name the files or folders to convert."));
    if (m_options.wmv && m_profileGiven)
        return Refuse(tr("--profile chooses an MP4 profile; it does not go with --wmv."));
    if (!m_settingsGiven.isEmpty() && m_options.wmv)
        //: %1 is a setting's option, such as --video-size
        return Refuse(tr("%1 is a setting of the custom MP4 profile; it does not go with --wmv.")
                          .arg(m_settingsGiven.constFirst()));
    if (!m_settingsGiven.isEmpty() && m_options.profile != 0) {
        const QString custom = m_context.profiles.titles.value(0);
        //: %1 is a setting's option, such as --video-size; %2 the title of profile 0
        return Refuse(tr("%1 is a setting of the custom profile (0, \"%2\"); choose it with -p 0.")
                          .arg(m_settingsGiven.constFirst(), custom));
    }
    if (!m_options.wmv && m_context.profiles.titles.isEmpty())
        return Refuse(tr("No MP4 profile is available: the profile file is missing or lists "
                         "none."));
    if (m_options.start && m_options.end && *m_options.end <= *m_options.start)
        return Refuse(tr("--end must come after --start."));
    if (m_options.title && m_options.inputs.size() != 1)
        return Refuse(tr("--title names one output file: give exactly one FILE."));
    return true;
}

std::optional<int> Reader::Choose(const QString &option,
                                  const QString &text,
                                  const QStringList &names)
{
    // A number is a profile's number; one beyond the list is part of a title ("-p 720").
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    if (number.match(text).hasMatch()) {
        bool ok = false;
        const int index = text.toInt(&ok);
        if (ok && index < names.size())
            return index;
    }
    QList<int> matches;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
        if (!text.isEmpty() && names.at(i).contains(text, Qt::CaseInsensitive))
            matches.append(i);
    }
    if (matches.size() == 1)
        return matches.constFirst();
    if (matches.isEmpty()) {
        //: %1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles,
        //: one a line
        Refuse(tr("%1 \"%2\": no profile has that number or that in its name. The profiles "
                  "are:\n%3")
                   .arg(option, text, NumberedList(names)));
    } else {
        QStringList lines;
        for (int i : std::as_const(matches))
            lines.append(QStringLiteral("  %1  %2").arg(i, 2).arg(names.at(i)));
        //: %1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles,
        //: one a line
        Refuse(tr("%1 \"%2\" matches more than one profile; give more of the name or its "
                  "number:\n%3")
                   .arg(option, text, lines.join(u'\n')));
    }
    return std::nullopt;
}

bool Reader::NamesWmvProfile(const QString &text) const
{
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    if (text.startsWith(u'-') || text.isEmpty())
        return false;
    if (number.match(text).hasMatch())
        return true;
    return std::any_of(
        m_context.wmvProfiles.cbegin(), m_context.wmvProfiles.cend(), [&text](const QString &name) {
            return name.contains(text, Qt::CaseInsensitive);
        });
}

} // namespace

ConvertArgumentsResult ConvertArguments::Parse(const QStringList &arguments,
                                               const ConvertContext &context)
{
    return Reader(context).Read(arguments);
}

// --- texts ----------------------------------------------------------------------------------

QString ConvertArguments::HelpText(const ConvertContext &context)
{
    //: the value of a setting's option in --help ("--video-size TEXT"); the same word as
    //: TEXT in the list of options
    const QString value = tr("TEXT");
    QStringList settings;
    for (const SettingTable &table : SettingTables()) {
        settings.append(QStringLiteral("  %1 ").arg(SettingOption(table) + u' ' + value, -21)
                        + SettingText(table.label));
    }
    //: --help. Keep the options and the layout (the descriptions start in the column of the
    //: first line's); translate the descriptions and the names of values (FILE, N, TEXT, DIR, T).
    //: %1 is the default profile's number, %2 the default output folder, %3 the default number
    //: of videos at once, %4 the lines of the settings' options
    return tr("Usage: tavrel-convert [options] FILE...\n"
              "Converts videos as Tavrel's window does, one after another or several at once, "
              "into MP4 files through the encoder or WMV files. A FOLDER among the FILEs adds the "
              "videos directly inside it.\n"
              "\n"
              "  -p, --profile N|TEXT  MP4 profile by number or part of its title (default %1)\n"
              "      --wmv[=N|TEXT]    WMV output with that WMV profile (default 0)\n"
              "  -o, --output DIR      output folder, made when missing (default: the window's, "
              "else the current folder; now %2)\n"
              "      --start T         convert from T: seconds or hh:mm:ss.mmm\n"
              "      --end T           convert up to T\n"
              "      --title TEXT      name of the output file (only with one FILE)\n"
              "      --always-encode   encode the picture even when the source already fits the "
              "profile\n"
              "  -j, --jobs N          videos at once (default: the window's setting, now %3)\n"
              "      --json            report as JSON, one object a line\n"
              "      --list-profiles   list the profiles and the settings' values\n"
              "  -q, --quiet           report only failures\n"
              "  -h, --help            this text\n"
              "      --version         the program's version\n"
              "\n"
              "Settings of the custom profile (-p 0), by their texts as the window lists them "
              "(see --list-profiles):\n"
              "%4\n"
              "\n"
              "Exit status: 0 every video converted, 1 some failed, 2 bad usage or no usable "
              "input, 130 after Ctrl+C (SIGINT), 143 after SIGTERM.\n")
        .arg(QString::number(DefaultProfile(context.profiles)),
             context.defaultOutputDirectory,
             QString::number(std::max(1, context.defaultJobs)),
             settings.join(u'\n'));
}

QString ConvertArguments::ProfileListText(const ConvertContext &context)
{
    QStringList profiles;
    const int defaultProfile = DefaultProfile(context.profiles);
    for (int i = 0; i < context.profiles.titles.size(); ++i) {
        const QString line
            = QStringLiteral("  %1  %2").arg(i, 2).arg(context.profiles.titles.at(i));
        //: after the default profile's line in --list-profiles
        profiles.append(i == defaultProfile ? line + QStringLiteral("  ") + tr("(default)") : line);
    }
    QStringList settings;
    for (const SettingTable &table : SettingTables()) {
        const QString defaultValue = table.items.value(table.defaultIndex).itemText.simplified();
        //: %1 is the values a setting's option takes (typed as listed, so they stay), %2 the
        //: value it has unless given
        settings.append(QStringLiteral("  %1 ").arg(SettingOption(table), -16)
                        + tr("%1 (default %2)")
                              .arg(SettingValues(table).join(QStringLiteral(" | ")), defaultValue));
    }
    //: --list-profiles: three headings, each with its list under it (%1, %2, %3); keep the
    //: options as they are
    return tr("MP4 profiles (-p N or part of the title):\n%1\n"
              "\n"
              "WMV profiles (--wmv=N or part of the name):\n%2\n"
              "\n"
              "Settings of the custom profile (-p 0):\n%3\n")
        .arg(profiles.join(u'\n'), NumberedList(context.wmvProfiles), settings.join(u'\n'));
}

QByteArray ConvertArguments::ProfileListJson(const ConvertContext &context)
{
    QJsonArray profiles;
    const int defaultProfile = DefaultProfile(context.profiles);
    for (int i = 0; i < context.profiles.titles.size(); ++i) {
        profiles.append(QJsonObject{{QStringLiteral("index"), i},
                                    {QStringLiteral("title"), context.profiles.titles.at(i)},
                                    {QStringLiteral("default"), i == defaultProfile}});
    }
    QJsonArray wmv;
    for (int i = 0; i < context.wmvProfiles.size(); ++i) {
        wmv.append(QJsonObject{{QStringLiteral("index"), i},
                               {QStringLiteral("name"), context.wmvProfiles.at(i)}});
    }
    QJsonArray settings;
    for (const SettingTable &table : SettingTables()) {
        settings.append(QJsonObject{
            {QStringLiteral("option"), SettingOption(table)},
            {QStringLiteral("label"), table.label},
            {QStringLiteral("values"), QJsonArray::fromStringList(SettingValues(table))},
            {QStringLiteral("default"),
             table.items.value(table.defaultIndex).itemText.simplified()},
        });
    }
    const QJsonObject list{{QStringLiteral("profiles"), profiles},
                           {QStringLiteral("wmv_profiles"), wmv},
                           {QStringLiteral("settings"), settings}};
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}
