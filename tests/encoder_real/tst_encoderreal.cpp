#include "CIniFile.h"
#include "CommandLine.h"
#include "EncoderFixture.h"
#include "EncoderRun.h"
#include "MediaProbe.h"
#include "ProgramDir.h"
#include "TaskArray.h"
#include "TickCount.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

// Tasks converted for real through BuildCommandLine and an EncoderRun with the shipped encoder.
class tst_EncoderReal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void convertsATaskEndToEnd();
    void stopInTheMiddleLeavesAShorterValidFile();
    void preconvertedSourceEndsAtTheTrimmedLength();
    void shippedProfiles_data();
    void shippedProfiles();

private:
    QTemporaryDir m_work;
    QString m_shortClip; ///< 5 s
    QString m_longClip;  ///< 30 s
    std::unique_ptr<EncoderRun> m_run;
};

namespace {

bool ProcessIsGone(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
#else
    return pid > 0;
#endif
}

} // namespace

void tst_EncoderReal::initTestCase()
{
    QVERIFY(m_work.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    QVERIFY(QFileInfo(AppDir() + u"/tavenc"_qs).isExecutable());
    m_shortClip = m_work.filePath(u"short clip.avi"_qs);
    QString error = GenerateClip(m_shortClip, 5.0, QSize(640, 480));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_longClip = m_work.filePath(u"long clip.avi"_qs);
    error = GenerateClip(m_longClip, 30.0, QSize(320, 240));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void tst_EncoderReal::init()
{
    m_run = std::make_unique<EncoderRun>();
}

void tst_EncoderReal::convertsATaskEndToEnd()
{
    TaskArray tasks;
    tasks.append(NewConversionTask(m_shortClip, 5.0, 0, 0));
    QList<ConversionTask> seen;
    tasks.setCellInvalidator([&](int first, int, int) { seen.append(tasks.at(first)); });
    const QString output = m_work.filePath(u"short clip.mp4"_qs);

    const QString failure = EncoderFixture::RunToEnd(
        *m_run,
        BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), tasks.at(0), output),
        tasks);

    const ConversionTask task = tasks.at(0);
    QCOMPARE(failure, QString());
    QVERIFY(!m_run->IsEncoderRunning());
    QVERIFY(std::any_of(
        seen.begin(), seen.end(), [](const ConversionTask &t) { return t.encodedTime > 0.0; }));
    QVERIFY2(std::abs(task.encodedTime - 5.0) < 0.2, qPrintable(QString::number(task.encodedTime)));
    QVERIFY(task.speed > 0.0);
    // The last size the encoder reported is the file's size in kilobytes.
    const double fileKB = QFileInfo(output).size() / 1024.0;
    QVERIFY2(
        std::abs(task.sizeKB - fileKB) <= fileKB * 0.05 + 1,
        qPrintable(QStringLiteral("%1 kB reported, %2 kB written").arg(task.sizeKB).arg(fileKB)));

    const MediaInfo info = ProbeMedia(output);
    QVERIFY(info.ok);
    QVERIFY(std::abs(info.duration - 5.0) < 0.2);
    QCOMPARE(info.video.codec, u"h264"_qs);
    QCOMPARE(info.video.width, 320);
    QCOMPARE(info.audio.codec, u"aac"_qs);
    QVERIFY(IndexAtFront(output));
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));
}

void tst_EncoderReal::stopInTheMiddleLeavesAShorterValidFile()
{
    TaskArray tasks;
    tasks.append(NewConversionTask(m_longClip, 30.0, 0, 0));
    const QString output = m_work.filePath(u"stopped.mp4"_qs);
    bool pressed = false;
    qint64 pid = 0;
    tasks.setCellInvalidator([&](int first, int, int) {
        if (!pressed && tasks.at(first).encodedTime >= 1.0) {
            pressed = true;
            pid = m_run->ProcessId();
            // Stop, as the window's handler does it, while the runner handles messages.
            QTimer::singleShot(0, m_run.get(), [this] { m_run->SendEncoderQuit(); });
        }
    });

    const QString failure = EncoderFixture::RunToEnd(
        *m_run,
        BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), tasks.at(0), output),
        tasks);

    QVERIFY(pressed);
    QVERIFY(!m_run->IsEncoderRunning());
    QVERIFY(ProcessIsGone(pid));
    // It finished on "q": a normal exit, not a termination.
    QVERIFY(!m_run->Crashed());
    QCOMPARE(m_run->ExitCode(), 0);
    QCOMPARE(failure, QString());

    const MediaInfo info = ProbeMedia(output);
    QVERIFY(info.ok);
    QVERIFY2(info.duration >= 1.0 && info.duration < 29.0,
             qPrintable(QString::number(info.duration)));
    QVERIFY(IndexAtFront(output));
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));
}

void tst_EncoderReal::preconvertedSourceEndsAtTheTrimmedLength()
{
    // The intermediate file already starts at the trim start; the encoder is told to finish once
    // the trimmed length (3 s) is encoded.
    TaskArray tasks;
    ConversionTask task = NewConversionTask(m_work.filePath(u"source.rm"_qs), 30.0, 0, 0);
    QCOMPARE(task.needsPreconversion, 1);
    task.intermediatePath = m_longClip;
    task.preconvPhase = 2;
    task.trimStart = 5.0;
    task.trimEnd = 8.0;
    tasks.append(task);
    const QString output = m_work.filePath(u"preconverted.mp4"_qs);

    const QString failure = EncoderFixture::RunToEnd(
        *m_run, BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), task, output), tasks);

    const ConversionTask after = tasks.at(0);
    QCOMPARE(failure, QString());
    QVERIFY(after.encodedTime >= 2.9);
    QVERIFY(!m_run->IsEncoderRunning());
    const MediaInfo info = ProbeMedia(output);
    QVERIFY2(std::abs(info.duration - 3.0) < 0.3, qPrintable(QString::number(info.duration)));
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));
}

void tst_EncoderReal::shippedProfiles_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("title");
    CIniFile ini;
    QCOMPARE(ini.SetPath(qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u"/app/Zune_Profile.ini"_qs),
             1);
    QStringList names;
    ini.GetSectionNames(names);
    for (int n = 0; n + 1 < names.size(); ++n) {
        const QString title = ini.GetString(QStringLiteral("profile%1").arg(n), u"Title"_qs);
        QTest::addRow("profile%d: %s", n, qPrintable(title)) << n << title;
    }
}

void tst_EncoderReal::shippedProfiles()
{
    QFETCH(int, profile);
    QFETCH(QString, title);
    TaskArray tasks;
    ConversionTask task = NewConversionTask(m_shortClip, 5.0, 0, 0);
    task.mpeg4Profile = profile;
    task.trimEnd = 2.0;
    tasks.append(task);
    const QString output = m_work.filePath(QStringLiteral("profile%1.mp4").arg(profile));

    const QString failure = EncoderFixture::RunToEnd(
        *m_run, BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), task, output), tasks);
    QCOMPARE(failure, QString());

    // What the title promises; the custom profile uses the task's settings (AVC, 320 x 240). A
    // profile "up to" a size never enlarges the 640 x 480 source.
    const MediaInfo info = ProbeMedia(output);
    QVERIFY(info.ok);
    const bool mpeg4 = title.contains(u"MPEG-4"_qs);
    const bool hevc = title.contains(u"HEVC"_qs);
    QCOMPARE(info.video.codec, mpeg4 ? u"mpeg4"_qs : hevc ? u"hevc"_qs : u"h264"_qs);
    if (mpeg4 || title.contains(u"Baseline"_qs) || profile == 0) {
        QVERIFY2(info.video.profile.contains(mpeg4 ? u"Simple"_qs : u"Baseline"_qs),
                 qPrintable(info.video.profile));
    }
    static const QRegularExpression sizePattern(u"(\\d+)x(\\d+)"_qs);
    const QRegularExpressionMatch size = sizePattern.match(title);
    const bool upTo = title.contains(u"up to"_qs);
    QCOMPARE(info.video.width, upTo ? 640 : size.hasMatch() ? size.captured(1).toInt() : 320);
    QCOMPARE(info.video.height, upTo ? 480 : size.hasMatch() ? size.captured(2).toInt() : 240);
    // It plays to the end of the trimmed part.
    QVERIFY2(std::abs(info.duration - 2.0) < 0.2, qPrintable(QString::number(info.duration)));
    QCOMPARE(info.audio.codec, u"aac"_qs);
    QCOMPARE(info.audio.profile, u"LC"_qs);
    if (title.contains(u"stereo"_qs))
        QCOMPARE(info.audio.channels, 2);
    QVERIFY(IndexAtFront(output));
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));
}

QTEST_GUILESS_MAIN(tst_EncoderReal)
#include "tst_encoderreal.moc"
