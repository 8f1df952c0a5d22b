// tavrel-convert started as a script or a person would start it, without a display: what it
// prints, what it leaves in the output folder and with which exit status it ends.

#include "ChildProcesses.h"
#include "MediaFixtures.h"

#include "ProfileFile.h"
#include "WmvProfile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace MediaFixtures;

namespace {

/// Every line of text as a JSON object; an empty list when one is not.
QList<QJsonObject> JsonLines(const QByteArray &text)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            return {};
        objects << document.object();
    }
    return objects;
}

} // namespace

class tst_ConvertProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jsonEventsOfTwoClips();
    void corruptFileFailsWithItsReason();
    void signalStopsAndLeavesNothing_data();
    void signalStopsAndLeavesNothing();
    void listsTheShippedProfiles();
    void personsLanguageButEnglishJson_data();
    void personsLanguageButEnglishJson();
    void linksNeitherWidgetsNorMultimedia();

private:
    /// The program with arguments, its settings and logs in a home of its own, no display.
    /// extra: more environment variables.
    std::unique_ptr<QProcess> Start(const QStringList &arguments,
                                    const QMap<QString, QString> &extra = {}) const;
    /// Runs it to its end; its standard output.
    QByteArray Run(const QStringList &arguments, int *status) const;

    QTemporaryDir m_home;
    QTemporaryDir m_sources;
    QString m_program;
};

void tst_ConvertProgram::initTestCase()
{
    m_program = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + "/tavrel-convert";
    QVERIFY(QFileInfo(m_program).isExecutable());
    QString log;
    QVERIFY(QDir(m_sources.path()).mkdir("clips"));
    for (const auto &[name, seconds] : {std::pair("clips/one.avi", 2.0),
                                        std::pair("clips/two.mpg", 2.0),
                                        std::pair("long.avi", 120.0)}) {
        QVERIFY2(MakeSource(m_sources.filePath(name), seconds, "320x240", &log), qPrintable(log));
    }
    QFile corrupt(m_sources.filePath("corrupt.avi"));
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(64 * 1024, '\x5a'));
}

std::unique_ptr<QProcess> tst_ConvertProgram::Start(const QStringList &arguments,
                                                    const QMap<QString, QString> &extra) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_home.path());
    environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    environment.insert("XDG_STATE_HOME", m_home.filePath("state"));
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        environment.insert(it.key(), it.value());
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_sources.path());
    process->start(m_program, arguments);
    return process;
}

QByteArray tst_ConvertProgram::Run(const QStringList &arguments, int *status) const
{
    const auto process = Start(arguments);
    if (!process->waitForFinished(300000) || process->exitStatus() != QProcess::NormalExit)
        return {};
    *status = process->exitCode();
    return process->readAllStandardOutput();
}

void tst_ConvertProgram::jsonEventsOfTwoClips()
{
    QTemporaryDir out;
    int status = -1;
    const QByteArray text
        = Run({"--json", "-p", "1", "-j", "2", "-o", out.path(), "clips"}, &status);
    QCOMPARE(status, 0);
    const QList<QJsonObject> events = JsonLines(text);
    QVERIFY2(!events.isEmpty(), text.constData());

    // For each file: start, progress with rising percents, finished; "done" closes the run.
    QStringList outputs;
    QHash<int, QString> last;
    for (const QJsonObject &event : events.mid(0, events.size() - 1)) {
        const int index = event.value("index").toInt(-1);
        const QString name = event.value("event").toString();
        const QString before = last.value(index);
        QVERIFY2(index == 0 || index == 1, text.constData());
        if (name == "start")
            QVERIFY2(before.isEmpty() && event.value("total").toInt() == 2, text.constData());
        else if (name == "progress")
            QVERIFY2(before == "start" || before == "progress", text.constData());
        else
            QVERIFY2(name == "finished" && !before.isEmpty() && before != "finished",
                     text.constData());
        if (name == "finished") {
            outputs << event.value("output").toString();
            QCOMPARE(QFileInfo(event.value("file").toString()).dir().dirName(), QString("clips"));
        }
        last.insert(index, name);
    }
    const QJsonObject done = events.constLast();
    QCOMPARE(done.value("event").toString(), QString("done"));
    QCOMPARE(done.value("converted").toInt(), 2);
    QCOMPARE(done.value("status").toInt(), 0);
    outputs.sort();
    QCOMPARE(outputs, (QStringList{out.filePath("one.mp4"), out.filePath("two.mp4")}));
    for (const QString &output : std::as_const(outputs)) {
        const ProbeResult probe = Probe(output);
        QVERIFY2(probe.ok && probe.videoCodec == "h264" && qAbs(probe.duration - 2.0) < 0.2,
                 qPrintable(output));
    }
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void tst_ConvertProgram::corruptFileFailsWithItsReason()
{
    QTemporaryDir out;
    int status = -1;
    const QByteArray text = Run({"-o", out.path(), "corrupt.avi"}, &status);
    QCOMPARE(status, 1);
    // Not a terminal: a line at its start and one at its end, which gives the reason.
    QVERIFY2(text.contains("[1/1] Converting corrupt.avi\n"), text.constData());
    QVERIFY2(text.contains("[1/1] Failed corrupt.avi: The file could not be read"),
             text.constData());
    QVERIFY2(text.contains("0 converted, 1 failed."), text.constData());
    QVERIFY(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void tst_ConvertProgram::signalStopsAndLeavesNothing_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<int>("status");
    QTest::newRow("Ctrl+C: the encoder finishes its file") << int(SIGINT) << false << 130;
    QTest::newRow("SIGTERM: the same") << int(SIGTERM) << false << 143;
    QTest::newRow("Ctrl+C twice: the encoder is ended at once") << int(SIGINT) << true << 130;
}

void tst_ConvertProgram::signalStopsAndLeavesNothing()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, twice);
    QFETCH(int, status);

    QTemporaryDir out;
    const auto program = Start({"--json", "-p", "1", "-o", out.path(), "long.avi"});
    QVERIFY(program->waitForStarted(30000));
    // Mid-run: the encoder reports progress.
    QByteArray text;
    QTRY_VERIFY_WITH_TIMEOUT((text += program->readAllStandardOutput()).contains("\"progress\""),
                             120000);
    const QList<qint64> children = ChildProcesses::ChildrenOf(program->processId());
    QVERIFY(!children.isEmpty());
    QVERIFY(::kill(pid_t(program->processId()), signalNumber) == 0);
    if (twice) {
        // Apart, or the kernel makes one of the two; the encoder is still finishing then.
        QThread::msleep(50);
        QVERIFY(::kill(pid_t(program->processId()), signalNumber) == 0);
    }
    QVERIFY(program->waitForFinished(60000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), status);
    for (const qint64 child : children)
        QTRY_VERIFY_WITH_TIMEOUT(!ChildProcesses::Alive(child), 5000);

    // What the encoder kept plays and is all there is: no part file.
    text += program->readAllStandardOutput();
    const QList<QJsonObject> events = JsonLines(text);
    QVERIFY2(events.size() >= 3, text.constData());
    const QJsonObject stopped = events.at(events.size() - 2);
    QCOMPARE(stopped.value("event").toString(), QString("stopped"));
    QCOMPARE(events.constLast().value("status").toInt(), status);
    const QStringList files = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
    if (stopped.contains("output")) {
        QCOMPARE(files, QStringList{"long.mp4"});
        const ProbeResult probe = Probe(out.filePath("long.mp4"));
        QVERIFY(probe.ok && probe.duration > 0.0);
        QVERIFY(qAbs(probe.duration - stopped.value("kept_seconds").toDouble()) < 1.0);
    } else {
        QCOMPARE(files, QStringList());
    }
}

void tst_ConvertProgram::listsTheShippedProfiles()
{
    int status = -1;
    const QList<QJsonObject> lines = JsonLines(Run({"--list-profiles", "--json"}, &status));
    QCOMPARE(status, 0);
    QCOMPARE(lines.size(), 1);

    const QString runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR");
    const ProfileList shipped = ReadProfileList(runtime + "/app/" + ProfileFile::FileName);
    QVERIFY(shipped.titles.size() > 1);
    QStringList titles;
    for (const QJsonValue &profile : lines.constFirst().value("profiles").toArray()) {
        titles << profile.toObject().value("title").toString();
        QCOMPARE(profile.toObject().value("default").toBool(),
                 profile.toObject().value("index").toInt() == shipped.defaultIndex);
    }
    QCOMPARE(titles, shipped.titles);

    QStringList wmv;
    for (const QJsonValue &profile : lines.constFirst().value("wmv_profiles").toArray())
        wmv << profile.toObject().value("name").toString();
    QStringList shippedWmv;
    for (const WmvProfile &profile : LoadWmvProfiles(runtime + "/" + WmvProfileFileName))
        shippedWmv << profile.name;
    QVERIFY(!shippedWmv.isEmpty());
    QCOMPARE(wmv, shippedWmv);
    QCOMPARE(lines.constFirst().value("settings").toArray().size(), 9);
}

void tst_ConvertProgram::personsLanguageButEnglishJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("text report: German") << QStringList{"empty"} << QByteArray("Kein Video.\n");
    QTest::newRow("JSON report: English")
        << QStringList{"--json", "empty"} << QByteArray("No video to convert.\n");
}

void tst_ConvertProgram::personsLanguageButEnglishJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lrelease";
    if (!QFileInfo(lrelease).isExecutable())
        QSKIP("lrelease is not installed");
    // A German translation of one message, as a translator trying a file would give it.
    QTemporaryDir translations;
    QFile ts(translations.filePath("tavrel_de.ts"));
    QVERIFY(ts.open(QIODevice::WriteOnly));
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="de">
<context><name>ConvertRunner</name><message><source>No video to convert.</source>
<translation>Kein Video.</translation></message></context></TS>)");
    ts.close();
    QCOMPARE(QProcess::execute(lrelease, {"-silent", ts.fileName()}), 0);
    QVERIFY(QDir(m_sources.path()).mkpath("empty"));

    const auto program = Start(
        arguments, {{"TAVREL_LANGUAGE", "de"}, {"TAVREL_TRANSLATIONS_DIR", translations.path()}});
    QVERIFY(program->waitForFinished(60000));
    QCOMPARE(program->exitCode(), 2);
    QCOMPARE(program->readAllStandardError(), message);
}

void tst_ConvertProgram::linksNeitherWidgetsNorMultimedia()
{
    QProcess ldd;
    ldd.start("ldd", {m_program});
    QVERIFY(ldd.waitForFinished(30000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
    for (const char *library : {"libQt6Gui", "libQt6Widgets", "libQt6Multimedia"})
        QVERIFY2(!libraries.contains(library), library);
}

QTEST_GUILESS_MAIN(tst_ConvertProgram)
#include "tst_convertprogram.moc"
