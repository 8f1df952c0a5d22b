#include "EncoderTreatment.h"
#include "TreatmentFilters.h"

#include <QTest>

// The encoder's own part of a treatment: reading the command (its range, its frame), the
// choices of its variables, and the options it writes before the output file.
class TestEncoderTreatment : public QObject
{
    Q_OBJECT

private slots:
    void applied_data();
    void applied();
    void frameHeight_data();
    void frameHeight();
    void commandReading();
};

namespace {

QStringList Words(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

} // namespace

void TestEncoderTreatment::applied_data()
{
    QTest::addColumn<QString>("translated");
    QTest::addColumn<bool>("mix");
    QTest::addColumn<QString>("expected"); // MIX stands for the stereo mix's filter

    QTest::newRow("the fit chain becomes the picture's, the sound is mapped")
        << "-hide_banner -i in.mkv -vf FIT -c:v libx264 out.mp4" << false
        << "-hide_banner -i in.mkv -c:v libx264 -map 0:0 -vf FIT -map 0:a:1? out.mp4";
    QTest::newRow("the mix runs before the command's volume")
        << "-i in.mkv -c:a aac -af volume=0.5 out.mp4" << true
        << "-i in.mkv -c:a aac -map 0:0 -map 0:a:1? -af MIX,volume=0.5 out.mp4";
    QTest::newRow("-vn: no picture")
        << "-i in.mkv -vn out.m4a" << true << "-i in.mkv -vn -map 0:a:1? -af MIX out.m4a";
    QTest::newRow("-an: no sound")
        << "-i in.mkv -an -vf FIT out.mp4" << true << "-i in.mkv -an -map 0:0 -vf FIT out.mp4";
    QTest::newRow("no output file: unchanged")
        << "-i in.mkv -vf FIT" << true << "-i in.mkv -vf FIT";
}

void TestEncoderTreatment::applied()
{
    QFETCH(QString, translated);
    QFETCH(bool, mix);
    QFETCH(QString, expected);
    SourceTreatment treatment;
    treatment.videoStream = 0;
    treatment.soundTrack = 1;
    treatment.mixToStereo = mix;
    QCOMPARE(ApplyTreatment(Words(translated), treatment, u"/films/in.mkv"_qs, 0.0),
             Words(expected.replace(u"MIX"_qs, SoundMixFilter(treatment))));
}

void TestEncoderTreatment::frameHeight_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QSize>("coded");
    QTest::addColumn<int>("sarNum");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<int>("height");
    QTest::newRow("a fixed frame") << "-i a -s 320x240 b" << QSize(1920, 1080) << 1 << 0 << 240;
    QTest::newRow("PAL 16:9 within 1920x1080: never enlarged")
        << "-i a -fit 1920x1080 b" << QSize(720, 576) << 64 << 0 << 576;
    QTest::newRow("1080p within 1280x720")
        << "-i a -fit 1280x720 b" << QSize(1920, 1080) << 1 << 0 << 720;
    QTest::newRow("an upright phone clip within 1280x720")
        << "-i a -fit 1280x720 b" << QSize(1920, 1080) << 1 << 90 << 720;
    QTest::newRow("no frame: the picture's own") << "-i a b" << QSize(720, 480) << 1 << 0 << 480;
}

void TestEncoderTreatment::frameHeight()
{
    QFETCH(QString, arguments);
    QFETCH(QSize, coded);
    QFETCH(int, sarNum);
    QFETCH(int, rotation);
    VideoFacts video;
    video.width = coded.width();
    video.height = coded.height();
    video.sarNum = sarNum;
    video.sarDen = sarNum == 64 ? 45 : 1;
    video.rotation = rotation;
    QTEST(OutputFrameHeight(Words(arguments), video), "height");
}

void TestEncoderTreatment::commandReading()
{
    const InputRange range = InputRangeOf(Words("-n -ss 00:01:05.500 -t 30 -i a -t 5 b"));
    QCOMPARE(range.start, 65.5);
    QCOMPARE(range.length, 30.0); // the output's -t is not the input's
    QCOMPARE(ParseFfmpegTime(u"1:2:3:4"_qs), std::nullopt);
    QCOMPARE(TrackChoicesFrom(u"1"_qs, u"none"_qs, u"de_DE"_qs),
             (TrackChoices{1, NoTrack, QLocale::German}));
}

QTEST_APPLESS_MAIN(TestEncoderTreatment)
#include "tst_encodertreatment.moc"
