#include "CommandLine.h"
#include "MediaProbe.h"
#include "ProgramDir.h"
#include "SettingTables.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// The encoder program itself: every item of every setting combo through the profile-0 template,
// converted for real and looked at with ffprobe; pass-through of unknown options; what happens
// without ffmpeg.
class tst_EncoderProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySettingItem_data();
    void everySettingItem();
    void unknownOptionPassesThrough();
    void failureIsFfmpegsExitStatus();
    void missingFfmpegIsReported();

private:
    struct Result
    {
        int exitCode = -1;
        QString output;
    };
    Result runEncoder(const QStringList &arguments,
                      const QProcessEnvironment &environment
                      = QProcessEnvironment::systemEnvironment()) const;

    QTemporaryDir m_work;
    QString m_clip;
    QString m_encoder;
    double m_referenceVolume = 0.0; ///< mean volume of a conversion at 100 %, dB
};

namespace {

/// Long enough for the rate control to settle near its target.
constexpr double ClipSeconds = 4.0;

QString RowName(const SettingTable &table, int item)
{
    return table.label + u": "_qs + table.items.at(item).itemText.simplified();
}

int ExpectedSampleRate(int requested)
{
    // The player plays AAC up to 48000 Hz; the table's 54000 and 96000 come out as 48000.
    return requested > 48000 ? 48000 : requested;
}

bool Within(double value, double target, double tolerance)
{
    return std::abs(value - target) <= target * tolerance;
}

} // namespace

void tst_EncoderProgram::initTestCase()
{
    QVERIFY(m_work.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    m_encoder = AppDir() + u"/tavenc"_qs;
    QVERIFY2(QFileInfo(m_encoder).isExecutable(), qPrintable(m_encoder));
    m_clip = m_work.filePath(u"clip.avi"_qs);
    const QString error = GenerateClip(m_clip, ClipSeconds, QSize(640, 480));
    QVERIFY2(error.isEmpty(), qPrintable(error));

    // The level of a conversion at 100 %: AAC's low-pass takes some of the noise away, so volume
    // changes are measured against this rather than against the clip.
    const QString reference = m_work.filePath(u"reference.mp4"_qs);
    const QStringList command
        = SplitCommandLine(BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()),
                                            NewConversionTask(m_clip, ClipSeconds, 0, 0),
                                            reference));
    const Result run = runEncoder(command.mid(1));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output.right(2000)));
    m_referenceVolume = MeanVolume(reference);
    QVERIFY(!std::isnan(m_referenceVolume));
}

tst_EncoderProgram::Result tst_EncoderProgram::runEncoder(
    const QStringList &arguments, const QProcessEnvironment &environment) const
{
    QProcess encoder;
    encoder.setProcessEnvironment(environment);
    encoder.setWorkingDirectory(AppDir());
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.start(m_encoder, arguments);
    Result result;
    if (!encoder.waitForStarted(30000) || !encoder.waitForFinished(300000))
        return result;
    result.exitCode = encoder.exitStatus() == QProcess::NormalExit ? encoder.exitCode() : -1;
    result.output = QString::fromLocal8Bit(encoder.readAll());
    return result;
}

void tst_EncoderProgram::everySettingItem_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("item");
    QTest::newRow("all at their defaults") << 0 << SettingTables().at(0).defaultIndex;
    const QList<SettingTable> &tables = SettingTables();
    for (int t = 0; t < tables.size(); ++t) {
        for (int i = 0; i < tables.at(t).items.size(); ++i) {
            if (i != tables.at(t).defaultIndex)
                QTest::newRow(qPrintable(RowName(tables.at(t), i))) << t << i;
        }
    }
}

void tst_EncoderProgram::everySettingItem()
{
    QFETCH(int, table);
    QFETCH(int, item);

    ConversionTask task = NewConversionTask(m_clip, ClipSeconds, 0, 0);
    task.*(SettingTables().at(table).field) = item;
    const QString output
        = m_work.filePath(QStringLiteral("setting-%1-%2.mp4").arg(table).arg(item));
    QFile::remove(output);
    const QStringList command
        = SplitCommandLine(BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), task, output));
    QCOMPARE(command.value(0), u"tavenc"_qs);

    const Result run = runEncoder(command.mid(1));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output.right(2000)));

    // What the task's settings ask for, from the tables' own texts.
    auto text = [&](int t) {
        const SettingTable &setting = SettingTables().at(t);
        return setting.items.at(task.*(setting.field)).replacement;
    };
    const bool avc = task.videoType == 1;
    const QStringList size = text(1).split(u'x');
    const int videoKbps = text(3).toInt();
    const QString aspect = text(4);
    const int channels = text(5).toInt();
    const int audioKbps = text(6).toInt();
    const int sampleRate = text(7).section(u' ', 1).toInt();
    const double volume = text(8).toInt() / 256.0;

    const MediaInfo info = ProbeMedia(output);
    QVERIFY(info.ok);
    QVERIFY(info.hasVideo && info.hasAudio);
    QVERIFY2(std::abs(info.duration - ClipSeconds) < 0.2,
             qPrintable(QString::number(info.duration)));
    QCOMPARE(info.tags.value(u"title"_qs), task.title);
    QVERIFY(IndexAtFront(output));

    const StreamInfo &video = info.video;
    QCOMPARE(video.codec, avc ? u"h264"_qs : u"mpeg4"_qs);
    if (avc)
        QVERIFY2(video.profile.contains(u"Baseline"_qs), qPrintable(video.profile));
    else
        QCOMPARE(video.profile, u"Simple Profile"_qs);
    QCOMPARE(video.bFrames, 0);
    QCOMPARE(video.width, size.at(0).toInt());
    QCOMPARE(video.height, size.at(1).toInt());
    QVERIFY2(std::abs(video.frameRate - 29.97) < 0.01,
             qPrintable(QString::number(video.frameRate)));
    QCOMPARE(video.displayAspect, aspect);
    if (avc) {
        // Level 1.3 at least; more when the picture or the bit rate needs it.
        const int needed = video.width > 352 ? 30 : (videoKbps > 768 ? 20 : 13);
        QVERIFY2(video.level >= needed, qPrintable(QString::number(video.level)));
    }
    // Short clips leave the rate control little room, MPEG-4's less than x264's.
    QVERIFY2(Within(video.bitRate / 1000.0, videoKbps, avc ? 0.25 : 0.35),
             qPrintable(QStringLiteral("%1 kbps for %2").arg(video.bitRate / 1000).arg(videoKbps)));

    const StreamInfo &audio = info.audio;
    QCOMPARE(audio.codec, u"aac"_qs);
    QCOMPARE(audio.profile, u"LC"_qs);
    QCOMPARE(audio.channels, channels);
    QCOMPARE(audio.sampleRate, ExpectedSampleRate(sampleRate));
    if (audio.sampleRate == 48000 && channels == 2) {
        // The AAC encoder tops out near 250 kbps for 48 kHz stereo.
        const double target = std::min(audioKbps, 250);
        QVERIFY2(
            Within(audio.bitRate / 1000.0, target, 0.3),
            qPrintable(QStringLiteral("%1 kbps for %2").arg(audio.bitRate / 1000).arg(audioKbps)));
    }
    if (table == 8 || (table == 0 && item == 1)) {
        // 256 per 100 %: the mean level moves by 20 log10(volume) dB.
        const double change = MeanVolume(output) - m_referenceVolume;
        const double expected = 20 * std::log10(volume);
        QVERIFY2(std::abs(change - expected) < 1.5,
                 qPrintable(QStringLiteral("%1 dB for %2 dB").arg(change).arg(expected)));
    }
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));
    QFile::remove(output);
}

void tst_EncoderProgram::unknownOptionPassesThrough()
{
    const QString output = m_work.filePath(u"language.mp4"_qs);
    const Result run = runEncoder({u"-n"_qs,
                                   u"-i"_qs,
                                   m_clip,
                                   u"-t"_qs,
                                   u"1"_qs,
                                   u"-vcodec"_qs,
                                   u"xvid"_qs,
                                   u"-s"_qs,
                                   u"320x240"_qs,
                                   u"-metadata:s:a:0"_qs,
                                   u"language=swe"_qs,
                                   output});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output.right(2000)));
    const MediaInfo info = ProbeMedia(output);
    QCOMPARE(info.audio.tags.value(u"language"_qs), u"swe"_qs);
    QCOMPARE(info.video.codec, u"mpeg4"_qs);
}

void tst_EncoderProgram::failureIsFfmpegsExitStatus()
{
    const QString missing = m_work.filePath(u"no-such-clip.avi"_qs);
    const Result run = runEncoder({u"-n"_qs, u"-i"_qs, missing, m_work.filePath(u"x.mp4"_qs)});
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.output.contains(u"No such file or directory"_qs), qPrintable(run.output));

    // -n: a file that exists is never overwritten, and that is a failure too.
    const QString taken = m_work.filePath(u"taken.mp4"_qs);
    QFile file(taken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    const Result again = runEncoder({u"-n"_qs, u"-i"_qs, m_clip, taken});
    QVERIFY(again.exitCode > 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void tst_EncoderProgram::missingFfmpegIsReported()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PATH"_qs, m_work.filePath(u"empty"_qs));
    const Result run = runEncoder({u"-i"_qs, m_clip, m_work.filePath(u"y.mp4"_qs)}, environment);
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.output.contains(u"ffmpeg"_qs), qPrintable(run.output));
    QVERIFY(!QFile::exists(m_work.filePath(u"y.mp4"_qs)));
}

QTEST_GUILESS_MAIN(tst_EncoderProgram)
#include "tst_encoderprogram.moc"
