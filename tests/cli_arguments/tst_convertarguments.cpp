// tavrel-convert's command line: what each one means, and why a bad one is refused.

#include "ConvertArguments.h"

#include <QTest>

namespace {

ConvertContext Context()
{
    ConvertContext context;
    context.profiles.hasInfo = true;
    context.profiles.titles = {"Custom: uses the settings below",
                               "H.264 Baseline 320x240, 768 kbps",
                               "H.264 for phones, up to 1280x720",
                               "H.264 for TVs, up to 1920x1080"};
    context.profiles.defaultIndex = 1;
    context.wmvProfiles = {"WMV 8, 320x240, 768 kbps video", "WMV 7, 320x240 at 15 fps"};
    context.defaultOutputDirectory = "/stored/out";
    context.defaultJobs = 2;
    return context;
}

/// The options in a line, with the task they make of a 100-second file: what a row compares.
QString Described(const ConvertOptions &options)
{
    static const char *const actions[] = {"convert", "list", "help", "version"};
    QStringList settings;
    for (int index : options.settings)
        settings << QString::number(index);
    const ConversionTask task = options.TaskFor("/videos/clip.avi", 100.0);
    return QStringLiteral("%1 mp4=%2 wmv=%3 out=%4 jobs=%5 settings=%6 range=%7-%8 title=%9")
               .arg(actions[int(options.action)])
               .arg(options.wmv ? QStringLiteral("-") : QString::number(options.profile))
               .arg(options.wmv ? QString::number(options.wmvProfile) : QStringLiteral("-"))
               .arg(options.outputDirectory)
               .arg(options.jobs)
               .arg(settings.join(u','))
               .arg(task.trimStart)
               .arg(task.trimEnd)
               .arg(task.title)
           + (options.json ? " json" : "") + (options.quiet ? " quiet" : "")
           + (task.alwaysEncode ? " encode" : "") + " files=" + options.inputs.join(u',');
}

} // namespace

class tst_ConvertArguments : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void times_data();
    void times();
};

void tst_ConvertArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); ///< Described(options), or the error's text

    const QString defaults = "settings=1,0,0,3,0,1,4,2,1 range=0-100";
    QTest::newRow("defaults: the file's profile, the window's folder and videos at once")
        << QStringList{"clip.avi"}
        << "convert mp4=1 wmv=- out=/stored/out jobs=2 " + defaults + " title=clip files=clip.avi";
    QTest::newRow("profile by number, output, jobs, json, quiet and always encode")
        << QStringList{"-p",
                       "3",
                       "-o",
                       "out",
                       "-j4",
                       "--json",
                       "-q",
                       "--always-encode",
                       "a.avi",
                       "b"}
        << "convert mp4=3 wmv=- out=out jobs=4 " + defaults
               + " title=clip json quiet encode files=a.avi,b";
    QTest::newRow("profile by a unique part of its title, after =")
        << QStringList{"--profile=PHONES", "a.avi"}
        << "convert mp4=2 wmv=- out=/stored/out jobs=2 " + defaults + " title=clip files=a.avi";
    QTest::newRow("a number beyond the profiles is part of a title")
        << QStringList{"-p", "720", "a.avi"}
        << "convert mp4=2 wmv=- out=/stored/out jobs=2 " + defaults + " title=clip files=a.avi";
    QTest::newRow("--wmv alone before a file takes the first WMV profile")
        << QStringList{"--wmv", "a.avi"}
        << "convert mp4=- wmv=0 out=/stored/out jobs=2 " + defaults + " title=clip files=a.avi";
    QTest::newRow("--wmv takes a next argument that names a WMV profile")
        << QStringList{"--wmv", "15 fps", "a.avi"}
        << "convert mp4=- wmv=1 out=/stored/out jobs=2 " + defaults + " title=clip files=a.avi";
    QTest::newRow("settings by the window's texts, blanks, case and units aside")
        << QStringList{"-p",
                       "0",
                       "--video-size",
                       "640x480",
                       "--sample-rate",
                       "44100",
                       "--volume=150 %",
                       "--video-type",
                       "mpeg4",
                       "a.avi"}
        << "convert mp4=0 wmv=- out=/stored/out jobs=2 settings=0,1,0,3,0,1,4,3,2 range=0-100 "
           "title=clip files=a.avi";
    QTest::newRow("range and title; the end cut to the file's")
        << QStringList{"--start", "1:30", "--end", "00:05:00.5", "--title", "Best of", "a.avi"}
        << "convert mp4=1 wmv=- out=/stored/out jobs=2 settings=1,0,0,3,0,1,4,2,1 range=90-100 "
           "title=Best of files=a.avi";
    QTest::newRow("options after the files; -- before a file named like an option")
        << QStringList{"a.avi", "-j", "1", "--", "-b.avi", "--json"}
        << "convert mp4=1 wmv=- out=/stored/out jobs=1 " + defaults
               + " title=clip files=a.avi,-b.avi,--json";
    QTest::newRow("--list-profiles needs no file")
        << QStringList{"--list-profiles", "--json"}
        << "list mp4=1 wmv=- out=/stored/out jobs=2 " + defaults + " title=clip json files=";
    QTest::newRow("--help wins over what follows it")
        << QStringList{"--help", "--bogus"}
        << "help mp4=1 wmv=- out=/stored/out jobs=2 " + defaults + " title=clip files=";

    QTest::newRow("refused: an unknown option")
        << QStringList{"--bogus", "a.avi"} << "Unknown option --bogus.";
    QTest::newRow("refused: no file")
        << QStringList{"-p", "1"} << "No video given: name the files or folders to convert.";
    QTest::newRow("refused: a missing value") << QStringList{"a.avi", "-o"} << "-o needs a value.";
    QTest::newRow("refused: a value for a switch")
        << QStringList{"--json=yes", "a.avi"} << "--json takes no value.";
    QTest::newRow("refused: neither a profile's number nor part of a title")
        << QStringList{"-p", "44", "a.avi"}
        << "-p \"44\": no profile has that number or that in its name. The profiles are:\n"
           "   0  Custom: uses the settings below\n"
           "   1  H.264 Baseline 320x240, 768 kbps\n"
           "   2  H.264 for phones, up to 1280x720\n"
           "   3  H.264 for TVs, up to 1920x1080";
    QTest::newRow("refused: a part of several titles")
        << QStringList{"-p", "up to", "a.avi"}
        << "-p \"up to\" matches more than one profile; give more of the name or its number:\n"
           "   2  H.264 for phones, up to 1280x720\n"
           "   3  H.264 for TVs, up to 1920x1080";
    QTest::newRow("refused: a setting's text that the window does not list")
        << QStringList{"-p", "0", "--video-size", "800x600", "a.avi"}
        << "--video-size \"800x600\" is not one of the values: 320 x 240, 640 x 480.";
    QTest::newRow("refused: a setting with a profile that ignores it")
        << QStringList{"--volume", "150%", "a.avi"}
        << "--volume is a setting of the custom profile (0, \"Custom: uses the settings "
           "below\"); choose it with -p 0.";
    QTest::newRow("refused: a setting with WMV output")
        << QStringList{"--wmv", "--channels", "Mono", "a.avi"}
        << "--channels is a setting of the custom MP4 profile; it does not go with --wmv.";
    QTest::newRow("refused: an MP4 profile with WMV output")
        << QStringList{"-p", "2", "--wmv", "a.avi"}
        << "--profile chooses an MP4 profile; it does not go with --wmv.";
    QTest::newRow("refused: a time that is no time")
        << QStringList{"--start", "1:75", "a.avi"}
        << "--start \"1:75\" is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm "
           "(00:01:30.500).";
    QTest::newRow("refused: an end before the start")
        << QStringList{"--start", "20", "--end", "10", "a.avi"} << "--end must come after --start.";
    QTest::newRow("refused: a title for two files")
        << QStringList{"--title", "x", "a.avi", "b.avi"}
        << "--title names one output file: give exactly one FILE.";
    QTest::newRow("refused: no video at a time")
        << QStringList{"-j", "0", "a.avi"}
        << "-j \"0\" is not a number of videos at once (1 or more).";
}

void tst_ConvertArguments::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    const ConvertArgumentsResult result = ConvertArguments::Parse(arguments, Context());
    if (QTest::currentDataTag() && QByteArray(QTest::currentDataTag()).startsWith("refused")) {
        QCOMPARE(result.error, expected);
        QCOMPARE(result.exitStatus, ConvertArguments::UsageStatus);
    } else {
        QCOMPARE(result.error, QString());
        QCOMPARE(result.exitStatus, 0);
        QCOMPARE(Described(result.options), expected);
    }
}

void tst_ConvertArguments::times_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("seconds"); ///< -1: refused

    QTest::newRow("whole seconds") << "90" << 90.0;
    QTest::newRow("a fraction") << "12.5" << 12.5;
    QTest::newRow("minutes and seconds") << "2:05" << 125.0;
    QTest::newRow("hours with milliseconds") << "01:02:03.250" << 3723.25;
    QTest::newRow("hours beyond two digits") << "100:00:00" << 360000.0;
    QTest::newRow("refused: seconds of 60") << "1:60" << -1.0;
    QTest::newRow("refused: negative") << "-5" << -1.0;
    QTest::newRow("refused: an exponent") << "1e3" << -1.0;
    QTest::newRow("refused: empty") << "" << -1.0;
}

void tst_ConvertArguments::times()
{
    QFETCH(QString, text);
    QFETCH(double, seconds);
    QCOMPARE(ConvertArguments::ParseTime(text).value_or(-1.0), seconds);
}

QTEST_GUILESS_MAIN(tst_ConvertArguments)
#include "tst_convertarguments.moc"
