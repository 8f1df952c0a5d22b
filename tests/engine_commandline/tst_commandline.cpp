#include "CIniFile.h"
#include "CommandLine.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "SettingTables.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

const QDateTime fixedNow(QDate(2026, 3, 4), QTime(5, 6, 7));

ConversionTask sampleTask()
{
    ConversionTask task = NewConversionTask(QStringLiteral("/videos/clip.avi"), 90.0, 0, 0);
    task.trimStart = 3725.9;
    task.trimEnd = 3790.2;
    return task;
}

QString fill(const QString &templ,
             const ConversionTask &task,
             const QString &output = QStringLiteral("/out/clip.mp4"))
{
    return BuildCommandLineFromTemplate(templ, task, output, fixedNow);
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void wholeSeconds_data();
    void wholeSeconds();
    void timeTexts_data();
    void timeTexts();
    void placeholders_data();
    void placeholders();
    void settingsReachTheEncoder_data();
    void settingsReachTheEncoder();
    void settingIndexOutsideItsTable();
    void hostileValuesStayOneArgument_data();
    void hostileValuesStayOneArgument();
    void split_data();
    void split();
    void quoteRoundTrip_data();
    void quoteRoundTrip();
    void shippedProfiles();
    void buildFromTheProfileFile();
};

void tst_CommandLine::wholeSeconds_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("truncates") << 3725.9 << 3725;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("negative gives zero") << -3.2 << 0;
    QTest::newRow("NaN gives zero") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinity saturates") << inf << INT_MAX;
    QTest::newRow("minus infinity gives zero") << -inf << 0;
    QTest::newRow("beyond int saturates") << 1e300 << INT_MAX;
    QTest::newRow("just below int max") << 2147483646.5 << 2147483646;
}

void tst_CommandLine::wholeSeconds()
{
    QFETCH(double, seconds);
    QFETCH(int, expected);
    QCOMPARE(WholeSeconds(seconds), expected);
}

void tst_CommandLine::timeTexts_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<QString>("startText");
    QTest::addColumn<QString>("lengthText");
    QTest::newRow("an hour in: milliseconds kept") << 3725.9 << 3790.2 << " -ss 01:02:05.900"
                                                   << " -t 00:01:04.300";
    QTest::newRow("whole file: no seek") << 0.0 << 5.96 << ""
                                         << " -t 00:00:05.960";
    QTest::newRow("whole seconds stay plain") << 2.0 << 12.0 << " -ss 00:00:02"
                                              << " -t 00:00:10";
    QTest::newRow("rounds to a whole second") << 0.9996 << 2.0 << " -ss 00:00:01"
                                              << " -t 00:00:01";
    QTest::newRow("empty range") << 10.0 << 10.0 << " -ss 00:00:10"
                                 << " -t 00:00:00";
    QTest::newRow("reversed range") << 20.0 << 10.0 << " -ss 00:00:20"
                                    << " -t 00:00:00";
    QTest::newRow("over 99 hours") << 0.0 << 360000.0 << ""
                                   << " -t 100:00:00";
    QTest::newRow("broken duration") << 0.0 << std::numeric_limits<double>::infinity() << ""
                                     << " -t 596523:14:07";
    QTest::newRow("NaN start") << std::numeric_limits<double>::quiet_NaN() << 5.0 << ""
                               << " -t 00:00:00";
}

void tst_CommandLine::timeTexts()
{
    QFETCH(double, start);
    QFETCH(double, end);
    ConversionTask task;
    task.trimStart = start;
    task.trimEnd = end;
    QTEST(StartText(task), "startText");
    QTEST(LengthText(task), "lengthText");
}

void tst_CommandLine::placeholders_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<int>("preconversion");
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain source: input and start from the source")
        << "enc$START$LENGTH -i \"$INPUT_FILE\"" << 0 << 0
        << "enc -ss 01:02:05.900 -t 00:01:04.300 -i \"/videos/clip.avi\"";
    QTest::newRow("pre-converted: intermediate input, no seek, length kept")
        << "enc $START$LENGTH -i \"$INPUT_FILE\"" << 1 << 0
        << "enc  -t 00:01:04.300 -i \"/tmp/clip_12345.avi\"";
    QTest::newRow("input twice") << "\"$INPUT_FILE\" \"$INPUT_FILE\"" << 0 << 0
                                 << "\"/videos/clip.avi\" \"/videos/clip.avi\"";
    QTest::newRow("title, time stamp, output")
        << "t=\"$TITLE\" d=\"$TIMESTAMP\" \"$OUTPUT_FILE\"" << 0 << 0
        << "t=\"clip\" d=\"2026-03-04 05:06:07\" \"/out/clip.mp4\"";
    QTest::newRow("unquoted placeholders get quotes")
        << "-i $INPUT_FILE -metadata title=$TITLE $OUTPUT_FILE" << 0 << 0
        << "-i \"/videos/clip.avi\" -metadata title=\"clip\" \"/out/clip.mp4\"";
    QTest::newRow("profile 0 takes the settings")
        << "$VCODEC -s $SIZE $FRAMERATE -b $VIDEOBITRATEk -aspect $ASPECT -ac $CHANNEL "
           "-ab $AUDIOBITRATEk $AUDIOSAMPLE -vol $VOLUME"
        << 0 << 0
        << "-vcodec h264 -coder 0 -vlevel 13 -bufsize 256 -g 250 -s 320x240 -r 29.97 -b 1200k "
           "-aspect 4:3 -ac 2 -ab 64k -ar 48000 -vol 256";
    QTest::newRow("other profiles keep setting placeholders")
        << "$VCODEC -s $SIZE -i \"$INPUT_FILE\" -vol $VOLUME" << 0 << 2
        << "$VCODEC -s $SIZE -i \"/videos/clip.avi\" -vol $VOLUME";
    QTest::newRow("missing placeholders are simply not used")
        << "enc -version" << 0 << 0 << "enc -version";
    QTest::newRow("empty template") << "" << 0 << 0 << "";
    QTest::newRow("unknown placeholder stays") << "$INPUT $TITLEX" << 0 << 0 << "$INPUT \"clip\"X";
    QTest::newRow("escaped template quotes are followed")
        << "a=\\\"$TITLE\\\"" << 0 << 0 << "a=\\\"\"clip\"\\\"";
}

void tst_CommandLine::placeholders()
{
    QFETCH(QString, templ);
    QFETCH(int, preconversion);
    QFETCH(int, profile);
    ConversionTask task = sampleTask();
    task.needsPreconversion = preconversion;
    task.intermediatePath = QStringLiteral("/tmp/clip_12345.avi");
    task.mpeg4Profile = profile;
    QTEST(fill(templ, task), "expected");
}

void tst_CommandLine::settingsReachTheEncoder_data()
{
    QTest::addColumn<int>("comboId");
    QTest::addColumn<int>("index");
    for (const SettingTable &table : SettingTables()) {
        for (int i = 0; i < table.items.size(); ++i) {
            QTest::addRow("%s: %s", qPrintable(table.label), qPrintable(table.items[i].itemText))
                << table.comboId << i;
        }
    }
}

void tst_CommandLine::settingsReachTheEncoder()
{
    // Each item the person picks in a setting list reaches the encoder as the option its text
    // names, through the shipped profile that takes the settings.
    QFETCH(int, comboId);
    QFETCH(int, index);
    const SettingTable *table = SettingTableForCombo(comboId);
    QVERIFY(table);
    const QString item = table->items.at(index).itemText;
    const QString number
        = QRegularExpression(QStringLiteral("[0-9][0-9.:]*")).match(item).captured();

    // The option each placeholder stands for, and its value as the item's text says it.
    const QString placeholder = table->placeholder;
    QString option;
    QString value = number;
    if (placeholder == u"$VCODEC") {
        QVERIFY(item == u"AVC" || item == u"MPEG4");
        option = QStringLiteral("-vcodec");
        value = item == u"AVC" ? QStringLiteral("h264") : QStringLiteral("xvid");
    } else if (placeholder == u"$SIZE") {
        option = QStringLiteral("-s");
        value = QString(item).remove(u' ');
    } else if (placeholder == u"$FRAMERATE") {
        option = QStringLiteral("-r");
    } else if (placeholder == u"$VIDEOBITRATE") {
        option = QStringLiteral("-b");
        value += u'k';
    } else if (placeholder == u"$ASPECT") {
        option = QStringLiteral("-aspect");
    } else if (placeholder == u"$AUDIOBITRATE") {
        option = QStringLiteral("-ab");
        value += u'k';
    } else if (placeholder == u"$CHANNEL") {
        QVERIFY(item == u"Mono" || item == u"Stereo");
        option = QStringLiteral("-ac");
        value = item == u"Mono" ? QStringLiteral("1") : QStringLiteral("2");
    } else if (placeholder == u"$AUDIOSAMPLE") {
        option = QStringLiteral("-ar");
    } else if (placeholder == u"$VOLUME") { // a percentage of the encoder's 256
        option = QStringLiteral("-vol");
        value = QString::number(number.toInt() * 256 / 100);
    } else {
        QFAIL("a setting list without a check");
    }

    const ProfileFile profiles(qEnvironmentVariable("TAVREL_RUNTIME_DIR")
                               + QStringLiteral("/app/Zune_Profile.ini"));
    ConversionTask task = sampleTask();
    task.mpeg4Profile = 0;
    task.*table->field = index;
    const QStringList arguments
        = SplitCommandLine(BuildCommandLine(profiles, task, QStringLiteral("/out/clip.mp4")));
    const qsizetype at = arguments.lastIndexOf(option);
    QVERIFY2(at > 0 && at + 1 < arguments.size(), qPrintable(arguments.join(u' ')));
    QCOMPARE(arguments.at(at + 1), value);
}

void tst_CommandLine::settingIndexOutsideItsTable()
{
    ConversionTask task = sampleTask();
    task.volume = 8;
    task.videoType = -1;
    QCOMPARE(fill(QStringLiteral("$VCODEC -vol $VOLUME -s $SIZE"), task),
             QStringLiteral("$VCODEC -vol $VOLUME -s 320x240"));
    QCOMPARE(SettingTableForCombo(1034), nullptr);
    QCOMPARE(SettingTables().size(), 9);
}

void tst_CommandLine::hostileValuesStayOneArgument_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks") << "my holiday clip";
    QTest::newRow("double quote") << "say \"cheese\"";
    QTest::newRow("backslash before a quote") << "a\\\"b";
    QTest::newRow("trailing backslashes") << "end\\\\";
    QTest::newRow("lone trailing backslash") << "end\\";
    QTest::newRow("placeholder inside a name") << "a$TITLE$OUTPUT_FILE";
    QTest::newRow("leading dash") << "-y";
    QTest::newRow("non-ASCII") << "Ünïcødé 日本語 🎬";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("only quotes") << "\"\"\"";
    QTest::newRow("quote then blank") << "\" -y /etc/passwd \"";
}

void tst_CommandLine::hostileValuesStayOneArgument()
{
    QFETCH(QString, name);
    ConversionTask task = sampleTask();
    task.sourcePath = QStringLiteral("/in/") + name + QStringLiteral(".avi");
    task.baseName = name;
    task.title = name;
    const QString output = QStringLiteral("/out/") + name + QStringLiteral(".mp4");

    // The same values in quoted, unquoted and embedded positions, as templates may write them.
    const QString templ = QStringLiteral("enc -i \"$INPUT_FILE\" -i $INPUT_FILE "
                                         "-metadata title=\"$TITLE\" -metadata t2=$TITLE "
                                         "\"$OUTPUT_FILE\" $OUTPUT_FILE");
    const QStringList args = SplitCommandLine(fill(templ, task, output));
    const QStringList expected = {QStringLiteral("enc"),
                                  QStringLiteral("-i"),
                                  task.sourcePath,
                                  QStringLiteral("-i"),
                                  task.sourcePath,
                                  QStringLiteral("-metadata"),
                                  QStringLiteral("title=") + name,
                                  QStringLiteral("-metadata"),
                                  QStringLiteral("t2=") + name,
                                  output,
                                  output};
    QCOMPARE(args, expected);
}

void tst_CommandLine::split_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blanks and tabs separate") << "a  b\tc " << QStringList{"a", "b", "c"};
    QTest::newRow("quotes group") << "a \"b c\" d" << QStringList{"a", "b c", "d"};
    QTest::newRow("quotes inside a word") << "x=\"1 2\"y" << QStringList{"x=1 2y"};
    QTest::newRow("empty quoted argument") << "a \"\" b" << QStringList{"a", "", "b"};
    QTest::newRow("escaped quote") << "a\\\"b" << QStringList{"a\"b"};
    QTest::newRow("two backslashes then quote") << "\"a\\\\\" b" << QStringList{"a\\", "b"};
    QTest::newRow("three backslashes then quote") << "a\\\\\\\"b" << QStringList{"a\\\"b"};
    QTest::newRow("backslashes without quote are literal")
        << "c:\\x\\\\y" << QStringList{"c:\\x\\\\y"};
    QTest::newRow("unterminated quote runs to the end") << "a \"b c" << QStringList{"a", "b c"};
    QTest::newRow("nothing") << "   " << QStringList{};
}

void tst_CommandLine::split()
{
    QFETCH(QString, commandLine);
    QTEST(SplitCommandLine(commandLine), "expected");
}

void tst_CommandLine::quoteRoundTrip_data()
{
    hostileValuesStayOneArgument_data();
    QTest::newRow("empty") << "";
    QTest::newRow("plain") << "plain";
    QTest::newRow("windows path with trailing separator") << "C:\\Program Files\\";
}

void tst_CommandLine::quoteRoundTrip()
{
    QFETCH(QString, name);
    const QStringList args = {QStringLiteral("prog"), name, QStringLiteral("x"), name};
    QStringList quoted;
    for (const QString &arg : args)
        quoted.append(QuoteCommandLineArgument(arg));
    QCOMPARE(SplitCommandLine(quoted.join(u' ')), args);
}

void tst_CommandLine::shippedProfiles()
{
    // The profile file laid out beside the built program.
    const QString path
        = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QStringLiteral("/app/Zune_Profile.ini");
    CIniFile ini;
    QCOMPARE(ini.SetPath(path), 1);
    QStringList names;
    QVERIFY(ini.GetSectionNames(names) >= 5);
    QCOMPARE(names.first(), QStringLiteral("Info"));
    QVERIFY(ini.HasSection(QStringLiteral("Info")));
    bool ok = false;
    const int defaultProfile
        = ini.GetString(QStringLiteral("Info"), QStringLiteral("DefaultProfile")).toInt(&ok);
    QVERIFY(ok);
    QVERIFY(defaultProfile >= 0 && defaultProfile < names.size() - 1);
    for (int n = 0; n < names.size() - 1; ++n) {
        const QString section = QStringLiteral("profile%1").arg(n);
        QCOMPARE(names.at(n + 1), section);
        QVERIFY(!ini.GetString(section, QStringLiteral("Title")).isEmpty());
        const QString command = ini.GetString(section, QStringLiteral("Command0"));
        QVERIFY2(command.startsWith(QStringLiteral("tavenc ")), qPrintable(command));
        QVERIFY2(command.contains(QStringLiteral(" -n ")), "never overwrite an existing file");
        QVERIFY(!command.contains(QStringLiteral(" -y ")));
    }
    const QString custom = ini.GetString(QStringLiteral("profile0"), QStringLiteral("Command0"));
    const QStringList every = {"$INPUT_FILE",
                               "$START",
                               "$LENGTH",
                               "$TITLE",
                               "$TIMESTAMP",
                               "$OUTPUT_FILE",
                               "$VCODEC",
                               "$SIZE",
                               "$FRAMERATE",
                               "$VIDEOBITRATE",
                               "$ASPECT",
                               "$CHANNEL",
                               "$AUDIOBITRATE",
                               "$AUDIOSAMPLE",
                               "$VOLUME"};
    for (const QString &placeholder : every)
        QVERIFY2(custom.contains(placeholder), qPrintable(placeholder));
}

void tst_CommandLine::buildFromTheProfileFile()
{
    QTemporaryDir program;
    QVERIFY(program.isValid());
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("app")));
    {
        QFile ini(program.filePath(QStringLiteral("app/Zune_Profile.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Info]\nDefaultProfile=1\n"
                  "[profile0]\nTitle=Custom\nCommand0=enc$START -s $SIZE \"$OUTPUT_FILE\"\n"
                  "[profile1]\nTitle=Fixed\nCommand0=enc -s $SIZE -i \"$INPUT_FILE\"\n");
    }
    g_programDir = program.path() + QDir::separator();
    const QString oldDir = QDir::currentPath();
    const ProfileFile profiles(ProfileFile::DefaultPath());
    QCOMPARE(profiles.Path(), program.filePath(QStringLiteral("app/Zune_Profile.ini")));
    QCOMPARE(profiles.List().titles, (QStringList{"Custom", "Fixed"}));
    QCOMPARE(profiles.List().defaultIndex, 1);

    // Read once: a later change of the file is not seen by this reading.
    QFile::remove(program.filePath(QStringLiteral("app/Zune_Profile.ini")));
    ConversionTask task = sampleTask();
    QCOMPARE(BuildCommandLine(profiles, task, QStringLiteral("/o.mp4")),
             QStringLiteral("enc -ss 01:02:05.900 -s 320x240 \"/o.mp4\""));
    QCOMPARE(QDir::currentPath(), oldDir); // no change of the working directory
    task.mpeg4Profile = 1;
    QCOMPARE(BuildCommandLine(profiles, task, QStringLiteral("/o.mp4")),
             QStringLiteral("enc -s $SIZE -i \"/videos/clip.avi\""));
    task.mpeg4Profile = 7; // no such section: no command line
    QCOMPARE(BuildCommandLine(profiles, task, QStringLiteral("/o.mp4")), QString());
    QCOMPARE(BuildCommandLine(ProfileFile(), task, QStringLiteral("/o.mp4")), QString());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
