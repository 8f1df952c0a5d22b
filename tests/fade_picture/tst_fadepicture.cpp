#include "CFadePicture.h"
#include "ResourceImages.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kParentColor(255, 0, 255);

class Host : public QWidget
{
public:
    Host()
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kParentColor);
        setPalette(pal);
        setAutoFillBackground(true);
        resize(500, 320);
    }
};

} // namespace

class TestFadePicture : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Host> m_host;
    CFadePicture *m_picture = nullptr;

    QImage Shown() const
    {
        return m_host->grab(m_picture->geometry())
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

private slots:
    void init()
    {
        m_host = std::make_unique<Host>();
        m_picture = new CFadePicture(m_host.get());
        // A size of its own that the picture's size must replace.
        m_picture->setGeometry(10, 12, 264, 200);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }
    void cleanup() { m_host.reset(); }

    void fadesInFiftyTwoSteps()
    {
        QSignalSpy steps(m_picture, &CFadePicture::fadeStepped);
        QSignalSpy finished(m_picture, &CFadePicture::fadeFinished);
        QVERIFY(steps.isValid());
        QVERIFY(finished.isValid());
        QVERIFY(m_picture->StartFade(IDB_PREVIEW_AREA, 1));
        QVERIFY(!m_picture->fadeDone());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(m_picture->fadeDone());
        QCOMPARE(steps.count(), CFadePicture::kFadeSteps);
        for (int i = 0; i < steps.count(); ++i)
            QCOMPARE(steps.at(i).at(0).toInt(), i * 5);
        QCOMPARE(m_picture->CurrentAlpha(), 255);
        // Nothing more happens after the fade.
        QTest::qWait(30);
        QCOMPARE(steps.count(), CFadePicture::kFadeSteps);
        QCOMPARE(finished.count(), 1);
    }

    void takesThePicturesSize()
    {
        QVERIFY(m_picture->StartFade(IDB_PREVIEW_AREA, 0));
        QCOMPARE(m_picture->size(), QSize(264, 196));
        QCOMPARE(m_picture->pos(), QPoint(10, 12));
        QCOMPARE(m_picture->BitmapId(), int(IDB_PREVIEW_AREA));
    }

    void stepsWaitForTheirDelay()
    {
        QSignalSpy steps(m_picture, &CFadePicture::fadeStepped);
        QVERIFY(steps.isValid());
        QVERIFY(m_picture->StartFade(IDB_PREVIEW_AREA, 100));
        QCOMPARE(m_picture->StepDelay(), 100);
        // Only the first step is shown before any delay has passed.
        QCOMPARE(steps.count(), 1);
        QCOMPARE(m_picture->CurrentAlpha(), 0);
        QVERIFY(!m_picture->fadeDone());
    }

    void missingPictureStartsNothing()
    {
        QSignalSpy steps(m_picture, &CFadePicture::fadeStepped);
        QVERIFY(steps.isValid());
        QVERIFY(!m_picture->StartFade(9999, 1));
        QTest::qWait(30);
        QCOMPARE(steps.count(), 0);
        QVERIFY(!m_picture->fadeDone());
        QCOMPARE(m_picture->size(), QSize(264, 200));
        // It draws nothing: the parent shows through.
        const QImage shown = Shown();
        QCOMPARE(shown.pixelColor(100, 100), kParentColor);
    }

    void paintsByStep_data()
    {
        QTest::addColumn<bool>("done");
        QTest::newRow("first step: transparent") << false;
        QTest::newRow("after the fade: opaque") << true;
    }
    void paintsByStep()
    {
        QFETCH(bool, done);
        QSignalSpy finished(m_picture, &CFadePicture::fadeFinished);
        QVERIFY(finished.isValid());
        QVERIFY(m_picture->StartFade(IDB_PREVIEW_AREA, done ? 0 : 60000));
        if (done)
            QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QImage expected(QSize(264, 196), QImage::Format_ARGB32_Premultiplied);
        expected.fill(kParentColor);
        if (done) {
            QPainter p(&expected);
            p.drawPixmap(0, 0, LoadResourcePixmap(IDB_PREVIEW_AREA));
        }
        QCOMPARE(Shown(), expected);
    }

    void restartsWithAnotherPicture()
    {
        QSignalSpy finished(m_picture, &CFadePicture::fadeFinished);
        QVERIFY(finished.isValid());
        QVERIFY(m_picture->StartFade(IDB_PREVIEW_AREA, 0));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(m_picture->StartFade(IDB_BACKGROUND, -5));
        QVERIFY(!m_picture->fadeDone());
        QCOMPARE(m_picture->StepDelay(), 0);
        QCOMPARE(m_picture->size(), QSize(464, 282));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 20000);
        QVERIFY(m_picture->fadeDone());
    }

    void windowPictures_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("background 185") << 185 << QSize(464, 282) << true;
        QTest::newRow("preview area 191") << 191 << QSize(264, 196) << false;
    }
    void windowPictures()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QFETCH(bool, opaque);
        const QImage image = LoadResourceImage(id);
        QCOMPARE(image.size(), size);
        QCOMPARE(!image.hasAlphaChannel(), opaque);
    }

    void everyPictureLoads()
    {
        for (const int id : AllResourceImageIds())
            QVERIFY2(!LoadResourceImage(id).isNull(), qPrintable(QString::number(id)));
    }

    void applicationIconHasFourSizes()
    {
        const QIcon icon = LoadResourceIcon(IDI_APPLICATION_ICON);
        QList<QSize> sizes = icon.availableSizes();
        std::sort(
            sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
        QCOMPARE(LoadResourceImage(IDI_APPLICATION_ICON).size(), QSize(48, 48));
        QVERIFY(LoadResourceIcon(9999).isNull());
    }
};

QTEST_MAIN(TestFadePicture)
#include "tst_fadepicture.moc"
