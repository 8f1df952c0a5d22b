#include "CommandLine.h"
#include "EncoderRun.h"
#include "ProgramDir.h"
#include "TaskArray.h"
#include "TickCount.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

// The runner against stand-in encoders (tests/helpers/fake_encoder): canned progress, failures,
// a crash, a hang that ignores "q", silence.
class tst_EncoderRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cannedProgress();
    void endings_data();
    void endings();
    void stopWhileTheEncoderIsSilent_data();
    void stopWhileTheEncoderIsSilent();
    void stopEndsReadingAfterTheChunk();
    void preconvertedSourceQuitsAtTheTrimmedLength();
    void programIsFoundInTheAppFolder();
    void quitToAnEncoderThatClosedItsInput();
    void killEndsARunningEncoder();

private:
    QString helperCommand(const QString &arguments) const
    {
        return QuoteCommandLineArgument(m_helper) + u' ' + arguments;
    }

    /// Starts the run for the first task and waits, handling events, until it has finished.
    void run(const QString &commandLine, TaskArray &tasks)
    {
        QSignalSpy finished(m_run.get(), &EncoderRun::finished);
        QVERIFY(finished.isValid());
        m_run->Start(commandLine, tasks.at(0).id, m_startTick, tasks);
        QVERIFY(m_run->IsRunning());
        QCOMPARE(finished.count(), 0); // never from inside Start
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QVERIFY(!m_run->IsRunning());
    }

    QTemporaryDir m_programDir;
    QString m_helper;
    std::unique_ptr<EncoderRun> m_run;
    quint32 m_startTick = 0;
};

namespace {

/// Collects what the runner asks the list to repaint, and the task at each request.
struct Recorder
{
    explicit Recorder(TaskArray &tasks)
        : tasks(tasks)
    {
        tasks.setCellInvalidator([this](int first, int last, int column) {
            QCOMPARE(first, last);
            QCOMPARE(column, int(ProgressColumn));
            seen.append(this->tasks.at(first));
        });
    }
    TaskArray &tasks;
    QList<ConversionTask> seen;
};

bool ProcessIsGone(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
#else
    return pid > 0;
#endif
}

/// Presses "Stop" the way a job does: from a handler that runs while the run goes on.
void PressStopSoon(EncoderRun &run, int ms = 0)
{
    QTimer::singleShot(ms, &run, [&run] { run.SendEncoderQuit(); });
}

} // namespace

void tst_EncoderRun::initTestCase()
{
    QVERIFY(m_programDir.isValid());
    QVERIFY(QDir(m_programDir.path()).mkdir(u"app"_qs));
    g_programDir = m_programDir.path() + u'/';
    m_helper = qEnvironmentVariable("TAVREL_TEST_HELPERS") + u"/fake_encoder"_qs;
    QVERIFY2(QFileInfo(m_helper).isExecutable(), qPrintable(m_helper));
}

void tst_EncoderRun::init()
{
    m_startTick = TickCount();
    m_run = std::make_unique<EncoderRun>();
    m_run->SetEndTimeouts(500, 500);
}

void tst_EncoderRun::cleanup()
{
    m_run.reset();
}

void tst_EncoderRun::cannedProgress()
{
    TaskArray tasks;
    tasks.append(ConversionTask());
    Recorder recorder(tasks);
    QSignalSpy output(m_run.get(), &EncoderRun::outputReceived);
    QVERIFY(output.isValid());

    run(helperCommand(u"progress 5 50"_qs), tasks);

    const ConversionTask task = tasks.at(0);
    QCOMPARE(task.sizeKB, 50);
    QCOMPARE(task.encodedTime, 5.0);
    QVERIFY(task.speed > 0.0);
    QCOMPARE(m_run->FailureReason(), QString());
    QVERIFY(!m_run->IsEncoderRunning());
    // Progress arrives as it is printed, in order. (Lines come 50 ms apart; a busy machine may
    // hand over two in one chunk, and then only the first counts.)
    QList<double> times;
    for (const ConversionTask &seen : std::as_const(recorder.seen))
        times.append(seen.encodedTime);
    QVERIFY(std::is_sorted(times.begin(), times.end()));
    times.erase(std::unique(times.begin(), times.end()), times.end());
    QVERIFY2(times.size() >= 3, qPrintable(QString::number(times.size())));
    QCOMPARE(times.last(), 5.0);
    // Every chunk read is also handed on raw, at most 255 bytes each, nothing lost.
    QByteArray all;
    for (const QList<QVariant> &chunk : std::as_const(output)) {
        QVERIFY(chunk.at(0).toByteArray().size() <= 255);
        all += chunk.at(0).toByteArray();
    }
    QVERIFY2(all.contains("time=00:00:05") && all.contains("size="), all.constData());
}

void tst_EncoderRun::endings_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("useHelper");
    QTest::addColumn<QString>("reason");

    QTest::newRow("exits non-zero: its last message")
        << u"fail 3 \"Unknown encoder 'xyz'\""_qs << true << u"Unknown encoder 'xyz'"_qs;
    QTest::newRow("crashes: its last message")
        << u"crash \"Invalid data found when processing input\""_qs << true
        << u"Invalid data found when processing input"_qs;
    QTest::newRow("prints nothing and exits 0") << u"silent"_qs << true << QString();
    QTest::newRow("program not found")
        << u"no_such_encoder_program -i x.avi out.mp4"_qs << false
        << u"The encoder \"no_such_encoder_program\" was not found."_qs;
    QTest::newRow("empty command line (no profile)")
        << QString() << false << u"The profile gives no encoder command line."_qs;
    // Found and executable, but the system cannot run it: reported after Start has returned.
    QTest::newRow("cannot be run") << u"NOT_A_PROGRAM"_qs << false
                                   << u"The encoder \"NOT_A_PROGRAM\" could not be started: "_qs;
}

void tst_EncoderRun::endings()
{
    QFETCH(QString, arguments);
    QFETCH(bool, useHelper);
    QFETCH(QString, reason);

    const QString notAProgram = m_programDir.filePath(u"app/not-a-program"_qs);
    QFile text(notAProgram);
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("plain text\n") > 0);
    text.close();
    QVERIFY(text.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    arguments.replace(u"NOT_A_PROGRAM"_qs, notAProgram);
    reason.replace(u"NOT_A_PROGRAM"_qs, notAProgram);

    TaskArray tasks;
    tasks.append(ConversionTask());
    run(useHelper ? helperCommand(arguments) : arguments, tasks);

    // The whole reason, or its start when the system's own words follow.
    if (reason.endsWith(u' '))
        QVERIFY2(m_run->FailureReason().startsWith(reason), qPrintable(m_run->FailureReason()));
    else
        QCOMPARE(m_run->FailureReason(), reason);
    QVERIFY(!m_run->IsEncoderRunning());
}

void tst_EncoderRun::stopWhileTheEncoderIsSilent_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::newRow("ignores q: terminated") << u"hang"_qs;
    QTest::newRow("ignores q and termination: killed") << u"hang ignore-term"_qs;
}

void tst_EncoderRun::stopWhileTheEncoderIsSilent()
{
    QFETCH(QString, arguments);
    TaskArray tasks;
    tasks.append(ConversionTask());

    // A 10 ms timer stands for the window: it keeps firing while the encoder says nothing.
    int ticks = 0;
    QTimer window;
    connect(&window, &QTimer::timeout, this, [&] { ++ticks; });
    window.start(10);
    // Once the run pumps, the encoder's process id is read; Stop follows 400 ms later, whether
    // or not the id showed up in time.
    qint64 pid = 0;
    QTimer::singleShot(0, m_run.get(), [&] {
        auto stop = qScopeGuard([&] { PressStopSoon(*m_run, 400); });
        QTRY_VERIFY_WITH_TIMEOUT((pid = m_run->ProcessId()) > 0, 30000);
    });

    run(helperCommand(arguments), tasks);

    QVERIFY(m_run->WasToldToFinish());
    QVERIFY(m_run->WasForced()); // it did not end on "q"
    QVERIFY(!m_run->IsEncoderRunning());
    QVERIFY(ProcessIsGone(pid));
    QCOMPARE(m_run->FailureReason(), QString());               // stopped, not failed
    QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks))); // the run lasted over 400 ms
}

void tst_EncoderRun::stopEndsReadingAfterTheChunk()
{
    TaskArray tasks;
    tasks.append(ConversionTask());
    const QString marker = m_programDir.filePath(u"quit-marker"_qs);
    QFile::remove(marker);
    // Stop from inside the handling of a chunk: nothing after that chunk is taken.
    bool pressed = false;
    double timeAtStop = 0.0;
    tasks.setCellInvalidator([&](int first, int, int) {
        if (!pressed && tasks.at(first).encodedTime >= 2.0) {
            pressed = true;
            timeAtStop = tasks.at(first).encodedTime;
            m_run->SendEncoderQuit();
        }
    });

    run(helperCommand(u"progress 200 50 "_qs + QuoteCommandLineArgument(marker)), tasks);

    QVERIFY(pressed);
    QCOMPARE(tasks.at(0).encodedTime, timeAtStop);
    QCOMPARE(m_run->FailureReason(), QString());
    QVERIFY(!m_run->WasForced());
    QVERIFY(!m_run->IsEncoderRunning());
    QVERIFY2(QFile::exists(marker), "the encoder did not receive q");
}

void tst_EncoderRun::preconvertedSourceQuitsAtTheTrimmedLength()
{
    TaskArray tasks;
    ConversionTask task;
    task.needsPreconversion = 1;
    task.trimStart = 10.0;
    task.trimEnd = 13.0;
    tasks.append(task);
    const QString marker = m_programDir.filePath(u"preconversion-marker"_qs);
    QFile::remove(marker);

    run(helperCommand(u"progress 200 50 "_qs + QuoteCommandLineArgument(marker)), tasks);

    const ConversionTask after = tasks.at(0);
    // The chunk that reached 3 s sent q and ended the reading: nothing later was read. (Under
    // load that chunk may start with the line of 3 s or of 4 s.)
    QVERIFY2(after.encodedTime == 3.0 || after.encodedTime == 4.0,
             qPrintable(QString::number(after.encodedTime)));
    QCOMPARE(after.sizeKB, int(after.encodedTime) * 10);
    QCOMPARE(m_run->FailureReason(), QString());
    QVERIFY(m_run->WasToldToFinish());
    QVERIFY(!m_run->IsEncoderRunning());
    QVERIFY2(QFile::exists(marker), "the encoder did not receive q");
}

void tst_EncoderRun::programIsFoundInTheAppFolder()
{
    const QString appDir = m_programDir.filePath(u"app"_qs);
    const QString copy = appDir + u"/tavenc"_qs;
    QFile::remove(copy);
    QVERIFY(QFile::copy(m_helper, copy));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(m_helper)));

    TaskArray tasks;
    tasks.append(ConversionTask());
    run(u"tavenc args seen.txt \"two words\" -x \"a\\\"quote\""_qs, tasks);
    QCOMPARE(m_run->FailureReason(), QString());

    // Written relative to the encoder's working directory, which is the app folder.
    QFile seen(appDir + u"/seen.txt"_qs);
    QVERIFY(seen.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(seen.readAll()).split(u'\n');
    QCOMPARE(QDir(lines.value(0)).canonicalPath(), QDir(appDir).canonicalPath());
    QCOMPARE(lines.mid(1, 3), (QStringList{u"two words"_qs, u"-x"_qs, u"a\"quote"_qs}));
    QFile::remove(copy);
}

void tst_EncoderRun::quitToAnEncoderThatClosedItsInput()
{
    // Writing "q" into a pipe nobody reads any more must fail quietly, not end the program.
    TaskArray tasks;
    tasks.append(ConversionTask());
    QTimer::singleShot(150, m_run.get(), [this] { m_run->SendEncoderQuit(); });
    run(helperCommand(u"closed-input 600"_qs), tasks);
    QVERIFY(!m_run->IsEncoderRunning());
    QCOMPARE(m_run->FailureReason(), QString());

    // And once more after the run, as the batch driver does after every run.
    m_run->SendEncoderQuit();
    m_run->SendEncoderQuit();
}

void tst_EncoderRun::killEndsARunningEncoder()
{
    TaskArray tasks;
    tasks.append(ConversionTask());
    qint64 pid = 0;
    QTimer::singleShot(200, m_run.get(), [&] {
        pid = m_run->ProcessId();
        m_run->Kill(); // its task has gone: nothing of the run is wanted
    });
    run(helperCommand(u"hang"_qs), tasks);
    QVERIFY(pid > 0);
    QVERIFY(ProcessIsGone(pid));
    QVERIFY(m_run->WasForced());
    QCOMPARE(m_run->ProcessId(), 0);
    m_run->Kill(); // nothing left: harmless
}

QTEST_GUILESS_MAIN(tst_EncoderRun)
#include "tst_encoderrunner.moc"
