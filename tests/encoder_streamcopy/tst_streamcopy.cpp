#include "ProgramDir.h"
#include "CommandLine.h"
#include "EncoderOutputParser.h"
#include "MediaFixtures.h"
#include "MediaProbe.h"
#include "OutputVerifier.h"
#include "SourceFacts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// Phone-like clips through the shipped profiles and the real encoder: what fits is copied
// packet for packet and still shows as the source does; what does not is encoded as before.
class tst_StreamCopy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void profileRun_data();
    void profileRun();

private:
    QString source(const QString &name, const QString &size, const QString &options);

    QTemporaryDir m_work;
    QString m_encoder;
};

namespace {

/// The picture shown at seconds, shrunk to 64 x 64 grey pixels.
QByteArray Shown(const QString &path, double seconds)
{
    return GreyThumbnail(path, seconds, QSize(64, 64));
}

constexpr double ClipSeconds = 3.0;

QString Run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll());
}

} // namespace

void tst_StreamCopy::initTestCase()
{
    QVERIFY(m_work.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    m_encoder = AppDir() + u"/tavenc"_qs;
    QVERIFY(QFileInfo(m_encoder).isExecutable());
}

/// A clip as a phone makes it: H.264 High with a key frame each second, AAC-LC at 128 kbit/s.
QString tst_StreamCopy::source(const QString &name, const QString &size, const QString &options)
{
    const QString path = m_work.filePath(name);
    if (QFileInfo::exists(path))
        return path;
    const QString made = m_work.filePath(u"made-"_qs + name);
    // (testsrc: testsrc2's sharp motion at 25 frames a second looks combed to idet, and a
    // picture found interlaced is deinterlaced, not copied.)
    const QString encoding
        = QStringLiteral("-f lavfi -i testsrc=size=%1:rate=25 -f lavfi -i "
                         "sine=frequency=440:sample_rate=48000 -t %2 -c:v libx264 -preset veryfast "
                         "-profile:v high -g 25 -sc_threshold 0 -b:v 2M -maxrate 2M -bufsize 4M "
                         "-pix_fmt yuv420p -c:a aac -b:a 128k -ac 2 %3")
              .arg(size)
              .arg(ClipSeconds)
              .arg(options);
    QString log;
    const bool ok = MediaFixtures::RunFfmpeg(
        encoding.split(u' ', Qt::SkipEmptyParts) + QStringList{made}, &log);
    // FFmpeg 5.1 turns a picture only by a tag written while copying.
    const QStringList retag
        = name.startsWith(u"rotated") ? QStringList{"-metadata:s:v:0", "rotate=90"} : QStringList{};
    if (!ok
        || !MediaFixtures::RunFfmpeg(
            QStringList{"-i", made, "-c", "copy"} + retag + QStringList{path}, &log)) {
        qWarning("%s", qPrintable(log));
        return {};
    }
    return path;
}

void tst_StreamCopy::profileRun_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("profile");
    QTest::addColumn<double>("start");
    QTest::addColumn<QString>("line"); ///< how the encoder's first line begins
    QTest::addColumn<bool>("soundCopied");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<int>("channels");

    const QString copied = u"video copied: H.264 High"_qs;
    // clang-format off
    QTest::newRow("720p with AAC stereo: both copied") << "phone.mp4" << "1280x720" << ""
        << 4 << 0.0 << copied << true << QSize(1280, 720) << 2;
    QTest::newRow("Matroska states no bit rates: measured, copied") << "phone.mkv" << "1280x720"
        << "" << 4 << 0.0 << copied << true << QSize(1280, 720) << 2;
    QTest::newRow("turned a quarter: copied, shows upright") << "rotated.mp4" << "320x180" << ""
        << 4 << 0.0 << copied << true << QSize(180, 320) << 2;
    QTest::newRow("5.1 AAC: picture copied, sound encoded to stereo") << "surround.mp4"
        << "1280x720" << "-ac 6" << 4 << 0.0 << copied << false << QSize(1280, 720) << 2;
    QTest::newRow("trimmed on a key frame: copied from it") << "phone.mp4" << "1280x720" << ""
        << 4 << 2.0 << copied << true << QSize(1280, 720) << 2;
    QTest::newRow("trimmed off a key frame: encoded from its time") << "phone.mp4" << "1280x720"
        << "" << 4 << 1.48 << "encoding: the start at 1.480 s is not on a key frame" << false
        << QSize(1280, 720) << 2;
    QTest::newRow("1080p for phones: encoded to 720p") << "tv.mp4" << "1920x1080" << "" << 4
        << 0.0 << "encoding: 1920x1080 is larger than 1280x720" << false << QSize(1280, 720) << 2;
    QTest::newRow("1080p for TVs: copied") << "tv.mp4" << "1920x1080" << "" << 5 << 0.0 << copied
        << true << QSize(1920, 1080) << 2;
    // clang-format on
}

void tst_StreamCopy::profileRun()
{
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, options);
    QFETCH(int, profile);
    QFETCH(double, start);
    QFETCH(QString, line);
    QFETCH(bool, soundCopied);
    QFETCH(QSize, shown);
    QFETCH(int, channels);
    const QString clip = source(name, size, options);
    QVERIFY(!clip.isEmpty());

    ConversionTask task = NewConversionTask(clip, ClipSeconds, 0, 0);
    task.mpeg4Profile = profile;
    task.trimStart = start;
    task.trimEnd = start == 0.0 ? ClipSeconds : start + 1.0;
    const QString output
        = m_work.filePath(QStringLiteral("out-%1.mp4").arg(QTest::currentDataTag()));
    const QStringList command
        = SplitCommandLine(BuildCommandLine(ProfileFile(ProfileFile::DefaultPath()), task, output));
    int exitCode = -1;
    const QString log = Run(m_encoder, command.mid(1), &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(log.right(2000)));

    // The decision is the first line, whole in the first chunk the program reads.
    QVERIFY2(log.startsWith(line), qPrintable(log.section(u'\n', 0, 0)));
    const bool videoCopied = line.startsWith(u"video copied:");
    QCOMPARE(ReportsVideoCopy(log.toLocal8Bit().left(255)), videoCopied);
    QCOMPARE(log.section(u'\n', 0, 0).contains(u"sound copied:"), soundCopied);

    // The same guarantees as any run: the output check passes on the part's length; it plays.
    const OutputVerdict verdict = VerifyOutputFile(output, {true, true, task.trimEnd - start});
    QVERIFY2(verdict.ok, qPrintable(verdict.reason));
    QString errors;
    QVERIFY2(DecodesCleanly(output, &errors), qPrintable(errors));

    const SourceFacts before = ReadSourceFacts(clip);
    const SourceFacts after = ReadSourceFacts(output);
    QVERIFY(after.ok && after.video.present && !after.audio.isEmpty());
    QCOMPARE(QSize(after.video.displayWidth(), after.video.displayHeight()), shown);
    QCOMPARE(after.audio.first().channels, channels);
    QCOMPARE(after.audio.first().codec, u"aac"_qs);

    // The first picture shown is the source's at the start: the same pixels when copied (turned
    // as the source is), the nearest an encoder gets when not, and not the key frame before it.
    const QByteArray first = Shown(output, 0.0);
    const double same = ThumbnailDifference(first, Shown(clip, start));
    if (videoCopied) {
        QCOMPARE(same, 0.0);
        QCOMPARE(after.video.rotation, before.video.rotation);
    } else {
        const double keyFrame = ThumbnailDifference(first, Shown(clip, std::floor(start)));
        QVERIFY2(same < 3.0 && (start == std::floor(start) || same < keyFrame / 3.0),
                 qPrintable(QStringLiteral("%1 against the start, %2 against the key frame")
                                .arg(same)
                                .arg(keyFrame)));
    }
    if (videoCopied && start == 0.0)
        QCOMPARE(PacketHashes(output, u"v"_qs), PacketHashes(clip, u"v"_qs));
    if (soundCopied && start == 0.0) {
        // The part's length (-t) may end the sound one packet before the source's last.
        const QStringList sound = PacketHashes(output, u"a"_qs);
        const QStringList original = PacketHashes(clip, u"a"_qs);
        QVERIFY2(sound.size() >= original.size() - 1, qPrintable(QString::number(sound.size())));
        QCOMPARE(sound, original.first(sound.size()));
    }
}

QTEST_GUILESS_MAIN(tst_StreamCopy)
#include "tst_streamcopy.moc"
