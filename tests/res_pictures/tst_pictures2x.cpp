// Sharp at 200 %: every picture has an "@2x" twin exactly twice its size, and on a screen scaled
// to 200 % the loader hands out the twin, drawn at the picture's own size.

#include "ResourceImages.h"

#include <QGuiApplication>
#include <QtTest>

class tst_Pictures2x : public QObject
{
    Q_OBJECT

private slots:
    void twinIsTwiceTheSize_data();
    void twinIsTwiceTheSize();
};

void tst_Pictures2x::twinIsTwiceTheSize_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("sharp");
    QTest::addColumn<int>("id"); // 0 for the skin's named pictures
    for (int id : AllResourceImageIds())
        QTest::newRow(qPrintable(QString::number(id)))
            << ResourceImagePath(id) << ResourceImagePath2x(id) << id;
    for (const char *name : {"skin-down-arrow", "skin-down-arrow-disabled"})
        QTest::newRow(name) << QStringLiteral(":/res/%1.png").arg(QLatin1String(name))
                            << QStringLiteral(":/res/%1@2x.png").arg(QLatin1String(name)) << 0;
}

void tst_Pictures2x::twinIsTwiceTheSize()
{
    QFETCH(QString, plain);
    QFETCH(QString, sharp);
    QFETCH(int, id);
    InitResourceImages();
    const QImage one(plain);
    const QImage two(sharp);
    QVERIFY2(!one.isNull(), qPrintable(plain));
    QVERIFY2(!two.isNull(), qPrintable(sharp));
    QCOMPARE(two.size(), one.size() * 2);
    if (id != 0) {
        // This test runs at 200 %: the loader picks the twin, which keeps the picture's size.
        const QPixmap loaded = LoadResourcePixmap(id);
        QCOMPARE(loaded.devicePixelRatio(), 2.0);
        QCOMPARE(loaded.deviceIndependentSize().toSize(), one.size());
    }
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    tst_Pictures2x test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures2x.moc"
