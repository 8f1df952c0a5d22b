#include "MediaFixtures.h"

#include "FfmpegConverter.h"
#include "ProgramDir.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace MediaFixtures;

namespace {
constexpr int ConversionTimeoutMs = 120000;
}

class TestMediaConvert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wmvConversion_data();
    void wmvConversion();
    void refusedStarts_data();
    void refusedStarts();
    void failedConversions_data();
    void failedConversions();
    void stopEndsWithoutFinishedEvent();
    void silentConverterStillReportsTwiceASecond();

private:
    QString fakeConverter() const;

    QTemporaryDir m_dir;
    QString m_rm;
    QString m_avi;
    QMap<int, QString> m_aviAtRate; ///< AVI sources by frames per second
};

QString TestMediaConvert::fakeConverter() const
{
    return qEnvironmentVariable("TAVREL_TEST_HELPERS") + QStringLiteral("/media_fake_converter");
}

void TestMediaConvert::initTestCase()
{
    QVERIFY(m_dir.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QLatin1Char('/');
    m_rm = m_dir.filePath(QStringLiteral("source.rm"));
    m_avi = m_dir.filePath(QStringLiteral("source.avi"));
    QString log;
    QVERIFY2(MakeSource(m_rm, 2.0, QStringLiteral("160x120"), &log), qPrintable(log));
    QVERIFY2(MakeSource(m_avi, 2.0, QStringLiteral("176x144"), &log), qPrintable(log));
    for (int rate : {30, 50, 60}) {
        const QString path = m_dir.filePath(QStringLiteral("source%1.avi").arg(rate));
        QVERIFY2(RunFfmpeg({"-f",
                            "lavfi",
                            "-i",
                            QStringLiteral("testsrc=size=176x144:rate=%1").arg(rate),
                            "-f",
                            "lavfi",
                            "-i",
                            "sine",
                            "-t",
                            "2",
                            "-c:v",
                            "mpeg4",
                            "-c:a",
                            "libmp3lame",
                            path},
                           &log),
                 qPrintable(log));
        m_aviAtRate.insert(rate, path);
    }
    QVERIFY(QFileInfo(fakeConverter()).isExecutable());
}

void TestMediaConvert::wmvConversion_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("profile");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<QString>("videoCodec");
    QTest::addColumn<double>("frameRate");
    QTest::addRow("RealMedia, WMV 8 profile") << m_rm << 0 << 0.0 << 2.0 << "wmv2" << 25.0;
    QTest::addRow("AVI, WMV 7 profile") << m_avi << 3 << 0.0 << 2.0 << "wmv1" << 25.0;
    QTest::addRow("trimmed to 0.5..1.5 s") << m_rm << 1 << 0.5 << 1.5 << "wmv2" << 25.0;
    QTest::addRow("15 fps profile") << m_avi << 4 << 0.0 << 2.0 << "wmv1" << 15.0;
    // A rate the player plays, without repeating frames.
    QTest::addRow("30 fps source: kept") << m_aviAtRate[30] << 1 << 0.0 << 2.0 << "wmv2" << 30.0;
    QTest::addRow("50 fps source: 25") << m_aviAtRate[50] << 1 << 0.0 << 2.0 << "wmv2" << 25.0;
    QTest::addRow("60 fps source: NTSC rate")
        << m_aviAtRate[60] << 1 << 0.0 << 2.0 << "wmv2" << 29.97;
}

void TestMediaConvert::wmvConversion()
{
    QFETCH(QString, source);
    QFETCH(int, profile);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(QString, videoCodec);
    QFETCH(double, frameRate);

    FfmpegConverter media;
    QVERIFY(profile < media.WmvProfileList().Count());
    const QString output = m_dir.filePath(QStringLiteral("out_%1.wmv").arg(profile));
    QSignalSpy progress(&media, &FfmpegConverter::ConversionProgress);
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    QVERIFY(progress.isValid() && finished.isValid());

    // The batch's order: format and profile, then the clips.
    media.SetOutputFormat(WmvOutputFormat);
    media.SetWmvProfileIndex(profile);
    media.ResetClips();
    QVERIFY(media.AddVideoClip(source, start, end, 0));
    QVERIFY(media.AddAudioClip(source, start, end));
    QVERIFY(media.StartConversion(output));
    QVERIFY(media.IsConverting());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, ConversionTimeoutMs);
    QVERIFY2(media.LastConversionSucceeded(), qPrintable(media.LastConversionError()));
    QVERIFY(media.LastConversionError().isEmpty());
    QVERIFY(!media.IsConverting());

    const double length = end - start;
    QVERIFY(!progress.isEmpty());
    double previous = 0.0;
    for (const QList<QVariant> &event : std::as_const(progress)) {
        const double position = event.at(0).toDouble();
        QVERIFY(position >= previous);
        QVERIFY(position <= length + 1e-9);
        QCOMPARE(event.at(1).toDouble(), length);
        previous = position;
    }
    QVERIFY2(previous > length - 0.3, qPrintable(QString::number(previous)));

    const ProbeResult probe = Probe(output);
    QVERIFY(probe.ok);
    QCOMPARE(probe.formatName, QStringLiteral("asf"));
    QCOMPARE(probe.videoCodec, videoCodec);
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QCOMPARE(probe.audioCodec, QStringLiteral("wmav2"));
    QCOMPARE(probe.sampleRate, 44100);
    QCOMPARE(probe.channels, 2);
    QVERIFY2(qAbs(probe.duration - length) < 0.3, qPrintable(QString::number(probe.duration)));
    QVERIFY2(qAbs(probe.frameRate - frameRate) < 0.01,
             qPrintable(QString::number(probe.frameRate)));
}

void TestMediaConvert::refusedStarts_data()
{
    QTest::addColumn<QString>("videoClip");
    QTest::addColumn<QString>("audioClip");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("reasonPart");
    QTest::addRow("no clip") << ""
                             << "" << int(WmvOutputFormat) << "ffmpeg"
                             << "no clip";
    QTest::addRow("missing picture source")
        << m_dir.filePath("gone.rm") << "" << int(WmvOutputFormat) << "ffmpeg"
        << "gone.rm";
    QTest::addRow("missing sound source")
        << m_rm << m_dir.filePath("gone.wma") << int(AviIntermediateFormat) << "ffmpeg"
        << "gone.wma";
    QTest::addRow("unknown output format") << m_rm << m_rm << 7 << "ffmpeg"
                                           << "format 7";
    QTest::addRow("converter not installed")
        << m_rm << m_rm << int(WmvOutputFormat) << "tavrel-no-such-converter"
        << "not found";
    QTest::addRow("converter path to nothing")
        << m_rm << m_rm << int(WmvOutputFormat) << m_dir.filePath("bin/ffmpeg") << "not found";
}

void TestMediaConvert::refusedStarts()
{
    QFETCH(QString, videoClip);
    QFETCH(QString, audioClip);
    QFETCH(int, format);
    QFETCH(QString, program);
    QFETCH(QString, reasonPart);

    FfmpegConverter media;
    media.SetFfmpegProgram(program);
    QSignalSpy progress(&media, &FfmpegConverter::ConversionProgress);
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    QVERIFY(progress.isValid() && finished.isValid());
    media.SetOutputFormat(format);
    if (!videoClip.isEmpty())
        QVERIFY(media.AddVideoClip(videoClip, 0, 2, 0));
    if (!audioClip.isEmpty())
        QVERIFY(media.AddAudioClip(audioClip, 0, 2));
    const QString output = m_dir.filePath(QStringLiteral("refused.out"));
    QVERIFY(!media.StartConversion(output));
    QVERIFY(!media.IsConverting());
    QVERIFY(!media.LastConversionSucceeded());
    QVERIFY2(media.LastConversionError().contains(reasonPart, Qt::CaseInsensitive),
             qPrintable(media.LastConversionError()));
    QTest::qWait(200);
    QCOMPARE(progress.size(), 0);
    QCOMPARE(finished.size(), 0);
    QVERIFY(!QFile::exists(output));
}

void TestMediaConvert::failedConversions_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("reasonPart");
    QTest::addRow("output folder missing")
        << "ffmpeg"
        << "" << m_dir.filePath("no/such/folder/out.wmv") << "No such file";
    QTest::addRow("converter crashes")
        << fakeConverter() << "crash" << m_dir.filePath("crash.wmv") << "the decoder fell over";
}

void TestMediaConvert::failedConversions()
{
    QFETCH(QString, program);
    QFETCH(QString, mode);
    QFETCH(QString, output);
    QFETCH(QString, reasonPart);

    qputenv("TAVREL_FAKE_MODE", mode.toLatin1());
    FfmpegConverter media;
    media.SetFfmpegProgram(program);
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    media.SetOutputFormat(WmvOutputFormat);
    media.AddVideoClip(m_rm, 0, 2, 0);
    media.AddAudioClip(m_rm, 0, 2);
    QVERIFY(media.StartConversion(output));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, ConversionTimeoutMs);
    qunsetenv("TAVREL_FAKE_MODE");
    QVERIFY(!media.LastConversionSucceeded());
    QVERIFY2(media.LastFfmpegLine().contains(reasonPart), qPrintable(media.LastFfmpegLine()));
    QCOMPARE(media.LastConversionError(), media.LastFfmpegLine());
}

void TestMediaConvert::stopEndsWithoutFinishedEvent()
{
    qputenv("TAVREL_FAKE_MODE", "hang");
    FfmpegConverter media;
    media.SetFfmpegProgram(fakeConverter());
    QSignalSpy progress(&media, &FfmpegConverter::ConversionProgress);
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    QVERIFY(progress.isValid() && finished.isValid());
    media.SetOutputFormat(WmvOutputFormat);
    media.AddVideoClip(m_rm, 0, 2, 0);
    const QString output = m_dir.filePath(QStringLiteral("stopped.wmv"));
    QVERIFY(media.StartConversion(output));
    qunsetenv("TAVREL_FAKE_MODE");
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() >= 2, 30000);

    media.StopConversion();
    QVERIFY(!media.IsConverting());
    QVERIFY(!media.LastConversionSucceeded());
    // The converter is gone: the file it held can go at once.
    QVERIFY(QFile::remove(output));
    const qsizetype seen = progress.size();
    QTest::qWait(700);
    QCOMPARE(progress.size(), seen);
    QCOMPARE(finished.size(), 0);
    media.StopConversion(); // again: nothing to stop
}

void TestMediaConvert::silentConverterStillReportsTwiceASecond()
{
    qputenv("TAVREL_FAKE_MODE", "silent");
    FfmpegConverter media;
    media.SetFfmpegProgram(fakeConverter());
    QSignalSpy progress(&media, &FfmpegConverter::ConversionProgress);
    QSignalSpy finished(&media, &FfmpegConverter::ConversionFinished);
    QVERIFY(progress.isValid() && finished.isValid());
    media.SetOutputFormat(WmvOutputFormat);
    media.AddVideoClip(m_rm, 0, 2, 0);
    QVERIFY(media.StartConversion(m_dir.filePath(QStringLiteral("silent.wmv"))));
    qunsetenv("TAVREL_FAKE_MODE");
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
    // 1.5 s without a word from the converter, then its closing report.
    QVERIFY2(progress.size() >= 3, qPrintable(QString::number(progress.size())));
    QCOMPARE(progress.last().at(0).toDouble(), 1.0);
    QVERIFY(media.LastConversionSucceeded());
}

QTEST_MAIN(TestMediaConvert)
#include "tst_media_convert.moc"
