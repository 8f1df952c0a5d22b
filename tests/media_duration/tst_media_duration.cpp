#include "MediaFixtures.h"

#include "CVideoEdit.h"
#include "CodecCatalog.h"
#include "FfmpegConverter.h"
#include "ProgramDir.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace MediaFixtures;

class TestMediaDuration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void durationOfEverySourceType_data();
    void durationOfEverySourceType();
    void unreadableFilesGiveZero_data();
    void unreadableFilesGiveZero();
    void codecListsNameInstalledEncoders();
    void codecNamesCarryTheSearchedTexts();
    void wmvProfilesComeFromTheShippedFile();

private:
    QTemporaryDir m_dir;
};

void TestMediaDuration::initTestCase()
{
    QVERIFY(m_dir.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QLatin1Char('/');
}

void TestMediaDuration::durationOfEverySourceType_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<double>("seconds");
    for (const SourceKind &kind : SourceKinds()) {
        QTest::addRow("%s, 2 s", kind.extension) << QString::fromLatin1(kind.extension) << 2.0;
    }
    QTest::addRow("rm, 3.5 s") << QStringLiteral("rm") << 3.5;
    QTest::addRow("mpg, 3.5 s (no length in the header)") << QStringLiteral("mpg") << 3.5;
}

void TestMediaDuration::durationOfEverySourceType()
{
    QFETCH(QString, extension);
    QFETCH(double, seconds);
    const QString path = m_dir.filePath(QStringLiteral("clip_%1_%2.%3")
                                            .arg(QTest::currentDataTag())
                                            .arg(seconds)
                                            .arg(extension)
                                            .replace(QLatin1Char(' '), QLatin1Char('_'))
                                            .remove(QLatin1Char(',')));
    QString log;
    QVERIFY2(MakeSource(path, seconds, QStringLiteral("160x120"), &log), qPrintable(log));

    CVideoEdit media;
    const double duration = media.GetMediaDuration(path);
    // Containers round their lengths to their own clocks (RealMedia to milliseconds, MPEG to
    // whole audio frames): a tenth of a second either way is the same clip.
    QVERIFY2(qAbs(duration - seconds) < 0.15,
             qPrintable(QStringLiteral("got %1 s for %2 s").arg(duration).arg(seconds)));
    const ProbeResult probe = Probe(path);
    QVERIFY(probe.ok);
    QVERIFY2(
        qAbs(duration - probe.duration) < 0.15,
        qPrintable(QStringLiteral("got %1 s, ffprobe %2 s").arg(duration).arg(probe.duration)));
}

void TestMediaDuration::unreadableFilesGiveZero_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addRow("missing file") << "missing.avi" << QByteArray() << false;
    QTest::addRow("empty file") << "empty.rm" << QByteArray() << true;
    QTest::addRow("text named like a video")
        << "notes.avi" << QByteArray("just some words, not a film\n") << true;
    QTest::addRow("header cut short")
        << "short.wmv" << QByteArray::fromHex("3026b2758e66cf11a6d900aa0062") << true;
    QTest::addRow("folder") << "folder.mpg" << QByteArray() << false;
    // Untrusted files: opening a FIFO blocks for good, a playlist makes FFmpeg read what it names.
    QTest::addRow("a FIFO named like a video") << "fifo.avi" << QByteArray() << false;
    QTest::addRow("a concat playlist naming a FIFO")
        << "concat.avi" << QByteArray("ffconcat version 1.0\nfile 'fifo.avi'\n") << true;
    QTest::addRow("an HLS playlist naming a local file")
        << "hls.avi"
        << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\n/etc/hostname\n"
                      "#EXT-X-ENDLIST\n")
        << true;
    QTest::addRow("empty path") << "" << QByteArray() << false;
}

void TestMediaDuration::unreadableFilesGiveZero()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QString path = name.isEmpty() ? QString() : m_dir.filePath(name);
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    if (name == QLatin1String("folder.mpg"))
        QVERIFY(QDir(m_dir.path()).mkdir(name));
    if (!QFileInfo::exists(m_dir.filePath("fifo.avi")))
        QVERIFY(::mkfifo(QFile::encodeName(m_dir.filePath("fifo.avi")).constData(), 0600) == 0);
    CVideoEdit media;
    QCOMPARE(media.GetMediaDuration(path), 0.0);
}

void TestMediaDuration::codecListsNameInstalledEncoders()
{
    const QStringList installed = FfmpegEncoders();
    QVERIFY(installed.contains(QStringLiteral("mpeg4")));

    const auto check = [&](const QList<CodecEntry> &candidates, const MediaItemList &listed) {
        QStringList expected;
        for (const CodecEntry &entry : candidates) {
            if (installed.contains(entry.encoder))
                expected << entry.name;
        }
        QCOMPARE(listed.names(), expected);
    };
    FfmpegConverter converter;
    check(CandidateVideoCodecs(), converter.VideoCodecList());
    check(CandidateAudioCodecs(), converter.AudioCodecList());
}

void TestMediaDuration::codecNamesCarryTheSearchedTexts()
{
    // Each searched text names exactly its own encoder, so that the search finds that one.
    const QList<std::pair<QString, QString>> wanted{
        {QStringLiteral("Microsoft MPEG-4 Video Codec V3"), QStringLiteral("msmpeg4")},
        {QStringLiteral("DivX"), QStringLiteral("mpeg4")},
        {QStringLiteral("MPEG Layer-3"), QStringLiteral("libmp3lame")},
        {QStringLiteral("PCM"), QStringLiteral("pcm_s16le")},
    };
    const QList<CodecEntry> all = CandidateVideoCodecs() + CandidateAudioCodecs();
    for (const auto &[text, encoder] : wanted) {
        QStringList holders;
        for (const CodecEntry &entry : all) {
            if (entry.name.contains(text))
                holders << entry.encoder;
        }
        QCOMPARE(holders, QStringList{encoder});
    }
}

void TestMediaDuration::wmvProfilesComeFromTheShippedFile()
{
    CVideoEdit media;
    const MediaItemList profiles = media.WmvProfileList();
    QVERIFY(profiles.Count() >= 3);
    for (int i = 0; i < profiles.Count(); ++i) {
        QVERIFY(profiles.ItemName(i).contains(QStringLiteral("320x240")));
        QVERIFY(profiles.ItemName(i).startsWith(QStringLiteral("WMV 7"))
                || profiles.ItemName(i).startsWith(QStringLiteral("WMV 8")));
    }
    QVERIFY(profiles.ItemName(profiles.Count()).isEmpty());
    QVERIFY(profiles.ItemName(-1).isEmpty());
}

QTEST_MAIN(TestMediaDuration)
#include "tst_media_duration.moc"
