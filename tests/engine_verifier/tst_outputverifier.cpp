// The output check: real files made with ffmpeg, whole, cut short, without picture or sound.

#include "MediaFixtures.h"

#include "OutputVerifier.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace MediaFixtures;

class tst_OutputVerifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verdicts_data();
    void verdicts();

private:
    QTemporaryDir m_dir;
};

void tst_OutputVerifier::initTestCase()
{
    const QStringList picture{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25"};
    const QStringList sound{"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100"};
    const QStringList mp4{"-c:v", "mpeg4", "-c:a", "aac", "-t", "2"};
    QString log;
    QVERIFY2(RunFfmpeg(picture + sound + mp4 + QStringList{m_dir.filePath("both.mp4")}, &log),
             qPrintable(log));
    QVERIFY(RunFfmpeg(picture + mp4 + QStringList{m_dir.filePath("picture.mp4")}));
    QVERIFY(RunFfmpeg(sound + mp4 + QStringList{m_dir.filePath("sound.mp4")}));
    // An MP4 whose end (and with it the index) never got written.
    QVERIFY(QFile::copy(m_dir.filePath("both.mp4"), m_dir.filePath("cut.mp4")));
    QFile cut(m_dir.filePath("cut.mp4"));
    QVERIFY(cut.resize(cut.size() * 6 / 10));
}

void tst_OutputVerifier::verdicts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("video");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("failure"); // empty: the file passes

    QTest::newRow("whole") << "both.mp4" << true << true << 2.0 << false << "";
    QTest::newRow("0.4 s short: within 0.5 s") << "both.mp4" << true << true << 2.4 << false << "";
    QTest::newRow("a 5.96 s range cut to 2 s")
        << "both.mp4" << true << true << 5.96 << false << "lasts 2.";
    QTest::newRow("sound lost") << "picture.mp4" << true << true << 2.0 << false << "no sound";
    QTest::newRow("picture lost") << "sound.mp4" << true << true << 2.0 << false << "no picture";
    QTest::newRow("a source without picture") << "sound.mp4" << false << true << 2.0 << false << "";
    QTest::newRow("no index") << "cut.mp4" << true << true << 2.0 << false << "not playable";
    QTest::newRow("stopped: shorter is fine") << "both.mp4" << true << true << 60.0 << true << "";
    QTest::newRow("stopped without index")
        << "cut.mp4" << true << true << 60.0 << true << "not playable";
    QTest::newRow("stopped with no picture")
        << "sound.mp4" << true << true << 60.0 << true << "Nothing playable";
    QTest::newRow("missing") << "none.mp4" << true << true << 2.0 << false << "not playable";
}

void tst_OutputVerifier::verdicts()
{
    QFETCH(QString, file);
    QFETCH(bool, video);
    QFETCH(bool, audio);
    QFETCH(double, seconds);
    QFETCH(bool, stopped);
    QFETCH(QString, failure);

    const OutputVerdict verdict
        = VerifyOutputFile(m_dir.filePath(file), OutputExpectation{video, audio, seconds, stopped});
    QVERIFY2(verdict.ok == failure.isEmpty(), qPrintable(verdict.reason));
    QVERIFY2(verdict.reason.contains(failure), qPrintable(verdict.reason));
    // The source side of the check sees what the file has.
    const SourceStreams streams = ProbeSourceStreams(m_dir.filePath(file));
    QCOMPARE(streams.ok, file != "none.mp4" && file != "cut.mp4");
    if (streams.ok) {
        QCOMPARE(streams.video, file != "sound.mp4");
        QCOMPARE(streams.audio, file != "picture.mp4");
    }
}

QTEST_GUILESS_MAIN(tst_OutputVerifier)
#include "tst_outputverifier.moc"
