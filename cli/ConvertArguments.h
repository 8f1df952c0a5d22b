#pragma once

#include "ConversionTask.h"
#include "ProfileList.h"
#include "SettingTables.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// What one run of tavrel-convert does, as its arguments say.
struct ConvertOptions
{
    enum class Action {
        Convert,      ///< convert the inputs
        ListProfiles, ///< list the profiles and settings
        Help,         ///< print the usage
        Version,      ///< print the version
    };

    Action action = Action::Convert;
    QStringList inputs; ///< the FILE arguments as given: files and folders
    bool wmv = false;   ///< WMV through the media converter; else MP4 through the encoder
    int profile = 0;    ///< ConversionTask::mpeg4Profile
    int wmvProfile = 0; ///< ConversionTask::wmvProfile
    /// The item index of each of the nine settings, in SettingTables() order.
    QList<int> settings;
    QString outputDirectory;     ///< as given (maybe relative), or the default
    std::optional<double> start; ///< seconds from the start of each file
    std::optional<double> end;   ///< seconds; past a file's end means its end
    std::optional<QString> title;
    /// ConversionTask::alwaysEncode: no copying of a picture that already fits the profile.
    bool alwaysEncode = false;
    int jobs = 1; ///< videos at once, at least 1
    bool json = false;
    bool quiet = false;

    /// The task that these options make for the source file at path, which lasts duration
    /// seconds (0 when unknown): what Add makes of the file with the window's controls set so.
    /// The range is start..end cut to the file's length; an unknown length keeps the empty
    /// range of NewConversionTask, which the batch explains when it fails the task.
    ConversionTask TaskFor(const QString &path, double duration) const;
};

/// What the arguments are read against: the profiles of the program's files and the settings the
/// window keeps.
struct ConvertContext
{
    ProfileList profiles;           ///< the profile file's MP4 profiles
    QStringList wmvProfiles;        ///< the WMV profiles' names, by index
    QString defaultOutputDirectory; ///< -o when not given
    int defaultJobs = 1;            ///< -j when not given
};

/// The verdict on a command line: the options, or why it is refused.
struct ConvertArgumentsResult
{
    ConvertOptions options;
    QString error;      ///< what is wrong (for standard error); empty when usable
    int exitStatus = 0; ///< 2 when refused

    bool ok() const { return error.isEmpty(); }
};

/// The command line of tavrel-convert: reading it, and the texts of --help and --list-profiles.
/// Nothing here touches a file, the settings or the terminal.
class ConvertArguments
{
    Q_DECLARE_TR_FUNCTIONS(ConvertArguments)

public:
    /// The exit status of a refused command line.
    static constexpr int UsageStatus = 2;

    /// Reads arguments (without the program's name). Options may come anywhere among the FILEs;
    /// "--" ends them. A value follows its option as the next argument or after "=" (a short
    /// option's also directly: -j2). --wmv takes the next argument as its value only when that
    /// names a WMV profile (a number, or text that matches a name). --help and --version win
    /// over everything after them.
    static ConvertArgumentsResult Parse(const QStringList &arguments,
                                        const ConvertContext &context);

    /// The option of a setting of the custom profile: its label in lower case, blanks as "-"
    /// ("Video Size" gives "--video-size").
    static QString SettingOption(const SettingTable &table);

    /// A time of --start and --end: seconds ("90", "12.5"), or "mm:ss" or "hh:mm:ss", each
    /// with an optional fraction ("00:01:30.500"). nullopt for anything else.
    static std::optional<double> ParseTime(const QString &text);

    /// The text of --help.
    static QString HelpText(const ConvertContext &context);
    /// The text of --list-profiles: the MP4 profiles (the default marked), the WMV profiles and
    /// the settings of the custom profile with their values.
    static QString ProfileListText(const ConvertContext &context);
    /// The same as one line of JSON: {"profiles": [{"index", "title", "default"}],
    /// "wmv_profiles": [{"index", "name"}], "settings": [{"option", "label", "values",
    /// "default"}]}.
    static QByteArray ProfileListJson(const ConvertContext &context);
};
