#include "MediaFixtures.h"
#include "SourceFacts.h"

#include <QTemporaryDir>
#include <QTest>

// The facts are read from real files that ffmpeg makes: each row builds one source whose streams
// say something the converter decides by.
class TestSourceFacts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void facts_data();
    void facts();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
};

void TestSourceFacts::facts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("retag"); // a second pass that copies the streams, re-tagged
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("displayWidth");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QString>("pixelFormat");
    QTest::addColumn<QString>("fieldOrder");
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QString>("languages");

    // clang-format off
    // FFmpeg 5.1's muxer stores "rotate=90" as a matrix that its decoder undoes by turning the
    // picture a quarter counter-clockwise: 270 degrees clockwise.
    QTest::newRow("phone clip turned a quarter") << "rotated.mp4"
        << "-c:v libx264 -pix_fmt yuv420p -c:a aac" << "-metadata:s:v:0 rotate=90"
        << "h264" << "High" << 120 << 270 << "yuv420p" << "progressive" << "" << "";
    QTest::newRow("interlaced top field first") << "interlaced.mts"
        << "-vf setfield=tff -c:v mpeg2video -flags +ilme+ildct -top 1 -c:a ac3 -f mpegts" << ""
        << "mpeg2video" << "Main" << 160 << 0 << "yuv420p" << "tt" << "" << "";
    QTest::newRow("ten-bit HLG HEVC") << "hlg.mkv"
        << "-c:v libx265 -pix_fmt yuv420p10le -color_trc arib-std-b67 -color_primaries bt2020 "
           "-colorspace bt2020nc -x265-params log-level=none -c:a aac" << ""
        << "hevc" << "Main 10" << 160 << 0 << "yuv420p10le" << "progressive" << "arib-std-b67"
        << "";
    QTest::newRow("two languages, the second flagged default") << "languages.mkv"
        << "-map 0:v -map 1:a -map 1:a -c:v libx264 -pix_fmt yuv420p -c:a aac "
           "-metadata:s:a:0 language=deu -metadata:s:a:1 language=eng -disposition:a:1 default"
        << "" << "h264" << "High" << 160 << 0 << "yuv420p" << "progressive" << "" << "deu,eng*";
    // clang-format on
}

void TestSourceFacts::facts()
{
    QFETCH(QString, name);
    QFETCH(QString, options);
    QFETCH(QString, retag);
    QString path = m_dir.filePath(name);
    QString log;
    QVERIFY2(MediaFixtures::RunFfmpeg(QStringList{"-f",
                                                  "lavfi",
                                                  "-i",
                                                  "testsrc=size=160x120:rate=25",
                                                  "-f",
                                                  "lavfi",
                                                  "-i",
                                                  "sine=frequency=440:sample_rate=48000",
                                                  "-t",
                                                  "1"}
                                          + options.split(u' ') + QStringList{path},
                                      &log),
             qPrintable(log));
    if (!retag.isEmpty()) {
        const QString tagged = m_dir.filePath(u"tagged-"_qs + name);
        QVERIFY2(MediaFixtures::RunFfmpeg(QStringList{"-i", path, "-c", "copy"} + retag.split(u' ')
                                              + QStringList{tagged},
                                          &log),
                 qPrintable(log));
        path = tagged;
    }

    const SourceFacts facts = ReadSourceFacts(path);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QVERIFY(facts.duration > 0.5);
    QVERIFY(facts.video.present);
    QTEST(facts.video.codec, "codec");
    QTEST(facts.video.profile, "profile");
    QTEST(facts.video.displayWidth(), "displayWidth");
    QTEST(facts.video.rotation, "rotation");
    QTEST(facts.video.pixelFormat, "pixelFormat");
    QCOMPARE(facts.video.chroma420, true);
    QVERIFY(facts.video.fps > 24.0 && facts.video.fps < 26.0);
    QTEST(facts.video.colorTransfer, "transfer");

    QFETCH(QString, fieldOrder);
    // Not every muxer stores the field order; where it does, it must be read.
    if (fieldOrder != QLatin1String("progressive") || !facts.video.fieldOrder.isEmpty())
        QCOMPARE(facts.video.fieldOrder, fieldOrder);

    QStringList found;
    for (const AudioTrackFacts &track : facts.audio) {
        QCOMPARE(track.codec.isEmpty(), false);
        QCOMPARE(track.trackIndex, int(found.size()));
        found << track.language + (track.isDefault && facts.audio.size() > 1 ? "*" : "");
    }
    QFETCH(QString, languages);
    if (!languages.isEmpty())
        QCOMPARE(found.join(u','), languages);
}

void TestSourceFacts::unreadableFile()
{
    const QString path = m_dir.filePath(QStringLiteral("not-a-video.avi"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a video");
    file.close();
    const SourceFacts facts = ReadSourceFacts(path);
    QVERIFY(!facts.ok);
    QVERIFY(!facts.error.isEmpty());
    QVERIFY(!facts.video.present);
}

QTEST_GUILESS_MAIN(TestSourceFacts)
#include "tst_sourcefacts.moc"
