#include "CommandLine.h"
#include "EncoderArguments.h"
#include "PictureFit.h"
#include "SafeMediaInput.h"

#include <QTest>

// How tavenc turns the profiles' option texts into FFmpeg 5.1 arguments (without running it).
class tst_EncoderArguments : public QObject
{
    Q_OBJECT

private slots:
    void translate_data();
    void translate();
    void outputOptionsComeBeforeTheOutputFile();
    void h264Level_data();
    void h264Level();
    void mpeg4Level_data();
    void mpeg4Level();
    void aacRate_data();
    void aacRate();
    void safeInputsAndThePartFile_data();
    void safeInputsAndThePartFile();
};

namespace {

using Sequences = QList<QStringList>;

qsizetype IndexOfSequence(const QStringList &list, const QStringList &sequence)
{
    for (qsizetype i = 0; i + sequence.size() <= list.size(); ++i) {
        if (list.mid(i, sequence.size()) == sequence)
            return i;
    }
    return -1;
}

} // namespace

void tst_EncoderArguments::translate_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<Sequences>("present");
    QTest::addColumn<QStringList>("absent");

    const QString h264 = u"-vcodec h264 -coder 0 -vlevel 13 -bufsize 256 -g 250"_qs;
    QTest::newRow("H.264 text of the table")
        << u"-n -i in.avi "_qs + h264 + u" -s 320x240 -r 29.97 -b 768k out.mp4"_qs
        << Sequences{{u"-c:v"_qs, u"libx264"_qs},
                     {u"-coder"_qs, u"0"_qs},
                     {u"-g"_qs, u"250"_qs},
                     {u"-r"_qs, u"30000/1001"_qs},
                     {u"-b:v"_qs, u"768k"_qs},
                     {u"-profile:v"_qs, u"baseline"_qs},
                     {u"-level:v"_qs, u"13"_qs},
                     {u"-maxrate:v"_qs, u"768000"_qs},
                     {u"-bufsize:v"_qs, u"2000000"_qs}, // 256 kB, held to level 1.3's buffer
                     {u"-pix_fmt"_qs, u"yuv420p"_qs}}
        << QStringList{u"-vcodec"_qs, u"-vlevel"_qs, u"-bufsize"_qs, u"-b"_qs};
    QTest::newRow("H.264 level raised by the bit rate")
        << u"-i in.avi "_qs + h264 + u" -s 320x240 -r 29.97 -b 1200k out.mp4"_qs
        << Sequences{{u"-level:v"_qs, u"20"_qs}, {u"-bufsize:v"_qs, u"2000000"_qs}}
        << QStringList();
    QTest::newRow("H.264 level raised by the frame size")
        << u"-i in.avi "_qs + h264 + u" -s 640x480 -r 29.97 -b 768k out.mp4"_qs
        << Sequences{{u"-level:v"_qs, u"30"_qs}, {u"-bufsize:v"_qs, u"2097152"_qs}}
        << QStringList();
    QTest::newRow("H.264 level above the need is kept")
        << u"-i in.avi -vcodec h264 -vlevel 31 -s 320x240 -r 29.97 -b 256k out.mp4"_qs
        << Sequences{{u"-level:v"_qs, u"31"_qs}, {u"-bufsize:v"_qs, u"512000"_qs}} << QStringList();
    QTest::newRow("H.264 without a frame size leaves the level to x264")
        << u"-i in.avi -vcodec h264 -vlevel 13 -b 768k out.mp4"_qs
        << Sequences{{u"-profile:v"_qs, u"baseline"_qs}, {u"-maxrate:v"_qs, u"768000"_qs}}
        << QStringList{u"-level:v"_qs};
    QTest::newRow("MPEG-4 text of the table")
        << u"-i in.avi -vcodec xvid -s 320x240 -r 29.97 -b 768k -coder 0 out.mp4"_qs
        << Sequences{{u"-c:v"_qs, u"mpeg4"_qs},
                     {u"-profile:v"_qs, u"0"_qs},
                     {u"-level:v"_qs, u"4"_qs},
                     {u"-maxrate:v"_qs, u"768000"_qs},
                     {u"-bufsize:v"_qs, u"1310720"_qs},
                     {u"-pix_fmt"_qs, u"yuv420p"_qs}}
        << QStringList{u"-coder"_qs, u"libx264"_qs, u"baseline"_qs};
    QTest::newRow("AAC at 54000 Hz") << u"-i in.avi -acodec aac -ar 54000 out.mp4"_qs
                                     << Sequences{{u"-c:a"_qs, u"aac"_qs},
                                                  {u"-profile:a"_qs, u"aac_low"_qs},
                                                  {u"-ar"_qs, u"48000"_qs}}
                                     << QStringList{u"-acodec"_qs};
    QTest::newRow("AAC at 96000 Hz") << u"-i in.avi -acodec aac -ar 96000 out.mp4"_qs
                                     << Sequences{{u"-ar"_qs, u"48000"_qs}} << QStringList();
    QTest::newRow("AAC at 22050 Hz") << u"-i in.avi -acodec aac -ar 22050 out.mp4"_qs
                                     << Sequences{{u"-ar"_qs, u"22050"_qs}} << QStringList();
    QTest::newRow("another audio codec keeps its rate")
        << u"-i in.avi -acodec mp3 -ar 54000 out.avi"_qs
        << Sequences{{u"-acodec"_qs, u"mp3"_qs}, {u"-ar"_qs, u"54000"_qs}}
        << QStringList{u"aac_low"_qs};
    QTest::newRow("volume 200 %") << u"-i in.avi -acodec aac -vol 512 out.mp4"_qs
                                  << Sequences{{u"-af"_qs, u"volume=2"_qs}}
                                  << QStringList{u"-vol"_qs};
    QTest::newRow("volume 50 %") << u"-i in.avi -acodec aac -vol 128 out.mp4"_qs
                                 << Sequences{{u"-af"_qs, u"volume=0.5"_qs}} << QStringList();
    QTest::newRow("volume 150 %") << u"-i in.avi -acodec aac -vol 384 out.mp4"_qs
                                  << Sequences{{u"-af"_qs, u"volume=1.5"_qs}} << QStringList();
    QTest::newRow("volume 100 % needs no filter")
        << u"-i in.avi -acodec aac -vol 256 out.mp4"_qs << Sequences()
        << QStringList{u"-af"_qs, u"-vol"_qs};
    QTest::newRow("volume joins an audio filter of the command line")
        << u"-i in.avi -af aresample=async=1 -vol 128 out.mp4"_qs
        << Sequences{{u"-af"_qs, u"volume=0.5,aresample=async=1"_qs}} << QStringList();
    QTest::newRow("no audio, no volume")
        << u"-i in.avi -an -vol 512 out.mp4"_qs << Sequences{{u"-an"_qs}}
        << QStringList{u"-af"_qs, u"-c:a"_qs};
    QTest::newRow("older bare bit rates are kilobits")
        << u"-i in.avi -b 768 -ab 128 out.mp4"_qs
        << Sequences{{u"-b:v"_qs, u"768k"_qs}, {u"-b:a"_qs, u"128k"_qs}} << QStringList();
    QTest::newRow("unknown options pass unchanged in place")
        << u"-i in.avi -metadata:s:a:0 language=eng -shortest -weird 7 out.mp4"_qs
        << Sequences{{u"-metadata:s:a:0"_qs,
                      u"language=eng"_qs,
                      u"-shortest"_qs,
                      u"-weird"_qs,
                      u"7"_qs}}
        << QStringList();
    QTest::newRow("no codec options still give a playable file")
        << u"-i in.avi out.mp4"_qs
        << Sequences{{u"-c:v"_qs, u"libx264"_qs, u"-profile:v"_qs, u"baseline"_qs},
                     {u"-c:a"_qs, u"aac"_qs, u"-profile:a"_qs, u"aac_low"_qs},
                     {u"-movflags"_qs, u"+faststart"_qs}}
        << QStringList();
    QTest::newRow("a codec of one's own gets no additions")
        << u"-i in.avi -vcodec copy -acodec copy -bufsize 100 out.mkv"_qs
        << Sequences{{u"-vcodec"_qs, u"copy"_qs, u"-acodec"_qs, u"copy"_qs},
                     {u"-bufsize"_qs, u"100"_qs}}
        << QStringList{u"-pix_fmt"_qs, u"-movflags"_qs, u"-profile:v"_qs, u"-profile:a"_qs};
    QTest::newRow("the frame becomes a fit on bars at the shown shape")
        << u"-s 160x120 -i in.avi -s 320x240 -aspect 16:9 out.mp4"_qs
        << Sequences{{u"-s"_qs, u"160x120"_qs, u"-i"_qs},
                     {u"-vf"_qs, LetterboxFilter(320, 240, 16.0 / 9.0)},
                     {u"-aspect"_qs, u"16:9"_qs}}
        << QStringList{u"320x240"_qs};
    QTest::newRow("the command's own filter runs before the fit")
        << u"-i in.avi -vf hflip -s 320x240 out.mp4"_qs
        << Sequences{{u"-vf"_qs, u"hflip,"_qs + LetterboxFilter(320, 240, 0)}}
        << QStringList{u"-s"_qs};
    QTest::newRow("fit within, the source's rate, quality with a ceiling")
        << u"-i in.avi -vcodec h264 -vprofile high -crf 22 -maxrate 5000k -fit 1280x720 -r keep "
           u"out.mp4"_qs
        << Sequences{{u"-crf"_qs, u"22"_qs},
                     {u"-vf"_qs, FitWithinFilter(1280, 720)},
                     {u"-fpsmax"_qs, u"60"_qs},
                     {u"-profile:v"_qs, u"high"_qs},
                     {u"-level:v"_qs, u"32"_qs},
                     {u"-maxrate:v"_qs, u"5000000"_qs},
                     {u"-bufsize:v"_qs, u"10000000"_qs}}
        << QStringList{u"-fit"_qs, u"-r"_qs, u"-vprofile"_qs, u"-maxrate"_qs, u"-b:v"_qs};
    QTest::newRow("HEVC")
        << u"-i in.avi -vcodec hevc -crf 26 -maxrate 6000 -bufsize 1000 out.mp4"_qs
        << Sequences{{u"-c:v"_qs, u"libx265"_qs},
                     {u"-profile:v"_qs, u"main"_qs, u"-tag:v"_qs, u"hvc1"_qs},
                     {u"-maxrate:v"_qs, u"6000000"_qs, u"-bufsize:v"_qs, u"8192000"_qs},
                     {u"-pix_fmt"_qs, u"yuv420p"_qs}}
        << QStringList{u"-vcodec"_qs, u"-maxrate"_qs, u"-bufsize"_qs};
    QTest::newRow("input options stay before the input")
        << u"-n -ss 00:01:02 -t 00:00:30 -i in.avi out.mp4"_qs
        << Sequences{{u"-hide_banner"_qs,
                      u"-n"_qs,
                      u"-ss"_qs,
                      u"00:01:02"_qs,
                      u"-t"_qs,
                      u"00:00:30"_qs,
                      u"-i"_qs,
                      u"in.avi"_qs}}
        << QStringList();
}

void tst_EncoderArguments::translate()
{
    QFETCH(QString, arguments);
    QFETCH(Sequences, present);
    QFETCH(QStringList, absent);
    const QStringList translated = TranslateEncoderArguments(SplitCommandLine(arguments));
    for (const QStringList &sequence : present) {
        QVERIFY2(IndexOfSequence(translated, sequence) >= 0,
                 qPrintable(sequence.join(u' ') + u" not in: "_qs + translated.join(u' ')));
    }
    for (const QString &item : absent) {
        QVERIFY2(!translated.contains(item),
                 qPrintable(item + u" in: "_qs + translated.join(u' ')));
    }
}

void tst_EncoderArguments::outputOptionsComeBeforeTheOutputFile()
{
    const QStringList translated = TranslateEncoderArguments(SplitCommandLine(
        u"-n -i in.avi -vcodec h264 -s 320x240 -metadata title=\"a b\" \"out file.mp4\""_qs));
    QCOMPARE(translated.last(), u"out file.mp4"_qs);
    QVERIFY(translated.indexOf(u"-pix_fmt"_qs) > translated.indexOf(u"in.avi"_qs));
    QCOMPARE(translated.mid(translated.size() - 3, 2),
             (QStringList{u"-movflags"_qs, u"+faststart"_qs}));

    // Without an output file the additions go last; ffmpeg then says what is missing.
    const QStringList noOutput
        = TranslateEncoderArguments(SplitCommandLine(u"-i in.avi -vcodec h264"_qs));
    QCOMPARE(noOutput.mid(noOutput.indexOf(u"-c:v"_qs) - 2, 2),
             (QStringList{u"-i"_qs, u"in.avi"_qs}));
    QVERIFY(!noOutput.contains(u"-movflags"_qs));
    QCOMPARE(noOutput.last(), u"aac_low"_qs);
}

void tst_EncoderArguments::h264Level_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("fps");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("level");
    QTest::newRow("QVGA 768 kbps, at least 1.3") << 320 << 240 << 29.97 << 768 << 13 << 13;
    QTest::newRow("QVGA 384 kbps, no minimum") << 320 << 240 << 29.97 << 384 << 0 << 13;
    QTest::newRow("QVGA 15 fps 384 kbps") << 320 << 240 << 15.0 << 384 << 0 << 12;
    QTest::newRow("QVGA 2000 kbps") << 320 << 240 << 29.97 << 2000 << 13 << 20;
    QTest::newRow("QVGA 2500 kbps") << 320 << 240 << 29.97 << 2500 << 13 << 21;
    QTest::newRow("VGA 768 kbps") << 640 << 480 << 29.97 << 768 << 13 << 30;
    QTest::newRow("VGA 2000 kbps, at least 1.2") << 640 << 480 << 29.97 << 2000 << 12 << 30;
    QTest::newRow("QCIF 15 fps 64 kbps") << 176 << 144 << 15.0 << 64 << 0 << 10;
    QTest::newRow("1080p 30 fps") << 1920 << 1080 << 30.0 << 0 << 0 << 40;
    QTest::newRow("a strip too long for small levels") << 4000 << 16 << 25.0 << 0 << 0 << 40;
    QTest::newRow("beyond every level") << 8192 << 8192 << 60.0 << 0 << 0 << 0;
    QTest::newRow("no rate") << 320 << 240 << 0.0 << 768 << 13 << 0;
}

void tst_EncoderArguments::h264Level()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, fps);
    QFETCH(int, kbps);
    QFETCH(int, minimum);
    QFETCH(int, level);
    QCOMPARE(H264LevelFor(width, height, fps, kbps, minimum), level);
}

void tst_EncoderArguments::mpeg4Level_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("fps");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<int>("level");
    QTest::newRow("QCIF 15 fps 64 kbps") << 176 << 144 << 15.0 << 64 << 1;
    QTest::newRow("QVGA 29.97 fps 384 kbps") << 320 << 240 << 29.97 << 384 << 3;
    QTest::newRow("QVGA 29.97 fps 768 kbps") << 320 << 240 << 29.97 << 768 << 4;
    QTest::newRow("VGA 29.97 fps 2000 kbps") << 640 << 480 << 29.97 << 2000 << 4;
    QTest::newRow("VGA 29.97 fps 5000 kbps") << 640 << 480 << 29.97 << 5000 << 5;
    QTest::newRow("720p 30 fps") << 1280 << 720 << 30.0 << 8000 << 6;
    QTest::newRow("1080p") << 1920 << 1080 << 30.0 << 8000 << 0;
}

void tst_EncoderArguments::mpeg4Level()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, fps);
    QFETCH(int, kbps);
    QFETCH(int, level);
    QCOMPARE(Mpeg4SimpleLevelFor(width, height, fps, kbps), level);
}

void tst_EncoderArguments::aacRate_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("nearest");
    for (int accepted : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000})
        QTest::addRow("%d stays", accepted) << accepted << accepted;
    QTest::newRow("54000") << 54000 << 48000;
    QTest::newRow("96000") << 96000 << 48000;
    QTest::newRow("64000") << 64000 << 48000;
    QTest::newRow("46050, a tie, goes up") << 46050 << 48000;
    QTest::newRow("1") << 1 << 8000;
}

void tst_EncoderArguments::aacRate()
{
    QFETCH(int, rate);
    QFETCH(int, nearest);
    QCOMPARE(NearestAacSampleRate(rate), nearest);
}

void tst_EncoderArguments::safeInputsAndThePartFile_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("partFile"); // what TAVREL_PART_FILE names
    QTest::addColumn<QString>("expected"); // "<safe>" stands for the whitelist options
    QTest::newRow("every input gets the whitelists")
        << "-n -i a.avi -i b.avi out.mp4"
        << ""
        << "-n <safe> -i a.avi <safe> -i b.avi out.mp4";
    QTest::newRow("the named part file may be written over")
        << "-n -t 5 -i a.avi /o/.a.tavrel-part.mp4"
        << "/o/.a.tavrel-part.mp4"
        << "-y -t 5 <safe> -i a.avi /o/.a.tavrel-part.mp4";
    QTest::newRow("no other output") << "-n -i a.avi /o/a.mp4"
                                     << "/o/.a.tavrel-part.mp4"
                                     << "-n <safe> -i a.avi /o/a.mp4";
}

void tst_EncoderArguments::safeInputsAndThePartFile()
{
    QFETCH(QString, arguments);
    QFETCH(QString, partFile);
    QFETCH(QString, expected);
    const QStringList result = SecureInputs(AllowWritingPartFile(arguments.split(u' '), partFile));
    QCOMPARE(result.join(u' '), expected.replace(u"<safe>"_qs, SafeInputOptions().join(u' ')));
    QCOMPARE(InputFiles(arguments.split(u' ')).size(), int(arguments.count(u"-i "_qs)));
}

QTEST_GUILESS_MAIN(tst_EncoderArguments)
#include "tst_encoderarguments.moc"
