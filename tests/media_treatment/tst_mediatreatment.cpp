#include "MediaFixtures.h"
#include "MediaProbe.h"

#include "BatchFixture.h"
#include "ConversionBatch.h"
#include "ProgramDir.h"
#include "FfmpegConverter.h"
#include "InterlaceDetection.h"
#include "SourceTreatment.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace MediaFixtures;

// What the batch makes of sources that need more than fitting: interlaced camcorder and DVD
// pictures, HDR phone clips, several sound tracks, forced subtitles. Each source is made by
// ffmpeg, converted through a shipped MP4 profile or a WMV profile and the output looked at.
class TestMediaTreatment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void picture_data();
    void picture();
    void progressiveSourceIsUnchanged();
    void sound_data();
    void sound();
    void subtitles_data();
    void subtitles();

private:
    /// Converts source as output ("phones", "tv", "letterbox" or "wmv") with the track choices;
    /// the task as the batch left it.
    ConversionTask convert(const QString &source,
                           const QString &output,
                           int soundTrack = AutomaticTrack,
                           int subtitleTrack = AutomaticTrack);
    void make(const QString &name, const QStringList &arguments);

    QTemporaryDir m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<FfmpegConverter> m_media;
};

namespace {

/// The shipped profiles used: phones and tablets, TVs, and a 4:3 frame that puts a wide picture
/// on bars.
int ProfileOf(const QString &output)
{
    return output == u"tv" ? 5 : output == u"letterbox" ? 1 : 4;
}

/// The words of options, each %N replaced by the Nth of values after the split (a value may
/// hold blanks).
template<typename... Values>
QStringList Words(const char *options, const Values &...values)
{
    const QStringList texts{QString(values)...};
    QStringList words = QString::fromLatin1(options).split(u' ', Qt::SkipEmptyParts);
    for (QString &word : words) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            word.replace(u'%' + QString::number(i + 1), texts.at(i));
    }
    return words;
}

/// Inputs of a generated picture and sound, which last as long as the output's -t says.
QStringList Generated(const QString &picture, const QString &sound)
{
    return Words("-f lavfi -i %1 -f lavfi -i %2", picture, sound);
}

QString Tone(int frequency)
{
    return QStringLiteral("sine=frequency=%1:sample_rate=48000").arg(frequency);
}

} // namespace

void TestMediaTreatment::make(const QString &name, const QStringList &arguments)
{
    QString log;
    QVERIFY2(RunFfmpeg(arguments + QStringList{m_sources.filePath(name)}, &log), qPrintable(log));
}

void TestMediaTreatment::initTestCase()
{
    QVERIFY(m_sources.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    const QString gray = u"color=c=gray:size=640x360:rate=25"_qs;
    // A 1080i camcorder clip, flagged top field first; a DVD-like one that says progressive.
    make("camcorder.mts",
         Generated("testsrc2=size=1920x1080:rate=50", Tone(440))
             + Words("-t 2 -vf tinterlace=mode=interleave_top,setfield=tff -c:v libx264 -preset "
                     "ultrafast -g 12 -flags +ildct+ilme -x264opts tff=1 -c:a ac3 -f mpegts"));
    make(
        "unflagged.vob",
        Generated("testsrc2=size=720x576:rate=50", Tone(440))
            + Words("-t 2 -vf tinterlace=mode=interleave_top,setfield=prog -c:v mpeg2video -b:v 6M "
                    "-aspect 16:9 -c:a ac3 -f vob"));
    // (testsrc: testsrc2's sharp motion at 25 frames a second looks combed to idet.)
    make("progressive.mp4",
         Generated("testsrc=size=640x360:rate=25", Tone(440))
             + Words("-t 2 -c:v libx264 -pix_fmt yuv420p -c:a aac"));
    // Colour bars in SDR, and the same bars as a phone's 10-bit HEVC in HLG and in PQ.
    const QStringList bars
        = Generated("smptehdbars=size=640x360:rate=25", Tone(440)) + Words("-t 2");
    make("sdr.mp4", bars + Words("-c:v libx264 -crf 12 -pix_fmt yuv420p"));
    for (const char *transfer : {"arib-std-b67", "smpte2084"}) {
        make(
            QString::fromLatin1(transfer) + u".mov"_qs,
            bars
                + Words(
                    "-vf format=yuv420p,setparams=color_primaries=bt709:color_trc=bt709:colorspace="
                    "bt709:range=tv,zscale=t=linear:npl=100,format=gbrpf32le,"
                    "zscale=p=bt2020:t=%1:m=bt2020nc:r=tv:npl=100,format=yuv420p10le -c:v libx265 "
                    "-x265-params "
                    "log-level=error -crf 12 -color_primaries bt2020 -color_trc %1 "
                    "-colorspace bt2020nc -c:a aac",
                    transfer));
    }
    // Two languages: English at 440 Hz, German at 1000 Hz; flagged default or not at all.
    const QStringList languages
        = Words("-f lavfi -i %1 -f lavfi -i %2 -f lavfi -i %3 -t 2 -map 0 -map 1 -map 2 -c:v "
                "libx264 -preset ultrafast -c:a aac -metadata:s:a:0 language=eng "
                "-metadata:s:a:1 language=ger -disposition:a:0 0 -disposition:a:1",
                gray,
                Tone(440),
                Tone(1000));
    make("flagged.mkv", languages + QStringList{"default"});
    make("unflagged.mkv", languages + QStringList{"0"});
    // 5.1: the dialogue (1000 Hz) in the centre only, 440 Hz in the other channels.
    make("surround.mkv",
         Words("-f lavfi -i %1 -f lavfi -i %2 -f lavfi -i %3 -t 2 -filter_complex "
               "[2]volume=0.05,asplit=5[a][b][c][d][e];[a][b][1][c][d][e]join=inputs=6:"
               "channel_layout=5.1[s] -map 0 -map [s] -c:v libx264 -preset ultrafast -c:a aac "
               "-metadata:s:a:0 language=eng",
               gray,
               Tone(1000),
               Tone(440)));
    // Forced English lines over the whole clip, and a German track that is not forced.
    for (const auto &[name, text] :
         {std::pair("english.srt", "FORCED LINE"), std::pair("german.srt", "ZEILE")}) {
        QFile srt(m_sources.filePath(name));
        QVERIFY(srt.open(QIODevice::WriteOnly));
        srt.write(QByteArray("1\n00:00:00,000 --> 00:00:02,900\n") + text + "\n\n");
    }
    make("forced subtitles.mkv",
         Generated(gray, Tone(440))
             + Words("-i %1 -i %2 -t 3 -map 0 -map 1 -map 2 -map 3 -c:v libx264 -preset ultrafast "
                     "-c:a aac -c:s srt -metadata:s:a:0 language=eng -metadata:s:s:0 "
                     "language=eng -metadata:s:s:1 language=ger -disposition:s:0 forced "
                     "-disposition:s:1 0",
                     m_sources.filePath("english.srt"),
                     m_sources.filePath("german.srt")));
    // DVD picture subtitles, forced: a white block in the lowest quarter of a DVD canvas.
    const QString block = m_sources.filePath("block.mks");
    QCOMPARE(
        QProcess::execute(qEnvironmentVariable("TAVREL_TEST_HELPERS") + u"/picture_subtitles"_qs,
                          {block, "720", "480", "2.9"}),
        0);
    make("picture subtitles.mkv",
         Generated(gray, Tone(440))
             + Words("-i %1 -t 3 -map 0 -map 1 -map 2 -c:v libx264 -preset ultrafast -c:a aac -c:s "
                     "copy -disposition:s:0 forced",
                     block));
    m_media = std::make_unique<FfmpegConverter>();
}

void TestMediaTreatment::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

ConversionTask TestMediaTreatment::convert(const QString &source,
                                           const QString &output,
                                           int soundTrack,
                                           int subtitleTrack)
{
    m_output = std::make_unique<QTemporaryDir>();
    const QString path = m_sources.filePath(source);
    const bool wmv = output == u"wmv";
    ConversionTask task = NewConversionTask(path, m_media->GetMediaDuration(path), wmv, 0);
    task.mpeg4Profile = ProfileOf(output);
    task.soundTrack = soundTrack;
    task.subtitleTrack = subtitleTrack;
    TaskArray tasks;
    tasks.append(task);
    ConversionBatch batch(tasks, BatchFixture::FfmpegConverters());
    if (!BatchFixture::RunToEnd(batch, m_output->path()))
        qWarning("the batch did not end in time");
    return tasks.at(0);
}

void TestMediaTreatment::picture_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("decision");
    // clang-format off
    for (const QString output : {"phones", "tv", "wmv"}) {
        QTest::addRow("1080i camcorder clip, %s", qPrintable(output))
            << "camcorder.mts" << output << "interlaced (top field first): deinterlaced";
        QTest::addRow("interlaced DVD flagged progressive, %s", qPrintable(output))
            << "unflagged.vob" << output << "interlaced (top field first): deinterlaced";
        QTest::addRow("HLG phone clip, %s", qPrintable(output))
            << "arib-std-b67.mov" << output << "HDR (HLG): tone-mapped to BT.709 SDR";
    }
    QTest::addRow("PQ clip, phones") << "smpte2084.mov" << "phones"
                                     << "HDR (PQ): tone-mapped to BT.709 SDR";
    QTest::addRow("PQ clip, wmv") << "smpte2084.mov" << "wmv"
                                  << "HDR (PQ): tone-mapped to BT.709 SDR";
    // clang-format on
}

void TestMediaTreatment::picture()
{
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(QString, decision);
    const ConversionTask task = convert(source, output);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QVERIFY2(task.treatmentSummary.split(u'\n').contains(decision),
             qPrintable(task.treatmentSummary));
    const MediaInfo info = ProbeMedia(task.outputFile);
    QVERIFY(info.ok && info.hasVideo);
    if (decision.contains(u"deinterlaced")) {
        QCOMPARE(ParseInterlaceReport(InterlaceReport(task.outputFile)), Interlacing::Progressive);
        QCOMPARE(info.video.frameRate, 25.0); // a frame per frame
        return;
    }
    QCOMPARE(info.video.pixelFormat, u"yuv420p"_qs);
    if (output != u"wmv") { // ASF carries no colour tags
        QCOMPARE(info.video.colorSpace, u"bt709"_qs);
        QCOMPARE(info.video.colorTransfer, u"bt709"_qs);
        QCOMPARE(info.video.colorPrimaries, u"bt709"_qs);
    }
    const double original = PictureStatistic(m_sources.filePath("sdr.mp4"), 1.0, "SATAVG");
    // The WMV frame (320x240) shows the 16:9 bars between black bars.
    const double saturation = PictureStatistic(
        task.outputFile, 1.0, "SATAVG", output == u"wmv" ? u"crop=iw:180:0:30"_qs : QString());
    QVERIFY2(std::abs(saturation - original) <= original * 0.1,
             qPrintable(QStringLiteral("%1 against %2").arg(saturation).arg(original)));
}

void TestMediaTreatment::progressiveSourceIsUnchanged()
{
    // Against the same encoder with its own stream map, which skips every treatment.
    const ConversionTask task = convert("progressive.mp4", "phones");
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QCOMPARE(task.treatmentSummary, QString());
    const QString plain = m_output->filePath("plain.mp4");
    QProcess encoder;
    encoder.setWorkingDirectory(AppDir());
    encoder.start(AppDir() + u"/tavenc"_qs,
                  Words("-n -i %1 -map 0:v:0 -map 0:a:0 -vcodec h264 -vprofile high -preset fast "
                        "-crf 22 -maxrate 5000k -fit 1280x720 -r keep -acodec aac -ac 2 -ab 160k "
                        "-ar 48000 %2",
                        m_sources.filePath("progressive.mp4"),
                        plain));
    QVERIFY(encoder.waitForFinished(60000) && encoder.exitCode() == 0);
    auto frames = [](const QString &file) {
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v", "-f", "framemd5", "-"});
        ffmpeg.waitForFinished(60000);
        QList<QByteArray> lines;
        for (const QByteArray &line : ffmpeg.readAllStandardOutput().split('\n')) {
            if (!line.startsWith('#'))
                lines << line;
        }
        return lines;
    };
    const QList<QByteArray> treated = frames(task.outputFile);
    QVERIFY(treated.size() > 40);
    QCOMPARE(treated, frames(plain));
}

void TestMediaTreatment::sound_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("heard");   // Hz
    QTest::addColumn<int>("unheard"); // Hz
    for (const QString output : {"mp4", "wmv"}) {
        const QByteArray kind = output.toLatin1();
        QTest::addRow("the track flagged default, %s", kind.data())
            << "flagged.mkv" << output << "en_GB" << int(AutomaticTrack) << 1000 << 440;
        QTest::addRow("no flag: a German person's, %s", kind.data())
            << "unflagged.mkv" << output << "de_DE" << int(AutomaticTrack) << 1000 << 440;
        QTest::addRow("no flag: an English person's, %s", kind.data())
            << "unflagged.mkv" << output << "en_GB" << int(AutomaticTrack) << 440 << 1000;
        QTest::addRow("the row menu's choice over the flag, %s", kind.data())
            << "flagged.mkv" << output << "de_DE" << 0 << 440 << 1000;
        QTest::addRow("5.1 mixed down, the centre's dialogue kept, %s", kind.data())
            << "surround.mkv" << output << "en_GB" << int(AutomaticTrack) << 1000 << 440;
    }
}

void TestMediaTreatment::sound()
{
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(QString, locale);
    QFETCH(int, choice);
    QFETCH(int, heard);
    QFETCH(int, unheard);
    QLocale::setDefault(QLocale(locale));
    const ConversionTask task = convert(source, output == u"wmv" ? output : u"phones"_qs, choice);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    const MediaInfo info = ProbeMedia(task.outputFile);
    QCOMPARE(info.audio.channels, 2);
    const double loud = ToneLevel(task.outputFile, heard);
    const double quiet = ToneLevel(task.outputFile, unheard);
    QVERIFY2(loud > quiet + 10.0,
             qPrintable(QStringLiteral("%1 dB against %2 dB").arg(loud).arg(quiet)));
    QVERIFY2(task.treatmentSummary.contains(u"sound track"), qPrintable(task.treatmentSummary));
}

void TestMediaTreatment::subtitles_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("burned");
    for (const QString output : {"phones", "letterbox", "wmv"}) {
        const QByteArray kind = output.toLatin1();
        QTest::addRow("forced text subtitles, %s", kind.data())
            << "forced subtitles.mkv" << output << int(AutomaticTrack) << true;
        QTest::addRow("forced picture subtitles, %s", kind.data())
            << "picture subtitles.mkv" << output << int(AutomaticTrack) << true;
    }
    QTest::addRow("None in the row menu, phones") << "forced subtitles.mkv"
                                                  << "phones" << int(NoTrack) << false;
    QTest::addRow("None in the row menu, wmv") << "forced subtitles.mkv"
                                               << "wmv" << int(NoTrack) << false;
}

void TestMediaTreatment::subtitles()
{
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(int, choice);
    QFETCH(bool, burned);
    const ConversionTask task = convert(source, output, AutomaticTrack, choice);
    QVERIFY2(IsConverted(task), qPrintable(task.failureReason));
    QCOMPARE(task.treatmentSummary.contains(u"burned in"), burned);
    // The 16:9 picture fills a phone's frame; in a 4:3 frame of 320x240 it has bars 30 lines high
    // above and below. White lines show over the gray picture, never on the bars.
    const bool bars = output != u"phones";
    const QString picture = bars ? u"crop=iw:180:0:30"_qs : QString();
    const double brightest = PictureStatistic(task.outputFile, 1.0, "YMAX", picture);
    QVERIFY2(burned ? brightest > 200 : brightest < 160, qPrintable(QString::number(brightest)));
    if (bars) {
        for (const QString bar : {"crop=iw:28:0:0", "crop=iw:28:0:212"})
            QVERIFY(PictureStatistic(task.outputFile, 1.0, "YMAX", bar) < 40);
    }
}

QTEST_MAIN(TestMediaTreatment)
#include "tst_mediatreatment.moc"
