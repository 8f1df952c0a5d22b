// The installed program: `cmake --install` into a temporary prefix, then the copy there started
// through its bin link from another folder, the way the menu entry starts it.

#include "MediaFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

namespace {

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QString output;
};

Run RunProgram(const QString &program,
               const QStringList &arguments,
               const QString &workingDir = {},
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workingDir);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    run.finished = process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

/// Every file below dir, relative to it, with its size: what the program folder holds.
QStringList FilesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QDir(dir).relativeFilePath(info.filePath()) + u' ' + QString::number(info.size());
    }
    files.sort();
    return files;
}

} // namespace

class tst_InstallLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedProgramConvertsFromElsewhere();
    void commandLineConverterThroughItsLink();
    void iconInEverySizeOfTheProgramIcon();
    void helpPageWithItsPictures();
    void desktopFilesValidate_data();
    void desktopFilesValidate();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
};

void tst_InstallLayout::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Run install = RunProgram(QStringLiteral(TAVREL_CMAKE_COMMAND),
                                   {"--install", TAVREL_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(install.finished && install.exitCode == 0, qPrintable(install.output));
}

void tst_InstallLayout::installedProgramConvertsFromElsewhere()
{
    // The link must stay relative so that the package's files work wherever they are unpacked.
    const QString link = installed(QStringLiteral("bin/tavrel"));
    QCOMPARE(QString::fromStdString(std::filesystem::read_symlink(link.toStdString()).string()),
             QStringLiteral("../lib/tavrel/tavrel"));

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString clip = work.filePath(QStringLiteral("two seconds.avi"));
    QString log;
    QVERIFY2(MediaFixtures::MakeSource(clip, 2.0, QStringLiteral("160x120"), &log),
             qPrintable(log));
    const QString home = work.filePath(QStringLiteral("home"));
    const QString elsewhere = work.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(elsewhere));

    const QString programDir
        = QFileInfo(installed(QStringLiteral("lib/tavrel"))).canonicalFilePath();
    const QStringList filesBefore = FilesBelow(programDir);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    // Named relative to the folder it is started in: the clip's own.
    environment.insert(QStringLiteral("TAVREL_SELFTEST"), QFileInfo(clip).fileName());
    const Run run = RunProgram(link, {}, work.path(), environment);
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.output));

    QHash<QString, QString> found;
    for (const QString &line : run.output.split(u'\n')) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            found.insert(line.left(colon), line.mid(colon + 2));
    }
    QCOMPARE(found.value("program folder"), programDir + u'/');
    QCOMPARE(found.value("skin"), QStringLiteral("active"));
    QVERIFY2(found.value("profiles").toInt() > 0, qPrintable(run.output));
    QCOMPARE(found.value("encoder"), programDir + QStringLiteral("/app/tavenc"));
    // Written into the output directory (here the fresh home), nothing into the program's folder.
    QCOMPARE(found.value("output"), home + QStringLiteral("/two seconds.mp4"));
    const MediaFixtures::ProbeResult output = MediaFixtures::Probe(found.value("output"));
    QVERIFY(output.ok);
    QVERIFY2(qAbs(output.duration - 2.0) < 0.2, qPrintable(QString::number(output.duration)));
    QCOMPARE(FilesBelow(programDir), filesBefore);

    // A conversion that cannot work is reported as a failure, not passed.
    environment.insert(QStringLiteral("TAVREL_SELFTEST"),
                       work.filePath(QStringLiteral("none.avi")));
    const Run failing = RunProgram(link, {}, elsewhere, environment);
    QVERIFY2(failing.finished && failing.exitCode == 1, qPrintable(failing.output));
    QVERIFY2(failing.output.contains(QLatin1String("self-check failed")),
             qPrintable(failing.output));
}

void tst_InstallLayout::commandLineConverterThroughItsLink()
{
    const QString link = installed(QStringLiteral("bin/tavrel-convert"));
    QCOMPARE(QString::fromStdString(std::filesystem::read_symlink(link.toStdString()).string()),
             QStringLiteral("../lib/tavrel/tavrel-convert"));
    QVERIFY(QFileInfo(installed(QStringLiteral("share/man/man1/tavrel-convert.1.gz"))).size() > 0);

    // It finds the profiles and the encoder in its folder through the link, whatever folder it
    // is started in.
    QTemporaryDir work;
    QString log;
    QVERIFY2(MediaFixtures::MakeSource(work.filePath("clip.avi"), 2.0, "160x120", &log),
             qPrintable(log));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), work.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(".config"));
    const Run run
        = RunProgram(link, {"-p", "1", "-o", "out", "clip.avi"}, work.path(), environment);
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.output));
    QVERIFY(MediaFixtures::Probe(work.filePath("out/clip.mp4")).ok);
}

void tst_InstallLayout::iconInEverySizeOfTheProgramIcon()
{
    // The menu entry's icon name, found in the icon theme at every size the program icon has.
    const QSettings entry(installed(QStringLiteral("share/applications/tavrel.desktop")),
                          QSettings::IniFormat);
    const QString icon = entry.value(QStringLiteral("Desktop Entry/Icon")).toString();
    QVERIFY(!icon.isEmpty());

    QImageReader ico(QStringLiteral(TAVREL_SOURCE_DIR "/res/128.ico"));
    QSet<int> expected;
    for (int i = 0; i < ico.imageCount(); ++i) {
        QVERIFY(ico.jumpToImage(i));
        expected.insert(ico.read().width());
    }
    QVERIFY(!expected.isEmpty());
    // Beyond the window's own sizes, the large ones launchers and software centres show.
    expected += {64, 128, 256};

    QSet<int> sizes;
    const QDir theme(installed(QStringLiteral("share/icons/hicolor")));
    for (const QString &folder : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder == QLatin1String("scalable")) {
            const QImage svg(
                theme.filePath(folder + QStringLiteral("/apps/") + icon + QStringLiteral(".svg")));
            QVERIFY2(!svg.isNull(), "the scalable icon does not load");
            continue;
        }
        const QImage image(
            theme.filePath(folder + QStringLiteral("/apps/") + icon + QStringLiteral(".png")));
        QVERIFY2(!image.isNull(), qPrintable(folder));
        QCOMPARE(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), folder);
        sizes.insert(image.width());
    }
    QCOMPARE(sizes, expected);
    QVERIFY(theme.exists(QStringLiteral("scalable/apps/") + icon + QStringLiteral(".svg")));
    QVERIFY(QFileInfo(installed(QStringLiteral("share/doc/tavrel/copyright"))).size() > 0);
}

void tst_InstallLayout::helpPageWithItsPictures()
{
    QFile page(installed(QStringLiteral("lib/tavrel/help/help.html")));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression source(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch &match : source.globalMatch(html)) {
        const QImage picture(QFileInfo(page).dir().filePath(match.captured(1)));
        QVERIFY2(!picture.isNull(), qPrintable(match.captured(1)));
        ++pictures;
    }
    QVERIFY(pictures > 0);
}

void tst_InstallLayout::desktopFilesValidate_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("menu entry") << "desktop-file-validate" << QStringList()
                                << "share/applications/tavrel.desktop";
    QTest::newRow("software-centre description")
        << "appstreamcli" << QStringList{"validate", "--no-net"}
        << "share/metainfo/tavrel.metainfo.xml";
}

void tst_InstallLayout::desktopFilesValidate()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    const QString program = QStandardPaths::findExecutable(validator);
    if (program.isEmpty())
        QSKIP(qPrintable(validator + QStringLiteral(" is not installed (tools/setup-debian.sh)")));
    QVERIFY(QFileInfo::exists(installed(file)));
    const Run run = RunProgram(program, arguments << installed(file));
    QVERIFY2(run.finished, qPrintable(run.output));
    // Errors fail; warnings are allowed (appstreamcli then exits with 3 as well, so its report
    // is read instead of its status: errors are the lines "E: ...").
    static const QRegularExpression error(QStringLiteral("^(E: |.*: error: )"),
                                          QRegularExpression::MultilineOption);
    QVERIFY2(!error.match(run.output).hasMatch(), qPrintable(run.output));
    if (validator == QLatin1String("desktop-file-validate"))
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
}

QTEST_MAIN(tst_InstallLayout)
#include "tst_install_layout.moc"
