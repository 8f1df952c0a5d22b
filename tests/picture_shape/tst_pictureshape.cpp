// Every output shows the source's picture at its true display shape: fitted inside the frame on
// black bars (or within a box without bars), never stretched, whatever the source's pixel aspect
// and rotation. Real sources made here are converted for real and the results read back.

#include "MediaFixtures.h"

#include "CommandLine.h"
#include "EncoderFixture.h"
#include "EncoderRun.h"
#include "FfmpegConverter.h"
#include "MediaProbe.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "SourceFacts.h"
#include "TaskArray.h"
#include "TickCount.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// The picture's box inside the frame: what ffmpeg's cropdetect finds not black.
QRect PictureBox(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-hide_banner",
                  "-nostdin",
                  "-i",
                  path,
                  "-vf",
                  "cropdetect=limit=24:round=2",
                  "-f",
                  "null",
                  "-"});
    if (!ffmpeg.waitForFinished(120000))
        return {};
    static const QRegularExpression crop(QStringLiteral("crop=(\\d+):(\\d+):(\\d+):(\\d+)"));
    QRect box;
    auto matches = crop.globalMatch(QString::fromLocal8Bit(ffmpeg.readAllStandardError()));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        box = QRect(match.captured(3).toInt(),
                    match.captured(4).toInt(),
                    match.captured(1).toInt(),
                    match.captured(2).toInt());
    }
    return box;
}

} // namespace

class tst_PictureShape : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shape_data();
    void shape();

private:
    QString convertWithProfile(const QString &source, int profile, int aspect);
    QString convertToWmv(const QString &source, int profile);

    QTemporaryDir m_work;
    QMap<QString, QString> m_sources;
    int m_outputs = 0;
};

void tst_PictureShape::initTestCase()
{
    QVERIFY(m_work.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';

    // One second each, with sound: what cameras, phones, DVDs and TV recordings deliver.
    struct Source
    {
        const char *name;
        const char *file;
        const char *picture;
        QStringList options;
    };
    const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"};
    const QList<Source> sources{
        {"wide", "camera.mkv", "size=640x360", h264},
        {"hd", "tv.mkv", "size=1920x1080", h264},
        {"phone", "upright.mp4", "size=640x360", h264},
        {"dvd",
         "dvd.vob",
         "size=720x576",
         {"-vf", "setsar=64/45", "-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"}},
        {"four3", "old.avi", "size=320x240", {"-c:v", "mpeg4", "-c:a", "libmp3lame"}},
    };
    QString log;
    for (const Source &source : sources) {
        const QString path = m_work.filePath(QString::fromLatin1(source.file));
        QVERIFY2(MediaFixtures::RunFfmpeg(QStringList{"-f",
                                                      "lavfi",
                                                      "-i",
                                                      u"testsrc2=rate=25:"_qs + source.picture,
                                                      "-f",
                                                      "lavfi",
                                                      "-i",
                                                      "sine",
                                                      "-t",
                                                      "1"}
                                              + source.options + QStringList{path},
                                          &log),
                 qPrintable(log));
        m_sources.insert(QString::fromLatin1(source.name), path);
    }
    // A phone filmed upright stores a landscape picture and a display matrix turning it.
    const QString phone = m_work.filePath(u"phone.mp4"_qs);
    QVERIFY2(MediaFixtures::RunFfmpeg({"-i",
                                       m_sources.value(u"phone"_qs),
                                       "-c",
                                       "copy",
                                       "-metadata:s:v:0",
                                       "rotate=90",
                                       phone},
                                      &log),
             qPrintable(log));
    m_sources.insert(u"phone"_qs, phone);
}

QString tst_PictureShape::convertWithProfile(const QString &source, int profile, int aspect)
{
    TaskArray tasks;
    ConversionTask task = NewConversionTask(source, 1.0, 0, 0);
    task.mpeg4Profile = profile;
    task.aspect = aspect;
    tasks.append(task);
    const QString output = m_work.filePath(QStringLiteral("out%1.mp4").arg(++m_outputs));
    EncoderRun run;
    const QString failure = EncoderFixture::RunToEnd(
        run, BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), task, output), tasks);
    return failure.isEmpty() ? output : QString();
}

QString tst_PictureShape::convertToWmv(const QString &source, int profile)
{
    FfmpegConverter media;
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    if (!finished.isValid())
        return {};
    const QString output = m_work.filePath(QStringLiteral("out%1.wmv").arg(++m_outputs));
    media.SetOutputFormat(WmvOutputFormat);
    media.SetWmvProfileIndex(profile);
    media.ResetClips();
    media.AddVideoClip(source, 0.0, 1.0, 0);
    media.AddAudioClip(source, 0.0, 1.0);
    if (!media.StartConversion(output))
        return {};
    if (!finished.wait(300000) && finished.isEmpty())
        return {};
    return media.LastConversionSucceeded() ? output : QString();
}

void tst_PictureShape::shape_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("wmv");
    QTest::addColumn<int>("profile"); ///< of the MP4 profile file or of the WMV profiles
    QTest::addColumn<int>("aspect");  ///< "Video Aspect" index (profile 0 only)
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QString>("displayAspect");
    QTest::addColumn<QSize>("picture");

    const QSize qvga(320, 240);
    QTest::newRow("16:9 to 320x240 at 4:3: letterboxed")
        << "wide" << false << 1 << 0 << qvga << "4:3" << QSize(320, 180);
    QTest::newRow("portrait phone clip: upright, pillarboxed")
        << "phone" << false << 1 << 0 << qvga << "4:3" << QSize(135, 240);
    QTest::newRow("anamorphic 16:9 720x576: letterboxed")
        << "dvd" << false << 1 << 0 << qvga << "4:3" << QSize(320, 180);
    QTest::newRow("4:3 source: no bars") << "four3" << false << 1 << 0 << qvga << "4:3" << qvga;
    QTest::newRow("4:3 source in a 16:9 frame: pillarboxed")
        << "four3" << false << 0 << 1 << qvga << "16:9" << QSize(240, 240);
    QTest::newRow("16:9 to the 720p profile: no bars")
        << "hd" << false << 4 << 0 << QSize(1280, 720) << "16:9" << QSize(1280, 720);
    QTest::newRow("640x360 to the 1080p profile: not enlarged")
        << "wide" << false << 5 << 0 << QSize(640, 360) << "16:9" << QSize(640, 360);
    QTest::newRow("portrait phone clip to the 720p profile: upright")
        << "phone" << false << 4 << 0 << QSize(360, 640) << "9:16" << QSize(360, 640);
    QTest::newRow("anamorphic DVD to WMV: letterboxed")
        << "dvd" << true << 1 << 0 << qvga << "4:3" << QSize(320, 180);
    QTest::newRow("portrait phone clip to WMV: pillarboxed")
        << "phone" << true << 1 << 0 << qvga << "4:3" << QSize(135, 240);
}

void tst_PictureShape::shape()
{
    QFETCH(QString, source);
    QFETCH(bool, wmv);
    QFETCH(int, profile);
    QFETCH(int, aspect);
    QFETCH(QSize, frame);
    QFETCH(QString, displayAspect);
    QFETCH(QSize, picture);

    const QString output = wmv ? convertToWmv(m_sources.value(source), profile)
                               : convertWithProfile(m_sources.value(source), profile, aspect);
    QVERIFY(!output.isEmpty());
    const MediaInfo info = ProbeMedia(output);
    QVERIFY(info.ok);
    // A picture copied as it fits keeps the source's rotation: the frame counts as it is shown.
    const VideoFacts shown = ReadSourceFacts(output).video;
    QCOMPARE(QSize(shown.displayWidth(), shown.displayHeight()), frame);
    const QString stored = info.video.displayAspect;
    QCOMPARE(shown.rotation % 180 != 0 ? stored.section(u':', 1) + u':' + stored.section(u':', 0, 0)
                                       : stored,
             displayAspect);

    // The picture: its size within rounding, centred; the rest black.
    const QRect box = PictureBox(output);
    const QString seen = QStringLiteral("picture %1x%2 at %3,%4")
                             .arg(box.width())
                             .arg(box.height())
                             .arg(box.x())
                             .arg(box.y());
    QVERIFY2(std::abs(box.width() - picture.width()) <= 4, qPrintable(seen));
    QVERIFY2(std::abs(box.height() - picture.height()) <= 4, qPrintable(seen));
    QVERIFY2(std::abs(box.center().x() - (frame.width() - 1) / 2.0) <= 3, qPrintable(seen));
    QVERIFY2(std::abs(box.center().y() - (frame.height() - 1) / 2.0) <= 3, qPrintable(seen));
}

QTEST_MAIN(tst_PictureShape)
#include "tst_pictureshape.moc"
