#include "MediaFixtures.h"

#include "CVideoEdit.h"
#include "ProgramDir.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace MediaFixtures;

namespace {
constexpr int PlaybackTimeoutMs = 60000;
}

class TestMediaPlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clipPlaysToItsEnd_data();
    void clipPlaysToItsEnd();
    void stopPlaybackSendsNoEnd();
    void nothingToPlay();

private:
    QTemporaryDir m_dir;
    QString m_avi;
    QString m_rm;
    QString m_longAvi;
};

void TestMediaPlayback::initTestCase()
{
    QVERIFY(m_dir.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QLatin1Char('/');
    m_avi = m_dir.filePath(QStringLiteral("one.avi"));
    m_rm = m_dir.filePath(QStringLiteral("three.rm"));
    m_longAvi = m_dir.filePath(QStringLiteral("three.avi"));
    QString log;
    QVERIFY2(MakeSource(m_avi, 1.0, QStringLiteral("160x120"), &log), qPrintable(log));
    QVERIFY2(MakeSource(m_rm, 3.0, QStringLiteral("160x120"), &log), qPrintable(log));
    QVERIFY2(MakeSource(m_longAvi, 3.0, QStringLiteral("160x120"), &log), qPrintable(log));
}

void TestMediaPlayback::clipPlaysToItsEnd_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("withSound");
    QTest::addRow("one-second AVI, picture only") << m_avi << 0.0 << 1.0 << false;
    QTest::addRow("one-second AVI with sound") << m_avi << 0.0 << 1.0 << true;
    QTest::addRow("AVI, 1.0..2.0 s of 3 s") << m_longAvi << 1.0 << 2.0 << true;
    QTest::addRow("RealMedia, 1.0..2.0 s of 3 s (preview file)") << m_rm << 1.0 << 2.0 << true;
    QTest::addRow("RealMedia, single picture at 1.5 s") << m_rm << 1.5 << 2.5 << false;
}

void TestMediaPlayback::clipPlaysToItsEnd()
{
    QFETCH(QString, source);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, withSound);

    CVideoEdit media;
    media.resize(320, 240);
    media.show();
    QSignalSpy ended(&media, &CVideoEdit::PlaybackEnded);
    QVERIFY(ended.isValid());
    media.ResetClips();
    media.SetOutputBitDepth(24);
    media.AddVideoClip(source, start, end, 0);
    if (withSound)
        media.AddAudioClip(source, start, end);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(media.StartPlayback());
    QVERIFY(media.IsPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, PlaybackTimeoutMs);
    QVERIFY(!media.IsPlaying());
    const double position = ended.first().at(0).toDouble();
    // The end is the clip's end, reached by playing, not by jumping there.
    QVERIFY2(position >= end - 0.15 && position < end + 0.6, qPrintable(QString::number(position)));
    QVERIFY(clock.elapsed() >= qint64((end - start) * 1000.0) - 300);
    QTest::qWait(300);
    QCOMPARE(ended.size(), 1);
}

void TestMediaPlayback::stopPlaybackSendsNoEnd()
{
    CVideoEdit media;
    media.show();
    QSignalSpy ended(&media, &CVideoEdit::PlaybackEnded);
    media.AddVideoClip(m_rm, 0.0, 3.0, 0);
    QVERIFY(media.StartPlayback());
    QTest::qWait(300);
    media.StopPlayback();
    QVERIFY(!media.IsPlaying());
    QTest::qWait(3500);
    QCOMPARE(ended.size(), 0);
}

void TestMediaPlayback::nothingToPlay()
{
    CVideoEdit media;
    QSignalSpy ended(&media, &CVideoEdit::PlaybackEnded);
    QVERIFY(!media.StartPlayback());
    media.AddVideoClip(m_dir.filePath(QStringLiteral("gone.avi")), 0.0, 1.0, 0);
    QVERIFY(!media.StartPlayback());
    QVERIFY(!media.IsPlaying());
    media.StopPlayback();
    QCOMPARE(ended.size(), 0);
}

QTEST_MAIN(TestMediaPlayback)
#include "tst_media_playback.moc"
