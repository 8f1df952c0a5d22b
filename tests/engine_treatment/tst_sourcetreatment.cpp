#include "InterlaceDetection.h"
#include "SourceTreatment.h"
#include "TreatmentReport.h"

#include <QTest>

// The decisions of SourceTreatment from made-up facts, idet's verdict and the decision lines the
// log and the summary are made of.
class TestSourceTreatment : public QObject
{
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void idetVerdict_data();
    void idetVerdict();
    void decisionLines();
};

namespace {

/// Facts from a short description: "WxH field trc matrix" for the picture ("-" for an empty
/// value), then "|" and the sound tracks "language:channels[:default]", then "|" and the
/// subtitle tracks "language:text|pictures[:forced][:default]", each list split by ",".
SourceFacts Facts(const QString &description)
{
    const QStringList parts = description.split(u'|');
    SourceFacts facts;
    facts.ok = true;
    facts.duration = 60.0;
    const QStringList video = parts.value(0).split(u' ');
    const QStringList size = video.value(0).split(u'x');
    auto value = [](const QString &text) {
        return text == u"-" ? QString() : text;
    };
    facts.video.present = true;
    facts.video.streamIndex = 0;
    facts.video.width = size.value(0).toInt();
    facts.video.height = size.value(1).toInt();
    facts.video.fieldOrder = value(video.value(1));
    facts.video.colorTransfer = value(video.value(2));
    facts.video.colorSpace = value(video.value(3));
    int stream = 1;
    for (const QString &item : parts.value(1).split(u',', Qt::SkipEmptyParts)) {
        const QStringList fields = item.split(u':');
        AudioTrackFacts track;
        track.streamIndex = stream++;
        track.trackIndex = int(facts.audio.size());
        track.language = fields.value(0);
        track.channels = fields.value(1).toInt();
        track.isDefault = fields.contains(u"default"_qs);
        facts.audio << track;
    }
    for (const QString &item : parts.value(2).split(u',', Qt::SkipEmptyParts)) {
        const QStringList fields = item.split(u':');
        SubtitleTrackFacts track;
        track.streamIndex = stream++;
        track.trackIndex = int(facts.subtitles.size());
        track.language = fields.value(0);
        track.text = fields.value(1) == u"text";
        track.forced = fields.contains(u"forced"_qs);
        track.isDefault = fields.contains(u"default"_qs);
        facts.subtitles << track;
    }
    return facts;
}

} // namespace

void TestSourceTreatment::plan_data()
{
    QTest::addColumn<QString>("facts");
    QTest::addColumn<int>("detected"); // Interlacing
    QTest::addColumn<int>("sound");    // the choices
    QTest::addColumn<int>("subtitles");
    QTest::addColumn<int>("outputHeight");
    QTest::addColumn<int>("soundTrack");
    QTest::addColumn<bool>("mix");
    QTest::addColumn<int>("subtitleTrack");
    QTest::addColumn<QString>("decisions"); // joined by "; "

    const int unknown = int(Interlacing::Unknown);
    const int automatic = AutomaticTrack;
    // clang-format off
    QTest::newRow("stated top field first")
        << "1920x1080 tt - bt709|eng:2" << unknown << automatic << automatic << 1080 << 0
        << false << -1 << "interlaced (top field first): deinterlaced";
    QTest::newRow("stated progressive, found bottom field first")
        << "720x576 progressive - bt470bg|eng:2" << int(Interlacing::BottomFieldFirst)
        << automatic << automatic << 576 << 0 << false << -1
        << "interlaced (bottom field first): deinterlaced";
    QTest::newRow("progressive: left as it is")
        << "1280x720 progressive bt709 bt709|eng:2" << int(Interlacing::Progressive)
        << automatic << automatic << 720 << 0 << false << -1 << "";
    QTest::newRow("HLG tone-mapped")
        << "1920x1080 progressive arib-std-b67 bt2020nc|und:2" << unknown << automatic
        << automatic << 720 << 0 << false << -1 << "HDR (HLG): tone-mapped to BT.709 SDR";
    QTest::newRow("PQ tone-mapped")
        << "3840x2160 - smpte2084 -|" << unknown << automatic << automatic << 1080 << 0
        << false << -1 << "HDR (PQ): tone-mapped to BT.709 SDR";
    QTest::newRow("untagged SD in an HD frame")
        << "720x480 - - -|eng:2" << unknown << automatic << automatic << 1080 << 0 << false
        << -1 << "BT.601 colours: converted to BT.709 for the HD frame";
    QTest::newRow("SD in an SD frame") << "720x576 - - bt470bg|eng:2" << unknown << automatic
        << automatic << 576 << 0 << false << -1 << "";
    QTest::newRow("the sound flagged default")
        << "640x360 - - -|eng:2,deu:2:default" << unknown << automatic << automatic << 360 << 1
        << false << -1 << "sound track 2 \"deu\"";
    QTest::newRow("no flag: the sound in the person's language (German)")
        << "640x360 - - -|eng:2,ger:2" << unknown << automatic << automatic << 360 << 1 << false
        << -1 << "sound track 2 \"ger\"";
    QTest::newRow("no flag, no language: the first sound")
        << "640x360 - - -|fra:2,ita:2" << unknown << automatic << automatic << 360 << 0 << false
        << -1 << "sound track 1 \"fra\"";
    QTest::newRow("the person's choice over the flag")
        << "640x360 - - -|eng:2:default,deu:2" << unknown << 1 << automatic << 360 << 1 << false
        << -1 << "sound track 2 \"deu\"";
    QTest::newRow("a choice the source lacks: the default rule")
        << "640x360 - - -|eng:2,deu:2:default" << unknown << 5 << automatic << 360 << 1 << false
        << -1 << "sound track 2 \"deu\"";
    QTest::newRow("5.1 mixed to stereo")
        << "640x360 - - -|eng:6" << unknown << automatic << automatic << 360 << 0 << true << -1
        << "sound track 1 \"eng\": 6 channels mixed to stereo, the centre kept";
    QTest::newRow("a forced subtitle track burned in")
        << "640x360 - - -|eng:2|eng:text,eng:text:forced" << unknown << automatic << automatic
        << 360 << 0 << false << 1 << "subtitles track 2 \"eng\" (forced): burned in";
    QTest::newRow("of two forced ones, the sound's language")
        << "640x360 - - -|deu:2:default|eng:text:forced,ger:text:forced" << unknown << automatic
        << automatic << 360 << 0 << false << 1
        << "subtitles track 2 \"ger\" (forced): burned in";
    QTest::newRow("none forced: a default track in another language")
        << "640x360 - - -|fra:2|eng:text:default" << unknown << automatic << automatic << 360 << 0
        << false << 0 << "subtitles track 1 \"eng\": burned in";
    QTest::newRow("a default track in the sound's language is not burned in")
        << "640x360 - - -|eng:2|en:text:default" << unknown << automatic << automatic << 360 << 0
        << false << -1 << "";
    QTest::newRow("None chosen over a forced track")
        << "640x360 - - -|eng:2|eng:text:forced" << unknown << automatic << NoTrack << 360 << 0
        << false << -1 << "";
    QTest::newRow("a chosen picture track")
        << "720x576 - - bt470bg|eng:2|eng:pictures" << unknown << automatic << 0 << 576 << 0
        << false << 0 << "subtitles track 1 \"eng\": burned in";
    // clang-format on
}

void TestSourceTreatment::plan()
{
    QFETCH(QString, facts);
    QFETCH(int, detected);
    QFETCH(int, sound);
    QFETCH(int, subtitles);
    QFETCH(int, outputHeight);
    const SourceTreatment treatment = PlanTreatment(
        Facts(facts), Interlacing(detected), {sound, subtitles, QLocale::German}, outputHeight);
    QTEST(treatment.soundTrack, "soundTrack");
    QTEST(treatment.mixToStereo, "mix");
    QTEST(treatment.subtitleTrack, "subtitleTrack");
    QTEST(treatment.decisions.join(u"; "), "decisions");
}

void TestSourceTreatment::idetVerdict_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<int>("verdict");
    const QByteArray line = "[Parsed_idet_0 @ 0x5] Multi frame detection: ";
    QTest::newRow("every frame top field first")
        << line + "TFF:    50 BFF:     0 Progressive:     0 Undetermined:     0\n"
        << int(Interlacing::TopFieldFirst);
    QTest::newRow("mostly bottom field first")
        << line + "TFF:     3 BFF:    70 Progressive:    20 Undetermined:     7\n"
        << int(Interlacing::BottomFieldFirst);
    QTest::newRow("progressive with a few misreadings")
        << line + "TFF:     4 BFF:     2 Progressive:    94 Undetermined:     0\n"
        << int(Interlacing::Progressive);
    QTest::newRow("combed in both orders: sharp synthetic motion")
        << line + "TFF:    38 BFF:    42 Progressive:    40 Undetermined:     0\n"
        << int(Interlacing::Progressive);
    QTest::newRow("too few frames to tell")
        << line + "TFF:     3 BFF:     0 Progressive:     0 Undetermined:     0\n"
        << int(Interlacing::Unknown);
    QTest::newRow("no report (ffmpeg failed)")
        << QByteArray("Invalid data found when processing input\n") << int(Interlacing::Unknown);
}

void TestSourceTreatment::idetVerdict()
{
    QFETCH(QByteArray, report);
    QTEST(int(ParseInterlaceReport(report)), "verdict");
}

void TestSourceTreatment::decisionLines()
{
    const QStringList decisions{u"interlaced (top field first): deinterlaced"_qs,
                                u"sound track 2 \"deu\""_qs};
    // Amid ffmpeg's own lines, ended by "\r" or "\n"; a line cut off at the chunk's end waits.
    const QByteArray chunk
        = "frame=  1 fps=0.0\r" + DecisionLines(decisions) + "Treatment: subtitles track 1 burn";
    QCOMPARE(ParseDecisionLines(chunk), decisions);
    QCOMPARE(MergedSummary(u"sound track 2 \"deu\""_qs, decisions),
             u"sound track 2 \"deu\"\ninterlaced (top field first): deinterlaced"_qs);
    QCOMPARE(MergedSummary(QString(), {}), QString());
}

QTEST_APPLESS_MAIN(TestSourceTreatment)
#include "tst_sourcetreatment.moc"
