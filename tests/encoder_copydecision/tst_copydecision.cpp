#include "CopyArguments.h"
#include "CopyDecision.h"

#include <QTest>

#include <functional>

// The copy decision over the facts of a phone clip that fits the phones profile, each row
// changing the one fact (or command option) that makes it encode, or only its sound; and the
// arguments that carry a decision out.
class tst_CopyDecision : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void arguments_data();
    void arguments();
};

Q_DECLARE_METATYPE(CopyInputs)

namespace {

/// The phones profile's command, with extra output options before the output file.
QStringList PhonesCommand(const QString &start = {}, const QString &extra = {})
{
    QString command = u"-n "_qs + (start.isEmpty() ? QString() : u"-ss "_qs + start + u' ')
                      + u"-t 00:00:04 -i clip.mp4 -vcodec h264 -vprofile high -preset fast "
                        "-crf 22 -maxrate 5000k -fit 1280x720 -r keep -copy fit -acodec aac "
                        "-ac 2 -ab 160k -ar 48000 "_qs
                      + extra;
    return command.simplified().split(u' ')
           + QStringList{u"-metadata"_qs, u"title=A b"_qs, u"out.mp4"_qs};
}

/// A 1280x720 H.264 High 4.0 phone clip at 30 fps and 3 Mbit/s with AAC-LC stereo sound.
CopyInputs PhoneClip()
{
    CopyInputs in;
    in.limits = ReadCopyLimits(PhonesCommand());
    VideoFacts &video = in.video;
    video.present = true;
    video.codec = u"h264"_qs;
    video.profile = u"High"_qs;
    video.level = 40;
    video.width = 1280;
    video.height = 720;
    video.sarNum = video.sarDen = 1;
    video.pixelFormat = u"yuv420p"_qs;
    video.bitDepth = 8;
    video.chroma420 = true;
    video.fieldOrder = u"progressive"_qs;
    video.colorTransfer = video.colorPrimaries = video.colorSpace = u"bt709"_qs;
    video.fps = 30.0;
    in.videoBitRate = 3000000;
    AudioTrackFacts sound;
    sound.codec = u"aac"_qs;
    sound.profile = u"LC"_qs;
    sound.channels = 2;
    sound.sampleRate = 48000;
    in.sound = sound;
    in.soundBitRate = 128000;
    return in;
}

} // namespace

void tst_CopyDecision::decision_data()
{
    QTest::addColumn<CopyInputs>("inputs");
    QTest::addColumn<bool>("copyVideo");
    QTest::addColumn<bool>("copyAudio");
    QTest::addColumn<QString>("line");

    using Change = std::function<void(CopyInputs &)>;
    auto row
        = [](const char *name, const Change &change, bool video, bool audio, const char *line) {
              CopyInputs in = PhoneClip();
              change(in);
              QTest::newRow(name) << in << video << audio << QString::fromUtf8(line);
          };
    auto command = [](const QString &start, const QString &extra) {
        return [=](CopyInputs &in) {
            in.limits = ReadCopyLimits(PhonesCommand(start, extra));
        };
    };
    const char *copied = "video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; ";

    // clang-format off
    row("fits: both copied", [](CopyInputs &) {}, true, true,
        "video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; sound copied: AAC stereo "
        "128 kbit/s");
    row("turned a quarter, upright within the box", [](CopyInputs &in) {
        in.video.width = 640; in.video.height = 360; in.video.rotation = 90; in.video.level = 30;
    }, true, true, "video copied: H.264 High 3.0 360x640 30 fps 3.0 Mbit/s fits; sound copied: "
                   "AAC stereo 128 kbit/s");
    row("no sound", [](CopyInputs &in) { in.sound.reset(); }, true, false,
        "video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; no sound");
    row("trimmed on a key frame", [&](CopyInputs &in) {
        command(u"00:00:02.000"_qs, {})(in);
        in.keyFrameStart = 2.0;
    }, true, true,
        "video copied: H.264 High 4.0 1280x720 30 fps 3.0 Mbit/s fits; sound copied: AAC stereo "
        "128 kbit/s");
    row("HEVC Main for the HEVC profile", [&](CopyInputs &in) {
        command({}, u"-vcodec hevc"_qs)(in);
        in.video.codec = u"hevc"_qs; in.video.profile = u"Main"_qs; in.video.level = 120;
    }, true, true, "video copied: HEVC Main 4.0 1280x720 30 fps 3.0 Mbit/s fits; sound copied: "
                   "AAC stereo 128 kbit/s");

    row("larger than the box", [](CopyInputs &in) {
        in.video.width = 1920; in.video.height = 1080;
    }, false, false, "encoding: 1920x1080 is larger than 1280x720");
    row("portrait taller than the box", [](CopyInputs &in) { in.video.rotation = 270; },
        false, false, "encoding: 720x1280 is larger than 1280x720");
    row("wide pixels shown wider than the box", [](CopyInputs &in) {
        in.video.sarNum = 4; in.video.sarDen = 3;
    }, false, false, "encoding: 1707x720 is larger than 1280x720");
    row("another codec", [](CopyInputs &in) {
        in.video.codec = u"hevc"_qs; in.video.profile = u"Main"_qs;
    }, false, false, "encoding: HEVC is not the profile's H.264");
    row("10-bit", [](CopyInputs &in) {
        in.video.pixelFormat = u"yuv420p10le"_qs; in.video.bitDepth = 10;
    }, false, false, "encoding: yuv420p10le is not 8-bit 4:2:0");
    row("4:2:2", [](CopyInputs &in) {
        in.video.pixelFormat = u"yuv422p"_qs; in.video.chroma420 = false;
    }, false, false, "encoding: yuv422p is not 8-bit 4:2:0");
    row("faster than -r keep's limit", [](CopyInputs &in) { in.video.fps = 120.0; },
        false, false, "encoding: 120 fps is more than 60");
    row("interlaced", [](CopyInputs &in) { in.video.fieldOrder = u"tt"_qs; },
        false, false, "encoding: the picture is interlaced (tt)");
    row("PQ", [](CopyInputs &in) { in.video.colorTransfer = u"smpte2084"_qs; },
        false, false, "encoding: smpte2084 is not standard dynamic range BT.709");
    row("HLG", [](CopyInputs &in) { in.video.colorTransfer = u"arib-std-b67"_qs; },
        false, false, "encoding: arib-std-b67 is not standard dynamic range BT.709");
    row("BT.2020 colours", [](CopyInputs &in) { in.video.colorPrimaries = u"bt2020"_qs; },
        false, false, "encoding: bt2020 is not standard dynamic range BT.709");
    row("an H.264 profile above High", [](CopyInputs &in) {
        in.video.profile = u"High 4:4:4 Predictive"_qs;
    }, false, false, "encoding: H.264 High 4:4:4 Predictive is above High");
    row("High for a Main profile", command({}, u"-vprofile main"_qs),
        false, false, "encoding: H.264 High is above Main");
    row("level above 4.1 for the 720p box", [](CopyInputs &in) { in.video.level = 42; },
        false, false, "encoding: H.264 level 4.2 is above 4.1");
    row("HEVC Main 10", [&](CopyInputs &in) {
        command({}, u"-vcodec hevc"_qs)(in);
        in.video.codec = u"hevc"_qs; in.video.profile = u"Main Still Picture"_qs;
    }, false, false, "encoding: HEVC Main Still Picture is not Main");
    row("above -maxrate", [](CopyInputs &in) { in.videoBitRate = 8000000; },
        false, false, "encoding: 8.0 Mbit/s is more than 5.0 Mbit/s");
    row("bit rate unknown", [](CopyInputs &in) { in.videoBitRate = 0; },
        false, false, "encoding: the video bit rate is unknown");
    row("trimmed off a key frame", [&](CopyInputs &in) {
        command(u"00:00:01.480"_qs, {})(in);
        in.keyFrameStart.reset();
    }, false, false, "encoding: the start at 1.480 s is not on a key frame");
    row("always re-encode", [](CopyInputs &in) { in.alwaysEncode = true; },
        false, false, "encoding: always re-encode is on");
    row("a need of the task", [](CopyInputs &in) {
        in.pictureNeeds << u"subtitles are burned in"_qs;
    }, false, false, "encoding: subtitles are burned in");
    row("the command sets the frame", command({}, u"-s 640x360"_qs),
        false, false, "encoding: the command sets the frame size");
    row("the command filters the picture", command({}, u"-vf hflip"_qs),
        false, false, "encoding: the command filters the picture");
    row("the command's MPEG-4", command({}, u"-vcodec xvid"_qs),
        false, false, "encoding: the profile's xvid is never copied");
    row("unreadable source", [](CopyInputs &in) {
        in.sourceRead = false; in.error = u"Invalid data"_qs;
    }, false, false, "encoding: the source cannot be read (Invalid data)");

    row("5.1 sound", [](CopyInputs &in) { in.sound->channels = 6; }, true, false,
        (QByteArray(copied) + "sound encoded: AAC 5.1 has more than 2 channels").constData());
    row("HE-AAC", [](CopyInputs &in) { in.sound->profile = u"HE-AAC"_qs; }, true, false,
        (QByteArray(copied) + "sound encoded: AAC HE-AAC is not AAC-LC").constData());
    row("MP3 sound", [](CopyInputs &in) { in.sound->codec = u"mp3"_qs; }, true, false,
        (QByteArray(copied) + "sound encoded: MP3 is not AAC").constData());
    row("32 kHz", [](CopyInputs &in) { in.sound->sampleRate = 32000; }, true, false,
        (QByteArray(copied) + "sound encoded: 32000 Hz is neither 44.1 nor 48 kHz").constData());
    row("sound above -ab", [](CopyInputs &in) { in.soundBitRate = 256000; }, true, false,
        (QByteArray(copied) + "sound encoded: 256 kbit/s is more than 160 kbit/s").constData());
    row("the command changes the volume", command({}, u"-vol 512"_qs), true, false,
        (QByteArray(copied) + "sound encoded: the command changes the volume").constData());
    // clang-format on
}

void tst_CopyDecision::decision()
{
    QFETCH(CopyInputs, inputs);
    const CopyDecision decision = DecideStreamCopy(inputs);
    QTEST(decision.line, "line");
    QTEST(decision.copyVideo, "copyVideo");
    QTEST(decision.copyAudio, "copyAudio");
}

void tst_CopyDecision::arguments_data()
{
    QTest::addColumn<bool>("copyVideo");
    QTest::addColumn<bool>("copyAudio");
    QTest::addColumn<QString>("arguments");
    // clang-format off
    QTest::newRow("both copied, from the key frame") << true << true
        << "-n -ss 2.033334 -t 00:00:04 -i clip.mp4 -metadata title=A b -c:v copy -c:a copy out.mp4";
    QTest::newRow("picture copied, sound encoded") << true << false
        << "-n -ss 2.033334 -t 00:00:04 -i clip.mp4 -acodec aac -ac 2 -ab 160k -ar 48000 "
           "-metadata title=A b -c:v copy out.mp4";
    QTest::newRow("encoded as the command says") << false << false
        << "-n -ss 00:00:02.033 -t 00:00:04 -i clip.mp4 -vcodec h264 -vprofile high -preset fast "
           "-crf 22 -maxrate 5000k -fit 1280x720 -r keep -acodec aac -ac 2 -ab 160k -ar 48000 "
           "-metadata title=A b out.mp4";
    // clang-format on
}

void tst_CopyDecision::arguments()
{
    QFETCH(bool, copyVideo);
    QFETCH(bool, copyAudio);
    CopyDecision decision;
    decision.copyVideo = copyVideo;
    decision.copyAudio = copyAudio;
    decision.videoCodec = u"h264"_qs;
    if (copyVideo)
        decision.start = 2.0333333; // rounded up: ffmpeg's seek finds this key frame
    const QStringList result = CopyArguments(PhonesCommand(u"00:00:02.033"_qs), decision);
    QTEST(result.join(u' '), "arguments");
}

QTEST_APPLESS_MAIN(tst_CopyDecision)
#include "tst_copydecision.moc"
