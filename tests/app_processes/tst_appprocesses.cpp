// The real program, started as a person's session would start it (through the self-check, which
// converts through Start): two programs converting the same clip into one folder at once, and
// what is left when the program is told to end (SIGTERM, SIGINT, SIGHUP) or killed mid-batch.

#include "ChildProcesses.h"
#include "MediaFixtures.h"

#include "PartFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace ChildProcesses;
using namespace MediaFixtures;

namespace {

/// Files (hidden ones too) of folder whose names start with prefix.
QStringList FilesIn(const QString &folder, const QString &prefix = {})
{
    QStringList names;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.startsWith(prefix) || name.startsWith(u'.' + prefix))
            names << name;
    }
    return names;
}

} // namespace

class tst_AppProcesses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void twoProgramsIntoOneFolder();
    void encodersEndWithTheProgram_data();
    void encodersEndWithTheProgram();

private:
    /// The program in self-check mode, converting source into home (its output directory).
    std::unique_ptr<QProcess> Start(const QString &source, const QString &home) const;

    QTemporaryDir m_sources;
    QString m_runtime;
};

void tst_AppProcesses::initTestCase()
{
    m_runtime = qEnvironmentVariable("TAVREL_RUNTIME_DIR");
    QVERIFY(QFileInfo(m_runtime + "/tavrel").isExecutable());
    QString log;
    // Names no other test uses: intermediates of the .rm go into the shared program folder.
    for (const auto &[name, seconds] : {std::pair("clip.avi", 3.0),
                                        std::pair("lifetime-check.avi", 120.0),
                                        std::pair("lifetime-check.rm", 120.0)}) {
        QVERIFY2(MakeSource(m_sources.filePath(name), seconds, "320x240", &log), qPrintable(log));
    }
}

std::unique_ptr<QProcess> tst_AppProcesses::Start(const QString &source, const QString &home) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.insert("TAVREL_SELFTEST", source);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(m_runtime + "/tavrel", {});
    return process;
}

void tst_AppProcesses::twoProgramsIntoOneFolder()
{
    QTemporaryDir home;
    const auto first = Start(m_sources.filePath("clip.avi"), home.path());
    const auto second = Start(m_sources.filePath("clip.avi"), home.path());
    for (QProcess *process : {first.get(), second.get()}) {
        QVERIFY(process->waitForFinished(240000));
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                 process->readAll().constData());
    }
    // Two whole files under two names; nothing deleted, no part file left.
    QCOMPARE(FilesIn(home.path()), (QStringList{"clip.mp4", "clip_2.mp4"}));
    for (const QString &name : FilesIn(home.path())) {
        const ProbeResult probe = Probe(home.filePath(name));
        QVERIFY2(probe.ok && qAbs(probe.duration - 3.0) < 0.1, qPrintable(name));
    }
}

void tst_AppProcesses::encodersEndWithTheProgram_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM while encoding") << "lifetime-check.avi" << int(SIGTERM);
    QTest::newRow("SIGINT while pre-converting") << "lifetime-check.rm" << int(SIGINT);
    QTest::newRow("SIGHUP while encoding") << "lifetime-check.avi" << int(SIGHUP);
    QTest::newRow("SIGKILL while encoding") << "lifetime-check.avi" << int(SIGKILL);
    QTest::newRow("SIGKILL while pre-converting") << "lifetime-check.rm" << int(SIGKILL);
}

void tst_AppProcesses::encodersEndWithTheProgram()
{
    QFETCH(QString, source);
    QFETCH(int, signalNumber);

    QTemporaryDir home;
    const QStringList programFiles = FilesIn(m_runtime, "lifetime-check");
    const auto program = Start(m_sources.filePath(source), home.path());
    QVERIFY(program->waitForStarted(30000));
    const qint64 pid = program->processId();
    // Mid-batch: the encoder (or the pre-conversion's ffmpeg) runs and has written something.
    QList<qint64> children;
    QTRY_VERIFY_WITH_TIMEOUT(!(children = ChildrenOf(pid)).isEmpty()
                                 && FilesIn(home.path()).size()
                                            + FilesIn(m_runtime, "lifetime-check").size()
                                        > programFiles.size(),
                             120000);
    QVERIFY(::kill(pid_t(pid), signalNumber) == 0);
    QVERIFY(program->waitForFinished(60000));

    // No encoder or ffmpeg outlives the program (a killed program's within a second or so).
    for (const qint64 child : std::as_const(children))
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(child), 5000);
    if (signalNumber == SIGKILL)
        return; // nothing of the program ran to clean up: its hidden part file may stay
    QVERIFY2(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0,
             program->readAll().constData());
    // No part file and no intermediate; at most the stopped task's output, whole.
    for (const QString &name : FilesIn(home.path()))
        QVERIFY2(!IsPartFileName(name), qPrintable(name));
    QCOMPARE(FilesIn(m_runtime, "lifetime-check"), programFiles);
}

QTEST_GUILESS_MAIN(tst_AppProcesses)
#include "tst_appprocesses.moc"
